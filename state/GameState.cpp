#include "GameState.h"

namespace {
int slotsTakingPart(const GameState& gs) {
    return gs.playersInGame > 0 && gs.playersInGame <= GameState::MAX_PLAYERS
               ? gs.playersInGame
               : GameState::MAX_PLAYERS;
}
}  // namespace

void PassTurn(GameState& gs) {
    int next = gs.currentPlayer + 1;
    if (next >= slotsTakingPart(gs)) next = 0;
    gs.currentPlayer = static_cast<int16_t>(next);
}

bool IsInGame(const GameState& gs, int slot) {
    return slot >= 0 && slot < slotsTakingPart(gs);
}

int SquareAfter(int square, int by) {
    constexpr int n = GameState::BOARD_SQUARES;
    return ((square + by) % n + n) % n;
}
