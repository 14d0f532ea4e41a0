// Playing by single clicks and by the keyboard alone, and what assistive technology reads.
#include "accessibilityrecorder.h"
#include "boardfixture.h"
#include "markerwalk.h"
#include "playfixture.h"

#include "mapdata/toolkit/focusspot.h"
#include "quiz/judging.h"
#include "quiz/spokentext.h"
#include "quiz/zoneplaces.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleHints>

using namespace mapdata;
using markerwalk::arrowFor;
using markerwalk::walk;
using quiz::Direction;
using quiz::ZonePlaces;

namespace {

QImage renderForm(FormWidget &w) {
    QImage image(w.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    w.paintForm(painter, w.rect());
    return image;
}

// The pixels where two pictures of the window differ.
QRegion differences(const QImage &a, const QImage &b) {
    QRegion region;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                region += QRect(x, y, 1, 1);
    return region;
}

QRect pixels(const TwipsRect &rect) {
    return rect.toPixels().toAlignedRect();
}

} // namespace

// The places as the marker sees them, on a loaded board: each country and each sea is one.
TEST_F(Board, EveryPlaceIsItsZonesFrontPartsWhereItsPlacePointIsJudged) {
    load();
    const ZonePlaces places(design);
    ASSERT_EQ(places.count(), 17);
    int zones = 0;
    for (int p = 0; p < places.count(); ++p) {
        QRegion front;
        for (int z : places.zones(p)) {
            EXPECT_EQ(design.piccoor(z).tag(), places.tag(p)) << z;
            front += design.form.frontRegion(design.piccoor(z));
            ++zones;
        }
        EXPECT_EQ(places.frontPart(p), front) << p;
        const Control *hit = design.form.hitTest(places.placePoint(p));
        ASSERT_NE(hit, nullptr) << p;
        EXPECT_EQ(hit->tag(), places.tag(p)) << "the front-most zone there is the place's own";
        for (int other = p + 1; other < places.count(); ++other)
            EXPECT_FALSE(places.frontPart(p).intersects(places.frontPart(other)))
                << p << " and " << other;
    }
    EXPECT_EQ(zones, kZoneCount);
    // The western strip of Uruguay lies under Argentina: not part of Uruguay's place.
    const QPoint strip(kZoneTable[37].leftTwips + 30, 6450);
    EXPECT_EQ(design.form.hitTest(strip)->tag(), QStringLiteral("Argentina,Buenos Aires"));
    for (int p = 0; p < places.count(); ++p)
        EXPECT_EQ(places.frontPart(p).contains(strip), places.tag(p) == design.piccoor(38).tag());
    // The middle of the land lies in Bolivia.
    EXPECT_EQ(places.tag(places.startPlace()), QStringLiteral("Bolivia,La Paz,Sucre"));
}

TEST_F(Board, EveryPlaceIsReachedByArrowKeysFromEveryStart) {
    load();
    const ZonePlaces places(design);
    for (int from = 0; from < places.count(); ++from)
        for (int to = 0; to < places.count(); ++to)
            ASSERT_TRUE(walk(places, from, [to](int p) { return p == to; }).has_value())
                << "from " << from << " to " << to;
}

TEST_F(Board, AHeldNameIsJudgedByTheDropHandlerOfTheZoneInFront) {
    load();
    const int uruguay = itemIndex("Uruguay");
    const int argentina = itemIndex("Argentina");
    const QPoint strip(kZoneTable[37].leftTwips + 30, kZoneTable[37].topTwips + 300);
    form1().pickUp(std::int16_t(uruguay));
    ASSERT_EQ(form1().heldName(), &design.labels(uruguay));
    form1().placeHeldAt(strip);
    EXPECT_EQ(form1().heldName(), nullptr) << "a refused name is no longer held";
    EXPECT_TRUE(design.labels(uruguay).isVisible());
    form1().pickUp(std::int16_t(argentina));
    form1().placeHeldAt(strip);
    EXPECT_FALSE(design.labels(argentina).isVisible());
    EXPECT_EQ(sounds.soundNames(), (QStringList{"wrong", "correct"}));
    EXPECT_EQ(form1().placedCount, 1);
    // A placed name cannot be held again, and nothing held places nothing.
    form1().pickUp(std::int16_t(argentina));
    EXPECT_EQ(form1().heldName(), nullptr);
    form1().placeHeldAt(strip);
    EXPECT_EQ(form1().placedCount, 1);
    EXPECT_EQ(sounds.requests.size(), 2);
}

TEST_F(Board, AHeldNameMeetsTheDropHandlersErrorStepsToo) {
    files.files[itemsPath()] = "Argentina\r\n";
    load();
    form1().pickUp(5);
    form1().placeHeldAt(QPoint(kZoneTable[40].leftTwips + 100, kZoneTable[40].topTwips + 2000));
    EXPECT_EQ(boxes.errorLines(), std::vector<int>{112});
    EXPECT_TRUE(boxes.calls[0].prompt.contains(QLatin1String("piccoor_DragDrop at line 112")));
    EXPECT_EQ(form1().placedCount, 1);
}

// The real window, driven by real mouse and key events, with what assistive technology hears.
class PlayWithoutDrag : public PlayedWindow {
protected:
    PlayWithoutDrag() { a11y::heard().clear(); }
    FocusSpot *notice() { return spot(QStringLiteral("ResultNotice")); }
};

TEST_F(PlayWithoutDrag, ClicksOffTheZonesOrOnTheHeldNamePutItBackAndAnotherNameIsHeldInstead) {
    const int peru = itemIndex("Peru");
    const int chile = itemIndex("Chile");
    const QPoint heading = design().Label3->rect().toPixels().center().toPoint();
    const QPoint uncoveredMap(575, 20); // top right of the map, no zone
    const QPoint bareWindow(590, 700);
    ASSERT_EQ(design().form.hitTest(pixelsToTwips(uncoveredMap)), design().Image1);
    for (QPoint off : {heading, uncoveredMap, bareWindow, poolPoint(peru)}) {
        click(poolPoint(peru));
        ASSERT_EQ(design().form.held(), &design().labels(peru));
        click(off);
        EXPECT_EQ(design().form.held(), nullptr) << off.x() << "," << off.y();
    }
    click(poolPoint(peru));
    click(poolPoint(chile));
    EXPECT_EQ(design().form.held(), &design().labels(chile));
    click(*dropPoint(itemIndex("Chile")));
    EXPECT_FALSE(design().labels(chile).isVisible());
    EXPECT_TRUE(design().labels(peru).isVisible());
    EXPECT_EQ(sounds.soundNames(), QStringList{"correct"});
    EXPECT_TRUE(boxes.calls.empty());
    // A click on a map with nothing held does nothing.
    click(*dropPoint(itemIndex("Peru")));
    EXPECT_EQ(sounds.soundNames(), QStringList{"correct"});
    EXPECT_EQ(window->form1().placedCount, 1);
}

TEST_F(PlayWithoutDrag, APressThatMovesADragDistanceIsADragNotAClick) {
    const int lima = itemIndex("Lima");
    const QPoint from = poolPoint(lima);
    const int distance = QGuiApplication::styleHints()->startDragDistance();
    QTest::mousePress(&widget(), Qt::LeftButton, {}, from);
    QTest::mouseMove(&widget(), from + QPoint(distance - 1, 0));
    QTest::mouseRelease(&widget(), Qt::LeftButton, {}, from + QPoint(distance - 1, 0));
    EXPECT_EQ(design().form.held(), &design().labels(lima)) << "within the distance: a click";
    click(poolPoint(lima));
    ASSERT_EQ(design().form.held(), nullptr);
    drag(lima, poolPoint(lima) + QPoint(0, 40));
    EXPECT_EQ(design().form.held(), nullptr) << "a drag dropped in the pool holds nothing";
    // A drag of the held name places it; it is held no more.
    click(poolPoint(lima));
    placeCorrectly(lima);
    EXPECT_FALSE(design().labels(lima).isVisible());
    EXPECT_EQ(design().form.held(), nullptr);
    click(*dropPoint(itemIndex("Lima")));
    EXPECT_EQ(window->form1().placedCount, 1);
}

TEST_F(PlayWithoutDrag, RestartAndEscapePutTheHeldNameBack) {
    const int lima = itemIndex("Lima");
    placeCorrectly(itemIndex("Brazil"));
    click(poolPoint(lima));
    QTest::mouseClick(&window->PushButton1(), Qt::LeftButton);
    EXPECT_EQ(design().form.held(), nullptr);
    EXPECT_EQ(window->form1().placedCount, 0);
    EXPECT_EQ(visiblePoolLabels(), kItemCount);
    click(poolPoint(lima));
    key(Qt::Key_Escape);
    EXPECT_EQ(design().form.held(), nullptr);
    EXPECT_EQ(sounds.soundNames(), QStringList{"correct"});
}

TEST_F(PlayWithoutDrag, TheTabOrderIsTheFocusSinkTheButtonsThenTheNamesStillInThePool) {
    ASSERT_EQ(focus(), &window->Text1());
    placeCorrectly(itemIndex("Bogota"));
    std::vector<QWidget *> expected{&window->PushButton1(), &window->PushButton2()};
    for (int i = 0; i < kItemCount; ++i)
        if (i != itemIndex("Bogota"))
            expected.push_back(nameSpot(i));
    expected.push_back(&window->Text1());
    for (QWidget *next : expected) {
        key(Qt::Key_Tab);
        ASSERT_EQ(focus(), next) << (focus() ? focus()->objectName().toStdString() : "none");
    }
}

TEST_F(PlayWithoutDrag, KeysPickUpPutBackAndPressTheButtons) {
    tabTo(itemIndex("Quito"));
    key(Qt::Key_Enter);
    EXPECT_EQ(design().form.held(), &design().labels(itemIndex("Quito")));
    EXPECT_EQ(marker(), placeSpot(places->startPlace()));
    EXPECT_EQ(widget().cursor().shape(), Qt::BitmapCursor);
    key(Qt::Key_Escape);
    EXPECT_EQ(design().form.held(), nullptr);
    EXPECT_EQ(marker(), nullptr);
    EXPECT_TRUE(design().form.markedRegion().isEmpty());
    EXPECT_EQ(focus(), nameSpot(itemIndex("Quito"))) << "back on the name";
    EXPECT_TRUE(sounds.requests.isEmpty());

    // Held by a click, placed by keys: the arrows bring the marker out.
    const int lima = itemIndex("Lima");
    click(poolPoint(lima));
    EXPECT_EQ(marker(), nullptr);
    key(Qt::Key_Down);
    EXPECT_EQ(focus(), placeSpot(places->startPlace()));
    key(Qt::Key_Escape);

    placeCorrectly(itemIndex("Brazil"));
    ASSERT_EQ(window->form1().placedCount, 1);
    window->PushButton1().setFocus();
    key(Qt::Key_Return);
    EXPECT_EQ(window->form1().placedCount, 0) << "Enter on Restart clicks it";
    placeCorrectly(itemIndex("Brazil"));
    key(Qt::Key_Space);
    EXPECT_EQ(window->form1().placedCount, 0) << "Space on Restart clicks it";
    window->PushButton2().setFocus();
    key(Qt::Key_Return);
    EXPECT_TRUE(design().form.isUnloaded()) << "Enter on Exit";
}

TEST_F(PlayWithoutDrag, OverlappingZonesAreMarkedAndPlacedByTheirFrontPart) {
    const int uruguay = itemIndex("Uruguay");
    const int argentina = itemIndex("Argentina");
    tabTo(uruguay);
    key(Qt::Key_Space);
    const QString uruguayTag = design().piccoor(37).tag();
    const std::vector<Direction> toUruguay = walk(*places, places->startPlace(), [&](int p) {
                                                 return places->tag(p) == uruguayTag;
                                             }).value();
    int place = places->startPlace();
    for (Direction d : toUruguay) {
        key(arrowFor(d));
        place = places->next(place, d);
    }
    ASSERT_EQ(marker(), placeSpot(place));
    // Only the front part is marked: the western strip under Argentina's zone is not.
    EXPECT_FALSE(
        design().form.markedRegion().contains(QPoint(kZoneTable[37].leftTwips + 30, 6450)));
    // Home: back where the marker started, and from there on again.
    for (int twice = 0; twice < 2; ++twice) {
        // Home has no text, which QTest's key clicks want: a bare key event.
        QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
        QApplication::sendEvent(focus(), &home);
        EXPECT_EQ(marker(), placeSpot(places->startPlace()));
    }
    for (Direction d : toUruguay)
        key(arrowFor(d));
    key(Qt::Key_Return);
    EXPECT_FALSE(design().labels(uruguay).isVisible()) << "judged inside the front part";
    // By click, the strip is Argentina's.
    const QPoint strip = twipsToPixels(QPoint(kZoneTable[37].leftTwips + 30, 6450)).toPoint();
    ASSERT_EQ(design().form.hitTest(pixelsToTwips(strip)), &design().piccoor(38));
    click(poolPoint(argentina));
    click(strip);
    EXPECT_FALSE(design().labels(argentina).isVisible());
    EXPECT_EQ(sounds.soundNames(), (QStringList{"correct", "correct"}));
}

TEST_F(PlayWithoutDrag, FocusAndHeldMarksHideNoTextAndNoMap) {
    const int bolivia = itemIndex("Bolivia");
    const QImage plain = renderForm(window->widget());
    QRect allNames;
    for (int i = 0; i < kItemCount; ++i)
        allNames |= pixels(design().labels(i).rect());
    const QRect map = pixels(design().Image1->rect());

    tabTo(bolivia);
    const QImage focused = renderForm(window->widget());
    const QRegion wedge = differences(plain, focused);
    EXPECT_GT(wedge.boundingRect().width() * wedge.boundingRect().height(), 20)
        << "a focus mark is drawn";
    EXPECT_FALSE(wedge.intersects(map));
    for (int i = 0; i < kItemCount; ++i)
        EXPECT_FALSE(wedge.intersects(pixels(design().labels(i).rect()))) << i;

    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    while (focus() != &window->PushButton1())
        key(Qt::Key_Tab);
    const QRegion ring = differences(plain, renderForm(window->widget()));
    EXPECT_FALSE(ring.isEmpty());
    EXPECT_FALSE(ring.intersects(window->PushButton1().geometry()));
    EXPECT_FALSE(ring.intersects(allNames));
    EXPECT_FALSE(ring.intersects(map));

    // Held: shown inverted inside its own label, its text unchanged.
    window->Text1().setFocus();
    const QImage unfocused = renderForm(window->widget());
    click(poolPoint(bolivia));
    const QRegion held = differences(unfocused, renderForm(window->widget()));
    EXPECT_FALSE(held.isEmpty());
    EXPECT_TRUE(pixels(design().labels(bolivia).rect())
                    .adjusted(-1, 0, 1, 0)
                    .contains(held.boundingRect()));
    EXPECT_EQ(design().labels(bolivia).caption(), QStringLiteral("Bolivia"));
}

TEST_F(PlayWithoutDrag, AssistiveTechnologyReadsNamesRolesTheMapAndTheMarker) {
    for (int i = 0; i < kItemCount; ++i) {
        QAccessibleInterface *name = QAccessible::queryAccessibleInterface(nameSpot(i));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(QAccessible::Name), QLatin1String(kItemTable[std::size_t(i)].name));
        EXPECT_EQ(name->role(), QAccessible::ListItem);
        EXPECT_TRUE(name->state().movable);
        EXPECT_TRUE(name->state().focusable);
        ASSERT_NE(name->actionInterface(), nullptr);
        EXPECT_EQ(name->actionInterface()->actionNames(),
                  QStringList{QString::fromLatin1(quiz::kPickUpAction)});
    }
    for (QPushButton *button : {static_cast<QPushButton *>(&window->PushButton1()),
                                static_cast<QPushButton *>(&window->PushButton2())}) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
        EXPECT_EQ(iface->role(), QAccessible::Button);
        EXPECT_EQ(iface->text(QAccessible::Name), button->text());
    }
    QAccessibleInterface *map = QAccessible::queryAccessibleInterface(spot("Image1"));
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->text(QAccessible::Description), QStringLiteral("Map of South America"));
    EXPECT_EQ(map->role(), QAccessible::Graphic);
    // Everything hangs in the window's tree.
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(&widget());
    EXPECT_GE(root->indexOfChild(map), 0);

    // Held state and the marker, through the pick-up action as a screen reader runs it.
    const int lima = itemIndex("Lima");
    QAccessibleInterface *limaName = QAccessible::queryAccessibleInterface(nameSpot(lima));
    EXPECT_FALSE(limaName->state().selected);
    limaName->actionInterface()->doAction(QString::fromLatin1(quiz::kPickUpAction));
    EXPECT_TRUE(limaName->state().selected) << "held";
    QAccessibleInterface *markerIface = QAccessible::queryAccessibleInterface(marker());
    EXPECT_EQ(markerIface->text(QAccessible::Name),
              quiz::placeText(places->whereabouts(places->startPlace())));
    EXPECT_TRUE(markerIface->state().focused);
    key(Qt::Key_Escape);
    EXPECT_FALSE(limaName->state().selected);
}

TEST_F(PlayWithoutDrag, EachResultByThePointerIsToldByANotificationShownAgain) {
    const int lima = itemIndex("Lima");
    click(poolPoint(lima));
    click(*dropPoint(lima, false));
    click(poolPoint(lima));
    click(*dropPoint(lima, false));
    drag(lima, *dropPoint(itemIndex("Lima")));
    QStringList told;
    for (const a11y::HeardEvent &e : a11y::heard())
        if (e.objectName == QLatin1String("ResultNotice") && e.type == QAccessible::ObjectShow)
            told << e.name;
    EXPECT_EQ(told, (QStringList{QStringLiteral("Lima: not here"), QStringLiteral("Lima: not here"),
                                 QStringLiteral("Lima placed")}))
        << "the same result twice is told twice; a drag's result too";
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(notice());
    EXPECT_EQ(iface->role(), QAccessible::Notification);
}
