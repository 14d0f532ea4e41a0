#include "shell/qtservices.h"

#include "mapdata/media/soundplugin.h"
#include "shell/appfiles.h"

#include <QCoreApplication>

namespace shell {

mapdata::PreparableSoundPlayer *PluginSoundPlayer::player() {
    if (!m_triedLoading) {
        m_triedLoading = true;
        m_player = mapdata::loadSoundPlayer(m_pluginPath);
    }
    return m_player.get();
}

void PluginSoundPlayer::setURL(const QString &url) {
    m_url = url;
    if (mapdata::PreparableSoundPlayer *loaded = player())
        loaded->setURL(url);
}

void PluginSoundPlayer::prepare(const QStringList &preloadURLs) {
    if (mapdata::PreparableSoundPlayer *loaded = player())
        loaded->prepare(preloadURLs);
}

QtServices::QtServices(mapdata::FormWidget &window)
    : appFolder(QCoreApplication::applicationDirPath()), messageBoxes(&window),
      player(appFolder + QLatin1Char('/') + mapdata::mediaPluginFileName()),
      skin(&window, window.form().hWnd()), m_window(window) {}

void QtServices::prepareSoundsAfterFirstFrame() {
    // A zero timer is not enough: it fires before the window server asks for the first paint.
    mapdata::PreparableSoundPlayer *sounds = &player;
    const QString folder = appFolder;
    QObject::connect(
        &m_window, &mapdata::FormWidget::firstFramePainted, &m_window,
        [sounds, folder] {
            sounds->prepare({folder + QLatin1String(kCorrectSoundName),
                             folder + QLatin1String(kWrongSoundName),
                             folder + QLatin1String(kCompleteSoundName)});
        },
        Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
}

} // namespace shell
