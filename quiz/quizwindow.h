#pragma once

#include "mapdata/design/quizwindowdesign.h"
#include "mapdata/media/soundplayer.h"
#include "mapdata/toolkit/formwidget.h"
#include "mapdata/toolkit/messagebox.h"
#include "mapdata/toolkit/pushbutton.h"
#include "quiz/form1.h"

#include <QLineEdit>

#include <memory>

namespace quiz {

// The quiz window as the user sees it: the painted form, its windowed controls and
// the handlers wired to their events. Services left unset in the given set are the
// platform's own.
class QuizWindow {
public:
    explicit QuizWindow(Form1Services services);
    ~QuizWindow();
    QuizWindow(const QuizWindow &) = delete;
    QuizWindow &operator=(const QuizWindow &) = delete;

    // Runs the load handler, then shows the window with the focus in its focus sink.
    void loadAndShow();
    void load();

    mapdata::FormWidget &widget() { return *m_widget; }
    Form1 &form1() { return *m_form1; }
    mapdata::QuizWindowDesign &design() { return m_design; }
    mapdata::PushButton &PushButton1() { return *m_pushButton1; }
    mapdata::PushButton &PushButton2() { return *m_pushButton2; }
    QLineEdit &Text1() { return *m_text1; }
    // The platform media player, when the caller did not supply one.
    mapdata::PreparableSoundPlayer *mediaPlayer() { return m_ownPlayer.get(); }

private:
    Form1Services completeServices(Form1Services services);

    mapdata::QuizWindowDesign m_design;
    QString m_appFolder;
    std::unique_ptr<mapdata::FormWidget> m_widget;
    mapdata::PushButton *m_pushButton1 = nullptr;
    mapdata::PushButton *m_pushButton2 = nullptr;
    QLineEdit *m_text1 = nullptr;

    std::unique_ptr<mapdata::QtMessageBoxes> m_ownBoxes;
    std::unique_ptr<mapdata::PreparableSoundPlayer> m_ownPlayer;
    std::unique_ptr<shell::FileSystem> m_ownFiles;
    std::unique_ptr<shell::Clock> m_ownClock;
    std::unique_ptr<shell::RandomSource> m_ownRandom;
    std::unique_ptr<shell::Launcher> m_ownLauncher;
    std::unique_ptr<shell::DispatchObject> m_ownSkin;
    std::unique_ptr<Form1> m_form1;
};

} // namespace quiz
