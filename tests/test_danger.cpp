#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "platform/PictureBox.h"
#include "platform/Random.h"
#include "platform/Screens.h"
#include "screens/Form1/Form1.h"
#include "screens/Registry.h"
#include "screens/opasnost/opasnost.h"
#include "support/TestGame.h"

namespace {
const QString kTheme = QStringLiteral("/igra/zvuk/american");

// The headless platform complains about raise() on every window shown; thousands of visits
// would drown the log.
class QuietAboutRaise {
public:
    QuietAboutRaise() { previous_ = qInstallMessageHandler(&QuietAboutRaise::handle); }
    ~QuietAboutRaise() { qInstallMessageHandler(previous_); }
    QuietAboutRaise(const QuietAboutRaise&) = delete;
    QuietAboutRaise& operator=(const QuietAboutRaise&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (!text.contains(QStringLiteral("does not support raise()")))
            previous_(type, context, text);
    }
    static inline QtMessageHandler previous_ = nullptr;
};

// What a mishap can take from a player.
struct Exposure {
    QString weapon;
    int armor = 0;
    int square = 0;
    int gold = 0;
    int skip = 0;
};

// Four players in the middle of a game, player 3 standing on a danger square.
void setUpGame(GameState& gs) {
    for (int p = 0; p < GameState::MAX_PLAYERS; ++p) {
        gs.playerName[p] = QStringLiteral("Igrac %1").arg(p);
        gs.playerPortrait[p] = QStringLiteral("\\lik%1.gif").arg(p + 4, 2, 10, QLatin1Char('0'));
        gs.playerSoundTheme[p] = kTheme + QString::number(p);
        gs.playerSquare[p] = 3 * p + 1;
    }
    for (int i = 1; i < GameState::BOARD_SQUARES; ++i) gs.squareKind[i] = QStringLiteral("polje");
    gs.squareKind[8] = QStringLiteral("opasnost");
    gs.currentPlayer = 3;
    gs.goldToWin = 1000;  // nobody wins in the middle of these tests
}

void expose(GameState& gs, int p, const Exposure& e) {
    gs.playerWeapon[p] = e.weapon;
    gs.playerArmor[p] = e.armor;
    gs.playerSquare[p] = e.square;
    gs.playerGold[p] = e.gold;
    gs.playerSkipTurns[p] = e.skip;
}

void compareExposure(const GameState& gs, int p, const Exposure& e) {
    QCOMPARE(gs.playerWeapon[p], e.weapon);
    QCOMPARE(gs.playerArmor[p], e.armor);
    QCOMPARE(gs.playerSquare[p], e.square);
    QCOMPARE(gs.playerGold[p], e.gold);
    QCOMPARE(gs.playerSkipTurns[p], e.skip);
}

// The names of the mishap pictures that are showing.
QStringList shownMishaps(const opasnost* screen) {
    QStringList shown;
    for (const PictureBox* b :
         {screen->oruzjepol, screen->armorpol, screen->kuche, screen->parelost, screen->stub})
        if (!b->isHidden()) shown.append(b->objectName());
    return shown;
}

void checkTurnEnded(TestGame& game, int nextPlayer) {
    QCOMPARE(int(game.gs.currentPlayer), nextPlayer);
    QVERIFY(!game.screens.isLoaded(ScreenId::opasnost));
    QVERIFY(game.screens.isVisible(ScreenId::Form1));
    QCOMPARE(game.screen<Form1>(ScreenId::Form1)->Label2->text(), game.gs.playerName[nextPlayer]);
    QCOMPARE(game.gs.squareKind[8], QStringLiteral("opasnost"));
    TestGame::settle();
}
}  // namespace

Q_DECLARE_METATYPE(Exposure)

class DangerTest : public QObject {
    Q_OBJECT
private slots:
    void mishapStrikesAtOnce_data();
    void mishapStrikesAtOnce();
    void okPassesTheTurn_data();
    void okPassesTheTurn();
    void closingTheWindowCountsAsOk();
    void mishapsComeUpEquallyOften();
};

