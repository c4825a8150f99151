// The duel's window: what it shows, says and plays for each kind of blow, a retreat and a fall,
// and the board coming back after it. The rules themselves are in test_duel.
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "platform/Language.h"
#include "screens/borba/Fight.h"
#include "support/TestGame.h"

using namespace Qt::StringLiterals;

namespace {
QString theme(int slot) {
    return u"/themes/t%1"_s.arg(slot);
}

QString enabled(const borba* f) {
    QString out;
    for (const QPushButton* b : {f->Command1, f->Command2, f->Command3, f->Command4})
        out += b->isEnabled() ? u'1' : u'0';
    return out;
}

// The fight is over: the board is back with `next` to move and no draw is left over.
void expectBoardBack(TestGame& g, int next) {
    QVERIFY(g.screens.isVisible(ScreenId::Form1) && !g.screens.isLoaded(ScreenId::borba));
    QCOMPARE(int(g.gs.currentPlayer), next);
    QVERIFY(g.random.draws.isEmpty());
}

// Ana (left, sword) against Bora (right, axe), the defender holding a shield of the blow's faces.
// `sound`: the answer sound's own draw (0: none); `sounds`: the striker's war cry, then the
// answer's sound; `health`: the defender's after.
struct BlowCase {
    bool right;
    BlowDice dice;
    int taunt, sound, lastPick, health;
    QString message, line, sounds;
};

// Dule (spear, chainmail, blue shield, 30 coins) against Bora (axe, robe, red shield, 10 coins);
// the winner stands at 3 health.
struct FallCase {
    bool leftFalls;
    BlowDice dice;
    QStringList answers, messages, prompts;
    QString winner;  // weapon|armour|shield|gold after
};
}  // namespace

Q_DECLARE_METATYPE(BlowCase)
Q_DECLARE_METATYPE(FallCase)

class FightTest : public QObject {
    Q_OBJECT
private slots:
    // Both fighters as they stand, the striker's buttons and the one met's retreat; the striker's
    // button has the focus and a listener hears who fights whom. A taunt left in the bubble is
    // gone in the next fight, which shows its own background.
    void whatTheFightShows() {
        TestGame g;
        g.fourPlayers();
        g.gs.playerName[2] = u"<b>Ceca</b>"_s;
        g.gs.playerHealth[2] = 7;
        g.gs.playerWeapon[2].clear();
        borba* f = g.openFight(2, 1, 15);
        QCOMPARE(f->windowTitle() + f->Label7->text() + f->Command1->text() + f->Command4->text(),
                 u"BorbaProtivUdriPovlacenje"_s);
        QCOMPARE(f->Label5->text(), u"<b>Ceca</b>"_s);
        QCOMPARE(f->Label5->textFormat(), Qt::PlainText);
        QCOMPARE(f->Label6->text() + f->Label2->text() + f->Label4->text(), u"Bora710"_s);
        QCOMPARE(pics({f->pozadina, f->Image1, f->Image2, f->Image3, f->Image4, f->Image5,
                       f->Image6, f->Image7, f->Image8, f->oblak}),
                 u"pozadine/15.jpg|leather.gif|robe.gif|lik06.gif|lik03.gif||axe.gif|"
                 "providno.gif|crvenistit.gif|providno.gif"_s);
        QCOMPARE(enabled(f), u"1101"_s);
        QCOMPARE(f->Command3->accessibleDescription(), u"Bora udara"_s);
        QVERIFY(!f->Timer1.isActive());
        QCOMPARE(heard(f), QStringList{u"<b>Ceca</b>, zdravlje 7, protiv Bora, zdravlje 10."_s});
        QCOMPARE(QApplication::focusWidget(), f->Command1);

        pushMiss(g.random, true);
        f->Command1_Click();
        QVERIFY(!f->Label8->text().isEmpty());
        g.random.pushRoll(1, 6);
        f->Command4_Click();
        TestGame::settle();
        f = g.openFight(1, 0, 1);
        QCOMPARE(pics({f->pozadina, f->oblak}) + f->Label8->text(),
                 u"pozadine/1.jpg|providno.gif"_s);
    }

    // Every line of the tables fits the bubble, which lies inside the cloud, in every language,
    // and no table says a line twice.
    void everyTauntFitsTheBubble() {
        TestGame g;
        borba f(g.ctx);
        QLabel* bubble = f.Label8;
        QVERIFY(bubble->wordWrap() && f.oblak->geometry().contains(bubble->geometry()));
        const QFontMetrics metrics(bubble->font());
        for (const QString& language : Language::codes()) {
            Language::set(language);
            for (int o = 0; o < 4; ++o) {
                QSet<QString> lines;
                for (int n = 1; n <= 10; ++n) {
                    const QString line = TauntText({Game::BlowOutcome(o), n});
                    lines << line;
                    bubble->setText(line);
                    for (const QString& word : line.split(u' '))
                        QVERIFY2(metrics.horizontalAdvance(word) <= bubble->width(),
                                 qPrintable(word));
                    QVERIFY2(bubble->heightForWidth(bubble->width()) <= bubble->height(),
                             qPrintable(line));
                }
                QCOMPARE(lines.size(), 10);
            }
        }
        Language::set(Language::ORIGINAL);
    }

