// The turn order, the item catalogue and the options amount parser.
#include <QTest>

#include "state/GameState.h"
#include "state/GoldAmount.h"
#include "state/Items.h"

class StateTest : public QObject {
    Q_OBJECT
private slots:
    // Round all four slots when no game has fixed the number, round the created ones otherwise.
    void passTurnGoesRoundTheSlotsInGame() {
        GameState gs;
        QList<int> order;
        for (int players : {0, 0, 0, 0, 0, 2, 2, 1}) {
            gs.playersInGame = players;
            PassTurn(gs);
            order.append(gs.currentPlayer);
        }
        QCOMPARE(order, (QList<int>{1, 2, 3, 0, 1, 0, 1, 0}));
        QVERIFY(IsInGame(gs, 0) && !IsInGame(gs, 1));
    }

    // Stored texts compare exactly: case and blanks matter.
    void catalogue() {
        QCOMPARE(Items::armorName(4), QStringLiteral("Plochanik"));
        QVERIFY(Items::armorPicture(5).isEmpty());
        QVERIFY(Items::shieldPicture(QStringLiteral("Plavi stit")).isEmpty());
        QVERIFY(Items::weaponPicture(QString()).isEmpty());
        QList<int> powers;
        for (const char* w : {"dagger", "sword", "axe", "spear", "Spear", ""})
            powers << Items::weaponPower(QString::fromLatin1(w));
        QCOMPARE(powers, (QList<int>{1, 2, 3, 4, 0, 0}));
    }

    // Reward n: its picture, and what it gives (weapon, armour code or shield).
    void rewardRows() {
        const char* const rows[] = {"dagger.gif dagger",    "sword.gif sword",
                                    "axe.gif axe",          "spear.gif spear",
                                    "zlatnici.gif",         "robe.gif 1",
                                    "leather.gif 2",        "chainmail.gif 3",
                                    "plate.gif 4",          "plavistit.gif plavi stit",
                                    "crvenistit.gif crveni stit"};
        for (int n = 1; n <= Items::REWARD_COUNT; ++n) {
            const Items::Reward r = Items::reward(n);
            const QString gives = r.weapon + r.shield + (r.armor ? QString::number(r.armor) : "");
            QCOMPARE(QString(r.picture + u' ' + gives).trimmed(), QString::fromLatin1(rows[n - 1]));
            QVERIFY(!r.description.isEmpty());
        }
        QCOMPARE(Items::reward(5).kind, Items::RewardKind::Treasure);
        QCOMPARE(Items::reward(6).description,
                 QStringLiteral("Opusteno i lagano odelo za leto.Mantija..."));
        QCOMPARE(Items::reward(0).number + Items::reward(12).number, 0);
    }

    // amount -1000000: rejected.
    void goldAmount_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("amount");
        const std::pair<const char*, int> rows[] = {
            {"250", 250},       {"  42 ", 42},       {"0", 0},           {"-7", -7},
            {"3,6", 4},         {"2.5", 2},          {"3.5", 4},         {"-2.5", -2},
            {"32767", 32767},   {"-32768", -32768},  {"32767.4", 32767}, {".6", 1},
            {"", -1000000},     {"   ", -1000000},   {"12abc", -1000000}, {"1e9", -1000000},
            {"40000", -1000000}, {"-32769", -1000000}, {"32767.5", -1000000},
            {"1.2.3", -1000000}, {"1,2,3", -1000000}, {"--1", -1000000}, {"0x10", -1000000},
            {"inf", -1000000},  {"nan", -1000000},   {"1 000", -1000000}, {"+", -1000000},
            {".", -1000000}};
        for (auto [text, amount] : rows)
            QTest::newRow(text) << QString::fromLatin1(text) << amount;
    }
    void goldAmount() {
        QFETCH(QString, text);
        QFETCH(int, amount);
        const auto parsed = ParseGoldAmount(text);
        QCOMPARE(parsed ? int(*parsed) : -1000000, amount);
    }
};

QTEST_GUILESS_MAIN(StateTest)
#include "test_state.moc"
