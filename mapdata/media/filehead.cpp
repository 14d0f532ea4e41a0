#include "mapdata/media/filehead.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace mapdata {

QByteArray readFileHead(const QString &path, int maxBytes) {
    // QFileInfo answers for a link's target: a link to /dev/zero is no regular file.
    if (path.isEmpty() || maxBytes <= 0 || !QFileInfo(path).isFile())
        return {};
    QByteArray head(maxBytes, '\0');
#ifdef Q_OS_UNIX
    // Non-blocking, and checked again once open: a file swapped for a FIFO in between is not
    // waited on. The name is encoded as the file system expects (UTF-8), whatever its letters.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {};
    struct stat status {};
    ssize_t got = -1;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
        got = ::read(fd, head.data(), static_cast<size_t>(maxBytes));
    ::close(fd);
#else
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 got = file.read(head.data(), maxBytes);
#endif
    if (got <= 0)
        return {};
    head.truncate(static_cast<int>(got));
    return head;
}

} // namespace mapdata
