#pragma once

#include <QString>
#include <array>

struct Context;
struct GameState;
class borba;

// The blows and the two endings of a duel, shared by the fight screen's handlers on both sides.

// Which side of the screen a striker stands on: the left is the player to move.
enum class Side { Left, Right };

// What a blow came to, tested in this order: shield block, hit, miss, parry.
enum class BlowOutcome { ShieldBlock, Hit, Miss, Parry };
BlowOutcome OutcomeOf(const GameState& gs);

// The defender's ten lines for an outcome as written (the translators' source texts), line n at
// index n - 1.
const std::array<const char*, 10>& TauntLines(BlowOutcome outcome);
// One line of those tables; number 0 is no line.
struct TauntLine {
    BlowOutcome outcome = BlowOutcome::Parry;
    int number = 0;
};
// The line in the language chosen; "" for no line.
QString TauntText(TauntLine line);

// The answer to the spoils' questions that takes them, in the language chosen; the original's "da"
// takes them in every language.
QString SpoilsYes();

// One blow: attack sound, the three dice, then block, hit, miss or parry, each told.
void ResolveBlow(Context& ctx, int striker, int defender, Side side);

// The defender's answer in the speech bubble, with a sound from the defender's own theme.
// Runs while the striker's "Udri" is still enabled: that button picks the cloud.
void Taunt(Context& ctx, borba& screen, int defender);

// A fall: the winner is proclaimed, takes the gold and may take the loser's gear; the loser
// starts over with nothing; the board comes back with the next player to move.
void SettleFight(Context& ctx, borba& screen, int winner, int loser);

// A fighter flees 1 to 6 squares back; nobody wins. Only the left fighter's retreat is jeered.
void RetreatFight(Context& ctx, int fighter, bool cowardSound);
