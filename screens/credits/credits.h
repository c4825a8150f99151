#pragma once

#include <QTimer>
#include <array>

#include "platform/Screen.h"

class QLabel;
class PictureBox;

// About the game and its makers: thirteen figures and a text that scrolls up over and over, each
// time until its last line has passed the top.
class credits : public Screen {
    Q_OBJECT
public:
    explicit credits(Context& ctx);

    void Timer1_Timer();

    // Where the text's top stands, in twips, as the design measures it.
    int label1Top() const { return label1Top_; }
    void setLabel1Top(int twips);
    // The text's height in its lettering, in twips.
    int textTwips() const { return textTwips_; }

    QLabel* Label1;
    std::array<PictureBox*, 13> Image1{};  // heads
    std::array<PictureBox*, 13> Image2{};  // bodies
    PictureBox* Image3;
    PictureBox* Image4;
    QTimer Timer1;

    static constexpr int kTextStart = 7920;
    static constexpr int kTextStep = 60;
    static constexpr int kTextTurn = 100;

protected:
    void retranslate() override;

private:
    int label1Top_ = kTextStart;
    int textTwips_ = 0;
};
