// Soak games: a bot plays whole games through the real screens, headless, pressing whatever is
// enabled, ticking computer seats that then play their parts, answering boxes at random, typing
// odd text and closing windows at random moments, and checks the game's invariants after every
// event. Between two of its actions the event loop runs as in the game: posted events are
// delivered and due timers fire, the game's timers shortened.
//
// Each game's dice come from the real generator seeded with seed + game number, so a failing game
// replays with --seed <printed seed> --games 1; a crash ends the run after its game's seed.
#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <random>

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include "platform/Context.h"
#include "platform/DirList.h"
#include "platform/PictureBox.h"
#include "platform/Pictures.h"
#include "platform/Screen.h"
#include "platform/Screens.h"
#include "screens/ComputerSeats.h"
#include "screens/Form1/Form1.h"
#include "screens/Form1/RacePanel.h"
#include "screens/Flow.h"
#include "state/GameState.h"
#include "state/Items.h"
#include "support/Fakes.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kEventCap = 6000;
// Presses of computer seats within one turn: a long fight takes some dozens.
constexpr int kComputerTurnCap = 1000;

// Objects left under the application after a game; Qt keeps a handful of its own.
constexpr qsizetype kObjectsLeftCap = 50;

// A pause of the game's own that lasts longer than this is taken for a hang.
constexpr qint64 kPauseLimitMs = 10000;

// The game's timers, kept short so that games stay fast. Each game draws its own intervals, so
// timers fire at other moments against the bot's actions. A pause that holds the game up
// (the walk) runs in some games only; in the others it is 0, and turns follow back to back.
struct ShortTimer {
    int Context::*interval;
    int maxMs;  // drawn from 1..maxMs
    int oneIn;  // runs in one game out of this many, else 0
};
constexpr ShortTimer kTimers[] = {
    {&Context::walkStepMs, 3, 4},
    {&Context::bubbleMs, 20, 1},
    {&Context::aboutStepMs, 20, 1},
    {&Context::computerPauseMs, 3, 8},
};

// Counts the ticks of every QTimer but the bot's own, the game's timers, to show that they fire;
// not those of no interval (a computer seat's watch without a pause), which tick whenever the loop
// is idle.
class TimerTicks : public QObject {
public:
    static constexpr QLatin1StringView kBotTimer{"bot"};
    long count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* timer = qobject_cast<QTimer*>(watched);
        if (event->type() == QEvent::Timer && timer && timer->interval() > 0 &&
            timer->objectName() != kBotTimer)
            ++count;
        return false;
    }
};

// Screens of which exactly one is on show during a game (options, about and inventory come beside).
constexpr ScreenId kGameWindows[] = {ScreenId::Form2,   ScreenId::Kreiranje, ScreenId::Form1,
                                     ScreenId::Nagrade, ScreenId::opasnost,  ScreenId::borba,
                                     ScreenId::pobeda};

QString oddText(std::mt19937& rng) {
    static const QString texts[] = {
        u"Ana"_s,         u"<b>Ana</b>"_s,      u"<img src=x>"_s,
        u"ČĆŽŠĐ čćžšđ"_s, u"\U0001F608 Zli"_s,  QString(),
        u"   "_s,         QString(10000, u'W'), u"Marko & <i>Janko</i>"_s};
    return texts[rng() % std::size(texts)];
}

// Answers every box at once; the spoils question with any of its answers, now and then a huge one.
class BotDialogs : public Dialogs {
public:
    explicit BotDialogs(std::mt19937& rng) : rng_(rng) {}
    void message(const QString&) override {}
    QString input(const QString&) override {
        static const QString answers[] = {u"da"_s,   u"Da"_s, u" da"_s,
                                          QString(), u"ne"_s, QString(10000, u'd')};
        return answers[rng_() % std::size(answers)];
    }

private:
    std::mt19937& rng_;
};

// How a game ended; `why` is set only when it broke.
struct Outcome {
    enum Kind { Victory, Quit, Capped, Broken } kind = Capped;
    long events = 0;
    QString why;
};

