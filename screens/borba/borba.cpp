#include "borba.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "Fight.h"
#include "game/Duel.h"
#include "platform/Accessibility.h"
#include "platform/Dialogs.h"
#include "platform/ElidedLabel.h"
#include "platform/PictureBox.h"
#include "platform/Pictures.h"
#include "platform/Screens.h"
#include "platform/Sound.h"
#include "platform/Ui.h"
#include "screens/Flow.h"
#include "screens/Listening.h"
#include "screens/Spoils.h"
#include "state/GameState.h"
#include "state/Items.h"

namespace {
constexpr int kWidth = 900;
constexpr int kHeight = 620;
constexpr int kBandHeight = 64;

// A fighter drawn as a doll, with the board's proportions at 2.8 times their size: the portrait
// stands on the headless armour body, the weapon upright in its left hand, the shield over its
// lower right.
struct Doll {
    QRect weapon, body, head, shield;
};
Doll dollAt(int bodyLeft) {
    const auto at = [bodyLeft](double x, double y, double w, double h) {
        const double s = 2.8;
        const int bodyTop = 191;
        return QRect(bodyLeft + int(x * s), bodyTop + int(y * s), int(w * s), int(h * s));
    };
    return {at(-5, -20, 25, 113), at(0, 0, 81, 121), at(12, -34, 57, 65), at(29, 57, 52, 64)};
}
}  // namespace

borba::borba(Context& c) : Screen(c, ScreenId::borba) {
    setFixedSize(kWidth, kHeight);
    setStyleSheet(
        QStringLiteral("borba { background: #2a1a10; }") + Ui::buttonStyle() +
        QStringLiteral("QPushButton:focus { border-color: #fff2c4; }"
                       "QPushButton:disabled { background: rgba(70, 55, 40, 200); color: #b8a88a;"
                       " border-color: #4a3a28; }"));

    pozadina = Ui::picture(this, QStringLiteral("pozadina"), {0, 0, kWidth, kHeight});

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(0, 0, kWidth, kBandHeight);
    Frame1->setStyleSheet(QStringLiteral(
        "#Frame1 { background: rgba(60, 26, 14, 225); border-bottom: 3px solid #c9a24a; }"
        "QLabel { color: #f6e7c1; background: transparent; }"));

    const QFont nameFont = Ui::gameFont(16, true);
    const QFont healthFont = Ui::gameFont(12, true);
    Label5 = new ElidedLabel(QStringLiteral("Label5"), Frame1, {16, 4, 330, 30});
    Label1 = Ui::label(Frame1, QStringLiteral("Label1"), QString(), {16, 34, 84, 24});
    Label2 = Ui::label(Frame1, QStringLiteral("Label2"), QStringLiteral("0"), {100, 34, 60, 24});
    Label6 = new ElidedLabel(QStringLiteral("Label6"), Frame1, {kWidth - 346, 4, 330, 30});
    Label3 = Ui::label(Frame1, QStringLiteral("Label3"), QString(), {kWidth - 160, 34, 84, 24});
    Label4 =
        Ui::label(Frame1, QStringLiteral("Label4"), QStringLiteral("0"), {kWidth - 76, 34, 60, 24});
    Label7 = Ui::label(Frame1, QStringLiteral("Label7"), QString(), {kWidth / 2 - 100, 8, 200, 48});
    for (QLabel* l : {Label5, Label6}) l->setFont(nameFont);
    for (QLabel* l : {Label1, Label2, Label3, Label4}) l->setFont(healthFont);
    Label6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2->setStyleSheet(QStringLiteral("color: #ffd35a;"));
    Label4->setStyleSheet(QStringLiteral("color: #ffd35a;"));
    Label7->setFont(Ui::gameFont(22, true));
    Label7->setAlignment(Qt::AlignCenter);
    Label7->setStyleSheet(QStringLiteral("color: #ffd35a;"));

    // Back to front: weapon, body, portrait, shield.
    const Doll left = dollAt(50);
    // The right doll mirrors the left one's place.
    const Doll right = dollAt(628);
    Image5 = Ui::picture(this, QStringLiteral("Image5"), left.weapon);
    Image1 = Ui::picture(this, QStringLiteral("Image1"), left.body);
    Image3 = Ui::picture(this, QStringLiteral("Image3"), left.head);
    Image7 = Ui::picture(this, QStringLiteral("Image7"), left.shield);
    Image6 = Ui::picture(this, QStringLiteral("Image6"), right.weapon);
    Image2 = Ui::picture(this, QStringLiteral("Image2"), right.body);
    Image4 = Ui::picture(this, QStringLiteral("Image4"), right.head);
    Image8 = Ui::picture(this, QStringLiteral("Image8"), right.shield);

    oblak = Ui::picture(this, QStringLiteral("oblak"), {294, 84, 312, 180});
    // Inside the cloud's rim, clear of its tail.
    Label8 = Ui::label(this, QStringLiteral("Label8"), QString(), {318, 104, 264, 118});
    Label8->setWordWrap(true);
    Label8->setAlignment(Qt::AlignCenter);
    Label8->setFont(Ui::gameFont(14, true));
    Label8->setAttribute(Qt::WA_TranslucentBackground);
    Label8->setStyleSheet(QStringLiteral("color: #1e1208; background: transparent;"));

    const QFont strikeFont = Ui::gameFont(16, true);
    const QFont retreatFont = Ui::gameFont(11, true);
    Command1 = Ui::button(this, QStringLiteral("Command1"), QString(), {332, 420, 112, 52});
    Command2 = Ui::button(this, QStringLiteral("Command2"), QString(), {332, 480, 112, 40});
    Command3 = Ui::button(this, QStringLiteral("Command3"), QString(), {456, 420, 112, 52});
    Command4 = Ui::button(this, QStringLiteral("Command4"), QString(), {456, 480, 112, 40});
    for (QPushButton* b : {Command1, Command3}) b->setFont(strikeFont);
    for (QPushButton* b : {Command2, Command4}) b->setFont(retreatFont);

    connect(Command1, &QPushButton::clicked, this, &borba::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &borba::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &borba::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &borba::Command4_Click);

    Timer1.setInterval(0);
    connect(&Timer1, &QTimer::timeout, this, &borba::Timer1_Timer);
    Listening::AddKeys(this, ctx);
    retranslate();
}

