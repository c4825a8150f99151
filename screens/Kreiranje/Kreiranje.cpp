#include "Kreiranje.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "game/Turn.h"
#include "platform/Accessibility.h"
#include "platform/DirList.h"
#include "platform/PictureBox.h"
#include "platform/Pictures.h"
#include "platform/Ui.h"
#include "screens/ComputerSeats.h"
#include "screens/Flow.h"
#include "state/GameState.h"

namespace {
constexpr int kPortraits = 14;

// The sound themes' folders as the list shows them; the original shows the folders' own names.
QString themeName(const QString& folder) {
    static const char* const kFolders[] = {
        //: The folder of all the sound themes, at the top of the list.
        QT_TRANSLATE_NOOP("Kreiranje", "zvuk"),
        //: Back up to the folder of all the themes.
        QT_TRANSLATE_NOOP("Kreiranje", ".."),
        QT_TRANSLATE_NOOP("Kreiranje", "american"),
        QT_TRANSLATE_NOOP("Kreiranje", "patuljak"),
        QT_TRANSLATE_NOOP("Kreiranje", "srpski"),
    };
    for (const char* known : kFolders)
        if (folder == QLatin1String(known)) return QCoreApplication::translate("Kreiranje", known);
    return folder;
}
}  // namespace

Kreiranje::Kreiranje(Context& c) : Screen(c, ScreenId::Kreiranje) {
    setFixedSize(640, 500);
    setStyleSheet(
        QStringLiteral(
            "Kreiranje { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a2e1a, "
            "stop:1 "
            "#24150c); }"
            "QLabel, QRadioButton, QCheckBox { color: #f6e7c1; }"
            "QLineEdit, QComboBox { background: #fff7e0; color: #2b1a0e; border: 2px solid #8a6430;"
            " border-radius: 6px; padding: 2px 6px; }"
            "QListWidget { background: #fff7e0; color: #2b1a0e; border: 2px solid #8a6430; }"
            // The arrow is a picture of ours, as in the options (the style's own leaks its cache).
            "QComboBox::drop-down { border: none; width: 22px; }"
            "QComboBox::down-arrow { image: url(\"%1/ui/arrow-down.png\"); width: 12px;"
            " height: 8px; }"
            "QComboBox QAbstractItemView { background: #fff7e0; color: #2b1a0e;"
            " selection-background-color: #c9a24a; selection-color: #2b1a0e; }"
            "QComboBox:disabled { background: #7d6a45; color: #4a3a22; }")
            .arg(c.appDir) +
        Ui::buttonStyle() +
        QStringLiteral("QPushButton:focus { border-color: #fff2c4; }"
                       "QPushButton:disabled { background: #7d6a45; color: #4a3a22; }"));
    const QFont font = Ui::gameFont(14, true);

    Label1 = Ui::label(this, QStringLiteral("Label1"), QString(), {24, 20, 100, 36});
    Label2 = Ui::label(this, QStringLiteral("Label2"), QString(), {126, 20, 40, 36});
    // What the box holds until a name is typed: the word for a name, in the language chosen.
    startingName_ = tr("Ime");
    Text1 = new QLineEdit(startingName_, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(176, 20, 300, 36);
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(Text1)})
        w->setFont(font);
    // No buddy for the name box: screen readers would read "Igrac br" for it, without the number.
    Check1 = new QCheckBox(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(492, 20, 136, 36);
    Check1->setFont(font);
    // Beneath the box: how well the computer plays the slot, chosen once it is the computer's.
    strength = new QComboBox(this);
    strength->setObjectName(QStringLiteral("strength"));
    strength->setGeometry(492, 60, 136, 30);
    strength->setFont(Ui::gameFont(12));
    for (const Strength s : {Strength::Easy, Strength::Medium, Strength::Hard})
        strength->addItem(QString(), static_cast<int>(s));
    strength->setCurrentIndex(strength->findData(static_cast<int>(Strength::Medium)));
    strength->setEnabled(false);
    connect(Check1, &QCheckBox::toggled, strength, &QWidget::setEnabled);

    Label3 = Ui::label(this, QStringLiteral("Label3"), QString(), {24, 80, 180, 28});
    Label3->setFont(Ui::gameFont(12, true));
    Dir1 = new DirList(QStringLiteral("Dir1"), this);
    Dir1->setGeometry(24, 112, 180, 300);
    Dir1->setFont(Ui::gameFont(11));
    Dir1->setNamer(themeName);
    Label3->setBuddy(Dir1);

    // The two figures share one place; the portrait sits where the head is.
    Image1 = Ui::picture(this, QStringLiteral("Image1"), {240, 70, 162, 360});
    Image3 = Ui::picture(this, QStringLiteral("Image3"), {240, 70, 162, 360});
    ctx.pictures.load(Image1, QStringLiteral("ui/male.png"));
    ctx.pictures.load(Image3, QStringLiteral("ui/female.png"));
    Image3->hide();
    Image2 = Ui::picture(this, QStringLiteral("Image2"), {279, 72, 84, 96});

    Command2 =
        Ui::button(this, QStringLiteral("Command2"), QStringLiteral("<"), {236, 424, 48, 40});
    Command1 =
        Ui::button(this, QStringLiteral("Command1"), QStringLiteral(">"), {290, 424, 48, 40});
    Command2->setFont(font);
    Command1->setFont(font);

    Option1 = new QRadioButton(this);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setGeometry(446, 112, 170, 32);
    Option2 = new QRadioButton(this);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setGeometry(446, 148, 170, 32);
    Option1->setFont(Ui::gameFont(12, true));
    Option2->setFont(Ui::gameFont(12, true));

    Command4 = Ui::button(this, QStringLiteral("Command4"), QString(), {446, 320, 170, 44});
    Command3 = Ui::button(this, QStringLiteral("Command3"), QString(), {446, 374, 170, 44});
    Command4->setFont(font);
    Command3->setFont(font);

    setTabOrder(Text1, Check1);
    setTabOrder(Check1, strength);
    setTabOrder(strength, Dir1);
    setTabOrder(Dir1, Command2);
    setTabOrder(Command2, Command1);
    setTabOrder(Command1, Option1);
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, Command4);
    setTabOrder(Command4, Command3);
    Text1->setFocus();
    Text1->selectAll();

    connect(Command1, &QPushButton::clicked, this, &Kreiranje::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Kreiranje::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Kreiranje::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Kreiranje::Command4_Click);
    connect(Option1, &QRadioButton::clicked, this, &Kreiranje::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Kreiranje::Option2_Click);
    connect(Check1, &QCheckBox::clicked, this, &Kreiranje::Check1_Click);
    retranslate();
}

