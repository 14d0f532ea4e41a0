#pragma once

#include "fakes/fakeservices.h"
#include "quiz/form1.h"

#include <gtest/gtest.h>

#include <QFile>

#include <memory>

// A quiz window with recording fakes around it and the shipped item list beside it.
class Board : public ::testing::Test, protected fakes::FakeServices {
protected:
    quiz::Form1 &form1() {
        if (!m_form1) {
            m_form1 = std::make_unique<quiz::Form1>(
                design, onDisk ? servicesOn(*onDisk, onDiskFolder) : services());
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
    // Real files instead of the in-memory ones, when set before the first load.
    shell::FileSystem *onDisk = nullptr;
    QString onDiskFolder;

private:
    std::unique_ptr<quiz::Form1> m_form1;
};
