#include "Items.h"

#include <QCoreApplication>
#include <array>

namespace Items {

namespace {
const char* const kArmorNames[ARMOR_CODES] = {
    QT_TRANSLATE_NOOP("Items", "Odelo"), QT_TRANSLATE_NOOP("Items", "Mantija"),
    QT_TRANSLATE_NOOP("Items", "Kozni oklop"), QT_TRANSLATE_NOOP("Items", "Lancani oklop"),
    QT_TRANSLATE_NOOP("Items", "Plochanik")};
// The stored texts, as the translators see them.
const char* const kItemNames[] = {
    QT_TRANSLATE_NOOP("Items", "dagger"),     QT_TRANSLATE_NOOP("Items", "sword"),
    QT_TRANSLATE_NOOP("Items", "axe"),        QT_TRANSLATE_NOOP("Items", "spear"),
    QT_TRANSLATE_NOOP("Items", "plavi stit"), QT_TRANSLATE_NOOP("Items", "crveni stit")};

QString translated(const char* text) {
    return QCoreApplication::translate("Items", text);
}

// The name of a stored weapon or shield text; any other text is shown as it stands.
QString itemName(const QString& stored) {
    for (const char* name : kItemNames)
        if (stored == QLatin1String(name)) return translated(name);
    return stored;
}
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

int shieldDieFaces(const QString& shield) {
    if (shield == BLUE_SHIELD) return 3;
    if (shield == RED_SHIELD) return 6;
    return 0;
}

QString weaponName(const QString& weapon) {
    return itemName(weapon);
}

QString shieldName(const QString& shield) {
    return itemName(shield);
}

QString armorName(int code) {
    return isArmorCode(code) ? translated(kArmorNames[code]) : QString();
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
         QT_TRANSLATE_NOOP("Items",
                           "Bodez je oruzje lopova.Lako se moze sakriti za pojas,ali je "
                           "beskorisno protiv jacih oklopa.")},
        {RewardKind::Weapon, "sword", 0,
         QT_TRANSLATE_NOOP("Items",
                           "Mac je klasicno oruzje ratnika.Precizan i ostar dobar je za "
                           "sve situacije u borbi.")},
        {RewardKind::Weapon, "axe", 0,
         QT_TRANSLATE_NOOP("Items",
                           "Sekira je oruzje varvara.Ovo nemilosrdno oruzje probija i "
                           "najjace oklope.")},
        {RewardKind::Weapon, "spear", 0,
         QT_TRANSLATE_NOOP("Items",
                           "Ovo koplje su koristile falange hoplita u staroj grckoj."
                           "Posebno je ojacano za borbu sa jakim protivnicima.")},
        {RewardKind::Treasure, "", 0,
         QT_TRANSLATE_NOOP("Items",
                           "Nije sve u zlatu neki kazu...mada vecina toga jeste.Nasli "
                           "ste blago!")},
        {RewardKind::Armor, "", 1,
         QT_TRANSLATE_NOOP("Items", "Opusteno i lagano odelo za leto.Mantija...")},
        {RewardKind::Armor, "", 2,
         QT_TRANSLATE_NOOP("Items", "Kozna jakna.Stiti od strela,ali slab otpor tezem cheliku.")},
        {RewardKind::Armor, "", 3,
         QT_TRANSLATE_NOOP("Items",
                           "Napravljen od sitnih pletenih lanaca ovaj oklop je pravi "
                           "otpor za sve.")},
        {RewardKind::Armor, "", 4,
         QT_TRANSLATE_NOOP("Items",
                           "Najjaci od svih oklopa,ovaj oklop od celicnih plocha je "
                           "najbolja stvar za vas!")},
        {RewardKind::Shield, "plavi stit", 0,
         QT_TRANSLATE_NOOP("Items",
                           "Ukoliko uspete da se odbranite plavim stitom,procicete bez "
                           "ogrebotine!")},
        {RewardKind::Shield, "crveni stit", 0,
         QT_TRANSLATE_NOOP("Items",
                           "Crveni stit je duplo bolji od plavog stita!Vece sanse su da "
                           "se odbranite!")},
    };
    if (number < 1 || number > REWARD_COUNT) return Reward{};
    const Row& row = rows[number - 1];
    Reward r;
    r.number = number;
    r.kind = row.kind;
    r.description = translated(row.description);
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
            return weaponName(reward.weapon);
        case RewardKind::Armor:
            return armorName(reward.armor);
        case RewardKind::Shield:
            return shieldName(reward.shield);
        case RewardKind::Treasure:
            break;
    }
    return translated(QT_TRANSLATE_NOOP("Items", "blago"));
}

}  // namespace Items
