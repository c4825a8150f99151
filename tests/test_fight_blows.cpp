// The fight screen's set-up and the blows of both fighters.

#include <QtTest>

#include "fight_support.h"

using namespace fight_test;

class TestFightBlows : public QObject {
    Q_OBJECT

private slots:
    void openingShowsBothFightersAndGivesTheMoverTheFirstBlow();
    void weaponPowersAreRefreshedForAllFourPlayers();
    void fighterWithoutWeaponOrShield();
    void backgroundIsDrawnOncePerFight();
    void leftHitDrawsInOrderAndPassesTheInitiative();
    void rightBlowWaitsForItsOwnCryAndIsBlockedByTheLeftShield();
    void hitForNothingMissAndParry();
};

void TestFightBlows::openingShowsBothFightersAndGivesTheMoverTheFirstBlow() {
    TestGame g;
    setUpPlayers(g.gs);
    g.gs.playerName[0] = QStringLiteral("<b>Ana</b>");
    borba* f = openFight(g, 0, 1, 7);
    QVERIFY(f);

    QCOMPARE(f->windowTitle(), QStringLiteral("Borba"));
    QVERIFY(g.screens.isVisible(ScreenId::borba));
    QVERIFY(!g.screens.isLoaded(ScreenId::Form1));
    QCOMPARE(g.random.drawCount, 1);
    QCOMPARE(g.gs.backgroundNumber, 7);
    QCOMPARE(g.gs.backgroundName, QStringLiteral("7"));
    QCOMPARE(f->pozadina->fileName(), QStringLiteral("pozadine/7.jpg"));
    QCOMPARE(g.gs.fightOpen, 1);

    QCOMPARE(f->Label5->text(), QStringLiteral("<b>Ana</b>"));
    QCOMPARE(f->Label5->textFormat(), Qt::PlainText);
    QCOMPARE(f->Label6->text(), QStringLiteral("Bora"));
    QCOMPARE(f->Label2->text(), QStringLiteral("10"));
    QCOMPARE(f->Label4->text(), QStringLiteral("10"));
    QCOMPARE(f->Label1->text(), QStringLiteral("Zdravlje"));
    QCOMPARE(f->Label3->text(), QStringLiteral("Zdravlje"));
    QCOMPARE(f->Label7->text(), QStringLiteral("Protiv"));
    for (QLabel* l : {f->Label2, f->Label4, f->Label6, f->Label8})
        QCOMPARE(l->textFormat(), Qt::PlainText);

    QCOMPARE(f->Image1->fileName(), QStringLiteral("noarmor.gif"));
    QCOMPARE(f->Image2->fileName(), QStringLiteral("robe.gif"));
    QCOMPARE(f->Image3->fileName(), QStringLiteral("lik02.gif"));
    QCOMPARE(f->Image4->fileName(), QStringLiteral("lik03.gif"));
    QCOMPARE(f->Image5->fileName(), QStringLiteral("sword.gif"));
    QCOMPARE(f->Image6->fileName(), QStringLiteral("axe.gif"));
    QCOMPARE(f->Image7->fileName(), QStringLiteral("providno.gif"));
    QCOMPARE(f->Image8->fileName(), QStringLiteral("crvenistit.gif"));

    QCOMPARE(f->Label8->text(), QString());
    QCOMPARE(f->oblak->fileName(), QStringLiteral("providno.gif"));
    QVERIFY(f->Command1->isEnabled());
    QVERIFY(f->Command2->isEnabled());
    QVERIFY(!f->Command3->isEnabled());
    QVERIFY(f->Command4->isEnabled());
    QCOMPARE(f->Command1->text(), QStringLiteral("Udri"));
    QCOMPARE(f->Command4->text(), QStringLiteral("Povlacenje"));
    QVERIFY(!f->Timer1.isActive());
    QVERIFY(g.sound.played.isEmpty());
    QVERIFY(g.dialogs.messages.isEmpty());
}

void TestFightBlows::weaponPowersAreRefreshedForAllFourPlayers() {
    TestGame g;
    setUpPlayers(g.gs);
    g.gs.playerWeaponPower = {0, 0, 0, 0};
    g.gs.playerWeapon[2].clear();
    g.gs.playerWeaponPower[2] = 3;  // last held an axe
    g.gs.playerWeapon[3] = QStringLiteral("Spear");
    g.gs.playerWeaponPower[3] = 1;  // not a weapon name: kept
    openFight(g, 1, 0);
    QCOMPARE(g.gs.playerWeaponPower[0], 2);
    QCOMPARE(g.gs.playerWeaponPower[1], 3);
    QCOMPARE(g.gs.playerWeaponPower[2], 3);
    QCOMPARE(g.gs.playerWeaponPower[3], 1);

    // A weapon picked up since then counts at the next refresh, even for a slot not fighting.
    g.gs.playerWeapon[2] = QStringLiteral("dagger");
    g.gs.playerWeapon[3] = QStringLiteral("spear");
    g.screen<borba>(ScreenId::borba)->Form_Load();
    QCOMPARE(g.gs.playerWeaponPower[2], 1);
    QCOMPARE(g.gs.playerWeaponPower[3], 4);
}

