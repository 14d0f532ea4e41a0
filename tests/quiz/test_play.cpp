#include "boardfixture.h"
#include "playfixture.h"

#include "quiz/judging.h"

#include <QTimer>

using namespace mapdata;

namespace {

std::vector<int> zonesTagged(const char *tag) {
    std::vector<int> zones;
    for (int z = 0; z < kZoneCount; ++z)
        if (QLatin1String(kZoneTable[std::size_t(z)].tag) == QLatin1String(tag))
            zones.push_back(z);
    return zones;
}

} // namespace

TEST(DropJudging, FollowsTheContainmentRule) {
    struct Case {
        const char *zoneTag;
        const char *labelTag;
        bool accepted;
    };
    const Case cases[] = {
        {"Chile,Santiago", "Santiago", true},
        {"Chile,Santiago", "Chile", true},
        {"Chile,Santiago", "santiago", false},
        {"Chile,Santiago", "CHILE", false},
        {"Peru,Lima", " Lima ", true},
        {"Peru,Lima", "Peru,Lima", true},
        {" Peru,Lima ", "Peru,Lima", true},
        {"Peru,Lima", "\tLima", false},
        {"North Atlantic Ocean", "South Atlantic Ocean", false},
        {"French Guiana", "Guyana", false},
        {"Bolivia,La Paz,Sucre", "La Paz,Sucre", true},
        {"Bolivia,La Paz,Sucre", "Paz", true},
        {"Argentina,Buenos Aires", "", true},
        {"Argentina,Buenos Aires", "   ", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(
            quiz::isDropAccepted(QString::fromLatin1(c.zoneTag), QString::fromLatin1(c.labelTag)),
            c.accepted)
            << c.zoneTag << " / '" << c.labelTag << "'";
}

TEST_F(Board, CapitalIsAcceptedOnEveryZoneOfItsCountry) {
    load();
    for (const char *name : {"Santiago", "Chile"})
        for (int z : zonesTagged("Chile,Santiago")) {
            form1().PushButton1_Click();
            form1().piccoor_DragDrop(std::int16_t(z), design.labels(itemIndex(name)));
            EXPECT_EQ(form1().placedCount, 1) << name << " on zone " << z;
        }
    for (const char *name : {"La Paz", "Sucre"})
        for (int z : zonesTagged("Bolivia,La Paz,Sucre")) {
            form1().PushButton1_Click();
            form1().piccoor_DragDrop(std::int16_t(z), design.labels(itemIndex(name)));
            EXPECT_EQ(form1().placedCount, 1) << name << " on zone " << z;
        }
    EXPECT_EQ(sounds.soundNames().count(QStringLiteral("correct")), 6 * 2 + 4 * 2);
    EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(Board, AcceptedDropHidesThePoolNameAndShowsItBoldOnItsMapLabel) {
    load();
    const int lima = itemIndex("Lima");
    design.labels(lima).setTag(QStringLiteral(" Lima "));
    form1().piccoor_DragDrop(std::int16_t(zonesTagged("Peru,Lima").front()), design.labels(lima));
    EXPECT_FALSE(design.labels(lima).isVisible());
    EXPECT_TRUE(design.maplabel(lima).isVisible());
    EXPECT_TRUE(design.maplabel(lima).fontBold());
    EXPECT_EQ(design.maplabel(lima).caption(), QStringLiteral(" Lima "))
        << "first field, untrimmed";
    EXPECT_EQ(form1().placedCount, 1);
    EXPECT_EQ(sounds.requests, QStringList{QStringLiteral("/app/sounds/correct.wma")});
}

TEST_F(Board, RefusedDropLeavesTheNameInThePoolAndPlaysWrong) {
    load();
    const int south = itemIndex("South Atlantic Ocean");
    form1().piccoor_DragDrop(std::int16_t(zonesTagged("North Atlantic Ocean").front()),
                             design.labels(south));
    form1().piccoor_DragDrop(std::int16_t(zonesTagged("French Guiana").front()),
                             design.labels(itemIndex("Guyana")));
    EXPECT_TRUE(design.labels(south).isVisible());
    EXPECT_FALSE(design.maplabel(south).isVisible());
    EXPECT_EQ(form1().placedCount, 0);
    EXPECT_EQ(sounds.soundNames(), (QStringList{"wrong", "wrong"}));
}

TEST_F(Board, EmptyKeyIsAcceptedAnywhereWithAReportAtLine112AndTheDropGoesOn) {
    files.files[itemsPath()] = "Argentina\r\n";
    load();
    form1().piccoor_DragDrop(40, design.labels(5));
    EXPECT_EQ(boxes.errorLines(), std::vector<int>{112});
    EXPECT_TRUE(
        boxes.calls[0].prompt.contains(QLatin1String("Form1.piccoor_DragDrop at line 112")));
    EXPECT_TRUE(design.maplabel(5).isVisible());
    EXPECT_TRUE(design.maplabel(5).fontBold());
    EXPECT_EQ(design.maplabel(5).caption(), QStringLiteral("*************"));
    EXPECT_EQ(form1().placedCount, 1);
    EXPECT_EQ(sounds.soundNames(), QStringList{"correct"});
}

TEST_F(Board, CompletionIsAtTheConstant28NotTheNumberOfLinesRead) {
    files.files[itemsPath()] = "Argentina\r\n";
    load();
    form1().placedCount = 27;
    form1().piccoor_DragDrop(38, design.labels(0));
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].prompt, QStringLiteral("CONGRATULATIONS!THE MAP IS COMPLETE!"));
    EXPECT_EQ(boxes.calls[0].title, QStringLiteral("SUCCESS"));
    EXPECT_EQ(boxes.calls[0].style, kMsgBoxOkInformation);
    EXPECT_EQ(sounds.soundNames(), (QStringList{"correct", "complete"}));
    EXPECT_EQ(form1().placedCount, 0);
    EXPECT_EQ(visiblePoolLabels(), kItemCount);
}

TEST_F(Board, DropOnTheWesternEdgeOfUruguayGoesToArgentinaOnTop) {
    load();
    const QPoint edge(kZoneTable[37].leftTwips + 30, kZoneTable[37].topTwips + 300);
    const Control *front = design.form.hitTest(edge);
    ASSERT_NE(front, nullptr);
    EXPECT_EQ(front->index(), 38);
    ASSERT_TRUE(design.form.beginDrag(
        design.labels(itemIndex("Uruguay")).rect().toPixels().center().toPoint() * 15));
    design.form.endDrag(edge);
    EXPECT_EQ(sounds.soundNames(), QStringList{"wrong"});
    ASSERT_TRUE(design.form.beginDrag(
        design.labels(itemIndex("Argentina")).rect().toPixels().center().toPoint() * 15));
    design.form.endDrag(edge);
    EXPECT_EQ(sounds.soundNames(), (QStringList{"wrong", "correct"}));
}

TEST_F(PlayedWindow, AWholeGameIsPlayedWithTheMouseAndDealtAgain) {
    int poolShownWhenComplete = -1;
    boxes.whileShown = [&](const fakes::MessageBoxCall &) {
        poolShownWhenComplete = visiblePoolLabels();
    };
    for (int item = 0; item < kItemCount; ++item) {
        placeCorrectly(item);
        if (item < kItemCount - 1) {
            ASSERT_FALSE(design().labels(item).isVisible()) << item;
            ASSERT_TRUE(design().maplabel(item).isVisible());
            ASSERT_TRUE(design().maplabel(item).fontBold());
            ASSERT_EQ(design().maplabel(item).caption(),
                      QString::fromLatin1(kItemTable[std::size_t(item)].name));
            ASSERT_EQ(window->form1().placedCount, item + 1);
        }
    }
    QStringList expected;
    for (int i = 0; i < kItemCount; ++i)
        expected << QStringLiteral("correct");
    expected << QStringLiteral("complete");
    EXPECT_EQ(sounds.soundNames(), expected);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].title, QStringLiteral("SUCCESS"));
    EXPECT_EQ(poolShownWhenComplete, 0) << "the reset comes after the box";
    EXPECT_EQ(window->form1().placedCount, 0);
    EXPECT_EQ(visiblePoolLabels(), kItemCount);
    EXPECT_EQ(visibleMapLabels(), 0);
}

