// Timings of the board's refresh, a turn on a plain square, a step of a token's walk, the whole
// board's paint and a whole fight, through the real screens and pictures on the offscreen
// platform.
//
//   bench_screens [Google Benchmark flags]

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>

#include "game/Duel.h"
#include "screens/Flow.h"
#include "BenchGame.h"
#include "BenchLog.h"
#include "screens/Form1/Form1.h"
#include "screens/borba/borba.h"

namespace {

using bench::Game;

// The board of a new game of four, generated and shown once.
Form1* showNewBoard(Game& g) {
    g.random.reseed(7);
    g.newGameOfFour();
    g.screens.show(ScreenId::Form1);
    Game::settle();
    QCoreApplication::processEvents();
    return g.screens.loadedAs<Form1>(ScreenId::Form1);
}

void BoardRefresh(benchmark::State& state, bool caching) {
    Game g;
    g.pictures.setCaching(caching);
    Form1* board = showNewBoard(g);
    if (board == nullptr) {
        state.SkipWithError("the board did not load");
        return;
    }
    const int before = g.pictures.decodeCount();
    for (auto _ : state) board->Form_Load();
    state.counters["decodes_per_refresh"] =
        double(g.pictures.decodeCount() - before) / double(state.iterations());
}

// A die that takes the player to move onto a plain square nobody stands on.
int plainRoll(const GameState& gs) {
    const int p = gs.currentPlayer;
    for (int d = 1; d <= 6; ++d) {
        const int s = (gs.playerSquare[p] + d) % GameState::BOARD_SQUARES;
        bool taken = false;
        for (int k = 0; k < GameState::MAX_PLAYERS; ++k) taken |= k != p && gs.playerSquare[k] == s;
        if (!taken && gs.squareKind[s] == QLatin1String("polje")) return d;
    }
    return 0;
}

// What the event loop paints next: the parts of the board that asked to be painted again.
void paintPending() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

// The roll button to the board redrawn for the next player, from the board as it stood before the
// roll: the mover's token goes to a plain square and the turn passes. With `paint` the time also
// covers painting what the turn changed, as the event loop does right after.
void PlainTurn(benchmark::State& state, bool paint) {
    Game g;
    Form1* board = showNewBoard(g);
    const int die = board ? plainRoll(g.gs) : 0;
    if (die == 0) {
        state.SkipWithError("no plain square within a die's reach");
        return;
    }
    const int mover = g.gs.currentPlayer;
    const int from = g.gs.playerSquare[mover];
    for (auto _ : state) {
        state.PauseTiming();
        g.gs.currentPlayer = static_cast<int16_t>(mover);
        g.gs.playerSquare[mover] = from;
        board->Form_Load();
        paintPending();
        g.random.pushRoll(die, 6);
        state.ResumeTiming();
        board->Command1_Click();
        if (paint) paintPending();
    }
    if (g.gs.currentPlayer == mover) state.SkipWithError("the turn did not pass");
}

// One step of the mover's walk to the rolled square and its paint.
void WalkStep(benchmark::State& state) {
    Game g;
    Form1* board = showNewBoard(g);
    const int die = board ? plainRoll(g.gs) : 0;
    if (die < 2) {
        state.SkipWithError("no walk of two steps or more to a plain square");
        return;
    }
    g.ctx.walkStepMs = 60000;  // the steps come from here, not from the walk's timer
    const int mover = g.gs.currentPlayer;
    const int from = g.gs.playerSquare[mover];
    for (auto _ : state) {
        state.PauseTiming();
        board->finishWalk();
        g.gs.currentPlayer = static_cast<int16_t>(mover);
        g.gs.playerSquare[mover] = from;
        board->Form_Load();
        g.random.pushRoll(die, 6);
        board->Command1_Click();
        paintPending();
        state.ResumeTiming();
        board->stepWalk();
        paintPending();
    }
    board->finishWalk();
}

// The whole board painted, as when its window is uncovered or shown again.
void BoardPaint(benchmark::State& state) {
    Game g;
    Form1* board = showNewBoard(g);
    if (board == nullptr) {
        state.SkipWithError("the board did not load");
        return;
    }
    for (auto _ : state) board->repaint();
}

// The fight opened from the board, blows (each side in turn) until a fighter falls, and the
// board loaded and shown again. Fighters start at full health; the dice come from a fixed seed
// so every fight is the same one.
void Fight(benchmark::State& state) {
    Game g;
    if (showNewBoard(g) == nullptr) {
        state.SkipWithError("the board did not load");
        return;
    }
    long blows = 0;
    long fights = 0;
    for (auto _ : state) {
        state.PauseTiming();
        g.newGameOfFour();
        g.gs.newGame = 0;
        g.gs.playerSquare[1] = g.gs.playerSquare[0];
        g.gs.opponentIndex = 1;
        g.random.reseed(11);
        if (!g.screens.isLoaded(ScreenId::Form1)) g.screens.show(ScreenId::Form1);
        Game::settle();
        state.ResumeTiming();

        ::Game::OpenFight(g.gs, g.random);
        Flow::Landed(g.ctx);
        Game::settle();
        while (borba* f = g.screens.loadedAs<borba>(ScreenId::borba)) {
            if (blows > 100000) break;
            ++blows;
            if (f->Command1->isEnabled()) {
                f->Command1_Click();
            } else {
                f->Command3_Click();
            }
        }
        Game::settle();
        Form1* board = g.screens.loadedAs<Form1>(ScreenId::Form1);
        if (board == nullptr || !board->isVisible()) {
            state.SkipWithError("the board did not come back");
            break;
        }
        QCoreApplication::processEvents();
        ++fights;
    }
    if (fights > 0) state.counters["blows_per_fight"] = double(blows) / double(fights);
}

}  // namespace

// The log's window opened (D) over the board and closed again, with a log of that many lines:
// 200 (some fifty turns) and the longest kept.
void LogWindow(benchmark::State& state) {
    bench::Game g;
    if (showNewBoard(g) == nullptr) {
        state.SkipWithError("the board did not load");
        return;
    }
    g.ctx.log = bench::LongLog(g.gs, int(state.range(0)));
    for (auto _ : state) {
        Flow::ShowLog(g.ctx);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        state.PauseTiming();
        g.screens.unload(ScreenId::Dnevnik);
        bench::Game::settle();
        state.ResumeTiming();
    }
}

BENCHMARK(LogWindow)->Arg(200)->Arg(::Game::Log::kLongest)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BoardRefresh, cached, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BoardRefresh, naive, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PlainTurn, handler, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PlainTurn, with_paint, true)->Unit(benchmark::kMicrosecond);
BENCHMARK(WalkStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BoardPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(Fight)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qargc = 1;
    QApplication app(qargc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
