#pragma once

#include "platform/ScreenId.h"

struct Context;
class Screen;

// Which window follows which: the one place that leads from window to window. The windows tell
// it what happened; it shows, hides and unloads windows through the screen service.

// Tells the screen service how to create each of the game's windows.
void RegisterScreens(Context& ctx);

namespace Game {
struct SavedGame;
}

namespace Flow {
// The title, offering a saved game to continue when there is one: the program's first window.
void OpenTitle(Context& ctx);
// The saved game goes on in the window that stood open, as it stood.
void Resume(Context& ctx, const Game::SavedGame& saved);
// The title's START: a new game set up from nothing on a new creation screen.
void NewGame(Context& ctx);
// Creation's START: the board, with the first player to move.
void Play(Context& ctx);
// Back to the title from creation or from the victory.
void ToTitle(Context& ctx, ScreenId from);
// The board's roll has landed on a square that opens a window of its own (a fight, a reward, a
// danger), which takes the board's place. Returns that window, or nullptr when none opened.
Screen* Landed(Context& ctx);
// The turn played out in the window standing in for the board: the next player is to move, and
// the board comes back (unless it hands over to the victory).
void TurnOver(Context& ctx, ScreenId from);
// The board's load found the player to move holding the gold that wins.
void Victory(Context& ctx);
// Options, inventory and about open beside whatever is on show.
void ShowOptions(Context& ctx);
void ShowInventory(Context& ctx);
void ShowAbout(Context& ctx);
// The whole log of the game, beside the board or the fight.
void ShowLog(Context& ctx);
// The game's record changed outside a turn (the options' gold to win): the board shows it.
void RecordChanged(Context& ctx);
}  // namespace Flow
