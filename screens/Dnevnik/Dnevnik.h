#pragma once

#include "platform/Screen.h"

class QListWidget;
class QPushButton;

// The whole log of the game: one line a row, the newest last and chosen, so that a screen reader
// reads it as the window opens and the arrow keys go back through the game.
class Dnevnik : public Screen {
    Q_OBJECT
public:
    explicit Dnevnik(Context& ctx);

    void Form_Load() override;
    void Command1_Click();  // OK, as Escape and the frame

    QListWidget* lines;
    QPushButton* Command1;  // OK

protected:
    void retranslate() override;
    void showEvent(QShowEvent* event) override;
};
