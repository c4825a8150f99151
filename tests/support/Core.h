#pragma once

// What tests of the rules need, without a window: scripted dice, the players of a game, rows.
// The benchmarks and the screenshot tour take their players from here too.
#include <QQueue>
#include <QStringList>
#include <QTest>
#include <QVariant>
#include <optional>
#include <random>

#include "game/Events.h"
#include "game/Random.h"

// Scripted draws. Running out fails the running test at once, unless afterScript is seeded.
class FakeRandom : public Random {
public:
    void randomize() override { ++randomizeCount; }
    double draw() override;
    // Queues a draw that makes Int(draw x n) + 1 come out as value.
    void pushRoll(int value, int n) { draws.enqueue((value - 0.5) / n); }
    void pushDraw(double d) { draws.enqueue(d); }
    // Whole games: the script is dropped and every draw comes from a generator seeded so.
    void reseed(uint64_t seed) {
        draws.clear();
        afterScript.emplace(seed);
    }

    QQueue<double> draws;
    std::optional<std::mt19937_64> afterScript;
    int randomizeCount = 0;
};

// The dice of a blow in the order drawn: war cry 1..3, strike and guard 1..6, the shield's die
// (shieldFaces 0: no shield, no draw), the damage 0..power (damage < 0: none drawn, a block).
struct BlowDice {
    int cry = 1, strike = 1, guard = 1, shieldFaces = 0, shield = 0, power = 0, damage = 0;
};
void pushBlow(FakeRandom& r, const BlowDice& b);
// A miss, whoever strikes: strike 2 under guard 3, a shield's die at 1; the answer's line 1.
void pushMiss(FakeRandom& r, bool defenderHasShield);

// One player of a game in progress, at full health.
struct Seat {
    QString name, weapon;
    int armor = 0;
    QString shield;
    int gold = 0, square = 0, portrait = 0;
};
// A new game of these players as creation leaves it, about to show its board, slot 0 to move,
// the goal 100; each plays
// the sound theme `theme`, its %1 the slot's number.
void seatPlayers(GameState& gs, const QList<Seat>& seats, const QString& theme);
// Ana, Bora, Ceca and Dule as a new game leaves them: squares 0, 1, 21, 11; sword, axe, dagger,
// spear; armour 0..3; Bora the red shield, Dule the blue; no gold; portraits 0, 3, 6, 9.
void newGameOfFour(GameState& gs, const QString& theme = QStringLiteral("/themes/t%1"));

// Values in a row ("0|1|21|11"), so one comparison shows a whole state.
template <typename A>
QString row(const A& values) {
    QStringList out;
    for (const auto& v : values) out << QVariant::fromValue(v).toString();
    return out.join(u'|');
}
// What the rules reported, "Kind player other amount number [item]" an event.
QString said(const Game::Events& events);
