#pragma once

#include <QTimer>

#include "game/Events.h"
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

    // Shows both fighters as they stand and the buttons of the side whose blow is next; the first
    // load shows the fight's background and an empty bubble.
    void Form_Load() override;
    // The fight has come up in the board's place: the striker's button has the focus, and a
    // listener hears who fights whom.
    void opened();
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
    Game::TauntLine tauntLine;

private:
    void strike(Side side);
    void retreat(Side side);
    // The defender's answer in the speech bubble, with a sound from the defender's own theme.
    void showTaunt(const Game::Blow& blow, int defender);
    // A fall: the winner is proclaimed and asked about the loser's things, and the board comes
    // back with the next player to move.
    void settle();
    // A blow that hurt is heard: "Bora: zdravlje 7."
    void announceHealth(int defender, int before);

    bool opening_ = true;

protected:
    // Closing the window is a retreat of the fighter whose turn it is, so no fight is left open.
    void frameClosed() override;
    void retranslate() override;
};
