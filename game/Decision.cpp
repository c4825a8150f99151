#include "Decision.h"

#include "Duel.h"

namespace Game {

Decision PendingDecision(const GameState& gs) {
    Decision d;
    d.player = gs.currentPlayer;
    switch (gs.stage) {
        case Stage::Roll:
            d.kind = Decision::Kind::Roll;
            break;
        case Stage::Reward:
            d.kind = Decision::Kind::Reward;
            d.reward = gs.rewardOffered;
            break;
        case Stage::Danger:
            d.kind = Decision::Kind::Mishap;
            break;
        case Stage::Fight:
            d.kind = Decision::Kind::Blow;
            d.side = gs.blowNext;
            d.player = FighterOn(gs, gs.blowNext);
            d.otherMayFlee = MayRetreat(gs, gs.blowNext == Side::Left ? Side::Right : Side::Left);
            break;
        case Stage::Spoils:
            d.kind = Decision::Kind::Spoil;
            d.player = WinnerAndLoser(gs).first;
            d.spoil = gs.spoilAsked;
            break;
        case Stage::Setup:
        case Stage::TurnLost:
        case Stage::Moving:
        case Stage::TurnOver:
        case Stage::Won:
            d.player = -1;
            break;
    }
    return d;
}

}  // namespace Game
