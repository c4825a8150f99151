#include "Decisions.h"

#include <algorithm>
#include <vector>

#include "game/Turn.h"
#include "state/GameState.h"
#include "state/Items.h"

namespace Computer {

namespace {
constexpr int kDieFaces = 6;
constexpr int kTreasureMost = 100;  // a heap is 1..100 coins, each as likely

// Chance of each damage 0..power of one blow at a defender with that shield.
std::vector<double> DamageOdds(int power, const QString& defenderShield) {
    const double hit = HitChance(defenderShield);
    std::vector<double> odds(static_cast<size_t>(std::max(power, 0)) + 1, 0.0);
    // Damage is 0..power, each as likely, on a hit; nothing otherwise.
    for (double& o : odds) o = hit / static_cast<double>(odds.size());
    odds[0] += 1.0 - hit;
    return odds;
}
}  // namespace

double BlockChance(const QString& shield) {
    const int faces = Items::shieldDieFaces(shield);
    if (faces == 0) return 0.0;
    // The shield's die must reach the striker's.
    double blocks = 0.0;
    for (int strike = 1; strike <= kDieFaces; ++strike)
        blocks += std::max(0, faces - strike + 1) / double(faces);
    return blocks / kDieFaces;
}

double HitChance(const QString& defenderShield) {
    const int faces = Items::shieldDieFaces(defenderShield);
    // The striker's die must beat the defender's die and pass the shield's die.
    double hits = 0.0;
    for (int strike = 1; strike <= kDieFaces; ++strike) {
        const double passes = faces == 0 ? 1.0 : std::min(strike - 1, faces) / double(faces);
        hits += (strike - 1) / double(kDieFaces) * passes;
    }
    return hits / kDieFaces;
}

double ChanceToWin(const Fighter& me, const Fighter& other, bool meNext) {
    if (other.health <= 0) return 1.0;
    if (me.health <= 0) return 0.0;
    const std::vector<double> mine = DamageOdds(me.power, other.shield);
    const std::vector<double> theirs = DamageOdds(other.power, me.shield);
    // A blow of 0 leaves both standing and hands the turn over; solve that pair exactly.
    const double stall = mine[0] * theirs[0];
    if (stall >= 1.0) return 0.0;  // no blow can end this fight

    // strike[a][b]: my chance with healths a and b when I strike next; answer[a][b]: when the
    // other does. Every blow that lands makes a + b smaller, so they fill up from the bottom.
    const int top = std::max(me.health, other.health);
    const auto grid = [top] {
        return std::vector<std::vector<double>>(top + 1, std::vector<double>(top + 1, 0.0));
    };
    auto strike = grid();
    auto answer = grid();
    for (int a = 1; a <= top; ++a) {
        for (int b = 1; b <= top; ++b) {
            double fromMine = 0.0;
            for (size_t k = 1; k < mine.size(); ++k)
                fromMine += mine[k] * (b - int(k) <= 0 ? 1.0 : answer[a][b - k]);
            double fromTheirs = 0.0;
            for (size_t k = 1; k < theirs.size(); ++k)
                fromTheirs += theirs[k] * (a - int(k) <= 0 ? 0.0 : strike[a - k][b]);
            strike[a][b] = (fromMine + mine[0] * fromTheirs) / (1.0 - stall);
            answer[a][b] = theirs[0] * strike[a][b] + fromTheirs;
        }
    }
    return (meNext ? strike : answer)[me.health][other.health];
}

double GoldWorth(int gold, int goal, WinRule rule) {
    if (rule == WinRule::AtLeast && gold >= goal) return 1.0;
    if (goal <= 0) return gold == goal ? 1.0 : 0.0;
    if (gold <= 0) return 0.0;
    if (gold <= goal) return double(gold) / goal;
    // The mean of y / goal over y = 1..goal, with 1..gold equally likely.
    return (goal + 1) / (2.0 * gold);
}

int StrikePower(const GameState& gs, int player) {
    const QString& weapon = gs.playerWeapon[player];
    return Items::isWeapon(weapon) ? Items::weaponPower(weapon) : gs.playerWeaponPower[player];
}

bool TakeReward(const GameState& gs, int player, int reward) {
    const Items::Reward offer = Items::reward(reward);
    switch (offer.kind) {
        case Items::RewardKind::Weapon:
            return Items::weaponPower(offer.weapon) > StrikePower(gs, player);
        case Items::RewardKind::Armor:
            return false;  // armour never changes a blow
        case Items::RewardKind::Shield:
            return BlockChance(offer.shield) > BlockChance(gs.playerShield[player]);
        case Items::RewardKind::Treasure:
            break;
    }
    // The heap is unseen: take it when what it may bring is worth more, on average, than the
    // gold held now.
    const int gold = gs.playerGold[player];
    double worth = 0.0;
    for (int coins = 1; coins <= kTreasureMost; ++coins)
        worth += GoldWorth(gold + coins, gs.goldToWin, gs.winRule);
    return worth / kTreasureMost > GoldWorth(gold, gs.goldToWin, gs.winRule);
}

bool StrikeOn(const GameState& gs, int me, int other, bool meNext) {
    const int goal = gs.goldToWin;
    const int mine = gs.playerGold[me];
    const int theirs = gs.playerGold[other];
    // Holding the gold that wins, the game is won when the turn comes: no fight is worth it.
    if (Game::HoldsWinningGold(gs, mine)) return false;
    const Fighter self{gs.playerHealth[me], StrikePower(gs, me), gs.playerShield[me]};
    const Fighter foe{gs.playerHealth[other], StrikePower(gs, other), gs.playerShield[other]};
    if (self.power <= 0 && foe.power <= 0) return false;  // it would never end
    // The winner takes all the gold of both; a retreat leaves things as they are. Weigh what it
    // does to the gap between the two.
    const double win = ChanceToWin(self, foe, meNext);
    const auto worth = [&gs, goal](int gold) { return GoldWorth(gold, goal, gs.winRule); };
    return (2.0 * win - 1.0) * worth(mine + theirs) >= worth(mine) - worth(theirs);
}

bool TakeSpoil(const GameState& gs, int winner, int loser, Spoil spoil) {
    switch (spoil) {
        case Spoil::Weapon:
            return Items::weaponPower(gs.playerWeapon[loser]) > StrikePower(gs, winner);
        case Spoil::Armor:
            return false;  // armour never changes a blow
        case Spoil::Shield:
            break;
    }
    return BlockChance(gs.playerShield[loser]) > BlockChance(gs.playerShield[winner]);
}

}  // namespace Computer