void Kreiranje::retranslate() {
    setWindowTitle(tr("Kreiranje igraca"));
    Label1->setText(tr("Igrac br"));
    // The slot's number follows the caption, however long it is in the language chosen.
    Label1->resize(Label1->fontMetrics().horizontalAdvance(Label1->text()) + 8, Label1->height());
    Label2->move(Label1->geometry().right() + 1, Label2->y());
    Label3->setText(tr("Zvucna tema:"));
    Dir1->setAccessibleName(tr("Zvucna tema"));
    Command2->setAccessibleName(tr("Prethodni lik"));
    Command1->setAccessibleName(tr("Sledeci lik"));
    Check1->setText(tr("Racunar"));
    strength->setAccessibleName(tr("Snaga racunara"));
    for (int i = 0; i < strength->count(); ++i)
        strength->setItemText(i,
                              StrengthName(static_cast<Strength>(strength->itemData(i).toInt())));
    Option1->setText(tr("Musko"));
    Option2->setText(tr("Zensko"));
    Command4->setText(tr("SLEDECI"));
    Command3->setText(tr("START"));
    // Set only when it reads otherwise: setting a text drops the selection a player types over.
    if (Text1->text() == startingName_ && startingName_ != tr("Ime")) {
        Text1->setText(tr("Ime"));
        Text1->selectAll();
    }
    startingName_ = tr("Ime");
    const int slot = gs.creatingPlayer;
    Text1->setAccessibleName(tr("Ime igraca %1").arg(slot + 1));
    if (slot >= 0 && slot < GameState::MAX_PLAYERS && !gs.playerPortrait[slot].isEmpty())
        Image2->setMeaning(
            tr("Portret %1 od %2").arg(gs.playerPortraitNo[slot] + 1).arg(kPortraits));
}

void Kreiranje::Form_Load() {
    Dir1->setRoot(ctx.appDir + QStringLiteral("\\zvuk\\"));
    Game::PrepareNewGame(gs);
    const int slot = gs.creatingPlayer;
    Label2->setText(QString::number(slot + 1));
    ctx.pictures.load(Image2, gs.playerPortrait[slot]);
    retranslate();
}

void Kreiranje::Command1_Click() {
    Game::ChangePortrait(gs, 1);
    Form_Load();
}

void Kreiranje::Command2_Click() {
    Game::ChangePortrait(gs, -1);
    Form_Load();
}

void Kreiranje::Command4_Click() {
    // The third slot is being stored: the fourth can only be finished with START.
    if (gs.creatingPlayer == 2) Command4->setEnabled(false);
    Game::NextSlot(gs, Text1->text(), Dir1->path(), Check1->isChecked(), chosenStrength());
    // Each new slot is a person's until ticked.
    Check1->setChecked(false);
    strength->setCurrentIndex(strength->findData(static_cast<int>(Strength::Medium)));
    Form_Load();
    Accessibility::announce(this, tr("Igrac br %1").arg(gs.creatingPlayer + 1));
}

void Kreiranje::Command3_Click() {
    Game::StartGame(gs, Text1->text(), Dir1->path(), Check1->isChecked(), chosenStrength());
    Flow::Play(ctx);
}

void Kreiranje::Option1_Click() {
    if (!Option1->isChecked()) return;
    Image3->hide();
    Image1->show();
}

void Kreiranje::Option2_Click() {
    if (!Option2->isChecked()) return;
    Image3->show();
    Image1->hide();
}

void Kreiranje::Check1_Click() {
    if (!Check1->isChecked()) return;
    // A computer seat gets a name of its own when the box holds none yet: the starting "Ime",
    // nothing, or the name of a slot made before.
    const int slot = gs.creatingPlayer;
    const QString name = Text1->text();
    bool taken = name.trimmed().isEmpty() || name == tr("Ime");
    for (int k = 0; k < slot; ++k) taken |= name == gs.playerName[k];
    if (taken) Text1->setText(tr("Racunar %1").arg(slot + 1));
}

Strength Kreiranje::chosenStrength() const {
    return static_cast<Strength>(strength->currentData().toInt());
}

void Kreiranje::frameClosed() {
    Flow::ToTitle(ctx, ScreenId::Kreiranje);
}
