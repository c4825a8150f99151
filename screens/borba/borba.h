#pragma once

#include <QTimer>

#include "Fight.h"
#include "platform/Screen.h"

class QFrame;
class QLabel;
class QPushButton;
class PictureBox;

// The duel. The player to move fights on the left, the player met (opponentIndex) on the right;
// the screen is loaded fresh for every fight and unloaded when it ends.
class borba : public Screen {
    Q_OBJECT
public:
    explicit borba(Context& ctx);

    // Opens the fight between the player to move and the player met (opponentIndex),
    // in place of the board.
    static void Open(Context& ctx);

    // First load of a fight draws the background; every call ends a fight whose fighter has
    // fallen, or shows both fighters as they stand.
    void Form_Load() override;
    void Command1_Click();  // left "Udri"
    void Command2_Click();  // left "Povlacenje"
    void Command3_Click();  // right "Udri"
    void Command4_Click();  // right "Povlacenje"
    void Timer1_Timer();    // clears the speech bubble

    PictureBox* pozadina;
    QFrame* Frame1;
    QLabel* Label1;      // "Zdravlje" (left)
    QLabel* Label2;      // left health
    QLabel* Label3;      // "Zdravlje" (right)
    QLabel* Label4;      // right health
    QLabel* Label5;      // left name
    QLabel* Label6;      // right name
    QLabel* Label7;      // "Protiv"
    QLabel* Label8;      // speech bubble text
    PictureBox* Image1;  // left armour
    PictureBox* Image2;  // right armour
    PictureBox* Image3;  // left portrait
    PictureBox* Image4;  // right portrait
    PictureBox* Image5;  // left weapon
    PictureBox* Image6;  // right weapon
    PictureBox* Image7;  // left shield
    PictureBox* Image8;  // right shield
    PictureBox* oblak;   // speech cloud
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    // No interval until the first blow sets one; it never ticks before.
    QTimer Timer1;
    // The taunt in the bubble, kept so a change of language can say it again.
    TauntLine tauntLine;

private:
    // A blow that hurt is heard: "Bora: zdravlje 7."
    void announceHealth(int defender, int before);

protected:
    // Closing the window is a retreat of the fighter whose turn it is, so no fight is left open.
    void frameClosed() override;
    void retranslate() override;
};
