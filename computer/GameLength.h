#pragma once

#include <optional>

#include "state/GameState.h"

// How long games last, as measured by the tournament (four Srednje seats, docs/COMPUTER.md): the
// median of the rounds a game took, for the gold to win and the rule. Goals between those
// measured are read off the line between them, and beyond them off the nearest two.
namespace Computer {

// Nothing for a goal no game is played to: one that is won before a roll, or never.
std::optional<int> TypicalRounds(int goal, WinRule rule);

}  // namespace Computer