    void blow_data() {
        QTest::addColumn<BlowCase>("c");
        const auto add = [](const char* name, BlowCase c) { QTest::newRow(name) << c; };
        add("hit through a red shield", {false,
                                         {2, 5, 2, 6, 4, 2, 2},
                                         3,
                                         2,
                                         0,
                                         8,
                                         u"Ana udara!2 ostecenja!"_s,
                                         u"Neeee tu..tu sam se operis`o!!!!"_s,
                                         u"fireball ow1"_s});
        add("right hit", {true,
                          {2, 6, 1, 0, 0, 3, 0},
                          1,
                          5,
                          0,
                          10,
                          u"Bora udara!0 ostecenja!"_s,
                          u"Kuukuuu!!!"_s,
                          u"fireball ow2"_s});
        add("right blocked by a blue shield", {true,
                                               {3, 3, 6, 3, 3, 3, -1},
                                               4,
                                               1,
                                               0,
                                               10,
                                               u"Ana se odbranio shtitom!"_s,
                                               u"Di ti bre ochi?"_s,
                                               u"WATCHTHIS laugh"_s});
        add("miss", {false,
                     {3, 2, 3, 0, 0, 2, 0},
                     6,
                     0,
                     0,
                     10,
                     u"Ana promasuje!"_s,
                     u"Miss me miss me now ya gotta kiss me!"_s,
                     u"watchthis stupid"_s});
        add("parry on the own cry", {false,
                                     {3, 4, 4, 0, 0, 2, 1},
                                     1,
                                     0,
                                     0,
                                     10,
                                     u"Bora parira napad."_s,
                                     u"Aha...odbrana!"_s,
                                     u"watchthis missed"_s});
        add("right parry after a hurt 4, silent", {true,
                                                   {1, 3, 3, 0, 0, 3, 0},
                                                   8,
                                                   0,
                                                   4,
                                                   10,
                                                   u"Ana parira napad."_s,
                                                   u"Smor smoor smooooor!!!!"_s,
                                                   u"fire"_s});
    }

    // The blow's box, the defender's health, the answer in the defender's cloud with its sound;
    // the right striker's war cry is waited for. The other side strikes next, and the cloud
    // clears 6 s after the blow.
    void blow() {
        QFETCH(BlowCase, c);
        TestGame g;
        g.fourPlayers();
        const int striker = c.right ? 1 : 0, defender = 1 - striker;
        const int faces = c.dice.shieldFaces;
        g.gs.playerShield[defender] = faces == 3   ? u"plavi stit"_s
                                      : faces == 6 ? u"crveni stit"_s
                                                   : QString();
        borba* f = g.openFight(0, 1);
        if (c.right) {
            g.gs.blowNext = Side::Right;
            f->Form_Load();
        }
        g.gs.attackSoundPick = int16_t(c.lastPick);
        pushBlow(g.random, c.dice);
        g.random.pushRoll(c.taunt, 10);
        if (c.sound > 0) g.random.pushRoll(c.sound, c.dice.damage < 0 ? 3 : 5);
        QTest::mouseClick(c.right ? f->Command3 : f->Command1, Qt::LeftButton);

        QVERIFY(g.random.draws.isEmpty());
        QCOMPARE(g.dialogs.messages, QStringList{c.message});
        QCOMPARE((c.right ? f->Label2 : f->Label4)->text(), QString::number(c.health));
        QCOMPARE(f->Label8->text(), c.line);
        const QStringList sounds = c.sounds.split(u' ');
        QStringList paths = {theme(striker) + u"\\"_s + sounds[0] + u".wav"_s};
        if (sounds.size() > 1) paths << theme(defender) + u"\\"_s + sounds[1] + u".wav"_s;
        QCOMPARE(g.sound.paths(), paths);
        QCOMPARE(g.sound.played[0].mode, c.right ? Sound::Mode::Sync : Sound::Mode::Async);
        QCOMPARE(enabled(f), c.right ? u"1100"_s : u"0011"_s);
        QCOMPARE(f->oblak->fileName(), c.right ? u"oblacak.gif"_s : u"oblacak1.gif"_s);
        QCOMPARE(f->Timer1.isActive() ? f->Timer1.interval() : 0, 6000);
        QVERIFY(QMetaObject::invokeMethod(&f->Timer1, "timeout"));
        QCOMPARE(f->Label8->text() + f->oblak->fileName(), u"providno.gif"_s);
        QCOMPARE(heard(f).contains(u"Bora: zdravlje 8."_s), c.health == 8);
    }

