#include "Form2.h"

#include <QLabel>
#include <QPushButton>

#include <QDir>
#include <QFileInfo>

#include "game/Turn.h"
#include "platform/App.h"
#include "platform/Dialogs.h"
#include "platform/Keeping.h"
#include "platform/PictureBox.h"
#include "platform/Pictures.h"
#include "platform/Ui.h"
#include "screens/Flow.h"

Form2::Form2(Context& c) : Screen(c, ScreenId::Form2) {
    setFixedSize(720, 520);
    setStyleSheet(
        QStringLiteral(
            "Form2 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3b2314, stop:1 "
            "#1c100a); }"
            "QLabel { color: #f6e7c1; }") +
        Ui::buttonStyle() + QStringLiteral("QPushButton:focus { border-color: #fff2c4; }"));

    // Seven decorations around the title and the buttons.
    const QRect places[7] = {{40, 150, 120, 120},  {560, 150, 120, 120}, {40, 330, 120, 120},
                             {560, 330, 120, 120}, {190, 24, 72, 72},    {458, 24, 72, 72},
                             {300, 410, 120, 76}};
    const QStringList pictures = pictureNames();
    for (int i = 0; i < 7; ++i) {
        Image[i] = Ui::picture(this, QStringLiteral("Image%1").arg(i + 1), places[i]);
        ctx.pictures.load(Image[i], pictures[i]);
    }

    title = Ui::label(this, QStringLiteral("title"), QString(), {0, 90, 720, 70});
    title->setAlignment(Qt::AlignCenter);
    title->setFont(Ui::gameFont(40, true));
    title->setStyleSheet(QStringLiteral("color: #ffd35a;"));

    Label1 = Ui::label(this, QStringLiteral("Label1"), QString(), {530, 128, 90, 24});
    Label1->setFont(Ui::gameFont(12, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet(
        QStringLiteral("color: #2b1a0e; background: #e05a3a; border-radius: 6px;"));

    const QFont buttons = Ui::gameFont(16, true);
    Command1 = Ui::button(this, QStringLiteral("Command1"), QString(), {260, 180, 200, 48});
    Command2 = Ui::button(this, QStringLiteral("Command2"), QString(), {260, 240, 200, 48});
    Command4 = Ui::button(this, QStringLiteral("Command4"), QString(), {260, 300, 200, 48});
    Command3 = Ui::button(this, QStringLiteral("Command3"), QString(), {260, 360, 200, 48});
    for (QPushButton* b : {Command1, Command2, Command4, Command3}) {
        b->setFont(buttons);
        // Enter presses the focused button, as Space does.
        b->setAutoDefault(true);
    }
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command4);
    setTabOrder(Command4, Command3);
    Command1->setDefault(true);
    Command1->setFocus();

    Label2 = Ui::label(this, QStringLiteral("Label2"), QString(), {0, 490, 720, 24});
    Label2->setAlignment(Qt::AlignCenter);

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    retranslate();
}

void Form2::retranslate() {
    setWindowTitle(tr("KAVGALIJA!"));
    title->setText(tr("KAVGALIJA!"));
    Label1->setText(tr("DEMO"));
    // The title keeps clear of the badge on its right: a wider lettering is set smaller.
    QFont lettering = title->font();
    const int room = 2 * (Label1->x() - title->geometry().center().x()) - 16;
    for (int size = 40; size >= 20; --size) {
        lettering.setPointSize(size);
        if (QFontMetrics(lettering).boundingRect(title->text()).width() <= room) break;
    }
    title->setFont(lettering);
    Command1->setText(tr("START"));
    Command2->setText(tr("OPCIJE"));
    Command4->setText(tr("AUTOR"));
    Command3->setText(tr("KRAJ"));
    //: Continues the saved game.
    if (Command5) Command5->setText(tr("NASTAVI"));
    Label2->setText(tr("Napravio studio KAVGALIJA! za duge zimske veceri."));
}

QStringList Form2::pictureNames() {
    QStringList names;
    for (int i = 1; i <= 7; ++i) names << QStringLiteral("ui/title-%1.png").arg(i);
    return names;
}

void Form2::Form_Load() {
    Game::OpenTitle(gs);
}

void Form2::Command1_Click() {
    if (saved_) {
        if (!ctx.dialogs.ask(tr("Zapoceti novu igru? Sacuvana igra ce biti izgubljena."))) return;
        if (ctx.saveFile) ctx.saveFile->remove();
        saved_.reset();
        placeButtons();
    }
    // Every game is set up from nothing, also the one after a won game.
    Flow::NewGame(ctx);
}

void Form2::Command5_Click() {
    if (!saved_) return;
    const Game::SavedGame game = *saved_;
    saved_.reset();
    placeButtons();
    Flow::Resume(ctx, game);
}

void Form2::offerResume() {
    saved_.reset();
    if (ctx.saveFile && ctx.saveFile->exists()) {
        bool unreadable = false;
        saved_ = ctx.saveFile->read(&unreadable);
        if (unreadable)
            ctx.dialogs.message(
                tr("Sacuvana igra ne moze da se procita, pa je sklonjena u stranu: %1")
                    .arg(QDir::toNativeSeparators(QFileInfo(ctx.saveFile->path()).path())));
    }
    if (saved_ || Command5 != nullptr) placeButtons();
}

void Form2::placeButtons() {
    const bool resume = saved_.has_value();
    // Made only when there is a game to continue: without one the title is as it always was.
    if (resume && Command5 == nullptr) {
        Command5 = Ui::button(this, QStringLiteral("Command5"), QString(), {260, 168, 200, 42});
        Command5->setFont(Command1->font());
        Command5->setAutoDefault(true);
        setTabOrder(Command5, Command1);
        connect(Command5, &QPushButton::clicked, this, &Form2::Command5_Click);
        retranslate();
    }
    if (Command5 != nullptr) Command5->setVisible(resume);
    // Five buttons stand closer, clear of the decoration below them.
    const int step = resume ? 50 : 60;
    const int height = resume ? 42 : 48;
    int y = resume ? 218 : 180;
    for (QPushButton* b : {Command1, Command2, Command4, Command3}) {
        b->setGeometry(260, y, 200, height);
        y += step;
    }
    QPushButton* first = resume ? Command5 : Command1;
    Command1->setDefault(!resume);
    if (Command5 != nullptr) Command5->setDefault(resume);
    first->setFocus();
}
void Form2::Command2_Click() {
    Flow::ShowOptions(ctx);
}

void Form2::Command3_Click() {
    ctx.app.quit();
}

void Form2::Command4_Click() {
    Flow::ShowAbout(ctx);
}

void Form2::frameClosed() {
    Command3_Click();
}
