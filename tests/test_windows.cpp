// The game's windows: where they open and how big they are.
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTest>

#include "screen_tour.h"

namespace {
// A 1366 x 768 display less a title bar, window borders and a desktop panel.
constexpr QSize kUsable(1366 - 8, 768 - 40 - 32);

QPoint centredOnScreen(const QWidget* w) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QRect frame(QPoint(0, 0), w->size());
    frame.moveCenter(area.center());
    return {std::max(frame.left(), area.left()), std::max(frame.top(), area.top())};
}
}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowFitsASmallDisplay_data() {
        QTest::addColumn<ScreenId>("id");
        for (ScreenId id : kAllScreens) QTest::newRow(qPrintable(screenName(id))) << id;
    }

    // Laid out by hand, a window must not be resizable, or its controls would sit in a corner.
    void everyWindowFitsASmallDisplay() {
        QFETCH(ScreenId, id);
        TestGame g;
        screen_tour::setUpGame(g);
        screen_tour::open(g, id);
        QVERIFY(g.screens.isVisible(id));
        const QList<Screen*> up = screen_tour::visibleScreens(g);
        for (Screen* w : up) {
            const QString name = w->objectName();
            QVERIFY2(
                w->width() <= kUsable.width() && w->height() <= kUsable.height(),
                qPrintable(name + QStringLiteral(" is %1x%2").arg(w->width()).arg(w->height())));
            QVERIFY2(w->layout() != nullptr || w->minimumSize() == w->maximumSize(),
                     qPrintable(name + QStringLiteral(" can be resized but has no layout")));
        }
    }

    void windowsOpenCentred_data() {
        QTest::addColumn<ScreenId>("id");
        for (ScreenId id : {ScreenId::Form2, ScreenId::opcije, ScreenId::credits})
            QTest::newRow(qPrintable(screenName(id))) << id;
    }

    void windowsOpenCentred() {
        QFETCH(ScreenId, id);
        TestGame g;
        g.screens.show(ScreenId::Form2);
        g.screens.show(id);
        QWidget* w = g.screens.loaded(id);
        QCOMPARE(w->pos(), centredOnScreen(w));
    }

    // Where the player or the game put a window, it comes back.
    void aPlacedWindowStaysPut() {
        TestGame g;
        g.screens.show(ScreenId::Form2);
        g.screens.show(ScreenId::opcije);
        QWidget* options = g.screens.loaded(ScreenId::opcije);
        options->move(3, 4);
        g.screens.hide(ScreenId::opcije);
        g.screens.show(ScreenId::opcije);
        QCOMPARE(options->pos(), QPoint(3, 4));

        QWidget* about = g.screens.load(ScreenId::credits);
        about->move(5, 6);
        g.screens.show(ScreenId::credits);
        QCOMPARE(about->pos(), QPoint(5, 6));
    }

    // A window reloaded is a new window, and opens centred again.
    void aReloadedWindowIsCentredAgain() {
        TestGame g;
        g.screens.show(ScreenId::credits);
        g.screens.loaded(ScreenId::credits)->move(5, 6);
        g.screens.unload(ScreenId::credits);
        TestGame::settle();
        g.screens.show(ScreenId::credits);
        QWidget* about = g.screens.loaded(ScreenId::credits);
        QCOMPARE(about->pos(), centredOnScreen(about));
    }
};

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
