#include "Fight.h"

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

const std::array<QString, 10> kShieldLines = {
    QStringLiteral("Hehe,ja sam bio pametan pa kupio stit!"),
    QStringLiteral("Kuku al si se odbio ko muda od labuda!"),
    QStringLiteral("NJANJANANANJAAAA!"),
    QStringLiteral("Di ti bre ochi?"),
    QStringLiteral("Di ces glavom o zid komsija?"),
    QStringLiteral("Jace bre to...ne osetih nista..."),
    QStringLiteral("Pa ako iseces taj stit svaka ti cast."),
    QStringLiteral("Pazi,ce da polomis oruzje :)"),
    QStringLiteral("Sta bre pravis tolku buku!? :)"),
    QStringLiteral("e al s` ti brljiv neki stvor.."),
};
const std::array<QString, 10> kHitLines = {
    QStringLiteral("Kuukuuu!!!"),
    QStringLiteral("Platices mi za ovo!!!!!"),
    QStringLiteral("Neeee tu..tu sam se operis`o!!!!"),
    QStringLiteral("Joj...iskasapi me!#^%@#$&*"),
    QStringLiteral("Plasticna operacija bez anestezije!"),
    QStringLiteral("Ahh krvarim...dajte `ultra allways`!"),
    QStringLiteral("Gilipteru jedan!Dofaticu te ja!"),
    QStringLiteral("Arrghh...ode jos malo mesa..."),
    QStringLiteral("Odseko si mi kosu!Ubicu te!!!"),
    QStringLiteral("Kah kah...Ispade mi zub...shit."),
};
const std::array<QString, 10> kMissLines = {
    QStringLiteral("TI SI LUD!!!! :)"),
    QStringLiteral("Ej...ja sam u ovom pravcu :)"),
    QStringLiteral("Pazi,zamalo komshiju da zakachish!"),
    QStringLiteral("Chuvaj s tim,mozes da se povredis!"),
    QStringLiteral("Idi bre kutji,chuvaj decu,peri vesh..."),
    QStringLiteral("Miss me miss me now ya gotta kiss me!"),
    QStringLiteral("Ne valja ti taj optichar kod koga ides."),
    QStringLiteral("E,kreces se ko baba u kolicima."),
    QStringLiteral("Zamalo sebi da odseces ledja..."),
    QStringLiteral("Vise srece sledeci put :)"),
};
const std::array<QString, 10> kParryLines = {
    QStringLiteral("Aha...odbrana!"),
    QStringLiteral("Nema leba bez motike!!!"),
    QStringLiteral("Di tjesh komsho?!"),
    QStringLiteral("Heheh...kuda kuda ludi dechache?"),
    QStringLiteral("E ajmo posle na jedno pivo."),
    QStringLiteral("Klikni na dugme `povlacenje` sledeci put"),
    QStringLiteral("Ej,otkopcan ti slic!"),
    QStringLiteral("Smor smoor smooooor!!!!"),
    QStringLiteral("Ha...ovo nisi ocekivao garant!"),
    QStringLiteral("El da da imam vestine a..a?a???"),
};

// Only this exact answer takes the spoils.
bool saysYes(const QString& answer) {
    return answer == QStringLiteral("da");
}

}  // namespace

BlowOutcome OutcomeOf(const GameState& gs) {
    if (gs.shieldRoll >= gs.strikeRoll) return BlowOutcome::ShieldBlock;
    if (gs.strikeRoll > gs.guardRoll) return BlowOutcome::Hit;
    if (gs.strikeRoll < gs.guardRoll) return BlowOutcome::Miss;
    return BlowOutcome::Parry;
}

const std::array<QString, 10>& TauntLines(BlowOutcome outcome) {
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
        ctx.dialogs.message(gs.playerName[defender] + QStringLiteral(" se odbranio shtitom!"));
        return;
    }

    // Drawn for misses and parries too, so the dice that follow stay the same.
    gs.blowDamage = static_cast<int16_t>(ctx.random.below(gs.playerWeaponPower[striker] + 1));

    if (gs.strikeRoll > gs.guardRoll) {
        ctx.dialogs.message(gs.playerName[striker] + QStringLiteral(" udara!") +
                            QString::number(gs.blowDamage) + QStringLiteral(" ostecenja!"));
        gs.playerHealth[defender] -= gs.blowDamage;
    } else if (gs.strikeRoll < gs.guardRoll) {
        ctx.dialogs.message(gs.playerName[striker] + QStringLiteral(" promasuje!"));
    } else {
        ctx.dialogs.message(gs.playerName[defender] + QStringLiteral(" parira napad."));
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

    screen.Label8->setText(TauntLines(outcome)[gs.tauntRoll - 1]);
    Accessibility::announce(&screen, screen.Label8->text());
}

void SettleFight(Context& ctx, borba& screen, int winner, int loser) {
    GameState& gs = ctx.gs;
    ctx.sound.play(gs.playerSoundTheme[winner] + QStringLiteral("\\victory.wav"),
                   Sound::Mode::Async);
    ctx.dialogs.message(gs.playerName[winner] + QStringLiteral(" je pobedio!!"));
    (loser == gs.currentPlayer ? screen.Label2 : screen.Label4)->setText(QStringLiteral("0"));
    ctx.dialogs.message(gs.playerName[winner] + QStringLiteral(" dobija ") +
                        QString::number(gs.playerGold[loser]) + QStringLiteral(" zlatnika."));

    if (saysYes(ctx.dialogs.input(QStringLiteral("Da li zelite da uzmete i ") +
                                  gs.playerWeapon[loser] + QStringLiteral("?"))))
        gs.playerWeapon[winner] = gs.playerWeapon[loser];
    if (saysYes(ctx.dialogs.input(QStringLiteral("Da li zelite da uzmete i protivnikov oklop?"))))
        gs.playerArmor[winner] = gs.playerArmor[loser];
    if (!gs.playerShield[loser].isEmpty() &&
        saysYes(ctx.dialogs.input(QStringLiteral("Da li zelite da uzmete i ") +
                                  gs.playerShield[loser] + QStringLiteral("?"))))
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
    ctx.dialogs.message(gs.playerName[fighter] + QStringLiteral(" je pobegao!!!"));

    const int back = ctx.random.roll(6);
    gs.playerSquare[fighter] -= back;
    if (gs.playerSquare[fighter] < 0) gs.playerSquare[fighter] += GameState::BOARD_SQUARES;

    PassTurn(gs);
    ctx.screens.show(ScreenId::Form1);
    ctx.screens.unload(ScreenId::borba);
}
