#include "ComputerSeats.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QPushButton>
#include <algorithm>

#include "screens/Spoils.h"

#include "computer/Strengths.h"
#include "game/Decision.h"
#include "game/Duel.h"
#include "platform/Context.h"
#include "platform/Screen.h"
#include "platform/Screens.h"
#include "state/GameState.h"

namespace {
// How long a pressed button shows pressed before its handler runs; never longer than the pause
// itself, so a short pause (the soak's) stays short.
constexpr int kShownDownMs = 150;

// The button of that name on the window, when the window is on show.
QPushButton* button(const Screens& screens, ScreenId id, const char* name) {
    if (!screens.isVisible(id)) return nullptr;
    return screens.loaded(id)->findChild<QPushButton*>(QLatin1String(name));
}
}  // namespace

QString StrengthName(Strength strength) {
    switch (strength) {
        case Strength::Easy:
            return QCoreApplication::translate("ComputerSeats", "Lako");
        case Strength::Medium:
            break;
        case Strength::Hard:
            return QCoreApplication::translate("ComputerSeats", "Tesko");
    }
    return QCoreApplication::translate("ComputerSeats", "Srednje");
}

ComputerSeats::ComputerSeats(Context& c) : ctx(c) {
    // The table is looked at whenever the game has done what it had to and waits for something
    // to happen: nothing ticks while nobody is to act.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &ComputerSeats::watch);
    pause_.setSingleShot(true);
    connect(&pause_, &QTimer::timeout, this, &ComputerSeats::pauseOver);
}

void ComputerSeats::stopWatching() {
    disconnect(QAbstractEventDispatcher::instance(), nullptr, this, nullptr);
    pause_.stop();
}

QPushButton* ComputerSeats::nextPress() const {
    const GameState& gs = ctx.gs;
    const Screens& screens = ctx.screens;
    // Never behind a box, nor behind a window a person opened beside the board.
    if (busy_ || QApplication::activeModalWidget() != nullptr ||
        screens.isVisible(ScreenId::opcije) || screens.isVisible(ScreenId::inventar) ||
        screens.isVisible(ScreenId::Dnevnik))
        return nullptr;
    const auto computer = [&gs](int slot) {
        return slot >= 0 && slot < GameState::MAX_PLAYERS && gs.playerComputer[slot];
    };

    const Game::Decision d = Game::PendingDecision(gs);
    switch (d.kind) {
        case Game::Decision::Kind::Blow: {
            const int other = Game::FighterOn(gs, d.side == Side::Left ? Side::Right : Side::Left);
            const bool left = d.side == Side::Left;
            if (computer(d.player))
                return button(screens, ScreenId::borba,
                              Computer::Choose(gs, Computer::Choice::StrikeOn)
                                  ? (left ? "Command1" : "Command3")
                                  : (left ? "Command2" : "Command4"));
            // Before the first blow the one met may flee at once.
            if (computer(other) && d.otherMayFlee &&
                Computer::Choose(gs, Computer::Choice::FleeAtOnce))
                return button(screens, ScreenId::borba, "Command4");
            return nullptr;
        }
        case Game::Decision::Kind::Roll:
            return computer(d.player) ? button(screens, ScreenId::Form1, "Command1") : nullptr;
        case Game::Decision::Kind::Reward:
            if (!computer(d.player)) return nullptr;
            return button(
                screens, ScreenId::Nagrade,
                Computer::Choose(gs, Computer::Choice::TakeReward) ? "Command1" : "Command2");
        case Game::Decision::Kind::Mishap:
            return computer(d.player) ? button(screens, ScreenId::opasnost, "Command1") : nullptr;
        case Game::Decision::Kind::Spoil:  // answered in the box that asks it
        case Game::Decision::Kind::None:
            break;
    }
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
    if (next == pending_) return;
    // Something else is to be pressed now: its pause starts anew.
    pending_ = next;
    if (next == nullptr)
        pause_.stop();
    else
        pause_.start(std::max(ctx.computerPauseMs, 0));
}

void ComputerSeats::pauseOver() {
    QPushButton* next = nextPress();
    pending_ = nullptr;
    if (next == nullptr) return;
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

int ComputerDialogs::readingTime(const QString& text) const {
    return ctx_ != nullptr && ctx_->unattendedBoxesAtOnce ? 0 : ReadingTimeMs(text);
}

bool ComputerDialogs::personTakesPart() const {
    const auto person = [this](int slot) {
        return slot >= 0 && slot < GameState::MAX_PLAYERS && !gs_.playerComputer[slot];
    };
    return person(gs_.currentPlayer) ||
           (screens_.isLoaded(ScreenId::borba) && person(gs_.opponentIndex));
}

void ComputerDialogs::message(const QString& prompt) {
    dieMessage(prompt, 0);
}

void ComputerDialogs::dieMessage(const QString& prompt, int face) {
    if (personTakesPart())
        boxes_.dieMessage(prompt, face);
    else
        boxes_.unattendedMessage(prompt, face, readingTime(prompt));
}

QString ComputerDialogs::input(const QString& prompt) {
    const Game::Decision d = Game::PendingDecision(gs_);
    if (d.kind != Game::Decision::Kind::Spoil || !gs_.playerComputer[d.player])
        return boxes_.input(prompt);
    // Only this exact answer takes the spoils; any other is no.
    const QString answer = Computer::Choose(gs_, Computer::Choice::TakeSpoil)
                               ? SpoilsYes()
                               : QCoreApplication::translate("ComputerDialogs", "ne");
    return boxes_.answeredInput(prompt, answer, readingTime(prompt + answer));
}
