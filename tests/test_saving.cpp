// A game kept between runs: written after every step, read back as it stood and played on the
// same, files that cannot be a game refused and set aside, and the player's choices remembered.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <random>

#include "computer/Autoplay.h"
#include "game/SavedGame.h"
#include "platform/Keeping.h"
#include "platform/Language.h"
#include "screens/Form2/Form2.h"
#include "screens/Nagrade/Nagrade.h"
#include "support/TestGame.h"

namespace {

QByteArray saved(const GameState& gs, const Random& dice) {
    return Game::ToJson({gs, QString::fromStdString(dice.state())});
}

// A game of four computer seats to 20, played on for `steps` decisions from its start.
GameState playedFor(StdRandom& dice, int steps) {
    GameState gs;
    Computer::SetUpGame(gs, 4, 20);
    for (int i = 0; i < steps && Computer::PlayStep(gs, dice); ++i) {
    }
    return gs;
}

// The save's JSON with one field changed; `player` picks a slot's field.
QByteArray changed(const QByteArray& json, const QString& key, const QJsonValue& value,
                   int player = -1) {
    QJsonObject o = QJsonDocument::fromJson(json).object();
    if (player < 0) {
        o[key] = value;
    } else {
        QJsonArray players = o[QStringLiteral("players")].toArray();
        QJsonObject p = players[player].toObject();
        p[key] = value;
        players[player] = p;
        o[QStringLiteral("players")] = players;
    }
    return QJsonDocument(o).toJson();
}

// Ana, Bora, Ceca and Dule on a board of plain squares, Ana to roll.
GameState onPlainBoard() {
    GameState gs;
    newGameOfFour(gs);
    gs.newGame = 0;
    for (int i = 1; i < GameState::BOARD_SQUARES; ++i) gs.squareKind[i] = QStringLiteral("polje");
    gs.stage = Stage::Roll;
    return gs;
}

// The program starting with this save: its title as it comes up.
Form2* startWith(TestGame& g, SaveFile& file) {
    g.ctx.saveFile = &file;
    Flow::OpenTitle(g.ctx);
    return g.screen<Form2>(ScreenId::Form2);
}

}  // namespace

class TestSaving : public QObject {
    Q_OBJECT
private slots:
    void everyStepOfAGameReadsBackAsItStood();
    void aResumedGamePlaysOnAsIfNeverInterrupted();
    void filesThatCannotBeAGameAreRefused_data();
    void filesThatCannotBeAGameAreRefused();
    void strengthsAndTheRuleAreKeptAndOlderSavesHaveTheDefaults();
    void theFuzzersInputsAreReadSafely();
    void anUnreadableSaveIsSetAsideAndTheTitleWorks();
    void continueOpensTheWindowThatStoodOpen();
    void startAsksBeforeTheSavedGameIsLost();
    void autosaveFollowsTheGameAndAVictoryEndsIt();
    void settingsSurviveARestart();
    void settingsOfTheWrongTypesAreSetAside();
};

void TestSaving::everyStepOfAGameReadsBackAsItStood() {
    int checked = 0;
    for (uint64_t seed = 1; seed <= 10; ++seed) {
        StdRandom dice(seed);
        GameState gs;
        Computer::SetUpGame(gs, 2 + int(seed % 3), 20);
        for (int step = 0; step < 3000 && Computer::PlayStep(gs, dice); ++step) {
            if (!Game::InProgress(gs)) continue;
            QString why;
            const QByteArray json = saved(gs, dice);
            const auto back = Game::FromJson(json, &why);
            QVERIFY2(back, qPrintable(
                               QStringLiteral("seed %1 step %2: %3").arg(seed).arg(step).arg(why)));
            QCOMPARE(Game::ToJson(*back), json);
            ++checked;
        }
    }
    QVERIFY(checked > 10000);
}

void TestSaving::aResumedGamePlaysOnAsIfNeverInterrupted() {
    std::mt19937 cuts(7);
    for (uint64_t seed = 1; seed <= 200; ++seed) {
        StdRandom dice(seed);
        GameState gs = playedFor(dice, 1 + int(cuts() % 600));
        if (!Game::InProgress(gs)) continue;
        const auto back = Game::FromJson(saved(gs, dice));
        QVERIFY(back);
        // A fresh generator, seeded otherwise: only the kept state can make it draw the same.
        StdRandom resumedDice(seed + 1000);
        QVERIFY(resumedDice.restore(back->dice.toStdString()));
        GameState resumed = back->record;
        Computer::PlayGame(gs, dice, 3000);
        Computer::PlayGame(resumed, resumedDice, 3000);
        QCOMPARE(saved(resumed, resumedDice), saved(gs, dice));
    }
}

