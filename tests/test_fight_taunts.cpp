// The defender's taunts in the speech bubble, their sounds, and the bubble's clearing.

#include <QFontMetrics>
#include <QtTest>

#include "fight_support.h"
#include "screens/borba/Fight.h"

using namespace fight_test;

namespace {
// Bora (slot 1) without a shield, so only the dice decide.
borba* openPlainFight(TestGame& g) {
    setUpPlayers(g.gs);
    g.gs.playerShield[1].clear();
    return openFight(g, 0, 1);
}
}  // namespace

class TestFightTaunts : public QObject {
    Q_OBJECT

private slots:
    void shieldBlockBeatsTheDiceAndShrugsInTheDefendersVoice();
    void hitPicksOneOfFiveCries();
    void missAlwaysSaysStupidAndDrawsNoSound();
    void parryReusesTheLastPick();
    void cloudPerSideAndClearing();
    void everyLineFitsTheBubble();
};

void TestFightTaunts::shieldBlockBeatsTheDiceAndShrugsInTheDefendersVoice() {
    TestGame g;
    setUpPlayers(g.gs);
    borba* f = openFight(g, 0, 1);  // Bora holds the red shield
    pushBlow(g.random,
             {.pick = 1, .strike = 3, .guard = 1, .shieldFaces = 6, .shield = 3, .damage = -1});
    g.random.pushRoll(2, 10);
    g.random.pushRoll(2, 3);
    f->Command1_Click();

    QCOMPARE(g.dialogs.messages, QStringList{QStringLiteral("Bora se odbranio shtitom!")});
    QCOMPARE(g.gs.playerHealth[1], 10);
    QCOMPARE(g.random.randomizeCount, 1);
    QCOMPARE(g.gs.tauntRoll, 2);
    QCOMPARE(g.gs.attackSoundPick, 2);
    QCOMPARE(f->Label8->text(), QStringLiteral("Kuku al si se odbio ko muda od labuda!"));
    QVERIFY(!f->Label8->isHidden());
    QCOMPARE(g.sound.paths(), (QStringList{theme(0) + QStringLiteral("\\fire.wav"),
                                           theme(1) + QStringLiteral("\\boring.wav")}));
    QCOMPARE(g.sound.played.last().mode, Sound::Mode::Async);
    QVERIFY(g.random.draws.isEmpty());
}

void TestFightTaunts::hitPicksOneOfFiveCries() {
    TestGame g;
    borba* f = openPlainFight(g);
    pushBlow(g.random, {.pick = 1, .strike = 5, .guard = 2, .power = 2, .damage = 1});
    g.random.pushRoll(10, 10);
    g.random.pushRoll(4, 5);
    f->Command1_Click();
    QCOMPARE(f->Label8->text(), QStringLiteral("Kah kah...Ispade mi zub...shit."));
    QCOMPARE(g.sound.played.last().path, theme(1) + QStringLiteral("\\YOULLREGRETTHAT.wav"));

    // The right fighter's wound speaks with the left fighter's voice.
    pushBlow(g.random, {.pick = 2, .strike = 6, .guard = 1, .power = 3, .damage = 0});
    g.random.pushRoll(1, 10);
    g.random.pushRoll(5, 5);
    f->Command3_Click();
    QCOMPARE(f->Label8->text(), QStringLiteral("Kuukuuu!!!"));
    QCOMPARE(g.sound.played.last().path, theme(0) + QStringLiteral("\\ow2.wav"));
    QCOMPARE(g.gs.attackSoundPick, 5);
    QCOMPARE(g.gs.attackSoundPick2, 2);
    QVERIFY(g.random.draws.isEmpty());
}

void TestFightTaunts::missAlwaysSaysStupidAndDrawsNoSound() {
    TestGame g;
    borba* f = openPlainFight(g);
    pushBlow(g.random, {.pick = 3, .strike = 2, .guard = 3, .power = 2, .damage = 0});
    g.random.pushRoll(6, 10);
    f->Command1_Click();
    QVERIFY(g.random.draws.isEmpty());
    QCOMPARE(g.gs.attackSoundPick, 3);  // still the attack's own pick
    QCOMPARE(f->Label8->text(), QStringLiteral("Miss me miss me now ya gotta kiss me!"));
    QCOMPARE(g.sound.paths(), (QStringList{theme(0) + QStringLiteral("\\watchthis.wav"),
                                           theme(1) + QStringLiteral("\\stupid.wav")}));
}

