#pragma once

#include <QPoint>
#include <QTimer>
#include <array>

#include "platform/Screen.h"
#include "state/GameState.h"

class QLabel;
class QPushButton;
class PictureBox;
class RacePanel;
class TokenMarks;

// The board: the ring of 30 squares with every player's figure, whose turn it is, and the buttons
// of a turn.
class Form1 : public Screen {
    Q_OBJECT
public:
    explicit Form1(Context& ctx);
    ~Form1() override;

    // Generates the board once per game, redraws it, checks the player to move for victory and
    // passes over a lost turn. It is also the board's refresh.
    void Form_Load() override;
    void Command1_Click();  // roll
    void Command2_Click();  // Opcije
    void Command3_Click();  // Inventar
    void showLog();         // Dnevnik

    // After a roll the mover's token walks square by square to its new square; the board takes no
    // input meanwhile, and a click or a key ends the walk at once.
    bool walking() const { return walker_ >= 0; }
    void stepWalk();  // the walk's timer takes the token one square on
    void finishWalk();
    // Where the board shows the slot's token: its square, or the one its walk has come to.
    int shownSquare(int slot) const;

    // Where square i's cell lies on the ring: column 0..11, row 0..4.
    static QPoint cellOf(int square);

    static constexpr int N = GameState::BOARD_SQUARES;
    std::array<PictureBox*, N> Image1{};  // tiles (armour figure of a player standing there)
    std::array<PictureBox*, N> Image2{};  // portraits
    std::array<PictureBox*, N> Image4{};  // weapons
    std::array<PictureBox*, N> Image7{};  // shields
    PictureBox* Image5;                   // card stacks inside the ring
    PictureBox* Image6;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QLabel* Label1;
    QLabel* Label2;  // the name of the player to move
    QLabel* recentLog;  // the log's last lines
    QPushButton* logButton;
    RacePanel* race;
    TokenMarks* marks;

protected:
    // Closing the board ends the program, as "Kraj igre" does.
    void frameClosed() override;
    void retranslate() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void redraw();
    void describe();
    void showRecentLog();
    // A square as a listener hears it: "Polje 7: kovceg".
    QString squareName(int square) const;
    // The rest of a turn once the mover stands on the rolled square: a meeting, a reward, a
    // danger, a coin, or a plain square and the next player.
    void landed();
    // During a walk any input only ends it; true then, and the caller does nothing else. Keys and
    // the mouse are caught before they reach a button; this catches a button pressed directly,
    // as a screen reader does.
    bool hurryWalk();

    QTimer walkTimer_;
    int walker_ = -1;  // the slot whose token is walking
    int walkAt_ = 0;   // the square it has come to
    bool finishAsked_ = false;
    quint64 recentLogRevision_ = ~quint64(0);  // the log's revision the board's lines show
};
