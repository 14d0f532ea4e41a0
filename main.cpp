#include "mapdata/media/mediabackend.h"
#include "quiz/form1.h"
#include "quiz/quizwindow.h"
#include "shell/bundledfonts.h"
#include "shell/fontwarmup.h"
#include "shell/qtservices.h"
#include "shell/translations.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>

// The one place where the program's real services are made and handed to the quiz window.
int main(int argc, char *argv[]) {
    // The media backend is chosen before the application object exists.
    mapdata::selectMediaBackend();
    shell::FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    shell::addBundledFonts();
    // Before any window text is made: the window's language, the desktop's or --lang's.
    shell::installTranslations(app, shell::languageOption(QCoreApplication::arguments()));
    fonts.wait();
    quiz::QuizWindow window;
    shell::QtServices qt(window.widget());
    quiz::Form1 form1(window.design(),
                      {qt.appFolder, qt.messageBoxes, qt.player, qt.files, qt.clock, qt.random,
                       qt.launcher, qt.skin, qt.cursors, qt.policy});
    window.connectHandlers(form1);
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
    qt.prepareSoundsAfterFirstFrame();
#ifdef Q_OS_WASM
    // In a page, a message box can wait for OK only inside the running event loop: one shown
    // before it (a missing items.txt) leaves an uncaught error when the page's loop starts. The
    // page's event loop never returns, and with it neither does main(), so the locals live on.
    QTimer::singleShot(0, &app, [&window, &form1] {
        if (!quiz::loadAndShow(window, form1))
            QCoreApplication::quit();
    });
#else
    if (!quiz::loadAndShow(window, form1))
        return 0;
#endif
    app.exec();
    return 0;
}
