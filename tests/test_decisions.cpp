// How the computer players choose, on the positions that decide games: plain functions of the
// record, without a window.
#include <QTest>

#include "computer/Autoplay.h"
#include "computer/Decisions.h"
#include "computer/Strengths.h"
#include "game/Random.h"
#include "state/Items.h"

using namespace Computer;

namespace {
// Two fighters of a new game: 10 health, swords, no shields, no gold; the goal 100.
GameState TwoFighters() {
    GameState gs;
    gs.goldToWin = 100;
    for (int p : {0, 1}) {
        gs.playerHealth[p] = 10;
        gs.playerWeapon[p] = Items::SWORD;
    }
    return gs;
}

// A game of four Srednje seats to `goal`, played from its start until the first question of
// that kind is asked.
GameState AskedFirst(int goal, WinRule rule, Stage stage, uint64_t seed = 1) {
    StdRandom dice(seed);
    GameState gs;
    SetUpGame(gs, 4, goal);
    gs.winRule = rule;
    while (gs.stage != stage && PlayStep(gs, dice)) {
    }
    return gs;
}

// A look-ahead small enough for the debug build.
constexpr LookAheadSize kQuick{60, 40};
}  // namespace

class DecisionsTest : public QObject {
    Q_OBJECT
private slots:
    void rewards() {
        struct Row {
            const char* name;
            int goal, gold;
            const char* weapon;
            int lastPower;
            const char* shield;
            int reward;
            bool takes;
        };
        const Row rows[] = {
            // A heap of 1..100 unseen coins: worth taking below 57 of 100, where its average
            // worth (gold above the goal counting only for what a thief would leave) beats the
            // gold held.
            {"heap with nothing", 100, 0, "sword", 2, "", 5, true},
            {"heap at 56 of 100", 100, 56, "sword", 2, "", 5, true},
            {"heap at 57 of 100", 100, 57, "sword", 2, "", 5, false},
            {"heap above the goal", 100, 130, "sword", 2, "", 5, false},
            {"heap at 5 of 20", 20, 5, "sword", 2, "", 5, true},
            {"heap at 6 of 20", 20, 6, "sword", 2, "", 5, false},
            // Weapons by power; without a weapon the last one held still strikes.
            {"spear for a sword", 100, 0, "sword", 2, "", 4, true},
            {"dagger for a sword", 100, 0, "sword", 2, "", 1, false},
            {"sword for a sword", 100, 0, "sword", 2, "", 2, false},
            {"sword, none held, axe before", 100, 0, "", 3, "", 2, false},
            {"axe, none held, sword before", 100, 0, "", 2, "", 3, true},
            // Armour never changes a blow.
            {"plate", 100, 0, "sword", 2, "", 9, false},
            // Shields by the blows they stop: red 7 in 12, blue 1 in 3.
            {"blue with none", 100, 0, "sword", 2, "", 10, true},
            {"red with blue", 100, 0, "sword", 2, "plavi stit", 11, true},
            {"blue with red", 100, 0, "sword", 2, "crveni stit", 10, false},
        };
        for (const Row& r : rows) {
            GameState gs;
            gs.goldToWin = static_cast<int16_t>(r.goal);
            gs.playerGold[2] = r.gold;
            gs.playerWeapon[2] = QString::fromLatin1(r.weapon);
            gs.playerWeaponPower[2] = r.lastPower;
            gs.playerShield[2] = QString::fromLatin1(r.shield);
            QVERIFY2(TakeReward(gs, 2, r.reward) == r.takes, r.name);
        }
    }

    void fights() {
        struct Row {
            const char* name;
            int mine, theirs, myHealth;
            const char *myWeapon, *myShield;
            bool meNext, strikes;
        };
        // Against a sword, 10 health, no shield. Striking next wins an even fight 51.7 % of
        // the time.
        const Row rows[] = {
            {"all to win, the poorer at even odds", 40, 60, 10, "sword", "", true, true},
            {"all to win, the richer at even odds", 60, 40, 10, "sword", "", true, false},
            {"holding the goal, sure to win", 100, 80, 10, "spear", "", true, false},
            {"nothing to lose, hopeless", 0, 50, 1, "dagger", "", false, true},
            {"nothing to gain, nearly sure", 50, 0, 10, "spear", "", true, false},
            {"both poor", 0, 0, 10, "sword", "", false, true},
            {"a red shield, struck first", 30, 30, 10, "sword", "crveni stit", false, true},
            {"no shield against none, struck first", 30, 30, 10, "sword", "", false, false},
            {"worn down", 20, 20, 3, "sword", "", true, false},
        };
        for (const Row& r : rows) {
            GameState gs = TwoFighters();
            gs.playerGold[0] = r.mine;
            gs.playerGold[1] = r.theirs;
            gs.playerHealth[0] = r.myHealth;
            gs.playerWeapon[0] = QString::fromLatin1(r.myWeapon);
            gs.playerShield[0] = QString::fromLatin1(r.myShield);
            QVERIFY2(StrikeOn(gs, 0, 1, r.meNext) == r.strikes, r.name);
        }
    }

