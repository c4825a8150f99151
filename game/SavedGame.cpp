#include "SavedGame.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <limits>

#include "state/Items.h"

namespace Game {

namespace {

const QString kSquareKinds[] = {QStringLiteral("polje"), QStringLiteral("nagrada"),
                                QStringLiteral("opasnost"), QStringLiteral("coin")};

// Reads fields, remembering the first that is missing, of the wrong type or out of range.
class Reader {
public:
    bool ok() const { return why_.isEmpty(); }
    QString why() const { return why_; }

    int number(const QJsonObject& o, const char* key, int lo, int hi) {
        const QJsonValue v = o.value(QLatin1String(key));
        const double d = v.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!v.isDouble() || d != static_cast<double>(static_cast<long long>(d)) || d < lo ||
            d > hi) {
            fail(QStringLiteral("%1 is not a whole number from %2 to %3")
                     .arg(QLatin1String(key))
                     .arg(lo)
                     .arg(hi));
            return lo;
        }
        return static_cast<int>(d);
    }
    // A field later games added: older saves without it read as `absent`.
    int numberOr(const QJsonObject& o, const char* key, int lo, int hi, int absent) {
        return o.contains(QLatin1String(key)) ? number(o, key, lo, hi) : absent;
    }
    QString text(const QJsonObject& o, const char* key) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isString()) fail(QStringLiteral("%1 is not a text").arg(QLatin1String(key)));
        return v.toString();
    }
    bool flag(const QJsonObject& o, const char* key) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isBool()) fail(QStringLiteral("%1 is not true or false").arg(QLatin1String(key)));
        return v.toBool();
    }
    void check(bool holds, const QString& what) {
        if (!holds) fail(what);
    }

private:
    void fail(const QString& what) {
        if (why_.isEmpty()) why_ = what;
    }
    QString why_;
};

constexpr int kMaxHealth = 10;
// The lowest a health can fall to: a blow of the strongest weapon at a fighter with 1 left.
constexpr int kLowestHealth = 1 - 4;

}  // namespace

bool InProgress(const GameState& gs) {
    return gs.stage != Stage::Setup && gs.stage != Stage::Won;
}

QByteArray ToJson(const SavedGame& saved) {
    const GameState& gs = saved.record;
    QJsonArray players;
    for (int k = 0; k < GameState::MAX_PLAYERS; ++k) {
        players.append(QJsonObject{
            {QStringLiteral("name"), gs.playerName[k]},
            {QStringLiteral("square"), gs.playerSquare[k]},
            {QStringLiteral("gold"), gs.playerGold[k]},
            {QStringLiteral("armor"), gs.playerArmor[k]},
            {QStringLiteral("weapon"), gs.playerWeapon[k]},
            {QStringLiteral("shield"), gs.playerShield[k]},
            {QStringLiteral("health"), gs.playerHealth[k]},
            {QStringLiteral("weaponPower"), gs.playerWeaponPower[k]},
            {QStringLiteral("skipTurns"), gs.playerSkipTurns[k]},
            {QStringLiteral("portraitNo"), gs.playerPortraitNo[k]},
            {QStringLiteral("portrait"), gs.playerPortrait[k]},
            {QStringLiteral("soundTheme"), gs.playerSoundTheme[k]},
            {QStringLiteral("computer"), gs.playerComputer[k]},
            {QStringLiteral("strength"), static_cast<int>(gs.playerStrength[k])},
        });
    }
    QJsonArray squares;
    for (const QString& kind : gs.squareKind) squares.append(kind);
    const QJsonObject game{
        {QStringLiteral("format"), SAVE_FORMAT},
        {QStringLiteral("players"), players},
        {QStringLiteral("squareKind"), squares},
        {QStringLiteral("playersInGame"), gs.playersInGame},
        {QStringLiteral("currentPlayer"), gs.currentPlayer},
        {QStringLiteral("opponentIndex"), gs.opponentIndex},
        {QStringLiteral("creatingPlayer"), gs.creatingPlayer},
        {QStringLiteral("newGame"), gs.newGame},
        {QStringLiteral("goldToWin"), gs.goldToWin},
        {QStringLiteral("winRule"), static_cast<int>(gs.winRule)},
        {QStringLiteral("fightOpen"), gs.fightOpen},
        {QStringLiteral("blowDamage"), gs.blowDamage},
        {QStringLiteral("guardRoll"), gs.guardRoll},
        {QStringLiteral("strikeRoll"), gs.strikeRoll},
        {QStringLiteral("shieldRoll"), gs.shieldRoll},
        {QStringLiteral("attackSoundPick"), gs.attackSoundPick},
        {QStringLiteral("tauntRoll"), gs.tauntRoll},
        {QStringLiteral("backgroundNumber"), gs.backgroundNumber},
        {QStringLiteral("stage"), static_cast<int>(gs.stage)},
        {QStringLiteral("rewardOffered"), gs.rewardOffered},
        {QStringLiteral("mishapStruck"), gs.mishapStruck},
        {QStringLiteral("goldStolen"), gs.goldStolen},
        {QStringLiteral("blowNext"), static_cast<int>(gs.blowNext)},
        {QStringLiteral("metMayFlee"), gs.metMayFlee},
        {QStringLiteral("spoilAsked"), static_cast<int>(gs.spoilAsked)},
        {QStringLiteral("dice"), saved.dice},
        {QStringLiteral("log"), saved.log.toJson()},
    };
    // Compact: a long game's log holds thousands of lines.
    return QJsonDocument(game).toJson(QJsonDocument::Compact);
}