class Bot {
public:
    // The pictures are shared by every game, as in the game, which decodes each file once a run.
    Bot(uint64_t seed, Pictures& pictures, Sound& sound)
        : rng_(static_cast<std::mt19937::result_type>(seed)),
          random_(seed),
          dialogs_(rng_),
          boxes_(dialogs_, gs_, screens_),
          ctx_{gs_, screens_, pictures, boxes_, sound, random_, app_, pictures.appDir()},
          themeRoot_(QDir::cleanPath(pictures.appDir() + u"/zvuk"_s)) {
        for (const ShortTimer& t : kTimers)
            ctx_.*t.interval = rng_() % t.oneIn == 0 ? 1 + static_cast<int>(rng_() % t.maxMs) : 0;
        RegisterScreens(ctx_);
        seats_ = std::make_unique<ComputerSeats>(ctx_);
    }
    ~Bot() {
        screens_.unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The game runs in an event loop of its own, the bot's steps being timer events in it, so
    // that between two steps the loop does what the game's does: delivers posted events (layout,
    // repaints, deferred deletes) and fires the timers that are due.
    Outcome play() {
        screens_.show(ScreenId::Form2);
        QEventLoop loop;
        QTimer next;
        next.setObjectName(TimerTicks::kBotTimer);
        next.setSingleShot(true);
        QObject::connect(&next, &QTimer::timeout, &loop, [&] {
            const int delayMs = step();
            if (delayMs < 0)
                loop.quit();
            else
                next.start(delayMs);
        });
        next.start(0);
        loop.exec();
        return out_;
    }

private:
    // One step: the checks, then an action or, while the game pauses, a wait. Returns the delay
    // before the next step, or -1 when the game is over.
    int step() {
        const auto end = [this](Outcome::Kind kind, const QString& why = {}) {
            out_.kind = kind;
            out_.why = why.isEmpty() ? why : why + QStringLiteral(" after ") + lastAction_;
            return -1;
        };
        if (app_.quitCount > 0) {
            if (!quitAllowed_) return end(Outcome::Broken, QStringLiteral("the program quit"));
            return end(wonOnce_ ? Outcome::Victory : Outcome::Quit);
        }
        const QString why = checkInvariants();
        if (!why.isEmpty()) return end(Outcome::Broken, why);
        wonOnce_ |= screens_.isVisible(ScreenId::pobeda);
        if (wonOnce_ && screens_.isVisible(ScreenId::Form2)) return end(Outcome::Victory);
        if (pausing()) {
            // Drawn once a pause begins, so that a seed replays whatever the timers' timing.
            if (!pausing_) {
                pausing_ = true;
                pauseClock_.start();
                cutShort_ = rng_() % 4 == 0;
            }
            if (pauseClock_.hasExpired(kPauseLimitMs))
                return end(Outcome::Broken, QStringLiteral("a pause never ended"));
            if (Form1* board = walkingBoard(); board && cutShort_) {
                // A key ends the walk, as a player in a hurry would, or the button pressed
                // directly, as by a screen reader.
                cutShort_ = false;
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
                if (rng_() % 2 == 0)
                    QCoreApplication::sendEvent(board->Command1, &press);
                else
                    board->Command1->click();
            }
            return 1;
        }
        pausing_ = false;
        if (out_.events == kEventCap) return end(wonOnce_ ? Outcome::Victory : Outcome::Capped);
        if (!act()) return end(Outcome::Broken, QStringLiteral("stuck: nothing to press"));
        ++out_.events;
        // A computer's turn always ends: its presses run out before the board is back, idle. (The
        // mover alone tells no turn from the next in a game of one, and the seats press between
        // the bot's steps.)
        if (const auto* board = screens_.loadedAs<Form1>(ScreenId::Form1);
            board && board->isVisible() && !board->walking())
            turnPresses_ = seats_->presses();
        if (seats_->presses() - turnPresses_ > kComputerTurnCap)
            return end(Outcome::Broken, QStringLiteral("a computer's turn never ended"));
        return 0;
    }

    // The game's own pauses, which the bot waits out as a player would, pressing nothing.
    // Another pause of the game gets its line here.
    bool pausing() const { return walkingBoard() != nullptr; }

    Form1* walkingBoard() const {
        auto* board = screens_.loadedAs<Form1>(ScreenId::Form1);
        return board && board->walking() ? board : nullptr;
    }

    QList<Screen*> visibleScreens() const {
        QList<Screen*> list;
        for (ScreenId id : kAllScreens)
            if (screens_.isVisible(id)) list.append(screens_.loaded(id));
        return list;
    }

    QString checkInvariants() const {
        int shown = 0;
        for (ScreenId id : kGameWindows) shown += screens_.isVisible(id) ? 1 : 0;
        if (shown != 1) return QStringLiteral("%1 game windows on show").arg(shown);
        const bool inGame =
            !screens_.isVisible(ScreenId::Form2) && !screens_.isVisible(ScreenId::Kreiranje);
        if (gs_.currentPlayer < 0 || gs_.currentPlayer > 3 ||
            (inGame && !IsInGame(gs_, gs_.currentPlayer)))
            return QStringLiteral("slot %1 is to move but takes no part").arg(gs_.currentPlayer);
        for (int p = 0; p < GameState::MAX_PLAYERS; ++p) {
            const bool sound =
                gs_.playerSquare[p] >= 0 && gs_.playerSquare[p] < GameState::BOARD_SQUARES &&
                gs_.playerGold[p] >= 0 && Items::isArmorCode(gs_.playerArmor[p]) &&
                (gs_.playerWeapon[p].isEmpty() || Items::isWeapon(gs_.playerWeapon[p])) &&
                (gs_.playerShield[p].isEmpty() || Items::isShield(gs_.playerShield[p]));
            if (!sound)
                return u"slot %1: square %2, gold %3, armour %4, %5, %6"_s.arg(
                    QString::number(p), QString::number(gs_.playerSquare[p]),
                    QString::number(gs_.playerGold[p]), QString::number(gs_.playerArmor[p]),
                    gs_.playerWeapon[p], gs_.playerShield[p]);
        }
        for (Screen* window : visibleScreens())
            for (const DirList* list : window->findChildren<DirList*>())
                if (!list->path().startsWith(themeRoot_))
                    return u"the theme list left for "_s + list->path();
        return boardShowsTheGame();
    }

    // The board on show tells the game as it stands: each player's gold in the race, the mover
    // lit up, and on each square the portrait of the highest slot standing there, or nobody.
    QString boardShowsTheGame() const {
        const auto* board = screens_.loadedAs<Form1>(ScreenId::Form1);
        // A walking token is on its way, not yet where the game has put it.
        if (!board || !board->isVisible() || board->walking()) return {};
        for (int p = 0; p < GameState::MAX_PLAYERS && IsInGame(gs_, p); ++p) {
            const QString gold = u"%1 / %2"_s.arg(gs_.playerGold[p]).arg(gs_.goldToWin);
            if (board->race->Gold[p]->text() != gold)
                return u"the race shows %1 for slot %2, who holds %3"_s.arg(
                    board->race->Gold[p]->text(), QString::number(p), gold);
        }
        if (board->marks->mover() != gs_.currentPlayer) return u"the light is on another slot"_s;
        for (int square = 0; square < GameState::BOARD_SQUARES; ++square) {
            QString portrait = u"providno.gif"_s;
            for (int p = 0; p < GameState::MAX_PLAYERS && IsInGame(gs_, p); ++p)
                if (gs_.playerSquare[p] == square) portrait = gs_.playerPortrait[p].mid(1);
            if (board->Image2[square]->fileName() != portrait)
                return u"square %1 shows %2"_s.arg(square).arg(board->Image2[square]->fileName());
        }
        return {};
    }

    static bool quits(const QString& caption) {
        return caption == u"KRAJ" || caption == u"Kraj igre";
    }

    // The buttons one could press now; leaving the program is possible, just rare, so that most
    // games get played, and so is a retreat, so that fights run to a fall and its spoils.
    QList<QPushButton*> pressable(Screen* window) {
        QList<QPushButton*> buttons;
        for (QPushButton* b : window->findChildren<QPushButton*>())
            if (b->isVisibleTo(window) && b->isEnabled() &&
                (!quits(b->text()) || rng_() % 50 == 0) &&
                (b->text() != u"Povlacenje"_s || rng_() % 8 == 0))
                buttons.append(b);
        return buttons;
    }

    // One event. False when nothing at all can be done.
    bool act() {
        // The computer seats play their parts, most of the time before anyone clicks.
        if (rng_() % 4 != 0 && seats_->pressNow()) {
            lastAction_ = QStringLiteral("a computer played");
            return true;
        }
        const QList<Screen*> visible = visibleScreens();
        if (visible.isEmpty()) return false;
        Screen* window = visible[rng_() % visible.size()];
        const QString name = window->objectName();

        // Now and then a window is closed through its frame.
        const bool quitting =
            window->screenId() == ScreenId::Form2 || window->screenId() == ScreenId::Form1;
        if (rng_() % 40 == 0 && (!quitting || rng_() % 10 == 0)) {
            lastAction_ = QStringLiteral("closed ") + name;
            quitAllowed_ = quitting;
            window->close();
            return true;
        }

        // Typing: small amounts (so games end), sometimes junk, into the options; names at
        // creation.
        for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
            if (!field->isVisibleTo(window) || rng_() % 3 != 0) continue;
            const int pick = static_cast<int>(rng_() % 10);
            if (window->screenId() != ScreenId::opcije || pick == 9)
                field->setText(oddText(rng_));
            else
                field->setText(pick < 8 ? QString::number(rng_() % 4) : QStringLiteral("1e9"));
        }
        // Any slot may be the computer's (the options' sound box is no slot).
        for (QCheckBox* box : window->findChildren<QCheckBox*>())
            if (box->isVisibleTo(window) && window->objectName() == QLatin1String("Kreiranje") &&
                rng_() % 3 == 0)
                box->click();
        for (DirList* list : window->findChildren<DirList*>())
            if (list->isVisibleTo(window) && list->count() > 0 && rng_() % 3 == 0)
                list->openRow(static_cast<int>(rng_() % list->count()));

        const QList<QPushButton*> buttons = pressable(window);
        if (buttons.isEmpty())  // another window may still have something to press
            return std::any_of(visible.begin(), visible.end(),
                               [this](Screen* other) { return !pressable(other).isEmpty(); });
        QPushButton* pressed = buttons[rng_() % buttons.size()];
        lastAction_ = name + QStringLiteral(": ") +
                      (pressed->text().isEmpty() ? pressed->objectName() : pressed->text());
        quitAllowed_ = quits(pressed->text());
        pressed->click();
        return true;
    }

