// How a fight ends: a retreat, a fall of either side, and closing the window.

#include <QtTest>

#include "fight_support.h"

using namespace fight_test;

namespace {
QString coward() {
    return QStringLiteral(KAVGALIJA_ASSETS_DIR "\\zvuk\\american\\coward.wav");
}

// Everything a fight must leave alone when nobody falls.
struct Gear {
    std::array<int, 4> health, gold, armor;
    std::array<QString, 4> weapon, shield;
    static Gear of(const GameState& gs) {
        return {gs.playerHealth, gs.playerGold, gs.playerArmor, gs.playerWeapon, gs.playerShield};
    }
    bool operator==(const Gear&) const = default;
};

void expectBoardBack(TestGame& g) {
    QVERIFY(g.screens.isVisible(ScreenId::Form1));
    QVERIFY(!g.screens.isLoaded(ScreenId::borba));
    QCOMPARE(g.gs.fightOpen, 0);
    TestGame::settle();
}
}  // namespace

class TestFightEndings : public QObject {
    Q_OBJECT

private slots:
    void leftRetreatWrapsRoundTheRingWithTheCowardSound();
    void rightRetreatIsSilent();
    void rightFighterFallsAndTheWinnerTakesAll();
    void leftFighterFallsAndOnlyAPlainDaTakes();
    void loserWithoutWeaponStillOffersIt();
    void closingTheWindowIsARetreatOfTheFighterToAct();
};

void TestFightEndings::leftRetreatWrapsRoundTheRingWithTheCowardSound() {
    TestGame g;
    setUpPlayers(g.gs);
    g.gs.playerSquare[3] = 3;
    g.gs.playerSquare[1] = 3;
    g.gs.playerHealth[3] = 4;
    borba* f = openFight(g, 3, 1);
    const Gear before = Gear::of(g.gs);

    g.random.pushRoll(6, 6);
    QTest::mouseClick(f->Command2, Qt::LeftButton);
    QCOMPARE(g.dialogs.messages, QStringList{QStringLiteral("Dule je pobegao!!!")});
    QCOMPARE(g.sound.played.size(), 1);
    QCOMPARE(g.sound.played.first().path, coward());
    QCOMPARE(g.sound.played.first().mode, Sound::Mode::Async);
    QCOMPARE(g.gs.playerSquare[3], 27);
    QCOMPARE(g.gs.playerSquare[1], 3);
    QCOMPARE(g.gs.currentPlayer, 0);
    QVERIFY(Gear::of(g.gs) == before);
    QVERIFY(g.random.draws.isEmpty());
    expectBoardBack(g);
}

void TestFightEndings::rightRetreatIsSilent() {
    TestGame g;
    setUpPlayers(g.gs);
    g.gs.playerShield[0] = QStringLiteral("plavi stit");
    g.gs.playerSquare[1] = 0;
    g.gs.playerSquare[0] = 0;
    borba* f = openFight(g, 1, 0);

    // Bora strikes Ana first, then Ana (on the right) runs.
    pushBlow(g.random, {.pick = 1,
                        .strike = 6,
                        .guard = 1,
                        .shieldFaces = 3,
                        .shield = 1,
                        .power = 3,
                        .damage = 2});
    g.random.pushRoll(1, 10);
    g.random.pushRoll(1, 5);
    f->Command1_Click();
    g.sound.played.clear();
    const Gear before = Gear::of(g.gs);
    QCOMPARE(before.health[0], 8);

    g.random.pushRoll(1, 6);
    QTest::mouseClick(f->Command4, Qt::LeftButton);
    QCOMPARE(g.dialogs.messages.last(), QStringLiteral("Ana je pobegao!!!"));
    QVERIFY(g.sound.played.isEmpty());
    QCOMPARE(g.gs.playerSquare[0], 29);
    QCOMPARE(g.gs.playerSquare[1], 0);
    QCOMPARE(g.gs.currentPlayer, 2);
    QVERIFY(Gear::of(g.gs) == before);
    expectBoardBack(g);
}

