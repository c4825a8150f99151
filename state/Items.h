#pragma once

#include <QString>

// The fixed vocabulary of equipment and treasure: stored values, names, pictures, descriptions.
namespace Items {

inline constexpr int ARMOR_CODES = 5;    // 0 "Odelo" (no armour) .. 4 "Plochanik"
inline constexpr int REWARD_COUNT = 11;  // reward numbers 1..11
inline constexpr int TREASURE_REWARD = 5;

inline const QString DAGGER = QStringLiteral("dagger");
inline const QString SWORD = QStringLiteral("sword");
inline const QString AXE = QStringLiteral("axe");
inline const QString SPEAR = QStringLiteral("spear");
inline const QString BLUE_SHIELD = QStringLiteral("plavi stit");
inline const QString RED_SHIELD = QStringLiteral("crveni stit");

bool isWeapon(const QString& weapon);
bool isShield(const QString& shield);
bool isArmorCode(int code);

// Weapon picture: the stored text followed by ".gif"; empty for no weapon.
QString weaponPicture(const QString& weapon);
// Fight strength of a weapon, 1..4; 0 for anything that is not a weapon.
int weaponPower(const QString& weapon);

// What the player is shown, in the language chosen: a weapon's or a shield's name for its stored
// text (the original shows the stored text itself), an armour's name for its code; empty for none.
QString weaponName(const QString& weapon);
QString shieldName(const QString& shield);
QString armorName(int code);
// Armour picture for codes 0..4; empty for any other code.
QString armorPicture(int code);

// The faces of the die a shield rolls against each blow: a blue one 3, a red one 6, none 0.
int shieldDieFaces(const QString& shield);

// "plavistit.gif" or "crvenistit.gif"; empty for no shield.
QString shieldPicture(const QString& shield);

enum class RewardKind { Weapon, Treasure, Armor, Shield };

struct Reward {
    int number = 0;  // 1..11
    RewardKind kind = RewardKind::Treasure;
    QString weapon;  // for RewardKind::Weapon
    int armor = 0;   // for RewardKind::Armor, codes 1..4
    QString shield;  // for RewardKind::Shield
    QString picture;
    QString description;  // in the language chosen
};

// Reward row 1..11; a default Reward (number 0) for any other number.
Reward reward(int number);
// What the reward's picture shows, in words: the item's catalogue name, "blago" for treasure.
QString rewardName(const Reward& reward);

}  // namespace Items
