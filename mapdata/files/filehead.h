#pragma once

#include <QByteArray>
#include <QString>

namespace mapdata {

// How reading the start of a file went.
enum class FileHeadResult { Read, Missing, NotRegular, CannotOpen, ReadFailed };

struct RegularFileHead {
    FileHeadResult result = FileHeadResult::Missing;
    QByteArray bytes;
    // The file goes on past the bytes read.
    bool cut = false;
};

// The first maxBytes (or fewer) of a regular file, read without ever blocking: links are
// followed, and anything that is not a regular file (a FIFO, a device, a folder) is not opened
// for reading, nor is one swapped in between the check and the open.
RegularFileHead readRegularFileHead(const QString &path, qint64 maxBytes);

// The same bytes, empty when the file is missing, unreadable or not regular.
QByteArray readFileHead(const QString &path, int maxBytes);

} // namespace mapdata
