#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "GameScript.h"
#include "platform/DirList.h"
#include "platform/PictureBox.h"

using namespace GameScript;

class CreationTest : public QObject {
    Q_OBJECT

    // An application folder of our own, so the theme list has known themes in it.
    QTemporaryDir appDir;

    QString root() const { return QDir::cleanPath(appDir.path() + QStringLiteral("/zvuk")); }

    static void openTheme(DirList* list, const QString& name) {
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->text() == name) {
                list->openRow(row);
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no theme ") + name));
    }

private slots:
    void initTestCase() {
        QVERIFY(appDir.isValid());
        QVERIFY(QDir(appDir.path()).mkpath(QStringLiteral("zvuk/american")));
        QVERIFY(QDir(appDir.path()).mkpath(QStringLiteral("zvuk/srpski")));
    }

    void slotsAreNumberedAndTheFourthOnlyStarts() {
        TestGame g(appDir.path());
        Kreiranje* k = createPlayers(g, {});
        QCOMPARE(k->Label2->text(), QStringLiteral("1"));
        QCOMPARE(k->Text1->text(), QStringLiteral("Ime"));
        QVERIFY(k->Image1->isVisibleTo(k));
        QVERIFY(!k->Image3->isVisibleTo(k));

        k->Text1->setText(QStringLiteral("Ana"));
        k->Command4_Click();
        QCOMPARE(k->Label2->text(), QStringLiteral("2"));
        // The box keeps the last name; SLEDECI without typing gives the same name again.
        QCOMPARE(k->Text1->text(), QStringLiteral("Ana"));
        k->Command4_Click();
        QCOMPARE(k->Label2->text(), QStringLiteral("3"));
        QVERIFY(k->Command4->isEnabled());
        k->Text1->setText(QStringLiteral("<b>Vuk</b>"));
        k->Command4_Click();
        QCOMPARE(k->Label2->text(), QStringLiteral("4"));
        QVERIFY(!k->Command4->isEnabled());
        QVERIFY(k->Command3->isEnabled());
        QCOMPARE(g.gs.creatingPlayer, 3);
        QCOMPARE(g.gs.playerName[0], QStringLiteral("Ana"));
        QCOMPARE(g.gs.playerName[1], QStringLiteral("Ana"));
        QCOMPARE(g.gs.playerName[2], QStringLiteral("<b>Vuk</b>"));
        QCOMPARE(g.gs.playerName[3], QString());
        // Each new slot starts on the first portrait.
        QCOMPARE(g.gs.playerPortrait[3], QStringLiteral("\\lik00.gif"));

        // The figure choice only swaps the pictures and survives the next slot.
        QTest::mouseClick(k->Option2, Qt::LeftButton, {}, QPoint(8, 16));
        QVERIFY(k->Image3->isVisibleTo(k));
        QVERIFY(!k->Image1->isVisibleTo(k));
        QTest::mouseClick(k->Option1, Qt::LeftButton, {}, QPoint(8, 16));
        QVERIFY(k->Image1->isVisibleTo(k));
        QVERIFY(!k->Image3->isVisibleTo(k));

        k->Text1->setText(QStringLiteral("Mira"));
        pushBoard(g, board());
        QTest::mouseClick(k->Command3, Qt::LeftButton);
        QCOMPARE(g.gs.playerName[3], QStringLiteral("Mira"));
        QCOMPARE(g.gs.creatingPlayer, 3);
        QCOMPARE(g.gs.playersInGame, 4);
        QVERIFY(g.screens.isVisible(ScreenId::Form1));
        // Creation is only hidden.
        QVERIFY(g.screens.isLoaded(ScreenId::Kreiranje));
        QVERIFY(!g.screens.isVisible(ScreenId::Kreiranje));
    }

    void portraitArrowsStayInRange() {
        TestGame g(appDir.path());
        Kreiranje* k = createPlayers(g, {});
        QTest::mouseClick(k->Command2, Qt::LeftButton);  // "<" at the first portrait
        QCOMPARE(g.gs.playerPortraitNo[0], 0);
        QCOMPARE(k->Image2->fileName(), QStringLiteral("lik00.gif"));

        for (int i = 0; i < 13; ++i) QTest::mouseClick(k->Command1, Qt::LeftButton);
        QCOMPARE(g.gs.playerPortrait[0], QStringLiteral("\\lik13.gif"));
        QCOMPARE(k->Image2->fileName(), QStringLiteral("lik13.gif"));
        // Past the last portrait the old bound gives 12, and from there ">" reaches 13 again.
        k->Command1_Click();
        QCOMPARE(g.gs.playerPortraitNo[0], 12);
        QCOMPARE(k->Image2->fileName(), QStringLiteral("lik12.gif"));
        k->Command1_Click();
        QCOMPARE(g.gs.playerPortraitNo[0], 13);

        k->Command2_Click();
        QCOMPARE(g.gs.playerPortrait[0], QStringLiteral("\\lik12.gif"));
        k->Command4_Click();
        // Slot 0 keeps its choice; slot 1 starts on portrait 0.
        QCOMPARE(g.gs.playerPortrait[0], QStringLiteral("\\lik12.gif"));
        QCOMPARE(g.gs.playerPortrait[1], QStringLiteral("\\lik00.gif"));
        QCOMPARE(k->Image2->fileName(), QStringLiteral("lik00.gif"));
    }