    std::mt19937 rng_;
    GameState gs_;
    Screens screens_;
    StdRandom random_;
    BotDialogs dialogs_;
    ComputerDialogs boxes_;
    FakeApp app_;
    Context ctx_;
    std::unique_ptr<ComputerSeats> seats_;
    int turnPresses_ = 0;
    const QString themeRoot_;
    QString lastAction_ = QStringLiteral("start");
    bool quitAllowed_ = false;
    Outcome out_;
    bool wonOnce_ = false;
    bool pausing_ = false;
    bool cutShort_ = false;
    QElapsedTimer pauseClock_;
};

double peakResidentMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// Resident memory now: the peak alone would hide whether memory is given back between games.
double residentMb() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

// The heap in use and the heap held from the system, over all of glibc's arenas: resident memory
// that grows while the heap in use does not is fragmentation, not a leak.
struct Heap {
    double inUseMb = 0, heldMb = 0;
};
Heap heap() {
    char* text = nullptr;
    size_t size = 0;
    FILE* report = open_memstream(&text, &size);
    if (!report) return {};
    malloc_info(0, report);
    std::fclose(report);
    // The report ends with the totals of every arena: free chunks, then the system's share.
    const QByteArray xml(text, static_cast<qsizetype>(size));
    std::free(text);
    const auto total = [&xml](const char* tag) {
        const qsizetype at = xml.lastIndexOf(tag);
        if (at < 0) return 0.0;
        const qsizetype from = xml.indexOf("size=\"", at) + 6;
        return xml.mid(from, xml.indexOf('"', from) - from).toDouble() / 1048576.0;
    };
    const double held = total("<system type=\"current\"");
    const double free = total("<total type=\"fast\"") + total("<total type=\"rest\"");
    const double mapped = total("<total type=\"mmap\"");  // large blocks, each its own mapping
    return {held - free + mapped, held + mapped};
}

