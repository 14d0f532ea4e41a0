#include "mapdata/media/mediabackend.h"

#include <QByteArray>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QLibraryInfo>
#include <QPluginLoader>

#include <algorithm>

namespace mapdata {

namespace {

QString chosenBackend() {
    return qEnvironmentVariable(kMediaBackendVariable);
}

// A backend linked into the program (a static Qt), by the keys its plugin declares.
bool hasStaticBackend(const QString &backend) {
    const auto plugins = QPluginLoader::staticPlugins();
    return std::any_of(plugins.begin(), plugins.end(), [&](const QStaticPlugin &plugin) {
        return plugin.metaData()
            .value(QLatin1String("MetaData"))
            .toObject()
            .value(QLatin1String("Keys"))
            .toArray()
            .contains(backend);
    });
}

} // namespace

void selectMediaBackend() {
    if (kMediaBackend[0] != '\0' && qEnvironmentVariableIsEmpty(kMediaBackendVariable))
        qputenv(kMediaBackendVariable, QByteArray(kMediaBackend));
}

QString mediaBackendFile() {
    const QString backend = chosenBackend();
    if (backend.isEmpty())
        return {};
    const QDir folder(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QLatin1String("/multimedia"));
    const QStringList files = folder.entryList(QDir::Files);
    for (const QString &file : files) {
        if (file.contains(backend) && QLibrary::isLibrary(file))
            return folder.filePath(file);
    }
    return {};
}

bool isMediaBackendInstalled() {
    const QString backend = chosenBackend();
    if (backend.isEmpty())
        return true; // Qt picks one it has, or plays nothing
    return hasStaticBackend(backend) || !mediaBackendFile().isEmpty();
}

} // namespace mapdata
