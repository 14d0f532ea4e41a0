#pragma once

#include "mapdata/toolkit/form.h"

#include <QByteArray>
#include <QString>

namespace shell {

// The largest 256 x 256 cursor with every image it may hold is far smaller.
constexpr qsizetype kMaxCursorFileBytes = 1024 * 1024;

// Reads a Windows cursor file (.cur): the first image, with its hot spot. Raises an
// "Invalid picture" failure for anything that is not a readable cursor.
mapdata::PointerPicture decodeCursor(const QByteArray &bytes);
// Reads only a regular file, and at most kMaxCursorFileBytes of it (see regularfile.h for
// what it raises); a longer file is refused as too large.
mapdata::PointerPicture readCursorFile(const QString &path);

// Loads the window's pointer picture from a cursor file; raises what readCursorFile raises.
class CursorLoader {
public:
    virtual ~CursorLoader() = default;
    virtual mapdata::PointerPicture load(const QString &path) = 0;
};

class CursorFileLoader : public CursorLoader {
public:
    mapdata::PointerPicture load(const QString &path) override { return readCursorFile(path); }
};

} // namespace shell
