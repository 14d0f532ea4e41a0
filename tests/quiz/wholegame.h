#pragma once

// Whole games on the real window, by each way of play: the same test runs one game of each
// in the unit tests and many in the soak. Every game places all 28 names, some after a wrong
// try, and must end with the box and deal exactly the board that the load dealt.
#include "quiz/playfixture.h"

#include "fakes/windowlanguage.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <ostream>
#include <random>
#include <string>
#include <vector>

enum class WayOfPlay { Drag, Click, Keys };

struct GameRun {
    WayOfPlay way;
    int games;
    // The window's language, as --lang gives it; "en" is the source texts. Drops are judged
    // by the same English keys in every language.
    const char *language = "en";
};

inline void PrintTo(const GameRun &run, std::ostream *os) {
    const char *const ways[] = {"drag", "click", "keys"};
    *os << run.games << " by " << ways[int(run.way)] << " in " << run.language;
}

inline std::string gameRunName(const ::testing::TestParamInfo<GameRun> &info) {
    const char *const ways[] = {"Drag", "Click", "Keys"};
    const std::string language = info.param.language;
    return std::string(ways[int(info.param.way)]) + "Times" + std::to_string(info.param.games) +
           (language == "en" ? std::string() : "_" + language);
}

// The run's window language, chosen before the window is made.
class RunLanguage {
protected:
    fakes::WindowLanguage language{::testing::WithParamInterface<GameRun>::GetParam().language};
};

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

inline void PrintTo(const ControlState &s, std::ostream *os) {
    *os << s.name.toStdString() << '(' << s.index << ") visible=" << s.visible << " caption='"
        << s.caption.toStdString() << "' bold=" << s.bold;
}

struct BoardState {
    std::vector<ControlState> controls; // in stacking order
    int placedCount = 0;
    int liveControls = 0;
    QImage picture;
};

class DealtBoard : public PlayedWindow {
protected:
    static constexpr unsigned kSeed = 20170405;
    // One placement in this many is first tried at a wrong zone.
    static constexpr int kWrongTryEvery = 5;

    void SetUp() override {
        PlayedWindow::SetUp();
        ASSERT_TRUE(boxes.calls.empty());
        dealt = snapshot();
    }

