#include "opcije.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "platform/App.h"
#include "platform/Dialogs.h"
#include "platform/Screens.h"
#include "platform/Ui.h"
#include "screens/Form1/Form1.h"
#include "screens/Form1/RacePanel.h"
#include "state/GameState.h"
#include "state/GoldAmount.h"

opcije::opcije(Context& c) : Screen(c, ScreenId::opcije) {
    setFixedSize(380, 140);
    setStyleSheet(QStringLiteral("opcije { background: #f3e6c4; } QLabel { color: #2b1a0e; }"));
    const QFont font = Ui::gameFont(12);

    Label1 = Ui::label(this, QStringLiteral("Label1"), QString(), {20, 28, 110, 28});
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(134, 26, 110, 30);
    Label2 = Ui::label(this, QStringLiteral("Label2"), QString(), {252, 28, 100, 28});
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Text1),
                       static_cast<QWidget*>(Label2)})
        w->setFont(font);
    Label1->setBuddy(Text1);

    Command1 = Ui::button(this, QStringLiteral("Command1"), QString(), {20, 80, 160, 38});
    Command2 = Ui::button(this, QStringLiteral("Command2"), QString(), {200, 80, 160, 38});
    Command1->setDefault(true);
    // Enter presses the focused button, as Space does.
    Command1->setAutoDefault(true);
    Command2->setAutoDefault(true);
    connect(Text1, &QLineEdit::returnPressed, this, &opcije::Command1_Click);
    // Escape leaves the options as closing the window does, forgetting what was typed.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    connect(Command1, &QPushButton::clicked, this, &opcije::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &opcije::Command2_Click);
    retranslate();
}

void opcije::retranslate() {
    setWindowTitle(tr("Opcije"));
    Label1->setText(tr("Kraj igre na"));
    Text1->setAccessibleName(tr("Kraj igre na"));
    Label2->setText(tr("zlatnika."));
    Command1->setText(tr("Nastavi igru"));
    Command2->setText(tr("Kraj igre"));
}

void opcije::Form_Load() {
    Text1->setText(QString::number(gs.goldToWin));
    Text1->setFocus();
}

void opcije::Command1_Click() {
    const auto amount = ParseGoldAmount(Text1->text());
    if (!amount) {
        ctx.dialogs.message(tr("Upisite ceo broj zlatnika od -32768 do 32767 (npr. 100)."));
        return;
    }
    gs.goldToWin = *amount;
    // The board's race shows the new amount at once.
    if (auto* board = ctx.screens.loadedAs<Form1>(ScreenId::Form1))
        board->race->refresh(gs, ctx.pictures);
    // Shows what was stored ("2.5" is kept as 2), so the next showing reads the real amount.
    Text1->setText(QString::number(gs.goldToWin));
    ctx.screens.hide(ScreenId::opcije);
}

void opcije::Command2_Click() {
    ctx.app.quit();
}

void opcije::frameClosed() {
    Text1->setText(QString::number(gs.goldToWin));
    ctx.screens.hide(ScreenId::opcije);
}
