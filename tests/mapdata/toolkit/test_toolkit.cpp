#include "mapdata/toolkit/failure.h"
#include "mapdata/toolkit/form.h"
#include "mapdata/toolkit/formwidget.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include <vector>

using namespace mapdata;

namespace {

struct Drop {
    QString target;
    int index;
    QString source;
};

// A small window: a pool of two draggable labels over a background picture, and
// two overlapping zones.
class SmallWindow : public ::testing::Test {
protected:
    SmallWindow()
        : form(QStringLiteral("Form1"), QSize(3000, 3000)),
          background(form.addControl(ControlKind::Image, QStringLiteral("Image1"))),
          pool(form.addArray(QStringLiteral("labels"))),
          zones(form.addArray(QStringLiteral("piccoor"))) {
        background.setRect({0, 0, 3000, 3000});
        for (int i = 0; i < 2; ++i) {
            Control &label = pool.addDesignElement(ControlKind::Label, i);
            label.setRect({2000, 100 + 300 * i, 900, 285});
            label.setCaption(QStringLiteral("name %1").arg(i));
            label.setDragMode(DragMode::Automatic);
        }
        Control &zone = zones.addDesignElement(ControlKind::Image, 0);
        zone.setRect({100, 100, 1000, 1000});
        zone.setTag(QStringLiteral("first"));
        Control &second = zones.load(1);
        second.setRect({600, 600, 1000, 1000});
        second.setTag(QStringLiteral("second"));
        second.setVisible(true);
        zones.setDragDropHandler([this](std::int16_t index, Control &source) {
            drops.push_back({QStringLiteral("piccoor"), index, source.caption()});
        });
        pool.setDragOverHandler([this](std::int16_t index, Control &) { overs.push_back(index); });
    }

    Form form;
    Control &background;
    ControlArray &pool;
    ControlArray &zones;
    std::vector<Drop> drops;
    std::vector<int> overs;
};

} // namespace

TEST_F(SmallWindow, AddressingAMissingElementFailsNamingArrayAndIndex) {
    try {
        pool(28);
        FAIL() << "no failure raised";
    } catch (const Failure &failure) {
        EXPECT_EQ(failure.number(), 340);
        EXPECT_TRUE(failure.description().contains(QLatin1String("labels(28)")))
            << failure.description().toStdString();
    }
    EXPECT_THROW(pool(-1), Failure);
    EXPECT_THROW(pool(40000), Failure);
}

TEST_F(SmallWindow, LoadedElementCopiesElementZeroHiddenAndCannotLoadTwice) {
    Control &third = zones.load(2);
    EXPECT_FALSE(third.isVisible());
    EXPECT_EQ(third.rect(), zones(0).rect());
    EXPECT_EQ(third.tag(), QStringLiteral("first"));
    EXPECT_EQ(third.index(), 2);
    EXPECT_EQ(third.array(), &zones);
    EXPECT_THROW(zones.load(2), Failure);
}

TEST_F(SmallWindow, HitTestFindsTheFrontMostVisibleControl) {
    EXPECT_EQ(form.hitTest({800, 800}), &zones(1)) << "the later zone lies in front";
    form.bringToFront(zones(0));
    EXPECT_EQ(form.hitTest({800, 800}), &zones(0)) << "ZOrder 0 puts it in front";
    zones(0).setVisible(false);
    EXPECT_EQ(form.hitTest({800, 800}), &zones(1));
    EXPECT_EQ(form.hitTest({2500, 2500}), &background);
    EXPECT_EQ(form.hitTest({-1, 10}), nullptr);
    EXPECT_EQ(form.hitTest({3000, 10}), nullptr);
}

TEST_F(SmallWindow, WindowedControlsCoverWhatLiesBelowThem) {
    form.addWindowedPlace(QStringLiteral("PushButton1"), {700, 700, 200, 200});
    EXPECT_EQ(form.hitTest({800, 800}), nullptr);
    form.windowedPlace(QStringLiteral("PushButton1"))->visible = false;
    EXPECT_EQ(form.hitTest({800, 800}), &zones(1));
}

