#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>

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

    // The generator's state as text, so that a saved game draws on as it would have; empty for a
    // generator with nothing to keep. restore() takes such a text back and is false (the
    // generator unchanged) for any other.
    virtual std::string state() const { return {}; }
    virtual bool restore(const std::string& state) { return state.empty(); }
};

// The real generator. With a fixed seed, randomize() keeps the sequence, so a game replays.
class StdRandom : public Random {
public:
    explicit StdRandom(std::optional<uint64_t> fixedSeed = std::nullopt);
    void randomize() override;
    double draw() override;
    std::string state() const override;
    bool restore(const std::string& state) override;

private:
    bool fixed_;
    std::mt19937_64 engine_;
};
