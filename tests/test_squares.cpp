// The reward and danger squares: every outcome, how often each comes up with the real dice, and
// a landing during a game.

#include <QPointer>
#include <QTest>
#include <cmath>

#include "fight_support.h"
#include "game/Random.h"
#include "screens/Form1/Form1.h"
#include "screens/Nagrade/Nagrade.h"
#include "screens/opasnost/opasnost.h"
#include "state/Items.h"

namespace {
constexpr int kSquare = 8;
const QStringList kRewardPictures = {
    "dagger.gif",  "sword.gif",     "axe.gif",   "spear.gif",     "zlatnici.gif",  "robe.gif",
    "leather.gif", "chainmail.gif", "plate.gif", "plavistit.gif", "crvenistit.gif"};

// What a square can give or take from a player: weapon, armour, shield, gold, square, lost turns.
using Kit = std::tuple<QString, int, QString, int, int, int>;
Kit kit(const QString& weapon = "", int armor = 0, const QString& shield = "", int gold = 0,
        int square = kSquare, int skip = 0) {
    return {weapon, armor, shield, gold, square, skip};
}
auto kitOf(GameState& gs, int p) {
    return std::tie(gs.playerWeapon[p], gs.playerArmor[p], gs.playerShield[p], gs.playerGold[p],
                    gs.playerSquare[p], gs.playerSkipTurns[p]);
}

// The kit after taking reward r with g coins in the heap.
Kit taken(Kit k, int r, int g) {
    if (r <= 4) std::get<0>(k) = QStringList{"dagger", "sword", "axe", "spear"}[r - 1];
    if (r == 5) std::get<3>(k) += g;
    if (r >= 6 && r <= 9) std::get<1>(k) = r - 5;
    if (r >= 10) std::get<2>(k) = r == 10 ? "plavi stit" : "crveni stit";
    return k;
}

// The four players in the middle of a game; the mover stands on kSquare, of the given kind.
void setUp(GameState& gs, int mover, const QString& kind) {
    fight_test::setUpPlayers(gs);
    for (int i = 1; i < GameState::BOARD_SQUARES; ++i) gs.squareKind[i] = "polje";
    gs.squareKind[kSquare] = kind;
    gs.playerSquare[mover] = kSquare;
    gs.currentPlayer = static_cast<int16_t>(mover);
    gs.goldToWin = 1000;  // nobody wins in the middle of these tests
}

// The turn is over: the square's screen is gone, the board is back naming the next player, and
// the square kept its kind.
void checkTurnEnded(TestGame& game, ScreenId square, int next, const QString& kind) {
    QCOMPARE(int(game.gs.currentPlayer), next);
    QVERIFY(!game.screens.isLoaded(square) && game.screens.isVisible(ScreenId::Form1));
    QCOMPARE(game.screen<Form1>(ScreenId::Form1)->Label2->text(), game.gs.playerName[next]);
    QCOMPARE(game.gs.squareKind[kSquare], kind);
    TestGame::settle();
}

QList<PictureBox*> mishapPictures(opasnost* s) {
    return {s->oruzjepol, s->armorpol, s->kuche, s->parelost, s->stub};
}

// Shows the square screen T `visits` times with the real dice, without the board (thousands of
// boards would take minutes): each of the n outcomes `judge` tells (1..n) comes up with its
// share. A count with chance p in v visits is binomial; a fair generator strays six standard
// deviations from v * p about once in 10^8 runs.
template <typename T>
void visitWithRealDice(ScreenId id, int visits, int n, const std::function<int(T*)>& judge) {
    TestGame game;
    StdRandom dice;
    Screens screens;
    Context ctx{game.gs, screens, game.pictures, game.dialogs, game.sound, dice, game.app, ""};
    screens.registerScreen(id, [&ctx] { return new T(ctx); });
    QList<int> seen(n + 1);
    for (int visit = 0; visit < visits; ++visit) {
        screens.show(id);
        ++seen[judge(screens.loadedAs<T>(id))];
        screens.unload(id);
        if (visit % 200 == 0) TestGame::settle();
    }
    screens.unloadAll();
    TestGame::settle();
    const double p = 1.0 / n, sigma = std::sqrt(visits * p * (1 - p));
    for (int k = 1; k <= n; ++k)
        QVERIFY2(std::abs(seen[k] - visits * p) <= 6 * sigma, qPrintable(QString::number(k)));
}

struct RewardCase {
    int reward;
    Kit start;
    QString action;  // take (with the heap die's draw), leave, close
    double heapDraw;
};

struct MishapCase {
    int mishap;
    double theftDraw;
    Kit before, after;
    QString message;
    bool close;
};
}  // namespace

