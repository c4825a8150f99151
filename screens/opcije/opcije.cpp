#include "opcije.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>

#include "computer/GameLength.h"
#include "platform/App.h"
#include "platform/ComputerPace.h"
#include "platform/Dialogs.h"
#include "platform/Language.h"
#include "platform/Screens.h"
#include "platform/Sound.h"
#include "platform/Ui.h"
#include "screens/Flow.h"
#include "screens/Listening.h"
#include "state/GameState.h"
#include "state/GoldAmount.h"

opcije::opcije(Context& c) : Screen(c, ScreenId::opcije) {
    setFixedSize(440, 318);
    setStyleSheet(
        QStringLiteral(
            "opcije { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f3e6c4,"
            " stop:1 #d9c293); }"
            "QLabel, QCheckBox { color: #2b1a0e; }"
            "QLineEdit, QComboBox { background: #fff7e0; color: #2b1a0e;"
            " border: 2px solid #8a6430; border-radius: 6px; padding: 2px 6px; }"
            "QLineEdit:focus, QComboBox:focus { border-color: #2b1a0e; }"
            // The list's arrow is a picture of ours: the style's own would be cached anew on every
            // repaint under a fresh palette, and Qt never frees those cache keys.
            "QComboBox::drop-down { border: none; width: 22px; }"
            "QComboBox::down-arrow { image: url(\"%1/ui/arrow-down.png\"); width: 12px;"
            " height: 8px; }"
            "QComboBox QAbstractItemView { background: #fff7e0; color: #2b1a0e;"
            " selection-background-color: #c9a24a; selection-color: #2b1a0e; }"
            "QCheckBox:focus { border-bottom: 2px solid #2b1a0e; }"
            "QSlider::groove:horizontal { height: 8px; background: #fff7e0;"
            " border: 1px solid #8a6430; border-radius: 4px; }"
            "QSlider::sub-page:horizontal { background: #c9a24a; border: 1px solid #8a6430;"
            " border-radius: 4px; }"
            "QSlider::handle:horizontal { background: #e0bb5e; border: 2px solid #6b4a1c;"
            " width: 14px; margin: -6px 0; border-radius: 9px; }"
            "QSlider::handle:horizontal:focus { border-color: #2b1a0e; background: #fff2c4; }")
            .arg(c.appDir) +
        Ui::buttonStyle() + QStringLiteral("QPushButton:focus { border-color: #2b1a0e; }"));
    const QFont font = Ui::gameFont(12);

    // The amount reads as one sentence: the game ends at that many gold coins.
    Label1 = Ui::label(this, QStringLiteral("Label1"), QString(), {20, 22, 126, 30});
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(150, 20, 110, 34);
    Label2 = Ui::label(this, QStringLiteral("Label2"), QString(), {268, 22, 160, 30});
    Label1->setBuddy(Text1);

    Check1 = new QCheckBox(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(20, 70, 126, 30);
    Label3 = Ui::label(this, QStringLiteral("Label3"), QString(), {150, 70, 130, 30});
    HScroll1 = new QSlider(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(284, 72, 136, 26);
    HScroll1->setRange(0, Sound::MAX_VOLUME);
    HScroll1->setSingleStep(10);
    HScroll1->setPageStep(25);
    Label3->setBuddy(HScroll1);

    Label4 = Ui::label(this, QStringLiteral("Label4"), QString(), {20, 116, 126, 30});
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(150, 114, 270, 34);
    for (const QString& code : Language::codes()) Combo1->addItem(QString(), code);
    Label4->setBuddy(Combo1);

    // How quickly the computer players act.
    paceLabel = Ui::label(this, QStringLiteral("paceLabel"), QString(), {20, 162, 126, 30});
    paceChoice = new QComboBox(this);
    paceChoice->setObjectName(QStringLiteral("paceChoice"));
    paceChoice->setGeometry(150, 160, 270, 34);
    for (int i = 0; i < 3; ++i) paceChoice->addItem(QString());
    paceLabel->setBuddy(paceChoice);
    // The keys that say the game's state, for whoever listens rather than looks.
    keysHelp = Ui::label(this, QStringLiteral("keysHelp"), QString(), {20, 202, 400, 44});
    keysHelp->setWordWrap(true);
    keysHelp->setFont(Ui::gameFont(10));

    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Text1, Label2, Label3, Label4, Combo1,
                                                      paceLabel, paceChoice})
        w->setFont(font);
    Check1->setFont(Ui::gameFont(12, true));

    // The win rule, a row of its own under the amount: the rows below move down to make room.
    constexpr int kRuleRow = 44;
    for (QWidget* w : std::initializer_list<QWidget*>{Check1, Label3, HScroll1, Label4, Combo1,
                                                      paceLabel, paceChoice, keysHelp})
        w->move(w->x(), w->y() + kRuleRow);
    setFixedSize(width(), height() + kRuleRow);
    winRuleLabel = Ui::label(this, QStringLiteral("winRuleLabel"), QString(), {20, 66, 126, 30});
    winRule = new QComboBox(this);
    winRule->setObjectName(QStringLiteral("winRule"));
    winRule->setGeometry(150, 64, 110, 34);
    for (const WinRule r : {WinRule::Exactly, WinRule::AtLeast})
        winRule->addItem(QString(), static_cast<int>(r));
    winRuleLabel->setBuddy(winRule);
    gameLength = Ui::label(this, QStringLiteral("gameLength"), QString(), {268, 66, 160, 30});
    for (QWidget* w : std::initializer_list<QWidget*>{winRuleLabel, winRule, gameLength})
        w->setFont(Ui::gameFont(12));
    connect(Text1, &QLineEdit::textChanged, this, &opcije::showGameLength);
    connect(winRule, &QComboBox::currentIndexChanged, this, &opcije::showGameLength);

    Command1 =
        Ui::button(this, QStringLiteral("Command1"), QString(), {20, 256 + kRuleRow, 190, 44});
    Command2 =
        Ui::button(this, QStringLiteral("Command2"), QString(), {230, 256 + kRuleRow, 190, 44});
    Command1->setFont(Ui::gameFont(13, true));
    Command2->setFont(Ui::gameFont(13, true));
    Command1->setDefault(true);
    // Enter presses the focused button, as Space does.
    Command1->setAutoDefault(true);
    Command2->setAutoDefault(true);
    setTabOrder(Text1, winRule);
    setTabOrder(winRule, Check1);
    setTabOrder(Check1, HScroll1);
    setTabOrder(HScroll1, Combo1);
    setTabOrder(Combo1, paceChoice);
    setTabOrder(paceChoice, Command1);
    setTabOrder(Command1, Command2);

    connect(Text1, &QLineEdit::returnPressed, this, &opcije::Command1_Click);
    // Escape leaves the options as closing the window does, forgetting what was typed.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    connect(Command1, &QPushButton::clicked, this, &opcije::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &opcije::Command2_Click);
    connect(Check1, &QCheckBox::clicked, this, &opcije::Check1_Click);
    connect(HScroll1, &QSlider::valueChanged, this, &opcije::HScroll1_Change);
    connect(Combo1, &QComboBox::activated, this, &opcije::Combo1_Click);
    connect(paceChoice, &QComboBox::activated, this,
            [this](int index) { SetComputerPace(ctx, static_cast<ComputerPace>(index)); });
    connect(&ctx.sound, &Sound::levelChanged, this, &opcije::showSound);
    retranslate();
    showSound();
}

