#pragma once

#include "platform/Screen.h"

class QLabel;
class QPushButton;
class PictureBox;

// The player to move, as the board's "Inventar" button opened it: name, figure, gold and gear.
class inventar : public Screen {
    Q_OBJECT
public:
    explicit inventar(Context& ctx);

    void Form_Load() override;
    void Command1_Click();  // OK

    QLabel* Label1;      // name
    QLabel* Label2;      // "Oruzje:"
    QLabel* Label3;      // "Oklop"
    QLabel* Label4;      // "Stit:"
    QLabel* Label5;      // weapon name
    QLabel* Label6;      // armour name
    QLabel* Label7;      // shield name
    QLabel* Label8;      // gold
    PictureBox* Image1;  // armour
    PictureBox* Image2;  // decoration
    PictureBox* Image3;  // portrait
    PictureBox* Image5;  // weapon
    PictureBox* Image7;  // shield
    QPushButton* Command1;

protected:
    void frameClosed() override;
    void retranslate() override;

private:
    // The names of the player's gear and what its pictures show.
    void describe();
};
