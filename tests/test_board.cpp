// The board a table can follow: the race panel after every way gold changes, the mover lit up,
// the token's walk, and the die's face in its box.
#include <QtTest>
#include <QtWidgets>

#include "fight_support.h"
#include "screens/Form1/Form1.h"
#include "screens/Form1/RacePanel.h"
#include "screens/Nagrade/Nagrade.h"
#include "screens/opasnost/opasnost.h"

using namespace Qt::StringLiterals;
using namespace fight_test;

namespace {
// Every row of the race as it reads aloud, and the ring's lit token, in one string.
QString race(TestGame& g) {
    auto* board = g.screen<Form1>(ScreenId::Form1);
    QStringList rows;
    for (QWidget* row : board->race->Row) rows << row->accessibleName();
    return rows.join(u" | "_s) + u" ~ "_s + QString::number(board->marks->mover());
}
QString rowsFor(QList<int> gold, int mover) {
    const QStringList names = {u"Ana"_s, u"Bora"_s, u"Ceca"_s, u"Dule"_s};
    QStringList rows;
    for (int k = 0; k < 4; ++k)
        rows << u"%1, %2 od 100 zlatnika%3"_s.arg(names[k]).arg(gold[k]).arg(
            k == mover ? u", na potezu"_s : QString());
    return rows.join(u" | "_s) + u" ~ "_s + QString::number(mover);
}
// Dule (slot 3, square 11, 30 coins) rolls a 2 onto square 13 of the given kind; the square's
// screen then makes draws.
void rollOnto(TestGame& g, const QString& kind, const QList<double>& draws = {}) {
    g.gs.squareKind[13] = kind;
    g.gs.currentPlayer = 3;
    g.screens.show(ScreenId::Form1);
    g.random.pushRoll(2, 6);
    for (double d : draws) g.random.pushDraw(d);
    g.screen<Form1>(ScreenId::Form1)->Command1_Click();
}
}  // namespace

class BoardTest : public QObject {
    Q_OBJECT
private slots:
    void raceAfterGoldChanges_data() {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QList<int>>("gold");
        QTest::newRow("coin") << u"coin"_s << QList{0, 10, 20, 31};
        QTest::newRow("reward of 37 coins") << u"nagrada"_s << QList{0, 10, 20, 67};
        QTest::newRow("theft of half") << u"opasnost"_s << QList{0, 10, 20, 15};
        QTest::newRow("Bora falls to Dule") << u"fall"_s << QList{0, 0, 20, 40};
    }
    void raceAfterGoldChanges() {
        QFETCH(QString, event);
        QFETCH(QList<int>, gold);
        TestGame g;
        setUpPlayers(g.gs);
        if (event == u"fall"_s) {
            borba* f = openFight(g, 3, 1);
            g.gs.playerHealth[1] = 2;
            g.dialogs.answers.append({u"da"_s, u"da"_s, u"da"_s});
            pushBlow(g.random, Blow{1, 6, 1, 6, 2, 4, 4});
            g.random.pushRoll(1, 10);
            g.random.pushRoll(1, 5);
            QTest::mouseClick(f->Command1, Qt::LeftButton);
        } else {
            // A heap of 37 coins on the reward; the thief takes half.
            const QList<double> draws = {4.5 / 11, 0.365, 3.5 / 5, 0.5};
            rollOnto(g, event,
                     event == u"nagrada"_s
                         ? draws.mid(0, 2)
                         : (event == u"opasnost"_s ? draws.mid(2) : QList<double>{}));
            if (auto* s = g.screen<Nagrade>(ScreenId::Nagrade)) s->Command1_Click();
            if (auto* s = g.screen<opasnost>(ScreenId::opasnost)) s->Command1_Click();
        }
        QVERIFY(g.random.draws.isEmpty() && g.screens.isVisible(ScreenId::Form1));
        QCOMPARE(race(g), rowsFor(gold, 0));
        QCOMPARE(g.screen<Form1>(ScreenId::Form1)->race->Gold[3]->text(),
                 u"%1 / 100"_s.arg(gold[3]));
    }

    // Bora has lost her turn: Ana's plain roll hands the light straight on to Ceca.
    void highlightFollowsPassTurnOverALostTurn() {
        TestGame g;
        setUpPlayers(g.gs);
        g.gs.playerSkipTurns[1] = 1;
        g.gs.currentPlayer = 3;
        g.screens.show(ScreenId::Form1);
        QCOMPARE(race(g), rowsFor({0, 10, 20, 30}, 3));
        rollOnto(g, u"polje"_s);
        QCOMPARE(race(g), rowsFor({0, 10, 20, 30}, 0));
        g.random.pushRoll(1, 6);
        g.screen<Form1>(ScreenId::Form1)->Command1_Click();
        QCOMPARE(race(g), rowsFor({0, 10, 20, 30}, 2));
        // Each roll's box shows the face of its number; the lost turn's box shows none.
        QCOMPARE(g.dialogs.dieFaces, (QList<int>{2, 1, 0}));
        QCOMPARE(g.dialogs.messages.mid(0, 2), (QStringList{u"2"_s, u"1"_s}));
    }

    // Dule's 3 from square 11 meets Bora on 14; the fight waits for the walk, however it ends.
    void walkEndsOnTheRolledSquareBeforeTheTurnGoesOn_data() {
        QTest::addColumn<bool>("click");
        QTest::newRow("walks to the end") << false;
        QTest::newRow("a click ends it at once") << true;
    }
    void walkEndsOnTheRolledSquareBeforeTheTurnGoesOn() {
        QFETCH(bool, click);
        TestGame g;
        g.ctx.walkStepMs = 120;
        setUpPlayers(g.gs);
        g.gs.playerSquare[1] = 14;
        g.random.pushRoll(3, 6);
        g.random.pushRoll(7, 15);  // the fight's background
        g.gs.currentPlayer = 3;
        g.screens.show(ScreenId::Form1);
        // The fight that ends the walk unloads the board: hold it by a guarded pointer.
        QPointer<Form1> f = g.screen<Form1>(ScreenId::Form1);
        f->Command1_Click();
        QCOMPARE(g.dialogs.dieFaces, QList<int>{3});
        QCOMPARE(g.dialogs.messages, QStringList{u"3"_s});
        QVERIFY(f->walking() && !g.screens.isLoaded(ScreenId::borba));
        QCOMPARE(g.gs.playerSquare[3], 14);
        QCOMPARE(f->shownSquare(3), 11);
        QCOMPARE(f->Image2[11]->fileName(), u"lik05.gif"_s);
        if (click) {
            QTest::mouseClick(f->Command3, Qt::LeftButton);  // not the inventory: it ends the walk
            QVERIFY(!g.screens.isLoaded(ScreenId::inventar));
        } else {
            QTRY_VERIFY(!f || f->shownSquare(3) != 11);
            if (f && f->walking()) {  // caught on its way (a slow machine may miss the steps)
                const int at = f->shownSquare(3);
                QVERIFY(at == 12 || at == 13);
                QCOMPARE(f->Image2[at]->fileName(), u"lik05.gif"_s);
                QVERIFY(!g.screens.isLoaded(ScreenId::borba));
            }
        }
        QTRY_VERIFY(g.screens.isLoaded(ScreenId::borba));
        QVERIFY(!g.screens.isLoaded(ScreenId::inventar));
        QCOMPARE(g.gs.playerSquare[3], 14);
        QCOMPARE(g.gs.opponentIndex, 1);
    }
};

QTEST_MAIN(BoardTest)
#include "test_board.moc"