void TestSaving::filesThatCannotBeAGameAreRefused_data() {
    QTest::addColumn<QByteArray>("json");
    StdRandom dice(3);
    GameState gs = playedFor(dice, 40);
    gs.stage = Stage::Roll;
    const QByteArray good = saved(gs, dice);
    QVERIFY(Game::FromJson(good));
    QTest::newRow("truncated") << good.left(good.size() / 2);
    QTest::newRow("not json") << QByteArray("KAVGALIJA!");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("a list") << QByteArray("[1, 2, 3]");
    QTest::newRow("another format") << changed(good, "format", 2);
    QTest::newRow("gold below 0") << changed(good, "gold", -1, 2);
    QTest::newRow("gold as text") << changed(good, "gold", "12", 1);
    QTest::newRow("square past 29") << changed(good, "square", 30, 0);
    QTest::newRow("slot past 3") << changed(good, "currentPlayer", 4);
    QTest::newRow("unknown weapon") << changed(good, "weapon", "bazooka", 1);
    QTest::newRow("unknown shield") << changed(good, "shield", "zuti stit", 3);
    QTest::newRow("health of 500") << changed(good, "health", 500, 0);
    QTest::newRow("armour 5") << changed(good, "armor", 5, 0);
    QTest::newRow("a fraction") << changed(good, "goldToWin", 2.5);
    QTest::newRow("strength 3") << changed(good, "strength", 3, 1);
    QTest::newRow("win rule 2") << changed(good, "winRule", 2);
    QTest::newRow("mover never created")
        << changed(changed(good, "playersInGame", 2), "currentPlayer", 3);
    QTest::newRow("no game on the board") << changed(good, "stage", int(Stage::Setup));
    QTest::newRow("a reward not drawn")
        << changed(changed(good, "stage", int(Stage::Reward)), "rewardOffered", 0);
    QTest::newRow("a fight against nobody")
        << changed(changed(good, "stage", int(Stage::Fight)), "opponentIndex", 4);
    QTest::newRow("a square of no kind") << [&] {
        QJsonObject o = QJsonDocument::fromJson(good).object();
        QJsonArray squares = o[QStringLiteral("squareKind")].toArray();
        squares[5] = QStringLiteral("lava");
        o[QStringLiteral("squareKind")] = squares;
        return QJsonDocument(o).toJson();
    }();
}

void TestSaving::filesThatCannotBeAGameAreRefused() {
    QFETCH(QByteArray, json);
    QString why;
    QVERIFY(!Game::FromJson(json, &why));
    QVERIFY(!why.isEmpty());
}

void TestSaving::strengthsAndTheRuleAreKeptAndOlderSavesHaveTheDefaults() {
    StdRandom dice(5);
    GameState gs = playedFor(dice, 30);
    gs.playerStrength = {Strength::Hard, Strength::Easy, Strength::Medium, Strength::Hard};
    gs.winRule = WinRule::AtLeast;
    const auto back = Game::FromJson(saved(gs, dice));
    QVERIFY(back);
    QCOMPARE(back->record.playerStrength, gs.playerStrength);
    QCOMPARE(back->record.winRule, WinRule::AtLeast);

    // A save written before seats had strengths and the house rule existed.
    QJsonObject o = QJsonDocument::fromJson(saved(gs, dice)).object();
    o.remove(QStringLiteral("winRule"));
    QJsonArray players = o[QStringLiteral("players")].toArray();
    for (int k = 0; k < players.size(); ++k) {
        QJsonObject p = players[k].toObject();
        p.remove(QStringLiteral("strength"));
        players[k] = p;
    }
    o[QStringLiteral("players")] = players;
    const auto older = Game::FromJson(QJsonDocument(o).toJson());
    QVERIFY(older);
    QCOMPARE(older->record.playerStrength, GameState{}.playerStrength);
    QCOMPARE(older->record.winRule, WinRule::Exactly);
    QCOMPARE(older->record.playerGold, gs.playerGold);
}

void TestSaving::theFuzzersInputsAreReadSafely() {
    // The reader's seed corpus (one good save, the rest bad) and anything the fuzzer ever found.
    int read = 0;
    for (const char* folder : {"/fuzz/saves", "/fuzz/found-saves"}) {
        const QDir dir(QStringLiteral(KAVGALIJA_TESTS_DIR) + QLatin1String(folder));
        for (const QString& name : dir.entryList(QDir::Files)) {
            QFile input(dir.filePath(name));
            QVERIFY(input.open(QIODevice::ReadOnly));
            const auto game = Game::FromJson(input.readAll());
            QCOMPARE(bool(game), name == QLatin1String("good"));
            if (game)
                QCOMPARE(Game::ToJson(*Game::FromJson(Game::ToJson(*game))), Game::ToJson(*game));
            ++read;
        }
    }
    QVERIFY2(read >= 10, "the saves corpus is missing");
}