void borba::retranslate() {
    setWindowTitle(tr("Borba"));
    Label1->setText(tr("Zdravlje"));
    Label3->setText(tr("Zdravlje"));
    Label7->setText(tr("Protiv"));
    Command1->setText(tr("Udri"));
    Command2->setText(tr("Povlacenje"));
    Command3->setText(tr("Udri"));
    Command4->setText(tr("Povlacenje"));
    if (!Label8->text().isEmpty()) Label8->setText(TauntText(tauntLine));
    const int left = gs.currentPlayer;
    const int right = gs.opponentIndex;
    const auto inGame = [](int k) { return k >= 0 && k < GameState::MAX_PLAYERS; };
    if (!inGame(left) || !inGame(right)) return;
    // Armour and weapon keep what they show when the fighter has none: so does their meaning.
    if (Items::isArmorCode(gs.playerArmor[left]))
        Image1->setMeaning(Items::armorName(gs.playerArmor[left]));
    if (Items::isArmorCode(gs.playerArmor[right]))
        Image2->setMeaning(Items::armorName(gs.playerArmor[right]));
    Image3->setMeaning(Ui::portraitOf(gs.playerName[left]));
    Image4->setMeaning(Ui::portraitOf(gs.playerName[right]));
    if (!gs.playerWeapon[left].isEmpty())
        Image5->setMeaning(Items::weaponName(gs.playerWeapon[left]));
    if (!gs.playerWeapon[right].isEmpty())
        Image6->setMeaning(Items::weaponName(gs.playerWeapon[right]));
    Image7->setMeaning(Items::shieldName(gs.playerShield[left]));
    Image8->setMeaning(Items::shieldName(gs.playerShield[right]));
    // Both sides' buttons read alike; each says whose it is.
    Command1->setAccessibleDescription(tr("%1 udara").arg(gs.playerName[left]));
    Command2->setAccessibleDescription(tr("%1 se povlaci").arg(gs.playerName[left]));
    Command3->setAccessibleDescription(tr("%1 udara").arg(gs.playerName[right]));
    Command4->setAccessibleDescription(tr("%1 se povlaci").arg(gs.playerName[right]));
}

