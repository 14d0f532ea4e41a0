#pragma once

#include <QByteArray>
#include <QString>

namespace mapdata {

// How reading the start of a file went.
enum class FileHeadResult { Read, Missing, NotRegular, CannotOpen, ReadFailed };

// The first bytes of a file, whether the file goes on past them, and how reading went.
struct FileHead {
    QByteArray bytes;
    bool cut = false;
    FileHeadResult result = FileHeadResult::Read;
};

// The first maxBytes (or fewer) of a regular file, read without ever blocking: links are
// followed, and anything that is not a regular file (a FIFO, a device, a folder) is not opened
// for reading, nor is one swapped in between the check and the open.
FileHead readRegularFileHead(const QString &path, qint64 maxBytes);

// The same bytes, empty when the file is missing, unreadable or not regular.
QByteArray readFileHead(const QString &path, int maxBytes);

} // namespace mapdata
