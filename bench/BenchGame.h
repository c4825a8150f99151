#pragma once

// A whole game with the real screens and assets, and doubles that never wait: boxes answered at
// once ("da" to every question), sounds dropped, dice scripted first and then from a fixed seed.

#include "support/TestGame.h"

namespace bench {

struct Game : TestGame {
    Game() {
        dialogs.otherwise = QStringLiteral("da");
        random.reseed(1);
    }

    // Four players as the creation screen leaves them, ready for the board's first load.
    void newGameOfFour() {
        ::newGameOfFour(gs, QStringLiteral(KAVGALIJA_ASSETS_DIR "/zvuk/srpski"));
    }
};

}  // namespace bench
