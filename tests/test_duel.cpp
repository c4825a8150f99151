// The duel's rules over the record alone, with scripted dice: the opening, every kind of blow
// with its taunt, whose blow is next, the fall and its spoils, the retreat, and what the game
// waits for in every stage.
#include <QTest>

#include "game/Decision.h"
#include "game/Duel.h"
#include "support/Core.h"

using namespace Qt::StringLiterals;
using Game::BlowOutcome;

namespace {
// Of a new game of four, `mover` (left) has met `met` (right): the fight is open over
// background 7 and nobody has struck yet.
GameState fight(int mover, int met, FakeRandom& dice) {
    GameState gs;
    newGameOfFour(gs);
    gs.newGame = 0;
    gs.currentPlayer = int16_t(mover);
    gs.opponentIndex = met;
    dice.pushRoll(7, 15);
    Game::OpenFight(gs, dice);
    return gs;
}

// Who may do what: strike and retreat on the left, then on the right ("SR-R").
QString may(const GameState& gs) {
    QString out;
    for (const Side side : {Side::Left, Side::Right})
        out += QString(Game::MayStrike(gs, side) ? u'S' : u'-') +
               (Game::MayRetreat(gs, side) ? u'R' : u'-');
    return out;
}

// A miss by `side`.
void miss(GameState& gs, FakeRandom& dice, Side side) {
    const int defender = Game::FighterOn(gs, side == Side::Left ? Side::Right : Side::Left);
    pushMiss(dice, !gs.playerShield[defender].isEmpty());
    QCOMPARE(Game::Strike(gs, dice, side).first().blow.outcome, BlowOutcome::Miss);
}

QString kit(const GameState& gs, int p) {
    return row(QVariantList{gs.playerWeapon[p], gs.playerArmor[p], gs.playerShield[p],
                            gs.playerGold[p], gs.playerSquare[p], gs.playerHealth[p]});
}

// Ana (left: sword, no shield) and Bora (right: axe) trade one blow. `shield`: the defender's
// shield's faces; `taunt` and `sound`: the answer's line and its sound's own draw (0: none);
// `lastPick`: the sound pick left by earlier blows.
struct BlowCase {
    bool right;
    BlowDice dice;
    int taunt, sound, lastPick;
    BlowOutcome outcome;
    int health, tauntSound, pickAfter;
};

// Dule (left: spear, chainmail, blue shield, 30 coins) fells Bora (axe, robe, red shield, 10
// coins) or Ana (0 coins, unarmed), or falls to Bora; the winner stands at 3 health.
struct FallCase {
    bool leftFalls;
    int met;
    BlowDice dice;
    QString answers;  // y takes, n leaves
    QString events;
    QString winner;  // weapon|armour|shield|gold|square|health after
};
}  // namespace

Q_DECLARE_METATYPE(BlowCase)
Q_DECLARE_METATYPE(FallCase)

class DuelTest : public QObject {
    Q_OBJECT
private slots:
    // The background is drawn 1..15 and the mover strikes first. Every player's weapon power is
    // taken from the weapon held; without a weapon the last one's stays.
    void opening() {
        GameState gs;
        newGameOfFour(gs);
        gs.currentPlayer = 2;
        gs.opponentIndex = 1;
        gs.playerWeaponPower = {0, 0, 4, 1};
        gs.playerWeapon[2].clear();
        gs.playerWeapon[3] = u"Spear"_s;  // no weapon's name
        FakeRandom dice;
        dice.pushRoll(15, 15);
        QCOMPARE(said(Game::OpenFight(gs, dice)), u"FightOpened 2 1 0 15"_s);
        QCOMPARE(row(QList<int>{gs.backgroundNumber, gs.fightOpen, int(gs.stage)}),
                 u"15|1|%1"_s.arg(int(Stage::Fight)));
        QCOMPARE(may(gs), u"SR-R"_s);
        QCOMPARE(row(gs.playerWeaponPower), u"2|3|4|1"_s);

        // A fighter already down is settled at once.
        gs.playerHealth[1] = 0;
        gs.playerGold[1] = 12;
        dice.pushRoll(1, 15);
        QCOMPARE(said(Game::OpenFight(gs, dice)), u"FightOpened 2 1 0 1, Fell 2 1 12 0"_s);
        QCOMPARE(gs.stage, Stage::Spoils);
        QCOMPARE(may(gs), u"----"_s);
    }

