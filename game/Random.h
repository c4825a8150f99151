#pragma once

#include <cstdint>
#include <optional>
#include <random>

// The game's dice. Every die is Int(draw x N) + 1 over a uniform draw in [0, 1).
class Random {
public:
    virtual ~Random() = default;
    // Seeds the generator from the clock, as the game does before a roll.
    virtual void randomize() = 0;
    // A uniform value in [0, 1).
    virtual double draw() = 0;

    // A uniform whole number 1..n.
    int roll(int n);
    // Int(draw x n): a uniform whole number 0..n-1 for n > 0, and 0 for n <= 0 (still one draw).
    int below(int n);
};

// The real generator. With a fixed seed, randomize() keeps the sequence, so a game replays.
class StdRandom : public Random {
public:
    explicit StdRandom(std::optional<uint64_t> fixedSeed = std::nullopt);
    void randomize() override;
    double draw() override;

private:
    bool fixed_;
    std::mt19937_64 engine_;
};
