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
    Reward r;
    r.number = number;
    switch (number) {
        case 1:
            r.kind = RewardKind::Weapon;
            r.weapon = DAGGER;
            r.description = QStringLiteral(
                "Bodez je oruzje lopova.Lako se moze sakriti za pojas,ali je beskorisno protiv "
                "jacih oklopa.");
            break;
        case 2:
            r.kind = RewardKind::Weapon;
            r.weapon = SWORD;
            r.description = QStringLiteral(
                "Mac je klasicno oruzje ratnika.Precizan i ostar dobar je za sve situacije u "
                "borbi.");
            break;
        case 3:
            r.kind = RewardKind::Weapon;
            r.weapon = AXE;
            r.description = QStringLiteral(
                "Sekira je oruzje varvara.Ovo nemilosrdno oruzje probija i najjace oklope.");
            break;
        case 4:
            r.kind = RewardKind::Weapon;
            r.weapon = SPEAR;
            r.description = QStringLiteral(
                "Ovo koplje su koristile falange hoplita u staroj grckoj.Posebno je ojacano za "
                "borbu sa jakim protivnicima.");
            break;
        case 5:
            r.kind = RewardKind::Treasure;
            r.picture = QStringLiteral("zlatnici.gif");
            r.description = QStringLiteral(
                "Nije sve u zlatu neki kazu...mada vecina toga jeste.Nasli ste blago!");
            break;
        case 6:
            r.kind = RewardKind::Armor;
            r.armor = 1;
            r.description = QStringLiteral("Opusteno i lagano odelo za leto.Mantija...");
            break;
        case 7:
            r.kind = RewardKind::Armor;
            r.armor = 2;
            r.description =
                QStringLiteral("Kozna jakna.Stiti od strela,ali slab otpor tezem cheliku.");
            break;
        case 8:
            r.kind = RewardKind::Armor;
            r.armor = 3;
            r.description = QStringLiteral(
                "Napravljen od sitnih pletenih lanaca ovaj oklop je pravi otpor za sve.");
            break;
        case 9:
            r.kind = RewardKind::Armor;
            r.armor = 4;
            r.description = QStringLiteral(
                "Najjaci od svih oklopa,ovaj oklop od celicnih plocha je najbolja stvar za vas!");
            break;
        case 10:
            r.kind = RewardKind::Shield;
            r.shield = BLUE_SHIELD;
            r.description = QStringLiteral(
                "Ukoliko uspete da se odbranite plavim stitom,procicete bez ogrebotine!");
            break;
        case 11:
            r.kind = RewardKind::Shield;
            r.shield = RED_SHIELD;
            r.description = QStringLiteral(
                "Crveni stit je duplo bolji od plavog stita!Vece sanse su da se odbranite!");
            break;
        default:
            return Reward{};
    }
    if (r.kind == RewardKind::Weapon) r.picture = weaponPicture(r.weapon);
    if (r.kind == RewardKind::Armor) r.picture = armorPicture(r.armor);
    if (r.kind == RewardKind::Shield) r.picture = shieldPicture(r.shield);
    return r;
}

}  // namespace Items