void opcije::retranslate() {
    setWindowTitle(tr("Opcije"));
    Label1->setText(tr("Kraj igre na"));
    Text1->setAccessibleName(tr("Kraj igre na"));
    Label2->setText(tr("zlatnika."));
    Check1->setText(tr("Zvuk"));
    const QString soundKey = tr("Taster M pali i gasi zvuk u svakom prozoru.");
    Check1->setToolTip(soundKey);
    Check1->setAccessibleDescription(soundKey);
    Label3->setText(tr("Jacina zvuka"));
    HScroll1->setAccessibleName(tr("Jacina zvuka"));
    Label4->setText(tr("Jezik"));
    Combo1->setAccessibleName(tr("Jezik"));
    for (int i = 0; i < Combo1->count(); ++i)
        Combo1->setItemText(i, Language::name(Combo1->itemData(i).toString()));
    Combo1->setCurrentIndex(Combo1->findData(Language::current()));
    paceLabel->setText(tr("Brzina racunara"));
    paceChoice->setAccessibleName(tr("Brzina racunara"));
    paceChoice->setItemText(static_cast<int>(ComputerPace::Normal), tr("normalna"));
    paceChoice->setItemText(static_cast<int>(ComputerPace::Fast), tr("brza"));
    paceChoice->setItemText(static_cast<int>(ComputerPace::AtOnce), tr("odmah"));
    keysHelp->setText(Listening::KeysHelp());
    Command1->setText(tr("Nastavi igru"));
    Command2->setText(tr("Kraj igre"));
    winRuleLabel->setText(tr("Pobeda:"));
    winRule->setAccessibleName(tr("Pobeda"));
    winRule->setItemText(0, tr("tacno"));
    winRule->setItemText(1, tr("najmanje"));
    const QString ruleMeaning =
        tr("tacno: pobeduje ko ima tacno toliko zlatnika; najmanje: ko ima "
           "toliko ili vise.");
    winRule->setToolTip(ruleMeaning);
    winRule->setAccessibleDescription(ruleMeaning);
    showGameLength();
}

