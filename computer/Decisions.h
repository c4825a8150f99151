#pragma once

#include <QString>

#include "state/GameState.h"

// How a computer player chooses, as plain functions of the game record. They only answer; the
// computer acts by pressing the same buttons a person would.
namespace Computer {

using ::Spoil;

// Take the reward on offer (reward number 1..11)?
bool TakeReward(const GameState& gs, int player, int reward);
// Strike on (true) or retreat (false): `me` fighting `other`, `meNext` when `me` strikes next.
bool StrikeOn(const GameState& gs, int me, int other, bool meNext);
// Answer "da" to the question about the loser's weapon, armour or shield?
bool TakeSpoil(const GameState& gs, int winner, int loser, Spoil spoil);

// The numbers the rules stand on.

// A fighter as the blows see it: health, weapon power, shield.
struct Fighter {
    int health = 0;
    int power = 0;
    QString shield;
};
// Chance that `me` fells `other` if both strike to the end, `meNext` when `me` strikes first.
double ChanceToWin(const Fighter& me, const Fighter& other, bool meNext);
// Share of blows a shield stops: a blue one 1 in 3, a red one 7 in 12, none 0.
double BlockChance(const QString& shield);
// Chance that one blow of a striker lands on a defender with this shield (before damage).
double HitChance(const QString& defenderShield);
// What holding `gold` is worth towards `goal`, from 0 to 1: the goal itself 1, in proportion
// below it. Gold above the goal cannot win until it is lost: it is worth what a thief would leave
// of it (1..gold coins, each as likely) on average. When the goal or more wins, all of it is 1.
double GoldWorth(int gold, int goal, WinRule rule = WinRule::Exactly);
// The power a player strikes with: the weapon held, or the last one held when there is none.
int StrikePower(const GameState& gs, int player);

}  // namespace Computer
