#include "Turn.h"

#include "Duel.h"
#include "Random.h"
#include "state/Items.h"

namespace Game {

namespace {
constexpr int kLastPortrait = 13;

// A square's kind by the board's draw of 1..8: mostly plain.
QString kindOfDraw(int r) {
    switch (r) {
        case 6:
            return QStringLiteral("opasnost");
        case 7:
            return QStringLiteral("nagrada");
        case 8:
            return QStringLiteral("coin");
        default:
            return QStringLiteral("polje");
    }
}

void generateBoard(GameState& gs, Random& dice) {
    gs.newGame = 0;
    dice.randomize();
    for (int i = 1; i < GameState::BOARD_SQUARES; ++i) gs.squareKind[i] = kindOfDraw(dice.roll(8));
}

void storeSlot(GameState& gs, const QString& name, const QString& soundTheme, bool computer,
               Strength strength) {
    const int slot = gs.creatingPlayer;
    gs.playerSoundTheme[slot] = soundTheme;
    gs.playerName[slot] = name;
    gs.playerComputer[slot] = computer;
    gs.playerStrength[slot] = computer ? strength : Strength::Medium;
}

void strikeMishap(GameState& gs, int p, int mishap, int stolen) {
    switch (mishap) {
        case 1:
            gs.playerWeapon[p].clear();
            break;
        case 2:
            gs.playerArmor[p] = 0;
            break;
        case 3:
            // Back three squares around the ring; the square reached is not resolved.
            gs.playerSquare[p] = SquareAfter(gs.playerSquare[p], -3);
            break;
        case 4:
            gs.playerGold[p] -= stolen;
            break;
        default:
            // Set, not added: a second inquisition before the lost turn still costs one turn.
            gs.playerSkipTurns[p] = 1;
            break;
    }
}
}  // namespace

void OpenTitle(GameState& gs) {
    gs.goldToWin = 100;
    gs.winRule = WinRule::Exactly;
    gs.fightOpen = 0;
    gs.stage = Stage::Setup;
}

void StartFresh(GameState& gs) {
    for (int k = 0; k < GameState::MAX_PLAYERS; ++k) {
        StripPlayer(gs, k);
        gs.playerName[k].clear();
        gs.playerHealth[k] = 0;
        gs.playerWeaponPower[k] = 0;
        gs.playerSkipTurns[k] = 0;
        gs.playerPortraitNo[k] = 0;
        gs.playerPortrait[k].clear();
        gs.playerSoundTheme[k].clear();
        gs.playerComputer[k] = false;
        gs.playerStrength[k] = Strength::Medium;
    }
    gs.creatingPlayer = 0;
    gs.currentPlayer = 0;
    gs.playersInGame = 0;
    gs.stage = Stage::Setup;
}

void StripPlayer(GameState& gs, int slot) {
    gs.playerSquare[slot] = 0;
    gs.playerGold[slot] = 0;
    gs.playerArmor[slot] = 0;
    gs.playerWeapon[slot].clear();
    gs.playerShield[slot].clear();
}

void PrepareNewGame(GameState& gs) {
    static constexpr int squares[GameState::MAX_PLAYERS] = {0, 1, 21, 11};
    const QString weapons[GameState::MAX_PLAYERS] = {Items::SWORD, Items::AXE, Items::DAGGER,
                                                     Items::SPEAR};
    for (int k = 0; k < GameState::MAX_PLAYERS; ++k) {
        gs.playerHealth[k] = 10;
        gs.playerSquare[k] = squares[k];
        gs.playerWeapon[k] = weapons[k];
        gs.playerArmor[k] = k;
    }
    gs.playerShield[1] = Items::RED_SHIELD;
    gs.playerShield[3] = Items::BLUE_SHIELD;
    gs.currentPlayer = 0;
    gs.newGame = 1;

    const int slot = gs.creatingPlayer;
    int& portrait = gs.playerPortraitNo[slot];
    if (portrait < 0) portrait = 0;
    if (portrait > kLastPortrait) portrait = 12;  // past the end it falls back to 12, not 13
    gs.playerPortrait[slot] = QStringLiteral("\\lik%1.gif").arg(portrait, 2, 10, QLatin1Char('0'));
}

void ChangePortrait(GameState& gs, int by) {
    gs.playerPortraitNo[gs.creatingPlayer] += by;
    PrepareNewGame(gs);
}

void NextSlot(GameState& gs, const QString& name, const QString& soundTheme, bool computer,
              Strength strength) {
    storeSlot(gs, name, soundTheme, computer, strength);
    gs.creatingPlayer = static_cast<int16_t>(gs.creatingPlayer + 1);
    PrepareNewGame(gs);
}

void StartGame(GameState& gs, const QString& name, const QString& soundTheme, bool computer,
               Strength strength) {
    storeSlot(gs, name, soundTheme, computer, strength);
    // Only the slots made so far play; the turn passes over the rest.
    gs.playersInGame = gs.creatingPlayer + 1;
}

bool HoldsWinningGold(const GameState& gs, int gold) {
    return gs.winRule == WinRule::AtLeast ? gold >= gs.goldToWin : gold == gs.goldToWin;
}

Events BeginTurn(GameState& gs, Random& dice) {
    Events out;
    if (gs.newGame == 1) {
        generateBoard(gs, dice);
        out.append(MakeEvent(EventKind::BoardGenerated));
    }
    const int p = gs.currentPlayer;
    if (HoldsWinningGold(gs, gs.playerGold[p])) {
        gs.stage = Stage::Won;
        out.append(MakeEvent(EventKind::Victory, p, -1, gs.playerGold[p]));
    } else if (gs.playerSkipTurns[p] == 1) {
        gs.stage = Stage::TurnLost;
        out.append(MakeEvent(EventKind::TurnLost, p));
    } else {
        gs.stage = Stage::Roll;
        out.append(MakeEvent(EventKind::ToMove, p));
    }
    return out;
}

void PassOverLostTurn(GameState& gs) {
    if (gs.stage != Stage::TurnLost) return;
    gs.stage = Stage::TurnOver;
    gs.playerSkipTurns[gs.currentPlayer] = 0;
    PassTurn(gs);
}

std::optional<Event> Roll(GameState& gs, Random& dice) {
    if (gs.stage != Stage::Roll) return std::nullopt;
    const int p = gs.currentPlayer;
    dice.randomize();
    const int d = dice.roll(6);
    const int from = gs.playerSquare[p];
    gs.playerSquare[p] = SquareAfter(from, d);
    gs.stage = Stage::Moving;
    return MakeEvent(EventKind::Rolled, p, -1, d, from);
}

Events Land(GameState& gs, Random& dice) {
    if (gs.stage != Stage::Moving) return {};
    const int p = gs.currentPlayer;
    const int square = gs.playerSquare[p];
    gs.opponentIndex = GameState::MAX_PLAYERS;  // nobody met
    for (int i = 0; i < GameState::MAX_PLAYERS; ++i) {
        if (i != p && IsInGame(gs, i) && gs.playerSquare[i] == square) {
            gs.opponentIndex = i;
            break;
        }
    }
    if (gs.opponentIndex != GameState::MAX_PLAYERS) {
        // A meeting beats whatever the square holds.
        Events out{MakeEvent(EventKind::Met, p, gs.opponentIndex)};
        out.append(OpenFight(gs, dice));
        return out;
    }

    const QString& kind = gs.squareKind[square];
    if (kind == QLatin1String("nagrada")) {
        gs.rewardOffered = dice.roll(Items::REWARD_COUNT);
        gs.stage = Stage::Reward;
        return {MakeEvent(EventKind::RewardOffered, p, -1, 0, gs.rewardOffered)};
    }
    if (kind == QLatin1String("opasnost")) {
        gs.mishapStruck = dice.roll(5);
        // Drawn on every visit, so the dice stay in step whatever the mishap is.
        gs.goldStolen = dice.below(gs.playerGold[p]);
        strikeMishap(gs, p, gs.mishapStruck, gs.goldStolen);
        gs.stage = Stage::Danger;
        return {MakeEvent(EventKind::MishapStruck, p, -1, gs.mishapStruck == 4 ? gs.goldStolen : 0,
                          gs.mishapStruck)};
    }
    gs.stage = Stage::TurnOver;
    if (kind == QLatin1String("coin")) {
        gs.playerGold[p] += 1;
        return {MakeEvent(EventKind::CoinFound, p, -1, gs.playerGold[p])};
    }
    return {MakeEvent(EventKind::PlainSquare, p)};
}

std::optional<Event> TakeReward(GameState& gs, Random& dice) {
    if (gs.stage != Stage::Reward) return std::nullopt;
    // Drawn on every take, so the dice stay in step whatever the reward is.
    const int gold = dice.roll(100);
    const Items::Reward r = Items::reward(gs.rewardOffered);
    const int p = gs.currentPlayer;
    Event taken = MakeEvent(EventKind::RewardTaken, p, -1, 0, r.number);
    switch (r.kind) {
        case Items::RewardKind::Weapon:
            gs.playerWeapon[p] = r.weapon;
            break;
        case Items::RewardKind::Treasure:
            gs.playerGold[p] += gold;
            taken.amount = gold;
            break;
        case Items::RewardKind::Armor:
            gs.playerArmor[p] = r.armor;
            break;
        case Items::RewardKind::Shield:
            gs.playerShield[p] = r.shield;
            break;
    }
    gs.stage = Stage::TurnOver;
    return taken;
}

std::optional<Event> LeaveReward(GameState& gs) {
    if (gs.stage != Stage::Reward) return std::nullopt;
    gs.stage = Stage::TurnOver;
    return MakeEvent(EventKind::RewardLeft, gs.currentPlayer, -1, 0, gs.rewardOffered);
}

bool AcknowledgeMishap(GameState& gs) {
    if (gs.stage != Stage::Danger) return false;
    gs.stage = Stage::TurnOver;
    return true;
}

}  // namespace Game
