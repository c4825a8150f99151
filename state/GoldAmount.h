#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Reads the amount typed into the options: a decimal number, blanks around it allowed, "." or ","
// as the decimal mark, rounded to the nearest whole number with halves to the even neighbour.
// Empty when the text is no such number or the result lies outside -32768..32767.
std::optional<int16_t> ParseGoldAmount(const QString& text);
