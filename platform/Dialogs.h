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
    // A yes-or-no question; true for yes. Closing the box answers no, as do doubles that only
    // tell.
    virtual bool ask(const QString& prompt) {
        message(prompt);
        return false;
    }

    // The boxes of a computer player's turn that no person has to answer. Each closes by itself
    // after closeAfterMs, sooner on a click or a key; while assistive technology is listening it
    // waits for a key instead, so that speech is never cut short. Doubles that never wait need
    // not tell them apart.
    virtual void unattendedMessage(const QString& prompt, int face, int closeAfterMs) {
        Q_UNUSED(closeAfterMs);
        dieMessage(prompt, face);
    }
    // A question a computer player answers: its answer stands typed in the field. Returns what
    // the field holds when the box closes ("" when cancelled).
    virtual QString answeredInput(const QString& prompt, const QString& answer, int closeAfterMs) {
        Q_UNUSED(prompt);
        Q_UNUSED(closeAfterMs);
        return answer;
    }
};

// A die's face as the box shows it: pips on a rounded ivory square, side pixels wide.
QPixmap DieFace(int face, int side, qreal devicePixelRatio = 1.0);

class QtDialogs : public Dialogs {
public:
    void message(const QString& prompt) override;
    void dieMessage(const QString& prompt, int face) override;
    QString input(const QString& prompt) override;
    bool ask(const QString& prompt) override;
    void unattendedMessage(const QString& prompt, int face, int closeAfterMs) override;
    QString answeredInput(const QString& prompt, const QString& answer, int closeAfterMs) override;
};
