#pragma once

// Opens each screen of the game in the middle of a four-player game, the way play reaches it,
// so tests can look over every window whatever the screen.

#include <QList>
#include <QWidget>

#include "platform/Screen.h"
#include "screens/borba/borba.h"
#include "support/TestGame.h"

namespace screen_tour {

// Four armed players on the board; nobody is about to win.
inline void setUpGame(TestGame& g) {
    const char* const names[4] = {"Ana", "Bora", "Ceca", "Dule"};
    const char* const weapons[4] = {"sword", "axe", "dagger", "spear"};
    const char* const shields[4] = {"", "crveni stit", "", "plavi stit"};
    const int squares[4] = {5, 5, 12, 20};
    GameState& gs = g.gs;
    for (int p = 0; p < GameState::MAX_PLAYERS; ++p) {
        gs.playerName[p] = QString::fromLatin1(names[p]);
        gs.playerPortrait[p] = QStringLiteral("\\lik%1.gif").arg(p + 3, 2, 10, QLatin1Char('0'));
        gs.playerPortraitNo[p] = p + 3;
        gs.playerSoundTheme[p] = g.ctx.appDir + QStringLiteral("\\zvuk\\srpski");
        gs.playerWeapon[p] = QString::fromLatin1(weapons[p]);
        gs.playerShield[p] = QString::fromLatin1(shields[p]);
        gs.playerArmor[p] = p + 1;
        gs.playerHealth[p] = 10;
        gs.playerSquare[p] = squares[p];
        gs.playerGold[p] = 7 * p;
    }
    gs.playersInGame = GameState::MAX_PLAYERS;
    gs.goldToWin = 100;
    gs.newGame = 1;
    // Plenty of middling dice for whatever the screens draw while they load.
    for (int i = 0; i < 200; ++i) g.random.pushDraw(0.5);
}

// Brings `id` up as the game would. The victory screen needs the mover to hold the winning gold;
// the fight opens from the board between the two players on square 5.
inline void open(TestGame& g, ScreenId id) {
    switch (id) {
        case ScreenId::borba:
            g.gs.currentPlayer = 0;
            g.gs.opponentIndex = 1;
            g.screens.show(ScreenId::Form1);
            borba::Open(g.ctx);
            break;
        case ScreenId::pobeda:
            g.gs.playerGold[g.gs.currentPlayer] = g.gs.goldToWin;
            g.screens.show(ScreenId::pobeda);
            break;
        case ScreenId::Form2:
            g.screens.show(ScreenId::Form2);
            break;
        default:
            // The other screens open over the title, as in play.
            g.screens.show(ScreenId::Form2);
            g.screens.show(id);
            break;
    }
}

// Every window that is up now.
inline QList<Screen*> visibleScreens(const TestGame& g) {
    QList<Screen*> up;
    for (ScreenId id : kAllScreens)
        if (g.screens.isVisible(id)) up << g.screens.loaded(id);
    return up;
}

}  // namespace screen_tour