void TestFightEndings::rightFighterFallsAndTheWinnerTakesAll() {
    TestGame g;
    setUpPlayers(g.gs);
    g.gs.playerHealth[0] = 3;  // the winner keeps what the fight left
    g.gs.playerHealth[1] = 2;
    g.gs.playerGold[0] = 5;
    g.gs.playerGold[1] = 7;
    g.gs.playerWeapon[0] = QStringLiteral("spear");
    g.gs.playerSquare[0] = 12;
    g.gs.playerSquare[1] = 12;
    borba* f = openFight(g, 0, 1);

    QStringList healthAtMessage;
    g.dialogs.onMessage = [&](const QString&) { healthAtMessage.append(f->Label4->text()); };
    g.dialogs.answers.append(
        QStringList{QStringLiteral("da"), QStringLiteral("da"), QStringLiteral("da")});
    pushBlow(g.random, {.pick = 1,
                        .strike = 6,
                        .guard = 1,
                        .shieldFaces = 6,
                        .shield = 2,
                        .power = 4,
                        .damage = 4});
    g.random.pushRoll(1, 10);
    g.random.pushRoll(1, 5);
    f->Command1_Click();

    QCOMPARE(g.dialogs.messages, (QStringList{QStringLiteral("Ana udara!4 ostecenja!"),
                                              QStringLiteral("Ana je pobedio!!"),
                                              QStringLiteral("Ana dobija 7 zlatnika.")}));
    // -2 is never shown: the old health until the fall is told, then "0".
    QCOMPARE(healthAtMessage,
             (QStringList{QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("0")}));
    QCOMPARE(g.dialogs.inputPrompts,
             (QStringList{QStringLiteral("Da li zelite da uzmete i axe?"),
                          QStringLiteral("Da li zelite da uzmete i protivnikov oklop?"),
                          QStringLiteral("Da li zelite da uzmete i crveni stit?")}));
    QCOMPARE(g.sound.played.last().path, theme(0) + QStringLiteral("\\victory.wav"));
    QCOMPARE(g.sound.played.last().mode, Sound::Mode::Async);

    QCOMPARE(g.gs.playerWeapon[0], QStringLiteral("axe"));
    QCOMPARE(g.gs.playerArmor[0], 1);
    QCOMPARE(g.gs.playerShield[0], QStringLiteral("crveni stit"));
    QCOMPARE(g.gs.playerGold[0], 12);
    QCOMPARE(g.gs.playerHealth[0], 3);
    QCOMPARE(g.gs.playerSquare[0], 12);

    QCOMPARE(g.gs.playerWeapon[1], QString());
    QCOMPARE(g.gs.playerGold[1], 0);
    QCOMPARE(g.gs.playerSquare[1], 0);
    QCOMPARE(g.gs.playerHealth[1], 10);
    QCOMPARE(g.gs.playerArmor[1], 0);
    QCOMPARE(g.gs.playerShield[1], QString());
    QCOMPARE(g.gs.currentPlayer, 1);
    QVERIFY(g.random.draws.isEmpty());
    expectBoardBack(g);
}

void TestFightEndings::leftFighterFallsAndOnlyAPlainDaTakes() {
    TestGame g;
    setUpPlayers(g.gs);
    g.gs.playerHealth[3] = 1;
    g.gs.playerGold[2] = 0;
    g.gs.playerShield[2].clear();
    borba* f = openFight(g, 3, 2);  // Dule moves onto Ceca

    pushBlow(g.random, {.pick = 1, .strike = 1, .guard = 2, .power = 4, .damage = 3});
    g.random.pushRoll(1, 10);
    f->Command1_Click();  // a miss
    g.dialogs.messages.clear();

    g.dialogs.answers.append(QStringList{QStringLiteral("Da"), QStringLiteral(" da"), QString()});
    // Dule's blue shield lets the 4 through.
    pushBlow(g.random, {.pick = 2,
                        .strike = 4,
                        .guard = 3,
                        .shieldFaces = 3,
                        .shield = 3,
                        .power = 1,
                        .damage = 1});
    g.random.pushRoll(5, 10);
    g.random.pushRoll(3, 5);
    f->Command3_Click();

    QCOMPARE(g.dialogs.messages, (QStringList{QStringLiteral("Ceca udara!1 ostecenja!"),
                                              QStringLiteral("Ceca je pobedio!!"),
                                              QStringLiteral("Ceca dobija 30 zlatnika.")}));
    QCOMPARE(g.dialogs.inputPrompts,
             (QStringList{QStringLiteral("Da li zelite da uzmete i spear?"),
                          QStringLiteral("Da li zelite da uzmete i protivnikov oklop?"),
                          QStringLiteral("Da li zelite da uzmete i plavi stit?")}));
    QCOMPARE(g.sound.played.last().path, theme(2) + QStringLiteral("\\victory.wav"));
    QCOMPARE(g.gs.playerWeapon[2], QStringLiteral("dagger"));
    QCOMPARE(g.gs.playerArmor[2], 2);
    QCOMPARE(g.gs.playerShield[2], QString());
    QCOMPARE(g.gs.playerGold[2], 30);
    QCOMPARE(g.gs.playerHealth[2], 10);
    QCOMPARE(g.gs.playerSquare[2], 21);
    QCOMPARE(g.gs.playerHealth[3], 10);
    QCOMPARE(g.gs.playerSquare[3], 0);
    QCOMPARE(g.gs.playerWeapon[3], QString());
    QCOMPARE(g.gs.playerShield[3], QString());
    QCOMPARE(g.gs.currentPlayer, 0);  // 3 -> 0
    expectBoardBack(g);
}

