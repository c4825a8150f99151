#pragma once

#include "state/GameState.h"

namespace Game {

// What the game waits for a player to decide, as the record has it.
struct Decision {
    enum class Kind {
        None,    // nothing: creation, the walk, a finished turn, a victory
        Roll,    // player: roll the die
        Reward,  // player: take or leave reward
        Mishap,  // player: acknowledge the mishap
        Blow,    // player (on side): strike or retreat; mayFlee: the other side may flee now
        Spoil,   // player (the winner): take the loser's spoil or not
    };
    Kind kind = Kind::None;
    int player = -1;
    Side side = Side::Left;
    bool otherMayFlee = false;
    int reward = 0;
    Spoil spoil = Spoil::Weapon;
};

Decision PendingDecision(const GameState& gs);

}  // namespace Game
