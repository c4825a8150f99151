#include "Core.h"

using namespace Qt::StringLiterals;

double FakeRandom::draw() {
    if (!draws.isEmpty()) return draws.dequeue();
    if (afterScript) return std::uniform_real_distribution<double>(0.0, 1.0)(*afterScript);
    QTest::qFail("the game drew more random numbers than the test scripted", __FILE__, __LINE__);
    return 0.0;
}

void pushBlow(FakeRandom& r, const BlowDice& b) {
    r.pushRoll(b.cry, 3);
    r.pushRoll(b.strike, 6);
    r.pushRoll(b.guard, 6);
    if (b.shieldFaces > 0) r.pushRoll(b.shield, b.shieldFaces);
    if (b.damage >= 0) r.pushRoll(b.damage + 1, b.power + 1);
}

void pushMiss(FakeRandom& r, bool defenderHasShield) {
    pushBlow(r, {1, 2, 3, defenderHasShield ? 6 : 0, 1, 0, 0});
    r.pushRoll(1, 10);
}

void seatPlayers(GameState& gs, const QList<Seat>& seats, const QString& theme) {
    for (int k = 0; k < seats.size(); ++k) {
        const Seat& s = seats[k];
        gs.playerName[k] = s.name;
        gs.playerWeapon[k] = s.weapon;
        gs.playerArmor[k] = s.armor;
        gs.playerShield[k] = s.shield;
        gs.playerGold[k] = s.gold;
        gs.playerSquare[k] = s.square;
        gs.playerPortraitNo[k] = s.portrait;
        gs.playerPortrait[k] =
            QStringLiteral("\\lik%1.gif").arg(s.portrait, 2, 10, QLatin1Char('0'));
        gs.playerSoundTheme[k] = theme.contains(QLatin1String("%1")) ? theme.arg(k) : theme;
        gs.playerHealth[k] = 10;
        gs.playerSkipTurns[k] = 0;
        gs.playerComputer[k] = false;
    }
    gs.playersInGame = int(seats.size());
    gs.creatingPlayer = static_cast<int16_t>(seats.size() - 1);
    gs.goldToWin = 100;
    gs.currentPlayer = 0;
    gs.fightOpen = 0;
    gs.newGame = 1;
}

void newGameOfFour(GameState& gs, const QString& theme) {
    seatPlayers(gs,
                {{u"Ana"_s, u"sword"_s, 0, {}, 0, 0, 0},
                 {u"Bora"_s, u"axe"_s, 1, u"crveni stit"_s, 0, 1, 3},
                 {u"Ceca"_s, u"dagger"_s, 2, {}, 0, 21, 6},
                 {u"Dule"_s, u"spear"_s, 3, u"plavi stit"_s, 0, 11, 9}},
                theme);
}

QString said(const Game::Events& events) {
    static const char* const kinds[] = {
        "BoardGenerated", "ToMove",       "TurnLost",  "Victory",     "Rolled",      "Met",
        "RewardOffered",  "MishapStruck", "CoinFound", "PlainSquare", "RewardTaken", "RewardLeft",
        "FightOpened",    "Struck",       "Fell",      "SpoilTaken",  "SpoilLeft",   "FightWon",
        "Retreated"};
    QStringList out;
    for (const Game::Event& e : events)
        out << (u"%1 %2 %3 %4 %5 "_s.arg(QLatin1String(kinds[int(e.kind)]))
                    .arg(e.player)
                    .arg(e.other)
                    .arg(e.amount)
                    .arg(e.number) +
                e.item)
                   .trimmed();
    return out.join(u", "_s);
}
