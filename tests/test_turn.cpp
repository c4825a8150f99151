// A turn's rules over the record alone, with scripted dice: a new game, the board's draw, the
// roll, the landing, the rewards and mishaps, the victory and lost turns.
#include <QTest>
#include <cmath>

#include "game/Turn.h"
#include "support/Core.h"

using namespace Qt::StringLiterals;

namespace {
// A new game of four on a plain board, the first turn begun; nobody wins in these tests.
GameState board() {
    GameState gs;
    newGameOfFour(gs);
    gs.newGame = 0;
    gs.goldToWin = 1000;
    gs.squareKind.fill(u"polje"_s);
    gs.stage = Stage::Roll;
    return gs;
}

// What a square can give or take: weapon, armour, shield, gold, square, lost turns.
QString kit(const GameState& gs, int p) {
    return row(QVariantList{gs.playerWeapon[p], gs.playerArmor[p], gs.playerShield[p],
                            gs.playerGold[p], gs.playerSquare[p], gs.playerSkipTurns[p]});
}
void setKit(GameState& gs, int p, const QString& kit) {
    const QStringList f = kit.split(u'|');
    gs.playerWeapon[p] = f[0];
    gs.playerArmor[p] = f[1].toInt();
    gs.playerShield[p] = f[2];
    gs.playerGold[p] = f[3].toInt();
    gs.playerSquare[p] = f[4].toInt();
    gs.playerSkipTurns[p] = f[5].toInt();
}

// Dule (slot 3) has landed with the kit given, on a square of the kind given.
GameState landedOn(const QString& kind, const QString& dule) {
    GameState gs = board();
    setKit(gs, 3, dule);
    gs.squareKind[gs.playerSquare[3]] = kind;
    gs.currentPlayer = 3;
    gs.stage = Stage::Moving;
    return gs;
}
}  // namespace

class TurnTest : public QObject {
    Q_OBJECT
private slots:
    // Creation: every slot gets the new game's values; "<" stops at portrait 0, ">" reaches 13
    // and one more falls back to 12; a slot is stored with what the screen holds.
    void creation() {
        GameState gs;
        Game::PrepareNewGame(gs);
        QCOMPARE(row(gs.playerSquare) + row(gs.playerWeapon) + row(gs.playerArmor) +
                     row(gs.playerShield) + row(gs.playerHealth),
                 u"0|1|21|11sword|axe|dagger|spear0|1|2|3|crveni stit||plavi stit10|10|10|10"_s);
        QCOMPARE(gs.newGame, 1);
        QStringList seen;
        for (const int by : {-1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, -1}) {
            Game::ChangePortrait(gs, by);
            seen << gs.playerPortrait[0].mid(4, 2);
        }
        QCOMPARE(seen.join(u' '), u"00 01 02 03 04 05 06 07 08 09 10 11 12 13 12 13 12"_s);
        Game::NextSlot(gs, u"Ana"_s, u"/zvuk/srpski"_s, true);
        Game::StartGame(gs, u"Bora"_s, u"/zvuk"_s, false);
        QCOMPARE(
            row(gs.playerName) + row(gs.playerSoundTheme) + row(gs.playerComputer) +
                row(gs.playerPortrait),
            u"Ana|Bora||/zvuk/srpski|/zvuk||true|false|false|false\\lik12.gif|\\lik00.gif||"_s);
        QCOMPARE(gs.playersInGame, 2);
    }

