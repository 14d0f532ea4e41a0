#include "mapdata/media/soundplugin.h"

#include <QLibrary>
#include <QPluginLoader>
#include <QtGlobal>

namespace mapdata {

QString mediaPluginFileName() {
    return QStringLiteral(TESSALINE_MEDIA_PLUGIN_FILE_NAME);
}

std::unique_ptr<PreparableSoundPlayer> loadSoundPlayer(const QString &pluginPath) {
    SoundPlayerPlugin *plugin = nullptr;
    const QObjectList linkedIn = QPluginLoader::staticInstances();
    for (QObject *instance : linkedIn) {
        if ((plugin = qobject_cast<SoundPlayerPlugin *>(instance)) != nullptr)
            break;
    }
    QString problem;
    if (plugin == nullptr) {
        QPluginLoader loader(pluginPath);
        // Every symbol bound now: a missing one fails the load instead of ending the program at
        // its first call. The library stays loaded while players made from it live.
        loader.setLoadHints(QLibrary::ResolveAllSymbolsHint | QLibrary::PreventUnloadHint);
        QObject *instance = loader.instance();
        plugin = qobject_cast<SoundPlayerPlugin *>(instance);
        if (instance == nullptr)
            problem = loader.errorString();
        else if (plugin == nullptr)
            problem = QStringLiteral("%1 is another Qt plugin").arg(pluginPath);
    }
    if (plugin == nullptr) {
        qWarning("Tessaline: no sound: %s", qUtf8Printable(problem.simplified()));
        return nullptr;
    }
    return std::unique_ptr<PreparableSoundPlayer>(plugin->createPlayer());
}

} // namespace mapdata
