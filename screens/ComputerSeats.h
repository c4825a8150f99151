#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "platform/Dialogs.h"
#include "state/GameState.h"

struct Context;
class QPushButton;
class Screens;

// A computer seat's strength as the table reads it: "Lako", "Srednje", "Tesko".
QString StrengthName(Strength strength);

// The computer players at the table. They watch the screens and, when a computer seat is to act,
// press the button a person would press, after a pause; they never act while a box, the options
// or the inventory is open. What to press comes from the decisions in computer/.
class ComputerSeats : public QObject {
    Q_OBJECT
public:
    explicit ComputerSeats(Context& ctx);

    // The button a computer player would press now, or nullptr when none is to act.
    QPushButton* nextPress() const;
    // Presses it at once, without the pause; false when there was nothing to press.
    bool pressNow();
    // How many buttons the seats have pressed so far.
    int presses() const { return presses_; }
    // Leaves every press to pressNow(), so that when the seats act does not depend on the event
    // loop's timing (the soak's golden games).
    void stopWatching();

private:
    // Looks at the table once the event loop has nothing left to do.
    void watch();
    void pauseOver();
    void click(QPushButton* button);

    Context& ctx;
    QPointer<QPushButton> pending_;  // the press being waited for
    QTimer pause_;
    bool busy_ = false;  // a press is showing or its handler is running
    int presses_ = 0;
};

// The message and input boxes as the table meets them: a box of a turn in which no person takes
// part closes by itself once read, and a question put to a computer is answered by it.
class ComputerDialogs : public Dialogs {
public:
    ComputerDialogs(Dialogs& boxes, const GameState& gs, const Screens& screens);
    // Follows the pace the options set: at once, a box no person has to answer closes at once.
    void followPace(const Context& ctx) { ctx_ = &ctx; }

    void message(const QString& prompt) override;
    void dieMessage(const QString& prompt, int face) override;
    QString input(const QString& prompt) override;
    bool ask(const QString& prompt) override { return boxes_.ask(prompt); }

    // How long a box stays up for the table to read it: 1.5 s and 50 ms a character, at most 10 s.
    static int ReadingTimeMs(const QString& text);

private:
    bool personTakesPart() const;
    int readingTime(const QString& text) const;

    Dialogs& boxes_;
    const GameState& gs_;
    const Screens& screens_;
    const Context* ctx_ = nullptr;
};
