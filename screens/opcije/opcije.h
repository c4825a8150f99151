#pragma once

#include "platform/Screen.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// The options: how much gold wins the game, the sound and the language. Sound and language
// change at once and hold for the run; the amount is stored with "Nastavi igru".
class opcije : public Screen {
    Q_OBJECT
public:
    explicit opcije(Context& ctx);

    void Form_Load() override;
    void Command1_Click();   // "Nastavi igru"
    void Command2_Click();   // "Kraj igre"
    void Check1_Click();     // sound on or off
    void HScroll1_Change();  // volume
    void Combo1_Click();     // language

    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label2;
    QCheckBox* Check1;
    QLabel* Label3;
    QSlider* HScroll1;
    QLabel* Label4;
    QComboBox* Combo1;
    QLabel* paceLabel;
    QComboBox* paceChoice;  // the computer players' pace
    QLabel* keysHelp;
    QPushButton* Command1;
    QPushButton* Command2;
    // The win rule beside the amount, and how long a game to that amount lasts.
    QLabel* winRuleLabel;
    QComboBox* winRule;
    QLabel* gameLength;

protected:
    // Closing the window hides it and forgets what was typed.
    void frameClosed() override;
    void retranslate() override;

private:
    // The sound controls as the sound service stands (the key M may have changed it).
    void showSound();
    // The rounds a game to the amount typed lasts under the rule chosen.
    void showGameLength();
};
