// One whole game by each way of play, and some in other languages, judged by the same English
// keys; the soak plays the same test many times over.
#include "wholegame.h"

INSTANTIATE_TEST_SUITE_P(
    OneGame, WholeGame,
    ::testing::Values(GameRun{WayOfPlay::Drag, 1}, GameRun{WayOfPlay::Click, 1},
                      GameRun{WayOfPlay::Keys, 1}, GameRun{WayOfPlay::Drag, 1, "es"},
                      GameRun{WayOfPlay::Keys, 1, "es"}, GameRun{WayOfPlay::Click, 1, "pt_BR"}),
    gameRunName);
