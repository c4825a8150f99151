// The game record, the turn order, the item catalogue and the options amount parser.
#include <QTest>

#include "state/GameState.h"
#include "state/GoldAmount.h"
#include "state/Items.h"

class StateTest : public QObject {
    Q_OBJECT
private slots:
    void startsEmpty() {
        const GameState gs;
        for (int p = 0; p < GameState::MAX_PLAYERS; ++p) {
            QCOMPARE(gs.playerGold[p], 0);
            QCOMPARE(gs.playerSkipTurns[p], 0);
            QCOMPARE(gs.playerArmor[p], 0);
            QVERIFY(gs.playerName[p].isEmpty());
            QVERIFY(gs.playerWeapon[p].isEmpty());
        }
        for (const QString& kind : gs.squareKind) QVERIFY(kind.isEmpty());
        QCOMPARE(gs.goldToWin, int16_t(0));
        QCOMPARE(gs.currentPlayer, int16_t(0));
    }

    void passTurnCyclesOverAllFourSlots() {
        GameState gs;
        QList<int> order;
        for (int i = 0; i < 5; ++i) {
            PassTurn(gs);
            order.append(gs.currentPlayer);
        }
        QCOMPARE(order, (QList<int>{1, 2, 3, 0, 1}));
    }

    void passTurnSkipsSlotsThatTakeNoPart() {
        GameState gs;
        gs.playersInGame = 2;
        gs.currentPlayer = 1;
        PassTurn(gs);
        QCOMPARE(gs.currentPlayer, int16_t(0));
        gs.playersInGame = 1;
        PassTurn(gs);
        QCOMPARE(gs.currentPlayer, int16_t(0));
        QVERIFY(IsInGame(gs, 0));
        QVERIFY(!IsInGame(gs, 1));
    }

    void catalogueNamesAndPictures() {
        QCOMPARE(Items::weaponPicture(QStringLiteral("spear")), QStringLiteral("spear.gif"));
        QVERIFY(Items::weaponPicture(QString()).isEmpty());
        QCOMPARE(Items::armorName(0), QStringLiteral("Odelo"));
        QCOMPARE(Items::armorName(4), QStringLiteral("Plochanik"));
        QCOMPARE(Items::armorPicture(3), QStringLiteral("chainmail.gif"));
        QVERIFY(Items::armorPicture(5).isEmpty());
        QCOMPARE(Items::shieldPicture(QStringLiteral("plavi stit")),
                 QStringLiteral("plavistit.gif"));
        // Stored texts compare exactly: case and blanks matter.
        QVERIFY(Items::shieldPicture(QStringLiteral("Plavi stit")).isEmpty());
        QVERIFY(Items::shieldPicture(QStringLiteral("plavi  stit")).isEmpty());
        QCOMPARE(Items::weaponPower(QStringLiteral("dagger")), 1);
        QCOMPARE(Items::weaponPower(QStringLiteral("spear")), 4);
        QCOMPARE(Items::weaponPower(QString()), 0);
    }

    void rewardRows() {
        const QString expectedPictures[] = {"dagger.gif",    "sword.gif",     "axe.gif",
                                            "spear.gif",     "zlatnici.gif",  "robe.gif",
                                            "leather.gif",   "chainmail.gif", "plate.gif",
                                            "plavistit.gif", "crvenistit.gif"};
        for (int n = 1; n <= Items::REWARD_COUNT; ++n) {
            const Items::Reward r = Items::reward(n);
            QCOMPARE(r.number, n);
            QCOMPARE(r.picture, expectedPictures[n - 1]);
            QVERIFY(!r.description.isEmpty());
        }
        QCOMPARE(Items::reward(7).armor, 2);
        QCOMPARE(Items::reward(11).shield, QStringLiteral("crveni stit"));
        QCOMPARE(Items::reward(5).kind, Items::RewardKind::Treasure);
        QCOMPARE(Items::reward(6).description,
                 QStringLiteral("Opusteno i lagano odelo za leto.Mantija..."));
        QCOMPARE(Items::reward(0).number, 0);
        QCOMPARE(Items::reward(12).number, 0);
    }

    void goldAmountAccepted_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("amount");
        QTest::newRow("plain") << "250" << 250;
        QTest::newRow("blanks") << "  42 " << 42;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("negative") << "-7" << -7;
        QTest::newRow("comma") << "3,6" << 4;
        QTest::newRow("half down to even") << "2.5" << 2;
        QTest::newRow("half up to even") << "3.5" << 4;
        QTest::newRow("negative half") << "-2.5" << -2;
        QTest::newRow("top") << "32767" << 32767;
        QTest::newRow("bottom") << "-32768" << -32768;
        QTest::newRow("rounds into range") << "32767.4" << 32767;
        QTest::newRow("leading mark") << ".6" << 1;
    }
    void goldAmountAccepted() {
        QFETCH(QString, text);
        QFETCH(int, amount);
        const auto parsed = ParseGoldAmount(text);
        QVERIFY(parsed.has_value());
        QCOMPARE(int(*parsed), amount);
    }

    void goldAmountRejected_data() {
        QTest::addColumn<QString>("text");
        for (const char* t : {"", "   ", "abc", "12abc", "1e9", "40000", "-32769", "32767.5",
                              "1.2.3", "1,2,3", "--1", "0x10", "inf", "nan", "1 000", "+", "."})
            QTest::newRow(t) << QString::fromLatin1(t);
    }
    void goldAmountRejected() {
        QFETCH(QString, text);
        QVERIFY(!ParseGoldAmount(text).has_value());
    }
};

QTEST_GUILESS_MAIN(StateTest)
#include "test_state.moc"