std::optional<SavedGame> FromJson(const QByteArray& json, QString* why) {
    const auto refuse = [why](const QString& reason) -> std::optional<SavedGame> {
        if (why) *why = reason;
        return std::nullopt;
    };
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) return refuse(error.errorString());
    if (!doc.isObject()) return refuse(QStringLiteral("not an object"));
    const QJsonObject o = doc.object();
    Reader r;
    if (r.number(o, "format", SAVE_FORMAT, SAVE_FORMAT) != SAVE_FORMAT || !r.ok())
        return refuse(QStringLiteral("another format"));

    SavedGame saved;
    GameState& gs = saved.record;
    const QJsonArray players = o.value(QStringLiteral("players")).toArray();
    if (players.size() != GameState::MAX_PLAYERS) return refuse(QStringLiteral("not four slots"));
    for (int k = 0; k < GameState::MAX_PLAYERS; ++k) {
        const QJsonObject p = players.at(k).toObject();
        gs.playerName[k] = r.text(p, "name");
        gs.playerSquare[k] = r.number(p, "square", 0, GameState::BOARD_SQUARES - 1);
        gs.playerGold[k] = r.number(p, "gold", 0, std::numeric_limits<int>::max());
        gs.playerArmor[k] = r.number(p, "armor", 0, Items::ARMOR_CODES - 1);
        gs.playerWeapon[k] = r.text(p, "weapon");
        r.check(gs.playerWeapon[k].isEmpty() || Items::isWeapon(gs.playerWeapon[k]),
                QStringLiteral("an unknown weapon"));
        gs.playerShield[k] = r.text(p, "shield");
        r.check(gs.playerShield[k].isEmpty() || Items::isShield(gs.playerShield[k]),
                QStringLiteral("an unknown shield"));
        gs.playerHealth[k] = r.number(p, "health", kLowestHealth, kMaxHealth);
        gs.playerWeaponPower[k] = r.number(p, "weaponPower", 0, Items::weaponPower(Items::SPEAR));
        gs.playerSkipTurns[k] = r.number(p, "skipTurns", 0, 1);
        gs.playerPortraitNo[k] = r.number(p, "portraitNo", 0, 13);
        gs.playerPortrait[k] = r.text(p, "portrait");
        gs.playerSoundTheme[k] = r.text(p, "soundTheme");
        gs.playerComputer[k] = r.flag(p, "computer");
        gs.playerStrength[k] = static_cast<Strength>(
            r.numberOr(p, "strength", static_cast<int>(Strength::Easy),
                       static_cast<int>(Strength::Hard), static_cast<int>(Strength::Medium)));
    }
    const QJsonArray squares = o.value(QStringLiteral("squareKind")).toArray();
    if (squares.size() != GameState::BOARD_SQUARES) return refuse(QStringLiteral("not 30 squares"));
    for (int i = 0; i < GameState::BOARD_SQUARES; ++i) {
        gs.squareKind[i] = squares.at(i).toString();
        // The first square never gets a kind; the others always have one once the board is up.
        const bool known = std::find(std::begin(kSquareKinds), std::end(kSquareKinds),
                                     gs.squareKind[i]) != std::end(kSquareKinds);
        r.check(i == 0 ? gs.squareKind[i].isEmpty() : known,
                QStringLiteral("square %1 of an unknown kind").arg(i));
    }

    constexpr int kShortMax = std::numeric_limits<int16_t>::max();
    constexpr int kShortMin = std::numeric_limits<int16_t>::min();
    gs.playersInGame = r.number(o, "playersInGame", 1, GameState::MAX_PLAYERS);
    gs.currentPlayer =
        static_cast<int16_t>(r.number(o, "currentPlayer", 0, GameState::MAX_PLAYERS - 1));
    gs.opponentIndex = r.number(o, "opponentIndex", 0, GameState::MAX_PLAYERS);
    gs.creatingPlayer =
        static_cast<int16_t>(r.number(o, "creatingPlayer", 0, GameState::MAX_PLAYERS - 1));
    gs.newGame = static_cast<int16_t>(r.number(o, "newGame", 0, 0));
    gs.goldToWin = static_cast<int16_t>(r.number(o, "goldToWin", kShortMin, kShortMax));
    gs.winRule = static_cast<WinRule>(r.numberOr(o, "winRule", static_cast<int>(WinRule::Exactly),
                                                 static_cast<int>(WinRule::AtLeast),
                                                 static_cast<int>(WinRule::Exactly)));
    gs.fightOpen = static_cast<int16_t>(r.number(o, "fightOpen", 0, 1));
    gs.blowDamage = static_cast<int16_t>(r.number(o, "blowDamage", 0, 4));
    gs.guardRoll = static_cast<int16_t>(r.number(o, "guardRoll", 0, 6));
    gs.strikeRoll = r.number(o, "strikeRoll", 0, 6);
    gs.shieldRoll = static_cast<int16_t>(r.number(o, "shieldRoll", 0, 6));
    gs.attackSoundPick = static_cast<int16_t>(r.number(o, "attackSoundPick", 0, 5));
    gs.tauntRoll = r.number(o, "tauntRoll", 0, 10);
    gs.backgroundNumber = static_cast<int16_t>(r.number(o, "backgroundNumber", 0, 15));
    gs.stage = static_cast<Stage>(
        r.number(o, "stage", static_cast<int>(Stage::Setup), static_cast<int>(Stage::Won)));
    gs.rewardOffered = r.number(o, "rewardOffered", 0, Items::REWARD_COUNT);
    gs.mishapStruck = r.number(o, "mishapStruck", 0, 5);
    gs.goldStolen = r.number(o, "goldStolen", 0, std::numeric_limits<int>::max());
    gs.blowNext = static_cast<Side>(r.number(o, "blowNext", 0, 1));
    gs.metMayFlee = r.flag(o, "metMayFlee");
    gs.spoilAsked = static_cast<Spoil>(r.number(o, "spoilAsked", 0, 2));
    saved.dice = r.text(o, "dice");
    if (!r.ok()) return refuse(r.why());
    // A game kept before the log was kept has none.
    if (o.contains(QStringLiteral("log"))) {
        std::optional<Log> log = Log::fromJson(o.value(QStringLiteral("log")));
        if (!log) return refuse(QStringLiteral("a log no game could have written"));
        saved.log = std::move(*log);
    }

    // What the fields say together must be a game that could stand so.
    const int mover = gs.currentPlayer;
    const int met = gs.opponentIndex;
    const bool fighting = gs.stage == Stage::Fight || gs.stage == Stage::Spoils;
    r.check(InProgress(gs), QStringLiteral("no game in progress"));
    r.check(IsInGame(gs, mover), QStringLiteral("the player to move was never created"));
    r.check(gs.creatingPlayer + 1 == gs.playersInGame, QStringLiteral("creation left unfinished"));
    r.check(gs.stage != Stage::Reward || gs.rewardOffered >= 1,
            QStringLiteral("no reward on offer"));
    r.check(gs.stage != Stage::Danger || gs.mishapStruck >= 1, QStringLiteral("no mishap struck"));
    r.check(!fighting || (gs.fightOpen == 1 && met != mover && IsInGame(gs, met) &&
                          gs.backgroundNumber >= 1),
            QStringLiteral("a fight without two fighters"));
    if (fighting) {
        const bool down = gs.playerHealth[mover] <= 0 || gs.playerHealth[met] <= 0;
        r.check(down == (gs.stage == Stage::Spoils),
                QStringLiteral("a fallen fighter fighting on, or spoils without a fall"));
    }
    for (int k = 0; k < GameState::MAX_PLAYERS; ++k)
        r.check(gs.playerHealth[k] > 0 || (gs.stage == Stage::Spoils && (k == mover || k == met)),
                QStringLiteral("a player without health outside a fall"));
    if (!r.ok()) return refuse(r.why());
    return saved;
}

}  // namespace Game