    BoardState snapshot() {
        BoardState s;
        for (const mapdata::Control *c : design().form.stackingOrder())
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

    // The board is the one the load dealt; the focus mark is no part of it.
    void expectDealtBoard(const char *after, int round) {
        QWidget *focused = focus();
        window->Text1().setFocus();
        const BoardState now = snapshot();
        if (focused)
            focused->setFocus();
        EXPECT_EQ(now.placedCount, 0) << after << ' ' << round;
        EXPECT_EQ(now.liveControls, dealt.liveControls) << after << ' ' << round;
        EXPECT_EQ(now.controls, dealt.controls) << after << ' ' << round;
        EXPECT_TRUE(now.picture == dealt.picture)
            << "the board looks different " << after << ' ' << round;
    }

    BoardState dealt;
};

class WholeGame : public RunLanguage,
                  public DealtBoard,
                  public ::testing::WithParamInterface<GameRun> {
protected:
    // Puts pool name item at a zone that accepts it (or refuses it), the way under test.
    void place(int item, bool right) {
        switch (GetParam().way) {
        case WayOfPlay::Drag: {
            const std::optional<QPoint> to = dropPoint(item, right);
            ASSERT_TRUE(to.has_value());
            drag(item, *to);
            break;
        }
        case WayOfPlay::Click: {
            const std::optional<QPoint> to = dropPoint(item, right);
            ASSERT_TRUE(to.has_value());
            click(poolPoint(item));
            ASSERT_EQ(design().form.held(), &design().labels(item));
            ASSERT_EQ(widget().cursor().shape(), Qt::BitmapCursor) << "the push-pin while held";
            click(*to);
            break;
        }
        case WayOfPlay::Keys:
            ASSERT_NO_FATAL_FAILURE(tabTo(item));
            ASSERT_NO_FATAL_FAILURE(placeByKeys(item, right));
            break;
        }
        QCoreApplication::processEvents(); // the repaint
        ASSERT_EQ(design().form.held(), nullptr) << "nothing stays held after a placement";
    }
    // The first name after item, in the pool's order and round again, that is still there.
    int nextInPool(int item) {
        for (int step = 1; step < mapdata::kItemCount; ++step) {
            const int next = (item + step) % mapdata::kItemCount;
            if (design().labels(next).isVisible())
                return next;
        }
        return -1;
    }
};

TEST_P(WholeGame, EveryNameIsPlacedTheBoxShownAndTheSameBoardDealtAgain) {
    ASSERT_EQ(language.loaded().isEmpty(), std::string(GetParam().language) == "en")
        << "the run's translation is built in";
    std::mt19937 random(kSeed);
    std::vector<int> order(mapdata::kItemCount);
    for (int i = 0; i < mapdata::kItemCount; ++i)
        order[std::size_t(i)] = i;
    int poolShownDuringBox = -1;
    bool heldDuringBox = true;
    boxes.whileShown = [&](const fakes::MessageBoxCall &) {
        poolShownDuringBox = visiblePoolLabels();
        heldDuringBox = design().form.held() != nullptr;
    };
    int tries = 0;
    for (int game = 0; game < GetParam().games; ++game) {
        SCOPED_TRACE(game);
        std::shuffle(order.begin(), order.end(), random);
        sounds.requests.clear();
        for (int n = 0; n < mapdata::kItemCount; ++n) {
            const int item = order[std::size_t(n)];
            if (++tries % kWrongTryEvery == 0) {
                ASSERT_NO_FATAL_FAILURE(place(item, false));
                ASSERT_TRUE(design().labels(item).isVisible()) << "a refused name stays";
                ASSERT_FALSE(design().maplabel(item).isVisible());
                ASSERT_EQ(window->form1().placedCount, n);
                ASSERT_EQ(sounds.soundNames().back(), QStringLiteral("wrong"));
                if (GetParam().way == WayOfPlay::Keys) {
                    ASSERT_EQ(focus(), nameSpot(item)) << "a refused name keeps the focus";
                }
            }
            ASSERT_NO_FATAL_FAILURE(place(item, true));
            if (n + 1 < mapdata::kItemCount) {
                ASSERT_FALSE(design().labels(item).isVisible()) << item;
                ASSERT_TRUE(design().maplabel(item).isVisible()) << item;
                ASSERT_TRUE(design().maplabel(item).fontBold()) << item;
                ASSERT_EQ(design().maplabel(item).caption(), design().labels(item).caption());
                ASSERT_EQ(window->form1().placedCount, n + 1);
                ASSERT_EQ(sounds.soundNames().back(), QStringLiteral("correct"));
                if (GetParam().way == WayOfPlay::Keys) {
                    ASSERT_EQ(focus(), nameSpot(nextInPool(item))) << "on to the next name";
                }
            }
        }
        const QStringList names = sounds.soundNames();
        ASSERT_EQ(names.count(QStringLiteral("correct")), mapdata::kItemCount);
        ASSERT_EQ(names.count(QStringLiteral("complete")), 1);
        ASSERT_EQ(names.back(), QStringLiteral("complete"));
        ASSERT_EQ(boxes.calls.size(), std::size_t(game + 1));
        EXPECT_EQ(boxes.calls.back().prompt,
                  QCoreApplication::translate("QuizWindow", quiz::kCompletionMessage));
        EXPECT_EQ(boxes.calls.back().title,
                  QCoreApplication::translate("QuizWindow", quiz::kCompletionTitle));
        EXPECT_EQ(poolShownDuringBox, 0) << "the board is dealt again after the box";
        EXPECT_FALSE(heldDuringBox);
        if (GetParam().way == WayOfPlay::Keys) {
            auto *spot = qobject_cast<mapdata::FocusSpot *>(focus());
            ASSERT_TRUE(spot && spot->control() && spot->control()->array() == &design().labels)
                << "the game goes on from a pool name";
        } else {
            EXPECT_NE(widget().cursor().shape(), Qt::BitmapCursor);
        }
        expectDealtBoard("after game", game);
        if (HasFailure())
            return;
    }
    EXPECT_EQ(boxes.errorCount(), 0);
}
