#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "platform/PictureBox.h"
#include "screens/opasnost/opasnost.h"
#include "square_helpers.h"

namespace {
constexpr int kSquare = 8;
const QString kKind = QStringLiteral("opasnost");

// What a mishap can take from a player.
struct Exposure {
    QString weapon;
    int armor = 0;
    int square = kSquare;
    int gold = 0;
    int skip = 0;
    bool operator==(const Exposure&) const = default;
};

void expose(GameState& gs, int p, const Exposure& e) {
    gs.playerWeapon[p] = e.weapon;
    gs.playerArmor[p] = e.armor;
    gs.playerSquare[p] = e.square;
    gs.playerGold[p] = e.gold;
    gs.playerSkipTurns[p] = e.skip;
}

Exposure exposureOf(const GameState& gs, int p) {
    return {gs.playerWeapon[p], gs.playerArmor[p], gs.playerSquare[p], gs.playerGold[p],
            gs.playerSkipTurns[p]};
}

// The mishap pictures that are showing.
QStringList shownMishaps(const opasnost* screen) {
    QStringList shown;
    for (const PictureBox* b :
         {screen->oruzjepol, screen->armorpol, screen->kuche, screen->parelost, screen->stub})
        if (!b->isHidden()) shown.append(b->objectName());
    return shown;
}

QString theft(int n) {
    return QStringLiteral("Neko vam je ukrao %1 zlatnika.").arg(n);
}
}  // namespace

Q_DECLARE_METATYPE(Exposure)

class DangerTest : public QObject {
    Q_OBJECT
private slots:
    void mishapStrikesAtOnce_data();
    void mishapStrikesAtOnce();
    void closingTheWindowCountsAsOk();
    void mishapsComeUpEquallyOften();
    void dogDuringAGame();
    void inquisitionCostsTheNextTurn();
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
    const auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };

    // Each mishap also strikes a player with nothing to lose.
    row("weapon breaks") << 1 << 0.7 << Exposure{"axe", 3} << Exposure{"", 3} << weapon
                         << "oruzjepol";
    row("no weapon") << 1 << 0.7 << Exposure{"", 3} << Exposure{"", 3} << weapon << "oruzjepol";
    row("armour falls apart") << 2 << 0.1 << Exposure{"spear", 4} << Exposure{"spear", 0} << armor
                              << "armorpol";
    row("no armour") << 2 << 0.1 << Exposure{"spear", 0} << Exposure{"spear", 0} << armor
                     << "armorpol";
    for (const auto& [from, to] : {std::pair{8, 5}, {5, 2}, {2, 29}, {1, 28}, {0, 27}})
        QTest::addRow("dog from %d", from)
            << 3 << 0.5 << Exposure{"sword", 1, from} << Exposure{"sword", 1, to} << dog << "kuche";
    row("thief") << 4 << 0.5 << Exposure{"sword", 1, kSquare, 40}
                 << Exposure{"sword", 1, kSquare, 20} << theft(20) << "parelost";
    row("thief at most") << 4 << 0.999999 << Exposure{"sword", 1, kSquare, 100}
                         << Exposure{"sword", 1, kSquare, 1} << theft(99) << "parelost";
    row("thief at least") << 4 << 0.0 << Exposure{"sword", 1, kSquare, 100}
                          << Exposure{"sword", 1, kSquare, 100} << theft(0) << "parelost";
    row("one coin") << 4 << 0.999999 << Exposure{"sword", 1, kSquare, 1}
                    << Exposure{"sword", 1, kSquare, 1} << theft(0) << "parelost";
    row("no gold") << 4 << 0.999999 << Exposure{"sword"} << Exposure{"sword"} << theft(0)
                   << "parelost";
    row("inquisition") << 5 << 0.3 << Exposure{"dagger", 2, kSquare, 40}
                       << Exposure{"dagger", 2, kSquare, 40, 1} << inquisition << "stub";
    row("inquisition again") << 5 << 0.3 << Exposure{"dagger", 2, kSquare, 40, 1}
                             << Exposure{"dagger", 2, kSquare, 40, 1} << inquisition << "stub";
}

