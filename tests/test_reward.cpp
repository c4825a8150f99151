#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "platform/PictureBox.h"
#include "platform/Random.h"
#include "platform/Screens.h"
#include "screens/Form1/Form1.h"
#include "screens/Nagrade/Nagrade.h"
#include "screens/Registry.h"
#include "state/Items.h"
#include "support/TestGame.h"

namespace {
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

const QString kTheme = QStringLiteral("/igra/zvuk/srpski");

struct Loadout {
    QString weapon;
    int armor = 0;
    QString shield;
    int gold = 0;
};

// Four players in the middle of a game, player 3 standing on a reward square.
void setUpGame(GameState& gs) {
    for (int p = 0; p < GameState::MAX_PLAYERS; ++p) {
        gs.playerName[p] = QStringLiteral("Igrac %1").arg(p);
        gs.playerPortrait[p] = QStringLiteral("\\lik%1.gif").arg(p, 2, 10, QLatin1Char('0'));
        gs.playerSoundTheme[p] = kTheme + QString::number(p);
        gs.playerSquare[p] = 3 * p + 2;
    }
    for (int i = 1; i < GameState::BOARD_SQUARES; ++i) gs.squareKind[i] = QStringLiteral("polje");
    gs.squareKind[11] = QStringLiteral("nagrada");
    gs.currentPlayer = 3;
    gs.goldToWin = 1000;  // nobody wins in the middle of these tests
}

void equip(GameState& gs, int p, const Loadout& l) {
    gs.playerWeapon[p] = l.weapon;
    gs.playerArmor[p] = l.armor;
    gs.playerShield[p] = l.shield;
    gs.playerGold[p] = l.gold;
}

Loadout loadoutOf(const GameState& gs, int p) {
    return {gs.playerWeapon[p], gs.playerArmor[p], gs.playerShield[p], gs.playerGold[p]};
}

void compareLoadout(const Loadout& actual, const Loadout& expected) {
    QCOMPARE(actual.weapon, expected.weapon);
    QCOMPARE(actual.armor, expected.armor);
    QCOMPARE(actual.shield, expected.shield);
    QCOMPARE(actual.gold, expected.gold);
}

// The turn is over: the next player is to move on a board that is back, and the square is as it
// was.
void checkTurnEnded(TestGame& game, int nextPlayer) {
    QCOMPARE(int(game.gs.currentPlayer), nextPlayer);
    QVERIFY(!game.screens.isLoaded(ScreenId::Nagrade));
    QVERIFY(game.screens.isVisible(ScreenId::Form1));
    auto* board = game.screen<Form1>(ScreenId::Form1);
    QCOMPARE(board->Label2->text(), game.gs.playerName[nextPlayer]);
    QCOMPARE(game.gs.squareKind[11], QStringLiteral("nagrada"));
    TestGame::settle();
}
}  // namespace

class RewardTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheDrawnReward_data();
    void showsTheDrawnReward();
    void takingAppliesExactlyItsRow_data();
    void takingAppliesExactlyItsRow();
    void leavingChangesNothing();
    void closingTheWindowLeaves();
    void treasureIsOneToHundred();
    void turnWrapsAndSquareStays_data();
    void turnWrapsAndSquareStays();
    void rewardsComeUpEquallyOften();
};

