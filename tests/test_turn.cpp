// A turn's rules over the record alone, with scripted dice: a new game, the board's draw, the
// roll, the landing, the rewards and mishaps, the victory and lost turns.
#include <QTest>

#include "game/Turn.h"
#include "support/Core.h"

using namespace Qt::StringLiterals;

namespace {
// Dule (slot 3) of a new game of four has rolled, holding `kit`, onto a square of `kind`;
// nobody wins in these tests.
GameState landed(const QString& kind = u"polje"_s, const QString& kit = u"|0||0|11|0"_s) {
    GameState gs;
    newGameOfFour(gs);
    gs.newGame = 0;
    gs.goldToWin = 1000;
    gs.squareKind.fill(u"polje"_s);
    const QStringList f = kit.split(u'|');
    gs.playerWeapon[3] = f[0];
    gs.playerArmor[3] = f[1].toInt();
    gs.playerShield[3] = f[2];
    gs.playerGold[3] = f[3].toInt();
    gs.playerSquare[3] = f[4].toInt();
    gs.playerSkipTurns[3] = f[5].toInt();
    gs.squareKind[gs.playerSquare[3]] = kind;
    gs.currentPlayer = 3;
    gs.stage = Stage::Moving;
    return gs;
}
// What a square can give or take: weapon, armour, shield, gold, square, lost turns.
QString kit(const GameState& gs, int p) {
    return row(QVariantList{gs.playerWeapon[p], gs.playerArmor[p], gs.playerShield[p],
                            gs.playerGold[p], gs.playerSquare[p], gs.playerSkipTurns[p]});
}
QString others(const GameState& gs) {
    return kit(gs, 0) + kit(gs, 1) + kit(gs, 2);
}
}  // namespace

class TurnTest : public QObject {
    Q_OBJECT
private slots:
    // Every slot gets the new game's values; "<" stops at portrait 0, ">" reaches 13 and one
    // more falls back to 12; a slot is stored with what creation holds.
    void creation() {
        GameState gs;
        Game::PrepareNewGame(gs);
        QCOMPARE(row(gs.playerSquare) + row(gs.playerWeapon) + row(gs.playerArmor) +
                     row(gs.playerShield) + row(gs.playerHealth) + QString::number(gs.newGame),
                 u"0|1|21|11sword|axe|dagger|spear0|1|2|3|crveni stit||plavi stit10|10|10|101"_s);
        QStringList seen;
        for (const int by : {-1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, -1}) {
            Game::ChangePortrait(gs, by);
            seen << gs.playerPortrait[0].mid(4, 2);
        }
        QCOMPARE(seen.join(u' '), u"00 01 02 03 04 05 06 07 08 09 10 11 12 13 12 13 12"_s);
        Game::NextSlot(gs, u"Ana"_s, u"/zvuk/srpski"_s, true, Strength::Hard);
        // A person's seat keeps the default strength whatever the list showed.
        Game::StartGame(gs, u"Bora"_s, u"/zvuk"_s, false, Strength::Easy);
        QCOMPARE(gs.playerStrength[0], Strength::Hard);
        QCOMPARE(gs.playerStrength[1], Strength::Medium);
        QCOMPARE(
            row(gs.playerName) + row(gs.playerSoundTheme) + row(gs.playerComputer) +
                row(gs.playerPortrait) + QString::number(gs.playersInGame),
            u"Ana|Bora||/zvuk/srpski|/zvuk||true|false|false|false\\lik12.gif|\\lik00.gif||2"_s);
    }

    // A new start clears every player and the creation; only the gold to win stays, and the
    // title brings it back to 100.
    void aNewStartIsFresh() {
        GameState gs = landed();
        gs.goldToWin = 50;
        gs.playerGold = {50, 0, 7, 0};
        gs.playerSkipTurns[1] = gs.playerWeaponPower[2] = gs.playerPortraitNo[3] = 3;
        gs.playerComputer[2] = true;
        gs.playerStrength[2] = Strength::Easy;
        gs.creatingPlayer = 3;
        Game::StartFresh(gs);
        QCOMPARE(gs.playerStrength[2], Strength::Medium);
        QCOMPARE(row(gs.playerName) + row(gs.playerWeapon) + row(gs.playerShield) +
                     row(gs.playerPortrait) + row(gs.playerSoundTheme),
                 u"|||"_s.repeated(5));
        QCOMPARE(row(gs.playerSquare) + row(gs.playerGold) + row(gs.playerArmor) +
                     row(gs.playerHealth) + row(gs.playerWeaponPower) + row(gs.playerSkipTurns) +
                     row(gs.playerPortraitNo) + row(gs.playerComputer),
                 u"0|0|0|0"_s.repeated(7) + u"false|false|false|false"_s);
        QCOMPARE(row(QList<int>{gs.creatingPlayer, gs.currentPlayer, gs.playersInGame,
                                int(gs.stage), gs.goldToWin}),
                 u"0|0|0|0|50"_s);
        gs.fightOpen = 1;
        gs.winRule = WinRule::AtLeast;
        Game::OpenTitle(gs);
        QCOMPARE(row(QList<int>{gs.goldToWin, gs.fightOpen, int(gs.winRule)}), u"100|0|0"_s);
    }