void TestFightBlows::fighterWithoutWeaponOrShield() {
    TestGame g;
    setUpPlayers(g.gs);
    g.gs.playerWeapon[2].clear();  // broken on a danger square after holding a spear
    g.gs.playerWeaponPower[2] = 4;
    g.gs.playerArmor[2] = 0;
    borba* f = openFight(g, 2, 0);
    QCOMPARE(f->Image5->fileName(), QString());
    QCOMPARE(f->Image7->fileName(), QStringLiteral("providno.gif"));
    QCOMPARE(f->Image1->fileName(), QStringLiteral("noarmor.gif"));
    QCOMPARE(f->Image6->fileName(), QStringLiteral("sword.gif"));

    // The power of the weapon last held still wounds.
    pushBlow(g.random, {.pick = 1, .strike = 6, .guard = 1, .power = 4, .damage = 4});
    g.random.pushRoll(1, 10);
    g.random.pushRoll(1, 5);
    f->Command1_Click();
    QCOMPARE(g.dialogs.messages.last(), QStringLiteral("Ceca udara!4 ostecenja!"));
    QCOMPARE(g.gs.playerHealth[0], 6);

    // A striker who never held a weapon does no damage, even with the highest draw.
    TestGame h;
    setUpPlayers(h.gs);
    h.gs.playerWeapon[0].clear();
    borba* f2 = openFight(h, 0, 2);
    pushBlow(h.random, {.pick = 1, .strike = 6, .guard = 1});
    h.random.draws.last() = 0.999;
    h.random.pushRoll(1, 10);
    h.random.pushRoll(1, 5);
    f2->Command1_Click();
    QCOMPARE(h.dialogs.messages.last(), QStringLiteral("Ana udara!0 ostecenja!"));
    QCOMPARE(h.gs.playerHealth[2], 10);
}

void TestFightBlows::backgroundIsDrawnOncePerFight() {
    TestGame g;
    setUpPlayers(g.gs);
    g.gs.playerShield[1].clear();
    g.random.pushDraw(0.0);
    g.gs.opponentIndex = 1;
    g.screens.show(ScreenId::Form1);
    borba::Open(g.ctx);
    borba* f = g.screen<borba>(ScreenId::borba);
    QCOMPARE(f->pozadina->fileName(), QStringLiteral("pozadine/1.jpg"));

    // Later refreshes of the same fight keep it and draw nothing for it.
    pushBlow(g.random, {.pick = 1, .strike = 1, .guard = 6, .power = 2, .damage = 0});
    g.random.pushRoll(1, 10);
    f->Command1_Click();
    QVERIFY(g.random.draws.isEmpty());
    f->Form_Load();
    QCOMPARE(g.gs.backgroundNumber, 1);
    QCOMPARE(f->pozadina->fileName(), QStringLiteral("pozadine/1.jpg"));

    // A new fight draws a new one, up to 15.
    g.random.pushRoll(2, 6);
    f->Command4_Click();
    TestGame::settle();
    g.gs.opponentIndex = 0;
    g.random.pushDraw(0.9999);
    borba::Open(g.ctx);
    QCOMPARE(g.screen<borba>(ScreenId::borba)->pozadina->fileName(),
             QStringLiteral("pozadine/15.jpg"));
    QCOMPARE(g.gs.backgroundName, QStringLiteral("15"));
}

