#pragma once

#include <QString>

// The answer to the spoils' questions that takes them, in the language chosen; the original's "da"
// takes them in every language. Only these exact answers take the spoils: the fight asks, and a
// computer that wins types its answer.
QString SpoilsYes();
bool SaysYes(const QString& answer);
