// The media player as the program gets it, from its plugin, played into the private null sink
// of tests/with-null-sink.sh and recorded from the sink's monitor: each case asserts what was
// heard, so a player that plays nothing fails.
#include "mapdata/media/mediabackend.h"
#include "mapdata/media/soundplugin.h"

#include "environment.h"
#include "shippedsound.h"
#include "sinkrecorder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QVariant>

#include <cstdlib>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace mapdata {
namespace {

// The shipped sounds' lengths as heard, whole (345, 410 and 1200 ms of sound, the last few
// ms below the recorder's threshold). Qt 6.4's QSoundEffect on PulseAudio stops about 105 ms
// before the end of its data; the files' tail of silence is what it cuts, and a sound heard
// that much shorter fails here.
constexpr int kCorrectMs = 340;
constexpr int kWrongMs = 405;
constexpr int kCompleteMs = 1195;
// How far a heard length may stray: the sink mixes in blocks, the recorder reads in chunks.
constexpr int kLengthToleranceMs = 60;
// Far more than starting a sound takes, even with the backend to load first.
constexpr int kHearTimeoutMs = 10000;
// Long enough that a sound that was going to start has started.
constexpr int kSilenceMs = 600;
constexpr int kPollMs = 10;

// A real WMA (wmav2 in ASF), as a user might put in place of a shipped sound.
QString realWma() {
    return QFileInfo(QStringLiteral(TESSALINE_MEDIA_TEST_DATA "/wrong-wmav2.wma"))
        .absoluteFilePath();
}

template <typename Done> bool processEventsUntil(Done done, int timeoutMs = kHearTimeoutMs) {
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
bool isMapped(const char *part) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(part);
}
#endif

// What the plugin's player tells about itself through Qt's properties.
QVariant propertyOf(PreparableSoundPlayer *player, const char *name) {
    return dynamic_cast<QObject *>(player)->property(name);
}

bool waitUntilReady(PreparableSoundPlayer *player) {
    return processEventsUntil([&] { return propertyOf(player, "ready").toBool(); });
}

class MediaPlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The program's backend choice, for this process's Qt Multimedia; put back at the end.
        s_backend = std::make_unique<RestoredEnvironmentVariable>(kMediaBackendVariable);
        selectMediaBackend();
    }
    static void TearDownTestSuite() { s_backend.reset(); }

    void SetUp() override {
#ifdef Q_OS_WIN
        if (SinkRecorder::testSink().isEmpty())
            GTEST_SKIP() << "no recorder of the sink here; tests/windows/run.sh listens instead";
#endif
        ASSERT_FALSE(SinkRecorder::testSink().isEmpty())
            << "needs a sink to play into: run through ctest (tests/with-null-sink.sh)";
        ASSERT_TRUE(m_recorder.start()) << "cannot record the sink's monitor";
        m_player = loadSoundPlayer(QStringLiteral(TESSALINE_MEDIA_PLUGIN));
        ASSERT_NE(m_player, nullptr);
    }

    // Asks for url and returns how long the sound was then heard.
    int playAndListen(const QString &url) {
        m_recorder.clear();
        m_player->setURL(url);
        return m_recorder.heardMs(kHearTimeoutMs);
    }

    static inline std::unique_ptr<RestoredEnvironmentVariable> s_backend;
    SinkRecorder m_recorder;
    std::unique_ptr<PreparableSoundPlayer> m_player;
};

