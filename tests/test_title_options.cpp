// The title, options and about screens, driven through their buttons.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/PictureBox.h"
#include "screens/Form2/Form2.h"
#include "screens/credits/credits.h"
#include "screens/opcije/opcije.h"
#include "support/TestGame.h"

class TitleOptionsTest : public QObject {
    Q_OBJECT

    static void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

private slots:
    void titleLoadSetsDefaults() {
        TestGame t;
        t.gs.goldToWin = 7;
        t.gs.fightOpen = 1;
        t.screens.show(ScreenId::Form2);
        QCOMPARE(t.gs.goldToWin, int16_t(100));
        QCOMPARE(t.gs.fightOpen, int16_t(0));
        auto* title = t.screen<Form2>(ScreenId::Form2);
        QCOMPARE(title->windowTitle(), QStringLiteral("KAVGALIJA!"));
        QCOMPARE(title->Command1->text(), QStringLiteral("START"));
        QCOMPARE(title->Label1->text(), QStringLiteral("DEMO"));
        for (int i = 0; i < 7; ++i) QVERIFY(!title->Image[i]->fileName().isEmpty());
    }

    void titleButtonsOpenTheirScreens() {
        TestGame t;
        t.screens.show(ScreenId::Form2);
        auto* title = t.screen<Form2>(ScreenId::Form2);
        click(title->Command2);
        QVERIFY(t.screens.isVisible(ScreenId::opcije));
        QVERIFY(t.screens.isVisible(ScreenId::Form2));
        click(title->Command4);
        QVERIFY(t.screens.isVisible(ScreenId::credits));
        QVERIFY(t.screens.isVisible(ScreenId::Form2));
        click(title->Command1);
        QVERIFY(t.screens.isVisible(ScreenId::Kreiranje));
        QVERIFY(!t.screens.isVisible(ScreenId::Form2));
        QVERIFY(t.screens.isLoaded(ScreenId::Form2));  // hidden, not unloaded
        QCOMPARE(t.app.quitCount, 0);
    }

    void kartaAndFrameCloseQuit() {
        TestGame t;
        t.screens.show(ScreenId::Form2);
        click(t.screen<Form2>(ScreenId::Form2)->Command3);
        QCOMPARE(t.app.quitCount, 1);

        TestGame u;
        u.screens.show(ScreenId::Form2);
        u.screen<Form2>(ScreenId::Form2)->close();
        QCOMPARE(u.app.quitCount, 1);
    }

    void optionsRoundTrip() {
        TestGame t;
        t.screens.show(ScreenId::Form2);
        t.screens.show(ScreenId::opcije);
        auto* options = t.screen<opcije>(ScreenId::opcije);
        QCOMPARE(options->Text1->text(), QStringLiteral("100"));
        options->Text1->setText(QStringLiteral("250"));
        click(options->Command1);
        QCOMPARE(t.gs.goldToWin, int16_t(250));
        QVERIFY(!t.screens.isVisible(ScreenId::opcije));
        t.screens.show(ScreenId::opcije);
        QCOMPARE(options->Text1->text(), QStringLiteral("250"));
        QVERIFY(t.dialogs.messages.isEmpty());
    }

    void optionsRejectStoresNothing_data() {
        QTest::addColumn<QString>("text");
        for (const char* s : {"", "abc", "1e9", "40000", "-40000"}) QTest::newRow(s) << QString(s);
    }
    void optionsRejectStoresNothing() {
        QFETCH(QString, text);
        TestGame t;
        t.screens.show(ScreenId::Form2);
        t.screens.show(ScreenId::opcije);
        auto* options = t.screen<opcije>(ScreenId::opcije);
        options->Text1->setText(text);
        click(options->Command1);
        QCOMPARE(t.gs.goldToWin, int16_t(100));
        QCOMPARE(t.dialogs.messages.size(), 1);
        QVERIFY(t.dialogs.messages.first().contains(QStringLiteral("32767")));
        QVERIFY(t.screens.isVisible(ScreenId::opcije));
        QCOMPARE(options->Text1->text(), text);
    }

    void optionsRoundingAndZero() {
        TestGame t;
        t.screens.show(ScreenId::Form2);
        t.screens.show(ScreenId::opcije);
        auto* options = t.screen<opcije>(ScreenId::opcije);
        options->Text1->setText(QStringLiteral(" 2,5 "));
        click(options->Command1);
        QCOMPARE(t.gs.goldToWin, int16_t(2));
        t.screens.show(ScreenId::opcije);
        options->Text1->setText(QStringLiteral("0"));
        click(options->Command1);
        QCOMPARE(t.gs.goldToWin, int16_t(0));
    }

    void optionsCloseAndQuit() {
        TestGame t;
        t.screens.show(ScreenId::Form2);
        t.screens.show(ScreenId::opcije);
        auto* options = t.screen<opcije>(ScreenId::opcije);
        options->Text1->setText(QStringLiteral("555"));
        options->close();
        QVERIFY(!t.screens.isVisible(ScreenId::opcije));
        QCOMPARE(t.gs.goldToWin, int16_t(100));
        t.screens.show(ScreenId::opcije);
        QCOMPARE(options->Text1->text(), QStringLiteral("100"));
        QCOMPARE(t.app.quitCount, 0);
        click(options->Command2);
        QCOMPARE(t.app.quitCount, 1);
    }

    void aboutTextScrollsAndRestarts() {
        TestGame t;
        t.screens.show(ScreenId::credits);
        auto* about = t.screen<credits>(ScreenId::credits);
        QCOMPARE(about->windowTitle(), QStringLiteral("O igri i autoru"));
        QVERIFY(about->Timer1.isActive());
        QCOMPARE(about->Timer1.interval(), 500);
        QCOMPARE(about->label1Top(), 7920);
        about->Timer1_Timer();
        QCOMPARE(about->label1Top(), 7860);
        QCOMPARE(about->Label1->y(), 7860 / 15);

        about->setLabel1Top(120);
        about->Timer1_Timer();
        QCOMPARE(about->label1Top(), 60);
        about->Timer1_Timer();
        QCOMPARE(about->label1Top(), 7860);

        // A whole cycle is 131 ticks.
        about->setLabel1Top(7920);
        for (int i = 0; i < 131; ++i) about->Timer1_Timer();
        QCOMPARE(about->label1Top(), 60);

        about->close();
        QVERIFY(!t.screens.isLoaded(ScreenId::credits));
        t.screens.show(ScreenId::credits);
        QCOMPARE(t.screen<credits>(ScreenId::credits)->label1Top(), 7920);
    }

    void aboutFiguresStandOnTheirBodies() {
        TestGame t;
        t.screens.show(ScreenId::credits);
        auto* about = t.screen<credits>(ScreenId::credits);
        const int bodyOf[13] = {0, 2, 1, 7, 11, 9, 4, 5, 10, 12, 6, 8, 3};
        for (int head = 0; head < 13; ++head) {
            const QRect h = about->Image1[head]->geometry();
            const QRect b = about->Image2[bodyOf[head]]->geometry();
            QVERIFY2(h.bottom() > b.top() && h.top() < b.top(), qPrintable(QString::number(head)));
            QVERIFY(h.intersects(b));
            // Figures keep clear of the text column.
            const QRect column = about->Label1->geometry();
            QVERIFY(b.right() < column.left() || b.left() > column.right());
        }
    }
};

QTEST_MAIN(TitleOptionsTest)
#include "test_title_options.moc"