void DangerTest::mishapStrikesAtOnce() {
    QFETCH(int, mishap);
    QFETCH(double, theftDraw);
    QFETCH(Exposure, before);
    QFETCH(Exposure, after);
    QFETCH(QString, message);
    QFETCH(QString, picture);
    TestGame game;
    setUpSquareGame(game.gs, 3, kSquare, kKind);
    game.screens.show(ScreenId::Form1);
    expose(game.gs, 3, before);
    const Exposure bystander{"axe", 2, kSquare, 33};
    expose(game.gs, 1, bystander);
    game.random.pushRoll(mishap, 5);
    game.random.pushDraw(theftDraw);

    game.screens.show(ScreenId::opasnost);
    // Struck as the window opens, with both draws made whatever the mishap.
    QVERIFY(!game.screens.isLoaded(ScreenId::Form1));
    QCOMPARE(game.random.drawCount, 2);
    QCOMPARE(exposureOf(game.gs, 3), after);
    QCOMPARE(exposureOf(game.gs, 1), bystander);
    auto* screen = game.screen<opasnost>(ScreenId::opasnost);
    QVERIFY(screen && screen->isVisible());
    QCOMPARE(screen->windowTitle(), QStringLiteral("OPASNOST!"));
    QCOMPARE(screen->Label1->text(), message);
    QCOMPARE(shownMishaps(screen), QStringList{picture});
    QCOMPARE(screen->Image2->fileName(), QStringLiteral("lik13.gif"));
    QCOMPARE(screen->Command1->text(), QStringLiteral("OK"));
    QCOMPARE(game.sound.paths(), QStringList{"/igra/zvuk/tema3\\ohdear.wav"});
    QCOMPARE(game.sound.played[0].mode, Sound::Mode::Async);

    // An Enter meant for the die's message box does not close the news unread.
    QTest::keyClick(screen->Command1, Qt::Key_Return);
    QVERIFY(game.screens.isLoaded(ScreenId::opasnost));

    // OK only ends the turn: nothing is drawn or applied again.
    QTest::mouseClick(screen->Command1, Qt::LeftButton);
    QCOMPARE(game.random.drawCount, 2);
    QCOMPARE(exposureOf(game.gs, 3), after);
    checkTurnEnded(game, ScreenId::opasnost, 0, kSquare, kKind);
}

void DangerTest::closingTheWindowCountsAsOk() {
    TestGame game;
    setUpSquareGame(game.gs, 1, kSquare, kKind);
    expose(game.gs, 1, {"axe", 3, kSquare, 10});
    game.random.pushRoll(3, 5);
    game.random.pushDraw(0.5);
    game.screens.show(ScreenId::opasnost);

    game.screen<opasnost>(ScreenId::opasnost)->close();

    QCOMPARE(exposureOf(game.gs, 1), (Exposure{"axe", 3, 5, 10}));
    checkTurnEnded(game, ScreenId::opasnost, 2, kSquare, kKind);
}

void DangerTest::mishapsComeUpEquallyOften() {
    RealDiceGame<opasnost> real(ScreenId::opasnost);
    GameState& gs = real.game.gs;
    setUpSquareGame(gs, 0, kSquare, kKind);
    const QStringList pictures = {"oruzjepol", "armorpol", "kuche", "parelost", "stub"};
    constexpr int kVisits = 3000;
    int seen[6] = {};
    int thefts = 0;
    double stolen = 0;
    for (int visit = 0; visit < kVisits; ++visit) {
        const int p = gs.currentPlayer;
        const Exposure start{"sword", 2, kSquare, 10};
        expose(gs, p, start);
        real.screens.show(ScreenId::opasnost);
        auto* screen = real.screens.loadedAs<opasnost>(ScreenId::opasnost);
        const QStringList shown = shownMishaps(screen);
        QCOMPARE(shown.size(), 1);
        const int mishap = int(pictures.indexOf(shown[0])) + 1;
        ++seen[mishap];
        // The effect is the one the picture tells of; a theft takes 0..9 of the 10 coins.
        Exposure expected = start;
        if (mishap == 1) expected.weapon.clear();
        if (mishap == 2) expected.armor = 0;
        if (mishap == 3) expected.square = kSquare - 3;
        if (mishap == 4) {
            const int s = start.gold - gs.playerGold[p];
            QVERIFY(s >= 0 && s < start.gold);
            QCOMPARE(screen->Label1->text(), theft(s));
            expected.gold -= s;
            ++thefts;
            stolen += s;
        }
        if (mishap == 5) expected.skip = 1;
        QCOMPARE(exposureOf(gs, p), expected);
        gs.playerSkipTurns[p] = 0;  // keeps the board from passing turns on its own
        screen->Command1_Click();
        if (visit % 200 == 0) TestGame::settle();
    }
    for (int d = 1; d <= 5; ++d)
        QVERIFY2(withinSixSigma(seen[d], kVisits, 0.2),
                 qPrintable(QStringLiteral("mishap %1 came up %2 times").arg(d).arg(seen[d])));
    // The theft is uniform 0..9: mean 4.5, standard deviation sqrt((10^2 - 1) / 12).
    const double tolerance = 6 * std::sqrt(99.0 / 12 / thefts);
    QVERIFY2(std::abs(stolen / thefts - 4.5) <= tolerance,
             qPrintable(QStringLiteral("thieves took %1 on average").arg(stolen / thefts)));
}

