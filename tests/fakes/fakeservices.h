#pragma once

#include "fakes/fakes.h"
#include "quiz/form1.h"

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

    quiz::Form1Services services() {
        quiz::Form1Services s;
        s.appFolder = QString::fromLatin1(kFolder);
        s.messageBoxes = &boxes;
        s.wmp1 = &sounds;
        s.files = &files;
        s.clock = &clock;
        s.random = &random;
        s.launcher = &launcher;
        s.SkinFramework1 = &skin;
        return s;
    }

    RecordingMessageBoxes boxes;
    RecordingSoundPlayer sounds;
    FakeFileSystem files;
    FakeClock clock;
    ScriptedRandom random;
    RecordingLauncher launcher;
    RecordingSkin skin;
};

} // namespace fakes
