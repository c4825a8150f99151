// Plays a scripted game through every window of KAVGALIJA! on the display it is given and saves
// a picture of each window, for the README.
//   screenshots [--lang LANG] <out dir> [<suffix> [<window> ...]]
// The message and input boxes are answered without showing them, the dice come from a fixed
// seed, and nothing is heard.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

#include "game/Duel.h"
#include "game/Turn.h"
#include "screens/Flow.h"
#include "platform/App.h"
#include "platform/AppDir.h"
#include "platform/Context.h"
#include "game/Log.h"
#include "platform/Dialogs.h"
#include "platform/Language.h"
#include "platform/Pictures.h"
#include "game/Random.h"
#include "platform/Screens.h"
#include "platform/Sound.h"
#include "platform/Ui.h"
#include "screens/Form1/Form1.h"
#include "screens/Form2/Form2.h"
#include "screens/Kreiranje/Kreiranje.h"
#include "screens/Flow.h"
#include "screens/borba/borba.h"
#include "screens/credits/credits.h"
#include "state/GameState.h"
#include "support/Fakes.h"

namespace {

using namespace Qt::StringLiterals;

class Tour {
public:
    Tour(const QString& outDir, const QString& suffix, const QStringList& only)
        : out_(outDir),
          suffix_(suffix),
          only_(only),
          pictures_(FindAppDir()),
          ctx_{gs_, screens_, pictures_, dialogs_, sound_, random_, app_, FindAppDir()} {
        ctx_.walkStepMs = 0;  // the tour walks only where it says so
        // The boxes are answered without showing them: yes to the spoils of a fight.
        dialogs_.otherwise = u"da"_s;
        dialogs_.onMessage = [](const QString& prompt) {
            std::printf("  message: %s\n", qPrintable(prompt));
        };
        RegisterScreens(ctx_);
    }

    int run() {
        screens_.show(ScreenId::Form2);
        shoot(ScreenId::Form2, "title");

        screens_.show(ScreenId::opcije);
        shoot(ScreenId::opcije, "options");
        screens_.hide(ScreenId::opcije);

        screens_.show(ScreenId::credits);
        // Let the text scroll up into view.
        auto* about = screens_.loadedAs<credits>(ScreenId::credits);
        for (int i = 0; i < 40; ++i) about->Timer1_Timer();
        shoot(ScreenId::credits, "about");
        screens_.unload(ScreenId::credits);

        screens_.get<Form2>(ScreenId::Form2)->Command1_Click();
        auto* creation = screens_.get<Kreiranje>(ScreenId::Kreiranje);
        creation->Text1->setText(QStringLiteral("Milica"));
        creation->Option2->click();
        creation->Command1_Click();
        creation->Check1->setFocus();
        shoot(ScreenId::Kreiranje, "creation");
        screens_.unload(ScreenId::Kreiranje);
        screens_.hide(ScreenId::Form2);

        setUpPlayers();
        screens_.show(ScreenId::Form1);
        // The board was drawn as it came up; the rounds since stand in its log.
        tellTheStorySoFar();
        screens_.get<Form1>(ScreenId::Form1)->Form_Load();
        shoot(ScreenId::Form1, "board");
        screens_.show(ScreenId::Dnevnik);
        shoot(ScreenId::Dnevnik, "log");
        screens_.unload(ScreenId::Dnevnik);
        dieBox();

        screens_.get<Form1>(ScreenId::Form1)->Command3_Click();
        shoot(ScreenId::inventar, "inventory");
        screens_.hide(ScreenId::inventar);

        landOn("nagrada");
        shoot(ScreenId::Nagrade, "reward");
        screens_.unload(ScreenId::Nagrade);

        gs_.currentPlayer = 2;
        landOn("opasnost");
        shoot(ScreenId::opasnost, "danger");
        screens_.unload(ScreenId::opasnost);

        fight();

        walk();

        gs_.currentPlayer = 3;
        gs_.playerGold[3] = gs_.goldToWin;
        Flow::Victory(ctx_);
        shoot(ScreenId::pobeda, "victory");

        screens_.unloadAll();
        return failures_;
    }

private:
    // Four players a few rounds into a game; Vuk is the computer's.
    void setUpPlayers() {
        seatPlayers(gs_,
                    {{u"Milica"_s, u"sword"_s, 1, {}, 23, 7, 1},
                     {u"Dragan"_s, u"axe"_s, 2, u"crveni stit"_s, 41, 11, 4},
                     {u"Jelena"_s, u"spear"_s, 3, {}, 8, 16, 6},
                     {u"Vuk"_s, u"dagger"_s, 4, u"plavi stit"_s, 60, 24, 9}},
                    ctx_.appDir + u"\\zvuk\\srpski"_s);
        gs_.playerComputer[3] = true;
    }

