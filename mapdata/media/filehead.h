#pragma once

#include <QByteArray>
#include <QString>

namespace mapdata {

// The first maxBytes (or fewer) of a regular file, read without ever blocking: links are
// followed, and anything that is not a regular file (a FIFO, a device, a folder) is not opened
// for reading. Empty when the file is missing, unreadable or not regular.
QByteArray readFileHead(const QString &path, int maxBytes);

} // namespace mapdata
