#pragma once

#include <QString>

// The modal boxes through which the game tells and asks the players.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // One OK button; returns when dismissed. The prompt is plain text.
    virtual void message(const QString& prompt) = 0;
    // A prompt and an empty field; returns the typed text, or "" when cancelled.
    virtual QString input(const QString& prompt) = 0;
};

class QtDialogs : public Dialogs {
public:
    void message(const QString& prompt) override;
    QString input(const QString& prompt) override;
};
