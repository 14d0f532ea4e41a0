#include "mapdata/media/mediaplayer.h"
#include "quiz/quizwindow.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    // The media backend is chosen before the application object exists.
    mapdata::selectMediaBackend();
    QApplication app(argc, argv);
    quiz::QuizWindow window{quiz::Form1Services{}};
    window.loadAndShow();
    if (window.design().form.isUnloaded())
        return 0;
    app.exec();
    return 0;
}
