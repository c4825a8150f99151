#include "Nagrade.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/Accessibility.h"
#include "platform/PictureBox.h"
#include "platform/Pictures.h"
#include "platform/Random.h"
#include "platform/Screens.h"
#include "platform/Sound.h"
#include "platform/Ui.h"
#include "screens/Form1/Form1.h"
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
    if (reward_ != 0) {
        const Items::Reward r = Items::reward(reward_);
        Label1->setText(r.description);
        // What the window shows, heard with the button that has the focus as it opens.
        Command1->setAccessibleDescription(r.description);
        Image3->setMeaning(Items::rewardName(r));
    }
}

void Nagrade::Form_Load() {
    ctx.screens.unload(ScreenId::Form1);
    const int p = gs.currentPlayer;
    ctx.sound.play(gs.playerSoundTheme[p] + QStringLiteral("\\excellent.wav"), Sound::Mode::Async);
    if (gs.playerPortrait[p].isEmpty()) {
        Image1->clear();
    } else {
        ctx.pictures.load(Image1, gs.playerPortrait[p]);
    }
    Ui::fitInto(Image1, kPortraitSlot);

    reward_ = ctx.random.roll(Items::REWARD_COUNT);
    ctx.pictures.load(Image3, QStringLiteral("\\") + Items::reward(reward_).picture);
    Ui::fitInto(Image3, kRewardSlot);
    retranslate();
}

void Nagrade::Command1_Click() {
    if (turnEnded_) return;
    // Drawn on every take, so the dice stay in step whatever the reward is.
    const int gold = ctx.random.roll(100);
    const Items::Reward r = Items::reward(reward_);
    const int p = gs.currentPlayer;
    switch (r.kind) {
        case Items::RewardKind::Weapon:
            gs.playerWeapon[p] = r.weapon;
            break;
        case Items::RewardKind::Treasure:
            gs.playerGold[p] += gold;
            break;
        case Items::RewardKind::Armor:
            gs.playerArmor[p] = r.armor;
            break;
        case Items::RewardKind::Shield:
            gs.playerShield[p] = r.shield;
            break;
    }
    Accessibility::announceOnNextWindow(
        tr("%1 uzima: %2.").arg(gs.playerName[p], Items::rewardName(r)));
    if (r.kind == Items::RewardKind::Treasure)
        Accessibility::announceOnNextWindow(
            Accessibility::goldSentence(gs.playerName[p], gs.playerGold[p], gs.goldToWin));
    endTurn();
}

void Nagrade::Command2_Click() {
    if (turnEnded_) return;
    Accessibility::announceOnNextWindow(tr("%1 ostavlja: %2.")
                                            .arg(gs.playerName[gs.currentPlayer],
                                                 Items::rewardName(Items::reward(reward_))));
    endTurn();
}

void Nagrade::frameClosed() {
    Command2_Click();
}

void Nagrade::endTurn() {
    if (turnEnded_) return;
    turnEnded_ = true;
    Form1::PassTurnAndComeBack(ctx);
    ctx.screens.unload(ScreenId::Nagrade);
}
