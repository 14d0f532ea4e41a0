#include "shell/qtplatform.h"

#include "shell/regularfile.h"
#include "shell/version.h"

#include <QFileInfo>
#include <QtGlobal>
#if QT_CONFIG(process)
#include <QProcess>
#endif
#include <QSettings>
#include <QTime>

#include <string>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace shell {

namespace {
constexpr double kMillisecondsPerSecond = 1000.0;
#ifndef Q_OS_WASM
const char *const kPoliciesKey = "Policies";
const char *const kSiteVisitValue = "SiteVisit";
constexpr int kSiteVisitNever = 0;
#endif
} // namespace

double QtClock::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / kMillisecondsPerSecond;
}

bool QtLauncher::openWebAddress(const QString &address) {
#if defined(Q_OS_WIN)
    // explorer "<address>", minimised with focus: explorer hands the address on to the
    // default browser. QProcess would put two spaces after the program's name, so the
    // command line is handed to CreateProcess exactly as written here.
    std::wstring commandLine =
        QString(QStringLiteral("explorer \"") + address + QLatin1Char('"')).toStdWString();
    QProcess process;
    process.setProgram(QStringLiteral("explorer"));
    process.setCreateProcessArgumentsModifier(
        [&commandLine](QProcess::CreateProcessArguments *arguments) {
            arguments->arguments = commandLine.data();
            arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            arguments->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
        });
    return process.startDetached();
#elif defined(Q_OS_MACOS)
    return QProcess::startDetached(QStringLiteral("open"), {address});
#elif defined(Q_OS_WASM)
    // A page starts no programs (and its policy never asks for the visit).
    Q_UNUSED(address);
    return false;
#else
    return QProcess::startDetached(QStringLiteral("xdg-open"), {address});
#endif
}

bool QtMachinePolicy::siteVisitAllowed() const {
#if defined(Q_OS_WASM)
    // In a school's web page the visit would be a pop-up: the page never makes it.
    return false;
#else
#if defined(Q_OS_WIN)
    // Part of a registry path, where "/" would be a character of the key's name.
    const QLatin1Char separator('\\');
#else
    const QLatin1Char separator('/');
#endif
    const QSettings policy(QSettings::NativeFormat, QSettings::SystemScope,
                           QLatin1String(kPoliciesKey) + separator +
                               QLatin1String(kOrganisationName),
                           QLatin1String(kProductName));
    bool isNumber = false;
    const int siteVisit = policy.value(QLatin1String(kSiteVisitValue)).toInt(&isNumber);
    return !(isNumber && siteVisit == kSiteVisitNever);
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

FileHead QtFileSystem::readFile(const QString &path, qsizetype maxBytes) const {
    return readRegularFile(path, maxBytes);
}

} // namespace shell
