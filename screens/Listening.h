#pragma once

#include <QString>

struct Context;
struct GameState;
class Screen;

// What a player can ask the game to say at any moment, on the board and in a fight: the keys
// P (the last thing said again, further back on each press), D (the log), Z (the race) and
// N (whose turn it is and what they hold). None is a key the windows already use.
namespace Listening {

// Gives the window the four keys.
void AddKeys(Screen* window, Context& ctx);

// Every player's gold against the goal, their square, and which seats the computer plays.
QString RaceSentence(const GameState& gs);
// The player to act (the fighter whose blow it is, in a fight) and what they hold.
QString TurnSentence(const GameState& gs);
// The keys, as the options window lists them.
QString KeysHelp();

}  // namespace Listening
