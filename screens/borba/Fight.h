#pragma once

#include <QString>
#include <array>

#include "game/Events.h"

// What the fight says and plays: the texts of the blows, the taunts and the endings, in the
// language chosen, and the sounds that go with them. The rules themselves are the game's.

// The defender's ten lines for an outcome as written (the translators' source texts), line n at
// index n - 1.
const std::array<const char*, 10>& TauntLines(Game::BlowOutcome outcome);
// The line in the language chosen; "" for no line.
QString TauntText(Game::TauntLine line);

// The striker's war cry and the defender's answer to the blow, as files of their sound themes;
// the answer is "" when the blow has none.
QString WarCry(const Game::Blow& blow);
QString TauntSound(const Game::Blow& blow);

// What the message box says of a blow (a Struck event).
QString BlowMessage(const GameState& gs, const Game::Event& struck);
QString WonMessage(const QString& winner);
QString GoldWonMessage(const QString& winner, int gold);
// The question put to the winner about one of the loser's things.
QString SpoilQuestion(const GameState& gs, int loser, Spoil spoil);
QString FledMessage(const QString& fighter);