void DangerTest::dogDuringAGame() {
    TestGame game;
    setUpSquareGame(game.gs, 2, 4, QStringLiteral("polje"));
    game.gs.squareKind[kSquare] = kKind;
    game.gs.squareKind[kSquare - 3] = QStringLiteral("nagrada");
    game.gs.playerSquare[0] = kSquare - 3;
    game.screens.show(ScreenId::Form1);
    const QPointer<Form1> board = game.screen<Form1>(ScreenId::Form1);
    game.random.pushRoll(4, 6);
    game.random.pushRoll(3, 5);
    game.random.pushDraw(0.0);

    QTest::mouseClick(board->Command1, Qt::LeftButton);
    // Unloaded from inside its own roll handler, the old board goes once control is back.
    QVERIFY(!game.screens.isLoaded(ScreenId::Form1));
    TestGame::settle();
    QVERIFY(board.isNull());
    // Chased back onto a reward square where player 0 stands: neither resolves.
    QCOMPARE(game.gs.playerSquare[2], kSquare - 3);
    QVERIFY(!game.screens.isLoaded(ScreenId::Nagrade));
    QVERIFY(!game.screens.isLoaded(ScreenId::borba));

    QTest::mouseClick(game.screen<opasnost>(ScreenId::opasnost)->Command1, Qt::LeftButton);
    QCOMPARE(game.dialogs.messages, QStringList{"4"});
    checkTurnEnded(game, ScreenId::opasnost, 3, kSquare, kKind);
    auto* again = game.screen<Form1>(ScreenId::Form1);
    QCOMPARE(again->Image2[kSquare - 3]->fileName(), QStringLiteral("lik12.gif"));
    QCOMPARE(again->Image2[kSquare]->fileName(), QStringLiteral("providno.gif"));
}

void DangerTest::inquisitionCostsTheNextTurn() {
    // Two players: player 0 is caught, player 1 moves, then player 0's turn is passed over.
    TestGame game;
    setUpSquareGame(game.gs, 0, 5, QStringLiteral("polje"));
    game.gs.playersInGame = 2;
    game.gs.squareKind[kSquare] = kKind;
    game.gs.playerSquare[1] = 20;
    game.screens.show(ScreenId::Form1);
    game.random.pushRoll(3, 6);
    game.random.pushRoll(5, 5);
    game.random.pushDraw(0.0);
    game.screen<Form1>(ScreenId::Form1)->Command1_Click();
    QCOMPARE(game.gs.playerSkipTurns[0], 1);
    game.screen<opasnost>(ScreenId::opasnost)->Command1_Click();
    checkTurnEnded(game, ScreenId::opasnost, 1, kSquare, kKind);

    game.random.pushRoll(2, 6);  // player 1 to a plain square
    game.screen<Form1>(ScreenId::Form1)->Command1_Click();

    QCOMPARE(
        game.dialogs.messages,
        (QStringList{"3", "2", "Na potezu je Igrac 0,ali njega trenutno muchi inkvizicija..."}));
    QCOMPARE(game.gs.playerSkipTurns[0], 0);
    QCOMPARE(int(game.gs.currentPlayer), 1);
    QCOMPARE(game.screen<Form1>(ScreenId::Form1)->Label2->text(), QStringLiteral("Igrac 1"));
}

QTEST_MAIN(DangerTest)
#include "test_danger.moc"
