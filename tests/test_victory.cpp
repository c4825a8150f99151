#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "GameScript.h"
#include "platform/DirList.h"
#include "platform/PictureBox.h"
#include "screens/pobeda/pobeda.h"

using namespace GameScript;

namespace {
const QStringList kTwo = {QStringLiteral("Ana"), QStringLiteral("Bora")};
}  // namespace

class VictoryTest : public QObject {
    Q_OBJECT

private slots:
    void onlyExactlyTheGoldToWinWins() {
        TestGame g;
        createPlayers(g, kTwo);
        g.gs.playerGold[0] = 99;
        g.gs.playerGold[1] = 101;
        Form1* f = startBoard(g, board({{3, 8}}));
        QVERIFY(f);
        QVERIFY(!g.screens.isLoaded(ScreenId::pobeda));

        roll(g, 3);  // Ana reaches 100 on the coin, but the board now checks Bora
        QCOMPARE(g.gs.playerGold[0], 100);
        QVERIFY(!g.screens.isLoaded(ScreenId::pobeda));
        QCOMPARE(f->Label2->text(), QStringLiteral("Bora"));
        QVERIFY(g.sound.played.isEmpty());

        roll(g, 1);  // Bora's plain move gives the turn back to Ana, who holds exactly 100
        QVERIFY(g.screens.isVisible(ScreenId::pobeda));
        g.settle();
        QVERIFY(!g.screens.isLoaded(ScreenId::Form1));
        QCOMPARE(g.gs.currentPlayer, 0);
        QCOMPARE(g.screen<pobeda>(ScreenId::pobeda)->Label1->text(), QStringLiteral("Ana"));
    }

    void passingTheAmountDoesNotWin() {
        TestGame g;
        createPlayers(g, kTwo);
        g.gs.playerGold[0] = 99;
        startBoard(g, board({{3, 8}}));
        g.gs.playerGold[0] = 101;  // 99 -> 101 without ever holding 100
        roll(g, 2);
        roll(g, 2);
        QVERIFY(!g.screens.isLoaded(ScreenId::pobeda));
        QVERIFY(g.screens.isVisible(ScreenId::Form1));
    }

    void zeroToWinWinsAtOnce() {
        TestGame g;
        g.screens.show(ScreenId::Form2);
        g.gs.goldToWin = 0;
        newGame(g, kTwo);
        QVERIFY(g.screens.isVisible(ScreenId::pobeda));
        QCOMPARE(g.gs.currentPlayer, 0);
    }

    void theVictoryScreenShowsTheWinnerAndPlaysTwoSounds() {
        TestGame g;
        createPlayers(g, {QStringLiteral("Ana"), QStringLiteral("<b>Bora</b>")});
        g.gs.playerGold[1] = 100;
        g.gs.playerSkipTurns[0] = 1;  // Ana loses her turn, so Bora is checked next
        g.gs.playerArmor[1] = 4;
        g.gs.playerWeapon[1].clear();
        startBoard(g);
        QVERIFY(g.screens.isVisible(ScreenId::pobeda));
        QCOMPARE(g.dialogs.messages.size(), 1);
        auto* v = g.screen<pobeda>(ScreenId::pobeda);
        QCOMPARE(v->Label1->text(), QStringLiteral("<b>Bora</b>"));
        QCOMPARE(v->Label1->textFormat(), Qt::PlainText);
        QCOMPARE(v->Image1->fileName(), QStringLiteral("plate.gif"));
        QCOMPARE(v->Image2->fileName(), QStringLiteral("lik00.gif"));
        QCOMPARE(v->Image5->fileName(), QString());
        // The red shield whatever the winner carries; Ana's blue one below.
        QCOMPARE(v->Image7->fileName(), QStringLiteral("crvenistit.gif"));
        QCOMPARE(g.sound.played.size(), 2);
        QCOMPARE(g.sound.played[0].path, g.ctx.appDir + QStringLiteral("\\zvuk\\masa.wav"));
        QCOMPARE(g.sound.played[0].mode, Sound::Mode::Sync);
        QCOMPARE(g.sound.played[1].path, g.ctx.appDir + QStringLiteral("\\zvuk\\royal.wav"));
        QCOMPARE(g.sound.played[1].mode, Sound::Mode::Async);

        TestGame h;
        createPlayers(h, {QStringLiteral("Ana")});
        h.gs.playerGold[0] = 100;
        h.gs.playerShield[0] = QStringLiteral("plavi stit");
        startBoard(h);
        auto* w = h.screen<pobeda>(ScreenId::pobeda);
        QCOMPARE(w->Image7->fileName(), QStringLiteral("crvenistit.gif"));
        QCOMPARE(w->Image5->fileName(), QStringLiteral("sword.gif"));
        QCOMPARE(w->Image1->fileName(), QStringLiteral("noarmor.gif"));
    }

