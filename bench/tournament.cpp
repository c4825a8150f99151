// How strong the computer strengths are, and how long games last: seeded four-seat games played
// on the rules alone (computer/Autoplay), no windows. One seat plays the strength measured, the
// three others the strength or policy it is measured against; the measured seat goes round the
// four slots, so that no slot's start favours it. "naive" always takes, always strikes (but in a
// fight that no blow can end) and answers every spoils question "da".
//   tournament [--games N] [--tesko-games N] [--length-games N] [--seed S] [--cap TURNS]
//              [--only strengths|length] [--measured Tesko|Srednje|Lako]
// Prints two Markdown tables: the measured seat's share of the games won with Wilson's 95 %
// interval, and the rounds games of four Srednje seats last.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

#include "computer/Autoplay.h"
#include "computer/Decisions.h"
#include "game/Random.h"

namespace {

enum class Seat { Naive, Easy, Medium, Hard };

const char* nameOf(Seat s) {
    switch (s) {
        case Seat::Naive:
            return "naive";
        case Seat::Easy:
            return "Lako";
        case Seat::Medium:
            return "Srednje";
        case Seat::Hard:
            return "Tesko";
    }
    return "";
}

const char* nameOf(WinRule rule) {
    return rule == WinRule::Exactly ? "tacno" : "najmanje";
}

struct Result {
    int winner = -1;  // -1: capped
    long turns = 0;
};

Result playOne(const std::array<Seat, 4>& seats, int goal, WinRule rule, uint64_t seed, long cap) {
    GameState gs;
    Computer::SetUpGame(gs, 4, goal);
    gs.winRule = rule;
    for (int k = 0; k < 4; ++k)
        gs.playerStrength[k] = seats[k] == Seat::Easy   ? Strength::Easy
                               : seats[k] == Seat::Hard ? Strength::Hard
                                                        : Strength::Medium;
    const Computer::Answers answers = [&seats](const GameState& g, Computer::Choice c) {
        if (seats[Computer::Chooser(g, c)] != Seat::Naive) return Computer::Choose(g, c);
        const bool endless = c == Computer::Choice::StrikeOn &&
                             Computer::StrikePower(g, g.currentPlayer) <= 0 &&
                             Computer::StrikePower(g, g.opponentIndex) <= 0;
        return !endless;
    };
    StdRandom dice(seed);
    Result r;
    r.turns = Computer::PlayGame(gs, dice, cap, answers);
    if (gs.stage == Stage::Won) r.winner = gs.currentPlayer;
    return r;
}

// Rounds a game lasted: each seat's turn once is a round, the last one begun counting whole.
long roundsOf(long turns) {
    return (turns + 3) / 4;
}

// Wilson's 95 % interval for k successes in n trials.
std::pair<double, double> wilson(long k, long n) {
    if (n == 0) return {0, 1};
    const double z = 1.96, p = double(k) / n, z2n = z * z / n;
    const double mid = (p + z2n / 2) / (1 + z2n);
    const double half = z * std::sqrt(p * (1 - p) / n + z2n / (4.0 * n)) / (1 + z2n);
    return {mid - half, mid + half};
}

double cpuSeconds() {
    return double(std::clock()) / CLOCKS_PER_SEC;
}

struct Match {
    Seat measured, others;
    double aim;  // the share the measured seat should beat, or 0 for none
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    options.addOptions({
        {QStringLiteral("games"), QStringLiteral("Games for each row measuring Srednje or Lako."),
         QStringLiteral("N"), QStringLiteral("2000")},
        {QStringLiteral("tesko-games"),
         QStringLiteral("Games for each row measuring Tesko, whose games ahead cost the most."),
         QStringLiteral("N"), QStringLiteral("200")},
        {QStringLiteral("length-games"), QStringLiteral("Games for each length row."),
         QStringLiteral("N"), QStringLiteral("10000")},
        {QStringLiteral("seed"), QStringLiteral("The first game's seed."), QStringLiteral("S"),
         QStringLiteral("1")},
        {QStringLiteral("cap"), QStringLiteral("Turns before a game counts as undecided."),
         QStringLiteral("TURNS"), QStringLiteral("20000")},
        {QStringLiteral("only"), QStringLiteral("strengths or length: one table alone."),
         QStringLiteral("TABLE")},
        {QStringLiteral("measured"), QStringLiteral("Only the rows measuring this strength."),
         QStringLiteral("NAME")},
    });
    options.process(application);
    const long games = options.value(QStringLiteral("games")).toLong();
    const long lengthGames = options.value(QStringLiteral("length-games")).toLong();
    const long teskoGames = options.value(QStringLiteral("tesko-games")).toLong();
    const uint64_t seed = options.value(QStringLiteral("seed")).toULongLong();
    const long cap = options.value(QStringLiteral("cap")).toLong();
    const QString only = options.value(QStringLiteral("only"));
    const QString measuredOnly = options.value(QStringLiteral("measured"));
    const WinRule rules[] = {WinRule::Exactly, WinRule::AtLeast};

