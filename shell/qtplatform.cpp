#include "shell/qtplatform.h"

#include "mapdata/toolkit/failure.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTime>

namespace shell {

namespace {
constexpr double kMillisecondsPerSecond = 1000.0;
}

double QtClock::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / kMillisecondsPerSecond;
}

bool QtLauncher::openWebAddress(const QString &address) {
#if defined(Q_OS_WIN)
    // explorer hands the address on to the default browser.
    return QProcess::startDetached(QStringLiteral("explorer"), {address});
#elif defined(Q_OS_MACOS)
    return QProcess::startDetached(QStringLiteral("open"), {address});
#else
    return QProcess::startDetached(QStringLiteral("xdg-open"), {address});
#endif
}

bool QtFileSystem::hasModificationTime(const QString &path) const {
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

bool QtFileSystem::isNormalFile(const QString &path) const {
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

QByteArray QtFileSystem::readFile(const QString &path) const {
    const QFileInfo info(path);
    if (!info.exists())
        throw mapdata::Failure::fileNotFound();
    if (info.isDir())
        throw mapdata::Failure::pathFileAccessError();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw mapdata::Failure::permissionDenied();
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw mapdata::Failure::pathFileAccessError();
    return bytes;
}

} // namespace shell
