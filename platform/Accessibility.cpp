#include "Accessibility.h"

#include <QAccessibleWidget>
#include <algorithm>
#include <QApplication>
#include <QTimer>
#include <utility>
#include <QVariant>
#include <QWidget>

#include "Language.h"
#include "PictureBox.h"

namespace {
constexpr char kNotification[] = "notification";
constexpr char kNotes[] = "notifications";

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

// A picture is read by its meaning.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<PictureBox*>(widget())->meaning();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    if (className == QLatin1String("Screen")) return new ScreenAccessible(w);
    if (className == QLatin1String("PictureBox"))
        return new PictureAccessible(w);
    // The message box is an alert, so a screen reader reads its text as it opens.
    if (className == QLatin1String("QDialog") && w->objectName() == QLatin1String("messageBox"))
        return new QAccessibleWidget(w, QAccessible::AlertMessage);
    if (className == QLatin1String("QWidget") && w->objectName() == QLatin1String(kNotification))
        return new QAccessibleWidget(w, QAccessible::Notification);
    // Notifications in a status bar are read without the word "notification" before them.
    if (className == QLatin1String("QWidget") && w->objectName() == QLatin1String(kNotes))
        return new QAccessibleWidget(w, QAccessible::StatusBar);
    return nullptr;
}

// Sentences wait here, on their screen, until it has the focus.
constexpr char kWaiting[] = "kavgalijaWaitingSentences";

// A notification of its own for every sentence: screen readers read a notification as it
// appears, and read its name then, so one reused for the next sentence could lose this one.
void notify(QWidget* screen, const QString& sentence) {
    auto* notes = screen->findChild<QWidget*>(QLatin1String(kNotes), Qt::FindDirectChildrenOnly);
    if (!notes) {
        notes = new QWidget(screen);
        notes->setObjectName(QLatin1String(kNotes));
        notes->setGeometry(0, 0, 1, 1);
        notes->setAttribute(Qt::WA_TransparentForMouseEvents);
        notes->show();
    }
    auto* note = new QWidget(notes);
    note->setObjectName(QLatin1String(kNotification));
    note->setAccessibleName(sentence);
    note->setGeometry(0, 0, 1, 1);
    note->setAttribute(Qt::WA_TransparentForMouseEvents);
    note->show();
    // Long enough for a busy screen reader to have read it. The timer is the note's own, so it
    // goes with a note that goes sooner (with its screen) instead of waiting out its minute.
    auto* expiry = new QTimer(note);
    expiry->setSingleShot(true);
    QObject::connect(expiry, &QTimer::timeout, note, &QObject::deleteLater);
    expiry->start(60000);
}

Accessibility::Listener& listener() {
    static Accessibility::Listener heard;
    return heard;
}

// Sentences of screens that have closed, for the next window.
QStringList& leftBehind() {
    static QStringList sentences;
    return sentences;
}

void focusChanged(QWidget*, QWidget* now) {
    if (!now) return;
    QWidget* screen = now->window();
    const QStringList waiting =
        std::exchange(leftBehind(), {}) + screen->property(kWaiting).toStringList();
    if (waiting.isEmpty()) return;
    screen->setProperty(kWaiting, QVariant());
    // After the screen reader has heard of the focus itself, and of the control's own words.
    QMetaObject::invokeMethod(
        screen,
        [screen, waiting] {
            for (const QString& sentence : waiting) notify(screen, sentence);
        },
        Qt::QueuedConnection);
}

// What was said lately, newest last, and how far back the last repeat went (-1: something new
// has been said since).
constexpr int kKept = 100;
QStringList& history() {
    static QStringList sentences;
    return sentences;
}
int& stepsBack() {
    static int back = -1;
    return back;
}

void say(QWidget* screen, const QString& sentence) {
    if (listener()) listener()(screen, sentence);
    if (!screen || sentence.isEmpty()) return;
    screen = screen->window();
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() == screen && screen->isActiveWindow()) {
        notify(screen, sentence);
        return;
    }
    screen->setProperty(kWaiting, screen->property(kWaiting).toStringList() << sentence);
}

}  // namespace

void Accessibility::remember(const QString& sentence) {
    if (sentence.isEmpty()) return;
    QStringList& kept = history();
    kept << sentence;
    if (kept.size() > kKept) kept.removeFirst();
    stepsBack() = -1;
}

void Accessibility::repeat(QWidget* screen) {
    const QStringList& kept = history();
    if (kept.isEmpty()) return;
    int& back = stepsBack();
    back = std::min(back + 1, int(kept.size()) - 1);
    say(screen, kept.at(kept.size() - 1 - back));
}

void Accessibility::setListener(Listener l) {
    listener() = std::move(l);
}

void Accessibility::announce(QWidget* screen, const QString& sentence) {
    remember(sentence);
    say(screen, sentence);
}

void Accessibility::announceOnNextWindow(const QString& sentence) {
    if (listener()) listener()(nullptr, sentence);
    remember(sentence);
    leftBehind() << sentence;
}

QString Accessibility::goldSentence(const QString& player, int gold, int goldToWin) {
    // One pass over the sentence, so a name with "%2" in it stays as typed.
    return Language::counted("Accessibility",
                             QT_TRANSLATE_N_NOOP("Accessibility", "%1 ima %2 od %n zlatnika."),
                             goldToWin)
        .arg(player, QString::number(gold));
}

void Accessibility::announceGold(QWidget* screen, const QString& player, int gold,
                                 int goldToWin) {
    announce(screen, goldSentence(player, gold, goldToWin));
}

void Accessibility::install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        QObject::connect(qApp, &QApplication::focusChanged, qApp, focusChanged);
        return true;
    }();
    Q_UNUSED(installed);
}
