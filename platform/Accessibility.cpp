#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

#include "PictureBox.h"

namespace {

// A window of the game. Pictures without a meaning (decorations, blank elements) are no part of
// what it says; everything else is read as Qt reads any widget.
class ScreenAccessible : public QAccessibleWidget {
public:
    explicit ScreenAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}

    int childCount() const override { return spoken().size(); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = spoken();
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return spoken().indexOf(qobject_cast<QWidget*>(child->object()));
    }

private:
    QList<QWidget*> spoken() const {
        QList<QWidget*> children;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isWindow()) continue;
            if (auto* picture = qobject_cast<PictureBox*>(w); picture && !picture->spoken())
                continue;
            children << w;
        }
        return children;
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    if (className == QLatin1String("Screen")) return new ScreenAccessible(w);
    if (className == QLatin1String("PictureBox"))
        return new QAccessibleWidget(w, QAccessible::Graphic);
    // The message box is an alert, so a screen reader reads its text as it opens.
    if (className == QLatin1String("QDialog") && w->objectName() == QLatin1String("messageBox"))
        return new QAccessibleWidget(w, QAccessible::AlertMessage);
    return nullptr;
}

}  // namespace

void Accessibility::install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}
