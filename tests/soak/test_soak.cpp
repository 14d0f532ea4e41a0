// Many games and Restarts through real mouse and key events on the real window: nothing may
// grow, and every reset must deal exactly the board that the load dealt.
#include "fakes/fakeservices.h"
#include "mapdata/toolkit/focusspot.h"
#include "quiz/markerwalk.h"
#include "soak/boardpoints.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace {

using mapdata::Control;
using mapdata::kItemCount;

constexpr int kGames = 200;
constexpr int kKeyboardGames = 100;
constexpr int kRestarts = 1000;
// Names placed before a Restart cycle through 0 .. kMaxPlacedBeforeRestart - 1.
constexpr int kMaxPlacedBeforeRestart = 6;
// One drop in this many is first tried on a wrong zone.
constexpr int kWrongDropEvery = 5;
constexpr unsigned kSeed = 20170405;

// What a player can see of one windowless control, and what judging reads from it.
struct ControlState {
    QString name;
    int index = -1;
    bool visible = false;
    mapdata::TwipsRect rect;
    QString caption; // only while visible
    bool bold = false;
    QString tag;

    bool operator==(const ControlState &o) const {
        return name == o.name && index == o.index && visible == o.visible && rect == o.rect &&
               caption == o.caption && bold == o.bold && tag == o.tag;
    }
};

struct BoardState {
    std::vector<ControlState> controls; // in stacking order
    int placedCount = 0;
    int liveControls = 0;
    QImage picture;
};

void PrintTo(const ControlState &s, std::ostream *os) {
    *os << s.name.toStdString() << '(' << s.index << ") visible=" << s.visible << " caption='"
        << s.caption.toStdString() << "' bold=" << s.bold;
}

class Soak : public ::testing::Test, protected fakes::OnRealFiles {
protected:
    void SetUp() override {
        window =
            std::make_unique<fakes::WiredWindow>(services(QStringLiteral(TESSALINE_ASSETS_DIR)));
        window->loadAndShow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->widget()));
        ASSERT_TRUE(boxes.calls.empty()) << boxes.calls.front().prompt.toStdString();
        for (int i = 0; i < kItemCount; ++i) {
            const QString tag = design().labels(i).tag();
            const auto from = soak::poolPixel(design(), i);
            const auto right = soak::zonePixelFor(design(), tag, true);
            const auto wrong = soak::zonePixelFor(design(), tag, false);
            ASSERT_TRUE(from && right && wrong) << tag.toStdString();
            ways.push_back({*from, *right, *wrong});
        }
        dealt = snapshot();
    }
    void TearDown() override {
        window.reset();
        qInstallMessageHandler(nullptr);
    }

    mapdata::QuizWindowDesign &design() { return window->design(); }
    mapdata::FormWidget &widget() { return window->widget(); }

    BoardState snapshot() {
        BoardState s;
        for (const Control *c : design().form.stackingOrder())
            s.controls.push_back({c->name(), c->index(), c->isVisible(), c->rect(),
                                  c->isVisible() ? c->caption() : QString(),
                                  c->isVisible() && c->fontBold(), c->tag()});
        s.placedCount = window->form1().placedCount;
        s.liveControls = design().form.liveControlCount();
        s.picture = QImage(widget().size(), QImage::Format_RGB32);
        QPainter painter(&s.picture);
        widget().paintForm(painter, widget().rect());
        return s;
    }

    void expectDealtBoard(const char *after, int round) {
        const BoardState now = snapshot();
        EXPECT_EQ(now.placedCount, 0) << after << ' ' << round;
        EXPECT_EQ(now.liveControls, dealt.liveControls) << after << ' ' << round;
        EXPECT_EQ(now.controls, dealt.controls) << after << ' ' << round;
        EXPECT_TRUE(now.picture == dealt.picture)
            << "the board looks different " << after << ' ' << round;
    }

    // Picks up name item from the pool and lets it go at a pixel, as a hand would.
    void dragTo(int item, QPoint to) {
        const QPoint from = ways[std::size_t(item)].from;
        QTest::mousePress(&widget(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&widget(), from + QPoint(3, 1));
        QTest::mouseMove(&widget(), (from + to) / 2);
        QTest::mouseMove(&widget(), to);
        QTest::mouseRelease(&widget(), Qt::LeftButton, {}, to);
        QCoreApplication::processEvents(); // the repaint
    }

    // A correct drop of item, now and then after a wrong one.
    void place(int item, int dropNumber) {
        if (dropNumber % kWrongDropEvery == 0) {
            const int before = window->form1().placedCount;
            dragTo(item, ways[std::size_t(item)].wrong);
            ASSERT_TRUE(design().labels(item).isVisible()) << "refused name left the pool";
            ASSERT_EQ(window->form1().placedCount, before);
            ASSERT_EQ(sounds.soundNames().back(), QStringLiteral("wrong"));
        }
        dragTo(item, ways[std::size_t(item)].right);
    }

    struct Way {
        QPoint from;
        QPoint right;
        QPoint wrong;
    };
    std::unique_ptr<fakes::WiredWindow> window;
    std::vector<Way> ways;
    BoardState dealt;
};

