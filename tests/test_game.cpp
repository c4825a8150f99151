// A game's windows with scripted dice: creation, the board and its turns and walks, the
// inventory, the victory, and the title again. The rules of a turn are in test_turn.
#include <QtTest>
#include <QtWidgets>

#include "platform/DirList.h"
#include "screens/Form1/Form1.h"
#include "screens/Form1/RacePanel.h"
#include "screens/Form2/Form2.h"
#include "screens/Kreiranje/Kreiranje.h"
#include "screens/inventar/inventar.h"
#include "screens/opcije/opcije.h"
#include "screens/pobeda/pobeda.h"
#include "support/TestGame.h"

using namespace Qt::StringLiterals;

namespace {
const QStringList kFour = {u"Ana"_s, u"Bora"_s, u"Ceca"_s, u"Deki"_s};
const QString kBare = u"polje.gif|providno.gif|providno.gif|providno.gif"_s;

// A square's layers: tile or armour, portrait, weapon, shield.
QString layers(Form1* f, int s) {
    return pics({f->Image1[s], f->Image2[s], f->Image4[s], f->Image7[s]});
}

// Title, START, then one name per slot with SLEDECI between them; creation stays open.
Kreiranje* create(TestGame& g, const QStringList& names) {
    if (!g.screens.isLoaded(ScreenId::Form2)) g.screens.show(ScreenId::Form2);
    g.screen<Form2>(ScreenId::Form2)->Command1_Click();
    auto* k = g.screen<Kreiranje>(ScreenId::Kreiranje);
    for (int i = 0; i < names.size(); ++i) {
        if (i > 0) k->Command4_Click();
        k->Text1->setText(names[i]);
    }
    return k;
}

// Creation's START over a board of the squares' draws (1..8, square 1 first; plain by default);
// the board, or nullptr when it did not stay.
Form1* start(TestGame& g, const QString& draws = QString(29, u'1')) {
    for (const QChar c : draws) g.random.pushRoll(c.digitValue(), 8);
    g.screen<Kreiranje>(ScreenId::Kreiranje)->Command3_Click();
    return g.screen<Form1>(ScreenId::Form1);
}

// The roll button with the die scripted.
void roll(TestGame& g, int die) {
    g.random.pushRoll(die, 6);
    g.screen<Form1>(ScreenId::Form1)->Command1_Click();
}

// The widgets that paint while the event loop brings the board's window up to date.
QList<QWidget*> paintPending() {
    struct Spy : QObject {
        QList<QWidget*> painted;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Paint) painted << static_cast<QWidget*>(o);
            return false;
        }
    } spy;
    qApp->installEventFilter(&spy);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    qApp->removeEventFilter(&spy);
    return spy.painted;
}

QString lostTurn(const QString& name) {
    return u"Na potezu je "_s + name + u",ali njega trenutno muchi inkvizicija..."_s;
}
}  // namespace

class GameTest : public QObject {
    Q_OBJECT

private slots:
    // SLEDECI numbers the slots and goes off at the fourth; names are stored as typed (the box
    // keeps the last one), the portrait arrows show the portrait, and START shows the board.
    void creationFillsTheSlotsInTurn() {
        TestGame g;
        Kreiranje* k = create(g, {});
        QStringList seen{k->Label2->text(), k->Text1->text(), k->Image2->fileName()};
        for (QPushButton* arrow : {k->Command2, k->Command1, k->Command1}) {
            QTest::mouseClick(arrow, Qt::LeftButton);
            seen << k->Image2->fileName();
        }
        for (const QString& typed : {u"Ana"_s, QString(), u"<b>Vuk</b>"_s}) {
            if (!typed.isEmpty()) k->Text1->setText(typed);
            QVERIFY(k->Command4->isEnabled());
            k->Command4_Click();
            seen << k->Label2->text();
        }
        QCOMPARE(row(seen), u"1|Ime|lik00.gif|lik00.gif|lik01.gif|lik02.gif|2|3|4"_s);
        QVERIFY(!k->Command4->isEnabled());
        QTest::mouseClick(k->Option2, Qt::LeftButton, {}, QPoint(8, 16));
        QVERIFY(k->Image3->isVisibleTo(k) && !k->Image1->isVisibleTo(k));
        k->Text1->setText(u"Mira"_s);
        start(g);
        QCOMPARE(row(g.gs.playerName), u"Ana|Ana|<b>Vuk</b>|Mira"_s);
        QCOMPARE(g.gs.playersInGame, 4);
        QVERIFY(g.screens.isVisible(ScreenId::Form1) && g.screens.isLoaded(ScreenId::Kreiranje) &&
                !g.screens.isVisible(ScreenId::Kreiranje));
    }

