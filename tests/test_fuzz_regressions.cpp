// Every input the amount fuzzer kept (its seed corpus and anything that ever failed) stays a test:
// the parser accepts it as a number in range that reads back the same, or rejects it.
#include <QDir>
#include <QFile>
#include <QTest>

#include "state/GoldAmount.h"

class FuzzRegressionsTest : public QObject {
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(FuzzRegressionsTest)
#include "test_fuzz_regressions.moc"
