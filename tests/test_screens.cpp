// Every window as a player meets it: named for screen readers, reachable and pressed from the
// keyboard, fitting a small display, opening centred.
#include <QAccessible>
#include <QtTest>
#include <QtWidgets>

#include "platform/Dialogs.h"
#include "platform/PictureBox.h"
#include "screens/Form2/Form2.h"
#include "screens/Kreiranje/Kreiranje.h"
#include "screens/borba/borba.h"
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
    id == ScreenId::borba ? borba::Open(g.ctx) : g.screens.show(id);
    return g.screens.loaded(id);
}

// Everything wrong with one window, one line per fault.
QStringList faultsOf(QWidget* window) {
    const auto isControl = [](QWidget* w) {
        return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
               qobject_cast<QAbstractItemView*>(w) || qobject_cast<QAbstractSlider*>(w);
    };
    QStringList faults;
    const auto fault = [&](QWidget* w, const char* what) {
        faults << window->objectName() + u'.' + w->objectName() + u' ' + QLatin1String(what);
    };
    if (window->windowTitle().isEmpty()) fault(window, "untitled");
    // Laid out by hand, a window must not be resizable; it fits 1366 x 768 with its frame.
    if (window->width() > 1358 || window->height() > 696) fault(window, "too big");
    if (!window->layout() && window->minimumSize() != window->maximumSize())
        fault(window, "resizable");
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QWidget* up = w->parentWidget();
        while (up != window && !isControl(up)) up = up->parentWidget();
        if (up != window) continue;  // a list's scroll bars: the list speaks for them
        if (auto* picture = qobject_cast<PictureBox*>(w)) {
            if (picture->accessibleName().isEmpty() ||
                (!picture->fileName().isEmpty() && picture->accessibleDescription().isEmpty()))
                fault(w, "undescribed");
        } else if (isControl(w)) {
            // A field is named by itself, not by what is typed or listed in it; a button may
            // be named by its caption.
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(w);
            const bool field = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w);
            if (field ? w->accessibleName().isEmpty()
                      : !spoken || spoken->text(QAccessible::Name).trimmed().isEmpty())
                fault(w, "unnamed");
            if (!(w->focusPolicy() & Qt::TabFocus)) fault(w, "untabbable");
        }
    }
    return faults;
}

bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
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
                                     "",         "",      "Command1", "Command1", ""};
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

    // The checks themselves catch a fault of every kind.
    void faultsAreFound() {
        QWidget window;
        window.setObjectName(u"w"_s);
        window.resize(1400, 300);
        (new QPushButton(&window))->setObjectName(u"blank"_s);
        (new QPushButton(&window))->setAccessibleName(u"Dalje"_s);
        (new QLineEdit(u"typed"_s, &window))->setObjectName(u"field"_s);
        (new PictureBox(u"pic"_s, &window))->setAccessibleName(QString());
        auto* mouseOnly = new QPushButton(u"OK"_s, &window);
        mouseOnly->setObjectName(u"mouse"_s);
        mouseOnly->setFocusPolicy(Qt::ClickFocus);
        QCOMPARE(faultsOf(&window).join(u", "_s),
                 u"w.w untitled, w.w too big, w.w resizable, w.blank unnamed, w.field unnamed, "
                 "w.pic undescribed, w.mouse untabbable"_s);
    }

    // Unplaced windows open centred; where the player put one, it comes back.
    void windowsOpenCentredUnlessPlaced() {
        TestGame g;
        const auto centred = [&g](ScreenId id) {
            g.screens.show(id);
            QRect frame(QPoint(0, 0), g.screens.loaded(id)->size());
            frame.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
            return g.screens.loaded(id)->pos() == frame.topLeft();
        };
        for (ScreenId id : {ScreenId::Form2, ScreenId::opcije, ScreenId::credits})
            QVERIFY2(centred(id), qPrintable(screenName(id)));
        for (ScreenId id : {ScreenId::opcije, ScreenId::credits}) {
            g.screens.loaded(id)->move(3, 4);
            g.screens.hide(id);
            g.screens.show(id);
            QCOMPARE(g.screens.loaded(id)->pos(), QPoint(3, 4));
        }
    }

    // The title: Tab in order, Enter and Space press. Options: Escape forgets what was typed,
    // Enter keeps it. About: Escape leaves.
    void titleOptionsAndAboutFromTheKeyboard() {
        TestGame g;
        auto* title = static_cast<Form2*>(open(g, ScreenId::Form2));
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
        QVERIFY(activate(g.screens.loaded(ScreenId::credits)));
        QTest::keyClick(g.screens.loaded(ScreenId::credits), Qt::Key_Escape);
        QVERIFY(!g.screens.isLoaded(ScreenId::credits));
        QTest::keyClick(title->Command3, Qt::Key_Enter);
        QCOMPARE(g.app.quitCount, 1);
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

    void boxesTakeEnterAndEscape_data() {
        QTest::addColumn<bool>("input");
        QTest::addColumn<int>("key");
        QTest::newRow("message, Enter") << false << int(Qt::Key_Return);
        QTest::newRow("message, Escape") << false << int(Qt::Key_Escape);
        QTest::newRow("input, Enter") << true << int(Qt::Key_Return);
        QTest::newRow("input, Escape") << true << int(Qt::Key_Escape);
    }

    void boxesTakeEnterAndEscape() {
        QFETCH(bool, input);
        QFETCH(int, key);
        bool closed = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            QWidget* target = input ? box->findChild<QLineEdit*>() : box;
            if (input) QTest::keyClicks(target, u"da"_s);
            QTest::keyClick(target, Qt::Key(key));
            closed = !box->isVisible();
            box->close();  // fail, don't hang
        });
        QtDialogs dialogs;
        const QString got =
            input ? dialogs.input(u"Uzmi mac?"_s) : (dialogs.message(u"Bacio si 6."_s), QString());
        QVERIFY(closed);
        QCOMPARE(got, input && key == Qt::Key_Return ? u"da"_s : QString());
    }
};

QTEST_MAIN(ScreensTest)
#include "test_screens.moc"