void TestFightTaunts::parryReusesTheLastPick() {
    // A right parry before anything drew attackSoundPick (the right fighter given the first
    // blow by hand): silent, the line still shown.
    TestGame h;
    borba* f = openPlainFight(h);
    f->Command1->setEnabled(false);
    f->Command3->setEnabled(true);
    pushBlow(h.random, {.pick = 2, .strike = 4, .guard = 4, .power = 3, .damage = 0});
    h.random.pushRoll(6, 10);
    f->Command3_Click();
    QCOMPARE(h.gs.attackSoundPick, 0);
    QCOMPARE(f->Label8->text(), QStringLiteral("Klikni na dugme `povlacenje` sledeci put"));
    QCOMPARE(h.sound.paths(), QStringList{theme(1) + QStringLiteral("\\fireball.wav")});

    // Left fighter's parry: its own attack pick chooses the sound (watch this -> missed).
    h.sound.played.clear();
    pushBlow(h.random, {.pick = 3, .strike = 2, .guard = 2, .power = 2, .damage = 0});
    h.random.pushRoll(1, 10);
    f->Command1_Click();
    QCOMPARE(f->Label8->text(), QStringLiteral("Aha...odbrana!"));
    QCOMPARE(h.sound.paths(), (QStringList{theme(0) + QStringLiteral("\\watchthis.wav"),
                                           theme(1) + QStringLiteral("\\missed.wav")}));

    // Right parry after that: the left pick 3 is still there, and the left fighter speaks.
    h.sound.played.clear();
    pushBlow(h.random, {.pick = 1, .strike = 5, .guard = 5, .power = 3, .damage = 0});
    h.random.pushRoll(10, 10);
    f->Command3_Click();
    QCOMPARE(f->Label8->text(), QStringLiteral("El da da imam vestine a..a?a???"));
    QCOMPARE(h.sound.paths(), (QStringList{theme(1) + QStringLiteral("\\fire.wav"),
                                           theme(0) + QStringLiteral("\\missed.wav")}));

    // A hit's cry pick 4 or 5 leaves the next right parry silent.
    pushBlow(h.random, {.pick = 1, .strike = 6, .guard = 1, .power = 2, .damage = 0});
    h.random.pushRoll(1, 10);
    h.random.pushRoll(4, 5);
    f->Command1_Click();
    h.sound.played.clear();
    pushBlow(h.random, {.pick = 1, .strike = 3, .guard = 3, .power = 3, .damage = 0});
    h.random.pushRoll(8, 10);
    f->Command3_Click();
    QCOMPARE(f->Label8->text(), QStringLiteral("Smor smoor smooooor!!!!"));
    QCOMPARE(h.sound.paths(), QStringList{theme(1) + QStringLiteral("\\fire.wav")});
    QVERIFY(h.random.draws.isEmpty());
}

void TestFightTaunts::cloudPerSideAndClearing() {
    TestGame g;
    borba* f = openPlainFight(g);
    QVERIFY(!f->Timer1.isActive());

    pushBlow(g.random, {.pick = 1, .strike = 2, .guard = 3, .power = 2, .damage = 0});
    g.random.pushRoll(1, 10);
    f->Command1_Click();
    QCOMPARE(f->oblak->fileName(), QStringLiteral("oblacak1.gif"));
    QVERIFY(f->Timer1.isActive());
    QCOMPARE(f->Timer1.interval(), 6000);

    pushBlow(g.random, {.pick = 1, .strike = 2, .guard = 3, .power = 3, .damage = 0});
    g.random.pushRoll(2, 10);
    f->Command3_Click();
    QCOMPARE(f->oblak->fileName(), QStringLiteral("oblacak.gif"));
    QCOMPARE(f->Label8->text(), QStringLiteral("Ej...ja sam u ovom pravcu :)"));

    // The timer's tick empties the bubble; the label stays, empty.
    QVERIFY(QMetaObject::invokeMethod(&f->Timer1, "timeout"));
    QCOMPARE(f->oblak->fileName(), QStringLiteral("providno.gif"));
    QCOMPARE(f->Label8->text(), QString());
    QVERIFY(!f->Label8->isHidden());
    f->Timer1_Timer();
    QCOMPARE(f->Label8->text(), QString());

    // The fight's end takes the timer with it; the next fight starts with an empty bubble.
    g.random.pushRoll(1, 6);
    f->Command2_Click();
    TestGame::settle();
    g.gs.opponentIndex = 0;
    borba* next = openFight(g, 1, 0);
    QVERIFY(next);
    QCOMPARE(next->Label8->text(), QString());
    QCOMPARE(next->oblak->fileName(), QStringLiteral("providno.gif"));
    QVERIFY(!next->Timer1.isActive());
}

void TestFightTaunts::everyLineFitsTheBubble() {
    TestGame g;
    borba* f = openPlainFight(g);
    QLabel* bubble = f->Label8;
    QVERIFY(bubble->wordWrap());
    QVERIFY(f->oblak->geometry().contains(bubble->geometry()));
    QVERIFY(bubble->testAttribute(Qt::WA_TranslucentBackground) || !bubble->autoFillBackground());

    const QFontMetrics metrics(bubble->font());
    for (BlowOutcome o :
         {BlowOutcome::ShieldBlock, BlowOutcome::Hit, BlowOutcome::Miss, BlowOutcome::Parry}) {
        for (const QString& line : TauntLines(o)) {
            QVERIFY(!line.isEmpty());
            bubble->setText(line);
            for (const QString& word : line.split(QLatin1Char(' ')))
                QVERIFY2(metrics.horizontalAdvance(word) <= bubble->width(), qPrintable(word));
            QVERIFY2(bubble->heightForWidth(bubble->width()) <= bubble->height(), qPrintable(line));
        }
    }
}

QTEST_MAIN(TestFightTaunts)
#include "test_fight_taunts.moc"
