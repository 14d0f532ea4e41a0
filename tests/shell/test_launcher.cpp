#include "shell/qtplatform.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

using namespace shell;

namespace {

// A detached opener is never waited for by the program; the test waits for its record.
constexpr int kRecordWaitMs = 30000;
constexpr int kPollMs = 50;

QByteArrayList waitForRecord(const QString &path) {
    QDeadlineTimer deadline(kRecordWaitMs);
    while (!QFile::exists(path) && !deadline.hasExpired())
        QThread::msleep(kPollMs);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().split('\n');
}

// The address is one argument however it is spelled: spaces, an ampersand, letters beyond
// ASCII.
const QString kAddress = QStringLiteral("https://tessaline.example/home page?a=1&b=São");

} // namespace

#ifdef Q_OS_WIN
// The stand-in explorer.exe built beside this test is found before Windows' own.
TEST(QtLauncher, StartsExplorerMinimisedWithTheQuotedAddressAsItsCommandLine) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString record = dir.filePath(QStringLiteral("launch.txt"));
    qputenv("TESSALINE_LAUNCH_RECORD", record.toLocal8Bit());

    QtLauncher launcher;
    ASSERT_TRUE(launcher.openWebAddress(kAddress));

    const QByteArrayList lines = waitForRecord(record);
    ASSERT_GE(lines.size(), 2) << "explorer was not started";
    const QString expected = QStringLiteral("explorer \"") + kAddress + QLatin1Char('"');
    EXPECT_EQ(lines[0].toStdString(), expected.toUtf8().toStdString());
    EXPECT_EQ(lines[1].toInt(), SW_SHOWMINIMIZED);
}
#else
// A stand-in opener first on the PATH records its arguments, one per line.
TEST(QtLauncher, HandsTheAddressToTheDesktopOpenerAsOneArgument) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString record = dir.filePath(QStringLiteral("launch.txt"));
    QFile opener(dir.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$0.part\" && mv \"$0.part\" \"" +
                 QFile::encodeName(record) + "\"\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir.path()) + ':' + path);
    QtLauncher launcher;
    const bool started = launcher.openWebAddress(kAddress);
    qputenv("PATH", path);
    ASSERT_TRUE(started);

    const QByteArrayList lines = waitForRecord(record);
    ASSERT_GE(lines.size(), 2) << "the opener was not started";
    EXPECT_EQ(lines[0], "1");
    EXPECT_EQ(lines[1].toStdString(), kAddress.toUtf8().toStdString());
}

TEST(QtLauncher, ReportsAnOpenerThatCannotBeStarted) {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    QtLauncher launcher;
    const bool started = launcher.openWebAddress(kAddress);
    qputenv("PATH", path);
    EXPECT_FALSE(started);
}
#endif
