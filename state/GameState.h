#pragma once

#include <QString>
#include <array>
#include <cstdint>

// Where a game stands: what the game waits for next. The windows show it; a computer player reads
// from it what it has to decide.
enum class Stage : int16_t {
    Setup,     // title and player creation: no game on the board yet
    TurnLost,  // the player to move loses this turn: the next one's begins when it has been told
    Roll,      // the player to move is to roll
    Moving,    // rolled; the token is on its way and lands next
    Reward,    // a reward is offered: take it or leave it
    Danger,    // a mishap has struck: the player acknowledges it
    Fight,     // a duel is on: a blow or a retreat
    Spoils,    // a fighter fell: the winner is asked about the loser's things
    TurnOver,  // the turn is played out; the next one begins when the board comes back
    Won,       // the player to move has won
};

// Which side of the fight a fighter stands on: the left is the player to move, the right the one
// met.
enum class Side : int16_t { Left, Right };

// How well a computer seat plays: carelessly, by the rules of thumb, or looking ahead.
enum class Strength : int16_t { Easy, Medium, Hard };

// When gold wins: exactly the goal (the original rule) or the goal or more.
enum class WinRule : int16_t { Exactly, AtLeast };

// The loser's things a fight's winner is asked about, in the order asked.
enum class Spoil : int16_t { Weapon, Armor, Shield };

// The one record of a game: everything the rules need, the fight's phase included, and nothing a
// window alone shows. Numbers start at 0 and texts empty, so a field never set reads as 0 or "".
struct GameState {
    static constexpr int MAX_PLAYERS = 4;
    static constexpr int BOARD_SQUARES = 30;

    template <typename T>
    using PerPlayer = std::array<T, MAX_PLAYERS>;

    PerPlayer<QString> playerName;
    PerPlayer<int> playerSquare{};
    PerPlayer<int> playerGold{};
    PerPlayer<int> playerArmor{};
    PerPlayer<QString> playerWeapon;
    PerPlayer<QString> playerShield;
    PerPlayer<int> playerHealth{};
    PerPlayer<int> playerWeaponPower{};
    PerPlayer<int> playerSkipTurns{};
    PerPlayer<int> playerPortraitNo{};
    PerPlayer<QString> playerPortrait;
    PerPlayer<QString> playerSoundTheme;
    // A seat the computer plays: ticked on the creation screen and stored with the slot's name.
    PerPlayer<bool> playerComputer{};
    // How well that seat plays; a person's seat keeps the default.
    PerPlayer<Strength> playerStrength{Strength::Medium, Strength::Medium, Strength::Medium,
                                       Strength::Medium};

    std::array<QString, BOARD_SQUARES> squareKind;

    int16_t currentPlayer = 0;
    int opponentIndex = 0;
    int16_t creatingPlayer = 0;
    int16_t newGame = 0;
    int16_t goldToWin = 0;
    WinRule winRule = WinRule::Exactly;
    int16_t fightOpen = 0;
    int16_t blowDamage = 0;
    int16_t guardRoll = 0;
    int strikeRoll = 0;
    int16_t shieldRoll = 0;
    // The last pick of a hurt or shrug sound; a parry reuses it, in this fight or a later one.
    int16_t attackSoundPick = 0;
    int tauntRoll = 0;
    int16_t backgroundNumber = 0;

    // How many slots (0 .. playersInGame - 1) were created for the game being played.
    // 0 means no game has fixed it yet, and then all four slots take turns.
    int playersInGame = 0;

    Stage stage = Stage::Setup;
    // The reward on offer (1..11) while the stage is Reward; the mishap (1..5) that struck and the
    // coins a thief took, while the stage is Danger.
    int rewardOffered = 0;
    int mishapStruck = 0;
    int goldStolen = 0;
    // The fight's phase while fightOpen: whose blow is next, whether the one met may still flee
    // (only before the first blow), and which spoil the winner is asked about.
    Side blowNext = Side::Left;
    bool metMayFlee = false;
    Spoil spoilAsked = Spoil::Weapon;
};

// Gives the turn to the next slot that takes part: 0, 1, 2, 3 and back to 0.
void PassTurn(GameState& gs);

// The square `by` squares on from `square` around the ring (back for a negative `by`).
int SquareAfter(int square, int by);

// True for a slot that takes part in the current game.
bool IsInGame(const GameState& gs, int slot);