    // A retreat by its button or by closing the window (the fighter whose blow it is flees):
    // told in a box, jeered only on the left, and the board comes back with the next player.
    void retreat_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("afterABlow");
        QTest::addColumn<QString>("fled");
        QTest::addColumn<bool>("jeered");
        QTest::newRow("left") << u"left"_s << false << u"Ana"_s << true;
        QTest::newRow("right before a blow") << u"right"_s << false << u"Bora"_s << false;
        QTest::newRow("right after a blow") << u"right"_s << true << u"Bora"_s << false;
        QTest::newRow("closed before a blow") << u"close"_s << false << u"Ana"_s << true;
        QTest::newRow("closed after a blow") << u"close"_s << true << u"Bora"_s << false;
    }
    void retreat() {
        QFETCH(QString, how);
        QFETCH(bool, afterABlow);
        QFETCH(QString, fled);
        QFETCH(bool, jeered);
        TestGame g;
        g.fourPlayers();
        borba* f = g.openFight(0, 1);
        if (afterABlow) {
            pushMiss(g.random, true);
            f->Command1_Click();
        }
        g.sound.played.clear();
        g.random.pushRoll(3, 6);
        if (how == u"close"_s)
            f->close();
        else
            QTest::mouseClick(how == u"left"_s ? f->Command2 : f->Command4, Qt::LeftButton);
        QCOMPARE(g.dialogs.messages.last(), fled + u" je pobegao!!!"_s);
        QCOMPARE(g.sound.paths(),
                 jeered ? QStringList{KAVGALIJA_ASSETS_DIR u"\\zvuk\\american\\coward.wav"_s}
                        : QStringList{});
        expectBoardBack(g, 1);
    }

    void fall_data() {
        QTest::addColumn<FallCase>("c");
        const QString ask = u"Da li zelite da uzmete i "_s, armor = ask + u"protivnikov oklop?"_s;
        QTest::newRow("right falls, da takes all") << FallCase{
            false,
            {1, 6, 1, 6, 2, 4, 4},
            {u"da"_s, u"da"_s, u"da"_s},
            {u"Dule udara!4 ostecenja!"_s, u"Dule je pobedio!!"_s, u"Dule dobija 10 zlatnika."_s},
            {ask + u"axe?"_s, armor, ask + u"crveni stit?"_s},
            u"axe|1|crveni stit|40"_s};
        QTest::newRow("left falls, only a plain da takes") << FallCase{
            true,
            {2, 4, 3, 3, 3, 3, 1},
            {u"Da"_s, u" da"_s, QString()},
            {u"Bora udara!1 ostecenja!"_s, u"Bora je pobedio!!"_s, u"Bora dobija 30 zlatnika."_s},
            {ask + u"spear?"_s, armor, ask + u"plavi stit?"_s},
            u"axe|1|crveni stit|40"_s};
    }

    // A fall is told in boxes, the health shown never below 0 (the old value until the fall is
    // told, then 0); the winner hears the victory and is asked about each of the loser's things.
    void fall() {
        QFETCH(FallCase, c);
        TestGame g;
        g.fourPlayers();
        g.gs.playerGold = {0, 10, 0, 30};
        const int winner = c.leftFalls ? 1 : 3, loser = c.leftFalls ? 3 : 1;
        g.gs.playerHealth[winner] = 3;
        g.gs.playerHealth[loser] = c.leftFalls ? 1 : 2;
        borba* f = g.openFight(3, 1);
        if (c.leftFalls) {
            g.gs.blowNext = Side::Right;
            f->Form_Load();
        }
        QStringList shown;
        QLabel* health = c.leftFalls ? f->Label2 : f->Label4;
        g.dialogs.onMessage = [&](const QString&) { shown << health->text(); };
        const QString was = health->text();
        g.dialogs.answers.append(c.answers);
        pushBlow(g.random, c.dice);
        g.random.pushRoll(1, 10);
        g.random.pushRoll(1, 5);
        QVERIFY(activate(f));  // as the fight comes up in play, before any blow
        QTest::mouseClick(c.leftFalls ? f->Command3 : f->Command1, Qt::LeftButton);

        QCOMPARE(g.dialogs.messages, c.messages);
        QCOMPARE(shown, (QStringList{was, was, u"0"_s}));
        QCOMPARE(g.dialogs.inputPrompts, c.prompts);
        QCOMPARE(g.sound.played.last().path, theme(winner) + u"\\victory.wav"_s);
        QCOMPARE(g.sound.played.last().mode, Sound::Mode::Async);
        const GameState& s = g.gs;
        QCOMPARE(row(QVariantList{s.playerWeapon[winner], s.playerArmor[winner],
                                  s.playerShield[winner], s.playerGold[winner]}),
                 c.winner);
        expectBoardBack(g, 0);
        QCOMPARE(heard(g.screens.loaded(ScreenId::Form1)),
                 (QStringList{s.playerName[winner] + u" ima 40 od 100 zlatnika."_s,
                              u"Na potezu: Ana"_s}));
    }
};

QTEST_MAIN(FightTest)
#include "test_fight.moc"
