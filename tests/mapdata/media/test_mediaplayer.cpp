#include "mapdata/media/backendplayer.h"
#include "mapdata/media/mediabackend.h"
#include "mapdata/media/mediaplayer.h"

#include "mediaapplication.h"
#include "shippedsound.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QTemporaryDir>

#include <cstdlib>
#include <ostream>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

QT_BEGIN_NAMESPACE
// Readable failure messages.
inline void PrintTo(const QUrl &url, std::ostream *os) {
    *os << url.toString().toStdString();
}
QT_END_NAMESPACE

namespace mapdata {
namespace {

// Long enough for a sound to start or a backend to open a file.
constexpr int kSettleMs = 300;
// Far more than loading the sounds or the backend takes.
constexpr int kReadyTimeoutMs = 10000;
constexpr int kPollMs = 10;

// A real WMA (wmav2 in ASF), as a user might put in place of a shipped sound.
QString realWma() {
    return QFileInfo(QStringLiteral(TESSALINE_MEDIA_TEST_DATA "/wrong-wmav2.wma"))
        .absoluteFilePath();
}

// The status of the effect loaded for path; Null when none was loaded for it.
QSoundEffect::Status statusOf(const MediaPlayer &player, const QString &path) {
    const QSoundEffect *effect = player.effectFor(QUrl::fromLocalFile(path));
    return effect != nullptr ? effect->status() : QSoundEffect::Null;
}

// What should be heard playing after url was assigned: nothing on a machine without audio.
QList<QUrl> expectedPlaying(const QString &url) {
    if (!MediaPlayer::hasAudioDevice())
        return {};
    return {QUrl::fromLocalFile(url)};
}

template <typename Done> bool processEventsUntil(Done done, int timeoutMs = kReadyTimeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, kPollMs);
    return done();
}

void processEventsFor(int ms) {
    processEventsUntil([] { return false; }, ms);
}

#ifdef Q_OS_LINUX
// Whether a library whose name contains part is mapped into this process.
bool isMapped(const char *part) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(part);
}
#endif

class MediaPlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureMediaApplication(); }
};

TEST_F(MediaPlayerTest, BuildsNothingUntilPreparedAndKeepsTheStoredVolume) {
    MediaPlayer player;
    EXPECT_TRUE(player.URL().isEmpty());
    EXPECT_FALSE(player.isPrepared());
    EXPECT_EQ(player.loadedCount(), 0);
    EXPECT_EQ(MediaPlayer::kStoredVolume, 37);
    // 37 on the slider is well below full and above silence once mapped for the ear.
    EXPECT_GT(MediaPlayer::linearVolume(), 0.0F);
    EXPECT_LT(MediaPlayer::linearVolume(), 0.37F);
}

TEST_F(MediaPlayerTest, ChoosesABackendOnlyWhereOneIsNeededAndKeepsTheUsersChoice) {
    const QByteArray chosen = qgetenv(kMediaBackendVariable);
    qunsetenv(kMediaBackendVariable);
    selectMediaBackend();
#ifdef Q_OS_LINUX
    EXPECT_EQ(qgetenv(kMediaBackendVariable), QByteArray("ffmpeg"));
#else
    EXPECT_TRUE(qgetenv(kMediaBackendVariable).isEmpty()) << "Qt's own choice plays WMA here";
#endif
    qputenv(kMediaBackendVariable, "gstreamer");
    selectMediaBackend();
    EXPECT_EQ(qgetenv(kMediaBackendVariable), QByteArray("gstreamer")) << "a user's choice stays";
    qputenv(kMediaBackendVariable, "bogus");
    EXPECT_FALSE(isMediaBackendInstalled());
    qputenv(kMediaBackendVariable, chosen);
}

TEST_F(MediaPlayerTest, ResolvesPathsAndURLs) {
    // Absolute as the platform writes it: "/a" is "Z:/a" under Wine.
    const auto absolute = [](const QString &p) {
        return QUrl::fromLocalFile(QFileInfo(p).absoluteFilePath());
    };
    const QString path = shippedSound("correct.wma");
    EXPECT_EQ(MediaPlayer::resolve(path), absolute(path));
    EXPECT_EQ(MediaPlayer::resolve(QUrl::fromLocalFile(path).toString()), absolute(path));
    EXPECT_EQ(
        MediaPlayer::resolve(QStringLiteral("sounds/x.wma")),
        QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("sounds/x.wma"))));
    EXPECT_EQ(MediaPlayer::resolve(QStringLiteral("/a/b/../c.wma")),
              absolute(QStringLiteral("/a/c.wma")));
    EXPECT_EQ(MediaPlayer::resolve(QStringLiteral("qrc:/sounds/x.wma")),
              QUrl(QStringLiteral("qrc:/sounds/x.wma")));
    EXPECT_TRUE(MediaPlayer::resolve(QStringLiteral("  ")).isEmpty());
}