    void everyRefreshRewritesTheNewGameValues() {
        TestGame g(appDir.path());
        Kreiranje* k = createPlayers(g, {});
        for (int s = 0; s < 4; ++s) {
            g.gs.playerSquare[s] = 7;
            g.gs.playerWeapon[s].clear();
            g.gs.playerArmor[s] = 4;
            g.gs.playerHealth[s] = -3;
            g.gs.playerShield[s] = QStringLiteral("plavi stit");
            g.gs.playerGold[s] = 9;
        }
        g.gs.currentPlayer = 2;
        g.gs.newGame = 0;
        k->Command1_Click();

        const std::array<int, 4> squares{0, 1, 21, 11};
        const std::array<int, 4> armour{0, 1, 2, 3};
        const std::array<int, 4> health{10, 10, 10, 10};
        QCOMPARE(g.gs.playerSquare, squares);
        QCOMPARE(g.gs.playerArmor, armour);
        QCOMPARE(g.gs.playerHealth, health);
        QCOMPARE(g.gs.playerWeapon[0], QStringLiteral("sword"));
        QCOMPARE(g.gs.playerWeapon[1], QStringLiteral("axe"));
        QCOMPARE(g.gs.playerWeapon[2], QStringLiteral("dagger"));
        QCOMPARE(g.gs.playerWeapon[3], QStringLiteral("spear"));
        QCOMPARE(g.gs.playerShield[1], QStringLiteral("crveni stit"));
        QCOMPARE(g.gs.playerShield[3], QStringLiteral("plavi stit"));
        // Slots 0 and 2 get no shield here, and gold is not the refresh's business.
        QCOMPARE(g.gs.playerShield[0], QStringLiteral("plavi stit"));
        QCOMPARE(g.gs.playerShield[2], QStringLiteral("plavi stit"));
        QCOMPARE(g.gs.playerGold[0], 9);
        QCOMPARE(g.gs.currentPlayer, 0);
        QCOMPARE(g.gs.newGame, 1);
    }

    void themeIsTheListsPathAndAnArrowLosesIt() {
        TestGame g(appDir.path());
        Kreiranje* k = createPlayers(g, {});
        QCOMPARE(k->Dir1->path(), root());
        // At the root the list offers the themes and no way up.
        QStringList rows;
        for (int row = 0; row < k->Dir1->count(); ++row) rows << k->Dir1->item(row)->text();
        QVERIFY(rows.contains(QStringLiteral("american")));
        QVERIFY(rows.contains(QStringLiteral("srpski")));
        QVERIFY(!rows.contains(QStringLiteral("..")));

        openTheme(k->Dir1, QStringLiteral("srpski"));
        k->Command4_Click();
        QCOMPARE(g.gs.playerSoundTheme[0], root() + QStringLiteral("/srpski"));
        // The refresh after SLEDECI reopens the root.
        QCOMPARE(k->Dir1->path(), root());

        openTheme(k->Dir1, QStringLiteral("american"));
        openTheme(k->Dir1, QStringLiteral(".."));
        QCOMPARE(k->Dir1->path(), root());
        openTheme(k->Dir1, QStringLiteral("american"));
        k->Command1_Click();  // an arrow: the theme is lost
        k->Command4_Click();
        QCOMPARE(g.gs.playerSoundTheme[1], root());
    }

    void closingCreationGoesBackToTheTitle() {
        TestGame g(appDir.path());
        Kreiranje* k = createPlayers(g, {QStringLiteral("Ana"), QStringLiteral("Bora")});
        k->close();
        g.settle();
        QVERIFY(g.screens.isVisible(ScreenId::Form2));
        QVERIFY(!g.screens.isLoaded(ScreenId::Kreiranje));
        QCOMPARE(g.app.quitCount, 0);

        // The next START begins at the first slot again.
        k = createPlayers(g, {});
        QCOMPARE(g.gs.creatingPlayer, 0);
        QCOMPARE(k->Label2->text(), QStringLiteral("1"));
        QCOMPARE(k->Text1->text(), QStringLiteral("Ime"));
        QCOMPARE(g.gs.playerName[0], QString());
    }
};

QTEST_MAIN(CreationTest)
#include "test_creation.moc"