    // Squares 1..29 take their kind from a die of 8 each, after one randomize; square 0 stays
    // empty; the next turn of the same game draws nothing.
    void theBoardIsDrawnOncePerGame() {
        GameState gs;
        newGameOfFour(gs);
        FakeRandom dice;
        for (int i = 1; i <= 29; ++i) dice.pushRoll(1 + i % 8, 8);
        QCOMPARE(said(Game::BeginTurn(gs, dice)), u"BoardGenerated -1 -1 0 0, ToMove 0 -1 0 0"_s);
        QCOMPARE(row(QList<QString>(gs.squareKind.begin(), gs.squareKind.begin() + 9)) + u' ' +
                     gs.squareKind[29],
                 u"|polje|polje|polje|polje|opasnost|nagrada|coin|polje opasnost"_s);
        QVERIFY(dice.draws.isEmpty());
        QCOMPARE(dice.randomizeCount, 1);
        QCOMPARE(said(Game::BeginTurn(gs, dice)), u"ToMove 0 -1 0 0"_s);
    }

    // Ceca, to move, wins holding exactly the gold to win (or, by the house rule, that much or
    // more), before a lost turn; a lost turn is told, then cleared and passed over.
    void beginTurn_data() {
        QTest::addColumn<int>("goal");
        QTest::addColumn<int>("gold");
        QTest::addColumn<int>("skip");
        QTest::addColumn<QString>("events");
        QTest::addColumn<WinRule>("rule");
        const auto add = [](const char* name, int goal, int gold, int skip, const char* events,
                            WinRule rule = WinRule::Exactly) {
            QTest::newRow(name) << goal << gold << skip << QString::fromLatin1(events) << rule;
        };
        add("at least: the goal", 100, 100, 0, "Victory 2 -1 100 0", WinRule::AtLeast);
        add("at least: past the goal", 100, 101, 0, "Victory 2 -1 101 0", WinRule::AtLeast);
        add("at least: one short", 100, 99, 0, "ToMove 2 -1 0 0", WinRule::AtLeast);
        add("at least: a goal below 0", -5, 0, 0, "Victory 2 -1 0 0", WinRule::AtLeast);
        add("the goal", 100, 100, 0, "Victory 2 -1 100 0");
        add("a goal of 0", 0, 0, 0, "Victory 2 -1 0 0");
        add("one short", 100, 99, 0, "ToMove 2 -1 0 0");
        add("past the goal", 100, 101, 0, "ToMove 2 -1 0 0");
        add("lost turn", 100, 5, 1, "TurnLost 2 -1 0 0");
        add("a winner's lost turn", 100, 100, 1, "Victory 2 -1 100 0");
    }
    void beginTurn() {
        QFETCH(int, goal);
        QFETCH(int, gold);
        QFETCH(int, skip);
        QFETCH(QString, events);
        QFETCH(WinRule, rule);
        GameState gs = landed();
        gs.goldToWin = int16_t(goal);
        gs.winRule = rule;
        gs.playerGold = {goal, goal, gold, goal};
        gs.currentPlayer = 2;
        gs.playerSkipTurns[2] = skip;
        FakeRandom dice;
        QCOMPARE(said(Game::BeginTurn(gs, dice)), events);
        const Stage stage = events[0] == u'V'                ? Stage::Won
                            : events.startsWith(u"TurnLost") ? Stage::TurnLost
                                                             : Stage::Roll;
        QCOMPARE(gs.stage, stage);
        Game::PassOverLostTurn(gs);
        QCOMPARE(row(QList<int>{gs.playerSkipTurns[2], gs.currentPlayer}),
                 stage == Stage::TurnLost ? u"0|3"_s : u"%1|2"_s.arg(skip));
    }

