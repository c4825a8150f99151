#pragma once

// Shared set-up of the fight tests: four armed players and a fight opened the way the board's
// roll opens one.

#include <QLabel>
#include <QPushButton>

#include "game/Duel.h"
#include "screens/Flow.h"
#include "platform/PictureBox.h"
#include "screens/borba/borba.h"
#include "support/TestGame.h"

namespace fight_test {

inline QString theme(int slot) {
    return QStringLiteral("/themes/t%1").arg(slot);
}

// Ana (sword, no armour, no shield, 0 coins, square 5), Bora (axe, robe, red shield, 10, 5),
// Ceca (dagger, leather, no shield, 20, 21), Dule (spear, chainmail, blue shield, 30, 11).
inline void setUpPlayers(GameState& gs) {
    const QStringList names = {"Ana", "Bora", "Ceca", "Dule"};
    const QStringList weapons = {"sword", "axe", "dagger", "spear"};
    const QStringList shields = {"", "crveni stit", "", "plavi stit"};
    gs.goldToWin = 100;
    gs.playerSquare = {5, 5, 21, 11};
    for (int p = 0; p < 4; ++p) {
        gs.playerName[p] = names[p];
        gs.playerSoundTheme[p] = theme(p);
        gs.playerPortrait[p] = QStringLiteral("\\lik%1.gif").arg(p + 2, 2, 10, QLatin1Char('0'));
        gs.playerWeapon[p] = weapons[p];
        gs.playerShield[p] = shields[p];
        gs.playerArmor[p] = p;
        gs.playerHealth[p] = 10;
        gs.playerGold[p] = 10 * p;
    }
}

// The board is up, then its roll meets `met`: the fight opens over background `background`.
inline borba* openFight(TestGame& g, int mover, int met, int background = 7) {
    g.gs.currentPlayer = static_cast<int16_t>(mover);
    g.gs.opponentIndex = met;
    g.screens.show(ScreenId::Form1);
    g.random.pushRoll(background, 15);
    Game::OpenFight(g.gs, g.random);
    Flow::Landed(g.ctx);
    return g.screen<borba>(ScreenId::borba);
}

// The draws of one blow, in the order the blow makes them. shieldFaces 0: the defender has no
// shield; damage < 0: no damage draw (a blocked blow).
struct Blow {
    int pick = 1, strike = 1, guard = 1, shieldFaces = 0, shield = 0;
    int power = 0;  // striker's weapon power, for the damage draw
    int damage = 0;
};
inline void pushBlow(FakeRandom& r, const Blow& b) {
    r.pushRoll(b.pick, 3);
    r.pushRoll(b.strike, 6);
    r.pushRoll(b.guard, 6);
    if (b.shieldFaces > 0) r.pushRoll(b.shield, b.shieldFaces);
    if (b.damage >= 0) r.pushRoll(b.damage + 1, b.power + 1);
}

}  // namespace fight_test