TEST_F(MediaPlayerTest, PcmSoundsPlayThroughSoundEffectsWithoutCodecOrBackend) {
    MediaPlayer player;
    player.prepare({shippedSound("correct.wma"), shippedSound("wrong.wma"),
                    shippedSound("complete.wma"), shippedSound("correct.wma"),
                    shippedSound("no-such-sound.wma")});
    EXPECT_EQ(player.loadedCount(), 3);
    ASSERT_TRUE(processEventsUntil([&] { return player.isReady(); }));
    for (const char *name : {"correct.wma", "wrong.wma", "complete.wma"})
        EXPECT_EQ(statusOf(player, shippedSound(name)), QSoundEffect::Ready) << name;
    EXPECT_TRUE(player.playingSources().isEmpty()) << "preloading must not play";

    player.setURL(shippedSound("wrong.wma"));
    player.setURL(shippedSound("correct.wma"));
    EXPECT_EQ(player.URL(), shippedSound("correct.wma"));
    EXPECT_EQ(player.playingSources(), expectedPlaying(shippedSound("correct.wma")));
    // The same sound twice in a row plays twice, on the same effect.
    processEventsFor(kPollMs);
    player.setURL(shippedSound("correct.wma"));
    EXPECT_EQ(player.playingSources(), expectedPlaying(shippedSound("correct.wma")));
    EXPECT_EQ(player.loadedCount(), 3);
    processEventsFor(kSettleMs);
    EXPECT_FALSE(player.usesBackend());
#ifdef Q_OS_LINUX
    EXPECT_FALSE(isMapped("libavcodec"));
    EXPECT_FALSE(isMapped("mediaplugin")) << "no Qt media backend plugin";
#endif
}

TEST_F(MediaPlayerTest, CorrectThenCompletePlaysComplete) {
    MediaPlayer player;
    player.prepare({shippedSound("correct.wma"), shippedSound("complete.wma")});
    ASSERT_TRUE(processEventsUntil([&] { return player.isReady(); }));
    player.setURL(shippedSound("correct.wma"));
    player.setURL(shippedSound("complete.wma"));
    EXPECT_EQ(player.activeSource(), QUrl::fromLocalFile(shippedSound("complete.wma")));
    EXPECT_EQ(player.playingSources(), expectedPlaying(shippedSound("complete.wma")));
    processEventsFor(kSettleMs);
    EXPECT_EQ(player.playingSources(), expectedPlaying(shippedSound("complete.wma")));
    player.setURL(QString());
    EXPECT_TRUE(player.playingSources().isEmpty());
}

TEST_F(MediaPlayerTest, PlaysBeforePrepareAndFromAFolderWithNonAsciiLetters) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Spiel für Süd")));
    const QString copy = dir.filePath(QStringLiteral("Spiel für Süd/correct.wma"));
    ASSERT_TRUE(QFile::copy(shippedSound("correct.wma"), copy));
    MediaPlayer player;
    player.setURL(copy); // no prepare(): loaded on the spot, played once loaded
    EXPECT_TRUE(player.isPrepared());
    EXPECT_EQ(player.activeSource(), QUrl::fromLocalFile(copy));
    ASSERT_TRUE(processEventsUntil([&] { return player.isReady(); }));
    EXPECT_EQ(player.effectFor(QUrl::fromLocalFile(copy))->status(), QSoundEffect::Ready);
}

