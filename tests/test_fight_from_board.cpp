// A whole turn through the real board: the roll meets a player, the fight is fought to a fall,
// and the board comes back with the next player to move.

#include <QtTest>

#include "fight_support.h"
#include "screens/Form1/Form1.h"

using namespace fight_test;

class TestFightFromBoard : public QObject {
    Q_OBJECT

private slots:
    void rollIntoAFightAndBack();
};

void TestFightFromBoard::rollIntoAFightAndBack() {
    TestGame g;
    setUpPlayers(g.gs);
    g.gs.playersInGame = 2;
    g.gs.playerSquare[0] = 3;
    g.gs.playerSquare[1] = 5;
    g.gs.playerHealth[1] = 1;
    g.gs.playerShield[1].clear();
    g.screens.show(ScreenId::Form1);
    Form1* board = g.screen<Form1>(ScreenId::Form1);
    QVERIFY(board);

    g.random.pushRoll(2, 6);    // the board's die
    g.random.pushRoll(11, 15);  // the fight's background
    QTest::mouseClick(board->Command1, Qt::LeftButton);
    QCOMPARE(g.dialogs.messages, QStringList{QStringLiteral("2")});
    QCOMPARE(g.gs.opponentIndex, 1);
    QVERIFY(!g.screens.isLoaded(ScreenId::Form1));
    TestGame::settle();
    borba* f = g.screen<borba>(ScreenId::borba);
    QVERIFY(f && f->isVisible());
    QCOMPARE(f->pozadina->fileName(), QStringLiteral("pozadine/11.jpg"));
    QCOMPARE(f->Label5->text(), QStringLiteral("Ana"));
    QCOMPARE(f->Label6->text(), QStringLiteral("Bora"));
    QVERIFY(f->Command1->isEnabled() && !f->Command3->isEnabled());

    g.dialogs.answers.append(QStringList{QStringLiteral("da"), QStringLiteral("ne")});
    pushBlow(g.random, {.pick = 1, .strike = 6, .guard = 1, .power = 2, .damage = 2});
    g.random.pushRoll(1, 10);
    g.random.pushRoll(1, 5);
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    QCOMPARE(g.dialogs.messages.last(), QStringLiteral("Ana dobija 10 zlatnika."));
    QCOMPARE(g.gs.playerWeapon[0], QStringLiteral("axe"));
    QCOMPARE(g.gs.playerGold[0], 10);
    QCOMPARE(g.gs.currentPlayer, 1);
    QVERIFY(!g.screens.isLoaded(ScreenId::borba));
    TestGame::settle();

    board = g.screen<Form1>(ScreenId::Form1);
    QVERIFY(board && board->isVisible());
    QCOMPARE(board->Label2->text(), QStringLiteral("Bora"));
    QCOMPARE(board->Image2[0]->fileName(), QStringLiteral("lik03.gif"));  // Bora back at the start
    QVERIFY(g.random.draws.isEmpty());
}

QTEST_MAIN(TestFightFromBoard)
#include "test_fight_from_board.moc"
