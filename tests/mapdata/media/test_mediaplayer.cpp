#include "mapdata/media/mediaplayer.h"

#include "mediaapplication.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <ostream>

QT_BEGIN_NAMESPACE
// Readable failure messages.
inline void PrintTo(const QUrl &url, std::ostream *os) {
    *os << url.toString().toStdString();
}
QT_END_NAMESPACE

namespace mapdata {
namespace {

// Long enough for the backend to open (or fail to open) a sound file.
constexpr int kSettleMs = 300;
// Far more than prepare() takes to load the backend and the sounds (~0.1 s).
constexpr int kReadyTimeoutMs = 10000;
constexpr int kPollMs = 10;

QString sound(const char *name) {
    return QDir::cleanPath(QStringLiteral(TESSALINE_ASSETS_DIR "/sounds/") + QLatin1String(name));
}

// What should be heard playing after url was assigned: nothing on a machine without audio.
QList<QUrl> expectedPlaying(const QString &url) {
    if (!MediaPlayer::hasAudioDevice())
        return {};
    return {QUrl::fromLocalFile(url)};
}

void processEventsFor(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, kPollMs);
}

bool waitUntilReady(const MediaPlayer &player) {
    QElapsedTimer timer;
    timer.start();
    while (!player.isReady() && timer.elapsed() < kReadyTimeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, kPollMs);
    return player.isReady();
}

class MediaPlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureMediaApplication(); }
};

TEST_F(MediaPlayerTest, StartsWithTheControlsStoredSettingsAndBuildsNothing) {
    MediaPlayer player;
    const MediaPlayerSettings &s = player.settings();
    EXPECT_TRUE(player.URL().isEmpty());
    EXPECT_TRUE(s.autoStart);
    EXPECT_EQ(s.playCount, 1);
    EXPECT_DOUBLE_EQ(s.rate, 1.0);
    EXPECT_EQ(s.balance, 0);
    EXPECT_EQ(s.volume, 37);
    EXPECT_FALSE(s.mute);
    EXPECT_EQ(s.uiMode, QStringLiteral("full"));
    // Constructing must stay cheap: nothing from Qt Multimedia until prepare() or setURL().
    EXPECT_FALSE(player.isPrepared());
    EXPECT_EQ(player.loadedCount(), 0);
}

TEST_F(MediaPlayerTest, SelectsFfmpegBackendOnlyWhenNoneChosen) {
    const QByteArray chosen = qgetenv("QT_MEDIA_BACKEND");
    qunsetenv("QT_MEDIA_BACKEND");
    selectMediaBackend();
    EXPECT_EQ(qgetenv("QT_MEDIA_BACKEND"), QByteArray(kMediaBackend));
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
    selectMediaBackend();
    EXPECT_EQ(qgetenv("QT_MEDIA_BACKEND"), QByteArray("gstreamer")) << "a user's choice stays";
    qputenv("QT_MEDIA_BACKEND", chosen);
}

TEST_F(MediaPlayerTest, ResolvesPathsAndURLs) {
    const QString path = sound("correct.wma");
    EXPECT_EQ(MediaPlayer::resolve(path), QUrl::fromLocalFile(path));
    EXPECT_EQ(MediaPlayer::resolve(QUrl::fromLocalFile(path).toString()),
              QUrl::fromLocalFile(path));
    EXPECT_EQ(
        MediaPlayer::resolve(QStringLiteral("sounds/x.wma")),
        QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("sounds/x.wma"))));
    EXPECT_EQ(MediaPlayer::resolve(QStringLiteral("/a/b/../c.wma")),
              QUrl::fromLocalFile(QStringLiteral("/a/c.wma")));
    EXPECT_EQ(MediaPlayer::resolve(QStringLiteral("qrc:/sounds/x.wma")),
              QUrl(QStringLiteral("qrc:/sounds/x.wma")));
    EXPECT_TRUE(MediaPlayer::resolve(QStringLiteral("  ")).isEmpty());
}

TEST_F(MediaPlayerTest, PrepareLoadsEachDistinctSoundOnceWithoutBlocking) {
    MediaPlayer player;
    player.prepare({sound("correct.wma"), sound("wrong.wma"), sound("correct.wma"),
                    sound("no-such-sound.wma")});
    EXPECT_TRUE(player.isPrepared());
    ASSERT_TRUE(waitUntilReady(player));
    EXPECT_EQ(player.loadedCount(), 2);
    EXPECT_TRUE(player.playingSources().isEmpty()) << "preloading must not play";
    player.prepare({sound("complete.wma"), sound("wrong.wma")});
    ASSERT_TRUE(waitUntilReady(player));
    EXPECT_EQ(player.loadedCount(), 3);
}

