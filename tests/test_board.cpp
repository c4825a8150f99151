#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QtTest>

#include "GameScript.h"
#include "platform/PictureBox.h"

using namespace GameScript;

namespace {
const QStringList kFour = {QStringLiteral("Ana"), QStringLiteral("Bora"), QStringLiteral("Ceca"),
                           QStringLiteral("Deki")};
const QString kClear = QStringLiteral("providno.gif");
}  // namespace

class BoardTest : public QObject {
    Q_OBJECT

private slots:
    void generationDrawsOncePerGame() {
        TestGame g;
        // Square i gets draw (i mod 8) + 1, so every kind shows up.
        QString draws;
        for (int i = 1; i <= 29; ++i) draws += QChar('1' + i % 8);
        Form1* f = newGame(g, {QStringLiteral("Ana")}, draws);
        QVERIFY(f);
        QCOMPARE(g.random.randomizeCount, 1);
        QCOMPARE(g.random.drawCount, 29);
        QCOMPARE(g.gs.newGame, 0);
        // Draws 1..5 plain, 6 danger, 7 reward, 8 coin.
        const QStringList kinds = {"polje", "polje",    "polje",   "polje",
                                   "polje", "opasnost", "nagrada", "coin"};
        const QStringList tiles = {"polje.gif", "polje.gif",    "polje.gif",  "polje.gif",
                                   "polje.gif", "opasnost.gif", "kovceg.gif", "coin.gif"};
        for (int i = 1; i <= 29; ++i) {
            QCOMPARE(g.gs.squareKind[i], kinds[i % 8]);
            QCOMPARE(f->Image1[i]->fileName(), tiles[i % 8]);
        }
        QCOMPARE(g.gs.squareKind[0], QString());
        // Slot 0 stands on square 0; the tile under the figure is the plain tile when empty.
        QCOMPARE(f->Image1[0]->fileName(), QStringLiteral("noarmor.gif"));
        g.gs.playerSquare[0] = 3;
        f->Form_Load();
        QCOMPARE(f->Image1[0]->fileName(), QStringLiteral("polje.gif"));
        // A refresh of the same game draws nothing and keeps the kinds.
        QCOMPARE(g.random.drawCount, 29);
        QCOMPARE(g.random.randomizeCount, 1);
        QCOMPARE(g.gs.squareKind[7], QStringLiteral("coin"));
    }

    void fourPlayersAreDrawnAsDressedFigures() {
        TestGame g;
        createPlayers(g, kFour);
        Form1* f = startBoard(g);
        const int squares[4] = {0, 1, 21, 11};
        const QString armour[4] = {QStringLiteral("noarmor.gif"), QStringLiteral("robe.gif"),
                                   QStringLiteral("leather.gif"), QStringLiteral("chainmail.gif")};
        const QString weapons[4] = {QStringLiteral("sword.gif"), QStringLiteral("axe.gif"),
                                    QStringLiteral("dagger.gif"), QStringLiteral("spear.gif")};
        const QString shields[4] = {kClear, QStringLiteral("crvenistit.gif"), kClear,
                                    QStringLiteral("plavistit.gif")};
        for (int k = 0; k < 4; ++k) {
            const int s = squares[k];
            QCOMPARE(f->Image1[s]->fileName(), armour[k]);
            QCOMPARE(f->Image2[s]->fileName(), QStringLiteral("lik00.gif"));
            QCOMPARE(f->Image4[s]->fileName(), weapons[k]);
            QCOMPARE(f->Image7[s]->fileName(), shields[k]);
        }
        for (int s = 0; s < 30; ++s) {
            if (s == 0 || s == 1 || s == 21 || s == 11) continue;
            QCOMPARE(f->Image1[s]->fileName(), QStringLiteral("polje.gif"));
            QCOMPARE(f->Image2[s]->fileName(), kClear);
            QCOMPARE(f->Image4[s]->fileName(), kClear);
            QCOMPARE(f->Image7[s]->fileName(), kClear);
        }
        QCOMPARE(f->Label2->text(), QStringLiteral("Ana"));
    }

    void highestSlotWinsEachLayerOnASharedSquare() {
        TestGame g;
        createPlayers(g, kFour);
        g.screen<Kreiranje>(ScreenId::Kreiranje)->Command1_Click();  // Deki takes portrait 1
        Form1* f = startBoard(g);
        g.gs.playerSquare[0] = 5;
        g.gs.playerSquare[2] = 5;
        g.gs.playerShield[0] = QStringLiteral("plavi stit");
        g.gs.playerWeapon[2].clear();
        f->Form_Load();
        QCOMPARE(f->Image1[5]->fileName(), QStringLiteral("leather.gif"));
        QCOMPARE(f->Image2[5]->fileName(), QStringLiteral("lik00.gif"));
        // Slot 2 has neither shield nor weapon: slot 0's stay.
        QCOMPARE(f->Image7[5]->fileName(), QStringLiteral("plavistit.gif"));
        QCOMPARE(f->Image4[5]->fileName(), QStringLiteral("sword.gif"));

        g.gs.playerSquare[3] = 5;
        f->Form_Load();
        QCOMPARE(f->Image1[5]->fileName(), QStringLiteral("chainmail.gif"));
        QCOMPARE(f->Image2[5]->fileName(), QStringLiteral("lik01.gif"));
        QCOMPARE(f->Image7[5]->fileName(), QStringLiteral("plavistit.gif"));
        QCOMPARE(f->Image4[5]->fileName(), QStringLiteral("spear.gif"));
        // The squares they left are bare again.
        QCOMPARE(f->Image1[0]->fileName(), QStringLiteral("polje.gif"));
        QCOMPARE(f->Image2[11]->fileName(), kClear);
        QCOMPARE(f->Image7[11]->fileName(), kClear);
    }

