#pragma once

#include <optional>
#include <utility>

#include "Events.h"

class Random;

// The duel between the player to move (left) and the player met (right): its opening, the blows,
// the retreat, the fall and its spoils. The phase (whose blow, whether the one met may still
// flee, which spoil is asked) lives in the record.
namespace Game {

// The fighter standing on a side.
int FighterOn(const GameState& gs, Side side);

// The fight opens between the player to move and the player met (opponentIndex): its background
// is drawn and the mover strikes first; the one met may flee before the first blow.
Events OpenFight(GameState& gs, Random& dice);

bool MayStrike(const GameState& gs, Side side);
bool MayRetreat(const GameState& gs, Side side);

// A blow from the fighter on `side`: the blow itself, the defender's taunt, and the fall when the
// defender's health is gone. Nothing when it is not that side's blow.
Events Strike(GameState& gs, Random& dice, Side side);

// One blow, its dice drawn in order (war cry, strike, guard, the shield's die, damage); the
// defender's health pays for a hit.
Blow ResolveBlow(GameState& gs, Random& dice, Side side);
// The defender's answer to that blow: a line and a sound of the defender's.
void Taunt(GameState& gs, Random& dice, Blow& blow);
// What the last blow's dice came to.
BlowOutcome OutcomeOf(const GameState& gs);

// A fighter whose health is gone has fallen: the spoils are asked next. Nothing while both stand.
Events SettleFight(GameState& gs);
// The winner and the loser of a fight being settled (the loser's health is gone).
std::pair<int, int> WinnerAndLoser(const GameState& gs);
// The winner's answer to the spoil asked: the next spoil is asked, or the fight ends, the gold
// goes to the winner and the loser starts again with nothing.
Events AnswerSpoil(GameState& gs, bool take);

// The fighter on `side` flees 1 to 6 squares back; nobody wins. Nothing when that side may not.
std::optional<Event> RetreatFight(GameState& gs, Random& dice, Side side);

}  // namespace Game
