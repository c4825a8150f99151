#include "Log.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include "state/Items.h"

namespace Game {

namespace {

// The events a reader is told of; the rest (whose turn it is, a reward on offer, a fight's
// background) are plain from the lines around them.
bool told(EventKind kind) {
    switch (kind) {
        case EventKind::BoardGenerated:
        case EventKind::TurnLost:
        case EventKind::Victory:
        case EventKind::Rolled:
        case EventKind::Met:
        case EventKind::MishapStruck:
        case EventKind::CoinFound:
        case EventKind::RewardTaken:
        case EventKind::RewardLeft:
        case EventKind::Struck:
        case EventKind::Fell:
        case EventKind::SpoilTaken:
        case EventKind::FightWon:
        case EventKind::Retreated:
            return true;
        case EventKind::ToMove:
        case EventKind::RewardOffered:
        case EventKind::PlainSquare:
        case EventKind::FightOpened:
        case EventKind::SpoilLeft:
            break;
    }
    return false;
}

bool turnBegins(EventKind kind) {
    return kind == EventKind::ToMove || kind == EventKind::TurnLost ||
           kind == EventKind::Victory;
}

// The log's texts, under the name players know the log by.
class Dnevnik {
    Q_DECLARE_TR_FUNCTIONS(Dnevnik)
};

// A name as the log writes it: one long past reason is cut short, so that a line stays a line
// (on the board and in the log's window alike).
constexpr int kLongestName = 32;

QString nameOf(const GameState& gs, int slot) {
    if (slot < 0 || slot >= GameState::MAX_PLAYERS) return {};
    const QString& name = gs.playerName[slot];
    return name.size() <= kLongestName ? name : name.left(kLongestName - 1) + QChar(0x2026);
}

QString squareNumber(int square) {
    return QString::number(square + 1);
}

// What the spoil taken was, by name; a loser without that spoil gave nothing.
QString spoilName(const Event& e) {
    QString name;
    switch (static_cast<Spoil>(e.number)) {
        case Spoil::Weapon:
            name = Items::weaponName(e.item);
            break;
        case Spoil::Armor:
            name = Items::armorName(e.amount);
            break;
        case Spoil::Shield:
            name = Items::shieldName(e.item);
            break;
    }
    return name.isEmpty() ? Dnevnik::tr("nista") : name;
}

QString blowText(const LogEntry& entry, const GameState& gs) {
    const Event& e = entry.event;
    const QString striker = nameOf(gs, e.player);
    const QString struck = nameOf(gs, e.other);
    switch (e.blow.outcome) {
        case BlowOutcome::Hit:
            // One pass over the sentence, so a name with "%3" in it stays as typed.
            return Dnevnik::tr("%1 udara i pogadja, steta: %n (%2: jos %3 zdravlja).", nullptr, e.blow.damage)
                .arg(striker, struck, QString::number(entry.health));
        case BlowOutcome::Miss:
            return Dnevnik::tr("%1 udara i promasuje.").arg(striker);
        case BlowOutcome::ShieldBlock:
            return Dnevnik::tr("%1 udara, a %2 se brani stitom.").arg(striker, struck);
        case BlowOutcome::Parry:
            break;
    }
    return Dnevnik::tr("%1 udara, a %2 odbija udarac.").arg(striker, struck);
}

QString mishapText(const LogEntry& entry, const QString& who) {
    switch (entry.event.number) {
        case 1:
            return Dnevnik::tr("%1 lomi oruzje.").arg(who);
        case 2:
            return Dnevnik::tr("%1 ostaje bez oklopa.").arg(who);
        case 3:
            return Dnevnik::tr("%1 bezi od psa: nazad za 3, na polje %2.")
                .arg(who, squareNumber(entry.square));
        case 4:
            return Dnevnik::tr("Lopov! %1 gubi zlatnika: %n.", nullptr, entry.event.amount).arg(who);
        default:
            break;
    }
    return Dnevnik::tr("%1 pada u ruke inkvizicije i propusta sledeci potez.").arg(who);
}

// One entry as one short text, its numbers and then the item: "3 12 0 4 1 -1 5 11 0 0 " (a long
// game logs thousands, and a text each is quick to write and to read).
constexpr int kNumbers = 10;

QString entryToText(const LogEntry& l) {
    const Event& e = l.event;
    const int numbers[kNumbers] = {l.round,   l.square,   l.health,   static_cast<int>(e.kind),
                                   e.player,  e.other,    e.amount,   e.number,
                                   static_cast<int>(e.blow.outcome), e.blow.damage};
    QString text;
    for (const int n : numbers) {
        text += QString::number(n);
        text += QLatin1Char(' ');
    }
    return text + e.item;
}

std::optional<LogEntry> entryFromText(const QJsonValue& json) {
    if (!json.isString()) return std::nullopt;
    const QString text = json.toString();
    const QList<QStringView> parts = QStringView(text).split(QLatin1Char(' '));
    if (parts.size() < kNumbers + 1) return std::nullopt;
    constexpr int kBig = 1 << 30;
    constexpr int kPlayers = GameState::MAX_PLAYERS;
    const int bounds[kNumbers][2] = {{0, kBig},
                                     {0, GameState::BOARD_SQUARES - 1},
                                     {-kBig, kBig},
                                     {0, static_cast<int>(EventKind::Retreated)},
                                     {-1, kPlayers - 1},
                                     {-1, kPlayers},
                                     {-kBig, kBig},
                                     {-kBig, kBig},
                                     {0, static_cast<int>(BlowOutcome::Parry)},
                                     {0, kBig}};
    int n[kNumbers];
    for (int i = 0; i < kNumbers; ++i) {
        bool ok = false;
        n[i] = parts[i].toInt(&ok);
        if (!ok || n[i] < bounds[i][0] || n[i] > bounds[i][1]) return std::nullopt;
    }
    LogEntry l;
    Event& e = l.event;
    l.round = n[0];
    l.square = n[1];
    l.health = n[2];
    e.kind = static_cast<EventKind>(n[3]);
    e.player = n[4];
    e.other = n[5];
    e.amount = n[6];
    e.number = n[7];
    e.blow.outcome = static_cast<BlowOutcome>(n[8]);
    e.blow.damage = n[9];
    // The item is the rest: a stored name may hold a blank ("plavi stit").
    e.item = text.section(QLatin1Char(' '), kNumbers);
    if (!told(e.kind)) return std::nullopt;
    return l;
}

bool whole(const QJsonValue& v, int lo, int hi, int& out) {
    if (!v.isDouble()) return false;
    const double d = v.toDouble();
    if (d != static_cast<double>(static_cast<long long>(d)) || d < lo || d > hi) return false;
    out = static_cast<int>(d);
    return true;
}

}  // namespace

void Log::record(const GameState& gs, const Events& events) {
    for (const Event& e : events) {
        if (e.kind == EventKind::BoardGenerated) {
            round_ = 1;
            lastTurn_ = -1;
        }
        if (turnBegins(e.kind)) {
            // A new round when the turn has come round again; a game kept before the log was
            // kept starts counting where it is taken up.
            if (round_ == 0)
                round_ = 1;
            else if (lastTurn_ >= 0 && e.player <= lastTurn_)
                ++round_;
            lastTurn_ = e.player;
        }
        if (!told(e.kind)) continue;
        LogEntry entry;
        entry.round = round_;
        entry.event = e;
        if (e.player >= 0 && e.player < GameState::MAX_PLAYERS)
            entry.square = gs.playerSquare[e.player];
        if (e.kind == EventKind::Struck && e.other >= 0 && e.other < GameState::MAX_PLAYERS)
            entry.health = gs.playerHealth[e.other];
        entries_.append(entry);
        ++revision_;
    }
    if (entries_.size() > kLongest) entries_.remove(0, entries_.size() - kLongest);
}

void Log::clear() {
    entries_.clear();
    round_ = 0;
    lastTurn_ = -1;
    ++revision_;
}

QJsonValue Log::toJson() const {
    QJsonArray lines;
    for (const LogEntry& l : entries_) lines.append(entryToText(l));
    return QJsonObject{{QStringLiteral("round"), round_},
                       {QStringLiteral("lastTurn"), lastTurn_},
                       {QStringLiteral("lines"), lines}};
}

std::optional<Log> Log::fromJson(const QJsonValue& json) {
    const QJsonObject o = json.toObject();
    const QJsonValue lines = o.value(QStringLiteral("lines"));
    Log log;
    if (!json.isObject() || !lines.isArray() || lines.toArray().size() > kLongest ||
        !whole(o.value(QStringLiteral("round")), 0, 1 << 30, log.round_) ||
        !whole(o.value(QStringLiteral("lastTurn")), -1, GameState::MAX_PLAYERS - 1, log.lastTurn_))
        return std::nullopt;
    for (const QJsonValue& line : lines.toArray()) {
        const std::optional<LogEntry> entry = entryFromText(line);
        if (!entry || entry->round > log.round_) return std::nullopt;
        log.entries_.append(*entry);
    }
    return log;
}

QString LogText(const LogEntry& entry, const GameState& gs) {
    const Event& e = entry.event;
    const QString who = nameOf(gs, e.player);
    const QString other = nameOf(gs, e.other);
    switch (e.kind) {
        case EventKind::BoardGenerated:
            return Dnevnik::tr("Pocinje nova igra.");
        case EventKind::TurnLost:
            return Dnevnik::tr("%1 propusta potez zbog inkvizicije.").arg(who);
        case EventKind::Victory:
            return Dnevnik::tr("%1 pobeduje! Zlatnika: %n.", nullptr, e.amount).arg(who);
        case EventKind::Rolled:
            return Dnevnik::tr("%1 baca %2 i staje na polje %3.")
                .arg(who, QString::number(e.amount), squareNumber(SquareAfter(e.number, e.amount)));
        case EventKind::Met:
            return Dnevnik::tr("%1 i %2 su na istom polju: borba!").arg(who, other);
        case EventKind::MishapStruck:
            return mishapText(entry, who);
        case EventKind::CoinFound:
            return Dnevnik::tr("%1 nalazi zlatnik (zlatnika: %n).", nullptr, e.amount).arg(who);
        case EventKind::RewardTaken: {
            const Items::Reward r = Items::reward(e.number);
            if (r.kind == Items::RewardKind::Treasure)
                return Dnevnik::tr("%1 uzima blago (zlatnika: %n).", nullptr, e.amount).arg(who);
            return Dnevnik::tr("%1 uzima: %2.").arg(who, Items::rewardName(r));
        }
        case EventKind::RewardLeft:
            return Dnevnik::tr("%1 ostavlja: %2.").arg(who, Items::rewardName(Items::reward(e.number)));
        case EventKind::Struck:
            return blowText(entry, gs);
        case EventKind::Fell:
            return Dnevnik::tr("%2 pada, %1 pobeduje u borbi.").arg(who, other);
        case EventKind::SpoilTaken:
            return Dnevnik::tr("%1 uzima plen: %2.").arg(who, spoilName(e));
        case EventKind::FightWon:
            return Dnevnik::tr("%1 osvaja zlatnika: %n, a %2 pocinje ispocetka.", nullptr, e.amount).arg(who, other);
        case EventKind::Retreated:
            return Dnevnik::tr("%1 bezi iz borbe: nazad za %n, na polje %2.", nullptr, e.amount)
                .arg(who, squareNumber(e.number));
        default:
            // Not told (see told()): no line.
            break;
    }
    return {};
}

QString LogLine(const LogEntry& entry, const GameState& gs) {
    return Dnevnik::tr("Runda %1: %2").arg(QString::number(entry.round), LogText(entry, gs));
}

}  // namespace Game
