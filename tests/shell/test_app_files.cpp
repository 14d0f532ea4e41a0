#include "fakes/bounded.h"
#include "shell/appfiles.h"
#include "shell/qtplatform.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

using namespace shell;

namespace {
class ThrowingFileSystem : public FileSystem {
public:
    bool hasModificationTime(const QString &) const override {
        throw std::runtime_error("device gone");
    }
    bool isNormalFile(const QString &) const override { return false; }
    shell::FileHead readFile(const QString &, qsizetype) const override { return {}; }
};
} // namespace

TEST(FileExists, IsFalseForEmptyMissingAndRejectedPathsAndTrueForARealFile) {
    QtFileSystem files;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString present = dir.filePath(QStringLiteral("HAND-M.CUR"));
    QFile file(present);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();

    EXPECT_TRUE(FileExists(files, present));
    EXPECT_FALSE(FileExists(files, QString()));
    EXPECT_FALSE(FileExists(files, dir.filePath(QStringLiteral("missing.cur"))));
    EXPECT_FALSE(FileExists(files, dir.filePath(QStringLiteral("no-such-folder/HAND-M.CUR"))));
    EXPECT_FALSE(FileExists(files, dir.path() + QStringLiteral("/bad") + QChar(0) + "name"));
}

TEST(FileExists, AbsorbsEveryFailureOfTheFileSystem) {
    ThrowingFileSystem files;
    bool result = true;
    EXPECT_NO_THROW(result = FileExists(files, QStringLiteral("/app/HAND-M.CUR")));
    EXPECT_FALSE(result);
}

TEST(AppPath, AppendsTheRelativeNamesWithThePlatformsSeparator) {
#ifndef Q_OS_WIN
    EXPECT_EQ(appPath(QStringLiteral("/opt/t"), kSkinFileName), QStringLiteral("/opt/t/x/o.cjs"));
    EXPECT_EQ(appPath(QStringLiteral("/opt/t"), kCorrectSoundName),
              QStringLiteral("/opt/t/sounds/correct.wma"));
#endif
    EXPECT_EQ(QDir::fromNativeSeparators(appPath(QStringLiteral("/opt/t"), kCursorFileName)),
              QStringLiteral("/opt/t/HAND-M.CUR"));
}

#ifdef Q_OS_UNIX
TEST(FileExists, AsksOnlyForTheTimeSoAPipeIsPresentAndNeverWaitedOn) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("HAND-M.CUR"));
    ASSERT_TRUE(fakes::makeFifo(pipe));
    QtFileSystem files;
    fakes::Watchdog watchdog("FileExists on a pipe");
    EXPECT_TRUE(FileExists(files, pipe));
}
#endif
