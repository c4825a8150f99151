// Computer players: the decisions on the positions that decide games, and the seats playing
// through the real screens, headless and without pauses.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "game/Duel.h"
#include "screens/Flow.h"
#include "computer/Decisions.h"
#include "screens/ComputerSeats.h"
#include "screens/Form1/Form1.h"
#include "screens/Kreiranje/Kreiranje.h"
#include "screens/borba/borba.h"
#include "state/Items.h"
#include "support/TestGame.h"

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

// Runs the event loop, as the table would, until `done` holds; false if it never does.
bool LetComputersPlay(const std::function<bool()>& done, int rounds = 5000) {
    for (int i = 0; i < rounds && !done(); ++i) {
        QCoreApplication::processEvents();
        TestGame::settle();
    }
    return done();
}
}  // namespace

class TestComputer : public QObject {
    Q_OBJECT
private slots:
    void rewards_data();
    void rewards();
    void fights_data();
    void fights();
    void spoils();
    void chanceToWin();
    void onePersonBeatsOrLosesToThreeComputers();
    void fightBetweenComputersEndsByItself();
    void waitsWhileTheOptionsAreOpen();
    void actsOnlyWhenToldOnceItStopsWatching();
};

void TestComputer::rewards_data() {
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
    QTest::newRow("red with blue") << 100 << 0 << Items::SWORD << 2 << Items::BLUE_SHIELD << 11
                                   << true;
    QTest::newRow("blue with red") << 100 << 0 << Items::SWORD << 2 << Items::RED_SHIELD << 10
                                   << false;
}

