// The duel's rules over the record alone, with scripted dice: the opening, every kind of blow
// with its taunt, whose blow is next, the fall and its spoils, the retreat, and what the game
// waits for in every stage.
#include <QTest>

#include "game/Decision.h"
#include "game/Duel.h"
#include "support/Core.h"

using namespace Qt::StringLiterals;

namespace {
// Of a new game of four, `mover` (left) has met `met` (right) over background 7.
GameState fight(int mover, int met, FakeRandom& dice) {
    GameState gs;
    newGameOfFour(gs);
    gs.currentPlayer = int16_t(mover);
    gs.opponentIndex = met;
    dice.pushRoll(7, 15);
    Game::OpenFight(gs, dice);
    return gs;
}

// Who may strike and retreat, on the left then on the right ("SR-R").
QString may(const GameState& gs) {
    QString out;
    for (const Side side : {Side::Left, Side::Right})
        out += QString(Game::MayStrike(gs, side) ? u'S' : u'-') +
               (Game::MayRetreat(gs, side) ? u'R' : u'-');
    return out;
}

void miss(GameState& gs, FakeRandom& dice, Side side) {
    pushMiss(dice,
             !gs.playerShield[Game::FighterOn(gs, side == Side::Left ? Side::Right : Side::Left)]
                  .isEmpty());
    QCOMPARE(Game::Strike(gs, dice, side).first().blow.outcome, Game::BlowOutcome::Miss);
}

QString kit(const GameState& gs, int p) {
    return row(QVariantList{gs.playerWeapon[p], gs.playerArmor[p], gs.playerShield[p],
                            gs.playerGold[p], gs.playerSquare[p], gs.playerHealth[p]});
}

// A blow between Ana (left: sword) and Bora (right: axe), the defender holding a shield of the
// dice's faces. `taunt` and `sound`: the answer's line and its sound's own draw (0: none);
// `lastPick`: the pick earlier blows left.
struct BlowCase {
    bool right;
    BlowDice dice;
    int taunt, sound, lastPick;
    QString outcome;  // outcome damage tauntSound pickAfter defenderHealth
};
}  // namespace

Q_DECLARE_METATYPE(BlowCase)

