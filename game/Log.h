#pragma once

#include <QJsonValue>
#include <QList>
#include <optional>

#include "Events.h"

// The game's story: what happened, as the rules reported it, each line stamped with its round.
// It keeps the events, not texts, so that it reads in whichever language is chosen when it is read.
namespace Game {

struct LogEntry {
    int round = 0;
    // The player's square once the event had happened (where a dog chased them to), and, for a
    // blow, the health the one struck has left.
    int square = 0;
    int health = 0;
    Event event;
};

class Log {
public:
    // A game of thousands of turns stays well under this; past it the oldest lines go.
    static constexpr int kLongest = 20000;

    // Adds what the rules reported: the events worth telling become lines; the start of a turn
    // moves the round on when the turn has come round to the first player again.
    void record(const GameState& gs, const Events& events);
    void record(const GameState& gs, const Event& event) { record(gs, Events{event}); }
    void clear();

    const QList<LogEntry>& entries() const { return entries_; }
    int round() const { return round_; }
    // Changes with every line added and every clearing: a cheap test for "anything new?".
    quint64 revision() const { return revision_; }

    QJsonValue toJson() const;
    // The log a saved game holds, or nothing when it holds what no game could have logged.
    static std::optional<Log> fromJson(const QJsonValue& json);

private:
    QList<LogEntry> entries_;
    int round_ = 0;
    int lastTurn_ = -1;  // the player whose turn began last
    quint64 revision_ = 0;
};

// An entry as a player reads it, in the language chosen: "Ana baca 4 i staje na polje 9."
QString LogText(const LogEntry& entry, const GameState& gs);
// The same stamped with its round: "Runda 3: Ana baca 4 i staje na polje 9."
QString LogLine(const LogEntry& entry, const GameState& gs);

}  // namespace Game