// Copies the asset tree with every file truncated or replaced by random bytes.
void breakAssets(const QString& from, const QString& to, uint64_t seed) {
    std::mt19937 rng(static_cast<std::mt19937::result_type>(seed));
    QDir source(from);
    for (const QString& sub : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDir(to).mkpath(sub);
        breakAssets(source.filePath(sub), to + QLatin1Char('/') + sub, rng());
    }
    for (const QString& name : source.entryList(QDir::Files)) {
        QFile in(source.filePath(name));
        QByteArray bytes;
        if (in.open(QIODevice::ReadOnly)) bytes = in.read(4096);
        if (rng() % 2 == 0) {
            bytes.truncate(static_cast<int>(rng() % (bytes.size() + 1)));
        } else {
            for (char& c : bytes) c = static_cast<char>(rng());
        }
        QFile out(to + QLatin1Char('/') + name);
        if (out.open(QIODevice::WriteOnly)) out.write(bytes);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    Pictures::returnLargeBlocksWhenFreed();  // as the game does
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QCommandLineParser options;
    options.addHelpOption();
    options.addOptions({
        {u"games"_s, u"How many games to play."_s, u"N"_s, u"200"_s},
        {u"seed"_s, u"The first game's seed; the next games take the next seeds."_s, u"S"_s,
         u"1"_s},
        {u"assets"_s, u"The game's files as they are, none, or broken."_s, u"normal|empty|broken"_s,
         u"normal"_s},
        {u"quiet"_s, u"Leave out Qt's own warnings."_s},
    });
    options.process(application);
    const long games = options.value(u"games"_s).toLong();
    const uint64_t seed = options.value(u"seed"_s).toULongLong();
    const QString assets = options.value(u"assets"_s);
    if (games <= 0 || !QStringList{u"normal"_s, u"empty"_s, u"broken"_s}.contains(assets))
        options.showHelp(2);
    // Qt's own chatter (missing pictures and the like) is not what the soak reports.
    if (options.isSet(u"quiet"_s)) std::freopen("/dev/null", "w", stderr);

    QString appDir = QStringLiteral(KAVGALIJA_ASSETS_DIR);
    QTemporaryDir temp;
    if (assets != QStringLiteral("normal")) {
        if (assets == QStringLiteral("broken")) breakAssets(appDir, temp.path(), seed);
        appDir = temp.path();
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
    // With the real assets the sounds are only logged, or every victory would wait for its fanfare;
    // with missing or broken files the real sound service meets them.
    FakeSound fakeSound;
    SdlSound realSound;
    Sound& sound = assets == QStringLiteral("normal") ? static_cast<Sound&>(fakeSound) : realSound;
    Pictures pictures(appDir);

    // A line for every tenth of the run, so that a slowdown or a growth shows while it runs.
    const long tenth = std::max(1L, games / 10);
    QElapsedTimer clock;
    clock.start();
    const auto rateSince = [&clock](long played, qint64 sinceMs) {
        return static_cast<double>(played) * 1000.0 /
               static_cast<double>(std::max<qint64>(1, clock.elapsed() - sinceMs));
    };
    qint64 tenthStartMs = 0, lastTenthStartMs = 0;
    double firstRate = 0, peakAt100 = 0;
    TimerTicks ticks;
    application.installEventFilter(&ticks);
    long events = 0, counts[4] = {};  // by Outcome::Kind
    for (long g = 0; g < games; ++g) {
        // Printed first, so that a crash is followed by the seed that replays it.
        const uint64_t gameSeed = seed + static_cast<uint64_t>(g);
        std::printf("soak: seed %llu\r", static_cast<unsigned long long>(gameSeed));
        std::fflush(stdout);
        Outcome out = Bot(gameSeed, pictures, sound).play();
        // What a game leaves under the application (pending timers and the like) piles up over
        // a session; a handful of Qt's own objects stay.
        if (const qsizetype left = application.findChildren<QObject*>().size();
            left > kObjectsLeftCap && out.kind != Outcome::Broken) {
            out.kind = Outcome::Broken;
            out.why = u"%1 objects left behind under the application"_s.arg(left);
        }
        events += out.events;
        ++counts[out.kind];
        fakeSound.played.clear();  // its log of sounds is not needed, and would grow with the run
        if (out.kind == Outcome::Broken)
            std::printf("soak: game with seed %llu broke: %s\n",
                        static_cast<unsigned long long>(gameSeed),
                        qPrintable(out.why.simplified()));
        const long played = g + 1;
        if (played == std::min(100L, games)) peakAt100 = peakResidentMb();
        if (played == games - tenth) lastTenthStartMs = clock.elapsed();
        if (played % tenth != 0) continue;
        const double rate = rateSince(tenth, tenthStartMs);
        if (played == tenth) firstRate = rate;
        tenthStartMs = clock.elapsed();
        const Heap now = heap();
        std::printf(
            "soak: %ld games, %ld events, %ld victories, %ld broken, %ld timer ticks; %.2f "
            "games/s, "
            "resident %.1f MB, peak %.1f MB, heap %.1f MB in use of %.1f\n",
            played, events, counts[Outcome::Victory], counts[Outcome::Broken], ticks.count, rate,
            residentMb(), peakResidentMb(), now.inUseMb, now.heldMb);
        std::fflush(stdout);
    }
    const double lastRate = rateSince(tenth, lastTenthStartMs);
    const long failed = counts[Outcome::Broken];
    std::printf(
        "soak (%s assets): %ld games, %ld events, %ld victories, %ld quit, %ld at the "
        "event cap, %ld broken or stuck; the game's timers ticked %ld times\n%ld passed, %ld "
        "failed\n",
        qPrintable(assets), games, events, counts[Outcome::Victory], counts[Outcome::Quit],
        counts[Outcome::Capped], failed, ticks.count, games - failed, failed);
    std::printf(
        "%.2f games/s over the first %ld games, %.2f over the last %ld (%.2f of the first); "
        "peak resident memory %.1f MB after %ld games, %.1f MB at the end\n",
        firstRate, tenth, lastRate, tenth, lastRate / firstRate, peakAt100, std::min(100L, games),
        peakResidentMb());
    return failed == 0 ? 0 : 1;
}
