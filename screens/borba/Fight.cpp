#include "Fight.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "borba.h"
#include "platform/Accessibility.h"
#include "platform/Context.h"
#include "platform/Dialogs.h"
#include "platform/Pictures.h"
#include "platform/Random.h"
#include "platform/Screens.h"
#include "platform/Sound.h"
#include "state/GameState.h"
#include "state/Items.h"

namespace {

// Sounds of a shield block and of a parry, by attackSoundPick 1..3.
const std::array<QString, 3> kShrugSounds = {
    QStringLiteral("\\laugh.wav"), QStringLiteral("\\boring.wav"), QStringLiteral("\\missed.wav")};
// Sounds of a hit, by attackSoundPick 1..5.
const std::array<QString, 5> kHurtSounds = {
    QStringLiteral("\\ouch.wav"), QStringLiteral("\\ow1.wav"), QStringLiteral("\\illgetyou.wav"),
    QStringLiteral("\\YOULLREGRETTHAT.wav"), QStringLiteral("\\ow2.wav")};

const std::array<const char*, 10> kShieldLines = {
    QT_TRANSLATE_NOOP("borba", "Hehe,ja sam bio pametan pa kupio stit!"),
    QT_TRANSLATE_NOOP("borba", "Kuku al si se odbio ko muda od labuda!"),
    QT_TRANSLATE_NOOP("borba", "NJANJANANANJAAAA!"),
    QT_TRANSLATE_NOOP("borba", "Di ti bre ochi?"),
    QT_TRANSLATE_NOOP("borba", "Di ces glavom o zid komsija?"),
    QT_TRANSLATE_NOOP("borba", "Jace bre to...ne osetih nista..."),
    QT_TRANSLATE_NOOP("borba", "Pa ako iseces taj stit svaka ti cast."),
    QT_TRANSLATE_NOOP("borba", "Pazi,ce da polomis oruzje :)"),
    QT_TRANSLATE_NOOP("borba", "Sta bre pravis tolku buku!? :)"),
    QT_TRANSLATE_NOOP("borba", "e al s` ti brljiv neki stvor.."),
};
const std::array<const char*, 10> kHitLines = {
    QT_TRANSLATE_NOOP("borba", "Kuukuuu!!!"),
    QT_TRANSLATE_NOOP("borba", "Platices mi za ovo!!!!!"),
    QT_TRANSLATE_NOOP("borba", "Neeee tu..tu sam se operis`o!!!!"),
    QT_TRANSLATE_NOOP("borba", "Joj...iskasapi me!#^%@#$&*"),
    QT_TRANSLATE_NOOP("borba", "Plasticna operacija bez anestezije!"),
    QT_TRANSLATE_NOOP("borba", "Ahh krvarim...dajte `ultra allways`!"),
    QT_TRANSLATE_NOOP("borba", "Gilipteru jedan!Dofaticu te ja!"),
    QT_TRANSLATE_NOOP("borba", "Arrghh...ode jos malo mesa..."),
    QT_TRANSLATE_NOOP("borba", "Odseko si mi kosu!Ubicu te!!!"),
    QT_TRANSLATE_NOOP("borba", "Kah kah...Ispade mi zub...shit."),
};
const std::array<const char*, 10> kMissLines = {
    QT_TRANSLATE_NOOP("borba", "TI SI LUD!!!! :)"),
    QT_TRANSLATE_NOOP("borba", "Ej...ja sam u ovom pravcu :)"),
    QT_TRANSLATE_NOOP("borba", "Pazi,zamalo komshiju da zakachish!"),
    QT_TRANSLATE_NOOP("borba", "Chuvaj s tim,mozes da se povredis!"),
    QT_TRANSLATE_NOOP("borba", "Idi bre kutji,chuvaj decu,peri vesh..."),
    QT_TRANSLATE_NOOP("borba", "Miss me miss me now ya gotta kiss me!"),
    QT_TRANSLATE_NOOP("borba", "Ne valja ti taj optichar kod koga ides."),
    QT_TRANSLATE_NOOP("borba", "E,kreces se ko baba u kolicima."),
    QT_TRANSLATE_NOOP("borba", "Zamalo sebi da odseces ledja..."),
    QT_TRANSLATE_NOOP("borba", "Vise srece sledeci put :)"),
};
const std::array<const char*, 10> kParryLines = {
    QT_TRANSLATE_NOOP("borba", "Aha...odbrana!"),
    QT_TRANSLATE_NOOP("borba", "Nema leba bez motike!!!"),
    QT_TRANSLATE_NOOP("borba", "Di tjesh komsho?!"),
    QT_TRANSLATE_NOOP("borba", "Heheh...kuda kuda ludi dechache?"),
    QT_TRANSLATE_NOOP("borba", "E ajmo posle na jedno pivo."),
    QT_TRANSLATE_NOOP("borba", "Klikni na dugme `povlacenje` sledeci put"),
    QT_TRANSLATE_NOOP("borba", "Ej,otkopcan ti slic!"),
    QT_TRANSLATE_NOOP("borba", "Smor smoor smooooor!!!!"),
    QT_TRANSLATE_NOOP("borba", "Ha...ovo nisi ocekivao garant!"),
    QT_TRANSLATE_NOOP("borba", "El da da imam vestine a..a?a???"),
};

QString translated(const char* text) {
    return QCoreApplication::translate("borba", text);
}

// Only this exact answer takes the spoils.
bool saysYes(const QString& answer) {
    return answer == QStringLiteral("da") || answer == SpoilsYes();
}

}  // namespace

