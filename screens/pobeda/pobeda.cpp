#include "pobeda.h"

#include <QLabel>
#include <QPushButton>

#include "platform/ElidedLabel.h"
#include "platform/PictureBox.h"
#include "platform/Pictures.h"
#include "platform/Sound.h"
#include "platform/Ui.h"
#include "screens/Flow.h"
#include "state/GameState.h"
#include "state/Items.h"

pobeda::pobeda(Context& c) : Screen(c, ScreenId::pobeda) {
    setFixedSize(560, 640);
    setStyleSheet(
        QStringLiteral(
            "pobeda { background: qradialgradient(cx:0.5, cy:0.4, radius:0.8, fx:0.5, fy:0.35,"
            " stop:0 #7a4a1c, stop:0.6 #4a2a12, stop:1 #24140a); }"
            "QLabel { color: #ffd35a; }") +
        Ui::buttonStyle() + QStringLiteral("QPushButton:focus { border-color: #fff2c4; }"));

    Label1 = new ElidedLabel(QStringLiteral("Label1"), this, {16, 14, 528, 50});
    Label1->setFont(Ui::gameFont(26, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = Ui::label(this, QStringLiteral("Label2"), QString(), {16, 64, 528, 36});
    Label2->setFont(Ui::gameFont(18, true));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setStyleSheet(QStringLiteral("color: #f6e7c1;"));

    // The chest lies behind the figure's feet; the figure is built body, head, weapon, shield.
    Image3 = Ui::picture(this, QStringLiteral("Image3"), {163, 384, 234, 180});
    ctx.pictures.load(Image3, QStringLiteral("ui/chest.png"));
    Image1 = Ui::picture(this, QStringLiteral("Image1"), {209, 168, 142, 212});
    Image2 = Ui::picture(this, QStringLiteral("Image2"), {236, 124, 88, 96});
    Image5 = Ui::picture(this, QStringLiteral("Image5"), {176, 122, 58, 228});
    Image7 = Ui::picture(this, QStringLiteral("Image7"), {318, 220, 76, 104});
    ctx.pictures.load(Image7, QStringLiteral("\\crvenistit.gif"));

    Command1 = Ui::button(this, QStringLiteral("Command1"), QString(), {205, 576, 150, 46});
    Command1->setFont(Ui::gameFont(15, true));
    Command1->setDefault(true);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &pobeda::Command1_Click);
    retranslate();
}

void pobeda::retranslate() {
    setWindowTitle(tr("Jeeeee!"));
    Label2->setText(tr("JE POBEDNIK!"));
    Command1->setText(tr("Izadji"));
    describe();
}

void pobeda::describe() {
    const int p = gs.currentPlayer;
    if (p < 0 || p >= GameState::MAX_PLAYERS) return;
    Image1->setMeaning(Items::armorName(gs.playerArmor[p]));
    Image2->setMeaning(Ui::portraitOf(gs.playerName[p]));
    Image5->setMeaning(Items::weaponName(gs.playerWeapon[p]));
    // The winner, heard with the only button as the window opens.
    Command1->setAccessibleDescription(tr("%1 je pobednik!").arg(gs.playerName[p]));
}

void pobeda::Form_Load() {
    const int p = gs.currentPlayer;
    Label1->setText(gs.playerName[p]);
    if (Items::isArmorCode(gs.playerArmor[p]))
        ctx.pictures.load(Image1, Items::armorPicture(gs.playerArmor[p]));
    ctx.pictures.load(Image2, gs.playerPortrait[p]);
    if (!gs.playerWeapon[p].isEmpty())
        ctx.pictures.load(Image5, Items::weaponPicture(gs.playerWeapon[p]));
    describe();
    ctx.sound.play(ctx.appDir + QStringLiteral("\\zvuk\\masa.wav"), Sound::Mode::Sync);
    ctx.sound.play(ctx.appDir + QStringLiteral("\\zvuk\\royal.wav"), Sound::Mode::Async);
}

void pobeda::Command1_Click() {
    Flow::ToTitle(ctx, ScreenId::pobeda);
}

void pobeda::frameClosed() {
    Command1_Click();
}