    void playersNotCreatedAreNotOnTheBoard() {
        TestGame g;
        Form1* f = newGame(g, {QStringLiteral("Ana"), QStringLiteral("Bora")});
        QCOMPARE(g.gs.playersInGame, 2);
        for (int s : {21, 11}) {
            QCOMPARE(f->Image1[s]->fileName(), QStringLiteral("polje.gif"));
            QCOMPARE(f->Image2[s]->fileName(), kClear);
            QCOMPARE(f->Image4[s]->fileName(), kClear);
            QCOMPARE(f->Image7[s]->fileName(), kClear);
        }
        int figures = 0;
        for (int s = 0; s < 30; ++s) figures += f->Image2[s]->fileName() != kClear;
        QCOMPARE(figures, 2);
    }

    void ringFollowsTheBorderOfTwelveByFive() {
        QCOMPARE(Form1::cellOf(0), QPoint(0, 0));
        QCOMPARE(Form1::cellOf(4), QPoint(0, 4));
        QCOMPARE(Form1::cellOf(5), QPoint(1, 4));
        QCOMPARE(Form1::cellOf(15), QPoint(11, 4));
        QCOMPARE(Form1::cellOf(19), QPoint(11, 0));
        QCOMPARE(Form1::cellOf(29), QPoint(1, 0));

        TestGame g;
        Form1* f = newGame(g, {QStringLiteral("Ana")});
        QSet<QPair<int, int>> cells;
        for (int i = 0; i < 30; ++i) {
            const QRect tile = f->Image1[i]->geometry();
            QCOMPARE(tile.size(), QSize(81, 121));
            cells.insert({tile.x(), tile.y()});
            // Neighbours on the ring are one cell apart, the ring closing from 29 to 0.
            const QRect next = f->Image1[(i + 1) % 30]->geometry();
            const int dx = qAbs(next.x() - tile.x()), dy = qAbs(next.y() - tile.y());
            QVERIFY2((dx == 80 && dy == 0) || (dx == 0 && dy == 120),
                     qPrintable(QString::number(i)));
            // Layers: portrait over the top edge, weapon reaching above, shield at lower right.
            const QRect head = f->Image2[i]->geometry();
            QCOMPARE(head.size(), QSize(57, 65));
            QVERIFY(head.top() < tile.top() && head.bottom() > tile.top());
            QCOMPARE(f->Image4[i]->size(), QSize(25, 113));
            QVERIFY(f->Image4[i]->geometry().top() < tile.top());
            const QRect shield = f->Image7[i]->geometry();
            QCOMPARE(shield.size(), QSize(52, 64));
            QCOMPARE(shield.bottomRight(), tile.bottomRight());
            // Nothing sticks out of the window.
            for (const QRect& r : {tile, head, f->Image4[i]->geometry(), shield})
                QVERIFY(f->rect().contains(r));
        }
        QCOMPARE(cells.size(), 30);
        // Room for a title bar on a 1366 x 768 screen.
        QVERIFY(f->width() <= 1366 && f->height() <= 728);

        // The card stacks and the buttons lie inside the ring.
        const QRect inside(f->Image1[0]->geometry().bottomRight(),
                           f->Image1[15]->geometry().topLeft());
        for (QWidget* w : {static_cast<QWidget*>(f->Image5), static_cast<QWidget*>(f->Image6),
                           static_cast<QWidget*>(f->Command1), static_cast<QWidget*>(f->Command2),
                           static_cast<QWidget*>(f->Command3), static_cast<QWidget*>(f->Label2)})
            QVERIFY2(inside.contains(w->geometry()), qPrintable(w->objectName()));
        QCOMPARE(f->Image5->fileName(), QStringLiteral("ui/cards1.png"));
        QCOMPARE(f->Image6->fileName(), QStringLiteral("ui/cards2.png"));
        QCOMPARE(f->Command1->text(), QString());
        QCOMPARE(f->Command1->accessibleName(), QStringLiteral("Baci kocku"));
        QCOMPARE(f->Command1->toolTip(), QStringLiteral("Baci kocku"));
    }

    void namesAreShownAsTyped() {
        TestGame g;
        const QString markup = QStringLiteral("<b>Ana</b>");
        Form1* f = newGame(g, {markup});
        QCOMPARE(f->Label2->text(), markup);
        QCOMPARE(f->Label2->textFormat(), Qt::PlainText);
        const QRect before = f->Label2->geometry();
        g.gs.playerName[0] = QString(100, QLatin1Char('W'));
        f->Form_Load();
        QCOMPARE(f->Label2->geometry(), before);
    }

    void closingTheBoardEndsTheProgram() {
        TestGame g;
        Form1* f = newGame(g, {QStringLiteral("Ana")});
        f->close();
        QCOMPARE(g.app.quitCount, 1);
    }
};

QTEST_MAIN(BoardTest)
#include "test_board.moc"
