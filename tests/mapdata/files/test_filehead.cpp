// The one reader that every file beside the program goes through (item list, pointer, skin,
// sounds): what it makes of each hostile kind of file. Each reader above it has one case of
// its own that such a file is refused and reported.
#include "fakes/bounded.h"
#include "mapdata/files/filehead.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_LINUX
#include <sys/fsuid.h>
#include <unistd.h>
#endif

#include <functional>

namespace mapdata {
namespace {

constexpr qint64 kLimitBytes = 16;
constexpr qint64 kSparseBytes = qint64(1) << 30;
constexpr long kMaxGrowthMiB = 64;

QString write(const QTemporaryDir &dir, const char *name, const QByteArray &bytes) {
    const QString path = dir.filePath(QString::fromUtf8(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QByteArray counting(qint64 size) {
    QByteArray bytes;
    for (qint64 i = 0; i < size; ++i)
        bytes += char('a' + i % 26);
    return bytes;
}

struct Kind {
    const char *name;
    // Makes the file in the folder and gives its path; empty to leave the case out here.
    std::function<QString(const QTemporaryDir &)> make;
    FileHeadResult result;
    QByteArray bytes; // what is read, when it is read
    bool cut;
};

TEST(FileHead, EachKindOfFileIsReadUpToTheLimitOrRefusedWithoutWaiting) {
    const QByteArray full = counting(kLimitBytes);
    const Kind kinds[] = {
        {"empty path",
         [](const QTemporaryDir &) { return QString(); },
         FileHeadResult::Missing,
         {},
         false},
        {"missing",
         [](const QTemporaryDir &d) { return d.filePath(QStringLiteral("none")); },
         FileHeadResult::Missing,
         {},
         false},
        {"folder",
         [](const QTemporaryDir &d) { return d.path(); },
         FileHeadResult::NotRegular,
         {},
         false},
        {"empty file",
         [](const QTemporaryDir &d) { return write(d, "empty", {}); },
         FileHeadResult::Read,
         {},
         false},
        {"exactly the limit", [&](const QTemporaryDir &d) { return write(d, "limit", full); },
         FileHeadResult::Read, full, false},
        {"one byte over the limit",
         [&](const QTemporaryDir &d) { return write(d, "over", full + 'X'); }, FileHeadResult::Read,
         full, true},
        {"name in other letters",
         [&](const QTemporaryDir &d) { return write(d, "Süd ñandú", full.left(3)); },
         FileHeadResult::Read, full.left(3), false},
#ifdef Q_OS_UNIX
        {"FIFO without a writer",
         [](const QTemporaryDir &d) {
             const QString path = d.filePath(QStringLiteral("fifo"));
             return fakes::makeFifo(path) ? path : QString();
         },
         FileHeadResult::NotRegular,
         {},
         false},
        {"link to an endless device",
         [](const QTemporaryDir &d) {
             const QString path = d.filePath(QStringLiteral("zero"));
             return QFile::link(QStringLiteral("/dev/zero"), path) ? path : QString();
         },
         FileHeadResult::NotRegular,
         {},
         false},
        {"link to a regular file",
         [&](const QTemporaryDir &d) {
             const QString path = d.filePath(QStringLiteral("link"));
             return QFile::link(write(d, "target", full), path) ? path : QString();
         },
         FileHeadResult::Read, full, false},
#endif
    };
    for (const Kind &kind : kinds) {
        SCOPED_TRACE(kind.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = kind.make(dir);
        if (path.isEmpty() && kind.result != FileHeadResult::Missing)
            continue;
        fakes::Watchdog watchdog(kind.name);
        const FileHead head = readRegularFileHead(path, kLimitBytes);
        EXPECT_EQ(head.result, kind.result);
        EXPECT_EQ(head.bytes, kind.bytes);
        EXPECT_EQ(head.cut, kind.cut);
        // The plain form gives the same bytes, or none.
        EXPECT_EQ(readFileHead(path, int(kLimitBytes)),
                  kind.result == FileHeadResult::Read ? kind.bytes : QByteArray());
    }
}

#ifdef Q_OS_LINUX
// Root opens any file, and CI runs as root: there the case reads with this thread's file access
// as nobody's, the rest of the process untouched.
TEST(FileHead, AFileItsReaderMayNotOpenIsRefusedAtTheOpen) {
    constexpr uid_t kNobody = 65534;
    QTemporaryDir dir;
    // Anyone may pass through the folder, to the file that nobody may read.
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ExeOwner | QFile::ExeGroup |
                                                      QFile::ExeOther));
    const QString path = write(dir, "locked", counting(kLimitBytes));
    ASSERT_TRUE(QFile::setPermissions(path, {}));
    const uid_t own = ::geteuid();
    ::setfsuid(own == 0 ? kNobody : own);
    const bool unprivileged = ::setfsuid(uid_t(-1)) != 0;
    const FileHead head = readRegularFileHead(path, kLimitBytes);
    const QByteArray plain = readFileHead(path, int(kLimitBytes));
    ::setfsuid(own);
    if (!unprivileged)
        GTEST_SKIP() << "root, and this thread's file access could not be made nobody's";
    EXPECT_EQ(head.result, FileHeadResult::CannotOpen);
    EXPECT_TRUE(head.bytes.isEmpty());
    EXPECT_TRUE(plain.isEmpty());
}
#endif

#ifdef Q_OS_UNIX
TEST(FileHead, AHugeSparseFileCostsOnlyTheLimit) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sparse"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(kSparseBytes));
    }
    constexpr qint64 kMiB = 1 << 20;
    fakes::Watchdog watchdog("a 1 GiB sparse file");
    const long before = fakes::peakMemoryMiB();
    const FileHead head = readRegularFileHead(path, kMiB);
    EXPECT_LT(fakes::peakMemoryMiB() - before, kMaxGrowthMiB);
    EXPECT_EQ(head.result, FileHeadResult::Read);
    EXPECT_EQ(head.bytes.size(), kMiB);
    EXPECT_TRUE(head.cut);
}
#endif

} // namespace
} // namespace mapdata
