// The duel: set-up, every kind of blow with its taunt, retreats and falls.

#include <QFontMetrics>
#include <QtTest>

#include "fight_support.h"
#include "platform/Language.h"
#include "screens/borba/Fight.h"

using namespace fight_test;

namespace {
// Gives the first blow to the right fighter, as the left fighter's blow would.
void handToTheRight(borba* f) {
    f->Command1->setEnabled(false);
    f->Command2->setEnabled(false);
    f->Command3->setEnabled(true);
}

void expectBoardBack(TestGame& g) {
    QVERIFY(g.screens.isVisible(ScreenId::Form1));
    QVERIFY(!g.screens.isLoaded(ScreenId::borba));
    QCOMPARE(g.gs.fightOpen, 0);
    QVERIFY(g.random.draws.isEmpty());
    TestGame::settle();
}

template <typename Case, typename... Fields>
void row(const char* name, Fields... fields) {
    QTest::newRow(name) << Case{fields...};
}

// Ana (sword, left) against Bora (axe, right), the defender holding the shield with the blow's
// shield faces. Blow: pick, strike, guard, shield faces, shield, power, damage.
// `cry`: the taunt sound's own draw (0: none); `lastPick`: attackSoundPick before the blow;
// `health`: the defender's after; `sounds`: the striker's attack sound, then the answer's.
struct BlowCase {
    bool right;  // Bora strikes
    Blow blow;
    int taunt, cry, lastPick, health;
    QString message, line, sounds;
};

// `who` presses its "Povlacenje" or closes the window; with `first` the mover misses first.
struct RetreatCase {
    QString who;
    bool first, coward;
    int mover, met, from, roll, to, next;
};

// Dule (left: spear, chainmail, blue shield, 30 coins) against Bora (axe, robe, red shield, 10
// coins) or Ana (sword and nothing else); the winner stands at 3 health.
struct FallCase {
    bool leftFalls;
    int met;
    Blow blow;
    QStringList answers, messages, prompts;
    std::tuple<QString, int, QString, int> winner;  // weapon, armour, shield, gold after
};

// Everything a fight must leave alone when nobody falls.
auto gearOf(const GameState& s) {
    return std::tuple(s.playerHealth, s.playerGold, s.playerArmor, s.playerWeapon, s.playerShield);
}
}  // namespace

Q_DECLARE_METATYPE(BlowCase)
Q_DECLARE_METATYPE(RetreatCase)
Q_DECLARE_METATYPE(FallCase)

