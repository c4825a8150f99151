#include "Duel.h"

#include "Random.h"
#include "Turn.h"
#include "state/Items.h"

namespace Game {

namespace {
Side otherSide(Side side) {
    return side == Side::Left ? Side::Right : Side::Left;
}

// A fighter's weapon strength, set as the fight is shown: a fighter without a weapon keeps the
// strength of the last one held.
void refreshWeaponPowers(GameState& gs) {
    for (int p = 0; p < GameState::MAX_PLAYERS; ++p)
        if (Items::isWeapon(gs.playerWeapon[p]))
            gs.playerWeaponPower[p] = Items::weaponPower(gs.playerWeapon[p]);
}

// After the opening and after every blow: a fall is settled, or both stand on.
Events fallOrStand(GameState& gs) {
    gs.shieldRoll = 0;
    Events fall = SettleFight(gs);
    if (fall.isEmpty()) refreshWeaponPowers(gs);
    return fall;
}

void endFight(GameState& gs) {
    gs.fightOpen = 0;
    gs.stage = Stage::TurnOver;
}
}  // namespace

int FighterOn(const GameState& gs, Side side) {
    return side == Side::Left ? gs.currentPlayer : gs.opponentIndex;
}

Events OpenFight(GameState& gs, Random& dice) {
    gs.backgroundNumber = static_cast<int16_t>(dice.roll(15));
    gs.fightOpen = 1;
    gs.stage = Stage::Fight;
    gs.blowNext = Side::Left;
    gs.metMayFlee = true;
    Events out{MakeEvent(EventKind::FightOpened, gs.currentPlayer, gs.opponentIndex, 0,
                         gs.backgroundNumber)};
    out.append(fallOrStand(gs));
    return out;
}

bool MayStrike(const GameState& gs, Side side) {
    return gs.stage == Stage::Fight && gs.blowNext == side;
}

bool MayRetreat(const GameState& gs, Side side) {
    return gs.stage == Stage::Fight &&
           (gs.blowNext == side || (side == Side::Right && gs.metMayFlee));
}

Events Strike(GameState& gs, Random& dice, Side side) {
    if (!MayStrike(gs, side)) return {};
    Blow blow = ResolveBlow(gs, dice, side);
    Taunt(gs, dice, blow);
    gs.blowNext = otherSide(side);
    gs.metMayFlee = false;
    Event struck = MakeEvent(EventKind::Struck, FighterOn(gs, side), FighterOn(gs, otherSide(side)),
                             blow.outcome == BlowOutcome::Hit ? blow.damage : 0);
    struck.blow = blow;
    Events out{struck};
    out.append(fallOrStand(gs));
    return out;
}

Blow ResolveBlow(GameState& gs, Random& dice, Side side) {
    const int striker = FighterOn(gs, side);
    const int defender = FighterOn(gs, otherSide(side));
    Blow blow;
    blow.side = side;
    blow.cry = dice.roll(3);
    // Only the left fighter's war cry is remembered for a later parry's sound.
    if (side == Side::Left) gs.attackSoundPick = static_cast<int16_t>(blow.cry);

    gs.strikeRoll = dice.roll(6);
    gs.guardRoll = static_cast<int16_t>(dice.roll(6));
    gs.shieldRoll = 0;
    if (const int faces = Items::shieldDieFaces(gs.playerShield[defender]); faces > 0)
        gs.shieldRoll = static_cast<int16_t>(dice.roll(faces));
    blow.strike = gs.strikeRoll;
    blow.guard = gs.guardRoll;
    blow.shield = gs.shieldRoll;
    blow.outcome = OutcomeOf(gs);
    if (blow.outcome == BlowOutcome::ShieldBlock) return blow;

    // Drawn for misses and parries too, so the dice that follow stay the same.
    gs.blowDamage = static_cast<int16_t>(dice.below(gs.playerWeaponPower[striker] + 1));
    blow.damage = gs.blowDamage;
    if (blow.outcome == BlowOutcome::Hit) gs.playerHealth[defender] -= gs.blowDamage;
    return blow;
}

void Taunt(GameState& gs, Random& dice, Blow& blow) {
    dice.randomize();
    gs.tauntRoll = dice.roll(10);
    switch (blow.outcome) {
        case BlowOutcome::ShieldBlock:
            gs.attackSoundPick = static_cast<int16_t>(dice.roll(3));
            break;
        case BlowOutcome::Hit:
            gs.attackSoundPick = static_cast<int16_t>(dice.roll(5));
            break;
        case BlowOutcome::Miss:
        case BlowOutcome::Parry:
            // No draw of their own: a parry sounds whatever the last pick left.
            break;
    }
    blow.taunt = {blow.outcome, gs.tauntRoll};
    blow.tauntSound = blow.outcome == BlowOutcome::Miss ? 0 : gs.attackSoundPick;
}

BlowOutcome OutcomeOf(const GameState& gs) {
    if (gs.shieldRoll >= gs.strikeRoll) return BlowOutcome::ShieldBlock;
    if (gs.strikeRoll > gs.guardRoll) return BlowOutcome::Hit;
    if (gs.strikeRoll < gs.guardRoll) return BlowOutcome::Miss;
    return BlowOutcome::Parry;
}

std::pair<int, int> WinnerAndLoser(const GameState& gs) {
    const int left = gs.currentPlayer;
    const int right = gs.opponentIndex;
    if (gs.playerHealth[left] <= 0) return {right, left};
    return {left, right};
}

Events SettleFight(GameState& gs) {
    const int left = gs.currentPlayer;
    const int right = gs.opponentIndex;
    if (gs.playerHealth[left] > 0 && gs.playerHealth[right] > 0) return {};
    const auto [winner, loser] = WinnerAndLoser(gs);
    gs.stage = Stage::Spoils;
    gs.spoilAsked = Spoil::Weapon;
    return {MakeEvent(EventKind::Fell, winner, loser, gs.playerGold[loser])};
}

Events AnswerSpoil(GameState& gs, bool take) {
    if (gs.stage != Stage::Spoils) return {};
    const auto [winner, loser] = WinnerAndLoser(gs);
    const Spoil asked = gs.spoilAsked;
    Event answer = MakeEvent(take ? EventKind::SpoilTaken : EventKind::SpoilLeft, winner, loser, 0,
                             static_cast<int>(asked));
    bool last = false;
    switch (asked) {
        case Spoil::Weapon:
            answer.item = gs.playerWeapon[loser];
            if (take) gs.playerWeapon[winner] = gs.playerWeapon[loser];
            gs.spoilAsked = Spoil::Armor;
            break;
        case Spoil::Armor:
            answer.amount = gs.playerArmor[loser];
            if (take) gs.playerArmor[winner] = gs.playerArmor[loser];
            // The shield is asked about only when the loser has one.
            last = gs.playerShield[loser].isEmpty();
            gs.spoilAsked = Spoil::Shield;
            break;
        case Spoil::Shield:
            answer.item = gs.playerShield[loser];
            if (take) gs.playerShield[winner] = gs.playerShield[loser];
            last = true;
            break;
    }
    Events out{answer};
    if (!last) return out;

    const int gold = gs.playerGold[loser];
    gs.playerGold[winner] += gold;
    StripPlayer(gs, loser);
    gs.playerHealth[loser] = 10;
    endFight(gs);
    out.append(MakeEvent(EventKind::FightWon, winner, loser, gold));
    return out;
}

std::optional<Event> RetreatFight(GameState& gs, Random& dice, Side side) {
    if (!MayRetreat(gs, side)) return std::nullopt;
    const int fighter = FighterOn(gs, side);
    endFight(gs);
    const int back = dice.roll(6);
    gs.playerSquare[fighter] = SquareAfter(gs.playerSquare[fighter], -back);
    return MakeEvent(EventKind::Retreated, fighter, FighterOn(gs, otherSide(side)), back,
                     gs.playerSquare[fighter]);
}

}  // namespace Game
