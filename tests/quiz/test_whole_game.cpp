// One whole game by each way of play; the soak plays the same test many times over.
#include "wholegame.h"

INSTANTIATE_TEST_SUITE_P(OneGame, WholeGame,
                         ::testing::Values(GameRun{WayOfPlay::Drag, 1},
                                           GameRun{WayOfPlay::Click, 1},
                                           GameRun{WayOfPlay::Keys, 1}),
                         gameRunName);
