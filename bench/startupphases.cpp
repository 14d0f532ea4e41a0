// Where the start-up time goes: the program's own start-up, step by step, with the time
// since process start (from /proc) at each step. Run it in an X server.
#include "mapdata/media/mediabackend.h"
#include "quiz/form1.h"
#include "quiz/quizwindow.h"
#include "shell/qtservices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// Milliseconds since the kernel started this process.
double msSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1.0;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int kStartTimeField = 19; // field 22 of the whole line
    const double startTicks = fields.value(kStartTimeField).toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double ticksPerSecond = double(sysconf(_SC_CLK_TCK));
    return (double(now.tv_sec) + double(now.tv_nsec) / 1e9 - startTicks / ticksPerSecond) * 1e3;
}

// Resident memory now, in MiB.
double residentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1.0;
}

void mark(const char *what) {
    std::printf("%8.1f ms %6.1f MiB  %s\n", msSinceProcessStart(), residentMiB(), what);
}

constexpr int kPlayerSettleMs = 1500;

} // namespace

int main(int argc, char *argv[]) {
    mark("main entered (dynamic linking done)");
    mapdata::selectMediaBackend();
    QApplication app(argc, argv);
    mark("QApplication built");
    quiz::QuizWindow window;
    shell::QtServices qt(window.widget());
    quiz::Form1 form1(window.design(),
                      {qt.appFolder, qt.messageBoxes, qt.player, qt.files, qt.clock, qt.random,
                       qt.launcher, qt.skin, qt.cursors, qt.policy});
    window.connectHandlers(form1);
    mark("QuizWindow built");
    QObject::connect(&window.widget(), &mapdata::FormWidget::firstFramePainted, &app, [&app] {
        mark("first frame painted");
        QTimer::singleShot(0, &app, [] { mark("after the first frame's flush"); });
        // The program builds its sound player now; give it time to load the sounds.
        QTimer::singleShot(kPlayerSettleMs, &app, [&app] {
            mark("player settled");
            app.quit();
        });
    });
    qt.prepareSoundsAfterFirstFrame();
    quiz::loadAndShow(window, form1);
    mark("loaded and shown");
    return app.exec();
}
