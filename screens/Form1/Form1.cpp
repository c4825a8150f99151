#include "Form1.h"

#include <QApplication>
#include <QFontMetrics>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>

#include "game/Log.h"
#include "game/Turn.h"
#include "platform/Accessibility.h"
#include "platform/App.h"
#include "platform/Dialogs.h"
#include "platform/ElidedLabel.h"
#include "platform/PictureBox.h"
#include "platform/Pictures.h"
#include "platform/Ui.h"
#include "screens/Flow.h"
#include "screens/Listening.h"
#include "screens/Form1/RacePanel.h"
#include "state/Items.h"

namespace {
// The ring in pixels: cells 80 x 120 apart, tiles one pixel larger so neighbours touch.
constexpr int kCellW = 80;
constexpr int kCellH = 120;
constexpr int kTileW = 81;
constexpr int kTileH = 121;
// Room around the ring; the top one takes the portraits that stick out above the top row.
constexpr int kLeft = 34;
constexpr int kTop = 44;
constexpr int kRingWidth = kLeft * 2 + 11 * kCellW + kTileW;
constexpr int kRingBottom = kTop + 4 * kCellH + kTileH;
// Beside the ring, the latest lines of the log and under them the button that opens the whole.
constexpr int kLogLeft = kRingWidth - kLeft + 20;
constexpr int kLogWidth = 300;
constexpr int kLogButtonHeight = 42;
constexpr int kWidth = kLogLeft + kLogWidth + 24;
constexpr int kHeight = kRingBottom + 24;

const QString kClear = QStringLiteral("\\providno.gif");

QString tileOfKind(const QString& kind) {
    if (kind == QLatin1String("polje")) return QStringLiteral("\\polje.gif");
    if (kind == QLatin1String("opasnost")) return QStringLiteral("\\opasnost.gif");
    if (kind == QLatin1String("nagrada")) return QStringLiteral("\\kovceg.gif");
    if (kind == QLatin1String("coin")) return QStringLiteral("\\coin.gif");
    return {};
}
}  // namespace

QPoint Form1::cellOf(int square) {
    if (square <= 4) return {0, square};               // down the left column
    if (square <= 15) return {square - 4, 4};          // along the bottom, left to right
    if (square <= 19) return {11, 4 - (square - 15)};  // up the right column
    return {11 - (square - 19), 0};                    // along the top, right to left
}

