#include "Autoplay.h"

#include "Decisions.h"
#include "game/Decision.h"
#include "game/Duel.h"
#include "game/Turn.h"

namespace Computer {

bool PlayStep(GameState& gs, Random& dice) {
    switch (gs.stage) {
        case Stage::Setup:
            Game::BeginTurn(gs, dice);
            return true;
        case Stage::TurnOver:
            PassTurn(gs);
            Game::BeginTurn(gs, dice);
            return true;
        case Stage::TurnLost:
            Game::PassOverLostTurn(gs);
            Game::BeginTurn(gs, dice);
            return true;
        case Stage::Moving:
            Game::Land(gs, dice);
            return true;
        case Stage::Won:
            return false;
        default:
            break;
    }
    const Game::Decision d = Game::PendingDecision(gs);
    switch (d.kind) {
        case Game::Decision::Kind::Roll:
            Game::Roll(gs, dice);
            break;
        case Game::Decision::Kind::Reward:
            if (TakeReward(gs, d.player, d.reward))
                Game::TakeReward(gs, dice);
            else
                Game::LeaveReward(gs);
            break;
        case Game::Decision::Kind::Mishap:
            Game::AcknowledgeMishap(gs);
            break;
        case Game::Decision::Kind::Blow: {
            // The striker decides first, as at the table: the one met would flee only from a
            // person's fight.
            const int them = Game::FighterOn(gs, d.side == Side::Left ? Side::Right : Side::Left);
            if (StrikeOn(gs, d.player, them, true))
                Game::Strike(gs, dice, d.side);
            else
                Game::RetreatFight(gs, dice, d.side);
            break;
        }
        case Game::Decision::Kind::Spoil:
            Game::AnswerSpoil(gs,
                              TakeSpoil(gs, d.player, Game::WinnerAndLoser(gs).second, d.spoil));
            break;
        case Game::Decision::Kind::None:
            return false;
    }
    return true;
}

long PlayGame(GameState& gs, Random& dice, long maxTurns) {
    long turns = 0;
    while (turns < maxTurns) {
        const Stage before = gs.stage;
        if (!PlayStep(gs, dice)) break;
        if (before == Stage::Setup || before == Stage::TurnOver || before == Stage::TurnLost)
            ++turns;
    }
    return turns;
}

void SetUpGame(GameState& gs, int players, int goldToWin) {
    gs = GameState{};
    Game::OpenTitle(gs);
    gs.goldToWin = static_cast<int16_t>(goldToWin);
    Game::StartFresh(gs);
    Game::PrepareNewGame(gs);
    for (int k = 0; k < players; ++k) {
        const QString name = QStringLiteral("Racunar %1").arg(k + 1);
        if (k + 1 < players)
            Game::NextSlot(gs, name, QString(), true);
        else
            Game::StartGame(gs, name, QString(), true);
    }
}

}  // namespace Computer
