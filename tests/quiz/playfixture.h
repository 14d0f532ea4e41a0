#pragma once

#include "fakes/fakeservices.h"
#include "mapdata/design/zonetable.h"

#include <gtest/gtest.h>

#include <QFile>
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

// The real quiz window, driven by mouse events, with recording fakes around it.
class PlayedWindow : public ::testing::Test, protected fakes::FakeServices {
protected:
    PlayedWindow() {
        window = std::make_unique<fakes::WiredWindow>(services());
        window->loadAndShow();
    }

    mapdata::QuizWindowDesign &design() { return window->design(); }
    QWidget &widget() { return window->widget(); }

    // A window pixel whose front-most control is a drop zone that accepts the name.
    std::optional<QPoint> dropPointFor(const QString &name) {
        mapdata::Form &form = design().form;
        for (int z = 0; z < design().piccoor.count(); ++z) {
            const mapdata::TwipsRect r = design().piccoor(z).rect();
            if (!design().piccoor(z).tag().contains(name))
                continue;
            for (int y = r.topTwips / 15 + 1; y * 15 < r.bottomTwips(); y += 2)
                for (int x = r.leftTwips / 15 + 1; x * 15 < r.rightTwips(); x += 2) {
                    const mapdata::Control *front = form.hitTest(QPoint(x * 15, y * 15));
                    if (front && front->array() == &design().piccoor && front->tag().contains(name))
                        return QPoint(x, y);
                }
        }
        return std::nullopt;
    }

    QPoint poolPoint(int item) {
        return design().labels(item).rect().toPixels().center().toPoint();
    }

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
        const QString name = QString::fromLatin1(mapdata::kItemTable[std::size_t(item)].name);
        const std::optional<QPoint> to = dropPointFor(name);
        ASSERT_TRUE(to.has_value()) << name.toStdString();
        drag(item, *to);
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
};
