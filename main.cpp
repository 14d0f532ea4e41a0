#include "mapdata/media/mediabackend.h"
#include "quiz/form1.h"
#include "quiz/quizwindow.h"
#include "shell/bundledfonts.h"
#include "shell/fontwarmup.h"
#include "shell/qtservices.h"
#include "shell/translations.h"

#include <QApplication>

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
    if (!quiz::loadAndShow(window, form1))
        return 0;
    app.exec();
    return 0;
}
