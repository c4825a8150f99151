#include "inventar.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "platform/Accessibility.h"
#include "platform/ElidedLabel.h"
#include "platform/Language.h"
#include "platform/PictureBox.h"
#include "platform/Pictures.h"
#include "platform/Screens.h"
#include "platform/Ui.h"
#include "state/GameState.h"
#include "state/Items.h"

inventar::inventar(Context& c) : Screen(c, ScreenId::inventar) {
    setFixedSize(540, 536);
    setStyleSheet(
        QStringLiteral(
            "inventar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f3e6c4, stop:1 "
            "#d9c293); }"
            "QLabel { color: #2b1a0e; }") +
        Ui::buttonStyle() + QStringLiteral("QPushButton:focus { border-color: #fff2c4; }"));

    // Back to front: the decoration, then the figure (body, head, weapon at its left, shield
    // at its right).
    Image2 = Ui::picture(this, QStringLiteral("Image2"), Ui::twips(5280, 3360, 2580, 3870));
    ctx.pictures.load(Image2, QStringLiteral("ui/inventory.png"));
    Image1 = Ui::picture(this, QStringLiteral("Image1"), Ui::twips(3000, 2640, 2655, 3735));
    Image3 = Ui::picture(this, QStringLiteral("Image3"), Ui::twips(3360, 1680, 1695, 1830));
    Image5 = Ui::picture(this, QStringLiteral("Image5"), Ui::twips(2520, 840, 1215, 3975));
    Image7 = Ui::picture(this, QStringLiteral("Image7"), Ui::twips(4440, 3000, 1500, 2160), false);

    // The name across the top, centred over the figure.
    Label1 = new ElidedLabel(QStringLiteral("Label1"), this, {12, 12, 516, 44});
    Label1->setFont(Ui::gameFont(22, true));
    Label1->setAlignment(Qt::AlignCenter);

    const QFont small = Ui::gameFont(11, true);
    const QFont value = Ui::gameFont(11);
    const int rows[3] = {6360, 6720, 7080};
    Label2 = Ui::label(this, QStringLiteral("Label2"), QString(), Ui::twips(120, rows[0], 840, 330));
    Label3 = Ui::label(this, QStringLiteral("Label3"), QString(), Ui::twips(120, rows[1], 840, 330));
    Label4 = Ui::label(this, QStringLiteral("Label4"), QString(), Ui::twips(120, rows[2], 840, 330));
    Label5 = new ElidedLabel(QStringLiteral("Label5"), this, Ui::twips(960, rows[0], 2550, 330));
    Label6 = new ElidedLabel(QStringLiteral("Label6"), this, Ui::twips(960, rows[1], 2550, 330));
    Label7 = new ElidedLabel(QStringLiteral("Label7"), this, Ui::twips(960, rows[2], 2550, 330));
    for (QLabel* l : {Label2, Label3, Label4}) l->setFont(small);
    for (QLabel* l : {Label5, Label6, Label7}) l->setFont(value);

    // The gold sits under the pack, centred on it.
    Label8 = new ElidedLabel(QStringLiteral("Label8"), this, {352, 474, 172, 48});
    Label8->setAlignment(Qt::AlignCenter);
    Label8->setFont(Ui::gameFont(24, true));
    Label8->setStyleSheet(QStringLiteral("color: #8a5a00;"));

    Command1 =
        Ui::button(this, QStringLiteral("Command1"), QString(), Ui::twips(3600, 6840, 1335, 975));
    Command1->setFont(Ui::gameFont(14, true));
    Command1->setDefault(true);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &inventar::Command1_Click);
    retranslate();
}

void inventar::retranslate() {
    setWindowTitle(tr("Inventar"));
    Label2->setText(tr("Oruzje:"));
    Label3->setText(tr("Oklop"));
    Label4->setText(tr("Stit:"));
    // The figure is read as it stands; what it counts is said beside it.
    Label8->setAccessibleDescription(tr("Zlatnici"));
    Command1->setText(tr("OK"));
    // The names follow the widest caption, which may be longer than the original's.
    int captions = Ui::twipsToPixels(840);
    for (QLabel* l : {Label2, Label3, Label4})
        captions = std::max(captions, l->fontMetrics().horizontalAdvance(l->text()) + 6);
    for (QLabel* l : {Label5, Label6, Label7})
        l->setGeometry(Label2->x() + captions, l->y(),
                       Ui::twipsToPixels(960 + 2550) - Label2->x() - captions, l->height());
    for (QLabel* l : {Label2, Label3, Label4}) l->resize(captions, l->height());
    describe();
}

void inventar::describe() {
    const int p = gs.currentPlayer;
    if (p < 0 || p >= GameState::MAX_PLAYERS) return;
    Label5->setText(Items::weaponName(gs.playerWeapon[p]));
    Label6->setText(Items::armorName(gs.playerArmor[p]));
    Label7->setText(Items::shieldName(gs.playerShield[p]));
    Image1->setMeaning(Items::armorName(gs.playerArmor[p]));
    Image5->setMeaning(Items::weaponName(gs.playerWeapon[p]));
    Image7->setMeaning(Items::shieldName(gs.playerShield[p]));
    Image3->setMeaning(Ui::portraitOf(gs.playerName[p]));

    // The whole pack in one sentence, heard as the window opens on its button.
    const auto orNone = [](const QString& item) { return item.isEmpty() ? tr("nema") : item; };
    Command1->setAccessibleDescription(
        Language::counted(
            "inventar",
            QT_TRANSLATE_N_NOOP("inventar", "%1 ima %n zlatnika; oruzje: %2; oklop: %3; stit: %4."),
            gs.playerGold[p])
            .arg(gs.playerName[p], orNone(Items::weaponName(gs.playerWeapon[p])),
                 orNone(Items::armorName(gs.playerArmor[p])),
                 orNone(Items::shieldName(gs.playerShield[p]))));
}

void inventar::Form_Load() {
    const int p = gs.currentPlayer;
    Label1->setText(gs.playerName[p]);
    Label8->setText(QString::number(gs.playerGold[p]));
    if (Items::isArmorCode(gs.playerArmor[p]))
        ctx.pictures.load(Image1, Items::armorPicture(gs.playerArmor[p]));
    if (!gs.playerWeapon[p].isEmpty())
        ctx.pictures.load(Image5, Items::weaponPicture(gs.playerWeapon[p]));
    if (Items::isShield(gs.playerShield[p]))
        ctx.pictures.load(Image7, Items::shieldPicture(gs.playerShield[p]));
    ctx.pictures.load(Image3, gs.playerPortrait[p]);
    describe();
}

void inventar::Command1_Click() {
    ctx.screens.unload(ScreenId::inventar);
}

void inventar::frameClosed() {
    Command1_Click();
}