void TestFightBlows::leftHitDrawsInOrderAndPassesTheInitiative() {
    TestGame g;
    setUpPlayers(g.gs);
    borba* f = openFight(g, 0, 1);
    int shieldAtMessage = -1;
    g.dialogs.onMessage = [&](const QString&) { shieldAtMessage = g.gs.shieldRoll; };
    // Sword against the red shield, which shows 4 against a 5.
    pushBlow(g.random, {.pick = 2,
                        .strike = 5,
                        .guard = 2,
                        .shieldFaces = 6,
                        .shield = 4,
                        .power = 2,
                        .damage = 2});
    g.random.pushRoll(3, 10);
    g.random.pushRoll(2, 5);
    f->Command1_Click();

    QCOMPARE(g.random.drawCount, 1 + 5 + 2);
    QCOMPARE(g.gs.attackSoundPick, 2);
    QCOMPARE(g.gs.strikeRoll, 5);
    QCOMPARE(g.gs.guardRoll, 2);
    QCOMPARE(shieldAtMessage, 4);
    QCOMPARE(g.gs.shieldRoll, 0);  // reset by the refresh after the blow
    QCOMPARE(g.gs.blowDamage, 2);
    QCOMPARE(g.dialogs.messages, QStringList{QStringLiteral("Ana udara!2 ostecenja!")});
    QCOMPARE(g.gs.playerHealth[1], 8);
    QCOMPARE(g.gs.playerHealth[0], 10);
    QCOMPARE(f->Label4->text(), QStringLiteral("8"));
    QCOMPARE(g.sound.played.first().path, theme(0) + QStringLiteral("\\fireball.wav"));
    QCOMPARE(g.sound.played.first().mode, Sound::Mode::Async);

    QVERIFY(!f->Command1->isEnabled());
    QVERIFY(!f->Command2->isEnabled());
    QVERIFY(f->Command3->isEnabled());
    QVERIFY(f->Command4->isEnabled());
}

void TestFightBlows::rightBlowWaitsForItsOwnCryAndIsBlockedByTheLeftShield() {
    TestGame g;
    setUpPlayers(g.gs);
    g.gs.playerShield[0] = QStringLiteral("plavi stit");
    borba* f = openFight(g, 0, 1);
    pushBlow(g.random,
             {.pick = 1, .strike = 1, .guard = 6, .shieldFaces = 6, .shield = 1, .damage = -1});
    g.random.pushRoll(1, 10);
    g.random.pushRoll(1, 3);
    f->Command1_Click();  // Bora's red shield stops it
    QVERIFY(g.random.draws.isEmpty());
    g.sound.played.clear();
    g.dialogs.messages.clear();

    g.random.pushRoll(3, 3);
    g.random.pushRoll(2, 6);
    g.random.pushRoll(6, 6);
    g.random.pushRoll(3, 3);  // blue shield: 3 faces
    g.random.pushRoll(4, 10);
    g.random.pushRoll(1, 3);
    const int before = g.random.drawCount;
    f->Command3_Click();

    QCOMPARE(g.gs.attackSoundPick2, 3);
    QCOMPARE(g.sound.played.first().path, theme(1) + QStringLiteral("\\WATCHTHIS.wav"));
    QCOMPARE(g.sound.played.first().mode, Sound::Mode::Sync);
    QCOMPARE(g.dialogs.messages, QStringList{QStringLiteral("Ana se odbranio shtitom!")});
    QCOMPARE(g.random.drawCount - before, 6);  // no damage drawn for a blocked blow
    QCOMPARE(g.gs.playerHealth[0], 10);
    QVERIFY(f->Command1->isEnabled());
    QVERIFY(f->Command2->isEnabled());
    QVERIFY(!f->Command3->isEnabled());
    QVERIFY(!f->Command4->isEnabled());
}

void TestFightBlows::hitForNothingMissAndParry() {
    TestGame g;
    setUpPlayers(g.gs);
    g.gs.playerShield[1].clear();
    borba* f = openFight(g, 0, 1);

    pushBlow(g.random, {.pick = 1, .strike = 4, .guard = 3, .power = 2, .damage = 0});
    g.random.pushRoll(1, 10);
    g.random.pushRoll(1, 5);
    f->Command1_Click();
    QCOMPARE(g.dialogs.messages.last(), QStringLiteral("Ana udara!0 ostecenja!"));
    QCOMPARE(g.gs.playerHealth[1], 10);
    QCOMPARE(f->Label4->text(), QStringLiteral("10"));

    // A miss and a parry still draw the damage, and change no health.
    pushBlow(g.random, {.pick = 2, .strike = 2, .guard = 5, .power = 3, .damage = 3});
    g.random.pushRoll(1, 10);
    f->Command3_Click();
    QCOMPARE(g.dialogs.messages.last(), QStringLiteral("Bora promasuje!"));
    QCOMPARE(g.gs.blowDamage, 3);
    QCOMPARE(g.gs.playerHealth[0], 10);

    pushBlow(g.random, {.pick = 3, .strike = 4, .guard = 4, .power = 2, .damage = 1});
    g.random.pushRoll(1, 10);
    f->Command1_Click();
    QCOMPARE(g.dialogs.messages.last(), QStringLiteral("Bora parira napad."));
    QCOMPARE(g.gs.blowDamage, 1);
    QCOMPARE(g.gs.playerHealth[1], 10);
    QVERIFY(g.random.draws.isEmpty());
    QCOMPARE(g.dialogs.messages.size(), 3);
}

QTEST_MAIN(TestFightBlows)
#include "test_fight_blows.moc"
