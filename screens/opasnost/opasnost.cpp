#include "opasnost.h"

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

namespace {
const QRect kPortraitSlot(24, 24, 140, 160);
const QRect kMishapSlot(196, 24, 380, 160);

}  // namespace

opasnost::opasnost(Context& c) : Screen(c, ScreenId::opasnost) {
    setFixedSize(600, 400);
    setStyleSheet(
        QStringLiteral(
            "opasnost { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
            " stop:0 #5a1616, stop:1 #2a0a0a); }"
            "QFrame#panel { background: #3d1010; border: 2px solid #c9a24a; border-radius: 10px; }"
            "QLabel#Label1 { color: #fbe9c6; background: rgba(0, 0, 0, 70);"
            " border: 1px solid #8a3a2a; border-radius: 8px; padding: 8px 12px; }") +
        Ui::buttonStyle() + QStringLiteral("QPushButton:focus { border-color: #fff2c4; }"));

    Ui::panel(this, kPortraitSlot);
    Ui::panel(this, kMishapSlot);
    Image2 = Ui::picture(this, QStringLiteral("Image2"), kPortraitSlot);

    struct Art {
        PictureBox** element;
        const char* name;
        const char* file;
    };
    const Art art[] = {{&oruzjepol, "oruzjepol", "ui/mishap-weapon.png"},
                       {&armorpol, "armorpol", "ui/mishap-armor.png"},
                       {&kuche, "kuche", "ui/mishap-dog.png"},
                       {&parelost, "parelost", "ui/mishap-money.png"},
                       {&stub, "stub", "ui/mishap-post.png"}};
    for (const Art& a : art) {
        *a.element = Ui::picture(this, QString::fromLatin1(a.name), kMishapSlot);
        ctx.pictures.load(*a.element, QString::fromLatin1(a.file));
        Ui::fitInto(*a.element, kMishapSlot);
    }

    Label1 = Ui::label(this, QStringLiteral("Label1"), QString(), {24, 206, 552, 110});
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(Ui::gameFont(14, true));

    Command1 = Ui::button(this, QStringLiteral("Command1"), QString(), {225, 336, 150, 44});
    Command1->setFont(Ui::gameFont(15, true));
    // No default button: an Enter meant for the die's message box must not hide the news.
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &opasnost::Command1_Click);
    retranslate();
}

void opasnost::retranslate() {
    setWindowTitle(tr("OPASNOST!"));
    Command1->setText(tr("OK"));
    const int p = gs.currentPlayer;
    if (p >= 0 && p < GameState::MAX_PLAYERS && !gs.playerPortrait[p].isEmpty())
        Image2->setMeaning(Ui::portraitOf(gs.playerName[p]));
    switch (gs.mishapStruck) {
        case 1:
            Label1->setText(tr("Zbog neopreznog rukovanja polomilo vam se oruzje."));
            break;
        case 2:
            Label1->setText(tr("Oklop vam se raspao na komade...kvalitet,nema sta."));
            break;
        case 3:
            Label1->setText(tr("Pojurio vas pas,pa ste pobegli 3 koraka unazad!"));
            break;
        case 4:
            Label1->setText(tr("Neko vam je ukrao %n zlatnika.", nullptr, gs.goldStolen));
            break;
        case 5:
            Label1->setText(tr("Uhvatila vas je inkvizicija! Propustate sledeci potez."));
            break;
    }
    // What struck, heard with the button that has the focus as the window opens.
    if (gs.mishapStruck != 0) Command1->setAccessibleDescription(Label1->text());
}

std::array<PictureBox*, 5> opasnost::mishapPictures() const {
    return {oruzjepol, armorpol, kuche, parelost, stub};
}

void opasnost::Form_Load() {
    const int p = gs.currentPlayer;
    ctx.sound.play(gs.playerSoundTheme[p] + QStringLiteral("\\ohdear.wav"), Sound::Mode::Async);
    for (PictureBox* picture : mishapPictures()) picture->hide();
    if (gs.playerPortrait[p].isEmpty()) {
        Image2->clear();
    } else {
        ctx.pictures.load(Image2, gs.playerPortrait[p]);
    }
    Ui::fitInto(Image2, kPortraitSlot);

    if (gs.mishapStruck == 4)
        Accessibility::announceGold(this, gs.playerName[p], gs.playerGold[p], gs.goldToWin);
    if (gs.mishapStruck >= 1 && gs.mishapStruck <= 5) mishapPictures()[gs.mishapStruck - 1]->show();
    retranslate();
}

void opasnost::Command1_Click() {
    if (!Game::AcknowledgeMishap(gs)) return;
    Flow::TurnOver(ctx, ScreenId::opasnost);
}

void opasnost::frameClosed() {
    Command1_Click();
}
