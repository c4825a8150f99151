#pragma once

// A whole game with the real screens and assets, and doubles that never wait: boxes answered at
// once ("da" to every question), sounds dropped, dice scripted first and then from a fixed seed.

#include <QCoreApplication>
#include <QEvent>
#include <deque>
#include <random>

#include "platform/App.h"
#include "platform/Context.h"
#include "platform/Dialogs.h"
#include "platform/Pictures.h"
#include "game/Random.h"
#include "platform/Screens.h"
#include "platform/Sound.h"
#include "screens/Flow.h"
#include "state/GameState.h"

namespace bench {

class QuickDialogs : public Dialogs {
public:
    void message(const QString&) override { ++boxes; }
    QString input(const QString&) override {
        ++boxes;
        return QStringLiteral("da");
    }
    long boxes = 0;
};

class SilentSound : public Sound {
public:
protected:
    void output(const QString&, Mode) override {}
};

class ScriptedRandom : public Random {
public:
    void randomize() override {}
    double draw() override {
        if (!script.empty()) {
            const double d = script.front();
            script.pop_front();
            return d;
        }
        return std::uniform_real_distribution<double>(0.0, 1.0)(engine);
    }
    // Makes the next roll(n) come out as value.
    void pushRoll(int value, int n) { script.push_back((value - 0.5) / n); }
    void reseed(uint64_t seed) {
        engine.seed(seed);
        script.clear();
    }
    std::deque<double> script;
    std::mt19937_64 engine{1};
};

class NoQuit : public App {
public:
    void quit() override { quitting_ = true; }
};

struct Game {
    Game()
        : pictures(QStringLiteral(KAVGALIJA_ASSETS_DIR)),
          ctx{gs,    screens, pictures, dialogs,
              sound, random,  app,      QStringLiteral(KAVGALIJA_ASSETS_DIR)} {
        ctx.walkStepMs = 0;  // turns back to back
        ctx.computerPauseMs = 0;
        RegisterScreens(ctx);
    }
    ~Game() {
        screens.unloadAll();
        settle();
    }
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Four players as the creation screen leaves them, ready for the board's first load.
    void newGameOfFour() {
        static constexpr int squares[4] = {0, 1, 21, 11};
        const QString names[4] = {QStringLiteral("Ana"), QStringLiteral("Bora"),
                                  QStringLiteral("Ceca"), QStringLiteral("Dule")};
        const QString weapons[4] = {QStringLiteral("sword"), QStringLiteral("axe"),
                                    QStringLiteral("dagger"), QStringLiteral("spear")};
        gs.goldToWin = 100;
        gs.playersInGame = 4;
        for (int k = 0; k < 4; ++k) {
            gs.playerName[k] = names[k];
            gs.playerSoundTheme[k] = QStringLiteral(KAVGALIJA_ASSETS_DIR "/zvuk/srpski");
            gs.playerPortrait[k] =
                QStringLiteral("\\lik%1.gif").arg(k * 3, 2, 10, QLatin1Char('0'));
            gs.playerHealth[k] = 10;
            gs.playerSquare[k] = squares[k];
            gs.playerWeapon[k] = weapons[k];
            gs.playerArmor[k] = k;
            gs.playerShield[k].clear();
            gs.playerGold[k] = 0;
            gs.playerSkipTurns[k] = 0;
        }
        gs.playerShield[1] = QStringLiteral("crveni stit");
        gs.playerShield[3] = QStringLiteral("plavi stit");
        gs.currentPlayer = 0;
        gs.fightOpen = 0;
        gs.newGame = 1;
    }

    GameState gs;
    Screens screens;
    Pictures pictures;
    QuickDialogs dialogs;
    SilentSound sound;
    ScriptedRandom random;
    NoQuit app;
    Context ctx;
};

}  // namespace bench
