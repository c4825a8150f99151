#include "SoundKey.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "Sound.h"

SoundKey::SoundKey(Sound& sound) : sound_(sound) {
    QCoreApplication::instance()->installEventFilter(this);
}

SoundKey::~SoundKey() {
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeEventFilter(this);
}

bool SoundKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_M || key->isAutoRepeat() ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // A field that takes text (a name, an amount, an answer) takes the M as a letter.
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->testAttribute(Qt::WA_InputMethodEnabled)) return false;
    sound_.setOn(!sound_.isOn());
    return true;
}
