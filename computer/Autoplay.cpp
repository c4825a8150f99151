#include "Autoplay.h"

#include "game/Decision.h"
#include "game/Duel.h"
#include "game/Turn.h"

namespace Computer {

bool PlayStep(GameState& gs, Random& dice, const Answers& answers) {
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
            if (answers(gs, Choice::TakeReward))
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
            if (answers(gs, Choice::StrikeOn))
                Game::Strike(gs, dice, d.side);
            else
                Game::RetreatFight(gs, dice, d.side);
            break;
        }
        case Game::Decision::Kind::Spoil:
            Game::AnswerSpoil(gs, answers(gs, Choice::TakeSpoil));
            break;
        case Game::Decision::Kind::None:
            return false;
    }
    return true;
}

long PlayGame(GameState& gs, Random& dice, long maxTurns, const Answers& answers) {
    long turns = 0;
    while (turns < maxTurns) {
        const Stage before = gs.stage;
        if (!PlayStep(gs, dice, answers)) break;
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
