// How strong the computer players are: many four-seat games played headless through the real
// screens, without pauses, one seat the computer's and three given to a simpler policy:
//   naive:  always takes, always strikes, answers every spoils question "da";
//   random: every choice a fair coin, spoils answered "da" or not at random.
// The computer's seat goes round the four slots, so that no slot's start favours it.
//   tournament [--games N] [--seed S] [--goals 100,20] [--opponents naive,random] [--cap TURNS]
// Prints a Markdown table: the computer's share of the games won, with a 95 % interval.
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QPushButton>
#include <cmath>
#include <cstdio>
#include <random>

#include "platform/App.h"
#include "platform/Context.h"
#include "platform/Dialogs.h"
#include "platform/Pictures.h"
#include "game/Random.h"
#include "platform/Screens.h"
#include "platform/Sound.h"
#include "screens/ComputerSeats.h"
#include "screens/Form1/Form1.h"
#include "screens/Nagrade/Nagrade.h"
#include "screens/Flow.h"
#include "screens/borba/borba.h"
#include "screens/opasnost/opasnost.h"
#include "state/GameState.h"
#include "state/Items.h"

namespace {

enum class Policy { Computer, Naive, Random };

const char* nameOf(Policy p) {
    return p == Policy::Computer ? "computer" : p == Policy::Naive ? "naive" : "random";
}

class Silent : public Sound {
public:
    void output(const QString&, Mode) override {}
};

class NoQuit : public App {
public:
    void quit() override {}
};

// Boxes answered at once; a spoils question put to a seat that is not the computer's (the
// computer answers its own through ComputerDialogs) is answered by that seat's policy.
class PolicyDialogs : public Dialogs {
public:
    PolicyDialogs(const GameState& gs, const std::array<Policy, 4>& seats, std::mt19937_64& coin)
        : gs_(gs), seats_(seats), coin_(coin) {}
    void message(const QString&) override {}
    QString input(const QString&) override {
        const int left = gs_.currentPlayer;
        const int winner = gs_.playerHealth[left] > 0 ? left : gs_.opponentIndex;
        const bool yes = seats_[winner] == Policy::Naive || coin_() % 2 == 0;
        return yes ? QStringLiteral("da") : QStringLiteral("ne");
    }

private:
    const GameState& gs_;
    const std::array<Policy, 4>& seats_;
    std::mt19937_64& coin_;
};

struct Result {
    int winner = -1;  // -1: capped
    long turns = 0;
};

Result playOne(const std::array<Policy, 4>& seats, int goal, uint64_t seed, long cap,
               Pictures& pictures) {
    const QString appDir = QStringLiteral(KAVGALIJA_ASSETS_DIR);
    std::mt19937_64 coin(seed ^ 0x9e3779b97f4a7c15ULL);
    GameState gs;
    Screens screens;
    PolicyDialogs policyBoxes(gs, seats, coin);
    ComputerDialogs boxes(policyBoxes, gs, screens);
    Silent sound;
    StdRandom random(seed);
    NoQuit app;
    Context ctx{gs, screens, pictures, boxes, sound, random, app, appDir};
    ctx.walkStepMs = 0;
    ctx.computerPauseMs = 0;
    RegisterScreens(ctx);
    ComputerSeats computers(ctx);

    // Four players as the creation screen leaves them.
    static constexpr int squares[4] = {0, 1, 21, 11};
    const QString weapons[4] = {Items::SWORD, Items::AXE, Items::DAGGER, Items::SPEAR};
    gs.goldToWin = static_cast<int16_t>(goal);
    gs.playersInGame = 4;
    for (int k = 0; k < 4; ++k) {
        gs.playerName[k] = QStringLiteral("Igrac %1").arg(k + 1);
        gs.playerPortrait[k] = QStringLiteral("\\lik%1.gif").arg(k * 3, 2, 10, QLatin1Char('0'));
        gs.playerHealth[k] = 10;
        gs.playerSquare[k] = squares[k];
        gs.playerWeapon[k] = weapons[k];
        gs.playerArmor[k] = k;
        gs.playerComputer[k] = seats[k] == Policy::Computer;
    }
    gs.playerShield[1] = Items::RED_SHIELD;
    gs.playerShield[3] = Items::BLUE_SHIELD;
    gs.newGame = 1;
    screens.show(ScreenId::Form1);

    const auto choose = [&coin, &seats](int slot, QPushButton* yes, QPushButton* no) {
        return seats[slot] == Policy::Naive || coin() % 2 == 0 ? yes : no;
    };
    Result result;
    while (result.turns < cap) {
        // What the event loop would deliver between presses, but for painting, and old windows
        // gone; left to pile up, posted events make every deletion slower.
        QCoreApplication::removePostedEvents(nullptr, QEvent::UpdateRequest);
        QCoreApplication::sendPostedEvents();
        if (screens.isVisible(ScreenId::pobeda)) {
            result.winner = gs.currentPlayer;
            break;
        }
        const int mover = gs.currentPlayer;
        auto* board =
            screens.isVisible(ScreenId::Form1) ? screens.loadedAs<Form1>(ScreenId::Form1) : nullptr;
        if (board != nullptr) ++result.turns;
        if (computers.pressNow()) continue;
        QPushButton* press = nullptr;
        if (board != nullptr) {
            press = board->Command1;
        } else if (auto* fight = screens.loadedAs<borba>(ScreenId::borba)) {
            if (fight->Command1->isEnabled())
                press = choose(mover, fight->Command1, fight->Command2);
            else
                press = choose(gs.opponentIndex, fight->Command3, fight->Command4);
        } else if (auto* reward = screens.loadedAs<Nagrade>(ScreenId::Nagrade)) {
            press = choose(mover, reward->Command1, reward->Command2);
        } else if (auto* danger = screens.loadedAs<opasnost>(ScreenId::opasnost)) {
            press = danger->Command1;
        }
        if (press == nullptr) {
            std::fprintf(stderr, "tournament: game with seed %llu is stuck\n",
                         static_cast<unsigned long long>(seed));
            break;
        }
        press->click();
    }
    screens.unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}

// Wilson's 95 % interval for k successes in n trials.
std::pair<double, double> wilson(long k, long n) {
    if (n == 0) return {0, 1};
    const double z = 1.96, p = double(k) / n, z2n = z * z / n;
    const double mid = (p + z2n / 2) / (1 + z2n);
    const double half = z * std::sqrt(p * (1 - p) / n + z2n / (4.0 * n)) / (1 + z2n);
    return {mid - half, mid + half};
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QCommandLineParser options;
    options.addHelpOption();
    options.addOptions({
        {QStringLiteral("games"), QStringLiteral("Games for each goal and opponent."),
         QStringLiteral("N"), QStringLiteral("400")},
        {QStringLiteral("seed"), QStringLiteral("The first game's seed."), QStringLiteral("S"),
         QStringLiteral("1")},
        {QStringLiteral("cap"), QStringLiteral("Turns before a game counts as undecided."),
         QStringLiteral("TURNS"), QStringLiteral("2000")},
        {QStringLiteral("goals"), QStringLiteral("The gold to win, comma-separated."),
         QStringLiteral("G,..."), QStringLiteral("100,20")},
        {QStringLiteral("opponents"), QStringLiteral("naive, random, or both."),
         QStringLiteral("KIND,..."), QStringLiteral("naive,random")},
    });
    options.process(application);
    const long games = options.value(QStringLiteral("games")).toLong();
    const uint64_t seed = options.value(QStringLiteral("seed")).toULongLong();
    const long cap = options.value(QStringLiteral("cap")).toLong();
    QList<int> goals;
    for (const QString& g : options.value(QStringLiteral("goals")).split(QLatin1Char(',')))
        goals.append(g.toInt());
    // Pictures missing from the offscreen platform's view and the like are not the figures.
    std::freopen("/dev/null", "w", stderr);

    std::printf(
        "| Opponents | Goal | Games | Computer won | 95 %% interval | Capped | Mean turns "
        "| Budget |\n|---|---|---|---|---|---|---|---|\n");
    QList<Policy> opponents;
    for (const QString& o : options.value(QStringLiteral("opponents")).split(QLatin1Char(',')))
        opponents.append(o == QLatin1String("random") ? Policy::Random : Policy::Naive);
    // Decoded once for all games, as in one run of the game.
    Pictures pictures(QStringLiteral(KAVGALIJA_ASSETS_DIR));
    QElapsedTimer clock;
    clock.start();
    for (const Policy others : opponents) {
        for (const int goal : goals) {
            long won = 0, decided = 0, capped = 0, turns = 0;
            for (long g = 0; g < games; ++g) {
                std::array<Policy, 4> seats;
                seats.fill(others);
                const int mine = static_cast<int>(g % 4);
                seats[mine] = Policy::Computer;
                const Result r =
                    playOne(seats, goal, seed + static_cast<uint64_t>(g), cap, pictures);
                turns += r.turns;
                if (r.winner < 0) {
                    ++capped;
                    continue;
                }
                ++decided;
                won += r.winner == mine ? 1 : 0;
            }
            const auto [low, high] = wilson(won, decided);
            std::printf(
                "| three %s | %d | %ld | %.1f %% (%ld of %ld won) | %.1f to %.1f %% | %ld "
                "| %.0f | %s |\n",
                nameOf(others), goal, games, 100.0 * won / std::max(decided, 1L), won, decided,
                100 * low, 100 * high, capped, double(turns) / games,
                low > 0.25 ? "met (above 25 %)" : "**missed**");
            std::fflush(stdout);
        }
    }
    std::printf("\n%ld games a row, %.0f s in all\n", games, clock.elapsed() / 1000.0);
    return 0;
}
