#pragma once

#include <QList>
#include <QString>

#include "state/GameState.h"

// What the rules report: every operation of the game says what happened as plain values. The
// windows turn them into boxes, sounds and announcements; nothing here is a text shown.
namespace Game {

// What a blow came to, tested in this order: shield block, hit, miss, parry.
enum class BlowOutcome { ShieldBlock, Hit, Miss, Parry };

// One line of the defender's ten for an outcome; number 0 is no line.
struct TauntLine {
    BlowOutcome outcome = BlowOutcome::Parry;
    int number = 0;
};

// The dice of one blow and what they came to.
struct Blow {
    Side side = Side::Left;  // the striker's
    int cry = 0;             // the striker's war cry, 1..3
    int strike = 0;          // the striker's die, 1..6
    int guard = 0;           // the defender's die, 1..6
    int shield = 0;          // the defender's shield die, 0 without a shield
    int damage = 0;          // dealt on a hit; drawn on a miss or a parry too, not on a block
    BlowOutcome outcome = BlowOutcome::Parry;
    // The defender's answer: the line, and the sound picked for it (0: whatever the last pick
    // left, for a parry; the miss has a sound of its own).
    TauntLine taunt;
    int tauntSound = 0;
};

enum class EventKind {
    BoardGenerated,  // a new game's squares were drawn
    ToMove,          // player: is to roll
    TurnLost,        // player: loses this turn to the inquisition
    Victory,         // player: holds the gold that wins as the turn comes
    Rolled,          // player rolled amount, from square number to the square after
    Met,             // player met other on the square reached
    RewardOffered,   // player is offered reward number
    MishapStruck,    // player suffered mishap number; amount: the coins stolen (mishap 4)
    CoinFound,       // player found a coin; amount: the gold now held
    PlainSquare,     // player reached a square with nothing on it
    RewardTaken,     // player took reward number; amount: the coins, for a treasure
    RewardLeft,      // player left reward number
    FightOpened,     // player (left) against other (right) over background number
    Struck,          // player struck other: blow
    Fell,            // player won over other, who fell; amount: the loser's gold, to be won
    SpoilTaken,      // player took the loser's spoil (number: the Spoil); item: what was taken
    SpoilLeft,       // player left it
    FightWon,        // player took amount gold from other, who starts again with nothing
    Retreated,       // player fled amount squares back to square number
};

struct Event {
    EventKind kind = EventKind::PlainSquare;
    int player = -1;
    int other = -1;
    int amount = 0;
    int number = 0;
    QString item;
    Blow blow;  // for Struck
};

using Events = QList<Event>;

inline Event MakeEvent(EventKind kind, int player = -1, int other = -1, int amount = 0,
                       int number = 0) {
    Event e;
    e.kind = kind;
    e.player = player;
    e.other = other;
    e.amount = amount;
    e.number = number;
    return e;
}

}  // namespace Game