    void spoils() {
        GameState gs = TwoFighters();
        gs.playerWeapon[1] = Items::AXE;
        gs.playerArmor[1] = 4;
        gs.playerShield[0] = Items::BLUE_SHIELD;
        gs.playerShield[1] = Items::RED_SHIELD;
        QVERIFY(TakeSpoil(gs, 0, 1, Spoil::Weapon));
        QVERIFY(!TakeSpoil(gs, 0, 1, Spoil::Armor));
        QVERIFY(TakeSpoil(gs, 0, 1, Spoil::Shield));
        // The other way round: a weaker weapon, a weaker shield, and no weapon at all are left.
        QVERIFY(!TakeSpoil(gs, 1, 0, Spoil::Weapon));
        QVERIFY(!TakeSpoil(gs, 1, 0, Spoil::Shield));
        gs.playerWeapon[1].clear();
        QVERIFY(!TakeSpoil(gs, 0, 1, Spoil::Weapon));
    }

    // The house rule: gold at or above the goal wins, so it is all worth the same; a heap can
    // only help, and a player holding the goal or more flees every fight.
    void theGoalOrMore() {
        QCOMPARE(GoldWorth(130, 100, WinRule::AtLeast), 1.0);
        QCOMPARE(GoldWorth(99, 100, WinRule::AtLeast), 0.99);
        QVERIFY(GoldWorth(130, 100) < 0.5);
        GameState gs = TwoFighters();
        gs.winRule = WinRule::AtLeast;
        gs.goldToWin = 20;
        for (const int gold : {0, 6, 19}) {
            gs.playerGold[0] = gold;
            QVERIFY2(TakeReward(gs, 0, 5), qPrintable(QString::number(gold)));
        }
        gs.playerGold[0] = 20;
        QVERIFY(!TakeReward(gs, 0, 5));
        for (const int gold : {20, 35}) {
            gs.playerGold[0] = gold;
            gs.playerWeapon[0] = Items::SPEAR;
            QVERIFY2(!StrikeOn(gs, 0, 1, true), qPrintable(QString::number(gold)));
        }
    }

    // Srednje is the rules above; Lako answers as Srednje but for a share of its choices, made
    // by a coin drawn from the record, so the same record gets the same answer.
    void strengths() {
        GameState gs = AskedFirst(20, WinRule::Exactly, Stage::Reward);
        const int me = gs.currentPlayer;
        int differ = 0, asked = 0;
        for (int gold = 0; gold < 40; ++gold) {
            for (int reward = 1; reward <= Items::REWARD_COUNT; ++reward) {
                if (reward == Items::TREASURE_REWARD) continue;
                gs.playerGold[me] = gold;
                gs.rewardOffered = reward;
                const bool sensible = TakeReward(gs, me, reward);
                QCOMPARE(ChooseAt(Strength::Medium, gs, Choice::TakeReward), sensible);
                const bool careless = ChooseAt(Strength::Easy, gs, Choice::TakeReward);
                QCOMPARE(ChooseAt(Strength::Easy, gs, Choice::TakeReward), careless);
                differ += careless != sensible ? 1 : 0;
                ++asked;
            }
        }
        // A coin for a share of the choices goes against Srednje for half of them; no heap here.
        QVERIFY2(
            differ > asked * kCarelessShare / 2 * 0.6 && differ < asked * kCarelessShare / 2 * 1.4,
            qPrintable(QStringLiteral("%1 of %2").arg(differ).arg(asked)));
        // A heap is always grabbed, even one coin short of the goal.
        gs.playerGold[me] = 19;
        gs.rewardOffered = Items::TREASURE_REWARD;
        QVERIFY(!TakeReward(gs, me, Items::TREASURE_REWARD));
        QVERIFY(ChooseAt(Strength::Easy, gs, Choice::TakeReward));
        // The seat's own strength answers.
        gs.rewardOffered = 9;
        for (int gold = 0; gold < 10; ++gold) {
            gs.playerGold[me] = gold;
            for (const Strength s : {Strength::Easy, Strength::Medium}) {
                gs.playerStrength[me] = s;
                QCOMPARE(Choose(gs, Choice::TakeReward), ChooseAt(s, gs, Choice::TakeReward));
            }
        }
    }

