// The reward and danger windows a roll opens: what each shows, plays and says, and the board
// coming back with the next player however they close. Their rules are in test_turn.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "screens/Form1/Form1.h"
#include "screens/Nagrade/Nagrade.h"
#include "screens/opasnost/opasnost.h"
#include "state/Items.h"
#include "support/TestGame.h"

using namespace Qt::StringLiterals;

namespace {
// Dule rolls 3 from square 11 onto square 14, of the kind given; Ana stands on 11, a reward
// square. The landing's draws follow the roll's.
void rollOnto(TestGame& g, const QString& kind, std::initializer_list<double> draws) {
    g.gs.squareKind[14] = kind;
    g.gs.squareKind[11] = u"nagrada"_s;
    g.gs.playerSquare[0] = 11;
    g.gs.currentPlayer = 3;
    g.screens.show(ScreenId::Form1);
    g.random.pushRoll(3, 6);
    for (const double d : draws) g.random.pushDraw(d);
    QTest::mouseClick(g.screen<Form1>(ScreenId::Form1)->Command1, Qt::LeftButton);
    TestGame::settle();
}

// An Enter meant for the die's box does not close the window unread; then `how` closes it.
void closeBy(TestGame& g, ScreenId id, QPushButton* button, const QString& how) {
    QTest::keyClick(button, Qt::Key_Return);
    QVERIFY(g.screens.isLoaded(id));
    if (how == u"close"_s)
        g.screens.loaded(id)->close();
    else
        QTest::mouseClick(button, Qt::LeftButton);
    TestGame::settle();
}

// The turn is over: the square's window is gone, no other opened, and the board names Ana.
void expectBoardBack(TestGame& g, ScreenId square) {
    QVERIFY(!g.screens.isLoaded(square) && g.screens.isVisible(ScreenId::Form1));
    QVERIFY(!g.screens.isLoaded(ScreenId::Nagrade) && !g.screens.isLoaded(ScreenId::borba));
    QVERIFY(g.random.draws.isEmpty());
    QCOMPARE(g.screen<Form1>(ScreenId::Form1)->Label2->text(), u"Ana"_s);
}
}  // namespace

class SquaresTest : public QObject {
    Q_OBJECT
private slots:
    void reward_data() {
        QTest::addColumn<int>("reward");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("name");
        const char* const rows[][2] = {{"dagger.gif", "dagger"},
                                       {"sword.gif", "sword"},
                                       {"axe.gif", "axe"},
                                       {"spear.gif", "spear"},
                                       {"zlatnici.gif", "blago"},
                                       {"robe.gif", "Mantija"},
                                       {"leather.gif", "Kozni oklop"},
                                       {"chainmail.gif", "Lancani oklop"},
                                       {"plate.gif", "Plochanik"},
                                       {"plavistit.gif", "plavi stit"},
                                       {"crvenistit.gif", "crveni stit"}};
        for (int r = 1; r <= 11; ++r)
            QTest::addRow("%d", r)
                << r << QString::fromLatin1(rows[r - 1][0]) << QString::fromLatin1(rows[r - 1][1]);
    }

    // Each reward shows its picture, named, and its description beside the player's portrait;
    // taking it, leaving it or closing the window is heard on the board that comes back.
    void reward() {
        QFETCH(int, reward);
        QFETCH(QString, picture);
        QFETCH(QString, name);
        const QString how = QStringList{u"take"_s, u"leave"_s, u"close"_s}[reward % 3];
        TestGame g;
        g.fourPlayers();
        rollOnto(g, u"nagrada"_s, {(reward - 0.5) / 11});
        auto* w = g.screen<Nagrade>(ScreenId::Nagrade);
        QVERIFY(w && w->isVisible() && !g.screens.isLoaded(ScreenId::Form1));
        QCOMPARE(w->windowTitle() + w->Command1->text() + w->Command2->text(),
                 u"Nagrada!UzmiOstavi"_s);
        QCOMPARE(pics({w->Image1, w->Image3}), u"lik09.gif|"_s + picture);
        QCOMPARE(w->Image3->meaning(), name);
        QCOMPARE(w->Label1->text(), Items::reward(reward).description);
        QCOMPARE(g.sound.paths(), QStringList{u"/themes/t3\\excellent.wav"_s});
        if (how == u"take"_s) g.random.pushDraw(0.5);  // a heap of 51
        closeBy(g, ScreenId::Nagrade, how == u"take"_s ? w->Command1 : w->Command2, how);
        expectBoardBack(g, ScreenId::Nagrade);
        QStringList told{
            u"Dule %1: %2."_s.arg(how == u"take"_s ? u"uzima"_s : u"ostavlja"_s, name)};
        if (how == u"take"_s && reward == 5) told << u"Dule ima 51 od 100 zlatnika."_s;
        QCOMPARE(heard(g.screens.loaded(ScreenId::Form1)), told << u"Na potezu: Ana"_s);
    }

    void mishap_data() {
        QTest::addColumn<int>("mishap");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("how");
        QTest::newRow("weapon") << 1 << u"Zbog neopreznog rukovanja polomilo vam se oruzje."_s
                                << u"ok"_s;
        QTest::newRow("armour") << 2 << u"Oklop vam se raspao na komade...kvalitet,nema sta."_s
                                << u"close"_s;
        // Chased back onto Ana's reward square, where nothing more happens.
        QTest::newRow("dog") << 3 << u"Pojurio vas pas,pa ste pobegli 3 koraka unazad!"_s
                             << u"ok"_s;
        QTest::newRow("thief") << 4 << u"Neko vam je ukrao 20 zlatnika."_s << u"ok"_s;
        QTest::newRow("inquisition")
            << 5 << u"Uhvatila vas je inkvizicija! Propustate sledeci potez."_s << u"close"_s;
    }

    // The mishap's words and its one picture beside the player's portrait; the thief's is heard
    // as the gold left.
    void mishap() {
        QFETCH(int, mishap);
        QFETCH(QString, message);
        QFETCH(QString, how);
        TestGame g;
        g.fourPlayers();
        g.gs.playerGold[3] = 40;
        rollOnto(g, u"opasnost"_s, {(mishap - 0.5) / 5, 0.5});
        auto* w = g.screen<opasnost>(ScreenId::opasnost);
        QVERIFY(w && w->isVisible() && !g.screens.isLoaded(ScreenId::Form1));
        QCOMPARE(w->windowTitle() + w->Command1->text(), u"OPASNOST!OK"_s);
        QCOMPARE(w->Label1->text(), message);
        QString shown;
        for (const PictureBox* p : {w->oruzjepol, w->armorpol, w->kuche, w->parelost, w->stub})
            shown += p->isHidden() ? u'-' : u'X';
        QCOMPARE(shown, QString(u"-----"_s).replace(mishap - 1, 1, u'X'));
        QCOMPARE(w->Image2->fileName(), u"lik09.gif"_s);
        QCOMPARE(g.sound.paths(), QStringList{u"/themes/t3\\ohdear.wav"_s});
        QCOMPARE(heard(w).contains(u"Dule ima 20 od 100 zlatnika."_s), mishap == 4);
        closeBy(g, ScreenId::opasnost, w->Command1, how);
        expectBoardBack(g, ScreenId::opasnost);
    }
};

QTEST_MAIN(SquaresTest)
#include "test_squares.moc"
