#include "shell/regularfile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace shell {

namespace {

constexpr qsizetype kBytesPerKiB = 1024;

#ifdef Q_OS_UNIX
// Opening a pipe without a writer waits for one; O_NONBLOCK returns at once instead, and
// the open handle is checked again so nothing swapped in after the first check is read.
void openRegular(QFile &file, const QString &path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw mapdata::Failure::permissionDenied();
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        throw mapdata::Failure::pathFileAccessError();
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw mapdata::Failure::permissionDenied();
    }
}
#else
// There is no pipe at a path in a folder here; the regular-file check before it suffices.
void openRegular(QFile &file, const QString &path) {
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        throw mapdata::Failure::permissionDenied();
}
#endif

} // namespace

bool isRegularFile(const QString &path) {
    // QFileInfo follows links and reports only regular files as files.
    return QFileInfo(path).isFile();
}

FileHead readRegularFile(const QString &path, qsizetype maxBytes) {
    const QFileInfo info(path);
    if (!info.exists())
        throw mapdata::Failure::fileNotFound();
    if (!info.isFile())
        throw mapdata::Failure::pathFileAccessError();
    QFile file;
    openRegular(file, path);
    // One byte past the limit tells whether the file goes on.
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw mapdata::Failure::pathFileAccessError();
    FileHead head;
    head.cut = bytes.size() > maxBytes;
    if (head.cut)
        bytes.truncate(maxBytes);
    head.bytes = std::move(bytes);
    return head;
}

mapdata::Failure fileTooLarge(qsizetype maxBytes) {
    return {mapdata::Failure::pathFileAccessError().number(),
            QStringLiteral("File too large (over %1 KiB)").arg(maxBytes / kBytesPerKiB)};
}

} // namespace shell
