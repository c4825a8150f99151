// The game in its four languages and with the sound turned down: the desktop, the command line or
// the options choose the language, every open window follows at once and comes back to the
// original's texts to the character; amounts agree with their numbers, and every language's
// lettering fits; the sound service hears the players' level.
#include <QtTest>
#include <QtWidgets>

#include "platform/Accessibility.h"
#include "platform/CommandLine.h"
#include "platform/DirList.h"
#include "platform/Language.h"
#include "platform/Ui.h"
#include "screens/Form1/Form1.h"
#include "screens/Form2/Form2.h"
#include "screens/Kreiranje/Kreiranje.h"
#include "screens/Spoils.h"
#include "screens/borba/Fight.h"
#include "screens/credits/credits.h"
#include "screens/inventar/inventar.h"
#include "screens/opasnost/opasnost.h"
#include "screens/opcije/opcije.h"
#include "screens/pobeda/pobeda.h"
#include "support/TestGame.h"

using namespace Qt::StringLiterals;

// Chooses the language and lets the open windows hear of it, as the event loop would.
void speak(const QString& language) {
    Language::set(language);
    QCoreApplication::processEvents();
}

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

    // --lang wins over the desktop, and the rest of the line is read in the language it names.
    void commandLine() {
        const CommandLine::Options options = CommandLine::read(
            {u"kavgalija"_s, u"--lang"_s, u"sr-Latn"_s, u"--seed"_s, u"7"_s, u"--no-save"_s});
        QCOMPARE(Language::current(), Language::LATIN);
        QVERIFY(options.languageGiven && !options.keep);
        QCOMPARE(options.seed.value_or(0), 7u);
        const CommandLine::Options plain = CommandLine::read({u"kavgalija"_s});
        QVERIFY(!plain.languageGiven && plain.keep && !plain.seed);
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
        QCOMPARE(g.dialogs.inputPrompts.first(),
                 u"Do you want to take the axe too? Type yes if you do."_s);
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
                 u"OPCIJE|zlatnika.|Srpski (original)"_s);
        QCOMPARE(lettering(), u"Comic Neue|Comic Neue"_s);
    }

    // Each amount agrees with its number: gold won, stolen, held and owned against the goal, and
    // the damage of a blow. The original keeps its one form for every number.
    void amountsAgree_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("original")
            << Language::ORIGINAL
            << QStringList{
                   u"Ana dobija 0 zlatnika.|Neko vam je ukrao 0 zlatnika.|Ana udara!0 ostecenja!|Ana ima 3 od 0 zlatnika.|Ana ima 0 zlatnika; oruzje: sword; oklop: Odelo; stit: nema."_s,
                   u"Ana dobija 1 zlatnika.|Neko vam je ukrao 1 zlatnika.|Ana udara!1 ostecenja!|Ana ima 3 od 1 zlatnika.|Ana ima 1 zlatnika; oruzje: sword; oklop: Odelo; stit: nema."_s,
                   u"Ana dobija 2 zlatnika.|Neko vam je ukrao 2 zlatnika.|Ana udara!2 ostecenja!|Ana ima 3 od 2 zlatnika.|Ana ima 2 zlatnika; oruzje: sword; oklop: Odelo; stit: nema."_s,
                   u"Ana dobija 5 zlatnika.|Neko vam je ukrao 5 zlatnika.|Ana udara!5 ostecenja!|Ana ima 3 od 5 zlatnika.|Ana ima 5 zlatnika; oruzje: sword; oklop: Odelo; stit: nema."_s,
                   u"Ana dobija 11 zlatnika.|Neko vam je ukrao 11 zlatnika.|Ana udara!11 ostecenja!|Ana ima 3 od 11 zlatnika.|Ana ima 11 zlatnika; oruzje: sword; oklop: Odelo; stit: nema."_s,
                   u"Ana dobija 21 zlatnika.|Neko vam je ukrao 21 zlatnika.|Ana udara!21 ostecenja!|Ana ima 3 od 21 zlatnika.|Ana ima 21 zlatnika; oruzje: sword; oklop: Odelo; stit: nema."_s,
               };
        QTest::newRow("latin")
            << Language::LATIN
            << QStringList{
                   u"Ana dobija 0 zlatnika.|Neko vam je ukrao 0 zlatnika.|Ana udara! 0 oštećenja!|Ana ima 3 od 0 zlatnika.|Ana ima 0 zlatnika; oružje: mač; oklop: Odelo; štit: nema."_s,
                   u"Ana dobija 1 zlatnik.|Neko vam je ukrao 1 zlatnik.|Ana udara! 1 oštećenje!|Ana ima 3 od 1 zlatnika.|Ana ima 1 zlatnik; oružje: mač; oklop: Odelo; štit: nema."_s,
                   u"Ana dobija 2 zlatnika.|Neko vam je ukrao 2 zlatnika.|Ana udara! 2 oštećenja!|Ana ima 3 od 2 zlatnika.|Ana ima 2 zlatnika; oružje: mač; oklop: Odelo; štit: nema."_s,
                   u"Ana dobija 5 zlatnika.|Neko vam je ukrao 5 zlatnika.|Ana udara! 5 oštećenja!|Ana ima 3 od 5 zlatnika.|Ana ima 5 zlatnika; oružje: mač; oklop: Odelo; štit: nema."_s,
                   u"Ana dobija 11 zlatnika.|Neko vam je ukrao 11 zlatnika.|Ana udara! 11 oštećenja!|Ana ima 3 od 11 zlatnika.|Ana ima 11 zlatnika; oružje: mač; oklop: Odelo; štit: nema."_s,
                   u"Ana dobija 21 zlatnik.|Neko vam je ukrao 21 zlatnik.|Ana udara! 21 oštećenje!|Ana ima 3 od 21 zlatnika.|Ana ima 21 zlatnik; oružje: mač; oklop: Odelo; štit: nema."_s,
               };
        QTest::newRow("cyrillic")
            << Language::CYRILLIC
            << QStringList{
                   u"Ana добија 0 златника.|Неко вам је украо 0 златника.|Ana удара! 0 оштећења!|Ana има 3 од 0 златника.|Ana има 0 златника; оружје: мач; оклоп: Одело; штит: нема."_s,
                   u"Ana добија 1 златник.|Неко вам је украо 1 златник.|Ana удара! 1 оштећење!|Ana има 3 од 1 златника.|Ana има 1 златник; оружје: мач; оклоп: Одело; штит: нема."_s,
                   u"Ana добија 2 златника.|Неко вам је украо 2 златника.|Ana удара! 2 оштећења!|Ana има 3 од 2 златника.|Ana има 2 златника; оружје: мач; оклоп: Одело; штит: нема."_s,
                   u"Ana добија 5 златника.|Неко вам је украо 5 златника.|Ana удара! 5 оштећења!|Ana има 3 од 5 златника.|Ana има 5 златника; оружје: мач; оклоп: Одело; штит: нема."_s,
                   u"Ana добија 11 златника.|Неко вам је украо 11 златника.|Ana удара! 11 оштећења!|Ana има 3 од 11 златника.|Ana има 11 златника; оружје: мач; оклоп: Одело; штит: нема."_s,
                   u"Ana добија 21 златник.|Неко вам је украо 21 златник.|Ana удара! 21 оштећење!|Ana има 3 од 21 златника.|Ana има 21 златник; оружје: мач; оклоп: Одело; штит: нема."_s,
               };
        QTest::newRow("english")
            << Language::ENGLISH
            << QStringList{
                   u"Ana gets 0 gold coins.|Someone stole 0 gold coins from you.|Ana hits! 0 points of damage!|Ana has 3 of 0 gold coins.|Ana has 0 gold coins; weapon: sword; armour: Plain clothes; shield: none."_s,
                   u"Ana gets 1 gold coin.|Someone stole 1 gold coin from you.|Ana hits! 1 point of damage!|Ana has 3 of 1 gold coin.|Ana has 1 gold coin; weapon: sword; armour: Plain clothes; shield: none."_s,
                   u"Ana gets 2 gold coins.|Someone stole 2 gold coins from you.|Ana hits! 2 points of damage!|Ana has 3 of 2 gold coins.|Ana has 2 gold coins; weapon: sword; armour: Plain clothes; shield: none."_s,
                   u"Ana gets 5 gold coins.|Someone stole 5 gold coins from you.|Ana hits! 5 points of damage!|Ana has 3 of 5 gold coins.|Ana has 5 gold coins; weapon: sword; armour: Plain clothes; shield: none."_s,
                   u"Ana gets 11 gold coins.|Someone stole 11 gold coins from you.|Ana hits! 11 points of damage!|Ana has 3 of 11 gold coins.|Ana has 11 gold coins; weapon: sword; armour: Plain clothes; shield: none."_s,
                   u"Ana gets 21 gold coins.|Someone stole 21 gold coins from you.|Ana hits! 21 points of damage!|Ana has 3 of 21 gold coins.|Ana has 21 gold coins; weapon: sword; armour: Plain clothes; shield: none."_s,
               };
    }
    void amountsAgree() {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        TestGame g;
        g.fourPlayers();
        g.gs.mishapStruck = 4;
        Language::set(language);
        QStringList said;
        for (const int n : {0, 1, 2, 5, 11, 21}) {
            g.gs.goldStolen = n;
            g.gs.playerGold[0] = n;
            Game::Event hit = Game::MakeEvent(Game::EventKind::Struck, 0, 1);
            hit.blow.outcome = Game::BlowOutcome::Hit;
            hit.blow.damage = n;
            const opasnost danger(g.ctx);
            const inventar bag(g.ctx);
            said << QStringList{GoldWonMessage(u"Ana"_s, n), danger.Label1->text(),
                                BlowMessage(g.gs, hit), Accessibility::goldSentence(u"Ana"_s, 3, n),
                                bag.Command1->accessibleDescription()}
                        .join(u'|');
        }
        QCOMPARE(said, expected);
        // A goal below zero is written too, though Qt fills in only amounts from zero up.
        QVERIFY(Accessibility::goldSentence(u"Ana"_s, 0, -21).contains(u" -21 "_s));
    }

    // The spoils' questions say what they offer, or that there is nothing, and what to type;
    // each language takes its own yes and the original's "da".
    void spoilsSayWhatToType() {
        TestGame g;
        g.fourPlayers();
        g.gs.playerWeapon[1] = u"axe"_s;
        g.gs.playerWeapon[2].clear();
        QCOMPARE(SpoilQuestion(g.gs, 2, Spoil::Weapon), u"Da li zelite da uzmete i ?"_s);
        speak(Language::ENGLISH);
        QCOMPARE(SpoilQuestion(g.gs, 2, Spoil::Weapon),
                 u"Your opponent has no weapon. Do you want to be empty-handed too? Type yes if "
                 u"you do."_s);
        speak(Language::CYRILLIC);
        QCOMPARE(SpoilQuestion(g.gs, 1, Spoil::Weapon),
                 u"Да ли желите да узмете и ово: секира? Упишите „да“ ако желите."_s);
        QVERIFY(SaysYes(u"да"_s) && SaysYes(u"da"_s) && !SaysYes(u"yes"_s) && !SaysYes(u"Да"_s));
    }

    // The game stores no gender: no Cyrillic line of a fight or a victory has a past participle
    // (победио, одбио, оперис’о) that would make a player a man.
    void cyrillicFitsEveryPlayer() {
        TestGame g;
        g.fourPlayers();
        Language::set(Language::CYRILLIC);
        QStringList lines{WonMessage(u"Ana"_s),
                          FledMessage(u"Ana"_s),
                          GoldWonMessage(u"Ana"_s, 5),
                          QCoreApplication::translate("pobeda", "JE POBEDNIK!"),
                          QCoreApplication::translate("pobeda", "%1 je pobednik!"),
                          QCoreApplication::translate(
                              "Form1", "Na potezu je %1,ali njega trenutno muchi inkvizicija...")};
        for (const auto outcome : {Game::BlowOutcome::ShieldBlock, Game::BlowOutcome::Hit,
                                   Game::BlowOutcome::Miss, Game::BlowOutcome::Parry}) {
            Game::Event blow = Game::MakeEvent(Game::EventKind::Struck, 0, 1);
            blow.blow.outcome = outcome;
            lines << BlowMessage(g.gs, blow);
            for (int n = 1; n <= 10; ++n) lines << TauntText({outcome, n});
        }
        const QRegularExpression participle(u"\\w+(ао|ео|ио|уо|’о)\\b"_s,
                                            QRegularExpression::UseUnicodePropertiesOption);
        QStringList masculine;
        for (const QString& line : lines)
            if (participle.match(line).hasMatch()) masculine << line;
        QCOMPARE(masculine, QStringList());
        QCOMPARE(lines.size(), 50);
    }

    // The about text runs until its last line has passed: within one turn of the scroll the
    // last line stands whole in the window, in every language's lettering.
    void aboutTextReadToTheEnd() {
        Ui::installGameFonts(QStringLiteral(KAVGALIJA_ASSETS_DIR));
        for (const QString& language : Language::codes()) {
            Language::set(language);
            TestGame g;
            g.screens.show(ScreenId::credits);
            auto* about = g.screen<credits>(ScreenId::credits);
            const QLabel* text = about->Label1;
            const QFontMetrics metrics(text->font());
            const int height = metrics
                                   .boundingRect(QRect(0, 0, text->width(), 100000),
                                                 Qt::TextWordWrap | Qt::AlignHCenter, text->text())
                                   .height();
            QVERIFY2(text->height() >= height, qPrintable(language));
            bool lastLineSeen = false;
            int ticks = 0;
            for (int top = about->label1Top(); ticks < 5000; ++ticks) {
                const int bottom = text->y() + height;
                lastLineSeen |= bottom - metrics.lineSpacing() >= 0 && bottom <= about->height();
                about->Timer1_Timer();
                if (about->label1Top() > top) break;  // the scroll starts again
                top = about->label1Top();
            }
            QVERIFY2(lastLineSeen && ticks < 5000, qPrintable(language));
        }
    }

    // The title's lettering stays clear of the badge beside it, at the ordinary scale and twice it.
    void titleClearOfItsBadge() {
        Ui::installGameFonts(QStringLiteral(KAVGALIJA_ASSETS_DIR));
        for (const QString& language : Language::codes()) {
            Language::set(language);
            TestGame g;
            g.screens.show(ScreenId::Form2);
            const auto* title = g.screen<Form2>(ScreenId::Form2);
            for (const int scale : {1, 2}) {
                QImage ink(title->title->size() * scale, QImage::Format_ARGB32_Premultiplied);
                ink.setDevicePixelRatio(scale);
                ink.fill(Qt::transparent);
                title->title->render(&ink, QPoint(), QRegion(), QWidget::RenderFlags());
                int right = -1;
                for (int y = 0; y < ink.height(); ++y)
                    for (int x = ink.width() - 1; x > right; --x)
                        if (qAlpha(ink.pixel(x, y)) != 0) right = x;
                const int inkRight = title->title->x() + right / scale;
                QVERIFY2(right >= 0 && inkRight < title->Label1->x(),
                         qPrintable(u"%1 x%2: %3"_s.arg(language).arg(scale).arg(inkRight)));
            }
        }
    }

    // Creation follows the language: the starting name until one is typed, and the sound themes
    // by their names, over folders that keep theirs. The board has a real caption.
    void creationAndBoardFollow() {
        TestGame g;
        g.fourPlayers();
        g.screens.show(ScreenId::Form1);
        auto* board = g.screen<Form1>(ScreenId::Form1);
        speak(Language::CYRILLIC);
        QCOMPARE(board->windowTitle(), u"Табла"_s);
        speak(Language::ORIGINAL);
        QCOMPARE(board->windowTitle(), u"Form1"_s);
        g.screens.unload(ScreenId::Form1);

        g.screens.show(ScreenId::Kreiranje);
        auto* creation = g.screen<Kreiranje>(ScreenId::Kreiranje);
        // The language said again (as at a start) leaves the starting name chosen, to be typed
        // over.
        speak(Language::ORIGINAL);
        QCOMPARE(creation->Text1->selectedText(), u"Ime"_s);
        const auto themes = [&] {
            QStringList shown;
            for (int i = 0; i < creation->Dir1->count(); ++i)
                shown << creation->Dir1->item(i)->text();
            return shown.join(u',');
        };
        QCOMPARE(themes(), u"zvuk,american,patuljak,srpski"_s);
        speak(Language::ENGLISH);
        QCOMPARE(creation->Text1->text() + u'|' + themes(),
                 u"Name|Sound themes,American,Dwarf,Serbian"_s);
        creation->Dir1->openRow(2);
        QCOMPARE(themes() + u'|' + QFileInfo(creation->Dir1->path()).fileName(),
                 u"Dwarf,(back)|patuljak"_s);
        creation->Text1->setText(u"Mara"_s);
        speak(Language::LATIN);
        QCOMPARE(creation->Text1->text() + u'|' + creation->windowTitle() + u'|' +
                     creation->Check1->text(),
                 u"Mara|Kreiranje igrača|Računar"_s);
        creation->Text1->setText(u"Ime"_s);
        speak(Language::CYRILLIC);
        QCOMPARE(creation->Text1->text() + u'|' + themes(), u"Име|Патуљак,(назад)"_s);
        speak(Language::ORIGINAL);
        QCOMPARE(creation->Text1->text() + u'|' + themes(), u"Ime|patuljak,.."_s);
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
