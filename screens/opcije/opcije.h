#pragma once

#include "platform/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The options: how much gold wins the game.
class opcije : public Screen {
    Q_OBJECT
public:
    explicit opcije(Context& ctx);

    void Form_Load() override;
    void Command1_Click();  // "Nastavi igru"
    void Command2_Click();  // "Kraj igre"

    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label2;
    QPushButton* Command1;
    QPushButton* Command2;

protected:
    // Closing the window hides it and forgets what was typed.
    void frameClosed() override;
    void retranslate() override;
};