    // Outcomes are tested in order: the shield's die at or over the strike blocks, a strike over
    // the guard hits, under it misses, and equal it is parried. Damage 0..power is drawn for all
    // but a block; the answer's sound is drawn 1..3 on a block, 1..5 on a hit, and a parry
    // sounds the last pick, which only the left's war cry also sets.
    void blow_data() {
        QTest::addColumn<BlowCase>("c");
        const auto add = [](const char* name, BlowCase c) { QTest::newRow(name) << c; };
        add("hit through a red shield",
            {false, {2, 5, 2, 6, 4, 2, 2}, 3, 2, 0, BlowOutcome::Hit, 8, 2, 2});
        add("right hit for nothing",
            {true, {2, 6, 1, 0, 0, 3, 0}, 1, 5, 0, BlowOutcome::Hit, 10, 5, 5});
        add("blocked by an equal red",
            {false, {1, 6, 1, 6, 6, 2, -1}, 2, 2, 0, BlowOutcome::ShieldBlock, 10, 2, 2});
        add("blue blocks before a miss",
            {true, {3, 3, 6, 3, 3, 3, -1}, 4, 1, 0, BlowOutcome::ShieldBlock, 10, 1, 1});
        add("miss", {false, {3, 2, 3, 0, 0, 2, 0}, 6, 0, 0, BlowOutcome::Miss, 10, 0, 3});
        add("right miss", {true, {1, 1, 2, 0, 0, 3, 3}, 10, 0, 0, BlowOutcome::Miss, 10, 0, 0});
        add("parry on the own cry",
            {false, {3, 4, 4, 0, 0, 2, 1}, 1, 0, 0, BlowOutcome::Parry, 10, 3, 3});
        add("right parry, nothing picked",
            {true, {2, 4, 4, 0, 0, 3, 0}, 6, 0, 0, BlowOutcome::Parry, 10, 0, 0});
        add("right parry after a hurt 4",
            {true, {1, 5, 5, 0, 0, 3, 2}, 8, 0, 4, BlowOutcome::Parry, 10, 4, 4});
    }
    void blow() {
        QFETCH(BlowCase, c);
        FakeRandom dice;
        GameState gs = fight(0, 1, dice);
        const int striker = c.right ? 1 : 0, defender = 1 - striker;
        const int faces = c.dice.shieldFaces;
        gs.playerShield[defender] = faces == 3   ? u"plavi stit"_s
                                    : faces == 6 ? u"crveni stit"_s
                                                 : u""_s;
        const Side side = c.right ? Side::Right : Side::Left;
        gs.blowNext = side;
        gs.attackSoundPick = int16_t(c.lastPick);
        pushBlow(dice, c.dice);
        dice.pushRoll(c.taunt, 10);
        if (c.sound > 0) dice.pushRoll(c.sound, c.outcome == BlowOutcome::Hit ? 5 : 3);
        const Game::Events events = Game::Strike(gs, dice, side);
        QVERIFY(dice.draws.isEmpty());
        QCOMPARE(dice.randomizeCount, 1);  // before the taunt
        QCOMPARE(said(events), u"Struck %1 %2 %3 0"_s.arg(striker).arg(defender).arg(
                                   c.outcome == BlowOutcome::Hit ? c.dice.damage : 0));
        const Game::Blow& b = events.first().blow;
        QCOMPARE(row(QList<int>{b.cry, b.strike, b.guard, b.shield, b.damage}),
                 row(QList<int>{c.dice.cry, c.dice.strike, c.dice.guard, c.dice.shield,
                                qMax(c.dice.damage, 0)}));
        QCOMPARE(b.side, side);
        QCOMPARE(b.outcome, c.outcome);
        QCOMPARE(b.taunt.outcome, c.outcome);
        QCOMPARE(b.taunt.number, c.taunt);
        QCOMPARE(b.tauntSound, c.tauntSound);
        QCOMPARE(gs.attackSoundPick, c.pickAfter);
        QCOMPARE(gs.playerHealth[defender], c.health);
        QCOMPARE(gs.playerHealth[striker], 10);
        QCOMPARE(may(gs), c.right ? u"SR--"_s : u"--SR"_s);
    }

