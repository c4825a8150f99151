#pragma once

#include "platform/Screen.h"

// Placeholder window until the fight is built.
class borba : public Screen {
    Q_OBJECT
public:
    explicit borba(Context& ctx);

    // Opens the fight between the player to move and the player met (opponentIndex),
    // in place of the board.
    static void Open(Context& ctx);
};
