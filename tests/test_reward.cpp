#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "platform/PictureBox.h"
#include "screens/Nagrade/Nagrade.h"
#include "square_helpers.h"
#include "state/Items.h"

namespace {
constexpr int kSquare = 11;
const QString kKind = QStringLiteral("nagrada");

struct Loadout {
    QString weapon;
    int armor = 0;
    QString shield;
    int gold = 0;
    bool operator==(const Loadout&) const = default;
};

void equip(GameState& gs, int p, const Loadout& l) {
    gs.playerWeapon[p] = l.weapon;
    gs.playerArmor[p] = l.armor;
    gs.playerShield[p] = l.shield;
    gs.playerGold[p] = l.gold;
}

Loadout loadoutOf(const GameState& gs, int p) {
    return {gs.playerWeapon[p], gs.playerArmor[p], gs.playerShield[p], gs.playerGold[p]};
}

// The loadout after taking reward r with g coins in the heap.
Loadout taken(Loadout l, int r, int g) {
    const QString weapons[] = {"dagger", "sword", "axe", "spear"};
    if (r <= 4) l.weapon = weapons[r - 1];
    if (r == 5) l.gold += g;
    if (r >= 6 && r <= 9) l.armor = r - 5;
    if (r == 10) l.shield = "plavi stit";
    if (r == 11) l.shield = "crveni stit";
    return l;
}

const char* const kPictures[] = {"dagger.gif",   "sword.gif",     "axe.gif",       "spear.gif",
                                 "zlatnici.gif", "robe.gif",      "leather.gif",   "chainmail.gif",
                                 "plate.gif",    "plavistit.gif", "crvenistit.gif"};
}  // namespace

Q_DECLARE_METATYPE(Loadout)

class RewardTest : public QObject {
    Q_OBJECT
private slots:
    void takingAppliesExactlyTheShownRow_data();
    void takingAppliesExactlyTheShownRow();
    void leavingOrClosingChangesNothing();
    void treasureIsOneToHundred();
    void rewardsComeUpEquallyOften();
    void landingOnTheSquareDuringAGame();
    void boardMayHandOverToVictory();
};

void RewardTest::takingAppliesExactlyTheShownRow_data() {
    QTest::addColumn<int>("reward");
    QTest::addColumn<Loadout>("start");
    // Every row for a player with nothing and for one with the best of everything: each reward
    // replaces its own kind of item, even with a weaker one, and touches nothing else.
    for (int r = 1; r <= 11; ++r) {
        QTest::addRow("bare %d", r) << r << Loadout{};
        QTest::addRow("full %d", r) << r << Loadout{"spear", 4, "crveni stit", 60};
    }
}

void RewardTest::takingAppliesExactlyTheShownRow() {
    QFETCH(int, reward);
    QFETCH(Loadout, start);
    TestGame game;
    setUpSquareGame(game.gs, 3, kSquare, kKind);
    equip(game.gs, 3, start);
    const Loadout other{"axe", 2, "plavi stit", 5};
    equip(game.gs, 1, other);
    game.screens.show(ScreenId::Form1);
    game.random.pushRoll(reward, 11);
    game.random.pushRoll(37, 100);

    game.screens.show(ScreenId::Nagrade);
    QVERIFY(!game.screens.isLoaded(ScreenId::Form1));
    auto* screen = game.screen<Nagrade>(ScreenId::Nagrade);
    QVERIFY(screen && screen->isVisible());
    QCOMPARE(screen->windowTitle(), QStringLiteral("Nagrada!"));
    QCOMPARE(screen->Image1->fileName(), QStringLiteral("lik13.gif"));
    QCOMPARE(screen->Image2->fileName(), QStringLiteral("ui/reward.png"));
    QCOMPARE(screen->Image3->fileName(), QString::fromLatin1(kPictures[reward - 1]));
    QCOMPARE(screen->Label1->text(), Items::reward(reward).description);
    QCOMPARE(screen->Command1->text(), QStringLiteral("Uzmi"));
    QCOMPARE(screen->Command2->text(), QStringLiteral("Ostavi"));
    QCOMPARE(game.sound.paths(), QStringList{"/igra/zvuk/tema3\\excellent.wav"});
    QCOMPARE(game.sound.played[0].mode, Sound::Mode::Async);

    // An Enter meant for the die's message box does not take the reward.
    QTest::keyClick(screen->Command1, Qt::Key_Return);
    QCOMPARE(loadoutOf(game.gs, 3), start);
    QVERIFY(game.screens.isLoaded(ScreenId::Nagrade));

    QTest::mouseClick(screen->Command1, Qt::LeftButton);
    // The gold die is rolled on every take, whatever the reward.
    QCOMPARE(game.random.drawCount, 2);
    QCOMPARE(loadoutOf(game.gs, 3), taken(start, reward, 37));
    QCOMPARE(loadoutOf(game.gs, 1), other);
    checkTurnEnded(game, ScreenId::Nagrade, 0, kSquare, kKind);
}

void RewardTest::leavingOrClosingChangesNothing() {
    const Loadout start{"dagger", 1, "", 12};
    for (bool closeFrame : {false, true}) {
        for (int r = 1; r <= 11; ++r) {
            TestGame game;
            setUpSquareGame(game.gs, 1, kSquare, kKind);
            equip(game.gs, 1, start);
            game.random.pushRoll(r, 11);
            game.screens.show(ScreenId::Nagrade);
            auto* screen = game.screen<Nagrade>(ScreenId::Nagrade);
            if (closeFrame) {
                screen->close();
            } else {
                QTest::mouseClick(screen->Command2, Qt::LeftButton);
            }
            QCOMPARE(game.random.drawCount, 1);
            QCOMPARE(loadoutOf(game.gs, 1), start);
            checkTurnEnded(game, ScreenId::Nagrade, 2, kSquare, kKind);
        }
    }
}

