// The computer seats playing through the real screens, headless and without pauses; their
// decisions are in test_decisions.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "screens/Form1/Form1.h"
#include "screens/Kreiranje/Kreiranje.h"
#include "state/Items.h"
#include "support/TestGame.h"

namespace {
// Runs the event loop as the table would, until `done` holds; false if it never does within
// `ms`. The seats look at the table only when the loop is about to wait, which a plain
// processEvents() never does.
bool LetComputersPlay(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
        TestGame::settle();
    }
    return done();
}
}  // namespace

class TestComputer : public QObject {
    Q_OBJECT
private slots:
    void onePersonBeatsOrLosesToThreeComputers();
    void fightBetweenComputersEndsByItself();
    void waitsWhileTheOptionsAreOpen();
    void actsOnlyWhenToldOnceItStopsWatching();
    void eachSeatPressesAtItsStrength();
};

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
                    mine =
                        g.screens.loaded(id)->findChild<QPushButton*>(QStringLiteral("Command1"));
        }
        if (mine != nullptr) {
            ++personTurns;
            mine->click();
        } else {
            const int before = seats.presses();
            QVERIFY2(LetComputersPlay([&] { return seats.presses() > before; }, 2000),
                     "a computer's part was left undone");
        }
        TestGame::settle();
    }
    QVERIFY(won());
    QVERIFY(personTurns > 0);
    // The victory window waits for a person.
    QVERIFY(!LetComputersPlay([&g] { return !g.screens.isVisible(ScreenId::pobeda); }, 200));
}

void TestComputer::fightBetweenComputersEndsByItself() {
    TestGame g;
    g.random.afterScript.emplace(5);
    // Ana and Bora with swords and nothing else.
    g.fourPlayers();
    g.gs.playersInGame = 2;
    g.gs.playerWeapon[1] = g.gs.playerWeapon[0];
    g.gs.playerShield[1].clear();
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
    QVERIFY(!LetComputersPlay([&g] { return !g.dialogs.messages.isEmpty(); }, 200));
    QVERIFY(seats.nextPress() == nullptr);
    g.screens.hide(ScreenId::opcije);
    // Nor while a person reads the log.
    g.screens.show(ScreenId::Dnevnik);
    QVERIFY(seats.nextPress() == nullptr);
    g.screens.unload(ScreenId::Dnevnik);
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

// A heap one coin short of the goal: Srednje leaves it, Lako grabs it; the press follows the
// strength of the seat offered it.
void TestComputer::eachSeatPressesAtItsStrength() {
    TestGame g;
    g.fourPlayers();
    g.gs.goldToWin = 20;
    g.gs.playerGold[0] = 19;
    g.gs.playerComputer[0] = true;
    g.gs.stage = Stage::Reward;
    g.gs.rewardOffered = Items::TREASURE_REWARD;
    Flow::Landed(g.ctx);
    ComputerSeats seats(g.ctx);
    seats.stopWatching();
    QVERIFY(seats.nextPress() != nullptr);
    QCOMPARE(seats.nextPress()->objectName(), QStringLiteral("Command2"));
    g.gs.playerStrength[0] = Strength::Easy;
    QCOMPARE(seats.nextPress()->objectName(), QStringLiteral("Command1"));
    g.random.pushRoll(30, 100);
    QVERIFY(seats.pressNow());
    QCOMPARE(g.gs.playerGold[0], 49);
}

QTEST_MAIN(TestComputer)
#include "test_computer.moc"