void RewardTest::showsTheDrawnReward_data() {
    QTest::addColumn<int>("reward");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("description");
    const auto row = [](int r, const char* picture, const char* description) {
        QTest::addRow("%d %s", r, picture)
            << r << QString::fromLatin1(picture) << QString::fromLatin1(description);
    };
    row(1, "dagger.gif",
        "Bodez je oruzje lopova.Lako se moze sakriti za pojas,ali je beskorisno protiv jacih "
        "oklopa.");
    row(2, "sword.gif",
        "Mac je klasicno oruzje ratnika.Precizan i ostar dobar je za sve situacije u borbi.");
    row(3, "axe.gif", "Sekira je oruzje varvara.Ovo nemilosrdno oruzje probija i najjace oklope.");
    row(4, "spear.gif",
        "Ovo koplje su koristile falange hoplita u staroj grckoj.Posebno je ojacano za borbu sa "
        "jakim protivnicima.");
    row(5, "zlatnici.gif", "Nije sve u zlatu neki kazu...mada vecina toga jeste.Nasli ste blago!");
    row(6, "robe.gif", "Opusteno i lagano odelo za leto.Mantija...");
    row(7, "leather.gif", "Kozna jakna.Stiti od strela,ali slab otpor tezem cheliku.");
    row(8, "chainmail.gif",
        "Napravljen od sitnih pletenih lanaca ovaj oklop je pravi otpor za sve.");
    row(9, "plate.gif",
        "Najjaci od svih oklopa,ovaj oklop od celicnih plocha je najbolja stvar za vas!");
    row(10, "plavistit.gif",
        "Ukoliko uspete da se odbranite plavim stitom,procicete bez ogrebotine!");
    row(11, "crvenistit.gif",
        "Crveni stit je duplo bolji od plavog stita!Vece sanse su da se odbranite!");
}

void RewardTest::showsTheDrawnReward() {
    QFETCH(int, reward);
    QFETCH(QString, picture);
    QFETCH(QString, description);
    TestGame game;
    setUpGame(game.gs);
    game.screens.show(ScreenId::Form1);
    game.random.pushRoll(reward, 11);

    game.screens.show(ScreenId::Nagrade);

    QVERIFY(!game.screens.isLoaded(ScreenId::Form1));
    auto* screen = game.screen<Nagrade>(ScreenId::Nagrade);
    QVERIFY(screen && screen->isVisible());
    QCOMPARE(screen->windowTitle(), QStringLiteral("Nagrada!"));
    QCOMPARE(screen->Image1->fileName(), QStringLiteral("lik03.gif"));
    QCOMPARE(screen->Image2->fileName(), QStringLiteral("ui/reward.png"));
    QCOMPARE(screen->Image3->fileName(), picture);
    QCOMPARE(screen->Label1->text(), description);
    QCOMPARE(screen->Label1->textFormat(), Qt::PlainText);
    QVERIFY(screen->Label1->wordWrap());
    QCOMPARE(screen->Command1->text(), QStringLiteral("Uzmi"));
    QCOMPARE(screen->Command2->text(), QStringLiteral("Ostavi"));
    QCOMPARE(game.sound.played.size(), 1);
    QCOMPARE(game.sound.played[0].path, kTheme + QStringLiteral("3\\excellent.wav"));
    QCOMPARE(game.sound.played[0].mode, Sound::Mode::Async);
    QCOMPARE(game.random.drawCount, 1);
}

void RewardTest::takingAppliesExactlyItsRow_data() {
    QTest::addColumn<int>("reward");
    QTest::addColumn<QString>("weapon");
    QTest::addColumn<int>("armor");
    QTest::addColumn<QString>("shield");
    QTest::addColumn<int>("gold");
    QTest::addColumn<QString>("expectedWeapon");
    QTest::addColumn<int>("expectedArmor");
    QTest::addColumn<QString>("expectedShield");
    QTest::addColumn<int>("expectedGold");

    // Every row once for a player with nothing and once for one with the best of everything:
    // each reward replaces its own kind of item, even with a weaker one, and touches nothing else.
    const QString weapons[] = {"dagger", "sword", "axe", "spear"};
    const QString shields[] = {"plavi stit", "crveni stit"};
    struct Start {
        const char* name;
        QString weapon;
        int armor;
        QString shield;
        int gold;
    };
    const Start starts[] = {{"bare", "", 0, "", 0}, {"full", "spear", 4, "crveni stit", 60}};
    for (const Start& s : starts) {
        for (int r = 1; r <= 11; ++r) {
            QString weapon = s.weapon;
            int armor = s.armor;
            QString shield = s.shield;
            int gold = s.gold;
            if (r <= 4) weapon = weapons[r - 1];
            if (r == 5) gold += 37;
            if (r >= 6 && r <= 9) armor = r - 5;
            if (r >= 10) shield = shields[r - 10];
            QTest::addRow("%s %d", s.name, r) << r << s.weapon << s.armor << s.shield << s.gold
                                              << weapon << armor << shield << gold;
        }
    }
}

