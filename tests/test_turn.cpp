#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "GameScript.h"
#include "platform/PictureBox.h"

using namespace GameScript;

namespace {
const QStringList kFour = {QStringLiteral("Ana"), QStringLiteral("Bora"), QStringLiteral("Ceca"),
                           QStringLiteral("Deki")};
const QString kCoin = QStringLiteral("Nasli ste jedan zlatnik!");

QString lostTurn(const QString& name) {
    return QStringLiteral("Na potezu je ") + name +
           QStringLiteral(",ali njega trenutno muchi inkvizicija...");
}

// A roll that ends where another screen takes over: after the die, spare draws for whatever
// that screen may draw when it opens; the move under test needs none of them.
void rollIntoAnotherScreen(TestGame& g, int die) {
    g.random.pushRoll(die, 6);
    for (int i = 0; i < 8; ++i) g.random.pushDraw(0.0);
    g.screen<Form1>(ScreenId::Form1)->Command1_Click();
}
}  // namespace

class TurnTest : public QObject {
    Q_OBJECT

private slots:
    void moveWrapsAroundTheRing() {
        TestGame g;
        Form1* f = newGame(g, {QStringLiteral("Ana")});
        g.gs.playerSquare[0] = 23;
        roll(g, 6);
        QCOMPARE(g.dialogs.messages, QStringList{QStringLiteral("6")});
        QCOMPARE(g.gs.playerSquare[0], 29);
        QCOMPARE(g.random.randomizeCount, 2);  // the board's, then the roll's
        QCOMPARE(f->Image1[29]->fileName(), QStringLiteral("noarmor.gif"));
        roll(g, 1);
        QCOMPARE(g.gs.playerSquare[0], 0);
        roll(g, 6);
        QCOMPARE(g.gs.playerSquare[0], 6);
        g.gs.playerSquare[0] = 27;
        roll(g, 3);
        QCOMPARE(g.gs.playerSquare[0], 0);
        QCOMPARE(f->Image2[0]->fileName(), QStringLiteral("lik00.gif"));
        // With one player the turn always comes back to that player.
        QCOMPARE(g.gs.currentPlayer, 0);
        QCOMPARE(g.gs.opponentIndex, 4);
        QCOMPARE(g.dialogs.messages, (QStringList{QStringLiteral("6"), QStringLiteral("1"),
                                                  QStringLiteral("6"), QStringLiteral("3")}));
        QVERIFY(g.screens.isVisible(ScreenId::Form1));
    }

    void coinSquarePaysOneToEveryVisitor() {
        TestGame g;
        Form1* f = newGame(g, kFour, board({{4, 8}}));
        roll(g, 4);  // Ana 0 -> 4
        QCOMPARE(g.dialogs.messages, (QStringList{QStringLiteral("4"), kCoin}));
        QCOMPARE(g.gs.playerGold[0], 1);
        QCOMPARE(g.gs.currentPlayer, 1);
        QCOMPARE(f->Label2->text(), QStringLiteral("Bora"));
        QCOMPARE(g.gs.squareKind[4], QStringLiteral("coin"));
        g.gs.playerSquare[0] = 9;
        roll(g, 3);  // Bora 1 -> 4
        QCOMPARE(g.gs.playerGold[1], 1);
        QCOMPARE(g.gs.playerGold[0], 1);
        QCOMPARE(g.dialogs.messages.count(kCoin), 2);
        QCOMPARE(g.gs.currentPlayer, 2);
        QCOMPARE(f->Label2->text(), QStringLiteral("Ceca"));
    }

    void lowestOtherSlotIsMetWhateverTheSquare() {
        TestGame g;
        newGame(g, kFour, board({{10, 8}}));
        g.gs.playerSquare[0] = 10;
        g.gs.playerSquare[3] = 10;
        g.gs.currentPlayer = 1;
        g.gs.playerSquare[1] = 7;
        rollIntoAnotherScreen(g, 3);
        QCOMPARE(g.gs.opponentIndex, 0);
        // The coin square's own event does not happen; the fight takes the board's place.
        QVERIFY(!g.dialogs.messages.contains(kCoin));
        QCOMPARE(g.gs.playerGold[1], 0);
        QCOMPARE(g.dialogs.messages.first(), QStringLiteral("3"));
        QVERIFY(g.screens.isVisible(ScreenId::borba));
        g.settle();
        QVERIFY(!g.screens.isLoaded(ScreenId::Form1));

        TestGame h;
        newGame(h, kFour);
        h.gs.currentPlayer = 3;
        h.gs.playerSquare[3] = 17;
        rollIntoAnotherScreen(h, 4);  // onto slot 2 on square 21
        QCOMPARE(h.gs.opponentIndex, 2);
        QVERIFY(h.screens.isVisible(ScreenId::borba));
    }

    void playersNotCreatedAreNeverMet() {
        TestGame g;
        Form1* f = newGame(g, {QStringLiteral("Ana"), QStringLiteral("Bora")}, board({{21, 8}}));
        g.gs.playerSquare[0] = 18;
        roll(g, 3);  // square 21, where slot 2 would stand
        QCOMPARE(g.gs.opponentIndex, 4);
        QVERIFY(!g.screens.isLoaded(ScreenId::borba));
        QCOMPARE(g.gs.playerGold[0], 1);
        QCOMPARE(g.gs.currentPlayer, 1);
        QCOMPARE(f->Label2->text(), QStringLiteral("Bora"));
    }

