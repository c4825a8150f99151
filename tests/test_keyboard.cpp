// The game played from the keyboard: focus, Tab, Space, Enter and Escape, and the message and
// input boxes.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/Dialogs.h"
#include "screens/Form2/Form2.h"
#include "screens/opcije/opcije.h"
#include "support/TestGame.h"

namespace {

// Makes the window the one that takes the keys, as clicking on it would.
bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Sends keys to whichever modal box opens next, once it is up. A box that never closes is
// closed by force after a while so the test fails instead of hanging.
void whenBoxOpens(std::function<void(QWidget*)> keys) {
    QTimer::singleShot(0, [keys] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) return;
        keys(box);
        QTimer::singleShot(2000, box, [box] { box->close(); });
    });
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void titleStartsOnStartAndTabsThroughItsButtons() {
        TestGame g;
        g.screens.show(ScreenId::Form2);
        auto* title = g.screen<Form2>(ScreenId::Form2);
        QVERIFY(activate(title));
        QCOMPARE(QApplication::focusWidget(), title->Command1);
        const QList<QPushButton*> order = {title->Command2, title->Command4, title->Command3,
                                           title->Command1};
        for (QPushButton* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void enterAndSpacePressTheFocusedButton() {
        TestGame g;
        g.screens.show(ScreenId::Form2);
        auto* title = g.screen<Form2>(ScreenId::Form2);
        QTest::keyClick(title->Command2, Qt::Key_Return);
        QVERIFY(g.screens.isVisible(ScreenId::opcije));
        QTest::keyClick(title->Command4, Qt::Key_Space);
        QVERIFY(g.screens.isVisible(ScreenId::credits));
        QTest::keyClick(title->Command3, Qt::Key_Enter);
        QCOMPARE(g.app.quitCount, 1);
    }

    void optionsTakeEnterAndEscape() {
        TestGame g;
        g.screens.show(ScreenId::Form2);
        g.screens.show(ScreenId::opcije);
        auto* options = g.screen<opcije>(ScreenId::opcije);
        QVERIFY(activate(options));
        QCOMPARE(QApplication::focusWidget(), options->Text1);

        // Escape forgets what was typed and keeps the old amount.
        options->Text1->setText(QStringLiteral("55"));
        QTest::keyClick(options->Text1, Qt::Key_Escape);
        QVERIFY(!g.screens.isVisible(ScreenId::opcije));
        QCOMPARE(g.gs.goldToWin, int16_t(100));

        g.screens.show(ScreenId::opcije);
        QVERIFY(activate(options));
        QCOMPARE(options->Text1->text(), QStringLiteral("100"));
        options->Text1->setText(QStringLiteral("55"));
        QTest::keyClick(options->Text1, Qt::Key_Return);
        QVERIFY(!g.screens.isVisible(ScreenId::opcije));
        QCOMPARE(g.gs.goldToWin, int16_t(55));
    }

    void escapeClosesTheAboutScreen() {
        TestGame g;
        g.screens.show(ScreenId::Form2);
        g.screens.show(ScreenId::credits);
        QWidget* about = g.screens.loaded(ScreenId::credits);
        QVERIFY(activate(about));
        QTest::keyClick(about, Qt::Key_Escape);
        QVERIFY(!g.screens.isLoaded(ScreenId::credits));
        QVERIFY(g.screens.isVisible(ScreenId::Form2));
    }

    void messageBoxTakesEnterAndEscape_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }

    void messageBoxTakesEnterAndEscape() {
        QFETCH(int, key);
        bool sent = false;
        whenBoxOpens([&](QWidget* box) {
            sent = true;
            QTest::keyClick(box, Qt::Key(key));
        });
        QElapsedTimer clock;
        clock.start();
        QtDialogs().message(QStringLiteral("Bacio si 6."));
        QVERIFY(sent);
        QVERIFY2(clock.elapsed() < 1500, "the box stayed open");
    }

    void inputBoxTakesEnterAndEscape() {
        QtDialogs dialogs;
        whenBoxOpens([](QWidget* box) {
            auto* field = box->findChild<QLineEdit*>();
            QTest::keyClicks(field, QStringLiteral("da"));
            QTest::keyClick(field, Qt::Key_Return);
        });
        QCOMPARE(dialogs.input(QStringLiteral("Uzmi mac?")), QStringLiteral("da"));

        whenBoxOpens([](QWidget* box) {
            auto* field = box->findChild<QLineEdit*>();
            QTest::keyClicks(field, QStringLiteral("da"));
            QTest::keyClick(field, Qt::Key_Escape);
        });
        QCOMPARE(dialogs.input(QStringLiteral("Uzmi mac?")), QString());
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