    // A new start clears every player and the creation; only the gold to win stays, and the
    // title brings it back to 100.
    void aNewStartIsFresh() {
        GameState gs = board();
        gs.goldToWin = 50;
        gs.playerGold = {50, 0, 7, 0};
        gs.playerSkipTurns[1] = gs.playerWeaponPower[2] = gs.playerPortraitNo[3] = 3;
        gs.playerComputer[2] = true;
        gs.creatingPlayer = gs.currentPlayer = 3;
        Game::StartFresh(gs);
        QCOMPARE(row(gs.playerName) + row(gs.playerWeapon) + row(gs.playerShield) +
                     row(gs.playerPortrait) + row(gs.playerSoundTheme),
                 u"|||"_s.repeated(5));
        QCOMPARE(row(gs.playerSquare) + row(gs.playerGold) + row(gs.playerArmor) +
                     row(gs.playerHealth) + row(gs.playerWeaponPower) + row(gs.playerSkipTurns) +
                     row(gs.playerPortraitNo),
                 u"0|0|0|0"_s.repeated(7));
        QCOMPARE(row(gs.playerComputer), u"false|false|false|false"_s);
        QCOMPARE(row(QList<int>{gs.creatingPlayer, gs.currentPlayer, gs.playersInGame,
                                int(gs.stage), gs.goldToWin}),
                 u"0|0|0|0|50"_s);
        gs.fightOpen = 1;
        Game::OpenTitle(gs);
        QCOMPARE(row(QList<int>{gs.goldToWin, gs.fightOpen}), u"100|0"_s);
    }

    // Squares 1..29 take their kind from one die of 8 each, after one randomize; square 0 stays
    // empty; the next turn of the same game draws nothing.
    void theBoardIsDrawnOncePerGame() {
        GameState gs;
        newGameOfFour(gs);
        FakeRandom dice;
        for (int i = 1; i <= 29; ++i) dice.pushRoll(1 + i % 8, 8);
        QCOMPARE(said(Game::BeginTurn(gs, dice)), u"BoardGenerated -1 -1 0 0, ToMove 0 -1 0 0"_s);
        QCOMPARE(row(QList<QString>(gs.squareKind.begin(), gs.squareKind.begin() + 9)),
                 u"|polje|polje|polje|polje|opasnost|nagrada|coin|polje"_s);
        QCOMPARE(gs.squareKind[29], u"opasnost"_s);
        QVERIFY(dice.draws.isEmpty());
        QCOMPARE(dice.randomizeCount, 1);
        QCOMPARE(gs.newGame, 0);
        QCOMPARE(said(Game::BeginTurn(gs, dice)), u"ToMove 0 -1 0 0"_s);
    }

    // The player to move (Ceca) wins holding exactly the gold to win, before a lost turn.
    void beginTurn_data() {
        QTest::addColumn<int>("goal");
        QTest::addColumn<int>("gold");
        QTest::addColumn<int>("skip");
        QTest::addColumn<QString>("events");
        QTest::addColumn<Stage>("stage");
        QTest::newRow("the goal") << 100 << 100 << 0 << "Victory 2 -1 100 0" << Stage::Won;
        QTest::newRow("a goal of 0") << 0 << 0 << 0 << "Victory 2 -1 0 0" << Stage::Won;
        QTest::newRow("one short") << 100 << 99 << 0 << "ToMove 2 -1 0 0" << Stage::Roll;
        QTest::newRow("past the goal") << 100 << 101 << 0 << "ToMove 2 -1 0 0" << Stage::Roll;
        QTest::newRow("lost turn") << 100 << 5 << 1 << "TurnLost 2 -1 0 0" << Stage::TurnOver;
        QTest::newRow("a winner's lost turn")
            << 100 << 100 << 1 << "Victory 2 -1 100 0" << Stage::Won;
    }
    void beginTurn() {
        QFETCH(int, goal);
        QFETCH(int, gold);
        QFETCH(int, skip);
        QFETCH(QString, events);
        QFETCH(Stage, stage);
        GameState gs = board();
        gs.goldToWin = int16_t(goal);
        gs.playerGold = {goal, goal, gold, goal};
        gs.currentPlayer = 2;
        gs.playerSkipTurns[2] = skip;
        FakeRandom dice;
        QCOMPARE(said(Game::BeginTurn(gs, dice)), events);
        QCOMPARE(gs.stage, stage);
        if (stage != Stage::TurnOver) return;
        // The lost turn is cleared and passed over.
        Game::PassOverLostTurn(gs);
        QCOMPARE(row(QList<int>{gs.playerSkipTurns[2], gs.currentPlayer}), u"0|3"_s);
    }

