#pragma once

#include "fakes/droppoints.h"
#include "fakes/fakeservices.h"
#include "mapdata/design/zonetable.h"
#include "mapdata/toolkit/focusspot.h"
#include "quiz/judging.h"
#include "quiz/markerwalk.h"
#include "quiz/spokentext.h"
#include "quiz/zoneplaces.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <memory>
#include <optional>

// The index of the item with this name in the item table, -1 if there is none.
inline int itemIndex(const char *name) {
    using namespace mapdata;
    for (int i = 0; i < kItemCount; ++i)
        if (QLatin1String(kItemTable[std::size_t(i)].name) == QLatin1String(name))
            return i;
    return -1;
}

// The real quiz window, driven by mouse and key events, with recording fakes around it.
class PlayedWindow : public ::testing::Test, protected fakes::FakeServices {
protected:
    PlayedWindow() {
        window = std::make_unique<fakes::WiredWindow>(services());
        window->loadAndShow();
        QApplication::setActiveWindow(&widget());
        m_active = QTest::qWaitForWindowActive(&widget());
        places = std::make_unique<quiz::ZonePlaces>(design());
    }
    void SetUp() override { ASSERT_TRUE(m_active) << "keys reach only an active window"; }

    mapdata::QuizWindowDesign &design() { return window->design(); }
    mapdata::FormWidget &widget() { return window->widget(); }

    std::optional<QPoint> dropPoint(int item, bool right = true) {
        return fakes::dropPixel(design(), *places, item, right);
    }
    QPoint poolPoint(int item) { return fakes::poolPixel(design(), item); }

    // Presses on a pool name, moves across the pool and releases at a window pixel.
    void drag(int item, QPoint to) {
        const QPoint from = poolPoint(item);
        QTest::mousePress(&widget(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&widget(), from + QPoint(4, 2));
        QTest::mouseMove(&widget(), (from + to) / 2);
        QTest::mouseMove(&widget(), to);
        QTest::mouseRelease(&widget(), Qt::LeftButton, {}, to);
    }
    void placeCorrectly(int item) {
        const std::optional<QPoint> to = dropPoint(item);
        ASSERT_TRUE(to.has_value()) << design().labels(item).tag().toStdString();
        drag(item, *to);
    }
    void click(QPoint pixel) { QTest::mouseClick(&widget(), Qt::LeftButton, {}, pixel); }

    // A key pressed where the keyboard focus is, as the window system delivers it.
    void key(Qt::Key k) { QTest::keyClick(focus() ? focus() : &widget(), k); }
    QWidget *focus() { return widget().focusWidget(); }
    mapdata::FocusSpot *spot(const QString &name) {
        return widget().findChild<mapdata::FocusSpot *>(name);
    }
    mapdata::FocusSpot *nameSpot(int item) { return spot(QStringLiteral("labels(%1)").arg(item)); }
    mapdata::FocusSpot *placeSpot(int place) {
        return spot(QStringLiteral("places(%1)").arg(place));
    }
    // The place the marker stands on; none while it is not shown.
    mapdata::FocusSpot *marker() {
        for (int p = 0; p < places->count(); ++p)
            if (placeSpot(p) && placeSpot(p)->isVisible())
                return placeSpot(p);
        return nullptr;
    }
    // Tab until the focus is on pool name item; fails after a round of the whole window.
    void tabTo(int item) {
        for (int n = 0; n < mapdata::kItemCount + 4 && focus() != nameSpot(item); ++n)
            key(Qt::Key_Tab);
        ASSERT_EQ(focus(), nameSpot(item)) << item;
    }
    // Picks up the focused name, walks the marker to a place that accepts (or refuses) it,
    // checking what the marker marks and where the focus goes at each step, and places it there.
    void placeByKeys(int item, bool right) {
        ASSERT_EQ(focus(), nameSpot(item));
        key(Qt::Key_Space);
        ASSERT_EQ(focus(), marker());
        ASSERT_EQ(design().form.held(), &design().labels(item));
        const auto steps = markerwalk::walk(*places, places->startPlace(), [&](int p) {
            return fakes::tagListsItem(places->tag(p), item) == right;
        });
        ASSERT_TRUE(steps.has_value());
        int place = places->startPlace();
        for (quiz::Direction d : *steps) {
            key(markerwalk::arrowFor(d));
            place = places->next(place, d);
            ASSERT_EQ(focus(), placeSpot(place)) << "each step is a focus change";
            ASSERT_EQ(design().form.markedRegion(), places->frontPart(place));
        }
        key(Qt::Key_Return);
    }

    int visiblePoolLabels() {
        int n = 0;
        for (int i = 0; i < mapdata::kItemCount; ++i)
            n += design().labels(i).isVisible() ? 1 : 0;
        return n;
    }
    int visibleMapLabels() {
        int n = 0;
        for (int i = 0; i < mapdata::kItemCount; ++i)
            n += design().maplabel(i).isVisible() ? 1 : 0;
        return n;
    }

    std::unique_ptr<fakes::WiredWindow> window;
    std::unique_ptr<quiz::ZonePlaces> places;

private:
    bool m_active = false;
};
