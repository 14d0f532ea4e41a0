#include "shell/qtservices.h"

#include "mapdata/media/windowsoundplayer.h"
#include "shell/appfiles.h"

#include <QCoreApplication>

namespace shell {

QtServices::QtServices(mapdata::FormWidget &window)
    : appFolder(QCoreApplication::applicationDirPath()), messageBoxes(&window),
      player(mapdata::createWindowSoundPlayer(appFolder)), skin(&window, window.form().hWnd()),
      m_window(window) {}

void QtServices::prepareSoundsAfterFirstFrame() {
    // A zero timer is not enough: it fires before the window server asks for the first paint.
    mapdata::PreparableSoundPlayer *sounds = player.get();
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
