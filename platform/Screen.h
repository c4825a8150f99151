#pragma once

#include <QWidget>

#include "Context.h"
#include "ScreenId.h"

struct GameState;

// One window of the game. Loading a screen creates it and runs its Form_Load once; a screen that
// must show changed data calls its own Form_Load again.
class Screen : public QWidget {
    Q_OBJECT
public:
    Screen(Context& ctx, ScreenId id);

    ScreenId screenId() const { return id_; }
    virtual void Form_Load() {}

protected:
    // Closing the window through its frame. By default it unloads the screen; screens where that
    // would strand the game say what their close means instead.
    virtual void frameClosed();
    void closeEvent(QCloseEvent* event) override;
    // Sets every text the screen shows or speaks in the language now chosen. Each screen calls it
    // once it is built; a change of language calls it again on every loaded screen.
    virtual void retranslate() {}
    void changeEvent(QEvent* event) override;

    Context& ctx;
    GameState& gs;

private:
    ScreenId id_;
};