void opcije::showGameLength() {
    const auto amount = ParseGoldAmount(Text1->text());
    const auto rounds = amount ? Computer::TypicalRounds(
                                     *amount, static_cast<WinRule>(winRule->currentData().toInt()))
                               : std::nullopt;
    gameLength->setText(rounds ? tr("Rundi: oko %n", nullptr, *rounds) : QString());
}

void opcije::showSound() {
    const QSignalBlocker quiet(HScroll1);
    Check1->setChecked(ctx.sound.isOn());
    HScroll1->setValue(ctx.sound.volume());
}

void opcije::Form_Load() {
    winRule->setCurrentIndex(winRule->findData(static_cast<int>(gs.winRule)));
    Text1->setText(QString::number(gs.goldToWin));
    paceChoice->setCurrentIndex(static_cast<int>(PaceOf(ctx)));
    Text1->setFocus();
}

void opcije::Check1_Click() {
    ctx.sound.setOn(Check1->isChecked());
}

void opcije::HScroll1_Change() {
    ctx.sound.setVolume(HScroll1->value());
}

void opcije::Combo1_Click() {
    // Every open window says its texts again, this one included.
    Language::set(Combo1->currentData().toString());
}

void opcije::Command1_Click() {
    const auto amount = ParseGoldAmount(Text1->text());
    if (!amount) {
        ctx.dialogs.message(tr("Upisite ceo broj zlatnika od -32768 do 32767 (npr. 100)."));
        return;
    }
    gs.goldToWin = *amount;
    gs.winRule = static_cast<WinRule>(winRule->currentData().toInt());
    // The board's race shows the new amount at once.
    Flow::RecordChanged(ctx);
    // Shows what was stored ("2.5" is kept as 2), so the next showing reads the real amount.
    Text1->setText(QString::number(gs.goldToWin));
    ctx.screens.hide(ScreenId::opcije);
}

void opcije::Command2_Click() {
    ctx.app.quit();
}

void opcije::frameClosed() {
    Text1->setText(QString::number(gs.goldToWin));
    winRule->setCurrentIndex(winRule->findData(static_cast<int>(gs.winRule)));
    ctx.screens.hide(ScreenId::opcije);
}
