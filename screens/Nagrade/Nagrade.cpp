#include "Nagrade.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "game/Turn.h"
#include "platform/Accessibility.h"
#include "platform/PictureBox.h"
#include "platform/Pictures.h"
#include "platform/Sound.h"
#include "platform/Ui.h"
#include "screens/Flow.h"
#include "state/GameState.h"
#include "state/Items.h"

namespace {
const QRect kPortraitSlot(24, 24, 140, 160);
const QRect kRewardSlot(196, 24, 160, 160);
const QRect kDecorationSlot(388, 24, 188, 160);

}  // namespace

Nagrade::Nagrade(Context& c) : Screen(c, ScreenId::Nagrade) {
    setFixedSize(600, 400);
    setStyleSheet(QStringLiteral(
        "Nagrade { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #fbf0d2, stop:1 #e9cf8f); }"
        "QFrame#panel { background: #fff8e6; border: 2px solid #b8893a; border-radius: 10px; }"
        "QLabel#Label1 { color: #3a230f; background: rgba(255, 250, 235, 170);"
        " border: 1px solid #cfa75a; border-radius: 8px; padding: 8px 12px; }"
        "QPushButton { color: #2b1a0e; border: 2px solid #6b4a1c; border-radius: 10px;"
        " padding: 4px; }"
        "QPushButton#Command1 { background: #8fc66a; }"
        "QPushButton#Command1:hover { background: #a6d986; }"
        "QPushButton#Command2 { background: #e0c27a; }"
        "QPushButton#Command2:hover { background: #ecd292; }"
        "QPushButton:focus { border-color: #fff2c4; }"));

    Ui::panel(this, kPortraitSlot);
    Ui::panel(this, kRewardSlot);
    Image1 = Ui::picture(this, QStringLiteral("Image1"), kPortraitSlot);
    Image3 = Ui::picture(this, QStringLiteral("Image3"), kRewardSlot);
    Image2 = Ui::picture(this, QStringLiteral("Image2"), kDecorationSlot);
    ctx.pictures.load(Image2, QStringLiteral("ui/reward.png"));
    Ui::fitInto(Image2, kDecorationSlot);

    Label1 = Ui::label(this, QStringLiteral("Label1"), QString(), {24, 206, 552, 110});
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(Ui::gameFont(13));

    const QFont buttons = Ui::gameFont(15, true);
    Command1 = Ui::button(this, QStringLiteral("Command1"), QString(), {140, 336, 150, 44});
    Command2 = Ui::button(this, QStringLiteral("Command2"), QString(), {310, 336, 150, 44});
    for (QPushButton* b : {Command1, Command2}) b->setFont(buttons);
    // No default button: an Enter meant for the die's message box must not take the reward.
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Nagrade::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Nagrade::Command2_Click);
    retranslate();
}

void Nagrade::retranslate() {
    setWindowTitle(tr("Nagrada!"));
    Command1->setText(tr("Uzmi"));
    Command2->setText(tr("Ostavi"));
    const int p = gs.currentPlayer;
    if (p >= 0 && p < GameState::MAX_PLAYERS && !gs.playerPortrait[p].isEmpty())
        Image1->setMeaning(Ui::portraitOf(gs.playerName[p]));
    if (gs.rewardOffered != 0) {
        const Items::Reward r = Items::reward(gs.rewardOffered);
        Label1->setText(r.description);
        // What the window shows, heard with the button that has the focus as it opens.
        Command1->setAccessibleDescription(r.description);
        Image3->setMeaning(Items::rewardName(r));
    }
}

void Nagrade::Form_Load() {
    const int p = gs.currentPlayer;
    ctx.sound.play(gs.playerSoundTheme[p] + QStringLiteral("\\excellent.wav"), Sound::Mode::Async);
    if (gs.playerPortrait[p].isEmpty()) {
        Image1->clear();
    } else {
        ctx.pictures.load(Image1, gs.playerPortrait[p]);
    }
    Ui::fitInto(Image1, kPortraitSlot);

    ctx.pictures.load(Image3, QStringLiteral("\\") + Items::reward(gs.rewardOffered).picture);
    Ui::fitInto(Image3, kRewardSlot);
    retranslate();
}

void Nagrade::Command1_Click() {
    const std::optional<Game::Event> taken = Game::TakeReward(gs, ctx.random);
    if (!taken) return;
    ctx.log.record(gs, *taken);
    const Items::Reward r = Items::reward(taken->number);
    const int p = taken->player;
    Accessibility::announceOnNextWindow(
        tr("%1 uzima: %2.").arg(gs.playerName[p], Items::rewardName(r)));
    if (r.kind == Items::RewardKind::Treasure)
        Accessibility::announceOnNextWindow(
            Accessibility::goldSentence(gs.playerName[p], gs.playerGold[p], gs.goldToWin));
    Flow::TurnOver(ctx, ScreenId::Nagrade);
}

void Nagrade::Command2_Click() {
    const std::optional<Game::Event> left = Game::LeaveReward(gs);
    if (!left) return;
    ctx.log.record(gs, *left);
    Accessibility::announceOnNextWindow(
        tr("%1 ostavlja: %2.")
            .arg(gs.playerName[left->player], Items::rewardName(Items::reward(left->number))));
    Flow::TurnOver(ctx, ScreenId::Nagrade);
}

void Nagrade::frameClosed() {
    Command2_Click();
}