    // Blows take turns; the one met may flee before the first blow only. Nothing happens, and
    // nothing is drawn, out of turn.
    void blowsTakeTurns() {
        FakeRandom dice;
        GameState gs = fight(0, 1, dice);
        QStringList seen{may(gs)};
        for (const Side side : {Side::Left, Side::Right}) {
            QVERIFY(
                Game::Strike(gs, dice, side == Side::Left ? Side::Right : Side::Left).isEmpty());
            miss(gs, dice, side);
            seen << may(gs);
        }
        QVERIFY(!Game::RetreatFight(gs, dice, Side::Right));
        QCOMPARE(seen.join(u' '), u"SR-R --SR SR--"_s);
    }

    void fall_data() {
        QTest::addColumn<FallCase>("c");
        const auto add = [](const char* name, FallCase c) { QTest::newRow(name) << c; };
        add("right falls below 0, all taken",
            {false,
             1,
             {1, 6, 1, 6, 2, 4, 4},
             u"yyy"_s,
             u"Struck 3 1 4 0, Fell 3 1 10 0, SpoilTaken 3 1 0 0 axe, SpoilTaken 3 1 1 1, "
             "SpoilTaken 3 1 0 2 crveni stit, FightWon 3 1 10 0"_s,
             u"axe|1|crveni stit|40|11|3"_s});
        add("left falls at 0, nothing taken",
            {true,
             1,
             {2, 4, 3, 3, 3, 3, 1},
             u"nnn"_s,
             u"Struck 1 3 1 0, Fell 1 3 30 0, SpoilLeft 1 3 0 0 spear, SpoilLeft 1 3 3 1, "
             "SpoilLeft 1 3 0 2 plavi stit, FightWon 1 3 30 0"_s,
             u"axe|1|crveni stit|40|1|3"_s});
        // No shield to ask about; the weapon taken from an unarmed loser leaves the winner none.
        add("unarmed and without a shield",
            {false,
             0,
             {1, 2, 1, 0, 0, 4, 2},
             u"yy"_s,
             u"Struck 3 0 2 0, Fell 3 0 0 0, SpoilTaken 3 0 0 0, SpoilTaken 3 0 0 1, "
             "FightWon 3 0 0 0"_s,
             u"|0|plavi stit|30|11|3"_s});
    }
    void fall() {
        QFETCH(FallCase, c);
        FakeRandom dice;
        GameState gs = fight(3, c.met, dice);
        gs.playerGold = {0, 10, 0, 30};
        gs.playerWeapon[0].clear();
        const int winner = c.leftFalls ? c.met : 3, loser = c.leftFalls ? 3 : c.met;
        gs.playerHealth[winner] = 3;
        gs.playerHealth[loser] = c.leftFalls ? 1 : 2;
        const Side side = c.leftFalls ? Side::Right : Side::Left;
        gs.blowNext = side;
        pushBlow(dice, c.dice);
        dice.pushRoll(1, 10);
        dice.pushRoll(1, 5);
        Game::Events events = Game::Strike(gs, dice, side);
        QVERIFY(dice.draws.isEmpty());
        for (const QChar answer : c.answers) {
            QCOMPARE(gs.stage, Stage::Spoils);
            events += Game::AnswerSpoil(gs, answer == u'y');
        }
        QCOMPARE(said(events), c.events);
        QCOMPARE(kit(gs, winner), c.winner);
        QCOMPARE(kit(gs, loser), u"|0||0|0|10"_s);  // starts again with nothing
        QCOMPARE(row(QList<int>{int(gs.stage), gs.fightOpen}), u"%1|0"_s.arg(int(Stage::TurnOver)));
        QVERIFY(Game::AnswerSpoil(gs, true).isEmpty());
    }