Q_DECLARE_METATYPE(RewardCase)
Q_DECLARE_METATYPE(MishapCase)

class SquaresTest : public QObject {
    Q_OBJECT
private slots:
    void reward_data() {
        QTest::addColumn<RewardCase>("c");
        // Each reward replaces its own kind of item, even with a weaker one, and nothing else.
        const Kit full = kit("spear", 4, "crveni stit", 60);
        for (int r = 1; r <= 11; ++r) {
            QTest::addRow("take %d bare", r) << RewardCase{r, kit(), "take", 0.365};
            QTest::addRow("take %d full", r) << RewardCase{r, full, "take", 0.365};
            QTest::addRow("leave %d", r) << RewardCase{r, full, "leave", 0};
            QTest::addRow("close %d", r) << RewardCase{r, full, "close", 0};
        }
        QTest::newRow("smallest heap") << RewardCase{5, full, "take", 0.0};
        QTest::newRow("largest heap") << RewardCase{5, full, "take", 0.999999};
    }

    void reward() {
        QFETCH(RewardCase, c);
        TestGame game;
        setUp(game.gs, 3, "nagrada");
        kitOf(game.gs, 3) = c.start;
        kitOf(game.gs, 1) = kit("axe", 2, "plavi stit", 5, 4);
        game.screens.show(ScreenId::Form1);
        game.random.pushRoll(c.reward, 11);
        // The heap is drawn on every take, whatever the reward, and on nothing else.
        if (c.action == "take") game.random.pushDraw(c.heapDraw);
        game.screens.show(ScreenId::Nagrade);
        auto* screen = game.screen<Nagrade>(ScreenId::Nagrade);
        QCOMPARE(screen->Image1->fileName(), QStringLiteral("lik05.gif"));
        QCOMPARE(screen->Image3->fileName(), kRewardPictures[c.reward - 1]);
        QCOMPARE(screen->Label1->text(), Items::reward(c.reward).description);
        QCOMPARE(game.sound.paths(), QStringList{"/themes/t3\\excellent.wav"});
        // An Enter meant for the die's message box does not take the reward.
        QTest::keyClick(screen->Command1, Qt::Key_Return);
        QVERIFY(game.screens.isLoaded(ScreenId::Nagrade));

        if (c.action == "close") screen->close();
        if (c.action != "close")
            QTest::mouseClick(c.action == "take" ? screen->Command1 : screen->Command2,
                              Qt::LeftButton);
        QVERIFY(game.random.draws.isEmpty());
        QCOMPARE(Kit(kitOf(game.gs, 3)), c.action == "take"
                                             ? taken(c.start, c.reward, int(c.heapDraw * 100) + 1)
                                             : c.start);
        QCOMPARE(Kit(kitOf(game.gs, 1)), kit("axe", 2, "plavi stit", 5, 4));
        checkTurnEnded(game, ScreenId::Nagrade, 0, "nagrada");
    }

    void mishap_data() {
        QTest::addColumn<MishapCase>("c");
        const QString weapon = "Zbog neopreznog rukovanja polomilo vam se oruzje.";
        const QString armor = "Oklop vam se raspao na komade...kvalitet,nema sta.";
        const QString dog = "Pojurio vas pas,pa ste pobegli 3 koraka unazad!";
        const QString caught = "Uhvatila vas je inkvizicija! Propustate sledeci potez.";
        const Kit skipping = kit("", 0, "", 0, kSquare, 1);
        const auto theft = [](int n) { return QString("Neko vam je ukrao %1 zlatnika.").arg(n); };
        const auto row = [](const char* name, auto... f) {
            QTest::newRow(name) << MishapCase{f...};
        };
        // Each mishap also strikes a player with nothing to lose.
        row("weapon breaks", 1, 0.7, kit("axe", 3), kit("", 3), weapon, false);
        row("no weapon", 1, 0.7, kit("", 3), kit("", 3), weapon, false);
        row("armour falls apart", 2, 0.1, kit("spear", 4), kit("spear"), armor, false);
        row("no armour", 2, 0.1, kit("spear"), kit("spear"), armor, false);
        row("dog 2 to 29", 3, 0.5, kit("", 1, "", 0, 2), kit("", 1, "", 0, 29), dog, false);
        row("dog 1 to 28", 3, 0.5, kit("", 1, "", 0, 1), kit("", 1, "", 0, 28), dog, false);
        row("dog 0 to 27", 3, 0.5, kit("", 1, "", 0, 0), kit("", 1, "", 0, 27), dog, false);
        row("dog, window closed", 3, 0.5, kit(), kit("", 0, "", 0, 5), dog, true);
        row("thief", 4, 0.5, kit("", 0, "", 40), kit("", 0, "", 20), theft(20), false);
        row("thief at most", 4, 0.999999, kit("", 0, "", 100), kit("", 0, "", 1), theft(99), false);
        row("thief at least", 4, 0.0, kit("", 0, "", 100), kit("", 0, "", 100), theft(0), false);
        row("one coin", 4, 0.999999, kit("", 0, "", 1), kit("", 0, "", 1), theft(0), false);
        row("no gold", 4, 0.999999, kit(), kit(), theft(0), false);
        row("inquisition", 5, 0.3, kit(), skipping, caught, false);
        row("inquisition again", 5, 0.3, skipping, skipping, caught, false);
    }