    // Only a turn's roll moves, after a randomize; the ring wraps from 29 to 0.
    void theRollGoesRoundTheRing() {
        GameState gs = landed(u"polje"_s, u"|0||0|23|0"_s);
        FakeRandom dice;
        QVERIFY(!Game::Roll(gs, dice));
        QStringList seen;
        for (const int die : {6, 4, 6, 6, 6, 6, 3}) {
            gs.stage = Stage::Roll;
            dice.pushRoll(die, 6);
            seen << said({*Game::Roll(gs, dice)}).mid(7);
            QCOMPARE(gs.stage, Stage::Moving);
        }
        QCOMPARE(seen.join(u", "),
                 u"3 -1 6 23, 3 -1 4 29, 3 -1 6 3, 3 -1 6 9, 3 -1 6 15, "
                 "3 -1 6 21, 3 -1 3 27"_s);
        QCOMPARE(gs.playerSquare[3], 0);
        QCOMPARE(dice.randomizeCount, 7);
    }

    // A meeting (the lowest other slot in the game there) opens the fight, whatever the square;
    // else a coin pays one, a plain square nothing.
    void landing_data() {
        QTest::addColumn<QList<int>>("squares");
        QTest::addColumn<int>("inGame");
        QTest::addColumn<int>("mover");
        QTest::addColumn<QString>("events");
        const auto add = [](const char* name, QList<int> at, int in, int mover, const char* e) {
            QTest::newRow(name) << at << in << mover << QString::fromLatin1(e);
        };
        add("a lower slot", {0, 1, 8, 8}, 4, 3, "Met 3 2 0 0, FightOpened 3 2 0 7");
        add("the lowest of two", {8, 1, 8, 8}, 4, 2, "Met 2 0 0 0, FightOpened 2 0 0 7");
        add("all four when none fixed", {8, 1, 21, 8}, 0, 0, "Met 0 3 0 0, FightOpened 0 3 0 7");
        add("never the uncreated", {8, 1, 8, 8}, 2, 0, "CoinFound 0 -1 5 0");
        add("never itself", {0, 8, 21, 11}, 4, 1, "CoinFound 1 -1 5 0");
        add("plain", {0, 9, 21, 11}, 4, 1, "PlainSquare 1 -1 0 0");
    }
    void landing() {
        QFETCH(QList<int>, squares);
        QFETCH(int, inGame);
        QFETCH(int, mover);
        QFETCH(QString, events);
        GameState gs = landed(u"coin"_s, u"|0||0|8|0"_s);
        for (int p = 0; p < 4; ++p) gs.playerSquare[p] = squares[p];
        gs.playersInGame = inGame;
        gs.playerGold[mover] = 4;
        gs.currentPlayer = int16_t(mover);
        FakeRandom dice;
        gs.stage = Stage::Roll;
        QVERIFY(Game::Land(gs, dice).isEmpty());
        gs.stage = Stage::Moving;
        const bool met = events.startsWith(u"Met");
        if (met) dice.pushRoll(7, 15);
        QCOMPARE(said(Game::Land(gs, dice)), events);
        QCOMPARE(gs.opponentIndex, met ? events.section(u' ', 2, 2).toInt() : 4);
        QCOMPARE(gs.stage, met ? Stage::Fight : Stage::TurnOver);
        QCOMPARE(gs.playerGold[mover], events.startsWith(u"Coin") ? 5 : 4);
    }

    // Each reward replaces its kind of item, even with a weaker one; a heap of 1..100 coins adds
    // to the gold, and its die is drawn on every take.
    void reward_data() {
        QTest::addColumn<int>("reward");
        QTest::addColumn<double>("heap");  // < 0: left
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        const auto add = [](int r, double heap, const QString& before, const char* after) {
            QTest::addRow("%d %s %s", r, heap < 0 ? "left" : "taken", qPrintable(before))
                << r << heap << before << QString::fromLatin1(after);
        };
        const QString bare = u"|0||0|8|0"_s, full = u"spear|4|crveni stit|60|8|0"_s;
        const char* const bareAfter[] = {
            "dagger|0||0|8|0", "sword|0||0|8|0",      "axe|0||0|8|0",        "spear|0||0|8|0",
            "|0||37|8|0",      "|1||0|8|0",           "|2||0|8|0",           "|3||0|8|0",
            "|4||0|8|0",       "|0|plavi stit|0|8|0", "|0|crveni stit|0|8|0"};
        for (int r = 1; r <= 11; ++r) add(r, 0.365, bare, bareAfter[r - 1]);
        add(1, 0.0, full, "dagger|4|crveni stit|60|8|0");
        add(6, 0.0, full, "spear|1|crveni stit|60|8|0");
        add(10, 0.0, full, "spear|4|plavi stit|60|8|0");
        add(5, 0.999999, full, "spear|4|crveni stit|160|8|0");
        add(5, -1, full, "spear|4|crveni stit|60|8|0");
        add(2, -1, bare, "|0||0|8|0");
        add(9, -1, bare, "|0||0|8|0");
        add(11, -1, bare, "|0||0|8|0");
    }
    void reward() {
        QFETCH(int, reward);
        QFETCH(double, heap);
        QFETCH(QString, before);
        QFETCH(QString, after);
        GameState gs = landed(u"nagrada"_s, before);
        const QString rest = others(gs);
        FakeRandom dice;
        dice.pushRoll(reward, 11);
        QCOMPARE(said(Game::Land(gs, dice)), u"RewardOffered 3 -1 0 %1"_s.arg(reward));
        QCOMPARE(gs.stage, Stage::Reward);
        if (heap >= 0) dice.pushDraw(heap);
        const auto done = heap >= 0 ? Game::TakeReward(gs, dice) : Game::LeaveReward(gs);
        const int coins = reward == 5 && heap >= 0 ? int(heap * 100) + 1 : 0;
        QCOMPARE(
            said({*done}),
            u"Reward%1 3 -1 %2 %3"_s.arg(heap < 0 ? u"Left"_s : u"Taken"_s).arg(coins).arg(reward));
        QVERIFY(dice.draws.isEmpty());
        QCOMPARE(kit(gs, 3) + u' ' + others(gs), after + u' ' + rest);
        QCOMPARE(gs.stage, Stage::TurnOver);
        QVERIFY(!Game::TakeReward(gs, dice) && !Game::LeaveReward(gs));
    }

