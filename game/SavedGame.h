#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "Log.h"
#include "state/GameState.h"

// A game in progress as text: the whole record (the fight's phase and what a square has drawn
// included) and the dice's state, so that a resumed game goes on as it would have.
namespace Game {

inline constexpr int SAVE_FORMAT = 1;

struct SavedGame {
    GameState record;
    QString dice;  // the dice generator's state; empty when it has none worth keeping
    Log log{};     // what happened so far
};

// A game worth keeping: one on the board, not yet won.
bool InProgress(const GameState& gs);

QByteArray ToJson(const SavedGame& saved);
// The game a text holds, or nothing (with the reason in `why`) when it is not a save of this
// format or holds anything a game could not have come to.
std::optional<SavedGame> FromJson(const QByteArray& json, QString* why = nullptr);

}  // namespace Game