void TestSaving::anUnreadableSaveIsSetAsideAndTheTitleWorks() {
    QTemporaryDir data;
    SaveFile file(data.path());
    QFile bad(file.path());
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("{\"format\": 1, \"players\": [");
    bad.close();

    TestGame g;
    auto* title = startWith(g, file);
    QCOMPARE(g.dialogs.messages.size(), 1);
    QVERIFY(g.dialogs.messages.first().startsWith(QStringLiteral("Sacuvana igra ne moze")));
    // Kept aside beside where it was; nothing else written.
    const QStringList left = QDir(data.path()).entryList(QDir::Files);
    QCOMPARE(left.size(), 1);
    QVERIFY(left.first().startsWith(QStringLiteral("game.json.bad-")));
    // The title as without a save: no NASTAVI, START straight to creation.
    QVERIFY(title->Command5 == nullptr);
    title->Command1->click();
    QVERIFY(g.screens.isVisible(ScreenId::Kreiranje));
    QCOMPARE(g.dialogs.messages.size(), 1);
}

void TestSaving::continueOpensTheWindowThatStoodOpen() {
    QTemporaryDir data;
    SaveFile file(data.path());
    // A reward on offer to Bora, and a fight of Ceca's against Dule after its first blow.
    GameState reward = onPlainBoard();
    reward.currentPlayer = 1;
    reward.stage = Stage::Reward;
    reward.rewardOffered = 7;  // a leather armour
    GameState fight = reward;
    fight.currentPlayer = 2;
    fight.opponentIndex = 3;
    fight.playerSquare[2] = fight.playerSquare[3];
    fight.playerHealth[2] = 6;
    fight.stage = Stage::Fight;
    fight.fightOpen = 1;
    fight.backgroundNumber = 12;
    fight.blowNext = Side::Right;
    fight.metMayFlee = false;
    // Ana to roll, the goal changed to the gold she holds: as in a game never closed, she wins
    // only when her turn comes again, not as the game is taken up.
    GameState roll = onPlainBoard();
    roll.playerGold[0] = roll.goldToWin = 3;

    for (const GameState& stood : {reward, fight, roll}) {
        QVERIFY(file.write(Game::ToJson({stood, QString()})));
        TestGame g;
        auto* title = startWith(g, file);
        QVERIFY(title->Command5 && title->Command5->isVisibleTo(title));
        QCOMPARE(title->Command5->text(), QStringLiteral("NASTAVI"));
        // First in the tab order, and the button Enter presses.
        QWidget* next = title->Command5->nextInFocusChain();  // past the window itself
        while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
        QCOMPARE(next, title->Command1);
        QVERIFY(title->Command5->isDefault() && !title->Command1->isDefault());
        title->Command5->click();
        QVERIFY(!g.screens.isVisible(ScreenId::Form2));
        if (stood.stage == Stage::Roll) {
            QVERIFY(g.screens.isVisible(ScreenId::Form1) && !g.screens.isLoaded(ScreenId::pobeda));
            QCOMPARE(g.gs.stage, Stage::Roll);
        } else if (stood.stage == Stage::Reward) {
            auto* window = g.screen<Nagrade>(ScreenId::Nagrade);
            QVERIFY(window && window->isVisible());
            QCOMPARE(window->Image3->fileName(), QStringLiteral("leather.gif"));
            QCOMPARE(g.gs.currentPlayer, int16_t(1));
            g.random.pushDraw(0.5);  // the heap's die, drawn on every take
            window->Command1->click();
            QCOMPARE(g.gs.playerArmor[1], 2);
            QVERIFY(g.screens.isVisible(ScreenId::Form1));
            QCOMPARE(g.gs.currentPlayer, int16_t(2));
        } else {
            auto* window = g.screen<borba>(ScreenId::borba);
            QVERIFY(window && window->isVisible());
            QCOMPARE(window->pozadina->fileName(), QStringLiteral("pozadine/12.jpg"));
            QCOMPARE(row(QStringList{window->Label5->text(), window->Label2->text(),
                                     window->Label6->text(), window->Label4->text()}),
                     QStringLiteral("Ceca|6|Dule|10"));
            // Dule's blow is next, and the first blow is past: Ceca may not flee now.
            QCOMPARE(row(QList<bool>{window->Command1->isEnabled(), window->Command2->isEnabled(),
                                     window->Command3->isEnabled(), window->Command4->isEnabled()}),
                     QStringLiteral("false|false|true|true"));
        }
    }
}

