// CPU time the game spends sitting on one screen: the board of a new game of four, or the about
// screen. Shows the screen, runs the event loop for the given time and prints the process's user
// and system time over that span as a share of one core.
//
//   idle board|about [SECONDS]

#include <sys/resource.h>
#include <time.h>

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "BenchGame.h"
#include "screens/ComputerSeats.h"

namespace {
double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}
double wallSeconds() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}
}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || (std::strcmp(argv[1], "board") != 0 && std::strcmp(argv[1], "about") != 0)) {
        std::fprintf(stderr, "usage: idle board|about [SECONDS]\n");
        return 2;
    }
    const bool board = std::strcmp(argv[1], "board") == 0;
    const double seconds = argc > 2 ? std::atof(argv[2]) : 10.0;
    int qargc = 1;
    QApplication app(qargc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    bench::Game g;
    // The table as the game runs it: computer seats watching, with their pause.
    g.ctx.computerPauseMs = Context::kComputerPauseMs;
    const ComputerSeats seats(g.ctx);
    if (board) {
        g.newGameOfFour();
        g.screens.show(ScreenId::Form1);
    } else {
        g.screens.show(ScreenId::Form2);
        g.screens.show(ScreenId::credits);
    }
    // Let the windows come up and paint before the count starts; exit() rather than quit(), which
    // would close the windows first.
    double cpu0 = 0;
    double wall0 = 0;
    QTimer::singleShot(500, [&] {
        cpu0 = cpuSeconds();
        wall0 = wallSeconds();
        QTimer::singleShot(int(seconds * 1000), Qt::PreciseTimer,
                           [] { QCoreApplication::exit(0); });
    });
    QApplication::exec();
    const double cpu = cpuSeconds() - cpu0;
    const double wall = wallSeconds() - wall0;
    std::printf("%s: %.3f s CPU in %.2f s = %.3f%% of one core\n", argv[1], cpu, wall,
                100.0 * cpu / wall);
    return 0;
}
