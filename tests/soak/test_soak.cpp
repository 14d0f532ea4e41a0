// Many games and Restarts through real mouse and key events on the real window: nothing may
// grow, and every game and every Restart must deal exactly the board that the load dealt.
#include "quiz/wholegame.h"

namespace {

constexpr int kRestarts = 1000;
// Names placed before a Restart cycle through 0 .. kMaxPlacedBeforeRestart - 1.
constexpr int kMaxPlacedBeforeRestart = 6;

} // namespace

INSTANTIATE_TEST_SUITE_P(ManyGames, WholeGame,
                         ::testing::Values(GameRun{WayOfPlay::Drag, 200},
                                           GameRun{WayOfPlay::Click, 50},
                                           GameRun{WayOfPlay::Keys, 100}),
                         gameRunName);

using Restarts = DealtBoard;

TEST_F(Restarts, AThousandRestartsEachDealTheSameBoard) {
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<int> anyItem(0, mapdata::kItemCount - 1);
    for (int restart = 0; restart < kRestarts; ++restart) {
        const int toPlace = restart % kMaxPlacedBeforeRestart;
        for (int n = 0; n < toPlace; ++n) {
            int item = anyItem(random);
            while (!design().labels(item).isVisible())
                item = (item + 1) % mapdata::kItemCount;
            ASSERT_NO_FATAL_FAILURE(placeCorrectly(item));
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
