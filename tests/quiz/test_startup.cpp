// The start-up steps of the load handler that the shell provides: skin, pointer, identity
// and the start-up draw, first with recording fakes, then with the real components.
#include "quiz/boardfixture.h"
#include "quiz/quizwindow.h"
#include "shell/qtplatform.h"
#include "shell/skinframework.h"
#include "shell/version.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {
constexpr float kDrawOfSeven = 0.065f;
} // namespace

TEST_F(Board, LoadGivesTheWindowItsCaptionIconAndTheApplicationItsIdentity) {
    load();
    EXPECT_EQ(design.form.caption(), QStringLiteral("Tessaline"));
    EXPECT_FALSE(design.form.icon().isNull());
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Tessaline"));
    EXPECT_EQ(QCoreApplication::applicationVersion(), QString::fromLatin1(shell::kVersionText));
    EXPECT_EQ(QCoreApplication::organizationName(), QStringLiteral("Quelmark"));
}

TEST_F(Board, LauncherThatCannotStartIsReportedAt110AndTheBoardIsStillBuilt) {
    random.value = kDrawOfSeven;
    launcher.succeeds = false;
    load();
    EXPECT_EQ(boxes.errorLines(), std::vector<int>{110});
    EXPECT_EQ(design.form.backColor(), mapdata::kColorWhite);
    EXPECT_EQ(design.labels(0).caption(), QStringLiteral("Argentina"));
    EXPECT_EQ(visiblePoolLabels(), 28);
}

// The quiz window with its real skin component, cursor reader and file system, in a folder
// laid out as the installed program's.
class StartUpFolder : public ::testing::Test {
protected:
    StartUpFolder() {
        copy(QStringLiteral("items.txt"));
        copy(QStringLiteral("HAND-M.CUR"));
        copy(QStringLiteral("x/o.cjs"));
        random.value = 0.5f;
    }
    void copy(const QString &name) {
        QDir().mkpath(QFileInfo(dir.filePath(name)).path());
        QFile::copy(QStringLiteral(TESSALINE_ASSETS_DIR "/") + name, dir.filePath(name));
    }
    void write(const QString &name, const QByteArray &bytes) {
        QFile::remove(dir.filePath(name));
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Made as main() makes it, with the real skin, cursor reader and file system.
    quiz::QuizWindow &window() {
        if (!m_window) {
            m_window = std::make_unique<quiz::QuizWindow>();
            m_skin = std::make_unique<shell::SkinFramework>(&m_window->widget(),
                                                            m_window->design().form.hWnd());
            m_form1 = std::make_unique<quiz::Form1>(
                m_window->design(),
                quiz::Form1Services{dir.path(), boxes, sounds, files, clock, random, launcher,
                                    *m_skin, cursors, policy});
            m_window->connectHandlers(*m_form1);
        }
        return *m_window;
    }
    quiz::Form1 &form1() {
        window();
        return *m_form1;
    }
    void load() { form1().Form_Load(); }

    QTemporaryDir dir;
    fakes::RecordingMessageBoxes boxes;
    fakes::RecordingSoundPlayer sounds;
    fakes::FakeClock clock;
    fakes::ScriptedRandom random;
    fakes::RecordingLauncher launcher;
    shell::QtFileSystem files;
    shell::CursorFileLoader cursors;
    fakes::FakeMachinePolicy policy;

private:
    std::unique_ptr<quiz::QuizWindow> m_window;
    std::unique_ptr<shell::SkinFramework> m_skin;
    std::unique_ptr<quiz::Form1> m_form1;
};

TEST_F(StartUpFolder, ShippedSkinStylesTheButtonsAndTheWindowIsPaintedWhite) {
    load();
    EXPECT_TRUE(boxes.calls.empty());
    EXPECT_FALSE(window().PushButton1().styleSheet().isEmpty());
    EXPECT_EQ(window().PushButton2().styleSheet(), window().PushButton1().styleSheet());
    EXPECT_TRUE(window().widget().styleSheet().isEmpty());
    const QImage painted = window().widget().grab().toImage();
    EXPECT_EQ(painted.pixel(0, 0), qRgb(255, 255, 255));
}

TEST_F(StartUpFolder, SkinOfRandomBytesIsReportedAt102AndTheWindowOpensUnskinned) {
    QByteArray noise(2048, '\0');
    QRandomGenerator generator(102);
    for (char &byte : noise)
        byte = char(generator.bounded(256));
    write(QStringLiteral("x/o.cjs"), noise);
    load();
    EXPECT_EQ(boxes.errorLines(), std::vector<int>{102});
    EXPECT_TRUE(window().PushButton1().styleSheet().isEmpty());
    EXPECT_EQ(window().design().form.backColor(), mapdata::kColorWhite);
    EXPECT_EQ(window().design().labels(0).caption(), QStringLiteral("Argentina"));
}

TEST_F(StartUpFolder, PointerSettingCustomShowsTheHandWithItsHotSpot) {
    load();
    form1().PushButton1_MouseMove();
    const QCursor cursor = window().widget().cursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(10, 1));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    form1().Form_MouseMove();
    EXPECT_NE(window().widget().cursor().shape(), Qt::BitmapCursor);
}

TEST_F(StartUpFolder, CursorFileThatIsNoCursorIsReportedAt106) {
    write(QStringLiteral("HAND-M.CUR"), "MZ not a cursor at all");
    load();
    EXPECT_EQ(boxes.errorLines(), std::vector<int>{106});
    EXPECT_TRUE(window().design().form.mouseIcon().isNull());
    EXPECT_EQ(window().design().form.caption(), QStringLiteral("Tessaline"));
}
