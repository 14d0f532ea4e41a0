#pragma once

#include "mapdata/design/quizwindowdesign.h"
#include "mapdata/toolkit/formwidget.h"
#include "mapdata/toolkit/pushbutton.h"
#include "quiz/keyboardplay.h"

#include <QLineEdit>

#include <memory>

namespace quiz {

class Form1;

// The quiz window as the user sees it: the design, the painted form and its windowed
// controls. The handlers and the services they use are made by the caller.
class QuizWindow {
public:
    QuizWindow();
    QuizWindow(const QuizWindow &) = delete;
    QuizWindow &operator=(const QuizWindow &) = delete;

    // Sends the windowed controls' events to the handlers.
    void connectHandlers(Form1 &form1);
    // Centres the window on the screen and shows it with the focus in its focus sink.
    void show();

    mapdata::FormWidget &widget() { return *m_widget; }
    mapdata::QuizWindowDesign &design() { return m_design; }
    mapdata::PushButton &PushButton1() { return *m_pushButton1; }
    mapdata::PushButton &PushButton2() { return *m_pushButton2; }
    QLineEdit &Text1() { return *m_text1; }

private:
    mapdata::QuizWindowDesign m_design;
    std::unique_ptr<mapdata::FormWidget> m_widget;
    mapdata::PushButton *m_pushButton1 = nullptr;
    mapdata::PushButton *m_pushButton2 = nullptr;
    QLineEdit *m_text1 = nullptr;
    std::unique_ptr<KeyboardPlay> m_keyboard;
};

// The start-up window's launch: the load handler, then the window, unless the load closed it.
// False when the load closed the window.
bool loadAndShow(QuizWindow &window, Form1 &form1);

} // namespace quiz
