#pragma once

#include "platform/Screen.h"

class QLabel;
class QPushButton;
class PictureBox;

// The end of a won game: the winner (the player to move) dressed in their own gear.
class pobeda : public Screen {
    Q_OBJECT
public:
    explicit pobeda(Context& ctx);

    void Form_Load() override;
    void Command1_Click();  // Izadji

    QLabel* Label1;      // winner's name
    QLabel* Label2;      // "JE POBEDNIK!"
    PictureBox* Image1;  // armour
    PictureBox* Image2;  // portrait
    PictureBox* Image3;  // treasure chest
    PictureBox* Image5;  // weapon
    PictureBox* Image7;  // red shield
    QPushButton* Command1;

protected:
    // Closing the window leaves the same way as "Izadji".
    void frameClosed() override;
    void retranslate() override;

private:
    // What the winner's pictures show.
    void describe();
};