TEST_F(MediaPlayerTest, PcmSoundsAreHeardWithoutCodecOrBackend) {
    m_player->prepare({shippedSound("correct.wma"), shippedSound("wrong.wma"),
                       shippedSound("complete.wma"), shippedSound("correct.wma"),
                       shippedSound("no-such-sound.wma")});
    EXPECT_EQ(propertyOf(m_player.get(), "loadedCount").toInt(), 3);
    ASSERT_TRUE(waitUntilReady(m_player.get()));
    m_recorder.clear();
    EXPECT_FALSE(m_recorder.heardAnythingWithin(kSilenceMs)) << "preloading must not play";

    EXPECT_NEAR(playAndListen(shippedSound("wrong.wma")), kWrongMs, kLengthToleranceMs);
    EXPECT_NEAR(playAndListen(shippedSound("complete.wma")), kCompleteMs, kLengthToleranceMs);
    EXPECT_NEAR(playAndListen(shippedSound("correct.wma")), kCorrectMs, kLengthToleranceMs);
    EXPECT_EQ(m_player->URL(), shippedSound("correct.wma"));

    // The same sound again while it plays starts it again from the beginning.
    constexpr int kAgainAfterMs = 150;
    m_recorder.clear();
    m_player->setURL(shippedSound("correct.wma"));
    ASSERT_TRUE(m_recorder.waitForSound(kHearTimeoutMs));
    processEventsFor(kAgainAfterMs);
    m_player->setURL(shippedSound("correct.wma"));
    EXPECT_GT(m_recorder.heardMs(kHearTimeoutMs), kCorrectMs + kAgainAfterMs / 2);

    EXPECT_FALSE(propertyOf(m_player.get(), "usesBackend").toBool());
#ifdef Q_OS_LINUX
    EXPECT_FALSE(isMapped("libavcodec"));
    EXPECT_FALSE(isMapped("mediaplugin")) << "no Qt media backend plugin";
#endif
}

TEST_F(MediaPlayerTest, ALaterRequestReplacesTheSoundPlaying) {
    m_player->prepare({shippedSound("correct.wma"), shippedSound("complete.wma")});
    ASSERT_TRUE(waitUntilReady(m_player.get()));
    // The last drop of a game asks for correct, then at once for complete: complete is heard.
    m_recorder.clear();
    m_player->setURL(shippedSound("correct.wma"));
    m_player->setURL(shippedSound("complete.wma"));
    EXPECT_NEAR(m_recorder.heardMs(kHearTimeoutMs), kCompleteMs, kLengthToleranceMs);

    // An empty request stops the sound.
    constexpr int kStopAfterMs = 200;
    m_recorder.clear();
    m_player->setURL(shippedSound("complete.wma"));
    ASSERT_TRUE(m_recorder.waitForSound(kHearTimeoutMs));
    processEventsFor(kStopAfterMs);
    m_player->setURL(QString());
    EXPECT_LT(m_recorder.heardMs(kHearTimeoutMs), kCompleteMs / 2);
}

TEST_F(MediaPlayerTest, PlaysBeforePrepareFromAFolderWithNonAsciiLettersAndAsAFileUrl) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Spiel für Süd")));
    const QString copy = dir.filePath(QStringLiteral("Spiel für Süd/wrong.wma"));
    ASSERT_TRUE(QFile::copy(shippedSound("wrong.wma"), copy));
    // No prepare(): loaded on the spot, played once loaded.
    EXPECT_NEAR(playAndListen(copy), kWrongMs, kLengthToleranceMs);
    EXPECT_NEAR(playAndListen(QUrl::fromLocalFile(shippedSound("correct.wma")).toString()),
                kCorrectMs, kLengthToleranceMs);
}

TEST_F(MediaPlayerTest, BadFilesAreSilentStopWhatPlaysAndLoadNoBackend) {
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
    m_player->prepare(bad);
    EXPECT_EQ(propertyOf(m_player.get(), "loadedCount").toInt(), 0);
    for (const QString &path : bad) {
        m_player->setURL(shippedSound("complete.wma"));
        ASSERT_TRUE(m_recorder.waitForSound(kHearTimeoutMs)) << path.toStdString();
        m_player->setURL(path); // returns at once: a FIFO is never waited on
        EXPECT_EQ(m_player->URL(), path);
        // What is heard from now on: the rest of the sound a bad file stopped, then nothing.
        m_recorder.clear();
        EXPECT_LT(m_recorder.heardMs(kSilenceMs), kCompleteMs / 2) << path.toStdString();
    }
    EXPECT_FALSE(propertyOf(m_player.get(), "usesBackend").toBool());
    // And a good sound is still heard afterwards.
    EXPECT_NEAR(playAndListen(shippedSound("correct.wma")), kCorrectMs, kLengthToleranceMs);
}