    // Tesko's games ahead are its own: the same seed plays the same games, another seed others;
    // the game's dice are never touched.
    void lookAheadIsDeterministic() {
        const GameState gs = AskedFirst(20, WinRule::Exactly, Stage::Fight);
        const LookAhead a = LookAheadScores(gs, Choice::StrikeOn, 7, kQuick);
        const LookAhead b = LookAheadScores(gs, Choice::StrikeOn, 7, kQuick);
        QCOMPARE(a.yes, b.yes);
        QCOMPARE(a.no, b.no);
        const LookAhead c = LookAheadScores(gs, Choice::StrikeOn, 8, kQuick);
        QVERIFY(a.yes != c.yes || a.no != c.no);
        QCOMPARE(FarSightedWith(gs, Choice::StrikeOn, 7, kQuick),
                 FarSightedWith(gs, Choice::StrikeOn, 7, kQuick));
        QVERIFY(RecordHash(gs) == RecordHash(GameState(gs)));
        GameState moved = gs;
        moved.playerSquare[3] = (moved.playerSquare[3] + 1) % GameState::BOARD_SQUARES;
        QVERIFY(RecordHash(gs) != RecordHash(moved));
    }

    // Positions whose answer the games ahead must find: they pick it by a clear margin.
    void lookAheadFindsTheClearAnswers() {
        struct Row {
            const char* name;
            Stage stage;
            WinRule rule;
            int gold;  // the chooser's
            Choice choice;
            bool answer;
        };
        const Row rows[] = {
            {"strike holding the goal", Stage::Fight, WinRule::Exactly, 20, Choice::StrikeOn,
             false},
            {"strike holding more, at least", Stage::Fight, WinRule::AtLeast, 31, Choice::StrikeOn,
             false},
            {"a heap one coin short of the goal", Stage::Reward, WinRule::Exactly, 19,
             Choice::TakeReward, false},
            {"a heap short of the goal, at least", Stage::Reward, WinRule::AtLeast, 12,
             Choice::TakeReward, true},
        };
        for (const Row& r : rows) {
            GameState gs = AskedFirst(20, r.rule, r.stage);
            gs.playerGold[Chooser(gs, r.choice)] = r.gold;
            if (r.stage == Stage::Reward) gs.rewardOffered = 5;  // a heap of coins
            // Worn down, so that the blow back may fell the striker.
            if (r.stage == Stage::Fight) gs.playerHealth[Chooser(gs, r.choice)] = 2;
            const LookAhead a = LookAheadScores(gs, r.choice, 3, kQuick);
            const double better = r.answer ? a.yes - a.no : a.no - a.yes;
            QVERIFY2(better > 3 * a.spread && better > 0.05,
                     qPrintable(QStringLiteral("%1: %2 against %3 (%4)")
                                    .arg(QLatin1String(r.name))
                                    .arg(a.yes)
                                    .arg(a.no)
                                    .arg(a.spread)));
            QVERIFY2(FarSightedWith(gs, r.choice, 3, kQuick) == r.answer, r.name);
            gs.playerStrength[Chooser(gs, r.choice)] = Strength::Hard;
            QVERIFY2(Choose(gs, r.choice) == r.answer, r.name);
        }
    }

    void chanceToWin() {
        QCOMPARE(HitChance(QString()), 15.0 / 36);
        QCOMPARE(BlockChance(Items::BLUE_SHIELD), 1.0 / 3);
        QCOMPARE(BlockChance(Items::RED_SHIELD), 7.0 / 12);
        // Health 1 each, daggers: each blow fells with 15/72; the first striker wins 24 in 43.
        const Fighter weak{1, 1, QString()};
        QVERIFY(qAbs(ChanceToWin(weak, weak, true) - 24.0 / 43) < 1e-12);
        // One of the two wins: the chances of both sides add up to 1, whoever strikes next.
        const Fighter a{7, 3, Items::BLUE_SHIELD};
        const Fighter b{10, 2, Items::RED_SHIELD};
        for (bool next : {true, false})
            QVERIFY(qAbs(ChanceToWin(a, b, next) + ChanceToWin(b, a, !next) - 1.0) < 1e-12);
        QCOMPARE(ChanceToWin({10, 0, QString()}, {10, 0, QString()}, true), 0.0);
    }
};

QTEST_GUILESS_MAIN(DecisionsTest)
#include "test_decisions.moc"
