#include "mapdata/media/mediabackend.h"
#include "quiz/quizwindow.h"

#include <QApplication>

#include <chrono>
#include <cstdio>

int main(int argc, char *argv[]) {
    // The media backend is chosen before the application object exists.
    mapdata::selectMediaBackend();
    QApplication app(argc, argv);
    quiz::QuizWindow window{quiz::Form1Services{}};
    // Opt-in for bench/startup.sh: prints when the first frame is painted, on the clock that
    // the script read when it started the process. Changes nothing else.
    if (qEnvironmentVariableIsSet("TESSALINE_REPORT_FIRST_FRAME"))
        QObject::connect(&window.widget(), &mapdata::FormWidget::firstFramePainted, [] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("first-frame-ns %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
        });
    window.loadAndShow();
    if (window.design().form.isUnloaded())
        return 0;
    app.exec();
    return 0;
}
