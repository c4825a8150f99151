// What keeping a game costs: the record and the dice written whole (JSON through QSaveFile, which
// writes a new file and renames it over the old one) after a step, and read back at a start.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "computer/Autoplay.h"
#include "game/Random.h"
#include "platform/Keeping.h"
#include "BenchLog.h"

namespace {

// A game of four some way in, as the autosave meets it after a step, with its log of `lines`.
Game::SavedGame midGame(int lines = 1200) {
    StdRandom dice(3);
    GameState gs;
    Computer::SetUpGame(gs, 4, 100);
    for (int i = 0; i < 400 && Computer::PlayStep(gs, dice); ++i) {
    }
    if (!Game::InProgress(gs)) gs.stage = Stage::Roll;
    return {gs, QString::fromStdString(dice.state()), bench::LongLog(gs, lines)};
}

// Lines: none (the record alone), a log of 1,200 (a game to 100 some 400 turns in) and of 20,000 (the longest kept).
void SaveWrite(benchmark::State& state) {
    QTemporaryDir folder;
    SaveFile file(folder.path());
    const Game::SavedGame game = midGame(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(file.write(Game::ToJson(game)));
    state.counters["bytes"] = double(Game::ToJson(game).size());
}
BENCHMARK(SaveWrite)->Arg(0)->Arg(1200)->Arg(Game::Log::kLongest)->Unit(benchmark::kMicrosecond);

// What the autosave does whenever the event loop is about to wait and nothing has changed.
void AutoSaveUnchanged(benchmark::State& state) {
    QTemporaryDir folder;
    SaveFile file(folder.path());
    const Game::SavedGame game = midGame(int(state.range(0)));
    StdRandom dice(3);
    AutoSave autosave(file, game.record, dice, game.log);
    autosave.check();
    for (auto _ : state) autosave.check();
}
BENCHMARK(AutoSaveUnchanged)->Arg(1200)->Arg(Game::Log::kLongest)->Unit(benchmark::kMicrosecond);

void SaveRead(benchmark::State& state) {
    QTemporaryDir folder;
    SaveFile file(folder.path());
    file.write(Game::ToJson(midGame()));
    for (auto _ : state) benchmark::DoNotOptimize(file.read());
}
BENCHMARK(SaveRead)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // The autosave watches the event loop.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
