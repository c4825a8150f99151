// The game's log: what each event reads as in every language, the rounds it is stamped with, how
// it is kept with a saved game; the board's latest lines, the log's window, the keys that speak
// the game, and the computer's pace.
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "game/Duel.h"
#include "game/Log.h"
#include "game/SavedGame.h"
#include "game/Turn.h"
#include "platform/Accessibility.h"
#include "platform/ComputerPace.h"
#include "platform/Keeping.h"
#include "platform/Language.h"
#include "screens/Dnevnik/Dnevnik.h"
#include "screens/Form1/Form1.h"
#include "screens/Listening.h"
#include "screens/opcije/opcije.h"
#include "state/Items.h"
#include "support/TestGame.h"

using Game::EventKind;
using Game::MakeEvent;

namespace {

Game::Event blow(int striker, int struck, Game::BlowOutcome outcome, int damage) {
    Game::Event e = MakeEvent(EventKind::Struck, striker, struck);
    e.blow.outcome = outcome;
    e.blow.damage = damage;
    return e;
}

Game::Event spoil(Spoil which, const QString& item, int armor = 0) {
    Game::Event e = MakeEvent(EventKind::SpoilTaken, 0, 1, armor, static_cast<int>(which));
    e.item = item;
    return e;
}

// Every kind of line the log tells, from one game of Ana, Bora, Ceca and Dule.
Game::Log everyKindOfLine(GameState& gs) {
    newGameOfFour(gs);
    gs.playerSquare = {5, 8, 21, 11};
    gs.playerHealth[1] = 4;
    Game::Log log;
    log.record(gs, Game::Events{MakeEvent(EventKind::BoardGenerated), MakeEvent(EventKind::ToMove, 0),
                    MakeEvent(EventKind::Rolled, 0, -1, 5, 0), MakeEvent(EventKind::CoinFound, 0, -1, 1),
                    MakeEvent(EventKind::PlainSquare, 0), MakeEvent(EventKind::ToMove, 1),
                    MakeEvent(EventKind::RewardOffered, 1, -1, 0, 5),
                    MakeEvent(EventKind::RewardTaken, 1, -1, 21, 5),
                    MakeEvent(EventKind::RewardLeft, 1, -1, 0, 1),
                    MakeEvent(EventKind::TurnLost, 2), MakeEvent(EventKind::ToMove, 3)});
    for (int mishap = 1; mishap <= 5; ++mishap)
        log.record(gs, MakeEvent(EventKind::MishapStruck, 3, -1, mishap == 4 ? 5 : 0, mishap));
    log.record(gs, Game::Events{MakeEvent(EventKind::ToMove, 0), MakeEvent(EventKind::Met, 0, 1),
                    MakeEvent(EventKind::FightOpened, 0, 1, 0, 7),
                    blow(0, 1, Game::BlowOutcome::Hit, 1), blow(1, 0, Game::BlowOutcome::Miss, 2),
                    blow(0, 1, Game::BlowOutcome::ShieldBlock, 0),
                    blow(1, 0, Game::BlowOutcome::Parry, 3), MakeEvent(EventKind::Fell, 0, 1, 11),
                    spoil(Spoil::Weapon, Items::AXE), spoil(Spoil::Armor, QString(), 1),
                    spoil(Spoil::Shield, QString()), MakeEvent(EventKind::SpoilLeft, 0, 1),
                    MakeEvent(EventKind::FightWon, 0, 1, 11),
                    MakeEvent(EventKind::Retreated, 2, 3, 2, 19),
                    MakeEvent(EventKind::Victory, 1, -1, 100)});
    return log;
}

QStringList lines(const Game::Log& log, const GameState& gs) {
    QStringList out;
    for (const Game::LogEntry& e : log.entries()) out << Game::LogLine(e, gs);
    return out;
}

}  // namespace