    // The theme is the path the list shows when the slot is stored; an arrow reopens the root.
    void themeIsTheListsPathAndAnArrowLosesIt() {
        TestGame g;
        Kreiranje* k = create(g, {});
        for (const QString& theme : {u"srpski"_s, u"american"_s}) {
            const auto found = k->Dir1->findItems(theme, Qt::MatchExactly);
            QVERIFY(!found.isEmpty());
            k->Dir1->openRow(k->Dir1->row(found.first()));
            if (theme == u"american"_s) k->Command1_Click();
            k->Command4_Click();
        }
        const QString root = QDir::cleanPath(g.ctx.appDir + u"/zvuk"_s);
        QCOMPARE(row(g.gs.playerSoundTheme), root + u"/srpski|"_s + root + u"||"_s);
    }

    // Each kind of square has its tile, the last square's too; square 0 is plain.
    void theBoardShowsEachSquaresKind() {
        TestGame g;
        create(g, {u"Ana"_s});
        g.gs.playerSquare[0] = 9;
        Form1* f = start(g, u"21678"_s + QString(23, u'1') + u'7');
        QCOMPARE(pics({f->Image1[0], f->Image1[1], f->Image1[2], f->Image1[3], f->Image1[4],
                       f->Image1[5], f->Image1[29]}),
                 u"polje.gif|polje.gif|polje.gif|opasnost.gif|kovceg.gif|coin.gif|kovceg.gif"_s);
    }

    // Each player is a dressed figure on their square. On a shared square the highest slot wins
    // each layer, and a layer it lacks keeps a lower slot's picture.
    void figuresAreDrawnInLayers() {
        TestGame g;
        create(g, kFour)->Command1_Click();  // Deki takes portrait 1
        Form1* f = start(g);
        QCOMPARE(layers(f, 0), u"noarmor.gif|lik00.gif|sword.gif|providno.gif"_s);
        QCOMPARE(layers(f, 1), u"robe.gif|lik00.gif|axe.gif|crvenistit.gif"_s);
        QCOMPARE(layers(f, 21), u"leather.gif|lik00.gif|dagger.gif|providno.gif"_s);
        QCOMPARE(layers(f, 11), u"chainmail.gif|lik01.gif|spear.gif|plavistit.gif"_s);
        g.gs.playerSquare[0] = g.gs.playerSquare[2] = 5;
        g.gs.playerShield[0] = u"crveni stit"_s;
        g.gs.playerWeapon[2].clear();
        f->Form_Load();
        QCOMPARE(layers(f, 5), u"leather.gif|lik00.gif|sword.gif|crvenistit.gif"_s);
        g.gs.playerSquare[3] = 5;
        f->Form_Load();
        QCOMPARE(layers(f, 5), u"chainmail.gif|lik01.gif|spear.gif|plavistit.gif"_s);
        QCOMPARE(layers(f, 0) + layers(f, 11), kBare.repeated(2));
    }

    // The die is shown in its box and the token moves; a coin is told, heard as the gold held,
    // and the next player is to move. The name shows as typed, in a label that keeps its place;
    // closing the board ends the game.
    void aRollOntoACoin() {
        TestGame g;
        create(g, {u"<b>Ana</b>"_s, u"Bora"_s});
        Form1* f = start(g, QString(3, u'1') + u'8' + QString(25, u'1'));
        QCOMPARE(f->Label2->text(), u"<b>Ana</b>"_s);
        QCOMPARE(f->Label2->textFormat(), Qt::PlainText);
        roll(g, 4);
        QCOMPARE(g.dialogs.messages, (QStringList{u"4"_s, u"Nasli ste jedan zlatnik!"_s}));
        QCOMPARE(g.dialogs.dieFaces, (QList<int>{4, 0}));
        QCOMPARE(pics({f->Image2[4], f->Image2[0]}), u"lik00.gif|providno.gif"_s);
        QCOMPARE(f->Label2->text(), u"Bora"_s);
        QCOMPARE(heard(f),
                 (QStringList{u"Na potezu: <b>Ana</b>"_s, u"Polje 5: zlatnik"_s,
                              u"<b>Ana</b> ima 1 od 100 zlatnika."_s, u"Na potezu: Bora"_s}));
        const QRect before = f->Label2->geometry();
        g.gs.playerName[1] = QString(100, u'W');
        f->Form_Load();
        QCOMPARE(f->Label2->geometry(), before);
        f->close();
        QCOMPARE(g.app.quitCount, 1);
    }

