// Every window as a player meets it: named for screen readers, reachable and pressed from the
// keyboard, fitting a small display; the title, options and about screens driven through their
// buttons.
#include <QAccessible>
#include <QtTest>
#include <QtWidgets>

#include <malloc.h>

#include "computer/GameLength.h"
#include "game/Duel.h"
#include "platform/Accessibility.h"
#include "platform/DirList.h"
#include "platform/PictureBox.h"
#include "screens/Flow.h"
#include "screens/Form1/Form1.h"
#include "screens/Form2/Form2.h"
#include "screens/Kreiranje/Kreiranje.h"
#include "screens/borba/borba.h"
#include "screens/credits/credits.h"
#include "screens/opcije/opcije.h"
#include "support/TestGame.h"

using namespace Qt::StringLiterals;

namespace {
// Brings a screen up the way play reaches it: four players made on the creation screen, then
// the board, and from the board the screen asked for (the fight between the first two).
QWidget* open(TestGame& g, ScreenId id) {
    for (int i = 0; i < 200; ++i) g.random.pushDraw(0.5);  // plenty of middling dice
    g.screens.show(ScreenId::Form2);
    g.screen<Form2>(ScreenId::Form2)->Command1_Click();
    auto* k = g.screen<Kreiranje>(ScreenId::Kreiranje);
    for (int p = 0; p < 3; ++p) k->Command4_Click();
    if (id != ScreenId::Kreiranje) k->Command3_Click();
    if (id == ScreenId::pobeda) g.gs.playerGold[0] = g.gs.goldToWin;
    g.gs.opponentIndex = 1;
    if (id == ScreenId::borba) {
        Game::OpenFight(g.gs, g.random);
        Flow::Landed(g.ctx);
    } else {
        g.screens.show(id);
    }
    return g.screens.loaded(id);
}

// Everything wrong with one window, one line per fault. Names are checked as a screen reader
// gets them: through the window's accessibility tree, which leaves out pictures without words.
QStringList faultsOf(QWidget* window) {
    const auto isControl = [](QObject* o) {
        return qobject_cast<QAbstractButton*>(o) || qobject_cast<QLineEdit*>(o) ||
               qobject_cast<QAbstractItemView*>(o) || qobject_cast<QAbstractSlider*>(o) ||
               qobject_cast<QComboBox*>(o);
    };
    static const QRegularExpression designerName(
        u"^(Image|Command|Label|Text|Option|Frame|Dir|Check|Combo|HScroll)\\d*(\\(\\d+\\))?$"_s);
    QStringList faults;
    const auto fault = [&](QObject* w, const char* what) {
        faults << window->objectName() + u'.' + w->objectName() + u' ' + QLatin1String(what);
    };
    if (window->windowTitle().isEmpty()) fault(window, "untitled");
    // Laid out by hand, a window must not be resizable; it fits 1366 x 768 with its frame.
    if (window->width() > 1358 || window->height() > 696) fault(window, "too big");
    if (!window->layout() && window->minimumSize() != window->maximumSize())
        fault(window, "resizable");
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    if (root->role() != QAccessible::Window) fault(window, "not a window");
    // A window is heard by its title; only the board's design caption means nothing to a listener.
    const QString heard = window->objectName() == u"Form1"_s ? u"Tabla"_s : window->windowTitle();
    if (root->text(QAccessible::Name) != heard) fault(window, "not its title");
    const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* up) {
        for (int i = 0; i < up->childCount(); ++i) {
            QAccessibleInterface* spoken = up->child(i);
            QObject* o = spoken->object();
            const QString name = spoken->text(QAccessible::Name).trimmed();
            if (designerName.match(name).hasMatch()) fault(o, "designer name");
            if ((isControl(o) || spoken->role() == QAccessible::Graphic) && name.isEmpty())
                fault(o, "unnamed");
            if (isControl(o) && !(qobject_cast<QWidget*>(o)->focusPolicy() & Qt::TabFocus))
                fault(o, "untabbable");
            if (!isControl(o)) walk(spoken);  // a list speaks for its scroll bars
        }
    };
    walk(root);
    return faults;
}

}  // namespace

