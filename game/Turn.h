#pragma once

#include <optional>

#include "Events.h"

class Random;

// A game from the title to the victory, turn by turn: plain operations over the record, each
// saying what happened. The fight's own operations are in Duel.h.
namespace Game {

// The title is shown: the gold to win goes back to 100 and no fight is open.
void OpenTitle(GameState& gs);
// A game after a won one starts from nothing: every player field cleared, creation at slot 0.
void StartFresh(GameState& gs);
// A player starts again with nothing: no gold, no armour, weapon or shield, on the first square.
void StripPlayer(GameState& gs, int slot);

// Creation shows the slot being made: every slot gets its new-game square, weapon, armour and
// health, the first player is to move, and the slot's portrait is brought back within the
// pictures there are.
void PrepareNewGame(GameState& gs);
// The slot being made shows the next (by 1) or the previous (by -1) portrait.
void ChangePortrait(GameState& gs, int by);
// The slot being made is finished with what the creation screen holds; the next slot follows.
// The strength counts only for a computer's seat.
void NextSlot(GameState& gs, const QString& name, const QString& soundTheme, bool computer,
              Strength strength = Strength::Medium);
// The last slot is finished: the slots made so far play.
void StartGame(GameState& gs, const QString& name, const QString& soundTheme, bool computer,
               Strength strength = Strength::Medium);

// Whether holding `gold` wins when the holder's turn comes, by the game's rule: exactly the goal,
// or the goal or more.
bool HoldsWinningGold(const GameState& gs, int gold);

// The board comes up for the player to move: a new game's squares are drawn, then that player
// wins (Victory), loses the turn (TurnLost) or is to roll (ToMove). The events end with one of
// those three.
Events BeginTurn(GameState& gs, Random& dice);
// The player who lost the turn has lost it; the next player's turn begins.
void PassOverLostTurn(GameState& gs);

// The player to move rolls and the token moves on around the ring; nothing while no roll is due.
std::optional<Event> Roll(GameState& gs, Random& dice);
// The token has landed: a meeting opens the fight, a reward is drawn and offered, a mishap
// strikes, a coin is found, or the square is plain.
Events Land(GameState& gs, Random& dice);

// The reward on offer is taken, or left; nothing when none is on offer.
std::optional<Event> TakeReward(GameState& gs, Random& dice);
std::optional<Event> LeaveReward(GameState& gs);
// The mishap has been read; false when none stands.
bool AcknowledgeMishap(GameState& gs);

}  // namespace Game