class TestFight : public QObject {
    Q_OBJECT

private slots:
    void settingUp() {
        TestGame g;
        setUpPlayers(g.gs);
        g.gs.playerName[2] = QStringLiteral("<b>Ceca</b>");
        g.gs.playerHealth[2] = 7;
        g.gs.playerWeaponPower = {0, 0, 4, 1};
        g.gs.playerWeapon[2].clear();    // lost her spear: its power stays
        g.gs.playerWeapon[3] = "Spear";  // not a weapon name: the power stays
        borba* f = openFight(g, 2, 1, 15);
        QCOMPARE(f->Label5->text(), QStringLiteral("<b>Ceca</b>"));
        QCOMPARE(f->Label5->textFormat(), Qt::PlainText);
        QCOMPARE(f->Label6->text() + f->Label2->text() + f->Label4->text(), "Bora710");
        const PictureBox* dolls[] = {f->pozadina, f->Image1, f->Image2, f->Image3, f->Image4,
                                     f->Image5,   f->Image6, f->Image7, f->Image8, f->oblak};
        const QStringList files = {
            "pozadine/15.jpg", "leather.gif",  "robe.gif",       "lik04.gif",   "lik03.gif", "",
            "axe.gif",         "providno.gif", "crvenistit.gif", "providno.gif"};
        for (int i = 0; i < 10; ++i) QCOMPARE(dolls[i]->fileName(), files[i]);
        QVERIFY(f->Command1->isEnabled() && f->Command2->isEnabled() && f->Command4->isEnabled());
        QVERIFY(!f->Command3->isEnabled() && !f->Timer1.isActive());
        QCOMPARE(g.gs.playerWeaponPower, (GameState::PerPlayer<int>{2, 3, 4, 1}));

        // The refresh after a blow counts weapons picked up since, even by players not
        // fighting, and keeps the background without drawing.
        g.gs.playerWeapon[0] = "spear";
        g.gs.playerWeapon[3] = "axe";
        pushBlow(g.random, {1, 1, 1, 6, 1, 4, -1});
        g.random.pushRoll(1, 10);
        g.random.pushRoll(1, 3);
        f->Command1_Click();
        QCOMPARE(g.gs.playerWeaponPower, (GameState::PerPlayer<int>{4, 3, 4, 3}));
        QCOMPARE(f->pozadina->fileName(), QStringLiteral("pozadine/15.jpg"));
        // A taunt left in the bubble is gone in the next fight, which draws its own background.
        QVERIFY(!f->Label8->text().isEmpty());
        g.random.pushRoll(1, 6);
        f->Command4_Click();
        TestGame::settle();
        f = openFight(g, 1, 0, 1);
        QCOMPARE(f->pozadina->fileName(), QStringLiteral("pozadine/1.jpg"));
        QCOMPARE(f->Label8->text() + f->oblak->fileName(), QStringLiteral("providno.gif"));
        QVERIFY(!f->Timer1.isActive());

        // Every line of the tables fits the bubble, which lies inside the cloud, in every language,
        // and no table says a line twice.
        QLabel* bubble = f->Label8;
        QVERIFY(bubble->wordWrap() && f->oblak->geometry().contains(bubble->geometry()));
        const QFontMetrics metrics(bubble->font());
        for (const QString& language : Language::codes()) {
            Language::set(language);
            for (int o = 0; o < 4; ++o) {
                QSet<QString> lines;
                for (int n = 1; n <= 10; ++n) {
                    const QString line = TauntText({Game::BlowOutcome(o), n});
                    lines << line;
                    bubble->setText(line);
                    for (const QString& word : line.split(QLatin1Char(' ')))
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
        row<BlowCase>("hit through a red shield", false, Blow{2, 5, 2, 6, 4, 2, 2}, 3, 2, 0, 8,
                      "Ana udara!2 ostecenja!", "Neeee tu..tu sam se operis`o!!!!", "fireball ow1");
        row<BlowCase>("right hit for nothing", true, Blow{2, 6, 1, 0, 0, 3, 0}, 1, 5, 0, 10,
                      "Bora udara!0 ostecenja!", "Kuukuuu!!!", "fireball ow2");
        // Each shield blocks with its top face: a red 6 stops a 6, a blue 3 stops a 3.
        row<BlowCase>("blocked by an equal shield", false, Blow{1, 6, 1, 6, 6, 2, -1}, 2, 2, 0, 10,
                      "Bora se odbranio shtitom!", "Kuku al si se odbio ko muda od labuda!",
                      "fire boring");
        row<BlowCase>("right blocked by a blue shield", true, Blow{3, 3, 6, 3, 3, 3, -1}, 4, 1, 0,
                      10, "Ana se odbranio shtitom!", "Di ti bre ochi?", "WATCHTHIS laugh");
        row<BlowCase>("miss", false, Blow{3, 2, 3, 0, 0, 2, 0}, 6, 0, 0, 10, "Ana promasuje!",
                      "Miss me miss me now ya gotta kiss me!", "watchthis stupid");
        row<BlowCase>("right miss", true, Blow{1, 1, 2, 0, 0, 3, 3}, 10, 0, 0, 10,
                      "Bora promasuje!", "Vise srece sledeci put :)", "fire stupid");
        row<BlowCase>("parry with the own pick", false, Blow{3, 4, 4, 0, 0, 2, 1}, 1, 0, 0, 10,
                      "Bora parira napad.", "Aha...odbrana!", "watchthis missed");
        row<BlowCase>("right parry, nothing picked", true, Blow{2, 4, 4, 0, 0, 3, 0}, 6, 0, 0, 10,
                      "Ana parira napad.", "Klikni na dugme `povlacenje` sledeci put", "fireball");
        row<BlowCase>("right parry after pick 3", true, Blow{1, 5, 5, 0, 0, 3, 2}, 10, 0, 3, 10,
                      "Ana parira napad.", "El da da imam vestine a..a?a???", "fire missed");
        row<BlowCase>("right parry after cry 4", true, Blow{1, 3, 3, 0, 0, 3, 0}, 8, 0, 4, 10,
                      "Ana parira napad.", "Smor smoor smooooor!!!!", "fire");
    }

    void blow() {
        QFETCH(BlowCase, c);
        TestGame g;
        setUpPlayers(g.gs);
        const int striker = c.right ? 1 : 0, defender = 1 - striker;
        const int faces = c.blow.shieldFaces;
        g.gs.playerShield[defender] = faces == 3 ? "plavi stit" : faces == 6 ? "crveni stit" : "";
        borba* f = openFight(g, 0, 1);
        if (c.right) handToTheRight(f);
        g.gs.attackSoundPick = static_cast<int16_t>(c.lastPick);
        pushBlow(g.random, c.blow);
        g.random.pushRoll(c.taunt, 10);
        if (c.cry > 0) g.random.pushRoll(c.cry, c.blow.damage < 0 ? 3 : 5);
        QTest::mouseClick(c.right ? f->Command3 : f->Command1, Qt::LeftButton);

        QVERIFY(g.random.draws.isEmpty());
        QCOMPARE(g.dialogs.messages, QStringList{c.message});
        QCOMPARE(g.gs.playerHealth[defender], c.health);
        QCOMPARE((c.right ? f->Label2 : f->Label4)->text(), QString::number(c.health));
        QCOMPARE(f->Label8->text(), c.line);
        const QStringList sounds = c.sounds.split(' ');
        QStringList paths = {theme(striker) + "\\" + sounds[0] + ".wav"};
        if (sounds.size() > 1) paths.append(theme(defender) + "\\" + sounds[1] + ".wav");
        QCOMPARE(g.sound.paths(), paths);
        QCOMPARE(g.sound.played[0].mode, c.right ? Sound::Mode::Sync : Sound::Mode::Async);

        // The other side strikes next; the defender's cloud clears 6 s after the blow.
        QCOMPARE((QList<bool>{f->Command1->isEnabled(), f->Command2->isEnabled(),
                              f->Command3->isEnabled(), f->Command4->isEnabled()}),
                 (QList<bool>{c.right, c.right, !c.right, !c.right}));
        QCOMPARE(f->oblak->fileName(), c.right ? "oblacak.gif" : "oblacak1.gif");
        QCOMPARE(f->Timer1.isActive() ? f->Timer1.interval() : 0, 6000);
        QVERIFY(QMetaObject::invokeMethod(&f->Timer1, "timeout"));
        QCOMPARE(f->Label8->text() + f->oblak->fileName(), QStringLiteral("providno.gif"));
    }

    void retreat_data() {
        QTest::addColumn<RetreatCase>("c");
        QTest::newRow("left 3 - 6") << RetreatCase{"left", false, true, 3, 1, 3, 6, 27, 0};
        QTest::newRow("right 0 - 1") << RetreatCase{"right", true, false, 1, 0, 0, 1, 29, 2};
        QTest::newRow("closed before a blow")
            << RetreatCase{"close", false, true, 0, 1, 5, 2, 3, 1};
        QTest::newRow("closed after a blow") << RetreatCase{"close", true, false, 0, 1, 5, 4, 1, 1};
    }

    void retreat() {
        QFETCH(RetreatCase, c);
        TestGame g;
        setUpPlayers(g.gs);
        const int fleeing = c.first ? c.met : c.mover, staying = c.first ? c.mover : c.met;
        g.gs.playerShield = {};
        g.gs.playerSquare[fleeing] = c.from;
        borba* f = openFight(g, c.mover, c.met);
        if (c.first) {
            pushBlow(g.random, {1, 1, 2, 0, 0, 4, 0});
            g.random.pushRoll(1, 10);
            f->Command1_Click();
        }
        const auto before = gearOf(g.gs);
        const int stayingAt = g.gs.playerSquare[staying];
        g.sound.played.clear();
        g.random.pushRoll(c.roll, 6);
        if (c.who == "close")
            f->close();
        else
            QTest::mouseClick(c.who == "left" ? f->Command2 : f->Command4, Qt::LeftButton);

        QCOMPARE(g.dialogs.messages.last(), g.gs.playerName[fleeing] + " je pobegao!!!");
        const QString coward = KAVGALIJA_ASSETS_DIR "\\zvuk\\american\\coward.wav";
        QCOMPARE(g.sound.paths(), c.coward ? QStringList{coward} : QStringList{});
        QCOMPARE(g.gs.playerSquare[fleeing], c.to);
        QCOMPARE(g.gs.playerSquare[staying], stayingAt);
        QVERIFY(gearOf(g.gs) == before);
        QCOMPARE(int(g.gs.currentPlayer), c.next);
        expectBoardBack(g);
    }

    void fall_data() {
        QTest::addColumn<FallCase>("c");
        const QString ask = "Da li zelite da uzmete i ", armor = ask + "protivnikov oklop?";
        const auto told = [](const char* winner, int damage, int gold) {
            return QStringList{QString("%1 udara!%2 ostecenja!").arg(winner).arg(damage),
                               QString("%1 je pobedio!!").arg(winner),
                               QString("%1 dobija %2 zlatnika.").arg(winner).arg(gold)};
        };
        row<FallCase>("right falls below 0, da takes all", false, 1, Blow{1, 6, 1, 6, 2, 4, 4},
                      QStringList{"da", "da", "da"}, told("Dule", 4, 10),
                      QStringList{ask + "axe?", armor, ask + "crveni stit?"},
                      std::tuple(QString("axe"), 1, QString("crveni stit"), 40));
        row<FallCase>("left falls, only a plain da takes", true, 1, Blow{2, 4, 3, 3, 3, 3, 1},
                      QStringList{"Da", " da", ""}, told("Bora", 1, 30),
                      QStringList{ask + "spear?", armor, ask + "plavi stit?"},
                      std::tuple(QString("axe"), 1, QString("crveni stit"), 40));
        row<FallCase>("no shield to ask for, no gold", false, 0, Blow{1, 2, 1, 0, 0, 4, 2},
                      QStringList{"da", "da"}, told("Dule", 2, 0),
                      QStringList{ask + "sword?", armor},
                      std::tuple(QString("sword"), 0, QString("plavi stit"), 30));
    }

    void fall() {
        QFETCH(FallCase, c);
        TestGame g;
        setUpPlayers(g.gs);
        const int winner = c.leftFalls ? c.met : 3, loser = c.leftFalls ? 3 : c.met;
        g.gs.playerHealth[winner] = 3;
        g.gs.playerHealth[loser] = c.leftFalls ? 1 : 2;
        const int winnerAt = g.gs.playerSquare[winner];
        borba* f = openFight(g, 3, c.met);
        if (c.leftFalls) handToTheRight(f);
        // Health is never shown below 0: the old value until the fall is told, then 0.
        QStringList shown;
        QLabel* health = c.leftFalls ? f->Label2 : f->Label4;
        g.dialogs.onMessage = [&](const QString&) { shown.append(health->text()); };
        const QString was = QString::number(g.gs.playerHealth[loser]);
        g.dialogs.answers.append(c.answers);
        pushBlow(g.random, c.blow);
        g.random.pushRoll(1, 10);
        g.random.pushRoll(1, 5);
        QTest::mouseClick(c.leftFalls ? f->Command3 : f->Command1, Qt::LeftButton);

        QCOMPARE(g.dialogs.messages, c.messages);
        QCOMPARE(shown, (QStringList{was, was, "0"}));
        QCOMPARE(g.dialogs.inputPrompts, c.prompts);
        QCOMPARE(g.sound.played.last().path, theme(winner) + "\\victory.wav");
        QCOMPARE(g.sound.played.last().mode, Sound::Mode::Async);
        const GameState& s = g.gs;
        QCOMPARE(std::tuple(s.playerWeapon[winner], s.playerArmor[winner], s.playerShield[winner],
                            s.playerGold[winner]),
                 c.winner);
        QCOMPARE(std::tuple(s.playerHealth[winner], s.playerSquare[winner]),
                 std::tuple(3, winnerAt));
        // The loser starts over: nothing, square 0, health 10.
        QCOMPARE(std::tuple(s.playerWeapon[loser], s.playerArmor[loser], s.playerShield[loser],
                            s.playerGold[loser], s.playerSquare[loser], s.playerHealth[loser]),
                 std::tuple(QString(), 0, QString(), 0, 0, 10));
        QCOMPARE(int(s.currentPlayer), 0);
        expectBoardBack(g);
    }
};

QTEST_MAIN(TestFight)
#include "test_fight.moc"
