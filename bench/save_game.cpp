// What keeping a game costs: the record and the dice written whole (JSON through QSaveFile, which
// writes a new file and renames it over the old one) after a step, and read back at a start.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "computer/Autoplay.h"
#include "game/Random.h"
#include "platform/Keeping.h"

namespace {

// A game of four some way in, as the autosave meets it after a step.
Game::SavedGame midGame() {
    StdRandom dice(3);
    GameState gs;
    Computer::SetUpGame(gs, 4, 100);
    for (int i = 0; i < 400 && Computer::PlayStep(gs, dice); ++i) {
    }
    if (!Game::InProgress(gs)) gs.stage = Stage::Roll;
    return {gs, QString::fromStdString(dice.state())};
}

void SaveWrite(benchmark::State& state) {
    QTemporaryDir folder;
    SaveFile file(folder.path());
    const Game::SavedGame game = midGame();
    for (auto _ : state) benchmark::DoNotOptimize(file.write(Game::ToJson(game)));
    state.counters["bytes"] = double(Game::ToJson(game).size());
}
BENCHMARK(SaveWrite)->Unit(benchmark::kMicrosecond);

void SaveRead(benchmark::State& state) {
    QTemporaryDir folder;
    SaveFile file(folder.path());
    file.write(Game::ToJson(midGame()));
    for (auto _ : state) benchmark::DoNotOptimize(file.read());
}
BENCHMARK(SaveRead)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