void DangerTest::mishapStrikesAtOnce_data() {
    QTest::addColumn<int>("mishap");
    QTest::addColumn<double>("theftDraw");
    QTest::addColumn<Exposure>("before");
    QTest::addColumn<Exposure>("after");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("picture");

    const QString weapon = "Zbog neopreznog rukovanja polomilo vam se oruzje.";
    const QString armor = "Oklop vam se raspao na komade...kvalitet,nema sta.";
    const QString dog = "Pojurio vas pas,pa ste pobegli 3 koraka unazad!";
    const QString inquisition = "Uhvatila vas je inkvizicija! Propustate sledeci potez.";
    const auto theft = [](int n) {
        return QStringLiteral("Neko vam je ukrao %1 zlatnika.").arg(n);
    };

    QTest::addRow("weapon breaks") << 1 << 0.7 << Exposure{"axe", 3, 8, 40, 0}
                                   << Exposure{"", 3, 8, 40, 0} << weapon << "oruzjepol";
    QTest::addRow("no weapon to break") << 1 << 0.7 << Exposure{"", 3, 8, 40, 0}
                                        << Exposure{"", 3, 8, 40, 0} << weapon << "oruzjepol";
    QTest::addRow("armour falls apart") << 2 << 0.1 << Exposure{"spear", 4, 8, 40, 0}
                                        << Exposure{"spear", 0, 8, 40, 0} << armor << "armorpol";
    QTest::addRow("no armour to lose") << 2 << 0.1 << Exposure{"spear", 0, 8, 40, 0}
                                       << Exposure{"spear", 0, 8, 40, 0} << armor << "armorpol";
    for (const auto& [from, to] : {std::pair{8, 5}, {5, 2}, {3, 0}, {2, 29}, {1, 28}, {0, 27}})
        QTest::addRow("dog from %d", from) << 3 << 0.5 << Exposure{"sword", 1, from, 40, 0}
                                           << Exposure{"sword", 1, to, 40, 0} << dog << "kuche";
    QTest::addRow("thief takes some") << 4 << 0.5 << Exposure{"sword", 1, 8, 40, 0}
                                      << Exposure{"sword", 1, 8, 20, 0} << theft(20) << "parelost";
    QTest::addRow("thief takes at most all but one")
        << 4 << 0.999999 << Exposure{"sword", 1, 8, 100, 0} << Exposure{"sword", 1, 8, 1, 0}
        << theft(99) << "parelost";
    QTest::addRow("thief at the low end")
        << 4 << 0.0 << Exposure{"sword", 1, 8, 100, 0} << Exposure{"sword", 1, 8, 100, 0}
        << theft(0) << "parelost";
    QTest::addRow("one coin is never stolen")
        << 4 << 0.999999 << Exposure{"sword", 1, 8, 1, 0} << Exposure{"sword", 1, 8, 1, 0}
        << theft(0) << "parelost";
    QTest::addRow("nothing to steal") << 4 << 0.999999 << Exposure{"sword", 1, 8, 0, 0}
                                      << Exposure{"sword", 1, 8, 0, 0} << theft(0) << "parelost";
    QTest::addRow("inquisition") << 5 << 0.3 << Exposure{"dagger", 2, 8, 40, 0}
                                 << Exposure{"dagger", 2, 8, 40, 1} << inquisition << "stub";
    QTest::addRow("second inquisition still one turn")
        << 5 << 0.3 << Exposure{"dagger", 2, 8, 40, 1} << Exposure{"dagger", 2, 8, 40, 1}
        << inquisition << "stub";
}

void DangerTest::mishapStrikesAtOnce() {
    QFETCH(int, mishap);
    QFETCH(double, theftDraw);
    QFETCH(Exposure, before);
    QFETCH(Exposure, after);
    QFETCH(QString, message);
    QFETCH(QString, picture);
    TestGame game;
    setUpGame(game.gs);
    expose(game.gs, 3, before);
    const Exposure bystander{"axe", 2, 8, 33, 0};
    expose(game.gs, 1, bystander);
    game.screens.show(ScreenId::Form1);
    game.random.pushRoll(mishap, 5);
    game.random.pushDraw(theftDraw);

    game.screens.show(ScreenId::opasnost);

    // Struck as the window opens, before anyone presses anything.
    QVERIFY(!game.screens.isLoaded(ScreenId::Form1));
    QCOMPARE(game.random.drawCount, 2);
    compareExposure(game.gs, 3, after);
    compareExposure(game.gs, 1, bystander);
    auto* screen = game.screen<opasnost>(ScreenId::opasnost);
    QVERIFY(screen && screen->isVisible());
    QCOMPARE(screen->windowTitle(), QStringLiteral("OPASNOST!"));
    QCOMPARE(screen->Label1->text(), message);
    QCOMPARE(screen->Label1->textFormat(), Qt::PlainText);
    QCOMPARE(shownMishaps(screen), QStringList{picture});
    QCOMPARE(screen->Image2->fileName(), QStringLiteral("lik07.gif"));
    QCOMPARE(screen->Command1->text(), QStringLiteral("OK"));
    QCOMPARE(game.sound.played.size(), 1);
    QCOMPARE(game.sound.played[0].path, kTheme + QStringLiteral("3\\ohdear.wav"));
    QCOMPARE(game.sound.played[0].mode, Sound::Mode::Async);

    // OK only ends the turn; the mishap is not applied a second time.
    QTest::mouseClick(screen->Command1, Qt::LeftButton);
    QCOMPARE(game.random.drawCount, 2);
    compareExposure(game.gs, 3, after);
    checkTurnEnded(game, 0);
}

