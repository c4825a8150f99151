#include "GameLength.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace Computer {

namespace {
struct Measured {
    int goal;
    int exactly;  // median rounds when the goal itself wins
    int atLeast;  // when the goal or more wins
};
// script/tournament, 2026-12-08: 10000 games of four Srednje seats a goal and rule.
constexpr Measured kMeasured[] = {
    {10, 77, 22},
    {20, 161, 24},
    {50, 299, 36},
    {100, 425, 100},
};
}  // namespace

std::optional<int> TypicalRounds(int goal, WinRule rule) {
    // Gold starts at 0: a goal of 0 or less is won (or, exactly, never reached) at once.
    if (goal <= 0) return std::nullopt;
    const auto rounds = [rule](const Measured& m) {
        return double(rule == WinRule::Exactly ? m.exactly : m.atLeast);
    };
    const Measured* upper = std::find_if(std::begin(kMeasured), std::end(kMeasured),
                                         [goal](const Measured& m) { return m.goal >= goal; });
    if (upper == std::begin(kMeasured)) upper = std::next(upper);
    if (upper == std::end(kMeasured)) upper = std::prev(upper);
    const Measured& a = *std::prev(upper);
    const Measured& b = *upper;
    const double at = rounds(a) + (rounds(b) - rounds(a)) * (goal - a.goal) / (b.goal - a.goal);
    return std::max(1, static_cast<int>(std::lround(at)));
}

}  // namespace Computer
