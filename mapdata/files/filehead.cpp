#include "mapdata/files/filehead.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace mapdata {

namespace {

#ifdef Q_OS_UNIX
// Opening a FIFO without a writer waits for one; O_NONBLOCK returns at once instead, and the
// open handle is checked again so nothing swapped in after the first check is read. The name
// is encoded as the file system expects (UTF-8), whatever its letters.
FileHeadResult openRegular(QFile &file, const QString &path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return FileHeadResult::CannotOpen;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return FileHeadResult::NotRegular;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileHeadResult::CannotOpen;
    }
    return FileHeadResult::Read;
}
#else
// There is no FIFO at a path in a folder here; the regular-file check before it suffices.
FileHeadResult openRegular(QFile &file, const QString &path) {
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly) ? FileHeadResult::Read : FileHeadResult::CannotOpen;
}
#endif

} // namespace

FileHead readRegularFileHead(const QString &path, qint64 maxBytes) {
    FileHead head;
    head.result = FileHeadResult::Missing;
    // QFileInfo answers for a link's target: a link to /dev/zero is no regular file.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return head;
    if (!info.isFile()) {
        head.result = FileHeadResult::NotRegular;
        return head;
    }
    QFile file;
    head.result = openRegular(file, path);
    if (head.result != FileHeadResult::Read)
        return head;
    // One byte past the limit tells whether the file goes on.
    QByteArray bytes = file.read(qMax<qint64>(maxBytes, 0) + 1);
    if (file.error() != QFileDevice::NoError) {
        head.result = FileHeadResult::ReadFailed;
        return head;
    }
    head.cut = bytes.size() > maxBytes;
    if (head.cut)
        bytes.truncate(maxBytes);
    head.bytes = std::move(bytes);
    return head;
}

QByteArray readFileHead(const QString &path, int maxBytes) {
    if (maxBytes <= 0)
        return {};
    FileHead head = readRegularFileHead(path, maxBytes);
    return head.result == FileHeadResult::Read ? std::move(head.bytes) : QByteArray();
}

} // namespace mapdata
