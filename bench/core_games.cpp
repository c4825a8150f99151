// Whole seeded games of four computer seats on the rules alone, no windows: how many turns a
// second the game's core plays on one core. The strong computer plays thousands of games ahead
// per decision on it.
#include <benchmark/benchmark.h>

#include "computer/Autoplay.h"
#include "game/Random.h"

namespace {

void CoreGames(benchmark::State& state) {
    const int goal = static_cast<int>(state.range(0));
    uint64_t seed = 1;
    long turns = 0, games = 0, won = 0;
    for (auto _ : state) {
        StdRandom dice(seed++);
        GameState gs;
        Computer::SetUpGame(gs, 4, goal);
        turns += Computer::PlayGame(gs, dice, 2000);
        won += gs.stage == Stage::Won ? 1 : 0;
        ++games;
        benchmark::DoNotOptimize(gs.playerGold);
    }
    state.counters["turns_per_s"] = benchmark::Counter(double(turns), benchmark::Counter::kIsRate);
    state.counters["turns_per_game"] = double(turns) / double(games);
    state.counters["won_share"] = double(won) / double(games);
}
// Goals of 20 end most games; 100 runs them to the turn cap.
BENCHMARK(CoreGames)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
