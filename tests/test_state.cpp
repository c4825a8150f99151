// The turn order and the options amount parser, with the inputs its fuzzer kept.
#include <QDir>
#include <QFile>
#include <QTest>

#include "state/GameState.h"
#include "state/GoldAmount.h"

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

    // amount -1000000: rejected.
    void goldAmount_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("amount");
        // clang-format off
        const std::pair<const char*, int> rows[] = {
            {"250", 250},       {"  42 ", 42},       {"0", 0},           {"-7", -7},
            {"3,6", 4},         {"2.5", 2},          {"3.5", 4},         {"-2.5", -2},
            {"32767", 32767},   {"-32768", -32768},  {"32767.4", 32767}, {".6", 1},
            {"", -1000000},     {"   ", -1000000},   {"12abc", -1000000}, {"1e9", -1000000},
            {"40000", -1000000}, {"-32769", -1000000}, {"32767.5", -1000000},
            {"1.2.3", -1000000}, {"1,2,3", -1000000}, {"--1", -1000000}, {"0x10", -1000000},
            {"inf", -1000000},  {"nan", -1000000},   {"1 000", -1000000}, {"+", -1000000},
            {".", -1000000}};
        // clang-format on
        for (auto [text, amount] : rows) QTest::newRow(text) << QString::fromLatin1(text) << amount;
    }
    void goldAmount() {
        QFETCH(QString, text);
        QFETCH(int, amount);
        const auto parsed = ParseGoldAmount(text);
        QCOMPARE(parsed ? int(*parsed) : -1000000, amount);
    }

    // Every input the amount fuzzer kept (its seed corpus and anything that ever failed): the
    // parser accepts it as a number in range that reads back the same, or rejects it.
    void keptInputs_data() {
        QTest::addColumn<QByteArray>("input");
        int kept = 0;
        for (const char* folder : {"/fuzz/corpus", "/fuzz/found"}) {
            const QDir dir(QStringLiteral(KAVGALIJA_TESTS_DIR) + QLatin1String(folder));
            for (const QString& name : dir.entryList(QDir::Files)) {
                QFile f(dir.filePath(name));
                QVERIFY(f.open(QIODevice::ReadOnly));
                QTest::newRow(qPrintable(name)) << f.readAll();
                ++kept;
            }
        }
        QVERIFY2(kept >= 5, "the fuzz corpus is missing");
    }
    void keptInputs() {
        QFETCH(QByteArray, input);
        const auto amount = ParseGoldAmount(QString::fromUtf8(input));
        if (amount) QCOMPARE(ParseGoldAmount(QString::number(*amount)), amount);
    }
};

QTEST_GUILESS_MAIN(StateTest)
#include "test_state.moc"