TEST_F(MediaPlayerTest, BadFilesAreSilentAndLoadNoBackend) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&](const char *name, const QByteArray &bytes) {
        QFile file(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    QStringList bad = {dir.filePath(QStringLiteral("missing.wma")), dir.path(),
                       write("garbage.wma", QByteArray(4096, '\x5a')),
                       write("truncated.wma", QByteArray("RIFF\x24\0\0\0WA", 10))};
    {
        QFile huge(write("huge.wma", QByteArray("\x30\x26\xB2\x75\x8E\x66\xCF\x11", 8)));
        ASSERT_TRUE(huge.resize(64 * 1024 * 1024)); // sparse
        bad << huge.fileName();
    }
#ifdef Q_OS_UNIX
    const QString fifo = dir.filePath(QStringLiteral("fifo.wma"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = dir.filePath(QStringLiteral("zero.wma"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    bad << fifo << zero;
#endif
    MediaPlayer player;
    player.prepare(bad);
    EXPECT_EQ(player.loadedCount(), 0);
    player.setURL(shippedSound("complete.wma"));
    for (const QString &path : bad) {
        player.setURL(path); // returns at once: a FIFO is never waited on
        EXPECT_EQ(player.URL(), path);
        EXPECT_TRUE(player.activeSource().isEmpty()) << path.toStdString();
        EXPECT_TRUE(player.playingSources().isEmpty()) << "a bad file stops what played";
    }
    EXPECT_FALSE(player.usesBackend());
    // And a good sound still plays afterwards.
    player.setURL(shippedSound("correct.wma"));
    EXPECT_EQ(player.playingSources(), expectedPlaying(shippedSound("correct.wma")));
}

TEST_F(MediaPlayerTest, ARealWmaPlaysThroughTheBackendLoadedOnlyThen) {
    MediaPlayer player;
    player.prepare({realWma()});
    EXPECT_EQ(player.loadedCount(), 0);
    EXPECT_FALSE(player.usesBackend()) << "the backend loads on the first request, not before";
    player.setURL(realWma());
    EXPECT_TRUE(player.usesBackend());
    EXPECT_EQ(player.activeSource(), QUrl::fromLocalFile(realWma()));
    if (MediaPlayer::hasAudioDevice()) {
        EXPECT_TRUE(processEventsUntil([&] { return !player.playingSources().isEmpty(); }));
    }
    // A PCM sound then replaces it.
    player.setURL(shippedSound("correct.wma"));
    EXPECT_EQ(player.playingSources(), expectedPlaying(shippedSound("correct.wma")));
}

TEST_F(MediaPlayerTest, ABackendNamedButNotInstalledIsSilenceNotAnAbort) {
    qputenv(kMediaBackendVariable, "bogus");
    MediaPlayer player;
    player.setURL(realWma());
    processEventsFor(kSettleMs);
    EXPECT_TRUE(player.playingSources().isEmpty());
    // The PCM path does not depend on it.
    player.setURL(shippedSound("wrong.wma"));
    ASSERT_TRUE(processEventsUntil([&] { return player.isReady(); }));
    EXPECT_EQ(statusOf(player, shippedSound("wrong.wma")), QSoundEffect::Ready);
}

TEST_F(MediaPlayerTest, AChangeOfAudioOutputsRecreatesTheEffects) {
    MediaPlayer player;
    player.prepare({shippedSound("correct.wma")});
    ASSERT_TRUE(processEventsUntil([&] { return player.isReady(); }));
    const QUrl source = QUrl::fromLocalFile(shippedSound("correct.wma"));
    const QPointer<const QSoundEffect> before = player.effectFor(source);
    auto *devices = player.findChild<QMediaDevices *>();
    ASSERT_NE(devices, nullptr);
    emit devices->audioOutputsChanged();
    EXPECT_TRUE(before.isNull()) << "the effect made for the old output is gone";
    ASSERT_NE(player.effectFor(source), nullptr);
    EXPECT_EQ(player.loadedCount(), 1);
    ASSERT_TRUE(processEventsUntil([&] { return player.isReady(); }));
    EXPECT_EQ(player.effectFor(source)->status(), QSoundEffect::Ready);
    player.setURL(shippedSound("correct.wma"));
    EXPECT_EQ(player.playingSources(), expectedPlaying(shippedSound("correct.wma")));
}

TEST_F(MediaPlayerTest, EndingTheProgramWhileASoundPlaysStopsItsAudioCleanly) {
    // A lost X connection ends the program through exit(), with the player still alive.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            auto *player = new MediaPlayer; // never destroyed, as at exit()
            player->prepare({shippedSound("complete.wma")});
            processEventsUntil([&] { return player->isReady(); });
            player->setURL(shippedSound("complete.wma"));
            processEventsFor(kPollMs * 5);
            std::exit(3);
        },
        ::testing::ExitedWithCode(3), "");
}

} // namespace
} // namespace mapdata