    // The fighter whose blow it is, or the one met before the first blow, flees 1..6 squares
    // back round the ring; nobody wins anything.
    void retreat_data() {
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("afterABlow");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("back");
        QTest::addColumn<QString>("event");
        QTest::newRow("left at once") << false << false << 3 << 6 << "Retreated 3 1 6 27";
        QTest::newRow("right before a blow") << true << false << 0 << 1 << "Retreated 1 3 1 29";
        QTest::newRow("right on its blow") << true << true << 5 << 4 << "Retreated 1 3 4 1";
        QTest::newRow("left on its blow") << false << true << 11 << 2 << "Retreated 3 1 2 9";
    }
    void retreat() {
        QFETCH(bool, right);
        QFETCH(bool, afterABlow);
        QFETCH(int, from);
        QFETCH(int, back);
        QFETCH(QString, event);
        FakeRandom dice;
        GameState gs = fight(3, 1, dice);
        const int fleeing = right ? 1 : 3, staying = right ? 3 : 1;
        gs.playerSquare[fleeing] = from;
        if (afterABlow) miss(gs, dice, Side::Left);
        if (afterABlow && !right) miss(gs, dice, Side::Right);
        const QString stays = kit(gs, staying) + row(gs.playerGold) + row(gs.playerHealth);
        dice.pushRoll(back, 6);
        const auto fled = Game::RetreatFight(gs, dice, right ? Side::Right : Side::Left);
        QVERIFY(fled);
        QCOMPARE(said({*fled}), event);
        QCOMPARE(gs.playerSquare[fleeing], event.section(u' ', -1).toInt());
        QCOMPARE(kit(gs, staying) + row(gs.playerGold) + row(gs.playerHealth), stays);
        QCOMPARE(row(QList<int>{int(gs.stage), gs.fightOpen}), u"%1|0"_s.arg(int(Stage::TurnOver)));
        QCOMPARE(may(gs), u"----"_s);
    }

    // What the game waits for, and from whom, as the record stands.
    void pendingDecision_data() {
        QTest::addColumn<Stage>("stage");
        QTest::addColumn<Side>("blowNext");
        QTest::addColumn<bool>("mayFlee");
        QTest::addColumn<QString>("decision");  // kind player side otherMayFlee reward spoil
        const auto add = [](const char* name, Stage s, Side b, bool f, const char* d) {
            QTest::newRow(name) << s << b << f << QString::fromLatin1(d);
        };
        add("setup", Stage::Setup, Side::Left, false, "0|-1|0|false|0|0");
        add("roll", Stage::Roll, Side::Left, false, "1|2|0|false|0|0");
        add("moving", Stage::Moving, Side::Left, false, "0|-1|0|false|0|0");
        add("reward", Stage::Reward, Side::Left, false, "2|2|0|false|9|0");
        add("danger", Stage::Danger, Side::Left, false, "3|2|0|false|0|0");
        add("first blow", Stage::Fight, Side::Left, true, "4|2|0|true|0|0");
        add("left's later blow", Stage::Fight, Side::Left, false, "4|2|0|false|0|0");
        add("right's blow", Stage::Fight, Side::Right, false, "4|0|1|false|0|0");
        add("spoils", Stage::Spoils, Side::Left, false, "5|0|0|false|0|2");
        add("turn over", Stage::TurnOver, Side::Left, false, "0|-1|0|false|0|0");
        add("won", Stage::Won, Side::Left, false, "0|-1|0|false|0|0");
    }
    void pendingDecision() {
        QFETCH(Stage, stage);
        QFETCH(Side, blowNext);
        QFETCH(bool, mayFlee);
        QFETCH(QString, decision);
        GameState gs;
        gs.currentPlayer = 2;
        gs.opponentIndex = 0;
        gs.playerHealth = {5, 0, 0, 0};  // Ceca has fallen
        gs.stage = stage;
        gs.blowNext = blowNext;
        gs.metMayFlee = mayFlee;
        gs.rewardOffered = 9;
        gs.spoilAsked = Spoil::Shield;
        const Game::Decision d = Game::PendingDecision(gs);
        QCOMPARE(row(QVariantList{int(d.kind), d.player, int(d.side), d.otherMayFlee,
                                  stage == Stage::Reward ? d.reward : 0,
                                  stage == Stage::Spoils ? int(d.spoil) : 0}),
                 decision);
    }
};

QTEST_GUILESS_MAIN(DuelTest)
#include "test_duel.moc"