    if (only.isEmpty() || only == QLatin1String("strengths")) {
        std::printf(
            "| Seat | Against | Goal | Rule | Games | Won | 95 %% interval | Capped | Aim "
            "| CPU s |\n|---|---|---|---|---|---|---|---|---|---|\n");
        const Match matches[] = {{Seat::Hard, Seat::Medium, 0.35},
                                 {Seat::Medium, Seat::Easy, 0.40},
                                 {Seat::Easy, Seat::Naive, 0.0}};
        for (const Match& m : matches) {
            if (!measuredOnly.isEmpty() && measuredOnly != QLatin1String(nameOf(m.measured)))
                continue;
            for (const int goal : {20, 100}) {
                for (const WinRule rule : rules) {
                    const double started = cpuSeconds();
                    long won = 0, decided = 0, capped = 0;
                    const long played = m.measured == Seat::Hard ? teskoGames : games;
                    for (long g = 0; g < played; ++g) {
                        std::array<Seat, 4> seats;
                        seats.fill(m.others);
                        const int mine = static_cast<int>(g % 4);
                        seats[mine] = m.measured;
                        const Result r =
                            playOne(seats, goal, rule, seed + static_cast<uint64_t>(g), cap);
                        if (r.winner < 0) {
                            ++capped;
                            continue;
                        }
                        ++decided;
                        won += r.winner == mine ? 1 : 0;
                    }
                    const auto [low, high] = wilson(won, decided);
                    const char* verdict = low > m.aim    ? "met"
                                          : high < m.aim ? "**missed**"
                                                         : "not shown";
                    const QByteArray aim =
                        m.aim <= 0.0 ? QByteArrayLiteral("none")
                                     : QStringLiteral("above %1 %: %2")
                                           .arg(qRound(100 * m.aim))
                                           .arg(QLatin1String(verdict))
                                           .toUtf8();
                    std::printf(
                        "| %s | three %s | %d | %s | %ld | %.1f %% (%ld of %ld) | %.1f to %.1f %% "
                        "| %ld | %s | %.0f |\n",
                        nameOf(m.measured), nameOf(m.others), goal, nameOf(rule), played,
                        100.0 * won / std::max(decided, 1L), won, decided, 100 * low, 100 * high,
                        capped, aim.constData(), cpuSeconds() - started);
                    std::fflush(stdout);
                }
            }
        }
        std::printf("\n");
    }

    if (only.isEmpty() || only == QLatin1String("length")) {
        std::printf(
            "| Goal | Rule | Games | Median rounds | 90th percentile | Capped |\n"
            "|---|---|---|---|---|---|\n");
        for (const WinRule rule : rules) {
            for (const int goal : {10, 20, 50, 100}) {
                std::vector<long> rounds;
                long capped = 0;
                std::array<Seat, 4> seats;
                seats.fill(Seat::Medium);
                for (long g = 0; g < lengthGames; ++g) {
                    const Result r =
                        playOne(seats, goal, rule, seed + static_cast<uint64_t>(g), cap);
                    // A capped game lasted at least the cap: it counts as the longest.
                    rounds.push_back(roundsOf(r.turns));
                    capped += r.winner < 0 ? 1 : 0;
                }
                std::sort(rounds.begin(), rounds.end());
                const auto at = [&rounds](double q) {
                    return rounds.empty() ? 0L
                                          : rounds[std::min(rounds.size() - 1,
                                                            size_t(q * double(rounds.size())))];
                };
                std::printf("| %d | %s | %ld | %ld | %ld | %ld |\n", goal, nameOf(rule),
                            lengthGames, at(0.5), at(0.9), capped);
                std::fflush(stdout);
            }
        }
    }
    return 0;
}