TEST_F(MediaPlayerTest, PlaysWhilePrepareIsStillLoading) {
    MediaPlayer player;
    player.prepare({sound("complete.wma"), sound("correct.wma")});
    player.setURL(sound("correct.wma")); // before the event loop had a chance to load anything
    EXPECT_EQ(player.activeSource(), QUrl::fromLocalFile(sound("correct.wma")));
    ASSERT_TRUE(waitUntilReady(player));
    EXPECT_EQ(player.loadedCount(), 2) << "the sound played early must not be loaded twice";
}

TEST_F(MediaPlayerTest, AssigningURLRecordsItAndPlaysAtOnce) {
    MediaPlayer player;
    const QString url = sound("correct.wma");
    player.setURL(url);
    EXPECT_EQ(player.URL(), url);
    EXPECT_TRUE(player.isPrepared()) << "setURL must prepare on demand";
    EXPECT_EQ(player.activeSource(), QUrl::fromLocalFile(url));
    EXPECT_EQ(player.playingSources(), expectedPlaying(url));
    processEventsFor(kSettleMs);

    // The same sound again plays again, on the same loaded player.
    player.setURL(url);
    EXPECT_EQ(player.loadedCount(), 1);
    EXPECT_EQ(player.playingSources(), expectedPlaying(url));

    player.setURL(QString());
    EXPECT_TRUE(player.URL().isEmpty());
    EXPECT_TRUE(player.playingSources().isEmpty());
}

TEST_F(MediaPlayerTest, ALaterAssignmentReplacesTheSoundPlaying) {
    MediaPlayer player;
    player.prepare({sound("complete.wma"), sound("wrong.wma")});
    player.setURL(sound("complete.wma"));
    processEventsFor(kPollMs);
    player.setURL(sound("wrong.wma"));
    EXPECT_EQ(player.URL(), sound("wrong.wma"));
    EXPECT_EQ(player.activeSource(), QUrl::fromLocalFile(sound("wrong.wma")));
    EXPECT_EQ(player.playingSources(), expectedPlaying(sound("wrong.wma")));
    processEventsFor(kSettleMs);
    EXPECT_FALSE(player.playingSources().contains(QUrl::fromLocalFile(sound("complete.wma"))));
}

TEST_F(MediaPlayerTest, MissingOrUnreadableFilesAreSilent) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString garbage = dir.filePath(QStringLiteral("garbage.wma"));
    {
        QFile file(garbage);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '\x5a'));
    }
    MediaPlayer player;
    player.setURL(sound("complete.wma"));

    // A missing file stops what played and plays nothing, without throwing.
    const QString missing = dir.filePath(QStringLiteral("missing.wma"));
    EXPECT_NO_THROW(player.setURL(missing));
    EXPECT_EQ(player.URL(), missing);
    EXPECT_TRUE(player.activeSource().isEmpty());
    EXPECT_TRUE(player.playingSources().isEmpty());

    EXPECT_NO_THROW(player.setURL(dir.path())); // a folder is no sound either
    EXPECT_TRUE(player.playingSources().isEmpty());

    // A file that is not audio fails inside the backend; that too passes quietly, twice.
    EXPECT_NO_THROW(player.setURL(garbage));
    processEventsFor(kSettleMs);
    EXPECT_NO_THROW(player.setURL(garbage));
    processEventsFor(kSettleMs);
    EXPECT_EQ(player.URL(), garbage);

    // And a good sound still plays afterwards.
    player.setURL(sound("correct.wma"));
    EXPECT_EQ(player.activeSource(), QUrl::fromLocalFile(sound("correct.wma")));
    EXPECT_EQ(player.playingSources(), expectedPlaying(sound("correct.wma")));
}

TEST_F(MediaPlayerTest, KeepsABoundedNumberOfSoundsLoaded) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    MediaPlayer player;
    const int copies = MediaPlayer::kMaxLoadedSounds + 2;
    for (int i = 0; i < copies; ++i) {
        const QString copy = dir.filePath(QStringLiteral("s%1.wma").arg(i));
        ASSERT_TRUE(QFile::copy(sound("correct.wma"), copy));
        player.setURL(copy);
    }
    EXPECT_EQ(player.loadedCount(), MediaPlayer::kMaxLoadedSounds);
    EXPECT_EQ(player.playingSources().size(), MediaPlayer::hasAudioDevice() ? 1 : 0);
    EXPECT_EQ(player.activeSource(),
              QUrl::fromLocalFile(dir.filePath(QStringLiteral("s%1.wma").arg(copies - 1))));
}

} // namespace
} // namespace mapdata