class DuelTest : public QObject {
    Q_OBJECT
private slots:
    // The background is drawn 1..15 and the mover strikes first. Every player's weapon power is
    // taken from the weapon held; without one, the last one's stays. A fighter already down is
    // settled at once.
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
        QCOMPARE(row(QList<int>{gs.backgroundNumber, gs.fightOpen, int(gs.stage)}) + may(gs),
                 u"15|1|%1SR-R"_s.arg(int(Stage::Fight)));
        QCOMPARE(row(gs.playerWeaponPower), u"2|3|4|1"_s);
        gs.playerHealth[1] = 0;
        gs.playerGold[1] = 12;
        dice.pushRoll(1, 15);
        QCOMPARE(said(Game::OpenFight(gs, dice)), u"FightOpened 2 1 0 1, Fell 2 1 12 0"_s);
        QCOMPARE(gs.stage, Stage::Spoils);
        QCOMPARE(may(gs), u"----"_s);
    }

    // Outcomes are tested in order: a shield's die at or over the strike blocks, a strike over
    // the guard hits, under it misses, equal it is parried. Damage 0..power is drawn for all but
    // a block; the answer's sound is drawn 1..3 on a block, 1..5 on a hit, none on a miss, and a
    // parry sounds the last pick, which only the left's war cry also sets.
    void blow_data() {
        QTest::addColumn<BlowCase>("c");
        const auto add = [](const char* name, BlowCase c) { QTest::newRow(name) << c; };
        add("hit through red", {false, {2, 5, 2, 6, 4, 2, 2}, 3, 2, 0, u"Hit 2 2 2 8"_s});
        add("right hit for 0", {true, {2, 6, 1, 0, 0, 3, 0}, 1, 5, 0, u"Hit 0 5 5 10"_s});
        add("equal red blocks", {false, {1, 6, 1, 6, 6, 2, -1}, 2, 2, 0, u"Block 0 2 2 10"_s});
        add("blue before a miss", {true, {3, 3, 6, 3, 3, 3, -1}, 4, 1, 0, u"Block 0 1 1 10"_s});
        add("miss", {false, {3, 2, 3, 0, 0, 2, 0}, 6, 0, 0, u"Miss 0 0 3 10"_s});
        add("right miss", {true, {1, 1, 2, 0, 0, 3, 3}, 10, 0, 0, u"Miss 3 0 0 10"_s});
        add("parry on the own cry", {false, {3, 4, 4, 0, 0, 2, 1}, 1, 0, 0, u"Parry 1 3 3 10"_s});
        add("right parry, no pick", {true, {2, 4, 4, 0, 0, 3, 0}, 6, 0, 0, u"Parry 0 0 0 10"_s});
        add("right parry after 4", {true, {1, 5, 5, 0, 0, 3, 2}, 8, 0, 4, u"Parry 2 4 4 10"_s});
    }
    void blow() {
        QFETCH(BlowCase, c);
        FakeRandom dice;
        GameState gs = fight(0, 1, dice);
        const int striker = c.right ? 1 : 0, defender = 1 - striker;
        const int faces = c.dice.shieldFaces;
        gs.playerShield[defender] = faces == 0   ? QString()
                                    : faces == 3 ? u"plavi stit"_s
                                                 : u"crveni stit"_s;
        const Side side = c.right ? Side::Right : Side::Left;
        gs.blowNext = side;
        gs.attackSoundPick = int16_t(c.lastPick);
        pushBlow(dice, c.dice);
        dice.pushRoll(c.taunt, 10);
        if (c.sound > 0) dice.pushRoll(c.sound, c.outcome.startsWith(u"Hit") ? 5 : 3);
        const Game::Events events = Game::Strike(gs, dice, side);
        QVERIFY(dice.draws.isEmpty());
        QCOMPARE(dice.randomizeCount, 1);  // before the taunt
        const Game::Blow& b = events.first().blow;
        const bool hit = b.outcome == Game::BlowOutcome::Hit;
        QCOMPARE(said(events),
                 u"Struck %1 %2 %3 0"_s.arg(striker).arg(defender).arg(hit ? b.damage : 0));
        QCOMPARE(
            row(QList<int>{int(b.side), b.cry, b.strike, b.guard, b.shield}),
            row(QList<int>{int(side), c.dice.cry, c.dice.strike, c.dice.guard, c.dice.shield}));
        QCOMPARE(b.taunt.outcome, b.outcome);
        QCOMPARE(b.taunt.number, c.taunt);
        const char* const names[] = {"Block", "Hit", "Miss", "Parry"};
        QCOMPARE(u"%1 %2 %3 %4 %5"_s.arg(QLatin1String(names[int(b.outcome)]))
                     .arg(b.damage)
                     .arg(b.tauntSound)
                     .arg(gs.attackSoundPick)
                     .arg(gs.playerHealth[defender]),
                 c.outcome);
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

    // Dule (spear, chainmail, blue shield, 30 coins) fells Bora (axe, robe, red shield, 10) or
    // an unarmed Ana, or falls to Bora; the winner at 3 health. Each spoil is asked in turn, the
    // shield only of a loser who has one; the winner takes the loser's gold, and the loser
    // starts again with nothing.
    void fall_data() {
        QTest::addColumn<bool>("leftFalls");
        QTest::addColumn<int>("met");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("winner");  // weapon|armour|shield|gold|square|health after
        QTest::newRow("right falls below 0, all taken")
            << false << 1 << u"yyy"_s
            << u"Struck 3 1 4 0, Fell 3 1 10 0, SpoilTaken 3 1 0 0 axe, SpoilTaken 3 1 1 1, "
               "SpoilTaken 3 1 0 2 crveni stit, FightWon 3 1 10 0"_s
            << u"axe|1|crveni stit|40|11|3"_s;
        QTest::newRow("left falls at 0, nothing taken")
            << true << 1 << u"nnn"_s
            << u"Struck 1 3 1 0, Fell 1 3 30 0, SpoilLeft 1 3 0 0 spear, SpoilLeft 1 3 3 1, "
               "SpoilLeft 1 3 0 2 plavi stit, FightWon 1 3 30 0"_s
            << u"axe|1|crveni stit|40|1|3"_s;
        // Taking the weapon of an unarmed loser leaves the winner unarmed.
        QTest::newRow("no weapon, no shield")
            << false << 0 << u"yy"_s
            << u"Struck 3 0 2 0, Fell 3 0 0 0, SpoilTaken 3 0 0 0, SpoilTaken 3 0 0 1, "
               "FightWon 3 0 0 0"_s
            << u"|0|plavi stit|30|11|3"_s;
    }
    void fall() {
        QFETCH(bool, leftFalls);
        QFETCH(int, met);
        QFETCH(QString, answers);
        QFETCH(QString, events);
        QFETCH(QString, winner);
        FakeRandom dice;
        GameState gs = fight(3, met, dice);
        gs.playerGold = {0, 10, 0, 30};
        gs.playerWeapon[0].clear();
        const int won = leftFalls ? met : 3, lost = leftFalls ? 3 : met;
        gs.playerHealth[won] = 3;
        gs.playerHealth[lost] = leftFalls ? 1 : 2;
        gs.blowNext = leftFalls ? Side::Right : Side::Left;
        const BlowDice hits[] = {
            {1, 6, 1, 6, 2, 4, 4}, {2, 4, 3, 3, 3, 3, 1}, {1, 2, 1, 0, 0, 4, 2}};
        pushBlow(dice, hits[leftFalls ? 1 : met == 1 ? 0 : 2]);
        dice.pushRoll(1, 10);
        dice.pushRoll(1, 5);
        Game::Events seen = Game::Strike(gs, dice, gs.blowNext);
        QVERIFY(dice.draws.isEmpty());
        for (const QChar answer : answers) {
            QCOMPARE(gs.stage, Stage::Spoils);
            seen += Game::AnswerSpoil(gs, answer == u'y');
        }
        QCOMPARE(said(seen), events);
        QCOMPARE(kit(gs, won) + u' ' + kit(gs, lost), winner + u" |0||0|0|10"_s);
        QCOMPARE(row(QList<int>{int(gs.stage), gs.fightOpen}), u"%1|0"_s.arg(int(Stage::TurnOver)));
        QVERIFY(Game::AnswerSpoil(gs, true).isEmpty());
    }

    // The fighter whose blow it is, or the one met before the first blow, flees 1..6 squares
    // back round the ring; nothing else changes.
    void retreat_data() {
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("blows");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("back");
        QTest::addColumn<QString>("event");
        QTest::newRow("left at once") << false << 0 << 3 << 6 << u"Retreated 3 1 6 27"_s;
        QTest::newRow("right before a blow") << true << 0 << 0 << 1 << u"Retreated 1 3 1 29"_s;
        QTest::newRow("right on its blow") << true << 1 << 5 << 4 << u"Retreated 1 3 4 1"_s;
        QTest::newRow("left on its blow") << false << 2 << 11 << 2 << u"Retreated 3 1 2 9"_s;
    }
    void retreat() {
        QFETCH(bool, right);
        QFETCH(int, blows);
        QFETCH(int, from);
        QFETCH(int, back);
        QFETCH(QString, event);
        FakeRandom dice;
        GameState gs = fight(3, 1, dice);
        const int fleeing = right ? 1 : 3, staying = right ? 3 : 1;
        gs.playerSquare[fleeing] = from;
        for (int i = 0; i < blows; ++i) miss(gs, dice, i == 0 ? Side::Left : Side::Right);
        const QString stays = kit(gs, staying) + row(gs.playerGold) + row(gs.playerHealth);
        dice.pushRoll(back, 6);
        const auto fled = Game::RetreatFight(gs, dice, right ? Side::Right : Side::Left);
        QVERIFY(fled);
        QCOMPARE(said({*fled}), event);
        QCOMPARE(gs.playerSquare[fleeing], event.section(u' ', -1).toInt());
        QCOMPARE(kit(gs, staying) + row(gs.playerGold) + row(gs.playerHealth), stays);
        QCOMPARE(row(QList<int>{int(gs.stage), gs.fightOpen}) + may(gs),
                 u"%1|0----"_s.arg(int(Stage::TurnOver)));
    }

    // What the game waits for, and from whom: kind player side otherMayFlee reward spoil.
    void pendingDecision_data() {
        QTest::addColumn<Stage>("stage");
        QTest::addColumn<Side>("blowNext");
        QTest::addColumn<bool>("mayFlee");
        QTest::addColumn<QString>("decision");
        const auto add = [](const char* name, Stage s, Side b, bool f, const char* d) {
            QTest::newRow(name) << s << b << f << QString::fromLatin1(d);
        };
        for (const Stage s :
             {Stage::Setup, Stage::TurnLost, Stage::Moving, Stage::TurnOver, Stage::Won})
            add(qPrintable(u"stage %1"_s.arg(int(s))), s, Side::Left, true, "0|-1|0|false|0|0");
        add("roll", Stage::Roll, Side::Left, false, "1|2|0|false|0|0");
        add("reward", Stage::Reward, Side::Left, false, "2|2|0|false|9|0");
        add("danger", Stage::Danger, Side::Left, false, "3|2|0|false|0|0");
        add("first blow", Stage::Fight, Side::Left, true, "4|2|0|true|0|0");
        add("left's later blow", Stage::Fight, Side::Left, false, "4|2|0|false|0|0");
        add("right's blow", Stage::Fight, Side::Right, false, "4|0|1|false|0|0");
        add("spoils", Stage::Spoils, Side::Left, false, "5|0|0|false|0|2");
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