void borba::opened() {
    (gs.blowNext == Side::Left ? Command1 : Command3)->setFocus();
    // One pass over the sentence, so a name with "%2" in it stays as typed.
    Accessibility::announce(this, tr("%1, zdravlje %2, protiv %3, zdravlje %4.")
                                      .arg(gs.playerName[gs.currentPlayer],
                                           QString::number(gs.playerHealth[gs.currentPlayer]),
                                           gs.playerName[gs.opponentIndex],
                                           QString::number(gs.playerHealth[gs.opponentIndex])));
}

void borba::Form_Load() {
    if (opening_) {
        opening_ = false;
        ctx.pictures.load(pozadina, QStringLiteral("\\pozadine\\") +
                                        QString::number(gs.backgroundNumber) +
                                        QStringLiteral(".jpg"));
        ctx.pictures.load(oblak, QStringLiteral("\\providno.gif"));
        // A fighter already down is settled as the fight comes up.
        if (gs.stage == Stage::Spoils) {
            settle();
            return;
        }
    }

    const int leftFighter = gs.currentPlayer;
    const int rightFighter = gs.opponentIndex;
    if (Items::isArmorCode(gs.playerArmor[rightFighter]))
        ctx.pictures.load(Image2, Items::armorPicture(gs.playerArmor[rightFighter]));
    if (Items::isArmorCode(gs.playerArmor[leftFighter]))
        ctx.pictures.load(Image1, Items::armorPicture(gs.playerArmor[leftFighter]));
    ctx.pictures.load(Image3, gs.playerPortrait[leftFighter]);
    ctx.pictures.load(Image4, gs.playerPortrait[rightFighter]);
    // Without a weapon the element keeps whatever it shows.
    if (!gs.playerWeapon[leftFighter].isEmpty())
        ctx.pictures.load(Image5, gs.playerWeapon[leftFighter] + QStringLiteral(".gif"));
    if (!gs.playerWeapon[rightFighter].isEmpty())
        ctx.pictures.load(Image6, gs.playerWeapon[rightFighter] + QStringLiteral(".gif"));
    const auto shieldPicture = [](const QString& shield) {
        const QString file = Items::shieldPicture(shield);
        return file.isEmpty() ? QStringLiteral("providno.gif") : file;
    };
    ctx.pictures.load(Image7, shieldPicture(gs.playerShield[leftFighter]));
    ctx.pictures.load(Image8, shieldPicture(gs.playerShield[rightFighter]));
    retranslate();
    Label5->setText(gs.playerName[leftFighter]);
    Label6->setText(gs.playerName[rightFighter]);
    Label2->setText(QString::number(gs.playerHealth[leftFighter]));
    Label4->setText(QString::number(gs.playerHealth[rightFighter]));

    Command1->setEnabled(Game::MayStrike(gs, Side::Left));
    Command2->setEnabled(Game::MayRetreat(gs, Side::Left));
    Command3->setEnabled(Game::MayStrike(gs, Side::Right));
    Command4->setEnabled(Game::MayRetreat(gs, Side::Right));
    // The striker's button has the focus: a keyboard player only has to press Space.
    (gs.blowNext == Side::Left ? Command1 : Command3)->setFocus();
}

void borba::Command1_Click() {
    strike(Side::Left);
}