BlowOutcome OutcomeOf(const GameState& gs) {
    if (gs.shieldRoll >= gs.strikeRoll) return BlowOutcome::ShieldBlock;
    if (gs.strikeRoll > gs.guardRoll) return BlowOutcome::Hit;
    if (gs.strikeRoll < gs.guardRoll) return BlowOutcome::Miss;
    return BlowOutcome::Parry;
}

const std::array<const char*, 10>& TauntLines(BlowOutcome outcome) {
    switch (outcome) {
        case BlowOutcome::ShieldBlock:
            return kShieldLines;
        case BlowOutcome::Hit:
            return kHitLines;
        case BlowOutcome::Miss:
            return kMissLines;
        case BlowOutcome::Parry:
            break;
    }
    return kParryLines;
}

QString SpoilsYes() {
    //: The one answer to the spoils' questions that takes them.
    return translated(QT_TRANSLATE_NOOP("borba", "da"));
}

QString TauntText(TauntLine line) {
    if (line.number < 1 || line.number > 10) return {};
    return translated(TauntLines(line.outcome)[line.number - 1]);
}

void ResolveBlow(Context& ctx, int striker, int defender, Side side) {
    GameState& gs = ctx.gs;
    const bool left = side == Side::Left;

    const auto pick = static_cast<int16_t>(ctx.random.roll(3));
    (left ? gs.attackSoundPick : gs.attackSoundPick2) = pick;
    QString sound = pick == 1   ? QStringLiteral("\\fire.wav")
                    : pick == 2 ? QStringLiteral("\\fireball.wav")
                    : left      ? QStringLiteral("\\watchthis.wav")
                                : QStringLiteral("\\WATCHTHIS.wav");
    // The right fighter's blow waits for its war cry before the dice roll.
    ctx.sound.play(gs.playerSoundTheme[striker] + sound,
                   left ? Sound::Mode::Async : Sound::Mode::Sync);

    gs.strikeRoll = ctx.random.roll(6);
    gs.guardRoll = static_cast<int16_t>(ctx.random.roll(6));
    gs.shieldRoll = 0;
    if (gs.playerShield[defender] == Items::BLUE_SHIELD)
        gs.shieldRoll = static_cast<int16_t>(ctx.random.roll(3));
    if (gs.playerShield[defender] == Items::RED_SHIELD)
        gs.shieldRoll = static_cast<int16_t>(ctx.random.roll(6));

    if (gs.shieldRoll >= gs.strikeRoll) {
        ctx.dialogs.message(translated(QT_TRANSLATE_NOOP("borba", "%1 se odbranio shtitom!"))
                                .arg(gs.playerName[defender]));
        return;
    }

    // Drawn for misses and parries too, so the dice that follow stay the same.
    gs.blowDamage = static_cast<int16_t>(ctx.random.below(gs.playerWeaponPower[striker] + 1));

    if (gs.strikeRoll > gs.guardRoll) {
        // One pass over the sentence, so a name with "%2" in it stays as typed.
        ctx.dialogs.message(translated(QT_TRANSLATE_NOOP("borba", "%1 udara!%2 ostecenja!"))
                                .arg(gs.playerName[striker], QString::number(gs.blowDamage)));
        gs.playerHealth[defender] -= gs.blowDamage;
    } else if (gs.strikeRoll < gs.guardRoll) {
        ctx.dialogs.message(
            translated(QT_TRANSLATE_NOOP("borba", "%1 promasuje!")).arg(gs.playerName[striker]));
    } else {
        ctx.dialogs.message(
            translated(QT_TRANSLATE_NOOP("borba", "%1 parira napad.")).arg(gs.playerName[defender]));
    }
}