void TestFightEndings::loserWithoutWeaponStillOffersIt() {
    TestGame g;
    setUpPlayers(g.gs);
    g.gs.playerWeapon[1].clear();
    g.gs.playerShield[1].clear();
    g.gs.playerGold[1] = 0;
    g.gs.playerArmor[1] = 0;
    g.gs.playerArmor[0] = 4;
    g.gs.playerHealth[1] = 1;
    borba* f = openFight(g, 0, 1);

    g.dialogs.answers.append(QStringList{QStringLiteral("da"), QStringLiteral("da")});
    pushBlow(g.random, {.pick = 1, .strike = 2, .guard = 1, .power = 2, .damage = 2});
    g.random.pushRoll(1, 10);
    g.random.pushRoll(1, 5);
    f->Command1_Click();
    QCOMPARE(g.dialogs.messages.last(), QStringLiteral("Ana dobija 0 zlatnika."));
    QCOMPARE(g.dialogs.inputPrompts,
             (QStringList{QStringLiteral("Da li zelite da uzmete i ?"),
                          QStringLiteral("Da li zelite da uzmete i protivnikov oklop?")}));
    // Taking "nothing" leaves the winner unarmed, and the plain suit replaces the plate.
    QCOMPARE(g.gs.playerWeapon[0], QString());
    QCOMPARE(g.gs.playerArmor[0], 0);
    QCOMPARE(g.gs.playerGold[0], 0);
    expectBoardBack(g);

    // A cancelled box takes nothing either.
    TestGame h;
    setUpPlayers(h.gs);
    h.gs.playerHealth[1] = 1;
    borba* f2 = openFight(h, 0, 1);
    h.dialogs.answers.append(QStringList{QString(), QString(), QString()});
    pushBlow(h.random, {.pick = 1,
                        .strike = 2,
                        .guard = 1,
                        .shieldFaces = 6,
                        .shield = 1,
                        .power = 2,
                        .damage = 2});
    h.random.pushRoll(1, 10);
    h.random.pushRoll(1, 5);
    f2->Command1_Click();
    QCOMPARE(h.dialogs.inputPrompts.size(), 3);
    QCOMPARE(h.gs.playerWeapon[0], QStringLiteral("sword"));
    QCOMPARE(h.gs.playerShield[0], QString());
    QCOMPARE(h.gs.playerShield[1], QString());
}

void TestFightEndings::closingTheWindowIsARetreatOfTheFighterToAct() {
    // Before the first blow it is the mover's turn: the mover flees, jeered.
    TestGame g;
    setUpPlayers(g.gs);
    borba* f = openFight(g, 0, 1);
    g.random.pushRoll(2, 6);
    f->close();
    QCOMPARE(g.dialogs.messages, QStringList{QStringLiteral("Ana je pobegao!!!")});
    QCOMPARE(g.sound.paths(), QStringList{coward()});
    QCOMPARE(g.gs.playerSquare[0], 3);
    QCOMPARE(g.gs.currentPlayer, 1);
    expectBoardBack(g);

    // After the mover's blow it is the other fighter's turn: that one flees, silently.
    TestGame h;
    setUpPlayers(h.gs);
    h.gs.playerShield[1].clear();
    f = openFight(h, 0, 1);
    pushBlow(h.random, {.pick = 1, .strike = 1, .guard = 2, .power = 2, .damage = 0});
    h.random.pushRoll(1, 10);
    f->Command1_Click();
    h.sound.played.clear();
    h.random.pushRoll(4, 6);
    f->close();
    QCOMPARE(h.dialogs.messages.last(), QStringLiteral("Bora je pobegao!!!"));
    QVERIFY(h.sound.played.isEmpty());
    QCOMPARE(h.gs.playerSquare[1], 1);
    QCOMPARE(h.gs.playerSquare[0], 5);
    expectBoardBack(h);
}

QTEST_MAIN(TestFightEndings)
#include "test_fight_endings.moc"
