#pragma once

#include <QPixmap>
#include <QString>

// The modal boxes through which the game tells and asks the players.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // One OK button; returns when dismissed. The prompt is plain text.
    virtual void message(const QString& prompt) = 0;
    // The same box for a roll of the die, with the face (1..6) drawn beside the prompt.
    virtual void dieMessage(const QString& prompt, int face) {
        Q_UNUSED(face);
        message(prompt);
    }
    // A prompt and an empty field; returns the typed text, or "" when cancelled.
    virtual QString input(const QString& prompt) = 0;
};

// A die's face as the box shows it: pips on a rounded ivory square, side pixels wide.
QPixmap DieFace(int face, int side, qreal devicePixelRatio = 1.0);

class QtDialogs : public Dialogs {
public:
    void message(const QString& prompt) override;
    void dieMessage(const QString& prompt, int face) override;
    QString input(const QString& prompt) override;
};
