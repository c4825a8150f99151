#include "Random.h"

#include <algorithm>
#include <chrono>
#include <sstream>

int Random::roll(int n) {
    return below(n) + 1;
}

int Random::below(int n) {
    const double d = draw();
    if (n <= 0) return 0;
    // Guards against d * n rounding up to n for a draw just below 1.
    return std::min(n - 1, static_cast<int>(d * n));
}

StdRandom::StdRandom(std::optional<uint64_t> fixedSeed)
    : fixed_(fixedSeed.has_value()),
      engine_(fixedSeed.value_or(static_cast<uint64_t>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count()))) {}

void StdRandom::randomize() {
    if (fixed_) return;
    engine_.seed(static_cast<uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

// 53 random bits scaled into [0, 1); never 1.
double StdRandom::draw() {
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

std::string StdRandom::state() const {
    std::ostringstream out;
    out << engine_;
    return out.str();
}

bool StdRandom::restore(const std::string& state) {
    std::istringstream in(state);
    std::mt19937_64 engine;
    in >> engine;
    // Every number read, and nothing after them.
    if (in.fail() || !(in >> std::ws).eof()) return false;
    engine_ = engine;
    return true;
}