class ScreensTest : public QObject {
    Q_OBJECT
private slots:
    // Each window also starts with the focus where a player most likely wants it (where given).
    void everyWindowIsNamedReachableAndFits_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("focus");
        const char* const focus[] = {"Command1", "Text1", "Text1",    "Command1", "Command1",
                                     "",         "",      "Command1", "Command1", "",
                                     "lines"};
        for (ScreenId id : kAllScreens)
            QTest::newRow(qPrintable(screenName(id))) << id << QString::fromLatin1(focus[int(id)]);
    }

    void everyWindowIsNamedReachableAndFits() {
        QFETCH(ScreenId, id);
        QFETCH(QString, focus);
        TestGame g;
        QWidget* window = open(g, id);
        QVERIFY(window && g.screens.isVisible(id));
        QStringList faults;
        for (ScreenId up : kAllScreens)
            if (g.screens.isVisible(up)) faults << faultsOf(g.screens.loaded(up));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        if (focus.isEmpty()) return;
        QVERIFY(activate(window));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    // A listener hears each sentence as it is said, even one that still waits for its screen to
    // get the focus, and one left for the next window; once removed it hears nothing.
    void sentencesAreHeardAsTheyAreSaid() {
        TestGame g;
        g.screens.show(ScreenId::Kreiranje);
        auto* creation = g.screen<Kreiranje>(ScreenId::Kreiranje);
        QList<QPair<const QWidget*, QString>> heard;
        Accessibility::setListener([&heard](const QWidget* screen, const QString& sentence) {
            heard.append({screen, sentence});
        });
        creation->Text1->setText(u"Ana"_s);
        creation->Command4->click();
        Accessibility::announceOnNextWindow(u"Ana odlazi."_s);
        Accessibility::setListener(nullptr);
        Accessibility::announce(creation, u"niko ne slusa"_s);
        const QList<QPair<const QWidget*, QString>> expected{{creation, u"Igrac br 2"_s},
                                                             {nullptr, u"Ana odlazi."_s}};
        QCOMPARE(heard, expected);
    }

    // The title: its load resets the amount and the fight; Tab in order; OPCIJE and AUTOR open
    // beside it (Enter and Space press); START replaces it; KRAJ and its frame quit. Options:
    // Escape forgets what was typed, Enter keeps it. About: Escape leaves.
    void titleOptionsAndAboutFromTheKeyboard() {
        TestGame g;
        g.gs.goldToWin = 7;
        g.gs.fightOpen = 1;
        g.screens.show(ScreenId::Form2);
        auto* title = g.screen<Form2>(ScreenId::Form2);
        QCOMPARE(QList<int>({g.gs.goldToWin, g.gs.fightOpen}), QList<int>({100, 0}));
        for (int i = 0; i < 7; ++i) QVERIFY(!title->Image[i]->fileName().isEmpty());
        QVERIFY(activate(title));
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order.join(u' '), u"Command1 Command2 Command4 Command3 Command1"_s);
        for (const int key : {Qt::Key_Escape, Qt::Key_Return}) {
            QTest::keyClick(title->Command2, Qt::Key_Return);
            auto* options = g.screen<opcije>(ScreenId::opcije);
            QVERIFY(options && options->isVisible() && activate(options));
            options->Text1->setText(u"55"_s);
            QTest::keyClick(options->Text1, Qt::Key(key));
            QVERIFY(!g.screens.isVisible(ScreenId::opcije));
            QCOMPARE(int(g.gs.goldToWin), key == Qt::Key_Escape ? 100 : 55);
        }
        QTest::keyClick(title->Command4, Qt::Key_Space);
        QVERIFY(g.screens.isVisible(ScreenId::Form2));
        QVERIFY(activate(g.screens.loaded(ScreenId::credits)));
        QTest::keyClick(g.screens.loaded(ScreenId::credits), Qt::Key_Escape);
        QVERIFY(!g.screens.isLoaded(ScreenId::credits));
        QTest::mouseClick(title->Command1, Qt::LeftButton);
        QVERIFY(g.screens.isVisible(ScreenId::Kreiranje) && !g.screens.isVisible(ScreenId::Form2) &&
                g.screens.isLoaded(ScreenId::Form2));
        QCOMPARE(g.app.quitCount, 0);
        QTest::keyClick(title->Command3, Qt::Key_Enter);
        QCOMPARE(g.app.quitCount, 1);
        TestGame h;
        h.screens.show(ScreenId::Form2);
        h.screens.loaded(ScreenId::Form2)->close();
        QCOMPARE(h.app.quitCount, 1);
    }

    // R rolls on the board; in the fight, focus follows the fighter to strike.
    void rollWithRAndStrikeWithSpace() {
        TestGame g;
        QVERIFY(activate(open(g, ScreenId::Form1)));
        QTest::keyClick(g.screens.loaded(ScreenId::Form1), Qt::Key_R);
        // A shortcut presses the button the way a click looks: down, then up a moment later.
        QTRY_COMPARE(g.dialogs.messages.value(0), u"4"_s);

        TestGame h;
        auto* fight = static_cast<borba*>(open(h, ScreenId::borba));
        QVERIFY(activate(fight));
        QTest::keyClick(fight->Command1, Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), fight->Command3);
    }

    // A rejected amount is told and stores nothing; each accepted one is stored as the parser
    // reads it and shown back so; closing forgets what was typed; "Kraj igre" quits.
    void optionsKeepWhatWasAccepted() {
        TestGame t;
        t.screens.show(ScreenId::Form2);
        t.screens.show(ScreenId::opcije);
        auto* options = t.screen<opcije>(ScreenId::opcije);
        QCOMPARE(options->Text1->text(), QStringLiteral("100"));
        for (const char* rejected : {"", "1e9", "40000"}) {
            options->Text1->setText(QString::fromLatin1(rejected));
            QTest::mouseClick(options->Command1, Qt::LeftButton);
            QVERIFY(t.screens.isVisible(ScreenId::opcije));
            QCOMPARE(options->Text1->text() + QString::number(t.gs.goldToWin),
                     QString::fromLatin1(rejected) + "100");
        }
        QCOMPARE(t.dialogs.messages,
                 QStringList(3, "Upisite ceo broj zlatnika od -32768 do 32767 (npr. 100)."));
        t.dialogs.messages.clear();
        options->Text1->setText(QStringLiteral(" 2,5 "));
        QTest::mouseClick(options->Command1, Qt::LeftButton);
        QVERIFY(!t.screens.isVisible(ScreenId::opcije));
        t.screens.show(ScreenId::opcije);
        QCOMPARE(options->Text1->text() + QString::number(t.gs.goldToWin), QStringLiteral("22"));
        options->Text1->setText(QStringLiteral("555"));
        options->close();
        QVERIFY(!t.screens.isVisible(ScreenId::opcije));
        t.screens.show(ScreenId::opcije);
        QCOMPARE(options->Text1->text() + QString::number(t.gs.goldToWin), QStringLiteral("22"));
        QVERIFY(t.dialogs.messages.isEmpty());
        QTest::mouseClick(options->Command2, Qt::LeftButton);
        QCOMPARE(t.app.quitCount, 1);
    }

    // Beside the amount the options tell how long a game to it lasts, as it is typed and by the
    // rule chosen; the rule is stored with the amount, and closing forgets both.
    void optionsTellTheGamesLength() {
        TestGame t;
        t.screens.show(ScreenId::Form2);
        t.screens.show(ScreenId::opcije);
        auto* options = t.screen<opcije>(ScreenId::opcije);
        const auto told = [](int goal, WinRule rule) {
            return QStringLiteral("Rundi: oko %1").arg(*Computer::TypicalRounds(goal, rule));
        };
        QCOMPARE(options->winRule->currentText(), QStringLiteral("tacno"));
        QCOMPARE(options->gameLength->text(), told(100, WinRule::Exactly));
        options->Text1->setText(QStringLiteral("20"));
        QCOMPARE(options->gameLength->text(), told(20, WinRule::Exactly));
        options->winRule->setCurrentIndex(1);
        QCOMPARE(options->gameLength->text(), told(20, WinRule::AtLeast));
        for (const char* none : {"0", "-5", "dvadeset"}) {
            options->Text1->setText(QString::fromLatin1(none));
            QVERIFY2(options->gameLength->text().isEmpty(), none);
        }
        options->close();
        QCOMPARE(t.gs.winRule, WinRule::Exactly);
        t.screens.show(ScreenId::opcije);
        QCOMPARE(options->winRule->currentText(), QStringLiteral("tacno"));
        options->winRule->setCurrentIndex(1);
        QTest::mouseClick(options->Command1, Qt::LeftButton);
        QCOMPARE(t.gs.winRule, WinRule::AtLeast);
        // Between and beyond the goals measured the table reads on along its lines.
        const int at20 = *Computer::TypicalRounds(20, WinRule::Exactly);
        const int at50 = *Computer::TypicalRounds(50, WinRule::Exactly);
        const int at30 = *Computer::TypicalRounds(30, WinRule::Exactly);
        QVERIFY(at20 < at30 && at30 < at50);
        QVERIFY(*Computer::TypicalRounds(1000, WinRule::Exactly) > at50);
        QVERIFY(*Computer::TypicalRounds(1, WinRule::AtLeast) >= 1);
        QVERIFY(*Computer::TypicalRounds(100, WinRule::AtLeast) <
                *Computer::TypicalRounds(100, WinRule::Exactly));
    }

    // The text climbs 60 twips a tick from 7920 and, once its last line has passed the top, starts
    // at the bottom again; a new showing starts at the bottom.
    void aboutTextScrollsAndRestarts() {
        TestGame t;
        t.screens.show(ScreenId::credits);
        auto* about = t.screen<credits>(ScreenId::credits);
        QCOMPARE(about->Timer1.isActive() ? about->Timer1.interval() : 0, 500);
        // Taller than the window: it could never be read whole at once.
        QVERIFY(about->textTwips() > 8970);
        QList<int> tops{about->label1Top()};
        about->Timer1_Timer();
        tops << about->label1Top() << about->Label1->y() * 15;
        const int passed = credits::kTextTurn - about->textTwips();
        about->setLabel1Top(passed + 60);
        for (int i = 0; i < 2; ++i) about->Timer1_Timer(), tops << about->label1Top() - passed;
        QCOMPARE(tops, (QList<int>{7920, 7860, 7860, 0, 7860 - passed}));

        about->close();
        QVERIFY(!t.screens.isLoaded(ScreenId::credits));
        t.screens.show(ScreenId::credits);
        QCOMPARE(t.screen<credits>(ScreenId::credits)->label1Top(), 7920);
    }

    // Played for hours, the windows that repaint and refill themselves keep to the memory they
    // took: the options' list box repainted, the theme list opened and closed again and again.
    void repaintsAndRefillsLeaveTheHeapAsItWas() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the sanitizer's allocator keeps its own books");
#else
        TestGame g;
        auto* creation = static_cast<Kreiranje*>(open(g, ScreenId::Kreiranje));
        g.screens.show(ScreenId::opcije);
        auto* options = g.screen<opcije>(ScreenId::opcije);
        const auto inUse = [] { return mallinfo2().uordblks; };
        const auto churn = [&](int times) {
            for (int i = 0; i < times; ++i) {
                options->Combo1->grab();
                creation->Dir1->openRow(creation->Dir1->count() - 1);  // into a theme
                creation->Dir1->openRow(1);                            // and out by ".."
                creation->Dir1->grab();
            }
        };
        churn(5);
        // A pixmap cache filled by the tests before would hide the keys piling up in it.
        QPixmapCache::clear();
        const size_t before = inUse();
        churn(200);
        QCOMPARE_LE(qMax<qint64>(0, qint64(inUse()) - qint64(before)), 64 * 1024);
#endif
    }
};

QTEST_MAIN(ScreensTest)
#include "test_screens.moc"
