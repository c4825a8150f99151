#pragma once

// A log as a long game of four writes it: turns of a roll and what the square brought, now and
// then a fight of a few blows.
#include "game/Log.h"

namespace bench {

inline ::Game::Log LongLog(const GameState& gs, int lines) {
    using ::Game::EventKind;
    using ::Game::MakeEvent;
    ::Game::Log log;
    log.record(gs, MakeEvent(EventKind::BoardGenerated));
    for (int turn = 0; log.entries().size() < lines; ++turn) {
        const int p = turn % GameState::MAX_PLAYERS;
        log.record(gs, ::Game::Events{MakeEvent(EventKind::ToMove, p),
                                    MakeEvent(EventKind::Rolled, p, -1, 1 + turn % 6, turn % 30)});
        if (turn % 7 == 3) {
            ::Game::Event hit = MakeEvent(EventKind::Struck, p, (p + 1) % 4);
            hit.blow.outcome = ::Game::BlowOutcome::Hit;
            hit.blow.damage = 2;
            log.record(gs, ::Game::Events{MakeEvent(EventKind::Met, p, (p + 1) % 4), hit, hit,
                                        MakeEvent(EventKind::Retreated, (p + 1) % 4, p, 3, 4)});
        } else {
            log.record(gs, MakeEvent(EventKind::CoinFound, p, -1, turn % 50));
        }
    }
    return log;
}

}  // namespace bench
