#pragma once

// Shared set-up of the fight tests: four armed players and a fight opened the way the board's
// roll opens one.

#include <QLabel>
#include <QPushButton>

#include "platform/PictureBox.h"
#include "screens/borba/borba.h"
#include "support/TestGame.h"

namespace fight_test {

inline QString theme(int slot) {
    return QStringLiteral("/themes/t%1").arg(slot);
}

// Slots 0..3 as a new game leaves them, with names, themes, portraits and a little gold.
inline void setUpPlayers(GameState& gs) {
    const QString names[4] = {QStringLiteral("Ana"), QStringLiteral("Bora"), QStringLiteral("Ceca"),
                              QStringLiteral("Dule")};
    const QString weapons[4] = {QStringLiteral("sword"), QStringLiteral("axe"),
                                QStringLiteral("dagger"), QStringLiteral("spear")};
    const QString shields[4] = {QString(), QStringLiteral("crveni stit"), QString(),
                                QStringLiteral("plavi stit")};
    const int squares[4] = {5, 5, 21, 11};
    gs.goldToWin = 100;
    for (int p = 0; p < 4; ++p) {
        gs.playerName[p] = names[p];
        gs.playerSoundTheme[p] = theme(p);
        gs.playerPortrait[p] = QStringLiteral("\\lik%1.gif").arg(p + 2, 2, 10, QLatin1Char('0'));
        gs.playerWeapon[p] = weapons[p];
        gs.playerArmor[p] = p;
        gs.playerShield[p] = shields[p];
        gs.playerHealth[p] = 10;
        gs.playerSquare[p] = squares[p];
        gs.playerGold[p] = 10 * p;
    }
}

// The board is up, then its roll meets `met`: the fight opens over background `background`.
inline borba* openFight(TestGame& g, int mover, int met, int background = 7) {
    g.gs.currentPlayer = static_cast<int16_t>(mover);
    g.gs.opponentIndex = met;
    g.screens.show(ScreenId::Form1);
    g.random.pushRoll(background, 15);
    borba::Open(g.ctx);
    return g.screen<borba>(ScreenId::borba);
}

// The draws of one blow, in the order the blow makes them. shieldFaces 0: the defender has no
// shield; damage < 0: no damage draw (a blocked blow).
struct Blow {
    int pick = 1;
    int strike = 1;
    int guard = 1;
    int shieldFaces = 0;
    int shield = 0;
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
