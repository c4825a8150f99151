// The game in its three languages and with the sound turned down: the desktop or the options
// choose the language, every open window follows at once and comes back to the original's texts
// to the character; the sound service hears the players' level.
#include <QtTest>
#include <QtWidgets>

#include "platform/Language.h"
#include "platform/Ui.h"
#include "screens/Form2/Form2.h"
#include "screens/Kreiranje/Kreiranje.h"
#include "screens/inventar/inventar.h"
#include "screens/opasnost/opasnost.h"
#include "screens/opcije/opcije.h"
#include "support/TestGame.h"

using namespace Qt::StringLiterals;

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        Language::set(Language::ORIGINAL);
        QCoreApplication::processEvents();
    }

    void desktopLanguages() {
        QCOMPARE(Language::fromDesktop({u"de-DE"_s, u"en-US"_s}), Language::ENGLISH);
        QCOMPARE(Language::fromDesktop({u"sr-RS"_s, u"sr-Cyrl-RS"_s, u"en"_s}), Language::CYRILLIC);
        QCOMPARE(Language::fromDesktop({u"sr-Latn-RS"_s, u"en-US"_s}), Language::ORIGINAL);
        QCOMPARE(Language::fromDesktop({u"C"_s}), Language::ORIGINAL);
        QVERIFY(!Language::set(u"de"_s));
    }

    // Chosen in the options in the middle of a fight: the title behind, the options themselves,
    // the taunt in the bubble and what the pictures say change at once; the next blow speaks the
    // new language as one sentence, and its spoils take that language's yes.
    void optionsSwitchEveryOpenWindow() {
        TestGame g;
        g.fourPlayers();
        g.screens.show(ScreenId::Form2);
        borba* fight = g.openFight(0, 1);
        g.screens.show(ScreenId::opcije);
        auto* options = g.screen<opcije>(ScreenId::opcije);
        const auto choose = [&](const QString& code) {
            QTest::keyClick(options->Combo1, Qt::Key_Home);
            while (options->Combo1->currentData() != code)
                QTest::keyClick(options->Combo1, Qt::Key_Down);
            QCoreApplication::processEvents();
        };
        pushBlow(g.random, {2, 5, 2, 6, 4, 2, 2});  // Ana hits Bora for 2
        g.random.pushRoll(3, 10);                   // ... who answers with hit line 3
        g.random.pushRoll(2, 5);
        fight->Command1_Click();
        const QString taunt = fight->Label8->text();
        QCOMPARE(taunt, u"Neeee tu..tu sam se operis`o!!!!"_s);

        choose(Language::ENGLISH);
        const auto title = g.screen<Form2>(ScreenId::Form2);
        QCOMPARE(title->Command2->text() + u'|' + options->windowTitle() + u'|' +
                     options->Combo1->currentText(),
                 u"OPTIONS|Options|English"_s);
        QCOMPARE(fight->Label8->text(), u"Nooo, not there.. I just had surgery there!!!!"_s);
        QCOMPARE(fight->Image6->meaning() + u'|' + fight->Image8->meaning(), u"axe|red shield"_s);
        // Bora strikes back and misses; Ana answers with miss line 1.
        pushBlow(g.random, {1, 2, 6, 0, 0, 3, 0});
        g.random.pushRoll(1, 10);
        fight->Command3_Click();
        QCOMPARE(g.dialogs.messages.mid(1), QStringList({u"Bora misses!"_s}));
        QCOMPARE(fight->Label8->text(), u"YOU'RE NUTS!!!! :)"_s);
        // Ana fells Bora, and a yes in English takes his things.
        g.dialogs.answers << u"yes"_s << u"no"_s << u"yes"_s;
        g.gs.playerHealth[1] = 2;
        pushBlow(g.random, {2, 5, 2, 6, 4, 2, 2});
        g.random.pushRoll(1, 10);
        g.random.pushRoll(1, 5);
        fight->Command1_Click();
        QCOMPARE(g.dialogs.inputPrompts.first(), u"Do you want to take the axe too?"_s);
        QCOMPARE(g.gs.playerWeapon[0] + u'|' + g.gs.playerShield[0], u"axe|crveni stit"_s);

        // Comic Neue has no Cyrillic: the lettering is all Andika, in the open windows and the
        // ones opened now, and Comic Neue again in the original.
        Ui::installGameFonts(QStringLiteral(KAVGALIJA_ASSETS_DIR));
        const auto lettering = [&] {
            inventar bag(g.ctx);
            return QFontInfo(title->Command2->font()).family() + u'|' +
                   QFontInfo(bag.Label1->font()).family();
        };
        QCOMPARE(lettering(), u"Comic Neue|Comic Neue"_s);
        choose(Language::CYRILLIC);
        QCOMPARE(lettering(), u"Andika|Andika"_s);
        QCOMPARE(title->Command2->text() + u'|' + title->windowTitle(), u"ОПЦИЈЕ|КАВГАЛИЈА!"_s);
        // Qt's own buttons, as the input box shows them.
        const QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), u"Откажи"_s);
        choose(Language::ORIGINAL);
        QCOMPARE(title->Command2->text() + u'|' + options->Label2->text() + u'|' +
                     options->Combo1->currentText(),
                 u"OPCIJE|zlatnika.|Srpski (latinica)"_s);
        QCOMPARE(lettering(), u"Comic Neue|Comic Neue"_s);
    }

    // Off plays nothing through the sound service, whether turned off in the options or with M
    // in any window; typed into a name, M is a letter. The volume set reaches every sound.
    void soundOffAndSofter() {
        TestGame g;
        g.screens.show(ScreenId::opcije);
        auto* options = g.screen<opcije>(ScreenId::opcije);
        QTest::keyClick(options->Check1, Qt::Key_Space);
        g.sound.play(u"/zvuk/masa.wav"_s, Sound::Mode::Sync);
        QVERIFY(!g.sound.isOn() && g.sound.played.isEmpty());
        QTest::keyClick(options->Command1, Qt::Key_M);
        QVERIFY(g.sound.isOn() && options->Check1->isChecked());
        g.screens.show(ScreenId::Kreiranje);
        auto* creation = g.screen<Kreiranje>(ScreenId::Kreiranje);
        creation->Text1->clear();
        QTest::keyClicks(creation->Text1, u"Mm"_s);
        QCOMPARE(creation->Text1->text(), u"Mm"_s);
        QTest::keyClick(creation->Command3, Qt::Key_M);
        QVERIFY(!g.sound.isOn() && !options->Check1->isChecked());
        QTest::keyClick(creation->Command3, Qt::Key_M);
        QTest::keyClick(options->HScroll1, Qt::Key_End);
        for (int i = 0; i < 7; ++i) QTest::keyClick(options->HScroll1, Qt::Key_Left);
        g.sound.play(u"/zvuk/masa.wav"_s, Sound::Mode::Sync);
        QCOMPARE(g.sound.played.size(), 1);
        QCOMPARE(g.sound.played[0].volume, 30);
    }
};

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
