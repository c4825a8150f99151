#pragma once

#include "platform/Screen.h"

class QLabel;
class QPushButton;
class PictureBox;

// The reward square: one of the eleven rewards, to take or to leave. Either way the turn passes.
class Nagrade : public Screen {
    Q_OBJECT
public:
    explicit Nagrade(Context& ctx);

    void Form_Load() override;
    void Command1_Click();  // Uzmi
    void Command2_Click();  // Ostavi

    PictureBox* Image1;  // the player's portrait
    PictureBox* Image2;  // decoration
    PictureBox* Image3;  // the offered reward
    QLabel* Label1;      // the reward's description
    QPushButton* Command1;
    QPushButton* Command2;

protected:
    // Closing the window leaves the reward, so the turn still passes and the board comes back.
    void frameClosed() override;
    void retranslate() override;
};