void borba::Command3_Click() {
    strike(Side::Right);
}

void borba::Command2_Click() {
    retreat(Side::Left);
}

void borba::Command4_Click() {
    retreat(Side::Right);
}

void borba::strike(Side side) {
    const int defender = Game::FighterOn(gs, side == Side::Left ? Side::Right : Side::Left);
    const int health = gs.playerHealth[defender];
    const Game::Events events = Game::Strike(gs, ctx.random, side);
    if (events.isEmpty()) return;
    ctx.log.record(gs, events);
    const Game::Event& struck = events.first();
    // The right fighter's blow waits for its war cry.
    ctx.sound.play(gs.playerSoundTheme[struck.player] + WarCry(struck.blow),
                   side == Side::Left ? Sound::Mode::Async : Sound::Mode::Sync);
    ctx.dialogs.message(BlowMessage(gs, struck));
    showTaunt(struck.blow, defender);
    announceHealth(defender, health);
    Timer1.start(ctx.bubbleMs);
    if (gs.stage == Stage::Spoils)
        settle();
    else
        Form_Load();
}

void borba::showTaunt(const Game::Blow& blow, int defender) {
    Label8->setVisible(true);
    ctx.pictures.load(oblak, blow.side == Side::Left ? QStringLiteral("\\oblacak1.gif")
                                                     : QStringLiteral("\\oblacak.gif"));
    if (const QString sound = TauntSound(blow); !sound.isEmpty())
        ctx.sound.play(gs.playerSoundTheme[defender] + sound, Sound::Mode::Async);
    tauntLine = blow.taunt;
    Label8->setText(TauntText(tauntLine));
    Accessibility::announce(this, Label8->text());
}

void borba::announceHealth(int defender, int before) {
    if (gs.playerHealth[defender] == before) return;
    Accessibility::announce(
        this, tr("%1: zdravlje %2.")
                  .arg(gs.playerName[defender], QString::number(gs.playerHealth[defender])));
}

void borba::settle() {
    const auto [winner, loser] = Game::WinnerAndLoser(gs);
    ctx.sound.play(gs.playerSoundTheme[winner] + QStringLiteral("\\victory.wav"),
                   Sound::Mode::Async);
    ctx.dialogs.message(WonMessage(gs.playerName[winner]));
    (loser == gs.currentPlayer ? Label2 : Label4)->setText(QStringLiteral("0"));
    ctx.dialogs.message(GoldWonMessage(gs.playerName[winner], gs.playerGold[loser]));
    while (gs.stage == Stage::Spoils) {
        const QString answer = ctx.dialogs.input(SpoilQuestion(gs, loser, gs.spoilAsked));
        ctx.log.record(gs, Game::AnswerSpoil(gs, SaysYes(answer)));
    }
    Accessibility::announceOnNextWindow(
        Accessibility::goldSentence(gs.playerName[winner], gs.playerGold[winner], gs.goldToWin));
    Flow::TurnOver(ctx, ScreenId::borba);
}

void borba::retreat(Side side) {
    const std::optional<Game::Event> fled = Game::RetreatFight(gs, ctx.random, side);
    if (!fled) return;
    ctx.log.record(gs, *fled);
    // Only the left fighter's retreat is jeered.
    if (side == Side::Left)
        ctx.sound.play(ctx.appDir + QStringLiteral("\\zvuk\\american\\coward.wav"),
                       Sound::Mode::Async);
    ctx.dialogs.message(FledMessage(gs.playerName[fled->player]));
    Flow::TurnOver(ctx, ScreenId::borba);
}

void borba::Timer1_Timer() {
    // A fight that has just ended waits for its deletion; its bubble stays as it is.
    if (ctx.screens.loaded(ScreenId::borba) != this) {
        Timer1.stop();
        return;
    }
    ctx.pictures.load(oblak, QStringLiteral("\\providno.gif"));
    Label8->setText(QString());
}

void borba::frameClosed() {
    retreat(gs.blowNext);
}