class TestLog : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Language::set(Language::ORIGINAL); }

    void everyEventReadsInEveryLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("original") << Language::ORIGINAL << QStringList{
            "Runda 1: Pocinje nova igra.",
            "Runda 1: Ana baca 5 i staje na polje 6.",
            "Runda 1: Ana nalazi zlatnik (zlatnika: 1).",
            "Runda 1: Bora uzima blago (zlatnika: 21).",
            "Runda 1: Bora ostavlja: dagger.",
            "Runda 1: Ceca propusta potez zbog inkvizicije.",
            "Runda 1: Dule lomi oruzje.",
            "Runda 1: Dule ostaje bez oklopa.",
            "Runda 1: Dule bezi od psa: nazad za 3, na polje 12.",
            "Runda 1: Lopov! Dule gubi zlatnika: 5.",
            "Runda 1: Dule pada u ruke inkvizicije i propusta sledeci potez.",
            "Runda 2: Ana i Bora su na istom polju: borba!",
            "Runda 2: Ana udara i pogadja, steta: 1 (Bora: jos 4 zdravlja).",
            "Runda 2: Bora udara i promasuje.",
            "Runda 2: Ana udara, a Bora se brani stitom.",
            "Runda 2: Bora udara, a Ana odbija udarac.",
            "Runda 2: Bora pada, Ana pobeduje u borbi.",
            "Runda 2: Ana uzima plen: axe.",
            "Runda 2: Ana uzima plen: Mantija.",
            "Runda 2: Ana uzima plen: nista.",
            "Runda 2: Ana osvaja zlatnika: 11, a Bora pocinje ispocetka.",
            "Runda 2: Ceca bezi iz borbe: nazad za 2, na polje 20.",
            "Runda 2: Bora pobeduje! Zlatnika: 100.",
        };
        QTest::newRow("English") << Language::ENGLISH << QStringList{
            "Round 1: A new game begins.",
            "Round 1: Ana rolls 5 and lands on square 6.",
            "Round 1: Ana finds a gold coin (1 in all).",
            "Round 1: Bora takes the treasure: 21 gold coins.",
            "Round 1: Bora leaves: dagger.",
            "Round 1: Ceca misses a turn to the Inquisition.",
            "Round 1: Dule's weapon breaks.",
            "Round 1: Dule's armour falls apart.",
            "Round 1: A dog chases Dule 3 squares back, to square 12.",
            "Round 1: A thief! Dule loses 5 gold coins.",
            "Round 1: The Inquisition seizes Dule, who will miss the next turn.",
            "Round 2: Ana and Bora meet on one square: a fight!",
            "Round 2: Ana strikes and hits for 1 damage (Bora: 4 health left).",
            "Round 2: Bora strikes and misses.",
            "Round 2: Ana strikes; Bora blocks with a shield.",
            "Round 2: Bora strikes; Ana parries the blow.",
            "Round 2: Bora falls; Ana wins the fight.",
            "Round 2: Ana takes the spoils: axe.",
            "Round 2: Ana takes the spoils: Robe.",
            "Round 2: Ana takes the spoils: nothing.",
            "Round 2: Ana wins 11 gold coins; Bora starts again from nothing.",
            "Round 2: Ceca flees the fight: 2 squares back, to square 20.",
            "Round 2: Bora wins with 100 gold coins!",
        };
        QTest::newRow("Cyrillic") << Language::CYRILLIC << QStringList{
            "Рунда 1: Почиње нова игра.",
            "Рунда 1: Ana баца 5 и стаје на поље 6.",
            "Рунда 1: Ana налази златник (укупно 1).",
            "Рунда 1: Bora узима благо: 21 златник.",
            "Рунда 1: Bora оставља: бодеж.",
            "Рунда 1: Ceca пропушта потез због инквизиције.",
            "Рунда 1: Dule ломи оружје.",
            "Рунда 1: Dule остаје без оклопа.",
            "Рунда 1: Dule бежи од пса: назад за 3, на поље 12.",
            "Рунда 1: Лопов! Dule губи 5 златника.",
            "Рунда 1: Dule пада у руке инквизиције и пропушта следећи потез.",
            "Рунда 2: Ana и Bora су на истом пољу: борба!",
            "Рунда 2: Ana удара и погађа, штета: 1 (Bora: још 4 здравља).",
            "Рунда 2: Bora удара и промашује.",
            "Рунда 2: Ana удара, а Bora се брани штитом.",
            "Рунда 2: Bora удара, а Ana одбија ударац.",
            "Рунда 2: Bora пада, Ana побеђује у борби.",
            "Рунда 2: Ana узима плен: секира.",
            "Рунда 2: Ana узима плен: Мантија.",
            "Рунда 2: Ana узима плен: ништа.",
            "Рунда 2: Ana осваја 11 златника, а Bora почиње испочетка.",
            "Рунда 2: Ceca бежи из борбе: назад за 2, на поље 20.",
            "Рунда 2: Bora побеђује са 100 златника!",
        };
    }
    void everyEventReadsInEveryLanguage() {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        QVERIFY(Language::set(language));
        GameState gs;
        const QStringList got = lines(everyKindOfLine(gs), gs);
        for (int i = 0; i < std::min(got.size(), expected.size()); ++i) QCOMPARE(got[i], expected[i]);
        QCOMPARE(got.size(), expected.size());
    }

    // One and many: the translations say "1 gold coin" and "2 златника".
    void amountsAgree() {
        GameState gs;
        newGameOfFour(gs);
        const auto thief = [&gs](int stolen) {
            Game::LogEntry e;
            e.event = MakeEvent(EventKind::MishapStruck, 0, -1, stolen, 4);
            return Game::LogText(e, gs);
        };
        QVERIFY(Language::set(Language::ENGLISH));
        QCOMPARE(thief(1), QStringLiteral("A thief! Ana loses 1 gold coin."));
        QVERIFY(Language::set(Language::CYRILLIC));
        QCOMPARE(row(QStringList{thief(1), thief(2), thief(11), thief(21)}),
                 QStringLiteral("Лопов! Ana губи 1 златник.|Лопов! Ana губи 2 златника.|"
                                "Лопов! Ana губи 11 златника.|Лопов! Ana губи 21 златник."));
        // A name of thousands of letters is cut short; one of 32 stays whole.
        gs.playerName[0] = QString(10000, u'W');
        QCOMPARE(thief(2), QStringLiteral("Лопов! ") + QString(31, u'W') + QStringLiteral("… губи 2 златника."));
        gs.playerName[0] = QString(32, u'Ж');
        QVERIFY(thief(2).contains(QString(32, u'Ж') + QStringLiteral(" губи")));
    }

    // The rules' own events: the square a dog chased to, the health a hit left, the rounds as
    // the turn comes round, a lost turn and a player left out included.
    void theRulesEventsAreStampedAsTheyHappen() {
        GameState gs;
        FakeRandom dice;
        newGameOfFour(gs);
        gs.playersInGame = 3;
        Game::Log log;
        for (int i = 1; i < GameState::BOARD_SQUARES; ++i) dice.pushRoll(i == 4 ? 6 : 1, 8);
        log.record(gs, Game::BeginTurn(gs, dice));  // Ana
        dice.pushRoll(4, 6);
        log.record(gs, *Game::Roll(gs, dice));
        dice.pushRoll(3, 5);  // the dog
        dice.pushDraw(0);
        log.record(gs, Game::Land(gs, dice));
        QCOMPARE(gs.playerSquare[0], 1);
        PassTurn(gs);
        gs.playerSkipTurns[1] = 1;
        log.record(gs, Game::BeginTurn(gs, dice));  // Bora loses the turn
        Game::PassOverLostTurn(gs);
        log.record(gs, Game::BeginTurn(gs, dice));  // Ceca
        PassTurn(gs);
        log.record(gs, Game::BeginTurn(gs, dice));  // Ana again: round 2
        gs.opponentIndex = 2;
        dice.pushRoll(7, 15);
        Game::OpenFight(gs, dice);
        pushBlow(dice, {.strike = 6, .guard = 1, .power = Items::weaponPower(Items::SWORD),
                        .damage = 2});
        dice.pushRoll(1, 10);  // the answer and its sound
        dice.pushRoll(1, 5);
        log.record(gs, Game::Strike(gs, dice, Side::Left));
        QCOMPARE(lines(log, gs),
                 (QStringList{"Runda 1: Pocinje nova igra.",
                              "Runda 1: Ana baca 4 i staje na polje 5.",
                              "Runda 1: Ana bezi od psa: nazad za 3, na polje 2.",
                              "Runda 1: Bora propusta potez zbog inkvizicije.",
                              "Runda 2: Ana udara i pogadja, steta: 2 (Ceca: jos 8 zdravlja)."}));
        QCOMPARE(log.round(), 2);
    }

    // Kept with the game and read back as it was; a log no game could write refuses the save.
    void theLogIsKeptWithTheGame() {
        GameState gs;
        const Game::Log log = everyKindOfLine(gs);
        gs.stage = Stage::Roll;
        gs.newGame = 0;
        gs.playersInGame = 4;
        gs.creatingPlayer = 3;
        gs.squareKind.fill(QStringLiteral("polje"));
        gs.squareKind[0].clear();
        const QByteArray json = Game::ToJson({gs, QString(), log});
        QString why;
        const auto back = Game::FromJson(json, &why);
        QVERIFY2(back, qPrintable(why));
        QCOMPARE(lines(back->log, gs), lines(log, gs));
        QCOMPARE(back->log.round(), 2);
        QCOMPARE(Game::ToJson(*back), json);
        // Without a log (a game kept before there was one) it starts empty.
        QJsonObject old = QJsonDocument::fromJson(json).object();
        old.remove(QStringLiteral("log"));
        const auto older = Game::FromJson(QJsonDocument(old).toJson());
        QVERIFY(older && older->log.entries().isEmpty());
        for (const QByteArray& wrong :
             {QByteArray(R"({"round":1,"lastTurn":0,"lines":["1 0 0 3 7 -1 1 0 0 0 "]})"),
              QByteArray(R"({"round":1,"lastTurn":0,"lines":["2 0 0 3 0 -1 1 0 0 0 "]})"),
              QByteArray(R"({"round":1,"lastTurn":0,"lines":["1 0 0 1 0 -1 1 0 0 0 "]})"),
              QByteArray(R"({"round":1,"lastTurn":0,"lines":["1 0 0 3 0 -1 1 0 0"]})"),
              QByteArray(R"({"round":1,"lastTurn":0,"lines":["1 0 0 3 0 -1 x 0 0 0 "]})"),
              QByteArray(R"([])")}) {
            QJsonObject bad = old;
            bad.insert(QStringLiteral("log"), QJsonDocument::fromJson(wrong).isObject()
                                                  ? QJsonValue(QJsonDocument::fromJson(wrong).object())
                                                  : QJsonValue(QJsonArray()));
            QVERIFY2(!Game::FromJson(QJsonDocument(bad).toJson(), &why), wrong.constData());
            QCOMPARE(why, QStringLiteral("a log no game could have written"));
        }
    }

    // The board shows the latest lines as the game goes, the newest last; the log's window shows
    // them all, the newest chosen, and follows the language.
    void theBoardAndTheWindowShowTheLog() {
        TestGame g;
        g.fourPlayers();
        g.gs.playerSquare = {0, 7, 14, 21};  // a step each turn: nobody meets
        g.ctx.log.record(g.gs, MakeEvent(EventKind::BoardGenerated));
        g.screens.show(ScreenId::Form1);
        auto* board = g.screen<Form1>(ScreenId::Form1);
        for (int i = 0; i < 30; ++i) {
            g.random.pushRoll(1, 6);
            board = g.screen<Form1>(ScreenId::Form1);
            board->Command1->click();
        }
        board = g.screen<Form1>(ScreenId::Form1);
        const QStringList shown = board->recentLog->text().split(u'\n');
        QVERIFY2(shown.size() >= 4, qPrintable(board->recentLog->text()));
        QVERIFY(shown.size() < 30);
        QCOMPARE(shown.last(), QStringLiteral("Runda 8: Bora baca 1 i staje na polje 16."));
        QCOMPARE(shown.first(), Game::LogLine(g.ctx.log.entries().at(31 - shown.size()), g.gs));
        QVERIFY(board->recentLog->geometry().left() >= board->Image1[19]->geometry().right());

        QVERIFY(activate(board));
        QTest::keyClick(board, Qt::Key_D);
        auto* window = g.screen<Dnevnik>(ScreenId::Dnevnik);
        QVERIFY(window && g.screens.isVisible(ScreenId::Dnevnik));
        QCOMPARE(window->lines->count(), 31);
        QCOMPARE(window->lines->currentRow(), 30);
        QCOMPARE(window->lines->item(0)->text(), QStringLiteral("Runda 1: Pocinje nova igra."));
        QCOMPARE(heard(window), QStringList{"Runda 8: Bora baca 1 i staje na polje 16."});
        Language::set(Language::ENGLISH);
        QCoreApplication::processEvents();
        QCOMPARE(window->lines->item(30)->text(),
                 QStringLiteral("Round 8: Bora rolls 1 and lands on square 16."));
        QCOMPARE(window->windowTitle(), QStringLiteral("Log"));
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!g.screens.isLoaded(ScreenId::Dnevnik));
    }

    // P says the last sentence again and steps back on each press until something new is said;
    // Z tells the race and N the turn.
    void theKeysSpeakTheGame() {
        TestGame g;
        g.fourPlayers();
        g.gs.playerComputer[1] = true;
        g.gs.playerGold = {3, 0, 0, 7};
        g.screens.show(ScreenId::Form1);
        auto* board = g.screen<Form1>(ScreenId::Form1);
        QStringList said;
        Accessibility::setListener([&said](const QWidget*, const QString& s) { said << s; });
        QVERIFY(activate(board));
        said.clear();
        Accessibility::announce(board, QStringLiteral("prva"));
        Accessibility::remember(QStringLiteral("druga"));
        for (int i = 0; i < 3; ++i) QTest::keyClick(board, Qt::Key_P);
        Accessibility::announce(board, QStringLiteral("treca"));
        QTest::keyClick(board, Qt::Key_P);
        QTest::keyClick(board, Qt::Key_Z);
        QTest::keyClick(board, Qt::Key_N);
        // Further back than the test's own sentences lies the board's.
        QCOMPARE(said.mid(0, 6), (QStringList{"prva", "druga", "prva", "Na potezu: Ana", "treca",
                                              "treca"}));
        QCOMPARE(said.value(6),
                 QStringLiteral("Ana: 3 od 100 zlatnika, polje 1. Bora (racunar, srednje): 0 od "
                                "100 zlatnika, polje 2. Ceca: 0 od 100 zlatnika, polje 22. Dule: 7 "
                                "od 100 zlatnika, polje 12."));
        // In English the goal's number decides the noun.
        g.gs.goldToWin = 1;
        const int seats = g.gs.playersInGame;
        g.gs.playersInGame = 2;
        g.gs.playerStrength[1] = Strength::Hard;
        Language::set(Language::ENGLISH);
        QCOMPARE(Listening::RaceSentence(g.gs),
                 QStringLiteral("Ana: 3 of 1 gold coin, square 1. Bora (computer, hard): 0 of 1 "
                                "gold coin, square 2."));
        Language::set(Language::ORIGINAL);
        g.gs.goldToWin = 100;
        g.gs.playersInGame = seats;
        QCOMPARE(said.value(7), QStringLiteral("Na potezu: Ana. Zlatnika: 3 od 100; oruzje: sword; "
                                               "oklop: Odelo; stit: nema; zdravlje: 10."));
        // In a fight the turn is the blow's.
        auto* fight = g.openFight(0, 1);
        pushMiss(g.random, true);
        fight->Command1->click();
        QVERIFY(activate(fight));
        QTest::keyClick(fight, Qt::Key_N);
        Accessibility::setListener(nullptr);
        QCOMPARE(said.last(), QStringLiteral("Na potezu: Bora. Zlatnika: 0 od 100; oruzje: axe; "
                                             "oklop: Mantija; stit: crveni stit; zdravlje: 10."));
    }

    // The options' pace reaches the computer's pause and its boxes, and is kept with the
    // settings.
    void thePaceIsTheComputers() {
        QTemporaryDir config;
        const QString file = config.filePath(QStringLiteral("settings.ini"));
        {
            TestGame g;
            KeptSettings settings(file, g.sound, &g.ctx);
            QVERIFY(settings.apply(true));
            g.screens.show(ScreenId::opcije);
            auto* options = g.screen<opcije>(ScreenId::opcije);
            QCOMPARE(options->paceChoice->currentIndex(), int(ComputerPace::AtOnce));
            const auto choose = [options](ComputerPace pace) {
                options->paceChoice->setCurrentIndex(int(pace));
                emit options->paceChoice->activated(int(pace));
            };
            choose(ComputerPace::Fast);
            QCOMPARE(row(QVariantList{g.ctx.computerPauseMs, g.ctx.unattendedBoxesAtOnce}),
                     QStringLiteral("250|false"));
            choose(ComputerPace::AtOnce);
            QCOMPARE(row(QVariantList{g.ctx.computerPauseMs, g.ctx.unattendedBoxesAtOnce}),
                     QStringLiteral("0|true"));
            // A computer's turn: its boxes close at once.
            g.boxes.followPace(g.ctx);
            g.fourPlayers();
            g.gs.playerComputer.fill(true);
            g.boxes.message(QStringLiteral("Poruka"));
            QCOMPARE(g.dialogs.closeAfter, QList<int>{0});
            choose(ComputerPace::Normal);
            g.boxes.message(QStringLiteral("Poruka"));
            QCOMPARE(g.dialogs.closeAfter.last(), ComputerDialogs::ReadingTimeMs("Poruka"));
            choose(ComputerPace::Fast);
        }
        TestGame g;
        KeptSettings settings(file, g.sound, &g.ctx);
        QVERIFY(settings.apply(true));
        QCOMPARE(PaceOf(g.ctx), ComputerPace::Fast);
        QCOMPARE(g.ctx.computerPauseMs, kFastPauseMs);
    }
};

QTEST_MAIN(TestLog)
#include "test_log.moc"