TEST_F(Soak, TwoHundredCompleteGamesEachDealTheSameBoard) {
    std::mt19937 random(kSeed);
    std::vector<int> order(kItemCount);
    for (int i = 0; i < kItemCount; ++i)
        order[std::size_t(i)] = i;
    int drops = 0;
    for (int game = 0; game < kGames; ++game) {
        std::shuffle(order.begin(), order.end(), random);
        sounds.requests.clear();
        for (int n = 0; n < kItemCount; ++n) {
            const int item = order[std::size_t(n)];
            ASSERT_NO_FATAL_FAILURE(place(item, ++drops));
            if (n + 1 < kItemCount) {
                ASSERT_FALSE(design().labels(item).isVisible()) << "game " << game;
                ASSERT_TRUE(design().maplabel(item).isVisible()) << "game " << game;
                ASSERT_EQ(window->form1().placedCount, n + 1) << "game " << game;
            }
        }
        const QStringList names = sounds.soundNames();
        ASSERT_EQ(names.count(QStringLiteral("correct")), kItemCount) << "game " << game;
        ASSERT_EQ(names.count(QStringLiteral("complete")), 1) << "game " << game;
        ASSERT_EQ(names.back(), QStringLiteral("complete")) << "game " << game;
        ASSERT_EQ(boxes.calls.size(), std::size_t(game + 1)) << "game " << game;
        ASSERT_EQ(boxes.calls.back().title, QLatin1String(quiz::kCompletionTitle));
        expectDealtBoard("after game", game);
        if (HasFailure())
            return;
    }
    EXPECT_EQ(boxes.errorCount(), 0);
}

TEST_F(Soak, AThousandRestartsEachDealTheSameBoard) {
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<int> anyItem(0, kItemCount - 1);
    int drops = 0;
    for (int restart = 0; restart < kRestarts; ++restart) {
        const int toPlace = restart % kMaxPlacedBeforeRestart;
        for (int n = 0; n < toPlace; ++n) {
            int item = anyItem(random);
            while (!design().labels(item).isVisible())
                item = (item + 1) % kItemCount;
            ASSERT_NO_FATAL_FAILURE(place(item, ++drops));
        }
        ASSERT_EQ(window->form1().placedCount, toPlace) << "restart " << restart;
        QTest::mouseClick(&window->PushButton1(), Qt::LeftButton);
        QCoreApplication::processEvents();
        expectDealtBoard("after Restart", restart);
        if (HasFailure())
            return;
    }
    EXPECT_TRUE(boxes.calls.empty());
}

} // namespace