void RewardTest::takingAppliesExactlyItsRow() {
    QFETCH(int, reward);
    QFETCH(QString, weapon);
    QFETCH(int, armor);
    QFETCH(QString, shield);
    QFETCH(int, gold);
    QFETCH(QString, expectedWeapon);
    QFETCH(int, expectedArmor);
    QFETCH(QString, expectedShield);
    QFETCH(int, expectedGold);
    TestGame game;
    setUpGame(game.gs);
    equip(game.gs, 3, {weapon, armor, shield, gold});
    const Loadout other = {"axe", 2, "plavi stit", 5};
    equip(game.gs, 1, other);
    game.random.pushRoll(reward, 11);
    game.random.pushRoll(37, 100);

    game.screens.show(ScreenId::Nagrade);
    QTest::mouseClick(game.screen<Nagrade>(ScreenId::Nagrade)->Command1, Qt::LeftButton);

    // The gold die is rolled on every take, whatever the reward.
    QCOMPARE(game.random.drawCount, 2);
    compareLoadout(loadoutOf(game.gs, 3),
                   {expectedWeapon, expectedArmor, expectedShield, expectedGold});
    compareLoadout(loadoutOf(game.gs, 1), other);
    checkTurnEnded(game, 0);
}

void RewardTest::leavingChangesNothing() {
    for (int r = 1; r <= 11; ++r) {
        TestGame game;
        setUpGame(game.gs);
        const Loadout start = {"dagger", 1, "", 12};
        equip(game.gs, 3, start);
        game.random.pushRoll(r, 11);

        game.screens.show(ScreenId::Nagrade);
        QTest::mouseClick(game.screen<Nagrade>(ScreenId::Nagrade)->Command2, Qt::LeftButton);

        QCOMPARE(game.random.drawCount, 1);
        compareLoadout(loadoutOf(game.gs, 3), start);
        checkTurnEnded(game, 0);
    }
}

void RewardTest::closingTheWindowLeaves() {
    TestGame game;
    setUpGame(game.gs);
    game.gs.currentPlayer = 1;
    const Loadout start = {"sword", 2, "plavi stit", 3};
    equip(game.gs, 1, start);
    game.random.pushRoll(5, 11);
    game.screens.show(ScreenId::Nagrade);

    game.screen<Nagrade>(ScreenId::Nagrade)->close();

    QCOMPARE(game.random.drawCount, 1);
    compareLoadout(loadoutOf(game.gs, 1), start);
    checkTurnEnded(game, 2);
}

void RewardTest::treasureIsOneToHundred() {
    // The extremes of the draw give exactly 1 and exactly 100 coins.
    const struct {
        double draw;
        int coins;
    } cases[] = {{0.0, 1}, {0.999999, 100}, {0.5, 51}};
    for (const auto& c : cases) {
        TestGame game;
        setUpGame(game.gs);
        game.gs.playerGold[3] = 7;
        game.random.pushRoll(5, 11);
        game.random.pushDraw(c.draw);
        game.screens.show(ScreenId::Nagrade);
        game.screen<Nagrade>(ScreenId::Nagrade)->Command1_Click();
        QCOMPARE(game.gs.playerGold[3], 7 + c.coins);
        TestGame::settle();
    }
}

void RewardTest::turnWrapsAndSquareStays_data() {
    QTest::addColumn<int>("mover");
    QTest::addColumn<int>("next");
    QTest::addRow("3 -> 0") << 3 << 0;
    QTest::addRow("0 -> 1") << 0 << 1;
    QTest::addRow("2 -> 3") << 2 << 3;
}