void TestSaving::startAsksBeforeTheSavedGameIsLost() {
    QTemporaryDir data;
    SaveFile file(data.path());
    StdRandom dice(5);
    GameState gs = playedFor(dice, 30);
    gs.stage = Stage::Roll;
    QVERIFY(file.write(saved(gs, dice)));

    TestGame g;
    auto* title = startWith(g, file);
    g.dialogs.asks.enqueue(false);
    title->Command1->click();
    QCOMPARE(g.dialogs.questions.size(), 1);
    QVERIFY(g.screens.isVisible(ScreenId::Form2) && file.exists());
    g.dialogs.asks.enqueue(true);
    title->Command1->click();
    QVERIFY(g.screens.isVisible(ScreenId::Kreiranje));
    QVERIFY(!file.exists());
}

void TestSaving::autosaveFollowsTheGameAndAVictoryEndsIt() {
    QTemporaryDir data;
    SaveFile file(data.path());
    TestGame g;
    g.random.reseed(11);
    AutoSave autosave(file, g.gs, g.random, g.ctx.log);
    g.fourPlayers();
    g.gs.goldToWin = 1;
    // Nothing is kept before a game is on the board.
    autosave.check();
    QVERIFY(!file.exists());
    g.screens.show(ScreenId::Form1);
    autosave.check();
    bool unreadable = false;
    auto kept = file.read(&unreadable);
    QVERIFY(kept && !unreadable);
    QCOMPARE(Game::ToJson(*kept), Game::ToJson({g.gs, QString(), g.ctx.log}));
    // Each step is written as it ends.
    for (int i = 0; i < 20 && !g.screens.isVisible(ScreenId::pobeda); ++i) {
        for (ScreenId id :
             {ScreenId::Form1, ScreenId::Nagrade, ScreenId::opasnost, ScreenId::borba}) {
            if (!g.screens.isVisible(id)) continue;
            g.dialogs.otherwise = QStringLiteral("da");
            g.screens.loaded(id)->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            break;
        }
        TestGame::settle();
        autosave.check();
        if (Game::InProgress(g.gs)) {
            kept = file.read();
            QVERIFY(kept);
            QCOMPARE(Game::ToJson(*kept), Game::ToJson({g.gs, QString(), g.ctx.log}));
        }
    }
    // Somebody took the one coin that wins; the victory ends the saved game.
    g.gs.playerGold.fill(1);  // whoever moves next
    g.screens.unloadAll();
    g.gs.stage = Stage::TurnOver;
    Flow::TurnOver(g.ctx, ScreenId::Nagrade);
    QVERIFY(g.screens.isVisible(ScreenId::pobeda));
    autosave.check();
    QVERIFY(!file.exists());
}

void TestSaving::settingsSurviveARestart() {
    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("settings.ini"));
    {
        FakeSound sound;
        KeptSettings settings(file, sound);
        QVERIFY(settings.apply(true));
        sound.setVolume(40);
        sound.setOn(false);
        Language::set(Language::CYRILLIC);
    }
    Language::set(Language::ORIGINAL);
    FakeSound sound;
    KeptSettings settings(file, sound);
    QVERIFY(settings.apply(true));
    QCOMPARE(row(QVariantList{Language::current(), sound.isOn(), sound.volume()}),
             QStringLiteral("sr-Cyrl|false|40"));
    Language::set(Language::ORIGINAL);
    // A language given on the command line wins over the kept one.
    KeptSettings again(file, sound);
    QVERIFY(again.apply(false));
    QCOMPARE(Language::current(), Language::ORIGINAL);
}

void TestSaving::settingsOfTheWrongTypesAreSetAside() {
    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("settings.ini"));
    {
        QSettings wrong(file, QSettings::IniFormat);
        wrong.setValue(QStringLiteral("language"), QStringLiteral("klingon"));
        wrong.setValue(QStringLiteral("volume"), QStringLiteral("loud"));
    }
    FakeSound sound;
    KeptSettings settings(file, sound);
    QVERIFY(!settings.apply(true));
    // The original's: sound on at full volume, and the file kept aside.
    QCOMPARE(row(QVariantList{sound.isOn(), sound.volume()}), QStringLiteral("true|100"));
    const QStringList left = QDir(config.path()).entryList(QDir::Files);
    QCOMPARE(left.size(), 1);
    QVERIFY(left.first().startsWith(QStringLiteral("settings.ini.bad-")));
}

QTEST_MAIN(TestSaving)
#include "test_saving.moc"
