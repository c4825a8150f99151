#pragma once

#include <array>

#include "platform/Screen.h"

class QLabel;
class QPushButton;
class PictureBox;

// The danger square: one of five mishaps strikes the player as the window opens; OK ends the turn.
class opasnost : public Screen {
    Q_OBJECT
public:
    explicit opasnost(Context& ctx);

    void Form_Load() override;
    void Command1_Click();  // OK

    PictureBox* Image2;     // the player's portrait
    QLabel* Label1;         // what happened
    PictureBox* oruzjepol;  // broken weapon
    PictureBox* armorpol;   // ruined armour
    PictureBox* kuche;      // the dog
    PictureBox* parelost;   // stolen money
    PictureBox* stub;       // the inquisition's post
    QPushButton* Command1;

protected:
    // Closing the window counts as OK: the mishap has struck already and the turn passes.
    void frameClosed() override;
    void retranslate() override;

private:
    // The mishap pictures in mishap order 1..5.
    std::array<PictureBox*, 5> mishapPictures() const;
};
