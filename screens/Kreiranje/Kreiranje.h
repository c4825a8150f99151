#pragma once

#include "platform/Screen.h"
#include "state/GameState.h"

class DirList;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class PictureBox;

// Player creation: the players are entered one after another, slot 0 to 3.
class Kreiranje : public Screen {
    Q_OBJECT
public:
    explicit Kreiranje(Context& ctx);

    // Load and refresh: writes the new-game values of all four slots and shows the slot being made.
    void Form_Load() override;
    void Command1_Click();  // ">"
    void Command2_Click();  // "<"
    void Command3_Click();  // START
    void Command4_Click();  // SLEDECI
    void Option1_Click();   // Musko
    void Option2_Click();   // Zensko
    void Check1_Click();    // Racunar

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* Text1;
    QCheckBox* Check1;  // the computer plays this slot
    QComboBox* strength;  // how well the computer plays it
    PictureBox* Image1;  // male figure
    PictureBox* Image2;  // portrait over the figure's head
    PictureBox* Image3;  // female figure
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QRadioButton* Option1;
    QRadioButton* Option2;
    DirList* Dir1;

protected:
    Strength chosenStrength() const;
    // Closing creation gives up the new game: back to the title screen.
    void frameClosed() override;
    void retranslate() override;

private:
    // The starting name as last shown, so that it follows the language until one is typed.
    QString startingName_;
};
