#pragma once

#include <cstdint>

#include "state/GameState.h"

// The three strengths of a computer seat. Each answers the same yes-or-no questions, read from
// the record; all of them are plain functions of it, so asking twice gives the same answer and a
// replayed game plays the same. None of them draws on the game's dice.
namespace Computer {

// What a seat may be asked; the record says of whom.
enum class Choice {
    TakeReward,  // the player to move: take the reward on offer?
    StrikeOn,    // the fighter whose blow is next: strike (or retreat)?
    FleeAtOnce,  // the one met, before the first blow: flee now?
    TakeSpoil,   // the fight's winner: take the spoil asked about?
};

// The player who answers `choice` as the record stands.
int Chooser(const GameState& gs, Choice choice);

// The answer at the chooser's own strength.
bool Choose(const GameState& gs, Choice choice);
bool ChooseAt(Strength strength, const GameState& gs, Choice choice);

// Srednje: the rules of thumb in Decisions.h.
bool Sensible(const GameState& gs, Choice choice);

// Lako: a careless player, who grabs every heap of coins and makes this share of its other
// choices by a coin, the rest as Srednje.
inline constexpr double kCarelessShare = 0.7;
bool Careless(const GameState& gs, Choice choice);

// Tesko: for each answer, plays the game on from the record many times with dice of its own,
// everybody playing as Srednje, to the end or a horizon of turns, and takes the answer that
// leaves its chances best. The same games are played after either answer (the same dice), so
// that what differs is the answer.
struct LookAheadSize {
    int games = 0;
    long turns = 0;  // turns begun before the games are judged
};
inline constexpr LookAheadSize kLookAhead{200, 120};
// Tesko leaves Srednje's answer only when the games ahead find the other better by this many
// standard errors.
inline constexpr double kClearMargin = 2.0;

struct LookAhead {
    double yes = 0.0;  // mean chances after answering yes
    double no = 0.0;
    double spread = 0.0;  // standard error of the mean difference yes - no
};
LookAhead LookAheadScores(const GameState& gs, Choice choice, uint64_t seed,
                          LookAheadSize size = kLookAhead);
// Tesko's answer with those games: Srednje's where the games cannot tell the answers apart.
bool FarSightedWith(const GameState& gs, Choice choice, uint64_t seed,
                    LookAheadSize size = kLookAhead);
bool FarSighted(const GameState& gs, Choice choice);

// A player's chances of winning from where the game stands, by the worth of everyone's gold.
double Chances(const GameState& gs, int player);

// A number made of every field the rules read: the same record gives the same number in any run.
// The strengths' own dice are seeded from it.
uint64_t RecordHash(const GameState& gs);

}  // namespace Computer