TEST_F(SmallWindow, DraggingALabelNotifiesWhatItCrossesAndDropsOnTheFrontMostControl) {
    ASSERT_TRUE(form.beginDrag({2100, 150}));
    EXPECT_EQ(form.dragSource(), &pool(0));
    EXPECT_TRUE(pool(0).isVisible()) << "the label stays visible while dragged";
    form.moveDrag({2100, 450});
    form.moveDrag({800, 800});
    EXPECT_EQ(overs, std::vector<int>{1});
    form.endDrag({800, 800});
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].index, 1);
    EXPECT_EQ(drops[0].source, QStringLiteral("name 0"));
    EXPECT_EQ(form.dragSource(), nullptr);
}

TEST_F(SmallWindow, DropOnAControlWithoutHandlerOrOutsideChangesNothing) {
    ASSERT_TRUE(form.beginDrag({2100, 150}));
    form.endDrag({2500, 2500});
    ASSERT_TRUE(form.beginDrag({2100, 150}));
    form.endDrag({5000, 5000});
    EXPECT_TRUE(drops.empty());
}

TEST_F(SmallWindow, OnlyAutomaticDragModeStartsADrag) {
    EXPECT_FALSE(form.beginDrag({200, 200})) << "zones are manual";
    EXPECT_FALSE(form.beginDrag({2500, 2500}));
    EXPECT_EQ(form.dragSource(), nullptr);
}

TEST_F(SmallWindow, OutlineFollowsThePointerUntilADragIconIsSet) {
    ASSERT_TRUE(form.beginDrag({2100, 150}));
    form.moveDrag({1100, 1150});
    ASSERT_TRUE(form.dragOutline().has_value());
    EXPECT_EQ(form.dragOutline()->leftTwips, 1000);
    EXPECT_EQ(form.dragOutline()->topTwips, 1100);
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::blue);
    pool(0).setDragIcon(icon);
    EXPECT_FALSE(form.dragOutline().has_value());
    form.cancelDrag();
}

TEST_F(SmallWindow, PointerMovesReachTheWindowOnlyOverItsBareBackground) {
    int moves = 0;
    form.setMouseMoveHandler([&] { ++moves; });
    form.mouseMove({800, 800});
    background.setVisible(false);
    form.mouseMove({2500, 2500});
    form.mouseMove({800, 800});
    EXPECT_EQ(moves, 1);
}

TEST_F(SmallWindow, UnloadRunsTheHandlerAndHonoursCancel) {
    int unloads = 0;
    form.setUnloadHandler([&](int &cancel) {
        ++unloads;
        cancel = unloads == 1 ? 1 : 0;
    });
    form.unload();
    EXPECT_FALSE(form.isUnloaded());
    form.unload();
    EXPECT_TRUE(form.isUnloaded());
    form.unload();
    EXPECT_EQ(unloads, 2);
}

TEST(FormWidgetPlaces, APlacedControlCoversTheFormOnlyWhileItIsShown) {
    mapdata::Form form(QStringLiteral("Form1"), {3000, 3000});
    mapdata::ControlArray &zones = form.addArray(QStringLiteral("zones"));
    mapdata::Control &zone = zones.addDesignElement(mapdata::ControlKind::Image, 0);
    zone.setRect({0, 0, 3000, 3000});
    mapdata::FormWidget widget(form);
    auto *button = new QPushButton(&widget);
    widget.placeChild(button, QStringLiteral("PushButton1"), {600, 600, 600, 600});
    EXPECT_EQ(button->objectName(), QStringLiteral("PushButton1"));
    EXPECT_EQ(button->geometry(), QRect(40, 40, 40, 40));
    EXPECT_EQ(form.hitTest({800, 800}), nullptr) << "shown with the window";
    EXPECT_EQ(form.hitTest({300, 300}), &zone);
    button->hide();
    EXPECT_EQ(form.hitTest({800, 800}), &zone);
    button->show();
    EXPECT_EQ(form.hitTest({800, 800}), nullptr);
}