    void victoryStopsTheRestOfTheBoardsLoad() {
        TestGame g;
        createPlayers(g, kTwo);
        g.gs.playerGold[0] = 100;
        g.gs.playerSkipTurns[0] = 1;
        startBoard(g);
        QVERIFY(g.screens.isVisible(ScreenId::pobeda));
        // No lost-turn message and no turn passed after the victory screen came up.
        QVERIFY(g.dialogs.messages.isEmpty());
        QCOMPARE(g.gs.currentPlayer, 0);
        QCOMPARE(g.gs.playerSkipTurns[0], 1);
        g.settle();
        QVERIFY(!g.screens.isLoaded(ScreenId::Form1));
    }

    void izadjiAndClosingLeadBackToTheTitle() {
        for (const bool viaFrame : {false, true}) {
            TestGame g;
            createPlayers(g, kTwo);
            g.gs.playerGold[0] = 100;
            startBoard(g);
            auto* v = g.screen<pobeda>(ScreenId::pobeda);
            if (viaFrame) {
                v->close();
            } else {
                QTest::mouseClick(v->Command1, Qt::LeftButton);
            }
            g.settle();
            QVERIFY(g.screens.isVisible(ScreenId::Form2));
            QVERIFY(!g.screens.isLoaded(ScreenId::pobeda));
            QVERIFY(!g.screens.isLoaded(ScreenId::Form1));
            QCOMPARE(g.app.quitCount, 0);
            QCOMPARE(g.gs.playerGold[0], 100);
        }
    }

    void aSecondGameStartsFresh() {
        TestGame g;
        createPlayers(g, {QStringLiteral("Ana"), QStringLiteral("Bora"), QStringLiteral("Ceca"),
                          QStringLiteral("Deki")});
        g.screen<Kreiranje>(ScreenId::Kreiranje)->Command1_Click();
        g.gs.goldToWin = 50;
        g.gs.playerGold[0] = 50;
        g.gs.playerGold[2] = 7;
        g.gs.playerSkipTurns[1] = 1;
        g.gs.playerShield[0] = QStringLiteral("plavi stit");
        g.gs.playerWeaponPower[2] = 3;
        startBoard(g);
        QTest::mouseClick(g.screen<pobeda>(ScreenId::pobeda)->Command1, Qt::LeftButton);
        g.settle();

        // START on the title again.
        QTest::mouseClick(g.screen<Form2>(ScreenId::Form2)->Command1, Qt::LeftButton);
        g.settle();
        auto* k = g.screen<Kreiranje>(ScreenId::Kreiranje);
        QVERIFY(g.screens.isVisible(ScreenId::Kreiranje));
        QVERIFY(!g.screens.isVisible(ScreenId::Form2));
        QCOMPARE(g.gs.creatingPlayer, 0);
        QCOMPARE(k->Label2->text(), QStringLiteral("1"));
        QCOMPARE(k->Text1->text(), QStringLiteral("Ime"));
        QVERIFY(k->Command4->isEnabled());
        QCOMPARE(k->Image2->fileName(), QStringLiteral("lik00.gif"));
        QCOMPARE(k->Dir1->path(), QDir::cleanPath(g.ctx.appDir + QStringLiteral("/zvuk")));
        for (int s = 0; s < 4; ++s) {
            QCOMPARE(g.gs.playerName[s], QString());
            QCOMPARE(g.gs.playerGold[s], 0);
            QCOMPARE(g.gs.playerSkipTurns[s], 0);
            QCOMPARE(g.gs.playerWeaponPower[s], 0);
            QCOMPARE(g.gs.playerSoundTheme[s], QString());
            QCOMPARE(g.gs.playerPortraitNo[s], 0);
        }
        QCOMPARE(g.gs.playerPortrait[3], QString());
        QCOMPARE(g.gs.playerShield[0], QString());
        QCOMPARE(g.gs.playerShield[1], QStringLiteral("crveni stit"));
        QCOMPARE(g.gs.newGame, 1);
        QCOMPARE(g.gs.goldToWin, 50);

        // The new game: one player, a new board, and no instant win for anyone.
        k->Text1->setText(QStringLiteral("Zoki"));
        Form1* f = startBoard(g, board({{2, 7}}));
        QVERIFY(f);
        QVERIFY(!g.screens.isLoaded(ScreenId::pobeda));
        QCOMPARE(g.random.drawCount, 58);
        QCOMPARE(g.gs.squareKind[2], QStringLiteral("nagrada"));
        QCOMPARE(g.gs.playersInGame, 1);
        QCOMPARE(f->Label2->text(), QStringLiteral("Zoki"));
        QCOMPARE(g.gs.currentPlayer, 0);
        roll(g, 1);
        QCOMPARE(g.gs.currentPlayer, 0);
        QCOMPARE(f->Label2->text(), QStringLiteral("Zoki"));
    }
};

QTEST_MAIN(VictoryTest)
#include "test_victory.moc"