    // What the log tells of the rounds before the board's picture: the lines it shows beside the
    // ring, and the log's window.
    void tellTheStorySoFar() {
        using Game::EventKind;
        using Game::MakeEvent;
        Game::Event hit = MakeEvent(EventKind::Struck, 2, 3);
        hit.blow.outcome = Game::BlowOutcome::Hit;
        hit.blow.damage = 3;
        Game::Event block = MakeEvent(EventKind::Struck, 3, 2);
        block.blow.outcome = Game::BlowOutcome::ShieldBlock;
        for (int round = 0; round < 5; ++round)
            // The first round's first turn is the one the board began as it came up.
            ctx_.log.record(gs_, Game::Events{MakeEvent(round ? EventKind::ToMove : EventKind::PlainSquare, 0),
                                              MakeEvent(EventKind::Rolled, 0, -1, 3, 1 + round),
                                              MakeEvent(EventKind::ToMove, 1),
                                              MakeEvent(EventKind::Rolled, 1, -1, 2, 6 + round),
                                              MakeEvent(EventKind::CoinFound, 1, -1, 30 + round)});
        ctx_.log.record(gs_, Game::Events{
                                 MakeEvent(EventKind::ToMove, 2),
                                 MakeEvent(EventKind::Rolled, 2, -1, 4, 12),
                                 MakeEvent(EventKind::RewardTaken, 2, -1, 8, 5),
                                 MakeEvent(EventKind::ToMove, 3),
                                 MakeEvent(EventKind::Rolled, 3, -1, 5, 19),
                                 MakeEvent(EventKind::MishapStruck, 3, -1, 6, 4),
                                 MakeEvent(EventKind::ToMove, 0),
                                 MakeEvent(EventKind::Rolled, 0, -1, 1, 6),
                                 MakeEvent(EventKind::ToMove, 2),
                                 MakeEvent(EventKind::Met, 2, 3),
                                 hit,
                                 block,
                                 MakeEvent(EventKind::Retreated, 2, 3, 2, 14),
                             });
    }

    // The player to move lands on a square of that kind, as after a roll, and its window opens;
    // the square keeps its own kind on the board.
    void landOn(const char* kind) {
        QString& square = gs_.squareKind[gs_.playerSquare[gs_.currentPlayer]];
        const QString own = square;
        square = QString::fromLatin1(kind);
        gs_.stage = Stage::Moving;
        Game::Land(gs_, ctx_.random);
        square = own;
        Flow::Landed(ctx_);
    }

    // The die's box as the players see it after a roll of four.
    void dieBox() {
        QTimer::singleShot(300, [this] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr) return fail(QStringLiteral("die.png: no box on show"));
            save(box->grab(), "die");
            box->close();
        });
        QtDialogs().dieMessage(QStringLiteral("4"), 4);
    }

    // Milica's token halfway through its walk; the walk then ends at once, as a click ends it.
    void walk() {
        setUpPlayers();
        gs_.newGame = 0;
        screens_.show(ScreenId::Form1);
        auto* board = screens_.get<Form1>(ScreenId::Form1);
        ctx_.walkStepMs = 120;
        board->Command1_Click();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 200) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (!board->walking()) fail(QStringLiteral("walk.png: the token is not walking"));
        shoot(ScreenId::Form1, "walk");
        board->finishWalk();
        ctx_.walkStepMs = 0;
        for (ScreenId id : {ScreenId::Nagrade, ScreenId::opasnost, ScreenId::borba})
            screens_.unload(id);
        gs_.fightOpen = 0;
    }

    // Dragan comes to Milica's square: blows until a taunt is in the bubble, nobody falling.
    void fight() {
        gs_.playerSquare[1] = gs_.playerSquare[0];
        gs_.currentPlayer = 0;
        gs_.opponentIndex = 1;
        screens_.show(ScreenId::Form1);
        Game::OpenFight(gs_, ctx_.random);
        Flow::Landed(ctx_);
        auto* duel = screens_.loadedAs<borba>(ScreenId::borba);
        if (duel == nullptr) return fail("the fight did not open");
        for (int blow = 0; blow < 60 && duel->Label8->text().isEmpty(); ++blow) {
            gs_.playerHealth[0] = gs_.playerHealth[1] = 10;
            if (duel->Command1->isEnabled())
                duel->Command1_Click();
            else
                duel->Command3_Click();
        }
        if (duel->Label8->text().isEmpty()) fail("no taunt in sixty blows");
        shoot(ScreenId::borba, "fight");
        gs_.fightOpen = 0;
        screens_.unload(ScreenId::borba);
    }

    void shoot(ScreenId id, const char* name) {
        const QString file = QString::fromLatin1(name) + suffix_ + QStringLiteral(".png");
        if (!only_.isEmpty() && !only_.contains(QString::fromLatin1(name))) return;
        QWidget* w = screens_.loaded(id);
        if (w == nullptr || !w->isVisible())
            return fail(file + QStringLiteral(": window not on show"));
        // Let the window system map and paint it first.
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        save(w->grab(), name);
    }

    void save(const QPixmap& shot, const char* name) {
        const QString file = QString::fromLatin1(name) + suffix_ + QStringLiteral(".png");
        if (!only_.isEmpty() && !only_.contains(QString::fromLatin1(name))) return;
        if (!shot.save(QDir(out_).filePath(file)))
            return fail(file + QStringLiteral(": not saved"));
        std::printf("%s %dx%d\n", qPrintable(file), shot.width(), shot.height());
    }

    void fail(const QString& what) {
        std::fprintf(stderr, "screenshots: %s\n", qPrintable(what));
        ++failures_;
    }

    QString out_;
    QString suffix_;
    QStringList only_;
    int failures_ = 0;
    GameState gs_;
    Screens screens_;
    Pictures pictures_;
    FakeDialogs dialogs_;
    FakeSound sound_;
    StdRandom random_{20240601};
    FakeApp app_;
    Context ctx_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KAVGALIJA!"));
    QApplication::setQuitOnLastWindowClosed(false);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() >= 2 && args[0] == QLatin1String("--lang")) {
        if (!Language::set(args[1])) args.clear();
        args = args.mid(2);
    }
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: screenshots [--lang LANG] <out dir> [<suffix> [<window> ...]]\n");
        return 2;
    }
    QDir().mkpath(args[0]);
    Ui::installGameFonts(FindAppDir());
    QApplication::setWindowIcon(QIcon(FindAppDir() + QStringLiteral("/ui/icon-256.png")));
    int failures = 0;
    QTimer::singleShot(0, [&] {
        Tour tour(args[0], args.value(1), args.mid(2));
        failures = tour.run();
        QCoreApplication::quit();
    });
    QApplication::exec();
    return failures == 0 ? 0 : 1;
}