    // Each mishap, also with nothing to lose. The thief's die (0..gold - 1 coins) is drawn
    // whatever the mishap; the square the dog chases Dule to (Ana's reward square) is not
    // resolved.
    void mishap_data() {
        QTest::addColumn<int>("mishap");
        QTest::addColumn<double>("theft");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        const auto add = [](const char* name, int m, double theft, const char* b, const char* a) {
            QTest::newRow(name) << m << theft << QString::fromLatin1(b) << QString::fromLatin1(a);
        };
        add("weapon breaks", 1, 0.7, "axe|3||40|8|0", "|3||40|8|0");
        add("no weapon", 1, 0.7, "|3||0|8|0", "|3||0|8|0");
        add("armour falls apart", 2, 0.1, "spear|4|plavi stit|0|8|0", "spear|0|plavi stit|0|8|0");
        add("dog 8 to 5", 3, 0.5, "|1||0|8|0", "|1||0|5|0");
        add("dog 2 to 29", 3, 0.5, "|1||0|2|0", "|1||0|29|0");
        add("dog 0 to 27", 3, 0.5, "|1||0|0|0", "|1||0|27|0");
        add("thief", 4, 0.5, "|0||40|8|0", "|0||20|8|0");
        add("thief at most", 4, 0.999999, "|0||100|8|0", "|0||1|8|0");
        add("thief at least", 4, 0.0, "|0||100|8|0", "|0||100|8|0");
        add("one coin", 4, 0.999999, "|0||1|8|0", "|0||1|8|0");
        add("no gold", 4, 0.999999, "|0||0|8|0", "|0||0|8|0");
        add("inquisition", 5, 0.3, "|0||0|8|0", "|0||0|8|1");
        add("inquisition again", 5, 0.3, "|0||0|8|1", "|0||0|8|1");
    }
    void mishap() {
        QFETCH(int, mishap);
        QFETCH(double, theft);
        QFETCH(QString, before);
        QFETCH(QString, after);
        GameState gs = landed(u"opasnost"_s, before);
        gs.playerSquare[0] = 5;
        gs.squareKind[5] = u"nagrada"_s;
        const QString rest = others(gs);
        FakeRandom dice;
        dice.pushRoll(mishap, 5);
        dice.pushDraw(theft);
        const int stolen =
            mishap == 4 ? before.section(u'|', 3, 3).toInt() - after.section(u'|', 3, 3).toInt()
                        : 0;
        QCOMPARE(said(Game::Land(gs, dice)), u"MishapStruck 3 -1 %1 %2"_s.arg(stolen).arg(mishap));
        QVERIFY(dice.draws.isEmpty());
        QCOMPARE(kit(gs, 3) + u' ' + others(gs), after + u' ' + rest);
        QCOMPARE(row(QList<int>{gs.mishapStruck, gs.opponentIndex, int(gs.stage)}),
                 u"%1|4|%2"_s.arg(mishap).arg(int(Stage::Danger)));
        if (mishap == 4) QCOMPARE(gs.goldStolen, stolen);
        QVERIFY(Game::AcknowledgeMishap(gs));
        QCOMPARE(gs.stage, Stage::TurnOver);
        QVERIFY(!Game::AcknowledgeMishap(gs));
    }
};

QTEST_GUILESS_MAIN(TurnTest)
#include "test_turn.moc"
