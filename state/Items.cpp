#include "Items.h"

#include <array>

namespace Items {

namespace {
const std::array<QString, ARMOR_CODES> kArmorNames = {
    QStringLiteral("Odelo"), QStringLiteral("Mantija"), QStringLiteral("Kozni oklop"),
    QStringLiteral("Lancani oklop"), QStringLiteral("Plochanik")};
const std::array<QString, ARMOR_CODES> kArmorPictures = {
    QStringLiteral("noarmor.gif"), QStringLiteral("robe.gif"), QStringLiteral("leather.gif"),
    QStringLiteral("chainmail.gif"), QStringLiteral("plate.gif")};
}  // namespace

bool isWeapon(const QString& weapon) {
    return weapon == DAGGER || weapon == SWORD || weapon == AXE || weapon == SPEAR;
}

bool isShield(const QString& shield) {
    return shield == BLUE_SHIELD || shield == RED_SHIELD;
}

bool isArmorCode(int code) {
    return code >= 0 && code < ARMOR_CODES;
}

QString weaponPicture(const QString& weapon) {
    return weapon.isEmpty() ? QString() : weapon + QStringLiteral(".gif");
}

int weaponPower(const QString& weapon) {
    if (weapon == DAGGER) return 1;
    if (weapon == SWORD) return 2;
    if (weapon == AXE) return 3;
    if (weapon == SPEAR) return 4;
    return 0;
}

QString armorName(int code) {
    return isArmorCode(code) ? kArmorNames[code] : QString();
}

QString armorPicture(int code) {
    return isArmorCode(code) ? kArmorPictures[code] : QString();
}

QString shieldPicture(const QString& shield) {
    if (shield == BLUE_SHIELD) return QStringLiteral("plavistit.gif");
    if (shield == RED_SHIELD) return QStringLiteral("crvenistit.gif");
    return {};
}

Reward reward(int number) {
    struct Row {
        RewardKind kind;
        const char* item;  // weapon or shield text
        int armor;
        const char* description;
    };
    static const Row rows[REWARD_COUNT] = {
        {RewardKind::Weapon, "dagger", 0,
         "Bodez je oruzje lopova.Lako se moze sakriti za pojas,ali je beskorisno protiv jacih "
         "oklopa."},
        {RewardKind::Weapon, "sword", 0,
         "Mac je klasicno oruzje ratnika.Precizan i ostar dobar je za sve situacije u borbi."},
        {RewardKind::Weapon, "axe", 0,
         "Sekira je oruzje varvara.Ovo nemilosrdno oruzje probija i najjace oklope."},
        {RewardKind::Weapon, "spear", 0,
         "Ovo koplje su koristile falange hoplita u staroj grckoj.Posebno je ojacano za borbu sa "
         "jakim protivnicima."},
        {RewardKind::Treasure, "", 0,
         "Nije sve u zlatu neki kazu...mada vecina toga jeste.Nasli ste blago!"},
        {RewardKind::Armor, "", 1, "Opusteno i lagano odelo za leto.Mantija..."},
        {RewardKind::Armor, "", 2, "Kozna jakna.Stiti od strela,ali slab otpor tezem cheliku."},
        {RewardKind::Armor, "", 3,
         "Napravljen od sitnih pletenih lanaca ovaj oklop je pravi otpor za sve."},
        {RewardKind::Armor, "", 4,
         "Najjaci od svih oklopa,ovaj oklop od celicnih plocha je najbolja stvar za vas!"},
        {RewardKind::Shield, "plavi stit", 0,
         "Ukoliko uspete da se odbranite plavim stitom,procicete bez ogrebotine!"},
        {RewardKind::Shield, "crveni stit", 0,
         "Crveni stit je duplo bolji od plavog stita!Vece sanse su da se odbranite!"},
    };
    if (number < 1 || number > REWARD_COUNT) return Reward{};
    const Row& row = rows[number - 1];
    Reward r;
    r.number = number;
    r.kind = row.kind;
    r.description = QString::fromLatin1(row.description);
    switch (row.kind) {
        case RewardKind::Weapon:
            r.weapon = QString::fromLatin1(row.item);
            r.picture = weaponPicture(r.weapon);
            break;
        case RewardKind::Treasure:
            r.picture = QStringLiteral("zlatnici.gif");
            break;
        case RewardKind::Armor:
            r.armor = row.armor;
            r.picture = armorPicture(r.armor);
            break;
        case RewardKind::Shield:
            r.shield = QString::fromLatin1(row.item);
            r.picture = shieldPicture(r.shield);
            break;
    }
    return r;
}

QString rewardName(const Reward& reward) {
    switch (reward.kind) {
        case RewardKind::Weapon:
            return reward.weapon;
        case RewardKind::Armor:
            return armorName(reward.armor);
        case RewardKind::Shield:
            return reward.shield;
        case RewardKind::Treasure:
            break;
    }
    return QStringLiteral("blago");
}

}  // namespace Items
