#include "quiz/quizwindow.h"

#include "quiz/form1.h"

#include "mapdata/toolkit/accessibility.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace quiz {

using namespace mapdata;

QuizWindow::QuizWindow() {
    // Before any of the window's widgets is made: the window reads as a frame, the focus spots
    // and the instruction line with their own roles and names.
    installAccessibility();
    m_widget = std::make_unique<FormWidget>(m_design.form);
    FormWidget &w = *m_widget;
    w.setFont(toQFont({QString::fromLatin1(kWindowFontFamily), kWindowFontPoints, true}));

    // Text1 comes first in the tab order, so it takes the focus; it lies beyond the
    // right edge where nobody sees it, and a screen reader reads the instruction line there.
    m_text1 = new FocusSink(QStringLiteral("Text1"), &w, m_design.Label2);
    w.placeChild(m_text1, QStringLiteral("Text1"), kText1Rect);
    const FontSpec buttonFont{QString::fromLatin1(kWindowFontFamily), kButtonFontPoints, true};
    m_pushButton1 = new PushButton(&w);
    //: The button that deals every name back to the pool for a new game; a short word.
    m_pushButton1->setCaption(QCoreApplication::translate("QuizWindow", "Restart"));
    m_pushButton2 = new PushButton(&w);
    //: The button that ends the program; a short word.
    m_pushButton2->setCaption(QCoreApplication::translate("QuizWindow", "Exit"));
    for (PushButton *button : {m_pushButton1, m_pushButton2}) {
        button->setFontSpec(buttonFont);
        button->setColors(kColorWhite, kColorButtonText);
    }
    w.placeChild(m_pushButton1, QStringLiteral("PushButton1"), kPushButton1Rect);
    w.placeChild(m_pushButton2, QStringLiteral("PushButton2"), kPushButton2Rect);
    QWidget::setTabOrder(m_text1, m_pushButton1);
    QWidget::setTabOrder(m_pushButton1, m_pushButton2);
    // The pool names follow the buttons in the tab order.
    m_keyboard = std::make_unique<KeyboardPlay>(w, m_design, *m_pushButton1, *m_pushButton2);
}

void QuizWindow::connectHandlers(Form1 &form1) {
    Form1 *handlers = &form1;
    FormWidget *w = m_widget.get();
    QObject::connect(m_pushButton1, &QPushButton::clicked, w,
                     [handlers] { handlers->PushButton1_Click(); });
    QObject::connect(m_pushButton2, &QPushButton::clicked, w,
                     [handlers] { handlers->PushButton2_Click(); });
    QObject::connect(m_pushButton1, &PushButton::mouseMoved, w,
                     [handlers] { handlers->PushButton1_MouseMove(); });
    QObject::connect(m_pushButton2, &PushButton::mouseMoved, w,
                     [handlers] { handlers->PushButton2_MouseMove(); });
    m_keyboard->connect(form1);
}

void QuizWindow::show() {
    FormWidget &w = *m_widget;
#ifdef Q_OS_WASM
    // In a web page the window is the page's picture: the page makes its canvas the window's
    // size and names the page after it, so the window draws no frame of its own.
    w.setWindowFlag(Qt::FramelessWindowHint);
#endif
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        w.move(available.center() - QPoint(w.width() / 2, w.height() / 2));
    }
    w.show();
    m_text1->setFocus(Qt::OtherFocusReason);
}

bool loadAndShow(QuizWindow &window, Form1 &form1) {
    form1.Form_Load();
    if (window.design().form.isUnloaded())
        return false;
    window.show();
    return true;
}

} // namespace quiz
