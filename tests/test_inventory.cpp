#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "GameScript.h"
#include "platform/PictureBox.h"
#include "screens/inventar/inventar.h"

using namespace GameScript;

namespace {
const QStringList kFour = {QStringLiteral("Ana"), QStringLiteral("Bora"), QStringLiteral("Ceca"),
                           QStringLiteral("Deki")};

inventar* openInventory(TestGame& g) {
    QTest::mouseClick(g.screen<Form1>(ScreenId::Form1)->Command3, Qt::LeftButton);
    return g.screen<inventar>(ScreenId::inventar);
}
}  // namespace

class InventoryTest : public QObject {
    Q_OBJECT

private slots:
    void showsThePlayerToMove() {
        TestGame g;
        createPlayers(g, kFour);
        g.screen<Kreiranje>(ScreenId::Kreiranje)->Command1_Click();  // Deki: portrait 1
        startBoard(g);
        g.gs.currentPlayer = 3;
        g.gs.playerGold[3] = 57;
        inventar* inv = openInventory(g);
        QVERIFY(inv);
        QVERIFY(g.screens.isVisible(ScreenId::inventar));
        QCOMPARE(inv->Label1->text(), QStringLiteral("Deki"));
        QCOMPARE(inv->Label8->text(), QStringLiteral("57"));
        QCOMPARE(inv->Image3->fileName(), QStringLiteral("lik01.gif"));
        QCOMPARE(inv->Image1->fileName(), QStringLiteral("chainmail.gif"));
        QCOMPARE(inv->Label6->text(), QStringLiteral("Lancani oklop"));
        QCOMPARE(inv->Image5->fileName(), QStringLiteral("spear.gif"));
        QCOMPARE(inv->Label5->text(), QStringLiteral("spear"));
        QCOMPARE(inv->Image7->fileName(), QStringLiteral("plavistit.gif"));
        QCOMPARE(inv->Label7->text(), QStringLiteral("plavi stit"));
        // The shield keeps its own size; the figure's other pictures are stretched.
        QVERIFY(!inv->Image7->stretches());
        QVERIFY(inv->Image1->stretches() && inv->Image3->stretches() && inv->Image5->stretches());
    }

    void aPlayerWithoutGearShowsNothingForIt() {
        TestGame g;
        newGame(g, {QStringLiteral("<img src=x>")});
        g.gs.playerWeapon[0].clear();
        inventar* inv = openInventory(g);
        QCOMPARE(inv->Label1->text(), QStringLiteral("<img src=x>"));
        QCOMPARE(inv->Label1->textFormat(), Qt::PlainText);
        QCOMPARE(inv->Label6->text(), QStringLiteral("Odelo"));
        QCOMPARE(inv->Image1->fileName(), QStringLiteral("noarmor.gif"));
        QCOMPARE(inv->Image5->fileName(), QString());
        QCOMPARE(inv->Label5->text(), QString());
        QCOMPARE(inv->Image7->fileName(), QString());
        QCOMPARE(inv->Label7->text(), QString());
        QCOMPARE(inv->Label8->text(), QStringLiteral("0"));
    }

    void itChangesNothingAndIsNotRefreshedWhileOpen() {
        TestGame g;
        Form1* f = newGame(g, kFour);
        const GameState before = g.gs;
        inventar* inv = openInventory(g);
        QCOMPARE(g.gs.currentPlayer, before.currentPlayer);
        QCOMPARE(g.gs.playerGold, before.playerGold);
        QCOMPARE(g.gs.playerSquare, before.playerSquare);
        QCOMPARE(g.gs.playerWeapon, before.playerWeapon);
        QCOMPARE(g.gs.playerShield, before.playerShield);
        QCOMPARE(g.gs.playerArmor, before.playerArmor);
        QCOMPARE(g.gs.squareKind, before.squareKind);
        QCOMPARE(g.random.drawCount, 29);

        // The turn goes on behind it; the open window still shows Ana, even when asked again.
        roll(g, 2);
        QCOMPARE(f->Label2->text(), QStringLiteral("Bora"));
        QCOMPARE(openInventory(g), inv);
        QCOMPARE(inv->Label1->text(), QStringLiteral("Ana"));

        QTest::mouseClick(inv->Command1, Qt::LeftButton);
        g.settle();
        QVERIFY(!g.screens.isLoaded(ScreenId::inventar));
        QVERIFY(g.screens.isVisible(ScreenId::Form1));
        inv = openInventory(g);
        QCOMPARE(inv->Label1->text(), QStringLiteral("Bora"));
        QCOMPARE(inv->Image1->fileName(), QStringLiteral("robe.gif"));
        QCOMPARE(inv->Label6->text(), QStringLiteral("Mantija"));

        // Closing the window is the same as OK.
        inv->close();
        g.settle();
        QVERIFY(!g.screens.isLoaded(ScreenId::inventar));
        QCOMPARE(g.app.quitCount, 0);
    }
};

QTEST_MAIN(InventoryTest)
#include "test_inventory.moc"
