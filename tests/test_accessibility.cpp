// Every control of every screen is named for screen readers and reachable from the keyboard.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/PictureBox.h"
#include "screen_tour.h"

namespace {

QString where(const QWidget* window, const QWidget* w) {
    return window->objectName() + QLatin1Char('.') +
           (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                      : w->objectName());
}

// What a screen reader would say for the widget: its accessible name, else its caption or buddy.
QString spokenName(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name).trimmed() : QString();
}

bool isControl(QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<QAbstractItemView*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QAbstractSlider*>(w) || qobject_cast<QAbstractSpinBox*>(w);
}

bool insideControl(QWidget* w, QWidget* window) {
    for (QWidget* up = w->parentWidget(); up != nullptr && up != window; up = up->parentWidget())
        if (isControl(up)) return true;
    return false;
}

// Everything wrong with one window, one line per fault.
QStringList faultsOf(QWidget* window) {
    QStringList faults;
    if (window->windowTitle().isEmpty())
        faults << window->objectName() + QStringLiteral(": no title");
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // The inner parts of a composite control (a list's viewport, its scroll bars) speak for
        // it and are not the game's own.
        if (insideControl(w, window)) continue;
        if (auto* picture = qobject_cast<PictureBox*>(w)) {
            if (picture->accessibleName().isEmpty())
                faults << where(window, w) + QStringLiteral(": picture without a name");
            else if (!picture->fileName().isEmpty() && picture->accessibleDescription().isEmpty())
                faults << where(window, w) + QStringLiteral(": picture without a description");
            continue;
        }
        if (!isControl(w)) continue;
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w)) {
            // A field is named by itself, not by what is typed or listed in it.
            if (w->accessibleName().isEmpty())
                faults << where(window, w) + QStringLiteral(": field without an accessible name");
        } else if (spokenName(w).isEmpty()) {
            faults << where(window, w) + QStringLiteral(": control without a name");
        }
        if (!(w->focusPolicy() & Qt::TabFocus))
            faults << where(window, w) + QStringLiteral(": not reachable with Tab");
    }
    return faults;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsNamed_data() {
        QTest::addColumn<ScreenId>("id");
        for (ScreenId id : kAllScreens) QTest::newRow(qPrintable(screenName(id))) << id;
    }

    void everyControlIsNamed() {
        QFETCH(ScreenId, id);
        TestGame g;
        screen_tour::setUpGame(g);
        screen_tour::open(g, id);
        QVERIFY(g.screens.isVisible(id));
        const QList<Screen*> up = screen_tour::visibleScreens(g);
        QStringList faults;
        for (Screen* window : up) faults << faultsOf(window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The checks themselves: a window with faults of every kind is caught on each.
    void unnamedControlsAreFound() {
        QWidget window;
        window.setObjectName(QStringLiteral("w"));
        window.setWindowTitle(QStringLiteral("W"));
        auto* blank = new QPushButton(&window);
        blank->setObjectName(QStringLiteral("blank"));
        auto* named = new QPushButton(&window);
        named->setAccessibleName(QStringLiteral("Dalje"));
        auto* field = new QLineEdit(QStringLiteral("typed"), &window);
        field->setObjectName(QStringLiteral("field"));
        auto* picture = new PictureBox(QStringLiteral("pic"), &window);
        picture->setAccessibleName(QString());
        auto* mouseOnly = new QPushButton(QStringLiteral("OK"), &window);
        mouseOnly->setObjectName(QStringLiteral("mouseOnly"));
        mouseOnly->setFocusPolicy(Qt::ClickFocus);
        const QStringList faults = faultsOf(&window);
        QCOMPARE(faults, QStringList({QStringLiteral("w.blank: control without a name"),
                                      QStringLiteral("w.field: field without an accessible name"),
                                      QStringLiteral("w.pic: picture without a name"),
                                      QStringLiteral("w.mouseOnly: not reachable with Tab")}));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
