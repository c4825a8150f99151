#pragma once

#include <QColor>
#include <QWidget>
#include <array>

#include "platform/ElidedLabel.h"
#include "state/GameState.h"

class PictureBox;
class Pictures;

// Each slot's own colour, on its row of the race and around its token on the ring.
QColor PlayerMark(int slot);

// The race in sight on the board: every player of the game with portrait, name and gold against
// the gold that wins, in slot order, the player to move lit up.
class RacePanel : public QWidget {
    Q_OBJECT
public:
    RacePanel(QWidget* parent, const QRect& geometry);

    void refresh(const GameState& gs, Pictures& pictures);
    // What a screen reader hears of each row, in the language chosen.
    void describe(const GameState& gs);

    static constexpr int P = GameState::MAX_PLAYERS;
    std::array<QWidget*, P> Row{};  // hidden for a slot not in the game
    std::array<PictureBox*, P> Portrait{};
    std::array<ElidedLabel*, P> Name{};
    std::array<ElidedLabel*, P> Gold{};  // "37 / 100"
    std::array<QLabel*, P> Seat{};  // "racunar" over the portrait of a computer's seat

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int mover_ = -1;
};

// Drawn over the ring: a band of each player's colour under their portrait, and a ring of light
// around the portrait of the player to move. Clicks go through to the board.
class TokenMarks : public QWidget {
    Q_OBJECT
public:
    explicit TokenMarks(QWidget* board);

    // Where each slot's portrait stands (empty for a slot not in the game) and who moves.
    void refresh(const std::array<QRect, GameState::MAX_PLAYERS>& portraits, int mover);
    int mover() const { return mover_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QRect, GameState::MAX_PLAYERS> portraits_{};
    int mover_ = -1;
};
