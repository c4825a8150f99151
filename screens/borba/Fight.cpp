#include "Fight.h"

#include <QCoreApplication>

#include "platform/Language.h"
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

}  // namespace

using Game::BlowOutcome;

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

QString TauntText(Game::TauntLine line) {
    if (line.number < 1 || line.number > 10) return {};
    return translated(TauntLines(line.outcome)[line.number - 1]);
}

QString WarCry(const Game::Blow& blow) {
    if (blow.cry == 1) return QStringLiteral("\\fire.wav");
    if (blow.cry == 2) return QStringLiteral("\\fireball.wav");
    return blow.side == Side::Left ? QStringLiteral("\\watchthis.wav")
                                   : QStringLiteral("\\WATCHTHIS.wav");
}

QString TauntSound(const Game::Blow& blow) {
    const int pick = blow.tauntSound;
    switch (blow.outcome) {
        case BlowOutcome::Hit:
            return pick >= 1 && pick <= 5 ? kHurtSounds[pick - 1] : QString();
        case BlowOutcome::Miss:
            return QStringLiteral("\\stupid.wav");
        case BlowOutcome::ShieldBlock:
        case BlowOutcome::Parry:
            break;
    }
    // Silence outside 1..3: a parry after a hurt sound's pick of 4 or 5.
    return pick >= 1 && pick <= 3 ? kShrugSounds[pick - 1] : QString();
}

QString BlowMessage(const GameState& gs, const Game::Event& struck) {
    const QString& striker = gs.playerName[struck.player];
    const QString& defender = gs.playerName[struck.other];
    switch (struck.blow.outcome) {
        case BlowOutcome::ShieldBlock:
            return translated(QT_TRANSLATE_NOOP("borba", "%1 se odbranio shtitom!")).arg(defender);
        case BlowOutcome::Hit:
            return Language::counted("borba",
                                     QT_TRANSLATE_N_NOOP("borba", "%1 udara!%n ostecenja!"),
                                     struck.blow.damage)
                .arg(striker);
        case BlowOutcome::Miss:
            return translated(QT_TRANSLATE_NOOP("borba", "%1 promasuje!")).arg(striker);
        case BlowOutcome::Parry:
            break;
    }
    return translated(QT_TRANSLATE_NOOP("borba", "%1 parira napad.")).arg(defender);
}

QString WonMessage(const QString& winner) {
    return translated(QT_TRANSLATE_NOOP("borba", "%1 je pobedio!!")).arg(winner);
}

QString GoldWonMessage(const QString& winner, int gold) {
    return Language::counted("borba", QT_TRANSLATE_N_NOOP("borba", "%1 dobija %n zlatnika."), gold)
        .arg(winner);
}

QString SpoilQuestion(const GameState& gs, int loser, Spoil spoil) {
    //: %1 is the loser's weapon or shield.
    const char* const takeToo = QT_TRANSLATE_NOOP("borba", "Da li zelite da uzmete i %1?");
    switch (spoil) {
        case Spoil::Weapon:
            // The original asks for a loser's missing weapon with nothing in the gap; a
            // translation says there is none, and that a yes leaves the winner's hands as empty.
            if (gs.playerWeapon[loser].isEmpty())
                return QCoreApplication::translate("borba", "Da li zelite da uzmete i ?",
                                                   "the loser has no weapon");
            return translated(takeToo).arg(Items::weaponName(gs.playerWeapon[loser]));
        case Spoil::Armor:
            break;
        case Spoil::Shield:
            return translated(takeToo).arg(Items::shieldName(gs.playerShield[loser]));
    }
    return translated(QT_TRANSLATE_NOOP("borba", "Da li zelite da uzmete i protivnikov oklop?"));
}

QString FledMessage(const QString& fighter) {
    return translated(QT_TRANSLATE_NOOP("borba", "%1 je pobegao!!!")).arg(fighter);
}
