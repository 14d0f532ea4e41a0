#pragma once

#include "fakes/droppoints.h"
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

    // A whole game by someone who knows the map: every pool name dropped on the first zone that
    // the zone table lists it in, each right, and the box at the end.
    void playToTheEnd() {
        for (int item = 0; item < mapdata::kItemCount; ++item)
            for (int z = 0; z < mapdata::kZoneCount; ++z)
                if (fakes::zoneListsItem(z, item)) {
                    form1().piccoor_DragDrop(std::int16_t(z), design.labels(item));
                    break;
                }
        EXPECT_EQ(sounds.soundNames().count(QStringLiteral("correct")), mapdata::kItemCount);
        EXPECT_FALSE(sounds.soundNames().contains(QStringLiteral("wrong")));
        ASSERT_EQ(boxes.calls.size(), 1u);
        EXPECT_EQ(boxes.calls[0].title, QStringLiteral("SUCCESS"));
    }

    mapdata::QuizWindowDesign design;
    // Real files instead of the in-memory ones, when set before the first load.
    shell::FileSystem *onDisk = nullptr;
    QString onDiskFolder;

private:
    std::unique_ptr<quiz::Form1> m_form1;
};
