// How long the strong computer (Tesko) thinks over one decision, on one core: its games ahead
// for both answers, from decisions met in seeded games of four. The budget is 0.5 s a decision.
#include <benchmark/benchmark.h>

#include <vector>

#include "computer/Autoplay.h"
#include "computer/Strengths.h"
#include "game/Random.h"

namespace {

struct Position {
    GameState gs;
    Computer::Choice choice;
};

// The first decisions of each kind (a reward, a blow) met in games of four Srednje seats.
std::vector<Position> Positions(int goal, WinRule rule) {
    std::vector<Position> out;
    for (uint64_t seed = 1; out.size() < 16 && seed < 200; ++seed) {
        StdRandom dice(seed);
        GameState gs;
        Computer::SetUpGame(gs, 4, goal);
        gs.winRule = rule;
        // Somewhere in the game, not at its start.
        for (int step = 0; step < 300 + int(seed % 7) * 50 && Computer::PlayStep(gs, dice);
             ++step) {
        }
        for (int step = 0; step < 2000 && Computer::PlayStep(gs, dice); ++step) {
            if (gs.stage == Stage::Reward) {
                out.push_back({gs, Computer::Choice::TakeReward});
                break;
            }
            if (gs.stage == Stage::Fight) {
                out.push_back({gs, Computer::Choice::StrikeOn});
                break;
            }
        }
    }
    return out;
}

void TeskoDecision(benchmark::State& state) {
    const int goal = static_cast<int>(state.range(0));
    const WinRule rule = state.range(1) == 0 ? WinRule::Exactly : WinRule::AtLeast;
    const std::vector<Position> positions = Positions(goal, rule);
    size_t next = 0;
    for (auto _ : state) {
        const Position& p = positions[next++ % positions.size()];
        benchmark::DoNotOptimize(Computer::FarSightedWith(p.gs, p.choice, next));
    }
    state.counters["positions"] = double(positions.size());
}
BENCHMARK(TeskoDecision)
    ->ArgsProduct({{20, 100}, {0, 1}})
    ->ArgNames({"goal", "atLeast"})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
