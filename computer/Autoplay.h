#pragma once

#include <functional>

#include "Strengths.h"
#include "state/GameState.h"

class Random;

// A game played on the rules alone, every seat deciding as the computer does: for the benchmarks
// and for playing many games ahead, where no window is needed. The game goes the way the windows
// take it: the board comes up for each turn, a lost turn is passed over, a turn played out passes.
namespace Computer {

// Who answers the questions: each seat at its own strength, unless told otherwise.
using Answers = std::function<bool(const GameState&, Choice)>;

// Takes the game to its next decision and makes it. False once the game is won (or not begun).
bool PlayStep(GameState& gs, Random& dice, const Answers& answers = Choose);

// Plays from where the game stands until it is won or `maxTurns` turns have begun. Returns the
// turns begun.
long PlayGame(GameState& gs, Random& dice, long maxTurns, const Answers& answers = Choose);

// A new game of `players` computer seats with the new-game values, as creation leaves it.
void SetUpGame(GameState& gs, int players, int goldToWin);

}  // namespace Computer