Form1::Form1(Context& c) : Screen(c, ScreenId::Form1) {
    setFixedSize(kWidth, kHeight);
    setStyleSheet(
        QStringLiteral(
            "Form1 { background: qradialgradient(cx:0.5, cy:0.5, radius:0.75, fx:0.5, fy:0.45,"
            " stop:0 #2f7a4a, stop:0.7 #1d5834, stop:1 #123a22); }"
            "QLabel { color: #f6e7c1; }") +
        Ui::buttonStyle() +
        QStringLiteral(
            "QPushButton:focus { border-color: #fff2c4; }"
            "QPushButton#Command1 { background: transparent; border: 2px solid transparent; }"
            "QPushButton#Command1:hover { background: rgba(255, 240, 200, 40); }"
            "QPushButton#Command1:focus { border-color: #fff2c4; }"));

    // Tiles first, so every layer of every square lies above all tiles (portraits of the lower
    // squares stick out over the tile above them).
    for (int i = 0; i < N; ++i) {
        const QPoint cell = cellOf(i);
        const int x = kLeft + cell.x() * kCellW;
        const int y = kTop + cell.y() * kCellH;
        Image1[i] = Ui::picture(this, QStringLiteral("Image1(%1)").arg(i), {x, y, kTileW, kTileH});
    }
    for (int i = 0; i < N; ++i) {
        const QPoint cell = cellOf(i);
        const int x = kLeft + cell.x() * kCellW;
        const int y = kTop + cell.y() * kCellH;
        Image7[i] =
            Ui::picture(this, QStringLiteral("Image7(%1)").arg(i), {x + 29, y + 57, 52, 64});
        Image2[i] =
            Ui::picture(this, QStringLiteral("Image2(%1)").arg(i), {x + 12, y - 34, 57, 65});
        Image4[i] =
            Ui::picture(this, QStringLiteral("Image4(%1)").arg(i), {x - 2, y - 20, 25, 113});
    }

    // Inside the ring: the two card stacks at the ends, the turn in the middle, the race below.
    const int innerLeft = kLeft + kTileW;
    const int innerTop = kTop + kTileH;
    Image5 = Ui::picture(this, QStringLiteral("Image5"), {innerLeft + 40, innerTop + 30, 130, 173});
    Image6 = Ui::picture(this, QStringLiteral("Image6"),
                         {kLeft + 11 * kCellW - 40 - 130, innerTop + 30, 130, 173});
    race = new RacePanel(this, {innerLeft + 10, innerTop + 244, 11 * kCellW - kTileW - 20, 66});
    ctx.pictures.load(Image5, QStringLiteral("ui/cards1.png"));
    ctx.pictures.load(Image6, QStringLiteral("ui/cards2.png"));

    const int mid = kRingWidth / 2;
    Label1 =
        Ui::label(this, QStringLiteral("Label1"), QString(), {mid - 200, innerTop + 4, 400, 30});
    Label1->setFont(Ui::gameFont(14, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = new ElidedLabel(QStringLiteral("Label2"), this, {mid - 200, innerTop + 34, 400, 40});
    Label2->setFont(Ui::gameFont(20, true));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setStyleSheet(QStringLiteral("color: #ffd35a;"));

    Command1 = Ui::button(this, QStringLiteral("Command1"), QString(),
                          {mid - 70, innerTop + 80, 140, 100});
    Command1->setIcon(QIcon(ctx.pictures.picture(QStringLiteral("ui/dice.png"))));
    Command1->setIconSize({120, 80});
    Command1->setShortcut(QKeySequence(Qt::Key_R));
    Command1->setCursor(Qt::PointingHandCursor);
    Command1->setDefault(true);

    Command2 = Ui::button(this, QStringLiteral("Command2"), QString(),
                          {mid - 180, innerTop + 190, 170, 42});
    Command3 = Ui::button(this, QStringLiteral("Command3"), QString(),
                          {mid + 10, innerTop + 190, 170, 42});
    Command2->setFont(Ui::gameFont(13, true));
    Command3->setFont(Ui::gameFont(13, true));
    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Command2);
    Command1->setFocus();

    recentLog = Ui::label(this, QStringLiteral("recentLog"), QString(),
                          {kLogLeft, kTop, kLogWidth, kRingBottom - kTop - kLogButtonHeight - 10});
    recentLog->setFont(Ui::gameFont(11));
    recentLog->setWordWrap(true);
    recentLog->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    recentLog->setStyleSheet(QStringLiteral(
        "background: rgba(10, 30, 18, 120); border-radius: 6px; padding: 6px 8px;"));
    logButton = Ui::button(this, QStringLiteral("logButton"), QString(),
                           {kLogLeft, kRingBottom - kLogButtonHeight, kLogWidth, kLogButtonHeight});
    logButton->setFont(Ui::gameFont(13, true));
    setTabOrder(Command2, logButton);
    Listening::AddKeys(this, ctx);

    marks = new TokenMarks(this);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(logButton, &QPushButton::clicked, this, &Form1::showLog);
    connect(&walkTimer_, &QTimer::timeout, this, &Form1::stepWalk);
    retranslate();
}

void Form1::retranslate() {
    setWindowTitle(tr("Form1"));
    // The caption stays the design's; a listener hears what the window is.
    setAccessibleName(tr("Tabla"));
    Label1->setText(tr("Na potezu:"));
    Command1->setAccessibleName(tr("Baci kocku"));
    Command1->setToolTip(tr("Baci kocku (R)"));
    Command2->setText(tr("Opcije"));
    Command3->setText(tr("Inventar"));
    logButton->setText(tr("Dnevnik"));
    logButton->setToolTip(tr("Dnevnik (D)"));
    describe();
    race->describe(gs);
    recentLogRevision_ = ~quint64(0);
    showRecentLog();
}

Form1::~Form1() {
    qApp->removeEventFilter(this);
}

void Form1::redraw() {
    // Every layer of every square is worked out first and set once: a picture set again to what
    // it shows is not painted again, so a turn repaints only the squares that changed.
    std::array<QString, N> tile, shield, portrait, weapon;
    for (int j = 0; j < N; ++j) {
        tile[j] = tileOfKind(gs.squareKind[j]);
        shield[j] = portrait[j] = weapon[j] = kClear;
    }
    if (tile[0].isEmpty()) tile[0] = QStringLiteral("\\polje.gif");
    // Slot order, so on a shared square the highest slot's picture is the one left in each layer.
    for (int k = 0; k < GameState::MAX_PLAYERS; ++k) {
        if (!IsInGame(gs, k)) continue;
        const int s = shownSquare(k);
        if (Items::isArmorCode(gs.playerArmor[k])) tile[s] = Items::armorPicture(gs.playerArmor[k]);
        if (Items::isShield(gs.playerShield[k]))
            shield[s] = Items::shieldPicture(gs.playerShield[k]);
        portrait[s] = gs.playerPortrait[k];
        if (!gs.playerWeapon[k].isEmpty()) weapon[s] = Items::weaponPicture(gs.playerWeapon[k]);
    }
    for (int j = 0; j < N; ++j) {
        if (!tile[j].isEmpty()) ctx.pictures.load(Image1[j], tile[j]);
        ctx.pictures.load(Image7[j], shield[j]);
        ctx.pictures.load(Image2[j], portrait[j]);
        ctx.pictures.load(Image4[j], weapon[j]);
    }
    std::array<QRect, GameState::MAX_PLAYERS> tokens{};
    for (int k = 0; k < GameState::MAX_PLAYERS; ++k)
        if (IsInGame(gs, k)) tokens[k] = Image2[shownSquare(k)]->geometry();
    marks->refresh(tokens, gs.currentPlayer);
    race->refresh(gs, ctx.pictures);
    showRecentLog();
    describe();
}

// The newest lines that fit, the newest at the bottom next to the button. Worked out again only
// when the log has grown (or the language changed).
void Form1::showRecentLog() {
    if (ctx.log.revision() == recentLogRevision_) return;
    recentLogRevision_ = ctx.log.revision();
    const QList<Game::LogEntry>& entries = ctx.log.entries();
    const QFontMetrics metrics(recentLog->font());
    const QRect text = recentLog->contentsRect().marginsRemoved(recentLog->contentsMargins());
    // Each line's own wrapping, measured alone.
    int room = text.height();
    QStringList lines;
    for (qsizetype i = entries.size() - 1; i >= 0; --i) {
        const QString line = Game::LogLine(entries.at(i), gs);
        room -= metrics.boundingRect(QRect(0, 0, text.width(), 10000), Qt::TextWordWrap, line)
                    .height();
        if (room < 0 && !lines.isEmpty()) break;
        lines.prepend(line);
    }
    recentLog->setText(lines.join(QLatin1Char('\n')));
}

// What the ring says to a screen reader: each square by number and kind and who stands there;
// the pictures on a square as what they show, for the player whose picture is on top.
void Form1::describe() {
    QString standing[N];
    for (int k = 0; k < GameState::MAX_PLAYERS; ++k) {
        if (!IsInGame(gs, k)) continue;
        const int s = shownSquare(k);
        standing[s] += QStringLiteral(", ") + gs.playerName[k];
        Image2[s]->setMeaning(Ui::portraitOf(gs.playerName[k]));
        if (!gs.playerWeapon[k].isEmpty())
            Image4[s]->setMeaning(Items::weaponName(gs.playerWeapon[k]));
        if (Items::isShield(gs.playerShield[k]))
            Image7[s]->setMeaning(Items::shieldName(gs.playerShield[k]));
    }
    for (int j = 0; j < N; ++j) Image1[j]->setMeaning(squareName(j) + standing[j]);
}

QString Form1::squareName(int square) const {
    const QString& kind = gs.squareKind[square];
    const char* word = QT_TRANSLATE_NOOP("Form1", "polje");
    if (kind == QLatin1String("nagrada"))
        word = QT_TRANSLATE_NOOP("Form1", "kovceg");
    else if (kind == QLatin1String("opasnost"))
        word = QT_TRANSLATE_NOOP("Form1", "opasnost");
    else if (kind == QLatin1String("coin"))
        word = QT_TRANSLATE_NOOP("Form1", "zlatnik");
    return tr("Polje %1: %2").arg(QString::number(square + 1), tr(word));
}

void Form1::Form_Load() {
    // A game resumed with its player to roll shows as it stood (the victory and a lost turn were
    // looked at as the turn began); one resumed between the roll and the landing lands where the
    // token was going.
    const bool landing = gs.stage == Stage::Moving;
    const bool asItStood = landing || (gs.stage == Stage::Roll && gs.newGame == 0);
    const Game::Events start =
        asItStood ? Game::Events{Game::MakeEvent(Game::EventKind::ToMove, gs.currentPlayer)}
                  : Game::BeginTurn(gs, ctx.random);
    if (!asItStood) ctx.log.record(gs, start);
    redraw();
    const Game::EventKind now = start.last().kind;
    if (landing) QMetaObject::invokeMethod(this, &Form1::landed, Qt::QueuedConnection);
    if (now == Game::EventKind::Victory) {
        // Touch nothing here after: the victory closes the board.
        Flow::Victory(ctx);
        return;
    }

    const int p = gs.currentPlayer;
    Label2->setText(gs.playerName[p]);
    Accessibility::announce(this, tr("Na potezu: %1").arg(gs.playerName[p]));

    if (now == Game::EventKind::TurnLost) {
        ctx.dialogs.message(
            tr("Na potezu je %1,ali njega trenutno muchi inkvizicija...").arg(gs.playerName[p]));
        Game::PassOverLostTurn(gs);
        Form_Load();
    }
}

void Form1::Command1_Click() {
    if (hurryWalk()) return;
    const std::optional<Game::Event> rolled = Game::Roll(gs, ctx.random);
    if (!rolled) return;
    ctx.log.record(gs, *rolled);
    showRecentLog();
    ctx.dialogs.dieMessage(QString::number(rolled->amount), rolled->amount);

    if (ctx.walkStepMs <= 0) {
        landed();
        return;
    }
    walker_ = rolled->player;
    walkAt_ = rolled->number;
    finishAsked_ = false;
    qApp->installEventFilter(this);
    walkTimer_.start(ctx.walkStepMs);
}

int Form1::shownSquare(int slot) const {
    return slot == walker_ ? walkAt_ : gs.playerSquare[slot];
}

void Form1::stepWalk() {
    walkAt_ = (walkAt_ + 1) % N;
    if (walkAt_ == gs.playerSquare[walker_]) {
        finishWalk();
        return;
    }
    redraw();
}

void Form1::finishWalk() {
    if (!walking()) return;
    walkTimer_.stop();
    qApp->removeEventFilter(this);
    walker_ = -1;
    redraw();
    landed();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!walking() || widget == nullptr || (widget != this && !isAncestorOf(widget))) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Shortcut:
            hurryWalk();
            return true;
        case QEvent::MouseButtonRelease:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}

