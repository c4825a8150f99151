// How the computer players choose, on the positions that decide games: plain functions of the
// record, without a window.
#include <QTest>

#include "computer/Decisions.h"
#include "state/Items.h"

using namespace Computer;

namespace {
// Two fighters of a new game: 10 health, swords, no shields, no gold; the goal 100.
GameState TwoFighters() {
    GameState gs;
    gs.goldToWin = 100;
    for (int p : {0, 1}) {
        gs.playerHealth[p] = 10;
        gs.playerWeapon[p] = Items::SWORD;
    }
    return gs;
}
}  // namespace

class DecisionsTest : public QObject {
    Q_OBJECT
private slots:
    void rewards() {
        struct Row {
            const char* name;
            int goal, gold;
            const char* weapon;
            int lastPower;
            const char* shield;
            int reward;
            bool takes;
        };
        const Row rows[] = {
            // A heap of 1..100 unseen coins: worth taking below 57 of 100, where its average
            // worth (gold above the goal counting only for what a thief would leave) beats the
            // gold held.
            {"heap with nothing", 100, 0, "sword", 2, "", 5, true},
            {"heap at 56 of 100", 100, 56, "sword", 2, "", 5, true},
            {"heap at 57 of 100", 100, 57, "sword", 2, "", 5, false},
            {"heap above the goal", 100, 130, "sword", 2, "", 5, false},
            {"heap at 5 of 20", 20, 5, "sword", 2, "", 5, true},
            {"heap at 6 of 20", 20, 6, "sword", 2, "", 5, false},
            // Weapons by power; without a weapon the last one held still strikes.
            {"spear for a sword", 100, 0, "sword", 2, "", 4, true},
            {"dagger for a sword", 100, 0, "sword", 2, "", 1, false},
            {"sword for a sword", 100, 0, "sword", 2, "", 2, false},
            {"sword, none held, axe before", 100, 0, "", 3, "", 2, false},
            {"axe, none held, sword before", 100, 0, "", 2, "", 3, true},
            // Armour never changes a blow.
            {"plate", 100, 0, "sword", 2, "", 9, false},
            // Shields by the blows they stop: red 7 in 12, blue 1 in 3.
            {"blue with none", 100, 0, "sword", 2, "", 10, true},
            {"red with blue", 100, 0, "sword", 2, "plavi stit", 11, true},
            {"blue with red", 100, 0, "sword", 2, "crveni stit", 10, false},
        };
        for (const Row& r : rows) {
            GameState gs;
            gs.goldToWin = static_cast<int16_t>(r.goal);
            gs.playerGold[2] = r.gold;
            gs.playerWeapon[2] = QString::fromLatin1(r.weapon);
            gs.playerWeaponPower[2] = r.lastPower;
            gs.playerShield[2] = QString::fromLatin1(r.shield);
            QVERIFY2(TakeReward(gs, 2, r.reward) == r.takes, r.name);
        }
    }

    void fights() {
        struct Row {
            const char* name;
            int mine, theirs, myHealth;
            const char *myWeapon, *myShield;
            bool meNext, strikes;
        };
        // Against a sword, 10 health, no shield. Striking next wins an even fight 51.7 % of
        // the time.
        const Row rows[] = {
            {"all to win, the poorer at even odds", 40, 60, 10, "sword", "", true, true},
            {"all to win, the richer at even odds", 60, 40, 10, "sword", "", true, false},
            {"holding the goal, sure to win", 100, 80, 10, "spear", "", true, false},
            {"nothing to lose, hopeless", 0, 50, 1, "dagger", "", false, true},
            {"nothing to gain, nearly sure", 50, 0, 10, "spear", "", true, false},
            {"both poor", 0, 0, 10, "sword", "", false, true},
            {"a red shield, struck first", 30, 30, 10, "sword", "crveni stit", false, true},
            {"no shield against none, struck first", 30, 30, 10, "sword", "", false, false},
            {"worn down", 20, 20, 3, "sword", "", true, false},
        };
        for (const Row& r : rows) {
            GameState gs = TwoFighters();
            gs.playerGold[0] = r.mine;
            gs.playerGold[1] = r.theirs;
            gs.playerHealth[0] = r.myHealth;
            gs.playerWeapon[0] = QString::fromLatin1(r.myWeapon);
            gs.playerShield[0] = QString::fromLatin1(r.myShield);
            QVERIFY2(StrikeOn(gs, 0, 1, r.meNext) == r.strikes, r.name);
        }
    }

    void spoils() {
        GameState gs = TwoFighters();
        gs.playerWeapon[1] = Items::AXE;
        gs.playerArmor[1] = 4;
        gs.playerShield[0] = Items::BLUE_SHIELD;
        gs.playerShield[1] = Items::RED_SHIELD;
        QVERIFY(TakeSpoil(gs, 0, 1, Spoil::Weapon));
        QVERIFY(!TakeSpoil(gs, 0, 1, Spoil::Armor));
        QVERIFY(TakeSpoil(gs, 0, 1, Spoil::Shield));
        // The other way round: a weaker weapon, a weaker shield, and no weapon at all are left.
        QVERIFY(!TakeSpoil(gs, 1, 0, Spoil::Weapon));
        QVERIFY(!TakeSpoil(gs, 1, 0, Spoil::Shield));
        gs.playerWeapon[1].clear();
        QVERIFY(!TakeSpoil(gs, 0, 1, Spoil::Weapon));
    }

    void chanceToWin() {
        QCOMPARE(HitChance(QString()), 15.0 / 36);
        QCOMPARE(BlockChance(Items::BLUE_SHIELD), 1.0 / 3);
        QCOMPARE(BlockChance(Items::RED_SHIELD), 7.0 / 12);
        // Health 1 each, daggers: each blow fells with 15/72; the first striker wins 24 in 43.
        const Fighter weak{1, 1, QString()};
        QVERIFY(qAbs(ChanceToWin(weak, weak, true) - 24.0 / 43) < 1e-12);
        // One of the two wins: the chances of both sides add up to 1, whoever strikes next.
        const Fighter a{7, 3, Items::BLUE_SHIELD};
        const Fighter b{10, 2, Items::RED_SHIELD};
        for (bool next : {true, false})
            QVERIFY(qAbs(ChanceToWin(a, b, next) + ChanceToWin(b, a, !next) - 1.0) < 1e-12);
        QCOMPARE(ChanceToWin({10, 0, QString()}, {10, 0, QString()}, true), 0.0);
    }
};

QTEST_GUILESS_MAIN(DecisionsTest)
#include "test_decisions.moc"