void RewardTest::treasureIsOneToHundred() {
    for (const auto& [draw, coins] : {std::pair{0.0, 1}, {0.5, 51}, {0.999999, 100}}) {
        TestGame game;
        setUpSquareGame(game.gs, 0, kSquare, kKind);
        game.gs.playerGold[0] = 7;
        game.random.pushRoll(5, 11);
        game.random.pushDraw(draw);
        game.screens.show(ScreenId::Nagrade);
        game.screen<Nagrade>(ScreenId::Nagrade)->Command1_Click();
        QCOMPARE(game.gs.playerGold[0], 7 + coins);
        TestGame::settle();
    }
}

void RewardTest::rewardsComeUpEquallyOften() {
    RealDiceGame<Nagrade> real(ScreenId::Nagrade);
    GameState& gs = real.game.gs;
    setUpSquareGame(gs, 0, kSquare, kKind);
    constexpr int kVisits = 3300;
    int seen[12] = {};
    int treasures = 0;
    double coins = 0;
    for (int visit = 0; visit < kVisits; ++visit) {
        const int p = gs.currentPlayer;
        equip(gs, p, {});
        real.screens.show(ScreenId::Nagrade);
        auto* screen = real.screens.loadedAs<Nagrade>(ScreenId::Nagrade);
        int r = 1;
        while (r <= 11 && screen->Image3->fileName() != QLatin1String(kPictures[r - 1])) ++r;
        QVERIFY2(r <= 11, qPrintable(screen->Image3->fileName()));
        QCOMPARE(screen->Label1->text(), Items::reward(r).description);
        ++seen[r];
        screen->Command1_Click();
        // What was applied is what was shown; the heap is 1..100.
        const int heap = gs.playerGold[p];
        QCOMPARE(loadoutOf(gs, p), taken({}, r, heap));
        if (r == Items::TREASURE_REWARD) {
            QVERIFY(heap >= 1 && heap <= 100);
            ++treasures;
            coins += heap;
        }
        if (visit % 200 == 0) TestGame::settle();
    }
    for (int r = 1; r <= 11; ++r)
        QVERIFY2(withinSixSigma(seen[r], kVisits, 1.0 / 11),
                 qPrintable(QStringLiteral("reward %1 came up %2 times").arg(r).arg(seen[r])));
    // The heap is uniform 1..100: mean 50.5, standard deviation sqrt((100^2 - 1) / 12).
    const double tolerance = 6 * std::sqrt((100.0 * 100 - 1) / 12 / treasures);
    QVERIFY2(std::abs(coins / treasures - 50.5) <= tolerance,
             qPrintable(QStringLiteral("heaps averaged %1").arg(coins / treasures)));
}

void RewardTest::landingOnTheSquareDuringAGame() {
    TestGame game;
    setUpSquareGame(game.gs, 0, 5, QStringLiteral("polje"));
    game.gs.squareKind[kSquare] = kKind;
    game.screens.show(ScreenId::Form1);
    const QPointer<Form1> board = game.screen<Form1>(ScreenId::Form1);
    game.random.pushRoll(6, 6);
    game.random.pushRoll(7, 11);  // leather
    game.random.pushRoll(12, 100);

    QTest::mouseClick(board->Command1, Qt::LeftButton);
    QCOMPARE(game.dialogs.messages, QStringList{"6"});
    QCOMPARE(game.gs.playerSquare[0], kSquare);
    // The reward screen's load unloaded the board from inside the board's own roll handler;
    // the handler finished without it and the old board really goes.
    QVERIFY(!game.screens.isLoaded(ScreenId::Form1));
    TestGame::settle();
    QVERIFY(board.isNull());
    auto* screen = game.screen<Nagrade>(ScreenId::Nagrade);
    QVERIFY(screen && screen->isVisible());
    QCOMPARE(screen->Image3->fileName(), QStringLiteral("leather.gif"));

    QTest::mouseClick(screen->Command1, Qt::LeftButton);
    QCOMPARE(game.gs.playerArmor[0], 2);
    checkTurnEnded(game, ScreenId::Nagrade, 1, kSquare, kKind);
    // The new board draws the player where the move ended, in the new armour.
    auto* again = game.screen<Form1>(ScreenId::Form1);
    QCOMPARE(again->Image1[kSquare]->fileName(), QStringLiteral("leather.gif"));
    QCOMPARE(again->Image2[kSquare]->fileName(), QStringLiteral("lik10.gif"));
}

void RewardTest::boardMayHandOverToVictory() {
    // The heap brings the player to exactly the gold to win; when the turn comes back round
    // the board hands over to the victory screen and closes, and nothing here reopens it.
    TestGame game;
    setUpSquareGame(game.gs, 1, kSquare, kKind);
    game.gs.playersInGame = 2;
    game.gs.goldToWin = 100;
    game.gs.playerGold[0] = 100;
    game.random.pushRoll(5, 11);
    game.random.pushRoll(30, 100);
    game.screens.show(ScreenId::Nagrade);

    game.screen<Nagrade>(ScreenId::Nagrade)->Command1_Click();

    QCOMPARE(int(game.gs.currentPlayer), 0);
    QVERIFY(!game.screens.isLoaded(ScreenId::Form1));
    QVERIFY(!game.screens.isLoaded(ScreenId::Nagrade));
    QVERIFY(game.screens.isVisible(ScreenId::pobeda));
    QCOMPARE(game.gs.playerGold[1], 30);
}

QTEST_MAIN(RewardTest)
#include "test_reward.moc"
