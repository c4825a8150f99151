#include "ComputerSeats.h"

#include <QApplication>
#include <QPushButton>
#include <algorithm>

#include "computer/Decisions.h"
#include "platform/Context.h"
#include "platform/Screens.h"
#include "screens/Form1/Form1.h"
#include "screens/Nagrade/Nagrade.h"
#include "screens/borba/Fight.h"
#include "screens/borba/borba.h"
#include "screens/opasnost/opasnost.h"
#include "state/GameState.h"

namespace {
// How long a pressed button shows pressed before its handler runs, and how often the seats look
// at the table while they wait for their pause to pass; neither longer than the pause itself,
// so a short pause (the soak's) stays short.
constexpr int kShownDownMs = 150;
constexpr int kWatchMs = 50;

template <typename T>
T* onShow(const Screens& screens, ScreenId id) {
    return screens.isVisible(id) ? screens.loadedAs<T>(id) : nullptr;
}
}  // namespace

ComputerSeats::ComputerSeats(Context& c) : ctx(c) {
    connect(&watcher_, &QTimer::timeout, this, &ComputerSeats::watch);
    watcher_.start(std::clamp(ctx.computerPauseMs, 0, kWatchMs));
}

QPushButton* ComputerSeats::nextPress() const {
    const GameState& gs = ctx.gs;
    const Screens& screens = ctx.screens;
    // Never behind a box, nor behind a window a person opened beside the board.
    if (busy_ || QApplication::activeModalWidget() != nullptr ||
        screens.isVisible(ScreenId::opcije) || screens.isVisible(ScreenId::inventar))
        return nullptr;
    const int mover = gs.currentPlayer;
    const auto computer = [&gs](int slot) {
        return slot >= 0 && slot < GameState::MAX_PLAYERS && gs.playerComputer[slot];
    };

    if (auto* fight = onShow<borba>(screens, ScreenId::borba)) {
        const int met = gs.opponentIndex;
        if (fight->Command1->isEnabled()) {
            if (computer(mover))
                return Computer::StrikeOn(gs, mover, met, true) ? fight->Command1 : fight->Command2;
            // Before the first blow the one met may flee at once.
            if (computer(met) && fight->Command4->isEnabled() &&
                !Computer::StrikeOn(gs, met, mover, false))
                return fight->Command4;
            return nullptr;
        }
        if (fight->Command3->isEnabled() && computer(met))
            return Computer::StrikeOn(gs, met, mover, true) ? fight->Command3 : fight->Command4;
        return nullptr;
    }
    if (!computer(mover)) return nullptr;
    if (auto* reward = onShow<Nagrade>(screens, ScreenId::Nagrade))
        return Computer::TakeReward(gs, mover, reward->offered()) ? reward->Command1
                                                                  : reward->Command2;
    if (auto* danger = onShow<opasnost>(screens, ScreenId::opasnost)) return danger->Command1;
    if (auto* board = onShow<Form1>(screens, ScreenId::Form1))
        return board->walking() ? nullptr : board->Command1;
    return nullptr;
}

bool ComputerSeats::pressNow() {
    QPushButton* button = nextPress();
    if (button == nullptr) return false;
    click(button);
    return true;
}

void ComputerSeats::watch() {
    QPushButton* next = nextPress();
    if (next != pending_) {
        pending_ = next;
        pendingSince_.start();
    }
    if (next == nullptr || pendingSince_.elapsed() < ctx.computerPauseMs) return;
    pending_ = nullptr;
    if (ctx.computerPauseMs <= 0) {
        click(next);
        return;
    }
    // The table sees the button go down, and a screen reader hears which one it is.
    busy_ = true;
    next->setFocus();
    next->setDown(true);
    QTimer::singleShot(std::min(kShownDownMs, ctx.computerPauseMs), this,
                       [this, button = QPointer<QPushButton>(next)] {
                           busy_ = false;
                           if (button == nullptr) return;
                           button->setDown(false);
                           // A window closed meanwhile may have changed what is to be pressed.
                           if (button == nextPress()) click(button);
                       });
}

void ComputerSeats::click(QPushButton* button) {
    busy_ = true;
    ++presses_;
    button->click();
    busy_ = false;
}

ComputerDialogs::ComputerDialogs(Dialogs& boxes, const GameState& gs, const Screens& screens)
    : boxes_(boxes), gs_(gs), screens_(screens) {}

int ComputerDialogs::ReadingTimeMs(const QString& text) {
    return qMin(1500 + 50 * int(text.size()), 10000);
}

bool ComputerDialogs::personTakesPart() const {
    const auto person = [this](int slot) {
        return slot >= 0 && slot < GameState::MAX_PLAYERS && !gs_.playerComputer[slot];
    };
    return person(gs_.currentPlayer) ||
           (screens_.isLoaded(ScreenId::borba) && person(gs_.opponentIndex));
}

int ComputerDialogs::fightWinner() const {
    if (!screens_.isLoaded(ScreenId::borba)) return -1;
    const int left = gs_.currentPlayer;
    const int right = gs_.opponentIndex;
    if (right < 0 || right >= GameState::MAX_PLAYERS) return -1;
    if (gs_.playerHealth[left] <= 0) return right;
    if (gs_.playerHealth[right] <= 0) return left;
    return -1;
}

void ComputerDialogs::message(const QString& prompt) {
    dieMessage(prompt, 0);
}

void ComputerDialogs::dieMessage(const QString& prompt, int face) {
    // The spoils questions follow the messages that proclaim the winner.
    questionsAsked_ = 0;
    if (personTakesPart())
        boxes_.dieMessage(prompt, face);
    else
        boxes_.unattendedMessage(prompt, face, ReadingTimeMs(prompt));
}

QString ComputerDialogs::input(const QString& prompt) {
    // Weapon, armour, then (when the loser has one) shield: always asked in this order.
    const auto spoil = static_cast<Computer::Spoil>(qMin(questionsAsked_++, 2));
    const int winner = fightWinner();
    if (winner < 0 || !gs_.playerComputer[winner]) return boxes_.input(prompt);
    const int loser = winner == gs_.currentPlayer ? gs_.opponentIndex : gs_.currentPlayer;
    // Only this exact answer takes the spoils; any other is no.
    const QString answer = Computer::TakeSpoil(gs_, winner, loser, spoil)
                               ? SpoilsYes()
                               : QCoreApplication::translate("ComputerDialogs", "ne");
    return boxes_.answeredInput(prompt, answer, ReadingTimeMs(prompt + answer));
}