    // Only a turn's roll moves, after a randomize; the ring wraps from 29 to 0.
    void theRollGoesRoundTheRing() {
        GameState gs = board();
        gs.stage = Stage::Moving;
        gs.playerSquare[0] = 23;
        FakeRandom dice;
        QVERIFY(!Game::Roll(gs, dice));
        QStringList seen;
        for (const int die : {6, 4, 6, 6, 6, 6, 3}) {
            gs.stage = Stage::Roll;
            dice.pushRoll(die, 6);
            seen << said({*Game::Roll(gs, dice)});
            QCOMPARE(gs.stage, Stage::Moving);
        }
        QCOMPARE(seen.join(u", "),
                 u"Rolled 0 -1 6 23, Rolled 0 -1 4 29, Rolled 0 -1 6 3, "
                 "Rolled 0 -1 6 9, Rolled 0 -1 6 15, Rolled 0 -1 6 21, "
                 "Rolled 0 -1 3 27"_s);
        QCOMPARE(gs.playerSquare[0], 0);
        QCOMPARE(dice.randomizeCount, 7);
    }

    // Where the token lands: a meeting (the lowest other slot in the game there) opens the fight
    // whatever the square holds; else a coin pays one, a plain square nothing.
    void landing_data() {
        QTest::addColumn<QList<int>>("squares");
        QTest::addColumn<int>("inGame");
        QTest::addColumn<int>("mover");
        QTest::addColumn<int>("met");
        QTest::addColumn<QString>("events");
        QTest::newRow("a lower slot")
            << QList{0, 1, 8, 8} << 4 << 3 << 2 << "Met 3 2 0 0, FightOpened 3 2 0 7";
        QTest::newRow("the lowest of two")
            << QList{8, 1, 8, 8} << 4 << 2 << 0 << "Met 2 0 0 0, FightOpened 2 0 0 7";
        QTest::newRow("all four when none fixed")
            << QList{8, 1, 21, 8} << 0 << 0 << 3 << "Met 0 3 0 0, FightOpened 0 3 0 7";
        QTest::newRow("never the uncreated")
            << QList{8, 1, 8, 8} << 2 << 0 << 4 << "CoinFound 0 -1 5 0";
        QTest::newRow("never itself") << QList{0, 8, 21, 11} << 4 << 1 << 4 << "CoinFound 1 -1 5 0";
        QTest::newRow("plain") << QList{0, 9, 21, 11} << 4 << 1 << 4 << "PlainSquare 1 -1 0 0";
    }
    void landing() {
        QFETCH(QList<int>, squares);
        QFETCH(int, inGame);
        QFETCH(int, mover);
        QFETCH(int, met);
        QFETCH(QString, events);
        GameState gs = board();
        gs.squareKind[8] = u"coin"_s;
        for (int p = 0; p < 4; ++p) gs.playerSquare[p] = squares[p];
        gs.playersInGame = inGame;
        gs.playerGold[mover] = 4;
        gs.currentPlayer = int16_t(mover);
        FakeRandom dice;
        QVERIFY(Game::Land(gs, dice).isEmpty());  // no roll yet
        gs.stage = Stage::Moving;
        if (met < 4) dice.pushRoll(7, 15);
        QCOMPARE(said(Game::Land(gs, dice)), events);
        QCOMPARE(gs.opponentIndex, met);
        QCOMPARE(gs.stage, met < 4 ? Stage::Fight : Stage::TurnOver);
        QCOMPARE(gs.playerGold[mover], events.startsWith(u"Coin") ? 5 : 4);
    }

