// Drives the quiz's media player the way the quiz does and logs when each sound was asked for,
// so run.sh can set those times against a recording of what came out of the audio sink.
//
// Output, one line each on stdout, times in CLOCK_MONOTONIC nanoseconds:
//   start <ns>            the program began (before QCoreApplication)
//   preparing <ns>        prepare() called (absent with --no-prepare)
//   prepared <ns>         prepare() returned
//   ready <ns>            everything prepare() was given is loaded
//   stall <ns>            longest the event loop was kept busy between prepare() and the
//                         first request (a duration, not a time)
//   request <ns> <url>    just before setURL(url)
//   done <ns>
#include "mapdata/media/mediabackend.h"
#include "mapdata/media/soundplugin.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>

namespace {

qint64 monotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    constexpr qint64 kNsPerSecond = 1000000000;
    return static_cast<qint64>(ts.tv_sec) * kNsPerSecond + ts.tv_nsec;
}

void logLine(const char *what, const QString &detail = {}) {
    std::printf("%s %lld %s\n", what, static_cast<long long>(monotonicNs()), qPrintable(detail));
    std::fflush(stdout);
}

constexpr int kDefaultCount = 12;
constexpr int kDefaultIntervalMs = 700;
constexpr int kDefaultFirstDelayMs = 400;
constexpr int kTailMs = 1500; // lets the last sound finish before quitting

} // namespace

int main(int argc, char *argv[]) {
    logLine("start");
    mapdata::selectMediaBackend();
    QCoreApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Media player latency driver"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("sounds"),
                                 QStringLiteral("Files to play, taken in turn."),
                                 QStringLiteral("sound..."));
    const QCommandLineOption countOption(QStringLiteral("count"), QStringLiteral("Requests."),
                                         QStringLiteral("n"), QString::number(kDefaultCount));
    const QCommandLineOption intervalOption(
        QStringLiteral("interval"), QStringLiteral("Milliseconds between requests."),
        QStringLiteral("ms"), QString::number(kDefaultIntervalMs));
    const QCommandLineOption firstOption(
        QStringLiteral("first-delay"), QStringLiteral("Milliseconds from start to 1st request."),
        QStringLiteral("ms"), QString::number(kDefaultFirstDelayMs));
    const QCommandLineOption noPrepareOption(
        QStringLiteral("no-prepare"),
        QStringLiteral("Skip prepare(); the first setURL builds everything on demand."));
    const QCommandLineOption preloadOption(QStringLiteral("preload"),
                                           QStringLiteral("Also preload this file."),
                                           QStringLiteral("file"));
    parser.addOptions({countOption, intervalOption, firstOption, noPrepareOption, preloadOption});
    parser.process(app);
    const QStringList sounds = parser.positionalArguments();
    if (sounds.isEmpty())
        parser.showHelp(1);
    const int count = parser.value(countOption).toInt();
    const int intervalMs = parser.value(intervalOption).toInt();
    const int firstDelayMs = parser.value(firstOption).toInt();

    // The player from its plugin, as the program loads it.
    const std::unique_ptr<mapdata::PreparableSoundPlayer> loaded =
        mapdata::loadSoundPlayer(QStringLiteral(TESSALINE_MEDIA_PLUGIN));
    if (loaded == nullptr)
        return 1;
    mapdata::PreparableSoundPlayer &player = *loaded;
    QObject *playerObject = dynamic_cast<QObject *>(loaded.get());
    if (!parser.isSet(noPrepareOption)) {
        // As the program does: prepare on a zero-timer once the event loop runs.
        QTimer::singleShot(0, playerObject, [&] {
            logLine("preparing");
            player.prepare(sounds + parser.values(preloadOption));
            logLine("prepared");
        });
    }

    // Watches how long prepare() keeps the event loop (the GUI, in the program) busy.
    constexpr int kHeartbeatMs = 1;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    heartbeat.setInterval(kHeartbeatMs);
    qint64 lastBeat = monotonicNs();
    qint64 longestStall = 0;
    bool readyLogged = false;
    QObject::connect(&heartbeat, &QTimer::timeout, playerObject, [&] {
        const qint64 now = monotonicNs();
        longestStall = std::max(longestStall, now - lastBeat);
        lastBeat = now;
        if (!readyLogged && playerObject->property("ready").toBool()) {
            logLine("ready");
            readyLogged = true;
        }
    });
    heartbeat.start();

    int sent = 0;
    const auto request = [&] {
        if (heartbeat.isActive()) {
            heartbeat.stop();
            std::printf("stall %lld\n", static_cast<long long>(longestStall));
        }
        const QString &sound = sounds.at(sent % sounds.size());
        logLine("request", sound);
        player.setURL(sound);
        ++sent;
    };
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(intervalMs);
    QObject::connect(&ticker, &QTimer::timeout, playerObject, [&] {
        if (sent == count) {
            ticker.stop();
            QTimer::singleShot(kTailMs, &app, [] {
                logLine("done");
                QCoreApplication::quit();
            });
            return;
        }
        request();
    });
    QTimer::singleShot(firstDelayMs, Qt::PreciseTimer, playerObject, [&] {
        request();
        ticker.start();
    });
    return app.exec();
}
