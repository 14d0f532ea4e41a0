#include "quiz/quizwindow.h"

#include "mapdata/media/windowsoundplayer.h"
#include "shell/cursorfile.h"
#include "shell/identity.h"
#include "shell/qtplatform.h"
#include "shell/skinframework.h"

#include <QGuiApplication>
#include <QScreen>

namespace quiz {

using namespace mapdata;

QuizWindow::QuizWindow(Form1Services services)
    : m_widget(std::make_unique<FormWidget>(m_design.form)) {
    FormWidget &w = *m_widget;
    QFont windowFont(QString::fromLatin1(kWindowFontFamily));
    windowFont.setPixelSize(pointsToPixels(kWindowFontPoints));
    windowFont.setBold(true);
    w.setFont(windowFont);

    // Text1 comes first in the tab order, so it takes the focus; it lies beyond the
    // right edge where nobody sees it.
    m_text1 = new QLineEdit(QStringLiteral("Text1"), &w);
    w.placeChild(m_text1, QStringLiteral("Text1"), kText1Rect);
    const FontSpec buttonFont{QString::fromLatin1(kWindowFontFamily), kButtonFontPoints, true};
    m_pushButton1 = new PushButton(&w);
    m_pushButton1->setCaption(QStringLiteral("Restart"));
    m_pushButton2 = new PushButton(&w);
    m_pushButton2->setCaption(QStringLiteral("Exit"));
    for (PushButton *button : {m_pushButton1, m_pushButton2}) {
        button->setFontSpec(buttonFont);
        button->setColors(kColorWhite, kColorButtonText);
    }
    w.placeChild(m_pushButton1, QStringLiteral("PushButton1"), kPushButton1Rect);
    w.placeChild(m_pushButton2, QStringLiteral("PushButton2"), kPushButton2Rect);
    QWidget::setTabOrder(m_text1, m_pushButton1);
    QWidget::setTabOrder(m_pushButton1, m_pushButton2);

    services = completeServices(std::move(services));
    m_appFolder = services.appFolder;
    m_form1 = std::make_unique<Form1>(m_design, services);
    Form1 *form1 = m_form1.get();
    QObject::connect(m_pushButton1, &QPushButton::clicked, &w,
                     [form1] { form1->PushButton1_Click(); });
    QObject::connect(m_pushButton2, &QPushButton::clicked, &w,
                     [form1] { form1->PushButton2_Click(); });
    QObject::connect(m_pushButton1, &PushButton::mouseMoved, &w,
                     [form1] { form1->PushButton1_MouseMove(); });
    QObject::connect(m_pushButton2, &PushButton::mouseMoved, &w,
                     [form1] { form1->PushButton2_MouseMove(); });
}

QuizWindow::~QuizWindow() {
    // The handlers refer to the window's parts; drop them before the parts go.
    m_design.form.setObserver(nullptr);
}

Form1Services QuizWindow::completeServices(Form1Services services) {
    if (services.appFolder.isEmpty())
        services.appFolder = QCoreApplication::applicationDirPath();
    if (!services.messageBoxes) {
        m_ownBoxes = std::make_unique<QtMessageBoxes>(m_widget.get());
        services.messageBoxes = m_ownBoxes.get();
    }
    if (!services.wmp1) {
        // The player's library lies beside the executable, wherever the program's files are.
        m_ownPlayer = createWindowSoundPlayer(QCoreApplication::applicationDirPath());
        services.wmp1 = m_ownPlayer.get();
    }
    if (!services.files) {
        m_ownFiles = std::make_unique<shell::QtFileSystem>();
        services.files = m_ownFiles.get();
    }
    if (!services.clock) {
        m_ownClock = std::make_unique<shell::QtClock>();
        services.clock = m_ownClock.get();
    }
    if (!services.random) {
        m_ownRandom = std::make_unique<shell::BasicRandom>();
        services.random = m_ownRandom.get();
    }
    if (!services.launcher) {
        m_ownLauncher = std::make_unique<shell::QtLauncher>();
        services.launcher = m_ownLauncher.get();
    }
    if (!services.SkinFramework1) {
        m_ownSkin = std::make_unique<shell::SkinFramework>(m_widget.get());
        services.SkinFramework1 = m_ownSkin.get();
    }
    if (!services.loadCursor)
        services.loadCursor = [](const QString &path) { return shell::readCursorFile(path); };
    if (!services.windowHandle) {
        FormWidget *w = m_widget.get();
        services.windowHandle = [w] { return std::int32_t(w->winId()); };
    }
    return services;
}

void QuizWindow::load() {
    m_form1->Form_Load();
}

void QuizWindow::loadAndShow() {
    load();
    if (m_design.form.isUnloaded())
        return;
    FormWidget &w = *m_widget;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        w.move(available.center() - QPoint(w.width() / 2, w.height() / 2));
    }
    // The player is built once the first frame is painted, so it never delays the window,
    // and is ready long before a name can be dropped. A zero timer is not enough: it fires
    // before the window server asks for the first paint.
    if (m_ownPlayer) {
        PreparableSoundPlayer *player = m_ownPlayer.get();
        const QString folder = m_appFolder;
        QObject::connect(
            &w, &FormWidget::firstFramePainted, &w,
            [player, folder] {
                player->prepare({folder + QLatin1String(shell::kCorrectSoundName),
                                 folder + QLatin1String(shell::kWrongSoundName),
                                 folder + QLatin1String(shell::kCompleteSoundName)});
            },
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    }
    w.show();
    m_text1->setFocus(Qt::OtherFocusReason);
}

} // namespace quiz