TEST_F(PlayedWindow, WrongDropsAndDropsOffTheZonesChangeNothingButTheSound) {
    const int peru = itemIndex("Peru");
    drag(peru, *dropPointFor(QStringLiteral("Brazil")));
    EXPECT_EQ(sounds.soundNames(), QStringList{"wrong"});
    const QPoint heading = design().Label3->rect().toPixels().center().toPoint();
    drag(peru, heading);
    drag(peru, window->PushButton1().geometry().center());
    drag(peru, QPoint(590, 700));
    drag(peru, poolPoint(itemIndex("Chile")));
    drag(peru, poolPoint(peru));
    EXPECT_EQ(sounds.soundNames(), QStringList{"wrong"});
    EXPECT_TRUE(design().labels(peru).isVisible());
    EXPECT_EQ(window->form1().placedCount, 0);
    EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(PlayedWindow, CrossingThePoolGivesTheDragThePushPin) {
    const int chile = itemIndex("Chile");
    const QPoint from = poolPoint(chile);
    QTest::mousePress(&widget(), Qt::LeftButton, {}, from);
    EXPECT_TRUE(design().form.dragOutline().has_value()) << "an outline until the pool is crossed";
    QTest::mouseMove(&widget(), from + QPoint(3, 0));
    EXPECT_EQ(design().labels(chile).dragIcon(), design().Image2->picture());
    EXPECT_FALSE(design().form.dragOutline().has_value());
    EXPECT_EQ(widget().cursor().shape(), Qt::BitmapCursor);
    QTest::mouseRelease(&widget(), Qt::LeftButton, {}, from + QPoint(3, 0));
    EXPECT_TRUE(design().labels(chile).isVisible());
    EXPECT_FALSE(design().labels(chile).dragIcon().isNull()) << "nothing restores the icon";
}

TEST_F(PlayedWindow, RestartMidGameDealsTheSameBoardAgain) {
    placeCorrectly(itemIndex("Brazil"));
    placeCorrectly(itemIndex("Lima"));
    ASSERT_EQ(window->form1().placedCount, 2);
    QTest::mouseClick(&window->PushButton1(), Qt::LeftButton);
    EXPECT_EQ(window->form1().placedCount, 0);
    EXPECT_EQ(visiblePoolLabels(), kItemCount);
    EXPECT_EQ(visibleMapLabels(), 0);
    EXPECT_EQ(design().labels(itemIndex("Lima")).caption(), QStringLiteral("Lima"));
    for (int item = 0; item < kItemCount; ++item)
        placeCorrectly(item);
    EXPECT_EQ(boxes.calls.size(), 1u);
}

TEST_F(PlayedWindow, PointerTurnsCustomOverTheButtonsAndDefaultOverTheBareWindow) {
    QTest::mouseMove(&window->PushButton1(), QPoint(10, 10));
    QMouseEvent overButton(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&window->PushButton2(), &overButton);
    EXPECT_EQ(design().form.mousePointer(), MousePointer::Custom);
    EXPECT_EQ(widget().cursor().shape(), Qt::PointingHandCursor) << "no cursor file was loaded";
    QMouseEvent overMap(QEvent::MouseMove, QPointF(300, 300), QPointF(300, 300), Qt::NoButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget(), &overMap);
    EXPECT_EQ(design().form.mousePointer(), MousePointer::Custom) << "the map has no handler";
    // Between the map and the panel no control lies: the bare window.
    QMouseEvent overBare(QEvent::MouseMove, QPointF(579, 300), QPointF(579, 300), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget(), &overBare);
    EXPECT_EQ(design().form.mousePointer(), MousePointer::Default);
    EXPECT_EQ(widget().cursor().shape(), Qt::ArrowCursor);
}

TEST_F(PlayedWindow, ExitEndsTheEventLoopWithStatusZero) {
    constexpr int kTimedOut = 99;
    QTimer::singleShot(0, &window->PushButton2(),
                       [&] { QTest::mouseClick(&window->PushButton2(), Qt::LeftButton); });
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(kTimedOut); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(design().form.isUnloaded());
    EXPECT_FALSE(widget().isVisible());
    EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(PlayedWindow, CloseBoxTakesTheSameUnloadPath) {
    EXPECT_TRUE(widget().close());
    EXPECT_TRUE(design().form.isUnloaded());
    EXPECT_FALSE(widget().isVisible());
}