void TestComputer::rewards() {
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

void TestComputer::fights_data() {
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
    QTest::newRow("holding the goal, sure to win") << 100 << 80 << 10 << Items::SPEAR << none
                                                   << true << false;
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

void TestComputer::fights() {
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

void TestComputer::spoils() {
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

void TestComputer::chanceToWin() {
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

void TestComputer::onePersonBeatsOrLosesToThreeComputers() {
    TestGame g;
    g.random.afterScript.emplace(23);
    g.gs.goldToWin = 12;
    g.screens.show(ScreenId::Kreiranje);
    auto* creation = g.screen<Kreiranje>(ScreenId::Kreiranje);
    creation->Text1->setText(QStringLiteral("Ana"));
    creation->Command4->click();
    for (int slot = 1; slot < 4; ++slot) {
        // The name box still holds the last name; a computer seat gets one of its own.
        creation->Check1->click();
        QCOMPARE(creation->Text1->text(), QStringLiteral("Racunar %1").arg(slot + 1));
        (slot < 3 ? creation->Command4 : creation->Command3)->click();
    }
    QCOMPARE(g.gs.playerComputer, (GameState::PerPlayer<bool>{false, true, true, true}));
    QCOMPARE(g.gs.playerName[3], QStringLiteral("Racunar 4"));

    ComputerSeats seats(g.ctx);
    for (int i = 0; i < 200; ++i) g.dialogs.answers.enqueue(QStringLiteral("da"));
    const auto won = [&g] { return g.screens.isVisible(ScreenId::pobeda); };
    int personTurns = 0;
    for (int step = 0; step < 20000 && !won(); ++step) {
        // Ana acts on her own parts only; everything else the computers must do.
        QPushButton* mine = nullptr;
        if (auto* fight = g.screen<borba>(ScreenId::borba); fight && fight->isVisible()) {
            if (g.gs.currentPlayer == 0 && fight->Command1->isEnabled()) mine = fight->Command1;
            if (g.gs.opponentIndex == 0 && fight->Command3->isEnabled()) mine = fight->Command3;
        } else if (g.gs.currentPlayer == 0) {
            for (ScreenId id : {ScreenId::Form1, ScreenId::Nagrade, ScreenId::opasnost})
                if (g.screens.isVisible(id))
                    mine = g.screens.loaded(id)->findChild<QPushButton*>(QStringLiteral("Command1"));
        }
        if (mine != nullptr) {
            ++personTurns;
            mine->click();
        } else {
            const int before = seats.presses();
            QVERIFY2(LetComputersPlay([&] { return seats.presses() > before; }, 50),
                     "a computer's part was left undone");
        }
        TestGame::settle();
    }
    QVERIFY(won());
    QVERIFY(personTurns > 0);
    // The victory window waits for a person.
    QVERIFY(!LetComputersPlay([&g] { return !g.screens.isVisible(ScreenId::pobeda); }, 50));
}

void TestComputer::fightBetweenComputersEndsByItself() {
    TestGame g;
    g.random.afterScript.emplace(5);
    g.gs = TwoFighters();
    g.gs.playersInGame = 2;
    g.gs.playerName = {QStringLiteral("Racunar 1"), QStringLiteral("Racunar 2")};
    g.gs.playerComputer = {true, true};
    g.gs.opponentIndex = 1;
    ComputerSeats seats(g.ctx);
    Game::OpenFight(g.gs, g.random);
    Flow::Landed(g.ctx);
    // Nobody has gold to lose: they fight to a fall, whose spoils the winner answers itself.
    QVERIFY(LetComputersPlay([&g] { return !g.screens.isLoaded(ScreenId::borba); }));
    QVERIFY(g.screens.isVisible(ScreenId::Form1));
    // The loser fell and, its weapon not taken, is left without one.
    QVERIFY(g.gs.playerWeapon[0].isEmpty() != g.gs.playerWeapon[1].isEmpty());
    QCOMPARE(g.dialogs.typedAnswers, (QStringList{QStringLiteral("ne"), QStringLiteral("ne")}));
    // No person took part: every box closed by itself.
    QVERIFY(g.dialogs.messages.size() > 3);
    QCOMPARE(g.dialogs.unattended, g.dialogs.messages);
    // Each stays up long enough to be read: 1.5 s and 50 ms a character, never over 10 s.
    QCOMPARE(ComputerDialogs::ReadingTimeMs(QString(30, u'x')), 3000);
    QCOMPARE(ComputerDialogs::ReadingTimeMs(QString(500, u'x')), 10000);

    // With a person on the other side, the computer's blow waits for a click.
    g.dialogs.messages.clear();
    g.dialogs.unattended.clear();
    g.gs.playerComputer[1] = false;
    g.gs.currentPlayer = 0;
    g.gs.opponentIndex = 1;
    g.gs.playerHealth = {10, 10};
    Game::OpenFight(g.gs, g.random);
    Flow::Landed(g.ctx);
    auto* fight = g.screen<borba>(ScreenId::borba);
    QVERIFY(LetComputersPlay([&] { return fight->Command3->isEnabled(); }));
    QVERIFY(!g.dialogs.messages.isEmpty());
    QVERIFY(g.dialogs.unattended.isEmpty());
}

void TestComputer::waitsWhileTheOptionsAreOpen() {
    TestGame g;
    g.random.afterScript.emplace(1);
    g.gs.goldToWin = 100;
    g.gs.newGame = 1;
    g.gs.playersInGame = 2;
    g.gs.playerComputer = {true, true};
    g.screens.show(ScreenId::Form1);
    g.screens.show(ScreenId::opcije);
    ComputerSeats seats(g.ctx);
    QVERIFY(!LetComputersPlay([&g] { return !g.dialogs.messages.isEmpty(); }, 100));
    QVERIFY(seats.nextPress() == nullptr);
    g.screens.hide(ScreenId::opcije);
    QVERIFY(LetComputersPlay([&g] { return !g.dialogs.messages.isEmpty(); }));
}

void TestComputer::actsOnlyWhenToldOnceItStopsWatching() {
    TestGame g;
    g.random.afterScript.emplace(1);
    g.gs.goldToWin = 100;
    g.gs.newGame = 1;
    g.gs.playersInGame = 2;
    g.gs.playerComputer = {true, true};
    g.screens.show(ScreenId::Form1);
    ComputerSeats seats(g.ctx);
    seats.stopWatching();
    QVERIFY(!LetComputersPlay([&g] { return !g.dialogs.messages.isEmpty(); }, 100));
    QCOMPARE(seats.presses(), 0);
    QVERIFY(seats.pressNow());
    QCOMPARE(seats.presses(), 1);
    QVERIFY(!g.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestComputer)
#include "test_computer.moc"
