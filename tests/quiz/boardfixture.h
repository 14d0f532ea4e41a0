#pragma once

#include "fakes/fakes.h"
#include "quiz/form1.h"

#include <gtest/gtest.h>

#include <QFile>

#include <memory>

// A quiz window with recording fakes around it and the shipped item list beside it.
class Board : public ::testing::Test {
protected:
    static constexpr const char *kFolder = "/app";

    Board() { files.files[itemsPath()] = shippedItems(); }

    static QString itemsPath() { return QStringLiteral("/app/items.txt"); }
    static QByteArray shippedItems() {
        QFile file(QStringLiteral(TESSALINE_ASSETS_DIR "/items.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    quiz::Form1 &form1() {
        if (!m_form1) {
            quiz::Form1Services services;
            services.appFolder = QString::fromLatin1(kFolder);
            services.messageBoxes = &boxes;
            services.wmp1 = &sounds;
            services.files = &files;
            services.clock = &clock;
            services.random = &random;
            services.launcher = &launcher;
            services.SkinFramework1 = &skin;
            services.loadCursor = [this](const QString &path) {
                cursorLoads << path;
                if (!cursorLoads.isEmpty() && cursorFails)
                    throw mapdata::Failure::invalidPicture();
                return mapdata::PointerPicture{QImage(32, 32, QImage::Format_ARGB32), {10, 1}};
            };
            services.windowHandle = [] { return std::int32_t(4242); };
            m_form1 = std::make_unique<quiz::Form1>(design, services);
        }
        return *m_form1;
    }
    void load() { form1().Form_Load(); }

    int visiblePoolLabels() const {
        int n = 0;
        for (int i = 0; i < design.labels.count(); ++i)
            n += design.labels(i).isVisible() ? 1 : 0;
        return n;
    }
    int visibleMapLabels() const {
        int n = 0;
        for (int i = 0; i < design.maplabel.count(); ++i)
            n += design.maplabel(i).isVisible() ? 1 : 0;
        return n;
    }

    mapdata::QuizWindowDesign design;
    fakes::RecordingMessageBoxes boxes;
    fakes::RecordingSoundPlayer sounds;
    fakes::FakeFileSystem files;
    fakes::FakeClock clock;
    fakes::ScriptedRandom random;
    fakes::RecordingLauncher launcher;
    fakes::RecordingSkin skin;
    QStringList cursorLoads;
    bool cursorFails = false;

private:
    std::unique_ptr<quiz::Form1> m_form1;
};