    void mishap() {
        QFETCH(MishapCase, c);
        TestGame game;
        setUp(game.gs, 3, "opasnost");
        game.screens.show(ScreenId::Form1);
        kitOf(game.gs, 3) = c.before;
        kitOf(game.gs, 1) = kit("axe", 2, "", 33);
        game.random.pushRoll(c.mishap, 5);
        game.random.pushDraw(c.theftDraw);

        // Struck as the window opens, with both draws made whatever the mishap.
        game.screens.show(ScreenId::opasnost);
        QVERIFY(!game.screens.isLoaded(ScreenId::Form1) && game.random.draws.isEmpty());
        QCOMPARE(Kit(kitOf(game.gs, 3)), c.after);
        QCOMPARE(Kit(kitOf(game.gs, 1)), kit("axe", 2, "", 33));
        auto* screen = game.screen<opasnost>(ScreenId::opasnost);
        QCOMPARE(screen->Label1->text(), c.message);
        for (int m = 0; m < 5; ++m)
            QCOMPARE(mishapPictures(screen)[m]->isHidden(), m != c.mishap - 1);
        QCOMPARE(screen->Image2->fileName(), QStringLiteral("lik05.gif"));
        QCOMPARE(game.sound.paths(), QStringList{"/themes/t3\\ohdear.wav"});
        // An Enter meant for the die's message box does not close the news unread.
        QTest::keyClick(screen->Command1, Qt::Key_Return);
        QVERIFY(game.screens.isLoaded(ScreenId::opasnost));

        // OK, or closing the window, only ends the turn: nothing is drawn or applied again.
        if (c.close) screen->close();
        if (!c.close) QTest::mouseClick(screen->Command1, Qt::LeftButton);
        checkTurnEnded(game, ScreenId::opasnost, 0, "opasnost");
    }

    // Over a few thousand visits each outcome comes up with its share.
    void outcomesComeUpEquallyOften() {
        visitWithRealDice<Nagrade>(ScreenId::Nagrade, 3300, 11, [](Nagrade* s) {
            return int(kRewardPictures.indexOf(s->Image3->fileName())) + 1;
        });
        visitWithRealDice<opasnost>(ScreenId::opasnost, 3000, 5, [](opasnost* s) {
            int m = 1;
            while (m < 5 && mishapPictures(s)[m - 1]->isHidden()) ++m;
            return m;
        });
    }

    // The board's roll lands on a danger square; the dog chases the player back onto a reward
    // square where another player stands, and neither resolves.
    void dogDuringAGame() {
        TestGame game;
        setUp(game.gs, 2, "opasnost");
        game.gs.playerSquare = {kSquare - 3, 4, 4, 10};
        game.gs.squareKind[kSquare - 3] = "nagrada";
        game.screens.show(ScreenId::Form1);
        const QPointer<Form1> board = game.screen<Form1>(ScreenId::Form1);
        game.random.pushRoll(4, 6);
        game.random.pushRoll(3, 5);
        game.random.pushDraw(0.0);
        QTest::mouseClick(board->Command1, Qt::LeftButton);
        // Unloaded from inside its own roll handler, the old board goes once control is back.
        TestGame::settle();
        QVERIFY(board.isNull());
        QCOMPARE(game.gs.playerSquare[2], kSquare - 3);
        QTest::mouseClick(game.screen<opasnost>(ScreenId::opasnost)->Command1, Qt::LeftButton);
        QVERIFY(!game.screens.isLoaded(ScreenId::Nagrade) &&
                !game.screens.isLoaded(ScreenId::borba));
        checkTurnEnded(game, ScreenId::opasnost, 3, "opasnost");
    }
};

QTEST_MAIN(SquaresTest)
#include "test_squares.moc"