void DangerTest::okPassesTheTurn_data() {
    QTest::addColumn<int>("mover");
    QTest::addColumn<int>("next");
    QTest::addRow("3 -> 0") << 3 << 0;
    QTest::addRow("1 -> 2") << 1 << 2;
}

void DangerTest::okPassesTheTurn() {
    QFETCH(int, mover);
    QFETCH(int, next);
    TestGame game;
    setUpGame(game.gs);
    game.gs.currentPlayer = static_cast<int16_t>(mover);
    game.gs.playerSquare[mover] = 8;
    game.random.pushRoll(2, 5);
    game.random.pushDraw(0.0);
    game.screens.show(ScreenId::opasnost);
    TestGame::settle();

    game.screen<opasnost>(ScreenId::opasnost)->Command1_Click();

    QCOMPARE(game.gs.playerSquare[mover], 8);
    checkTurnEnded(game, next);
}

void DangerTest::closingTheWindowCountsAsOk() {
    TestGame game;
    setUpGame(game.gs);
    expose(game.gs, 3, {"axe", 3, 8, 10, 0});
    game.random.pushRoll(3, 5);
    game.random.pushDraw(0.5);
    game.screens.show(ScreenId::opasnost);

    game.screen<opasnost>(ScreenId::opasnost)->close();

    compareExposure(game.gs, 3, {"axe", 3, 5, 10, 0});
    checkTurnEnded(game, 0);
}

void DangerTest::mishapsComeUpEquallyOften() {
    // The real dice, with a screen service of our own wired to them.
    TestGame game;
    StdRandom dice;
    Screens screens;
    Context ctx{game.gs,    screens, game.pictures, game.dialogs,
                game.sound, dice,    game.app,      game.ctx.appDir};
    RegisterScreens(ctx);
    setUpGame(game.gs);
    const QuietAboutRaise quiet;

    const QStringList pictures = {"oruzjepol", "armorpol", "kuche", "parelost", "stub"};
    constexpr int kVisits = 3000;
    constexpr int kGold = 10;
    int seen[6] = {};
    int thefts = 0;
    double stolen = 0;
    for (int visit = 0; visit < kVisits; ++visit) {
        const int p = game.gs.currentPlayer;
        expose(game.gs, p, {"sword", 2, 8, kGold, 0});
        screens.show(ScreenId::opasnost);
        auto* screen = screens.loadedAs<opasnost>(ScreenId::opasnost);
        const QStringList shown = shownMishaps(screen);
        QCOMPARE(shown.size(), 1);
        const int mishap = int(pictures.indexOf(shown[0])) + 1;
        ++seen[mishap];
        // The effect is the one the picture tells of.
        Exposure expected{"sword", 2, 8, kGold, 0};
        if (mishap == 1) expected.weapon.clear();
        if (mishap == 2) expected.armor = 0;
        if (mishap == 3) expected.square = 5;
        if (mishap == 4) {
            const int s = kGold - game.gs.playerGold[p];
            QVERIFY(s >= 0 && s < kGold);
            QCOMPARE(screen->Label1->text(),
                     QStringLiteral("Neko vam je ukrao %1 zlatnika.").arg(s));
            expected.gold -= s;
            ++thefts;
            stolen += s;
        }
        if (mishap == 5) expected.skip = 1;
        compareExposure(game.gs, p, expected);
        // Nobody loses a turn here, so the board does not move the turn on by itself.
        game.gs.playerSkipTurns[p] = 0;
        screen->Command1_Click();
        if (visit % 200 == 0) TestGame::settle();
    }
    screens.unloadAll();
    TestGame::settle();

    // Each count is binomial(n, 1/5); six standard deviations either way is missed by a fair
    // generator about once in 10^8 runs.
    const double mean = kVisits / 5.0;
    const double tolerance = 6 * std::sqrt(kVisits * 0.2 * 0.8);
    for (int d = 1; d <= 5; ++d)
        QVERIFY2(std::abs(seen[d] - mean) <= tolerance,
                 qPrintable(QStringLiteral("mishap %1 came up %2 times, expected %3 +- %4")
                                .arg(d)
                                .arg(seen[d])
                                .arg(mean)
                                .arg(tolerance)));
    // The theft is uniform 0..9: mean 4.5, standard deviation sqrt((10^2 - 1) / 12).
    const double theftTolerance = 6 * std::sqrt((kGold * kGold - 1) / 12.0) / std::sqrt(thefts);
    QVERIFY2(std::abs(stolen / thefts - 4.5) <= theftTolerance,
             qPrintable(QStringLiteral("thieves took %1 on average").arg(stolen / thefts)));
}

QTEST_MAIN(DangerTest)
#include "test_danger.moc"