    void rewardAndDangerSquaresHandOverToTheirScreens() {
        TestGame g;
        newGame(g, kFour, board({{3, 7}, {5, 6}}));
        rollIntoAnotherScreen(g, 3);
        QVERIFY(g.screens.isLoaded(ScreenId::Nagrade));
        QCOMPARE(g.gs.currentPlayer, 0);  // the reward screen passes the turn, not the roll
        QCOMPARE(g.gs.opponentIndex, 4);
        QCOMPARE(g.dialogs.messages.first(), QStringLiteral("3"));

        TestGame h;
        newGame(h, kFour, board({{3, 7}, {5, 6}}));
        rollIntoAnotherScreen(h, 5);
        QVERIFY(h.screens.isLoaded(ScreenId::opasnost));
        QVERIFY(!h.screens.isLoaded(ScreenId::Nagrade));
        QCOMPARE(h.gs.currentPlayer, 0);
    }

    void lostTurnsAreAnnouncedAndPassedOver() {
        TestGame g;
        createPlayers(g, kFour);
        g.gs.playerSkipTurns[0] = 1;
        g.gs.playerSkipTurns[1] = 1;
        Form1* f = startBoard(g);
        QCOMPARE(g.dialogs.messages,
                 (QStringList{lostTurn(QStringLiteral("Ana")), lostTurn(QStringLiteral("Bora"))}));
        QCOMPARE(g.gs.playerSkipTurns[0], 0);
        QCOMPARE(g.gs.playerSkipTurns[1], 0);
        QCOMPARE(g.gs.currentPlayer, 2);
        QCOMPARE(f->Label2->text(), QStringLiteral("Ceca"));

        // After a move, the next player's lost turn is announced by the board's refresh.
        g.dialogs.messages.clear();
        g.gs.playerSkipTurns[3] = 1;
        roll(g, 2);  // Ceca 21 -> 23
        QCOMPARE(g.dialogs.messages,
                 (QStringList{QStringLiteral("2"), lostTurn(QStringLiteral("Deki"))}));
        QCOMPARE(g.gs.currentPlayer, 0);
        QCOMPARE(f->Label2->text(), QStringLiteral("Ana"));

        // Alone in the game, a lost turn comes straight back to the same player.
        TestGame h;
        createPlayers(h, {QStringLiteral("<i>Solo</i>")});
        h.gs.playerSkipTurns[0] = 1;
        Form1* s = startBoard(h);
        QCOMPARE(h.dialogs.messages, QStringList{lostTurn(QStringLiteral("<i>Solo</i>"))});
        QCOMPARE(h.gs.currentPlayer, 0);
        QCOMPARE(s->Label2->text(), QStringLiteral("<i>Solo</i>"));
    }

    void twoPlayersTakeTurnsAndNobodyElseAppears() {
        TestGame g;
        Form1* f = newGame(g, {QStringLiteral("Ana"), QStringLiteral("Bora")}, board({{9, 8}}));
        const int dice[] = {3, 5, 6, 1, 6, 4, 6, 2, 5, 5, 4, 6, 3, 2};
        QStringList toMove;
        for (const int d : dice) {
            const int mover = g.gs.currentPlayer;
            const int from = g.gs.playerSquare[mover];
            roll(g, d);
            QVERIFY2(g.screens.isVisible(ScreenId::Form1), "a plain move keeps the board");
            QCOMPARE(g.gs.playerSquare[mover], (from + d) % 30);
            QVERIFY(g.gs.currentPlayer == 0 || g.gs.currentPlayer == 1);
            QVERIFY(!f->Label2->text().isEmpty());
            toMove << f->Label2->text();
            int figures = 0;
            for (int s = 0; s < 30; ++s)
                figures += f->Image2[s]->fileName() != QStringLiteral("providno.gif");
            QCOMPARE(figures, 2);
        }
        QCOMPARE(toMove.count(QStringLiteral("Ana")), 7);
        QCOMPARE(toMove.count(QStringLiteral("Bora")), 7);
        QCOMPARE(toMove.first(), QStringLiteral("Bora"));
        QCOMPARE(g.gs.playerSquare[0], 3);  // 0 +3 +6 +6 +6 +5 +4 +3 = 33, round the ring once
        QCOMPARE(g.gs.playerSquare[1], 26);
        QCOMPARE(g.gs.playerGold[0], 1);  // the coin on 9
        QVERIFY(!g.screens.isLoaded(ScreenId::borba));
    }

    void optionsAndInventoryOpenBesideTheBoard() {
        TestGame g;
        Form1* f = newGame(g, kFour);
        QTest::mouseClick(f->Command2, Qt::LeftButton);
        QVERIFY(g.screens.isVisible(ScreenId::opcije));
        QTest::mouseClick(f->Command3, Qt::LeftButton);
        QVERIFY(g.screens.isVisible(ScreenId::inventar));
        QVERIFY(g.screens.isVisible(ScreenId::Form1));
        QCOMPARE(g.gs.currentPlayer, 0);
        QCOMPARE(g.random.drawCount, 29);
        QVERIFY(g.dialogs.messages.isEmpty());
        // The board still takes its turn.
        roll(g, 2);
        QCOMPARE(g.gs.playerSquare[0], 2);
    }
};

QTEST_MAIN(TurnTest)
#include "test_turn.moc"