    // Dule takes or leaves each reward: it replaces its kind of item, even with a weaker one; a
    // heap of 1..100 coins adds to the gold. The heap's die is drawn on every take.
    void reward_data() {
        QTest::addColumn<int>("reward");
        QTest::addColumn<bool>("take");
        QTest::addColumn<double>("heap");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        const QString bare = u"|0||0|8|0"_s, full = u"spear|4|crveni stit|60|8|0"_s;
        const QStringList bareAfter = {
            u"dagger|0||0|8|0"_s,     u"sword|0||0|8|0"_s,      u"axe|0||0|8|0"_s,
            u"spear|0||0|8|0"_s,      u"|0||37|8|0"_s,          u"|1||0|8|0"_s,
            u"|2||0|8|0"_s,           u"|3||0|8|0"_s,           u"|4||0|8|0"_s,
            u"|0|plavi stit|0|8|0"_s, u"|0|crveni stit|0|8|0"_s};
        for (int r = 1; r <= 11; ++r)
            QTest::addRow("take %d", r) << r << true << 0.365 << bare << bareAfter[r - 1];
        QTest::newRow("a dagger for a spear")
            << 1 << true << 0.0 << full << u"dagger|4|crveni stit|60|8|0"_s;
        QTest::newRow("a robe for plate")
            << 6 << true << 0.0 << full << u"spear|1|crveni stit|60|8|0"_s;
        QTest::newRow("blue for red")
            << 10 << true << 0.0 << full << u"spear|4|plavi stit|60|8|0"_s;
        QTest::newRow("the smallest heap")
            << 5 << true << 0.0 << full << u"spear|4|crveni stit|61|8|0"_s;
        QTest::newRow("the largest heap")
            << 5 << true << 0.999999 << full << u"spear|4|crveni stit|160|8|0"_s;
        QTest::newRow("leave the heap") << 5 << false << 0.0 << full << full;
        QTest::newRow("leave plate") << 9 << false << 0.0 << bare << bare;
    }
    void reward() {
        QFETCH(int, reward);
        QFETCH(bool, take);
        QFETCH(double, heap);
        QFETCH(QString, before);
        QFETCH(QString, after);
        GameState gs = landedOn(u"nagrada"_s, before);
        const QString others = kit(gs, 0) + kit(gs, 1) + kit(gs, 2);
        FakeRandom dice;
        dice.pushRoll(reward, 11);
        QCOMPARE(said(Game::Land(gs, dice)), u"RewardOffered 3 -1 0 %1"_s.arg(reward));
        QCOMPARE(gs.stage, Stage::Reward);
        QCOMPARE(gs.rewardOffered, reward);
        if (take) dice.pushDraw(heap);
        const int coins = reward == 5 && take ? int(heap * 100) + 1 : 0;
        const auto done = take ? Game::TakeReward(gs, dice) : Game::LeaveReward(gs);
        QCOMPARE(said({*done}),
                 u"%1 3 -1 %2 %3"_s.arg(QLatin1String(take ? "RewardTaken" : "RewardLeft"))
                     .arg(coins)
                     .arg(reward));
        QVERIFY(dice.draws.isEmpty());
        QCOMPARE(kit(gs, 3), after);
        QCOMPARE(kit(gs, 0) + kit(gs, 1) + kit(gs, 2), others);
        QCOMPARE(gs.stage, Stage::TurnOver);
        QVERIFY(!Game::TakeReward(gs, dice) && !Game::LeaveReward(gs));
    }

