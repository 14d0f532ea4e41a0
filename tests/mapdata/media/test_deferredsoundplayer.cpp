#include "mapdata/media/deferredsoundplayer.h"
#include "mapdata/media/libraryfile.h"
#include "mapdata/media/mediaplugin.h"

#include "shippedsound.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

namespace mapdata {
namespace {

constexpr int kLoadSettleMs = 500;

QString builtLibrary() {
    return QStringLiteral(TESSALINE_MEDIA_PLUGIN_DIR "/") + QLatin1String(kMediaPluginName) +
           QLatin1String(kMediaPluginSuffix);
}

// Whether a library whose name contains part is mapped into this process (Linux only).
bool isMapped(const char *part) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains(part);
}

class DeferredSoundPlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QCoreApplication::instance() != nullptr)
            return;
        static int argc = 1;
        static char name[] = "test_deferredsoundplayer";
        static char *argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }
};

TEST_F(DeferredSoundPlayerTest, LoadsQtMultimediaOnlyWhenFirstAskedAndNoCodecForPcm) {
#ifndef Q_OS_LINUX
    GTEST_SKIP() << "reads the process's mappings from /proc";
#endif
    // The name the program looks for, in the folder the build puts the library in.
    DeferredSoundPlayer player(builtLibrary());
    EXPECT_FALSE(player.hasTriedLoading());
    EXPECT_FALSE(isMapped("libQt6Multimedia")) << "this test must not link Qt Multimedia itself";

    player.prepare({shippedSound("correct.wma"), shippedSound("wrong.wma")});
    ASSERT_NE(player.loadedPlayer(), nullptr) << player.loadError().toStdString();
    EXPECT_TRUE(isMapped("libQt6Multimedia"));

    // Later calls go to the same player, which records what was assigned.
    const QString url = shippedSound("wrong.wma");
    player.setURL(url);
    player.setURL(shippedSound("correct.wma"));
    EXPECT_EQ(player.URL(), shippedSound("correct.wma"));
    EXPECT_EQ(player.loadedPlayer()->URL(), shippedSound("correct.wma"));
    // The shipped sounds are PCM: no codec and no backend plugin came with them.
    EXPECT_FALSE(isMapped("libavcodec"));
    EXPECT_FALSE(isMapped("mediaplugin"));
    // Let the sounds finish loading: under ctest -j2 this process hung at exit now and then when
    // the player went while Qt's sample cache was still reading.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kLoadSettleMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, kLoadSettleMs);
}

TEST_F(DeferredSoundPlayerTest, AMissingOrDamagedLibraryPlaysNothingAndEndsNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Cut to half its length: mapping it would fault (SIGBUS) on the missing pages.
    const QString truncated = dir.filePath(QStringLiteral("truncated.so"));
    ASSERT_TRUE(QFile::copy(builtLibrary(), truncated));
    {
        QFile file(truncated);
        ASSERT_TRUE(file.resize(file.size() / 2));
    }
    const QString randomBytes = dir.filePath(QStringLiteral("random.so"));
    {
        QFile file(randomBytes);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, '\x7f'));
    }
    const QStringList damaged = {
        QStringLiteral("/nonexistent/tessaline-media.so"),
        QStringLiteral(TESSALINE_ASSETS_DIR "/items.txt"),
        dir.path(),
        truncated,
        randomBytes,
        QStringLiteral(TESSALINE_FACTORY_AS_DATA),  // calling it would be SIGSEGV
        QStringLiteral(TESSALINE_UNDEFINED_SYMBOL), // bound lazily it would end with status 127
    };
    for (const QString &path : damaged) {
        DeferredSoundPlayer player(path);
        player.setURL(shippedSound("correct.wma"));
        player.prepare({shippedSound("correct.wma")});
        EXPECT_TRUE(player.hasTriedLoading());
        EXPECT_EQ(player.loadedPlayer(), nullptr) << path.toStdString();
        EXPECT_FALSE(player.loadError().isEmpty()) << path.toStdString();
        EXPECT_EQ(player.URL(), shippedSound("correct.wma"));
    }
}

TEST(LibraryFileTest, ChecksTheElfImageAgainstTheFileSize) {
#ifndef Q_OS_LINUX
    GTEST_SKIP() << "ELF checks are Linux only";
#endif
    QFile file(builtLibrary());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(kLibraryHeadBytes);
    EXPECT_EQ(elfImageProblem(head, file.size()), QString());
    EXPECT_NE(elfImageProblem(head, file.size() - 1), QString()) << "one byte short";
    EXPECT_NE(elfImageProblem(head.left(16), file.size()), QString());
    QByteArray notShared = head;
    notShared[16] = 2; // ET_EXEC
    EXPECT_NE(elfImageProblem(notShared, file.size()), QString());
    EXPECT_EQ(libraryFileProblem(builtLibrary()), QString());
}

} // namespace
} // namespace mapdata