TEST_F(MediaPlayerTest, ARealWmaIsHeardThroughTheBackendLoadedOnlyThen) {
    m_player->prepare({realWma()});
    EXPECT_EQ(propertyOf(m_player.get(), "loadedCount").toInt(), 0);
    EXPECT_FALSE(propertyOf(m_player.get(), "usesBackend").toBool())
        << "the backend loads on the first request, not before";
    m_recorder.clear();
    m_player->setURL(realWma());
    EXPECT_TRUE(propertyOf(m_player.get(), "usesBackend").toBool());
    EXPECT_TRUE(m_recorder.waitForSound(kHearTimeoutMs)) << "the WMA is heard";
#ifdef Q_OS_LINUX
    EXPECT_TRUE(isMapped("ffmpegmediaplugin"));
#endif
    // A PCM sound then replaces it; the backend's sound may take a moment to stop.
    EXPECT_GE(playAndListen(shippedSound("correct.wma")), kCorrectMs - kLengthToleranceMs);
}

TEST_F(MediaPlayerTest, ABackendNamedButNotInstalledIsSilenceNotAnAbort) {
    RestoredEnvironmentVariable bogus(kMediaBackendVariable, "bogus");
    m_recorder.clear();
    m_player->setURL(realWma());
    EXPECT_FALSE(m_recorder.heardAnythingWithin(kSilenceMs));
    // The PCM path does not depend on it.
    EXPECT_NEAR(playAndListen(shippedSound("wrong.wma")), kWrongMs, kLengthToleranceMs);
}

TEST_F(MediaPlayerTest, EndingTheProgramWhileASoundPlaysStopsItsAudioCleanly) {
    // A lost X connection ends the program through exit(), with the player still alive.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            PreparableSoundPlayer *player = m_player.release(); // never destroyed, as at exit()
            player->prepare({shippedSound("complete.wma")});
            waitUntilReady(player);
            player->setURL(shippedSound("complete.wma"));
            processEventsFor(kPollMs * 5);
            std::exit(3);
        },
        ::testing::ExitedWithCode(3), "");
}

#ifdef Q_OS_LINUX
// Runs pactl against the test's sound server; whether it succeeded.
bool pactl(const QStringList &arguments, QByteArray *output = nullptr) {
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    const bool ok = process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
                    process.exitCode() == 0;
    if (output != nullptr)
        *output = process.readAllStandardOutput().trimmed();
    return ok;
}

// Last: it unplugs the test's own sink, and plugs it in again at the end. Qt 6.4 gave no word
// of the change here, and a play() to the output that was gone waited for ever.
TEST_F(MediaPlayerTest, TheSoundsFollowTheAudioOutputWhenTheirsGoes) {
    m_player->prepare({shippedSound("correct.wma")});
    ASSERT_TRUE(waitUntilReady(m_player.get()));
    EXPECT_NEAR(playAndListen(shippedSound("correct.wma")), kCorrectMs, kLengthToleranceMs);

    // A headset is plugged in, then the output the sounds were made for is unplugged.
    const QString sink = SinkRecorder::testSink();
    const QString headset = sink + QStringLiteral("_headset");
    const QString nullSink = QStringLiteral("module-null-sink");
    QByteArray modules;
    ASSERT_TRUE(pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")},
                      &modules));
    QString sinkModule;
    for (const QByteArray &line : modules.split('\n')) {
        if (line.contains(QStringLiteral("sink_name=%1 ").arg(sink).toUtf8()))
            sinkModule = QString::fromLatin1(line.split('\t').constFirst());
    }
    ASSERT_FALSE(sinkModule.isEmpty());
    QByteArray headsetModule;
    ASSERT_TRUE(
        pactl({QStringLiteral("load-module"), nullSink, QStringLiteral("sink_name=") + headset},
              &headsetModule));
    SinkRecorder onHeadset(headset);
    ASSERT_TRUE(onHeadset.start());
    ASSERT_TRUE(pactl({QStringLiteral("unload-module"), sinkModule}));
    processEventsFor(kSilenceMs);
    onHeadset.clear();
    m_player->setURL(shippedSound("correct.wma"));
    EXPECT_NEAR(onHeadset.heardMs(kHearTimeoutMs), kCorrectMs, kLengthToleranceMs)
        << "played on the output that is left";

    // The test's own sink back, for whatever runs after.
    pactl({QStringLiteral("load-module"), nullSink, QStringLiteral("sink_name=") + sink,
           QStringLiteral("rate=44100"), QStringLiteral("channels=2")});
    pactl({QStringLiteral("set-default-sink"), sink});
    pactl({QStringLiteral("unload-module"), QString::fromLatin1(headsetModule)});
}
#endif

} // namespace
} // namespace mapdata