void Taunt(Context& ctx, borba& screen, int defender) {
    GameState& gs = ctx.gs;
    screen.Label8->setVisible(true);
    if (screen.Command1->isEnabled())
        ctx.pictures.load(screen.oblak, QStringLiteral("\\oblacak1.gif"));
    if (screen.Command3->isEnabled())
        ctx.pictures.load(screen.oblak, QStringLiteral("\\oblacak.gif"));

    ctx.random.randomize();
    gs.tauntRoll = ctx.random.roll(10);

    const BlowOutcome outcome = OutcomeOf(gs);
    QString sound;
    switch (outcome) {
        case BlowOutcome::ShieldBlock:
            gs.attackSoundPick = static_cast<int16_t>(ctx.random.roll(3));
            sound = kShrugSounds[gs.attackSoundPick - 1];
            break;
        case BlowOutcome::Hit:
            gs.attackSoundPick = static_cast<int16_t>(ctx.random.roll(5));
            sound = kHurtSounds[gs.attackSoundPick - 1];
            break;
        case BlowOutcome::Miss:
            sound = QStringLiteral("\\stupid.wav");
            break;
        case BlowOutcome::Parry:
            // No draw of its own: whatever the last pick left, and silence outside 1..3.
            if (gs.attackSoundPick >= 1 && gs.attackSoundPick <= 3)
                sound = kShrugSounds[gs.attackSoundPick - 1];
            break;
    }
    if (!sound.isEmpty()) ctx.sound.play(gs.playerSoundTheme[defender] + sound, Sound::Mode::Async);

    screen.tauntLine = {outcome, gs.tauntRoll};
    screen.Label8->setText(TauntText(screen.tauntLine));
    Accessibility::announce(&screen, screen.Label8->text());
}

void SettleFight(Context& ctx, borba& screen, int winner, int loser) {
    GameState& gs = ctx.gs;
    ctx.sound.play(gs.playerSoundTheme[winner] + QStringLiteral("\\victory.wav"),
                   Sound::Mode::Async);
    ctx.dialogs.message(
        translated(QT_TRANSLATE_NOOP("borba", "%1 je pobedio!!")).arg(gs.playerName[winner]));
    (loser == gs.currentPlayer ? screen.Label2 : screen.Label4)->setText(QStringLiteral("0"));
    ctx.dialogs.message(translated(QT_TRANSLATE_NOOP("borba", "%1 dobija %2 zlatnika."))
                            .arg(gs.playerName[winner], QString::number(gs.playerGold[loser])));

    //: %1 is the loser's weapon or shield.
    const char* const takeToo = QT_TRANSLATE_NOOP("borba", "Da li zelite da uzmete i %1?");
    if (saysYes(
            ctx.dialogs.input(translated(takeToo).arg(Items::weaponName(gs.playerWeapon[loser])))))
        gs.playerWeapon[winner] = gs.playerWeapon[loser];
    if (saysYes(ctx.dialogs.input(
            translated(QT_TRANSLATE_NOOP("borba", "Da li zelite da uzmete i protivnikov oklop?")))))
        gs.playerArmor[winner] = gs.playerArmor[loser];
    if (!gs.playerShield[loser].isEmpty() &&
        saysYes(
            ctx.dialogs.input(translated(takeToo).arg(Items::shieldName(gs.playerShield[loser])))))
        gs.playerShield[winner] = gs.playerShield[loser];

    gs.playerGold[winner] += gs.playerGold[loser];

    gs.playerWeapon[loser].clear();
    gs.playerGold[loser] = 0;
    gs.playerSquare[loser] = 0;
    gs.playerHealth[loser] = 10;
    gs.playerArmor[loser] = 0;
    gs.playerShield[loser].clear();

    Accessibility::announceOnNextWindow(
        Accessibility::goldSentence(gs.playerName[winner], gs.playerGold[winner], gs.goldToWin));
    PassTurn(gs);
    gs.fightOpen = 0;
    ctx.screens.unload(ScreenId::borba);
    ctx.screens.show(ScreenId::Form1);
}

void RetreatFight(Context& ctx, int fighter, bool cowardSound) {
    GameState& gs = ctx.gs;
    gs.fightOpen = 0;
    if (cowardSound)
        ctx.sound.play(ctx.appDir + QStringLiteral("\\zvuk\\american\\coward.wav"),
                       Sound::Mode::Async);
    ctx.dialogs.message(
        translated(QT_TRANSLATE_NOOP("borba", "%1 je pobegao!!!")).arg(gs.playerName[fighter]));

    const int back = ctx.random.roll(6);
    gs.playerSquare[fighter] -= back;
    if (gs.playerSquare[fighter] < 0) gs.playerSquare[fighter] += GameState::BOARD_SQUARES;

    PassTurn(gs);
    ctx.screens.show(ScreenId::Form1);
    ctx.screens.unload(ScreenId::borba);
}
