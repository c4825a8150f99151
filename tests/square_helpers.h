#pragma once

// Shared by the reward and danger square tests.

#include <QLabel>
#include <QTest>
#include <cmath>

#include "platform/Random.h"
#include "screens/Form1/Form1.h"
#include "support/TestGame.h"

// Four named players in the middle of a game; the mover stands on the square of the given kind.
inline void setUpSquareGame(GameState& gs, int mover, int square, const QString& kind) {
    for (int p = 0; p < GameState::MAX_PLAYERS; ++p) {
        gs.playerName[p] = QStringLiteral("Igrac %1").arg(p);
        gs.playerPortrait[p] = QStringLiteral("\\lik%1.gif").arg(p + 10);
        gs.playerSoundTheme[p] = QStringLiteral("/igra/zvuk/tema%1").arg(p);
        gs.playerSquare[p] = 3 * p + 1;
    }
    for (int i = 1; i < GameState::BOARD_SQUARES; ++i) gs.squareKind[i] = QStringLiteral("polje");
    gs.squareKind[square] = kind;
    gs.playerSquare[mover] = square;
    gs.currentPlayer = static_cast<int16_t>(mover);
    gs.goldToWin = 1000;  // nobody wins in the middle of these tests
}

// The turn is over: the square's screen is gone, the board is back naming the next player, and
// the square kept its kind.
inline void checkTurnEnded(TestGame& game, ScreenId square, int next, int at, const QString& kind) {
    QCOMPARE(int(game.gs.currentPlayer), next);
    QVERIFY(!game.screens.isLoaded(square));
    QVERIFY(game.screens.isVisible(ScreenId::Form1));
    QCOMPARE(game.screen<Form1>(ScreenId::Form1)->Label2->text(), game.gs.playerName[next]);
    QCOMPARE(game.gs.squareKind[at], kind);
    TestGame::settle();
}

// The square screen T alone with the real dice: a screen service of its own, wired to a
// StdRandom, without the board (thousands of boards would take minutes). The headless platform's
// complaint about raise() on every window shown is kept out of the log meanwhile.
template <typename T>
struct RealDiceGame {
    explicit RealDiceGame(ScreenId id) {
        screens.registerScreen(id, [this] { return new T(ctx); });
    }
    ~RealDiceGame() {
        screens.unloadAll();
        TestGame::settle();
    }
    RealDiceGame(const RealDiceGame&) = delete;
    RealDiceGame& operator=(const RealDiceGame&) = delete;

    struct QuietAboutRaise {
        QuietAboutRaise() { previous() = qInstallMessageHandler(&handle); }
        ~QuietAboutRaise() { qInstallMessageHandler(previous()); }
        static QtMessageHandler& previous() {
            static QtMessageHandler handler = nullptr;
            return handler;
        }
        static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.contains(QStringLiteral("does not support raise()")))
                previous()(type, context, text);
        }
    };

    TestGame game;
    StdRandom dice;
    Screens screens;
    Context ctx{game.gs,    screens, game.pictures, game.dialogs,
                game.sound, dice,    game.app,      game.ctx.appDir};
    QuietAboutRaise quiet;
};

// A count of outcomes with chance p in n visits is binomial; six standard deviations either way
// is missed by a fair generator about once in 10^8 runs.
inline bool withinSixSigma(int count, int n, double p) {
    return std::abs(count - n * p) <= 6 * std::sqrt(n * p * (1 - p));
}
