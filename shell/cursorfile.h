#pragma once

#include "mapdata/toolkit/form.h"

#include <QByteArray>
#include <QString>

namespace shell {

// Reads a Windows cursor file (.cur): the first image, with its hot spot. Raises an
// "Invalid picture" failure for anything that is not a readable cursor.
mapdata::PointerPicture decodeCursor(const QByteArray &bytes);
mapdata::PointerPicture readCursorFile(const QString &path);

} // namespace shell