    // A lost turn is told in a box without a die and passed over.
    void lostTurnsAreToldAndPassedOver() {
        TestGame g;
        create(g, kFour);
        g.gs.playerSkipTurns = {1, 1, 0, 0};
        Form1* f = start(g);
        QCOMPARE(g.dialogs.messages, (QStringList{lostTurn(u"Ana"_s), lostTurn(u"Bora"_s)}));
        QCOMPARE(f->Label2->text(), u"Ceca"_s);
        g.gs.playerSkipTurns[3] = 1;
        roll(g, 2);
        QCOMPARE(g.dialogs.messages.mid(2), (QStringList{u"2"_s, lostTurn(u"Deki"_s)}));
        QCOMPARE(g.dialogs.dieFaces, (QList<int>{0, 0, 2, 0}));
        QCOMPARE(f->Label2->text(), u"Ana"_s);
    }

    // Dule's 3 from square 11 meets Bora on 14; the fight waits for the walk, however it ends.
    void walkEndsOnTheRolledSquareBeforeTheTurnGoesOn_data() {
        QTest::addColumn<QString>("hurry");
        QTest::newRow("walks to the end") << QString();
        QTest::newRow("a click ends it at once") << u"click Inventar"_s;
        // A screen reader presses the button itself, past the keys and the mouse.
        QTest::newRow("a screen reader's press ends it") << u"press the die"_s;
    }
    void walkEndsOnTheRolledSquareBeforeTheTurnGoesOn() {
        QFETCH(QString, hurry);
        TestGame g;
        // Hurried, the walk could only end by the press: its steps would take minutes.
        g.ctx.walkStepMs = hurry.isEmpty() ? 120 : 60000;
        g.fourPlayers();
        g.gs.playerSquare[1] = 14;
        g.random.pushRoll(3, 6);
        g.random.pushRoll(7, 15);  // the fight's background
        g.gs.currentPlayer = 3;
        g.screens.show(ScreenId::Form1);
        // The fight that ends the walk unloads the board: hold it by a guarded pointer.
        QPointer<Form1> f = g.screen<Form1>(ScreenId::Form1);
        f->Command1_Click();
        QCOMPARE(g.dialogs.messages, QStringList{u"3"_s});
        QVERIFY(f->walking() && !g.screens.isLoaded(ScreenId::borba));
        QCOMPARE(f->shownSquare(3), 11);
        QCOMPARE(f->Image2[11]->fileName(), u"lik09.gif"_s);
        if (hurry == u"click Inventar") QTest::mouseClick(f->Command3, Qt::LeftButton);
        if (hurry == u"press the die")
            QAccessible::queryAccessibleInterface(f->Command1)
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(g.screens.isVisible(ScreenId::borba));
        // It ends the walk only: no second roll, no inventory.
        QVERIFY(!g.screens.isLoaded(ScreenId::inventar) && !g.screens.isLoaded(ScreenId::Form1));
        QCOMPARE(g.dialogs.dieFaces, QList<int>{3});
        QCOMPARE(g.gs.opponentIndex, 1);
    }

