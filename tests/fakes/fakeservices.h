#pragma once

#include "fakes/fakes.h"
#include "quiz/form1.h"
#include "quiz/quizwindow.h"
#include "shell/qtplatform.h"
#include "shell/startupdraw.h"

#include <QFile>

namespace fakes {

// Every service of the quiz window as a recording fake, with the shipped item
// list beside a pretend application folder.
struct FakeServices {
    static constexpr const char *kFolder = "/app";

    FakeServices() { files.files[itemsPath()] = shippedItems(); }

    static QString itemsPath() { return QStringLiteral("/app/items.txt"); }
    static QByteArray shippedItems() {
        QFile file(QStringLiteral(TESSALINE_ASSETS_DIR "/items.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    quiz::Form1Services services() { return servicesOn(files, QString::fromLatin1(kFolder)); }
    // The same fakes around another file system and application folder.
    quiz::Form1Services servicesOn(shell::FileSystem &fileSystem, const QString &appFolder) {
        return {appFolder, boxes,    sounds, fileSystem, clock,
                random,    launcher, skin,   cursors,    policy};
    }

    RecordingMessageBoxes boxes;
    RecordingSoundPlayer sounds;
    FakeFileSystem files;
    FakeClock clock;
    ScriptedRandom random;
    RecordingLauncher launcher;
    RecordingSkin skin;
    RecordingCursorLoader cursors;
    FakeMachinePolicy policy;
};

// The real files, clock, random source and cursor reader, with recording fakes for what would
// show a box, play a sound, start a browser or skin the window.
struct OnRealFiles {
    quiz::Form1Services services(const QString &appFolder) {
        return {appFolder, boxes, sounds, files, clock, random, launcher, skin, cursors, policy};
    }

    RecordingMessageBoxes boxes;
    RecordingSoundPlayer sounds;
    shell::QtFileSystem files;
    shell::QtClock clock;
    shell::BasicRandom random;
    RecordingLauncher launcher;
    RecordingSkin skin;
    shell::CursorFileLoader cursors;
    FakeMachinePolicy policy;
};

// The quiz window with its handlers, on whatever services a test gives it.
class WiredWindow {
public:
    explicit WiredWindow(const quiz::Form1Services &services)
        : m_form1(m_window.design(), services) {
        m_window.connectHandlers(m_form1);
    }

    void load() { m_form1.Form_Load(); }
    void loadAndShow() { quiz::loadAndShow(m_window, m_form1); }

    quiz::Form1 &form1() { return m_form1; }
    mapdata::QuizWindowDesign &design() { return m_window.design(); }
    mapdata::FormWidget &widget() { return m_window.widget(); }
    mapdata::PushButton &PushButton1() { return m_window.PushButton1(); }
    mapdata::PushButton &PushButton2() { return m_window.PushButton2(); }
    QLineEdit &Text1() { return m_window.Text1(); }

private:
    quiz::QuizWindow m_window;
    quiz::Form1 m_form1;
};

} // namespace fakes
