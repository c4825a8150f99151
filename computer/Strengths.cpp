#include "Strengths.h"

#include <cmath>

#include "Autoplay.h"
#include "Decisions.h"
#include "game/Duel.h"
#include "game/Random.h"
#include "game/Turn.h"
#include "state/Items.h"

namespace Computer {

namespace {

// A stateless mix of 64 bits (splitmix64's finaliser).
uint64_t mix(uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

double unitOf(uint64_t bits) {
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

class Hasher {
public:
    void add(long long v) {
        for (int i = 0; i < 8; ++i) byte(static_cast<uint8_t>(v >> (8 * i)));
    }
    void add(const QString& s) {
        add(static_cast<long long>(s.size()));
        for (const QChar c : s) add(static_cast<long long>(c.unicode()));
    }
    uint64_t value() const { return h_; }

private:
    void byte(uint8_t b) {
        h_ ^= b;
        h_ *= 0x100000001b3ULL;  // FNV-1a
    }
    uint64_t h_ = 0xcbf29ce484222325ULL;
};

Side otherSide(Side side) {
    return side == Side::Left ? Side::Right : Side::Left;
}

// Answers `choice` in a copy of the record, with the dice of the games ahead.
void answer(GameState& gs, Random& dice, Choice choice, bool yes) {
    switch (choice) {
        case Choice::TakeReward:
            if (yes)
                Game::TakeReward(gs, dice);
            else
                Game::LeaveReward(gs);
            break;
        case Choice::StrikeOn:
            if (yes)
                Game::Strike(gs, dice, gs.blowNext);
            else
                Game::RetreatFight(gs, dice, gs.blowNext);
            break;
        case Choice::FleeAtOnce:
            if (yes) Game::RetreatFight(gs, dice, Side::Right);
            break;
        case Choice::TakeSpoil:
            Game::AnswerSpoil(gs, yes);
            break;
    }
}

// The chances of `player` after that answer and one game played ahead.
double playedAhead(const GameState& from, Choice choice, bool yes, int player, uint64_t seed,
                   long turns) {
    GameState gs = from;
    // The answer's own draws (a heap's coins, a retreat's squares) come from dice of their own,
    // so that the game after either answer rolls the same dice.
    StdRandom answerDice(mix(seed));
    answer(gs, answerDice, choice, yes);
    StdRandom dice(seed);
    PlayGame(gs, dice, turns, Sensible);
    return Chances(gs, player);
}

}  // namespace

int Chooser(const GameState& gs, Choice choice) {
    switch (choice) {
        case Choice::TakeReward:
            return gs.currentPlayer;
        case Choice::StrikeOn:
            return Game::FighterOn(gs, gs.blowNext);
        case Choice::FleeAtOnce:
            return Game::FighterOn(gs, Side::Right);
        case Choice::TakeSpoil:
            return Game::WinnerAndLoser(gs).first;
    }
    return gs.currentPlayer;
}

bool Sensible(const GameState& gs, Choice choice) {
    const int me = Chooser(gs, choice);
    switch (choice) {
        case Choice::TakeReward:
            return TakeReward(gs, me, gs.rewardOffered);
        case Choice::StrikeOn:
            return StrikeOn(gs, me, Game::FighterOn(gs, otherSide(gs.blowNext)), true);
        case Choice::FleeAtOnce:
            return !StrikeOn(gs, me, gs.currentPlayer, false);
        case Choice::TakeSpoil:
            return TakeSpoil(gs, me, Game::WinnerAndLoser(gs).second, gs.spoilAsked);
    }
    return false;
}

bool Careless(const GameState& gs, Choice choice) {
    // Coins are coins: every heap is grabbed, whatever it may do to the count.
    if (choice == Choice::TakeReward && gs.rewardOffered == Items::TREASURE_REWARD) return true;
    const uint64_t draw = mix(RecordHash(gs) ^ (static_cast<uint64_t>(choice) + 1));
    if (unitOf(draw) < kCarelessShare) return unitOf(mix(draw)) < 0.5;
    return Sensible(gs, choice);
}

LookAhead LookAheadScores(const GameState& gs, Choice choice, uint64_t seed, LookAheadSize size) {
    const int me = Chooser(gs, choice);
    LookAhead out;
    double sum = 0.0, squares = 0.0;
    for (int g = 0; g < size.games; ++g) {
        const uint64_t gameSeed = mix(seed + static_cast<uint64_t>(g));
        const double yes = playedAhead(gs, choice, true, me, gameSeed, size.turns);
        const double no = playedAhead(gs, choice, false, me, gameSeed, size.turns);
        out.yes += yes;
        out.no += no;
        sum += yes - no;
        squares += (yes - no) * (yes - no);
    }
    if (size.games > 0) {
        const double n = size.games;
        out.yes /= n;
        out.no /= n;
        const double mean = sum / n;
        out.spread = std::sqrt(std::max(0.0, squares / n - mean * mean) / n);
    }
    return out;
}

bool FarSightedWith(const GameState& gs, Choice choice, uint64_t seed, LookAheadSize size) {
    const LookAhead a = LookAheadScores(gs, choice, seed, size);
    const double better = a.yes - a.no;
    // Within the games' own noise the answers are as good as each other: a few hundred games
    // cannot tell most choices apart, and guessing on noise plays worse than Srednje.
    if (std::abs(better) <= kClearMargin * a.spread) return Sensible(gs, choice);
    return better > 0.0;
}

bool FarSighted(const GameState& gs, Choice choice) {
    // The seats ask again and again while a press is pending: the games are played once.
    struct Last {
        uint64_t hash = 0;
        Choice choice = Choice::TakeReward;
        bool answer = false;
        bool known = false;
    };
    thread_local Last last;
    const uint64_t hash = RecordHash(gs);
    if (last.known && last.hash == hash && last.choice == choice) return last.answer;
    const bool yes = FarSightedWith(gs, choice, mix(hash ^ static_cast<uint64_t>(choice)));
    last = {hash, choice, yes, true};
    return yes;
}

bool ChooseAt(Strength strength, const GameState& gs, Choice choice) {
    switch (strength) {
        case Strength::Easy:
            return Careless(gs, choice);
        case Strength::Medium:
            break;
        case Strength::Hard:
            return FarSighted(gs, choice);
    }
    return Sensible(gs, choice);
}

bool Choose(const GameState& gs, Choice choice) {
    const int me = Chooser(gs, choice);
    const Strength s =
        me >= 0 && me < GameState::MAX_PLAYERS ? gs.playerStrength[me] : Strength::Medium;
    return ChooseAt(s, gs, choice);
}

double Chances(const GameState& gs, int player) {
    if (gs.stage == Stage::Won) return gs.currentPlayer == player ? 1.0 : 0.0;
    // Nobody's chances are nil while the game goes on, however poor.
    constexpr double kAnyone = 0.1;
    double mine = 0.0, all = 0.0;
    for (int k = 0; k < GameState::MAX_PLAYERS; ++k) {
        if (!IsInGame(gs, k)) continue;
        const double w = kAnyone + GoldWorth(gs.playerGold[k], gs.goldToWin, gs.winRule);
        all += w;
        if (k == player) mine = w;
    }
    return all > 0.0 ? mine / all : 0.0;
}

uint64_t RecordHash(const GameState& gs) {
    Hasher h;
    for (int k = 0; k < GameState::MAX_PLAYERS; ++k) {
        for (const int v : {gs.playerSquare[k], gs.playerGold[k], gs.playerArmor[k],
                            gs.playerHealth[k], gs.playerWeaponPower[k], gs.playerSkipTurns[k],
                            int(gs.playerComputer[k]), int(gs.playerStrength[k])})
            h.add(v);
        h.add(gs.playerWeapon[k]);
        h.add(gs.playerShield[k]);
    }
    for (const QString& kind : gs.squareKind) h.add(kind);
    for (const int v :
         {int(gs.currentPlayer), gs.opponentIndex, int(gs.goldToWin), int(gs.winRule),
          int(gs.fightOpen), int(gs.blowDamage), int(gs.guardRoll), gs.strikeRoll,
          int(gs.shieldRoll), gs.tauntRoll, gs.playersInGame, int(gs.stage), gs.rewardOffered,
          gs.mishapStruck, gs.goldStolen, int(gs.blowNext), int(gs.metMayFlee), int(gs.spoilAsked)})
        h.add(v);
    return h.value();
}

}  // namespace Computer