    // A step of the walk paints only around the squares the token left and reached, and what the
    // window shows after steps and turns painted piecemeal is what painting it whole shows.
    void theBoardPaintsOnlyWhatMoved() {
        TestGame g;
        g.fourPlayers();
            g.gs.squareKind[11] = u"coin"_s;
        g.gs.playerSquare[0] = 5;
        g.gs.currentPlayer = 3;  // Dule, on 11
        g.screens.show(ScreenId::Form1);
        auto* f = g.screen<Form1>(ScreenId::Form1);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        // Pixels of the window as shown that differ from the whole board painted anew by more than
        // a shade (a gradient painted in pieces rounds a little differently).
        const auto stale = [f] {
            const QImage shown = f->screen()->grabWindow(f->winId()).toImage();
            const QImage whole = f->grab().toImage();
            int n = shown.size() == whole.size() ? 0 : -1;
            for (int y = 0; n >= 0 && y < whole.height(); ++y) {
                for (int x = 0; x < whole.width(); ++x) {
                    const QRgb a = shown.pixel(x, y), b = whole.pixel(x, y);
                    n += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                   std::abs(qBlue(a) - qBlue(b))}) > 2;
                }
            }
            return n;
        };
        g.ctx.walkStepMs = 60000;  // the steps are taken here
        roll(g, 3);
        paintPending();
        f->stepWalk();
        const QList<QWidget*> painted = paintPending();
        QRegion near;
        for (int s : {11, 12})
            for (QWidget* w : {f->Image1[s], f->Image2[s], f->Image4[s], f->Image7[s]})
                near += w->geometry().adjusted(-16, -16, 16, 16);
        QVERIFY(painted.contains(f->Image2[12]));
        for (QWidget* w : painted) {
            const QRect at(w->mapTo(f, QPoint(0, 0)), w->size());
            QVERIFY2(w == f || w == f->marks || near.intersects(at), qPrintable(w->objectName()));
        }
        QCOMPARE(stale(), 0);
        f->finishWalk();  // on 14, and Ana is to move
        paintPending();
        QCOMPARE(stale(), 0);
        roll(g, 6);  // Ana walks onto the coin on 11: the box, her gold, Bora is to move
        f->finishWalk();
        paintPending();
        QCOMPARE(stale(), 0);
    }

    // The inventory shows the player to move and is not refreshed while open.
    void theInventory() {
        TestGame g;
        create(g, {u"<img src=x>"_s, u"Bora"_s})->Command1_Click();  // Bora: portrait 1
        Form1* f = start(g);
        g.gs.playerWeapon[0].clear();
        g.gs.playerGold[1] = 57;
        const auto open = [&] {
            QTest::mouseClick(f->Command3, Qt::LeftButton);
            auto* i = g.screen<inventar>(ScreenId::inventar);
            return std::pair(i, row(QStringList{i->Label1->text(), i->Label8->text(),
                                                pics({i->Image3, i->Image1}), i->Label6->text(),
                                                pics({i->Image5}), i->Label5->text(),
                                                pics({i->Image7}), i->Label7->text()}));
        };
        auto [inv, shown] = open();
        QCOMPARE(shown, u"<img src=x>|0|lik00.gif|noarmor.gif|Odelo||||"_s);
        QCOMPARE(inv->Label1->textFormat(), Qt::PlainText);
        roll(g, 2);  // Bora to move
        QCOMPARE(open().second, shown);
        QTest::mouseClick(inv->Command1, Qt::LeftButton);
        g.settle();
        QVERIFY(!g.screens.isLoaded(ScreenId::inventar) && g.screens.isVisible(ScreenId::Form1));
        std::tie(inv, shown) = open();
        QCOMPARE(shown,
                 u"Bora|57|lik01.gif|robe.gif|Mantija|axe.gif|axe|crvenistit.gif|crveni stit"_s);
    }

    // The board's load hands over to the victory: the winner dressed as on the board but always
    // with the red shield, two sounds, and the board gone.
    void theVictoryScreen() {
        TestGame g;
        create(g, {u"Ana"_s, u"<b>Bora</b>"_s});
        g.gs.playerGold[1] = 100;
        g.gs.playerSkipTurns = {1, 0, 0, 0};
        g.gs.playerArmor[1] = 4;
        g.gs.playerShield[1] = u"plavi stit"_s;
        start(g);
        QCOMPARE(g.dialogs.messages, QStringList{lostTurn(u"Ana"_s)});
        auto* v = g.screen<pobeda>(ScreenId::pobeda);
        QVERIFY(g.screens.isVisible(ScreenId::pobeda));
        QCOMPARE(v->Label1->text(), u"<b>Bora</b>"_s);
        QCOMPARE(v->Label1->textFormat(), Qt::PlainText);
        QCOMPARE(pics({v->Image1, v->Image2, v->Image5, v->Image7}),
                 u"plate.gif|lik00.gif|axe.gif|crvenistit.gif"_s);
        QCOMPARE(g.sound.paths(), (QStringList{g.ctx.appDir + u"\\zvuk\\masa.wav"_s,
                                               g.ctx.appDir + u"\\zvuk\\royal.wav"_s}));
        QVERIFY(g.sound.played[0].mode == Sound::Mode::Sync &&
                g.sound.played[1].mode == Sound::Mode::Async);
        g.settle();
        QVERIFY(!g.screens.isLoaded(ScreenId::Form1));
    }

    // The house rule, chosen in the options beside the amount: the goal or more wins when the
    // holder's turn comes, and less never does.
    void theGoalOrMoreWinsByTheHouseRule() {
        for (const int gold : {19, 20, 35}) {
            TestGame g;
            g.screens.show(ScreenId::Form2);
            g.screens.show(ScreenId::opcije);
            auto* options = g.screen<opcije>(ScreenId::opcije);
            options->Text1->setText(u"20"_s);
            options->winRule->setCurrentIndex(1);
            QTest::mouseClick(options->Command1, Qt::LeftButton);
            QCOMPARE(g.gs.winRule, WinRule::AtLeast);
            create(g, {u"Ana"_s, u"Bora"_s});
            g.gs.playerGold[0] = gold;
            start(g);
            g.settle();
            QCOMPARE(g.screens.isVisible(ScreenId::pobeda), gold >= 20);
            QCOMPARE(g.screens.isVisible(ScreenId::Form1), gold < 20);
        }
    }

    // A computer's seat is played at the strength chosen beside "Racunar", which only a computer's
    // seat can choose; the race shows it and says it.
    void aComputerSeatHasItsStrength() {
        TestGame g;
        Kreiranje* k = create(g, {u"Ana"_s});
        QVERIFY(!k->strength->isEnabled());
        QCOMPARE(k->strength->currentText(), u"Srednje"_s);
        QCOMPARE(k->strength->accessibleName(), u"Snaga racunara"_s);
        k->Check1->click();
        QVERIFY(k->strength->isEnabled());
        k->strength->setCurrentIndex(k->strength->findText(u"Tesko"_s));
        k->Command4_Click();
        QVERIFY(!k->strength->isEnabled());
        QCOMPARE(k->strength->currentText(), u"Srednje"_s);
        k->Check1->click();
        k->strength->setCurrentIndex(k->strength->findText(u"Lako"_s));
        k->Command4_Click();
        k->Text1->setText(u"Ceca"_s);
        Form1* board = start(g);
        QCOMPARE(g.gs.playerStrength,
                 (GameState::PerPlayer<Strength>{Strength::Hard, Strength::Easy, Strength::Medium,
                                                 Strength::Medium}));
        const auto* race = board->findChild<RacePanel*>();
        QCOMPARE(race->Seat[0]->text(), u"racunar\nTesko"_s);
        QCOMPARE(race->Seat[1]->text(), u"racunar\nLako"_s);
        QVERIFY(race->Seat[0]->isVisibleTo(board) && !race->Seat[2]->isVisibleTo(board));
        QCOMPARE(race->Row[1]->accessibleName(),
                 u"Racunar 2, racunar, 0 od 100 zlatnika, igra lako"_s);
        QCOMPARE(race->Row[2]->accessibleName(), u"Ceca, 0 od 100 zlatnika"_s);
    }

    void aNewStartIsFresh_data() {
        QTest::addColumn<int>("ending");
        QTest::newRow("creation closed") << 0;
        QTest::newRow("won, Izadji") << 1;
        QTest::newRow("won, victory closed") << 2;
    }

    // However the last game ended, the title comes back and its START opens a new creation
    // screen over a record started afresh, the gold to win kept; the new game draws its board.
    void aNewStartIsFresh() {
        QFETCH(int, ending);
        TestGame g;
        Kreiranje* k = create(g, kFour);
        k->Command1_Click();
        g.gs.goldToWin = 50;
        g.gs.playerGold[0] = 50;
        if (ending == 0) k->close();
        if (ending > 0) start(g);
        if (ending == 1)
            QTest::mouseClick(g.screen<pobeda>(ScreenId::pobeda)->Command1, Qt::LeftButton);
        if (ending == 2) g.screens.loaded(ScreenId::pobeda)->close();
        g.settle();
        QVERIFY(g.screens.isVisible(ScreenId::Form2) && !g.screens.isLoaded(ScreenId::pobeda) &&
                !g.screens.isLoaded(ScreenId::Form1));
        QCOMPARE(g.app.quitCount, 0);

        QTest::mouseClick(g.screen<Form2>(ScreenId::Form2)->Command1, Qt::LeftButton);
        g.settle();
        k = g.screen<Kreiranje>(ScreenId::Kreiranje);
        QVERIFY(k->isVisible() && k->Command4->isEnabled() &&
                !g.screens.isVisible(ScreenId::Form2));
        QCOMPARE(k->Label2->text() + k->Text1->text() + k->Image2->fileName(), u"1Imelik00.gif"_s);
        QCOMPARE(k->Dir1->path(), QDir::cleanPath(g.ctx.appDir + u"/zvuk"_s));
        QCOMPARE(row(g.gs.playerName) + row(g.gs.playerGold) + QString::number(g.gs.goldToWin),
                 u"|||0|0|0|050"_s);
        k->Text1->setText(u"Zoki"_s);
        QVERIFY(start(g, u"17"_s + QString(27, u'1')));
        QCOMPARE(g.gs.squareKind[2], u"nagrada"_s);
    }
};

QTEST_MAIN(GameTest)
#include "test_game.moc"
