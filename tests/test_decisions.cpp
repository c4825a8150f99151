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
    void rewards_data();
    void rewards();
    void fights_data();
    void fights();
    void spoils();
    void chanceToWin();
};

void DecisionsTest::rewards_data() {
    QTest::addColumn<int>("goal");
    QTest::addColumn<int>("gold");
    QTest::addColumn<QString>("weapon");
    QTest::addColumn<int>("lastPower");
    QTest::addColumn<QString>("shield");
    QTest::addColumn<int>("reward");
    QTest::addColumn<bool>("takes");
    const QString none;
    // A heap of 1..100 unseen coins: worth taking below 57 of 100, where its average worth
    // (gold above the goal counting only for what a thief would leave) beats the gold held.
    QTest::newRow("heap with nothing") << 100 << 0 << Items::SWORD << 2 << none << 5 << true;
    QTest::newRow("heap at 56 of 100") << 100 << 56 << Items::SWORD << 2 << none << 5 << true;
    QTest::newRow("heap at 57 of 100") << 100 << 57 << Items::SWORD << 2 << none << 5 << false;
    QTest::newRow("heap above the goal") << 100 << 130 << Items::SWORD << 2 << none << 5 << false;
    QTest::newRow("heap at 5 of 20") << 20 << 5 << Items::SWORD << 2 << none << 5 << true;
    QTest::newRow("heap at 6 of 20") << 20 << 6 << Items::SWORD << 2 << none << 5 << false;
    // Weapons by power; without a weapon the last one held still strikes.
    QTest::newRow("spear for a sword") << 100 << 0 << Items::SWORD << 2 << none << 4 << true;
    QTest::newRow("dagger for a sword") << 100 << 0 << Items::SWORD << 2 << none << 1 << false;
    QTest::newRow("sword for a sword") << 100 << 0 << Items::SWORD << 2 << none << 2 << false;
    QTest::newRow("sword, none held, axe before") << 100 << 0 << none << 3 << none << 2 << false;
    QTest::newRow("axe, none held, sword before") << 100 << 0 << none << 2 << none << 3 << true;
    // Armour never changes a blow.
    QTest::newRow("plate") << 100 << 0 << Items::SWORD << 2 << none << 9 << false;
    // Shields by the blows they stop: red 7 in 12, blue 1 in 3.
    QTest::newRow("blue with none") << 100 << 0 << Items::SWORD << 2 << none << 10 << true;
    QTest::newRow("red with blue")
        << 100 << 0 << Items::SWORD << 2 << Items::BLUE_SHIELD << 11 << true;
    QTest::newRow("blue with red")
        << 100 << 0 << Items::SWORD << 2 << Items::RED_SHIELD << 10 << false;
}

void DecisionsTest::rewards() {
    QFETCH(int, goal);
    QFETCH(int, gold);
    QFETCH(QString, weapon);
    QFETCH(int, lastPower);
    QFETCH(QString, shield);
    QFETCH(int, reward);
    QFETCH(bool, takes);
    GameState gs;
    gs.goldToWin = static_cast<int16_t>(goal);
    gs.playerGold[2] = gold;
    gs.playerWeapon[2] = weapon;
    gs.playerWeaponPower[2] = lastPower;
    gs.playerShield[2] = shield;
    QCOMPARE(TakeReward(gs, 2, reward), takes);
}

void DecisionsTest::fights_data() {
    QTest::addColumn<int>("mine");
    QTest::addColumn<int>("theirs");
    QTest::addColumn<int>("myHealth");
    QTest::addColumn<QString>("myWeapon");
    QTest::addColumn<QString>("myShield");
    QTest::addColumn<bool>("meNext");
    QTest::addColumn<bool>("strikes");
    const QString none;
    // Against a sword, 10 health, no shield. Striking next wins an even fight 51.7 % of the time.
    QTest::newRow("all to win, the poorer at even odds")
        << 40 << 60 << 10 << Items::SWORD << none << true << true;
    QTest::newRow("all to win, the richer at even odds")
        << 60 << 40 << 10 << Items::SWORD << none << true << false;
    QTest::newRow("holding the goal, sure to win")
        << 100 << 80 << 10 << Items::SPEAR << none << true << false;
    QTest::newRow("nothing to lose, hopeless")
        << 0 << 50 << 1 << Items::DAGGER << none << false << true;
    QTest::newRow("nothing to gain, nearly sure")
        << 50 << 0 << 10 << Items::SPEAR << none << true << false;
    QTest::newRow("both poor") << 0 << 0 << 10 << Items::SWORD << none << false << true;
    QTest::newRow("a red shield, struck first")
        << 30 << 30 << 10 << Items::SWORD << Items::RED_SHIELD << false << true;
    QTest::newRow("no shield against none, struck first")
        << 30 << 30 << 10 << Items::SWORD << none << false << false;
    QTest::newRow("worn down") << 20 << 20 << 3 << Items::SWORD << none << true << false;
}

void DecisionsTest::fights() {
    QFETCH(int, mine);
    QFETCH(int, theirs);
    QFETCH(int, myHealth);
    QFETCH(QString, myWeapon);
    QFETCH(QString, myShield);
    QFETCH(bool, meNext);
    QFETCH(bool, strikes);
    GameState gs = TwoFighters();
    gs.playerGold[0] = mine;
    gs.playerGold[1] = theirs;
    gs.playerHealth[0] = myHealth;
    gs.playerWeapon[0] = myWeapon;
    gs.playerShield[0] = myShield;
    QCOMPARE(StrikeOn(gs, 0, 1, meNext), strikes);
}

void DecisionsTest::spoils() {
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

void DecisionsTest::chanceToWin() {
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

QTEST_GUILESS_MAIN(DecisionsTest)
#include "test_decisions.moc"