bool Form1::hurryWalk() {
    if (!walking()) return false;
    // Ended from the event loop, not from inside an event filter or a click: the rest of the
    // turn may open boxes and screens.
    if (!finishAsked_) {
        finishAsked_ = true;
        QMetaObject::invokeMethod(this, &Form1::finishWalk, Qt::QueuedConnection);
    }
    return true;
}

void Form1::landed() {
    const int p = gs.currentPlayer;
    const QString reached = squareName(gs.playerSquare[p]);
    const Game::Events events = Game::Land(gs, ctx.random);
    if (events.isEmpty()) return;
    ctx.log.record(gs, events);
    switch (events.first().kind) {
        case Game::EventKind::Met:
            // The fight takes the board's place.
            Flow::Landed(ctx);
            return;
        case Game::EventKind::RewardOffered:
        case Game::EventKind::MishapStruck:
            // The square reached is heard on the window it opens, as the board is gone by then.
            if (Screen* next = Flow::Landed(ctx)) Accessibility::announce(next, reached);
            return;
        default:
            break;
    }
    Accessibility::announce(this, reached);
    if (events.first().kind == Game::EventKind::CoinFound) {
        ctx.dialogs.message(tr("Nasli ste jedan zlatnik!"));
        Accessibility::announceGold(this, gs.playerName[p], gs.playerGold[p], gs.goldToWin);
    }
    PassTurn(gs);
    Form_Load();
}

void Form1::Command2_Click() {
    if (hurryWalk()) return;
    Flow::ShowOptions(ctx);
}

void Form1::Command3_Click() {
    if (hurryWalk()) return;
    Flow::ShowInventory(ctx);
}

void Form1::showLog() {
    if (hurryWalk()) return;
    Flow::ShowLog(ctx);
}

void Form1::frameClosed() {
    ctx.app.quit();
}
