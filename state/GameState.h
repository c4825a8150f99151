#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The one record of a game. Every screen reads and writes it directly; nothing of it is saved.
// Numbers start at 0 and texts empty, so a field never set reads as 0 or "".
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

    std::array<QString, BOARD_SQUARES> squareKind;

    int16_t currentPlayer = 0;
    int opponentIndex = 0;
    int16_t creatingPlayer = 0;
    int16_t newGame = 0;
    int16_t goldToWin = 0;
    int16_t fightOpen = 0;
    int16_t blowDamage = 0;
    int16_t guardRoll = 0;
    int strikeRoll = 0;
    int16_t shieldRoll = 0;
    int16_t attackSoundPick = 0;
    int16_t attackSoundPick2 = 0;
    int tauntRoll = 0;
    int16_t backgroundNumber = 0;
    QString backgroundName;

    // How many slots (0 .. playersInGame - 1) were created for the game being played.
    // 0 means no game has fixed it yet, and then all four slots take turns.
    int playersInGame = 0;
};

// Gives the turn to the next slot that takes part: 0, 1, 2, 3 and back to 0.
void PassTurn(GameState& gs);

// True for a slot that takes part in the current game.
bool IsInGame(const GameState& gs, int slot);