namespace {

// Whole games by the keyboard alone: each name is reached by Tab, picked up with Space,
// walked to its place with the arrows (now and then to a wrong place first) and put down
// with Enter; now and then a name is picked up and put back with Escape.
class KeyboardSoak : public Soak {
protected:
    void SetUp() override {
        Soak::SetUp();
        QApplication::setActiveWindow(&widget());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&widget()));
        places = std::make_unique<quiz::ZonePlaces>(design());
        for (int i = 0; i < kItemCount; ++i) {
            const QString tag = design().labels(i).tag();
            for (bool right : {true, false}) {
                const auto steps = markerwalk::walk(*places, places->startZone(), [&](int z) {
                    return quiz::isDropAccepted(design().piccoor(z).tag(), tag) == right;
                });
                ASSERT_TRUE(steps.has_value()) << tag.toStdString();
                (right ? rightWalks : wrongWalks).push_back(*steps);
            }
        }
    }

    void key(Qt::Key k) {
        QTest::keyClick(widget().focusWidget() ? widget().focusWidget() : &widget(), k);
    }
    int focusedItem() {
        auto *spot = qobject_cast<mapdata::FocusSpot *>(widget().focusWidget());
        return spot && spot->control() ? spot->control()->index() : -1;
    }
    void tabTo(int item) {
        for (int n = 0; n < kItemCount + 4 && focusedItem() != item; ++n)
            key(Qt::Key_Tab);
        ASSERT_EQ(focusedItem(), item);
    }
    void placeByKeys(int item, const std::vector<quiz::Direction> &steps) {
        key(Qt::Key_Space);
        ASSERT_EQ(design().form.held(), &design().labels(item));
        for (quiz::Direction d : steps)
            key(markerwalk::arrowFor(d));
        key(Qt::Key_Return);
        ASSERT_EQ(design().form.held(), nullptr);
        QCoreApplication::processEvents(); // the repaint
    }

    std::unique_ptr<quiz::ZonePlaces> places;
    std::vector<std::vector<quiz::Direction>> rightWalks;
    std::vector<std::vector<quiz::Direction>> wrongWalks;
};

} // namespace

TEST_F(KeyboardSoak, ManyCompleteGamesByKeyboardEachDealTheSameBoard) {
    std::mt19937 random(kSeed);
    std::vector<int> order(kItemCount);
    for (int i = 0; i < kItemCount; ++i)
        order[std::size_t(i)] = i;
    int drops = 0;
    for (int game = 0; game < kKeyboardGames; ++game) {
        std::shuffle(order.begin(), order.end(), random);
        sounds.requests.clear();
        for (int n = 0; n < kItemCount; ++n) {
            const int item = order[std::size_t(n)];
            ASSERT_NO_FATAL_FAILURE(tabTo(item));
            if (++drops % kWrongDropEvery == 0) {
                ASSERT_NO_FATAL_FAILURE(placeByKeys(item, wrongWalks[std::size_t(item)]));
                ASSERT_TRUE(design().labels(item).isVisible()) << "refused name left the pool";
                ASSERT_EQ(sounds.soundNames().back(), QStringLiteral("wrong"));
                ASSERT_EQ(focusedItem(), item);
            } else if (drops % kWrongDropEvery == 1) {
                key(Qt::Key_Space);
                key(Qt::Key_Escape);
                ASSERT_EQ(design().form.held(), nullptr);
                ASSERT_EQ(focusedItem(), item);
            }
            ASSERT_NO_FATAL_FAILURE(placeByKeys(item, rightWalks[std::size_t(item)]));
            if (n + 1 < kItemCount) {
                ASSERT_FALSE(design().labels(item).isVisible()) << "game " << game;
                ASSERT_EQ(window->form1().placedCount, n + 1) << "game " << game;
            }
        }
        const QStringList names = sounds.soundNames();
        ASSERT_EQ(names.count(QStringLiteral("correct")), kItemCount) << "game " << game;
        ASSERT_EQ(names.back(), QStringLiteral("complete")) << "game " << game;
        ASSERT_EQ(boxes.calls.size(), std::size_t(game + 1)) << "game " << game;
        ASSERT_GE(focusedItem(), 0) << "the game goes on from a pool name";
        // The focus mark is not part of the board: compared with the focus where it opened.
        const int focused = focusedItem();
        window->Text1().setFocus();
        expectDealtBoard("after keyboard game", game);
        if (HasFailure())
            return;
        ASSERT_NO_FATAL_FAILURE(tabTo(focused));
    }
    EXPECT_EQ(boxes.errorCount(), 0);
}
