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

namespace {
void click(QPushButton* b) {
    QTest::mouseClick(b, Qt::LeftButton);
}

opcije* openOptions(TestGame& t) {
    t.screens.show(ScreenId::Form2);
    t.screens.show(ScreenId::opcije);
    return t.screen<opcije>(ScreenId::opcije);
}
}  // namespace

class TitleOptionsTest : public QObject {
    Q_OBJECT

private slots:
    // The title's load resets the amount and the fight; OPCIJE and AUTOR open beside it, START
    // replaces it, KRAJ and its frame quit.
    void title() {
        TestGame t;
        t.gs.goldToWin = 7;
        t.gs.fightOpen = 1;
        t.screens.show(ScreenId::Form2);
        QCOMPARE(QList<int>({t.gs.goldToWin, t.gs.fightOpen}), QList<int>({100, 0}));
        auto* title = t.screen<Form2>(ScreenId::Form2);
        for (int i = 0; i < 7; ++i) QVERIFY(!title->Image[i]->fileName().isEmpty());
        click(title->Command2);
        click(title->Command4);
        QVERIFY(t.screens.isVisible(ScreenId::opcije) && t.screens.isVisible(ScreenId::credits) &&
                t.screens.isVisible(ScreenId::Form2));
        click(title->Command1);
        QVERIFY(t.screens.isVisible(ScreenId::Kreiranje) && !t.screens.isVisible(ScreenId::Form2) &&
                t.screens.isLoaded(ScreenId::Form2));
        QCOMPARE(t.app.quitCount, 0);
        click(title->Command3);
        QCOMPARE(t.app.quitCount, 1);
        TestGame u;
        u.screens.show(ScreenId::Form2);
        u.screens.loaded(ScreenId::Form2)->close();
        QCOMPARE(u.app.quitCount, 1);
    }

    // A rejected amount is told and stores nothing; each accepted one is stored as the parser
    // reads it and shown back so; closing forgets what was typed; "Kraj igre" quits.
    void optionsKeepWhatWasAccepted() {
        TestGame t;
        opcije* options = openOptions(t);
        QCOMPARE(options->Text1->text(), QStringLiteral("100"));
        for (const char* rejected : {"", "1e9", "40000"}) {
            options->Text1->setText(QString::fromLatin1(rejected));
            click(options->Command1);
            QVERIFY(t.screens.isVisible(ScreenId::opcije));
            QCOMPARE(options->Text1->text() + QString::number(t.gs.goldToWin),
                     QString::fromLatin1(rejected) + "100");
        }
        QCOMPARE(t.dialogs.messages,
                 QStringList(3, "Upisite ceo broj zlatnika od -32768 do 32767 (npr. 100)."));
        t.dialogs.messages.clear();
        for (const char* typed : {"250", " 2,5 ", "0"}) {
            options->Text1->setText(QString::fromLatin1(typed));
            click(options->Command1);
            QVERIFY(!t.screens.isVisible(ScreenId::opcije));
            t.screens.show(ScreenId::opcije);
        }
        QCOMPARE(options->Text1->text() + QString::number(t.gs.goldToWin), QStringLiteral("00"));
        options->Text1->setText(QStringLiteral("555"));
        options->close();
        QVERIFY(!t.screens.isVisible(ScreenId::opcije));
        t.screens.show(ScreenId::opcije);
        QCOMPARE(options->Text1->text() + QString::number(t.gs.goldToWin), QStringLiteral("00"));
        QVERIFY(t.dialogs.messages.isEmpty());
        click(options->Command2);
        QCOMPARE(t.app.quitCount, 1);
    }

    // The text climbs 60 twips a tick from 7920 and, past the top, starts at the bottom again: a
    // cycle of 131 ticks; a new showing starts at the bottom.
    void aboutTextScrollsAndRestarts() {
        TestGame t;
        t.screens.show(ScreenId::credits);
        auto* about = t.screen<credits>(ScreenId::credits);
        QVERIFY(about->Timer1.isActive());
        QCOMPARE(about->Timer1.interval(), 500);
        QList<int> tops{about->label1Top()};
        about->Timer1_Timer();
        tops << about->label1Top() << about->Label1->y() * 15;
        about->setLabel1Top(120);
        for (int i = 0; i < 2; ++i) about->Timer1_Timer(), tops << about->label1Top();
        about->setLabel1Top(7920);
        for (int i = 0; i < 131; ++i) about->Timer1_Timer();
        tops << about->label1Top();
        QCOMPARE(tops, (QList<int>{7920, 7860, 7860, 60, 7860, 60}));

        about->close();
        QVERIFY(!t.screens.isLoaded(ScreenId::credits));
        t.screens.show(ScreenId::credits);
        QCOMPARE(t.screen<credits>(ScreenId::credits)->label1Top(), 7920);
    }
};

QTEST_MAIN(TitleOptionsTest)
#include "test_title_options.moc"
