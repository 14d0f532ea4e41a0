#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>

namespace mapdata {

// A sound of the assets folder, as the program names its own files: absolute, with the drive
// letter on Windows (Wine's for a Linux path), so that it matches what the player resolves.
inline QString shippedSound(const char *name) {
    return QDir::cleanPath(
        QFileInfo(QStringLiteral(TESSALINE_ASSETS_DIR "/sounds/") + QLatin1String(name))
            .absoluteFilePath());
}

} // namespace mapdata