    // Each mishap Dule suffers, also with nothing to lose. The thief's die (0..gold - 1 coins)
    // is drawn whatever the mishap; the square the dog chases him to is not resolved.
    void mishap_data() {
        QTest::addColumn<int>("mishap");
        QTest::addColumn<double>("theft");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("stolen");
        const auto row = [](const char* name, int m, double theft, const char* before,
                            const char* after, int stolen = 0) {
            QTest::newRow(name) << m << theft << QString::fromUtf8(before)
                                << QString::fromUtf8(after) << stolen;
        };
        row("weapon breaks", 1, 0.7, "axe|3||40|8|0", "|3||40|8|0");
        row("no weapon", 1, 0.7, "|3||0|8|0", "|3||0|8|0");
        row("armour falls apart", 2, 0.1, "spear|4|plavi stit|0|8|0", "spear|0|plavi stit|0|8|0");
        row("dog 8 to 5, onto Ana", 3, 0.5, "|1||0|8|0", "|1||0|5|0");
        row("dog 2 to 29", 3, 0.5, "|1||0|2|0", "|1||0|29|0");
        row("dog 0 to 27", 3, 0.5, "|1||0|0|0", "|1||0|27|0");
        row("thief", 4, 0.5, "|0||40|8|0", "|0||20|8|0", 20);
        row("thief at most", 4, 0.999999, "|0||100|8|0", "|0||1|8|0", 99);
        row("thief at least", 4, 0.0, "|0||100|8|0", "|0||100|8|0");
        row("one coin", 4, 0.999999, "|0||1|8|0", "|0||1|8|0");
        row("no gold", 4, 0.999999, "|0||0|8|0", "|0||0|8|0");
        row("inquisition", 5, 0.3, "|0||0|8|0", "|0||0|8|1");
        row("inquisition again", 5, 0.3, "|0||0|8|1", "|0||0|8|1");
    }
    void mishap() {
        QFETCH(int, mishap);
        QFETCH(double, theft);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, stolen);
        GameState gs = landedOn(u"opasnost"_s, before);
        gs.playerSquare[0] = 5;
        gs.squareKind[5] = u"nagrada"_s;
        const QString others = kit(gs, 0) + kit(gs, 1) + kit(gs, 2);
        FakeRandom dice;
        dice.pushRoll(mishap, 5);
        dice.pushDraw(theft);
        QCOMPARE(said(Game::Land(gs, dice)), u"MishapStruck 3 -1 %1 %2"_s.arg(stolen).arg(mishap));
        QVERIFY(dice.draws.isEmpty());
        QCOMPARE(kit(gs, 3), after);
        QCOMPARE(kit(gs, 0) + kit(gs, 1) + kit(gs, 2), others);
        QCOMPARE(gs.mishapStruck, mishap);
        if (mishap == 4) QCOMPARE(gs.goldStolen, stolen);
        QCOMPARE(gs.opponentIndex, 4);
        QCOMPARE(gs.stage, Stage::Danger);
        QVERIFY(Game::AcknowledgeMishap(gs));
        QCOMPARE(gs.stage, Stage::TurnOver);
        QVERIFY(!Game::AcknowledgeMishap(gs));
    }

    // With the real dice every reward and every mishap comes up with its share. A count with
    // chance p in v landings is binomial; a fair generator strays six standard deviations from
    // v * p about once in 10^8 runs.
    void outcomesComeUpEquallyOften() {
        StdRandom dice;
        for (const QString& kind : {u"nagrada"_s, u"opasnost"_s}) {
            const int n = kind == u"nagrada"_s ? 11 : 5, landings = 600 * n;
            QList<int> seen(n + 1);
            for (int i = 0; i < landings; ++i) {
                GameState gs = landedOn(kind, u"|0||0|8|0"_s);
                Game::Land(gs, dice);
                ++seen[n == 11 ? gs.rewardOffered : gs.mishapStruck];
            }
            const double p = 1.0 / n, sigma = std::sqrt(landings * p * (1 - p));
            QCOMPARE(seen[0], 0);
            for (int k = 1; k <= n; ++k)
                QVERIFY2(std::abs(seen[k] - landings * p) <= 6 * sigma, qPrintable(kind));
        }
    }
};

QTEST_GUILESS_MAIN(TurnTest)
#include "test_turn.moc"