void RewardTest::turnWrapsAndSquareStays() {
    QFETCH(int, mover);
    QFETCH(int, next);
    TestGame game;
    setUpGame(game.gs);
    game.gs.currentPlayer = static_cast<int16_t>(mover);
    game.gs.playerSquare[mover] = 11;
    game.screens.show(ScreenId::Form1);
    game.random.pushRoll(2, 11);
    game.random.pushRoll(50, 100);

    game.screens.show(ScreenId::Nagrade);
    TestGame::settle();
    QVERIFY(!game.screens.isLoaded(ScreenId::Form1));
    game.screen<Nagrade>(ScreenId::Nagrade)->Command1_Click();

    QCOMPARE(game.gs.playerSquare[mover], 11);
    checkTurnEnded(game, next);
}

void RewardTest::rewardsComeUpEquallyOften() {
    // The real dice, with a screen service of our own wired to them.
    TestGame game;
    StdRandom dice;
    Screens screens;
    Context ctx{game.gs,    screens, game.pictures, game.dialogs,
                game.sound, dice,    game.app,      game.ctx.appDir};
    RegisterScreens(ctx);
    setUpGame(game.gs);
    game.gs.currentPlayer = 0;
    const QuietAboutRaise quiet;

    QStringList pictures;
    for (int r = 1; r <= 11; ++r) pictures.append(Items::reward(r).picture);

    constexpr int kVisits = 3300;
    int seen[12] = {};
    int treasures = 0;
    double coins = 0;
    for (int visit = 0; visit < kVisits; ++visit) {
        const int p = game.gs.currentPlayer;
        equip(game.gs, p, {"", 0, "", 0});
        screens.show(ScreenId::Nagrade);
        auto* screen = screens.loadedAs<Nagrade>(ScreenId::Nagrade);
        const int r = int(pictures.indexOf(screen->Image3->fileName())) + 1;
        QVERIFY2(r >= 1, qPrintable(screen->Image3->fileName()));
        QCOMPARE(screen->Label1->text(), Items::reward(r).description);
        ++seen[r];
        screen->Command1_Click();

        // What was applied is what was shown.
        const Items::Reward shown = Items::reward(r);
        const Loadout got = loadoutOf(game.gs, p);
        QCOMPARE(got.weapon, shown.kind == Items::RewardKind::Weapon ? shown.weapon : QString());
        QCOMPARE(got.armor, shown.kind == Items::RewardKind::Armor ? shown.armor : 0);
        QCOMPARE(got.shield, shown.kind == Items::RewardKind::Shield ? shown.shield : QString());
        if (shown.kind == Items::RewardKind::Treasure) {
            QVERIFY(got.gold >= 1 && got.gold <= 100);
            ++treasures;
            coins += got.gold;
        } else {
            QCOMPARE(got.gold, 0);
        }
        if (visit % 200 == 0) TestGame::settle();
    }
    screens.unloadAll();
    TestGame::settle();

    // Each count is binomial(n, 1/11); six standard deviations either way is missed by a fair
    // generator about once in 10^8 runs.
    const double p = 1.0 / 11;
    const double mean = kVisits * p;
    const double tolerance = 6 * std::sqrt(kVisits * p * (1 - p));
    for (int r = 1; r <= 11; ++r)
        QVERIFY2(std::abs(seen[r] - mean) <= tolerance,
                 qPrintable(QStringLiteral("reward %1 came up %2 times, expected %3 +- %4")
                                .arg(r)
                                .arg(seen[r])
                                .arg(mean)
                                .arg(tolerance)));
    // The treasure is uniform 1..100: mean 50.5, standard deviation sqrt((100^2 - 1) / 12).
    const double coinTolerance = 6 * std::sqrt((100.0 * 100 - 1) / 12) / std::sqrt(treasures);
    QVERIFY2(std::abs(coins / treasures - 50.5) <= coinTolerance,
             qPrintable(QStringLiteral("treasure averaged %1").arg(coins / treasures)));
}

QTEST_MAIN(RewardTest)
#include "test_reward.moc"
