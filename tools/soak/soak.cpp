// Soak games: a bot plays whole games through the real screens, headless, pressing whatever is
// enabled, ticking computer seats that then play their parts, answering boxes at random, typing
// odd text and closing windows at random moments, and checks the game's invariants after every
// event. Between two of its actions the event loop runs as in the game: posted events are
// delivered and due timers fire, the game's timers shortened.
//
// Each game's dice come from the real generator seeded with seed + game number, so a failing game
// replays with --seed <printed seed> --games 1; a crash ends the run after its game's seed.
//
// Golden games (--record-golden, --golden, --trace) leave no decision to the clock: the game's
// timers never fire and the computer seats act only when the bot lets them. Each game then writes
// a trace of everything a player sees and hears, and tests/golden/games.txt keeps its digest, so a
// change meant to change nothing the players meet shows every game it did change.
#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <random>

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include "game/SavedGame.h"
#include "platform/Accessibility.h"
#include "platform/Context.h"
#include "platform/DirList.h"
#include "platform/PictureBox.h"
#include "platform/Pictures.h"
#include "platform/Screen.h"
#include "platform/Screens.h"
#include "screens/ComputerSeats.h"
#include "screens/Flow.h"
#include "screens/Form1/Form1.h"
#include "screens/Form1/RacePanel.h"
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

// Golden games: the timers that would fire at moments of their own wait longer than any game.
constexpr int kNeverMs = 24 * 60 * 60 * 1000;
// The golden games whose whole traces are kept beside their digests, so that a game that differs
// tells its first differing line: the share that ctest replays.
constexpr long kStoredTraces = 20;

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

// Everything a player meets in one golden game, a line a thing, in order.
class Trace {
public:
    explicit Trace(QString appDir) : appDir_(std::move(appDir)) {}

    void add(const QString& line) {
        if (!paused) lines_.append(line);
    }
    const QStringList& lines() const { return lines_; }
    // While a kept game is being taken up again, what it shows anew is no part of the game.
    bool paused = false;
    QByteArray sha1() const {
        return QCryptographicHash::hash(lines_.join(u'\n').toUtf8(), QCryptographicHash::Sha1)
            .toHex();
    }

    // A text on one line, in quotes, exactly as it is but for the game's folder, written "@" so
    // that traces of two checkouts compare.
    QString text(QString s) const {
        if (!appDir_.isEmpty()) s.replace(appDir_, u"@"_s);
        QString out = u"\""_s;
        out.reserve(s.size() + 2);
        for (qsizetype i = 0; i < s.size(); ++i) {
            const QChar c = s[i];
            switch (c.unicode()) {
                case u'\\':
                    out += u"\\\\"_s;
                    break;
                case u'"':
                    out += u"\\\""_s;
                    break;
                case u'\n':
                    out += u"\\n"_s;
                    break;
                case u'\r':
                    out += u"\\r"_s;
                    break;
                case u'\t':
                    out += u"\\t"_s;
                    break;
                default:
                    // A half of a character would not survive the trip through UTF-8.
                    if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
                        out += c;
                        out += s[++i];
                    } else if (c.unicode() < 0x20 || c.isSurrogate() || c == QChar::LineSeparator ||
                               c == QChar::ParagraphSeparator) {
                        out += u"\\u%1"_s.arg(int(c.unicode()), 4, 16, QChar(u'0'));
                    } else {
                        out += c;
                    }
            }
        }
        return out + u'"';
    }

private:
    QString appDir_;
    QStringList lines_;
};

// The sounds a golden game plays, in the trace and nowhere else.
class TraceSound : public Sound {
public:
    explicit TraceSound(Trace& trace) : trace_(trace) {}

protected:
    void output(const QString& path, Mode mode) override {
        QString line =
            u"sound "_s + trace_.text(path) + (mode == Mode::Sync ? u" sync"_s : u" async"_s);
        if (volume() != MAX_VOLUME) line += u" volume %1"_s.arg(volume());
        trace_.add(line);
    }

private:
    Trace& trace_;
};

// Passes every box on to the bot's answers, writing it in the trace when there is one: what it
// said (and the die it showed), what was asked and the answer that came back.
class TraceDialogs : public Dialogs {
public:
    TraceDialogs(Dialogs& boxes, Trace* trace) : boxes_(boxes), trace_(trace) {}

    void message(const QString& prompt) override {
        if (trace_) trace_->add(u"box "_s + trace_->text(prompt));
        boxes_.message(prompt);
    }
    void dieMessage(const QString& prompt, int face) override {
        if (trace_) trace_->add(u"box die %1 "_s.arg(face) + trace_->text(prompt));
        boxes_.dieMessage(prompt, face);
    }
    void unattendedMessage(const QString& prompt, int face, int closeAfterMs) override {
        if (trace_)
            trace_->add(u"box unattended %1 ms die %2 "_s.arg(closeAfterMs).arg(face) +
                        trace_->text(prompt));
        boxes_.unattendedMessage(prompt, face, closeAfterMs);
    }
    QString input(const QString& prompt) override {
        const QString answer = boxes_.input(prompt);
        if (trace_)
            trace_->add(u"ask "_s + trace_->text(prompt) + u" -> "_s + trace_->text(answer));
        return answer;
    }
    QString answeredInput(const QString& prompt, const QString& answer, int closeAfterMs) override {
        const QString typed = boxes_.answeredInput(prompt, answer, closeAfterMs);
        if (trace_)
            trace_->add(u"ask answered %1 ms "_s.arg(closeAfterMs) + trace_->text(prompt) +
                        u" -> "_s + trace_->text(typed));
        return typed;
    }

private:
    Dialogs& boxes_;
    Trace* trace_;
};

// What the visible windows show, by "screen/widget.property", each value as the trace writes it.
// Widgets of a kind that share a name are told apart by their order ("#1", "#2").
QMap<QString, QString> onShow(const QList<Screen*>& screens, const Trace& trace) {
    QMap<QString, QString> shown;
    const auto flag = [](bool on) { return on ? u"1"_s : u"0"_s; };
    for (Screen* screen : screens) {
        const QString at = screen->objectName() + u'/';
        shown[at + u".title"_s] = trace.text(screen->windowTitle());
        QHash<QString, int> seen;
        for (QWidget* w : screen->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(w);
            auto* button = qobject_cast<QPushButton*>(w);
            auto* field = qobject_cast<QLineEdit*>(w);
            auto* picture = qobject_cast<PictureBox*>(w);
            auto* box = qobject_cast<QCheckBox*>(w);
            auto* list = qobject_cast<DirList*>(w);
            if (!label && !button && !field && !picture && !box && !list) continue;
            QString name = w->objectName().isEmpty()
                               ? QString::fromLatin1(w->metaObject()->className())
                               : w->objectName();
            if (const int n = seen[name]++; n > 0) name += u'#' + QString::number(n);
            const QString key = at + name + u'.';
            shown[key + u"visible"_s] = flag(w->isVisibleTo(screen));
            if (label) shown[key + u"text"_s] = trace.text(label->text());
            if (field) shown[key + u"text"_s] = trace.text(field->text());
            if (button) {
                shown[key + u"text"_s] = trace.text(button->text());
                shown[key + u"enabled"_s] = flag(button->isEnabled());
                shown[key + u"description"_s] = trace.text(button->accessibleDescription());
            }
            if (picture) {
                shown[key + u"file"_s] = trace.text(picture->fileName());
                shown[key + u"meaning"_s] = trace.text(picture->meaning());
            }
            if (box) {
                shown[key + u"text"_s] = trace.text(box->text());
                shown[key + u"checked"_s] = flag(box->isChecked());
            }
            if (list) shown[key + u"path"_s] = trace.text(list->path());
        }
    }
    return shown;
}

// The game record as the players meet it, field by field in a fixed order. The fight's and the
// dice's scratch fields are left out: they are no part of what a game shows.
QList<QPair<QString, QString>> recordOf(const GameState& gs, const Trace& trace) {
    QList<QPair<QString, QString>> record;
    const auto number = [&record](const QString& name, int value) {
        record.append({name, QString::number(value)});
    };
    const auto text = [&record, &trace](const QString& name, const QString& value) {
        record.append({name, trace.text(value)});
    };
    for (int p = 0; p < GameState::MAX_PLAYERS; ++p) {
        const QString at = u"[%1]"_s.arg(p);
        text(u"playerName"_s + at, gs.playerName[p]);
        number(u"playerSquare"_s + at, gs.playerSquare[p]);
        number(u"playerGold"_s + at, gs.playerGold[p]);
        number(u"playerArmor"_s + at, gs.playerArmor[p]);
        text(u"playerWeapon"_s + at, gs.playerWeapon[p]);
        text(u"playerShield"_s + at, gs.playerShield[p]);
        number(u"playerHealth"_s + at, gs.playerHealth[p]);
        number(u"playerWeaponPower"_s + at, gs.playerWeaponPower[p]);
        number(u"playerSkipTurns"_s + at, gs.playerSkipTurns[p]);
        number(u"playerPortraitNo"_s + at, gs.playerPortraitNo[p]);
        text(u"playerPortrait"_s + at, gs.playerPortrait[p]);
        text(u"playerSoundTheme"_s + at, gs.playerSoundTheme[p]);
        number(u"playerComputer"_s + at, gs.playerComputer[p] ? 1 : 0);
    }
    for (int square = 0; square < GameState::BOARD_SQUARES; ++square)
        text(u"squareKind[%1]"_s.arg(square), gs.squareKind[square]);
    number(u"currentPlayer"_s, gs.currentPlayer);
    number(u"opponentIndex"_s, gs.opponentIndex);
    number(u"creatingPlayer"_s, gs.creatingPlayer);
    number(u"newGame"_s, gs.newGame);
    number(u"goldToWin"_s, gs.goldToWin);
    number(u"playersInGame"_s, gs.playersInGame);
    return record;
}

// How a game ended; `why` is set only when it broke.
struct Outcome {
    enum Kind { Victory, Quit, Capped, Broken } kind = Capped;
    long events = 0;
    QString why;
};

class Bot {
public:
    // The pictures are shared by every game, as in the game, which decodes each file once a run.
    // With a trace the game is a golden one: no timer decides anything, and the trace gets
    // everything a player meets.
    // With `resumeAfter` events the game is kept, every window closed and the kept game taken up
    // again, as by a new start of the program (the first moment after that it can be).
    Bot(uint64_t seed, Pictures& pictures, Sound& sound, Trace* trace = nullptr,
        std::optional<long> resumeAfter = std::nullopt)
        : resumeAfter_(resumeAfter),
          seed_(seed),
          rng_(static_cast<std::mt19937::result_type>(seed)),
          random_(seed),
          dialogs_(rng_),
          traced_(dialogs_, trace),
          boxes_(traced_, gs_, screens_),
          ctx_{gs_, screens_, pictures, boxes_, sound, random_, app_, pictures.appDir()},
          themeRoot_(QDir::cleanPath(pictures.appDir() + u"/zvuk"_s)),
          trace_(trace) {
        // Drawn in golden games too, so that the bot's later draws stay where they are.
        for (const ShortTimer& t : kTimers)
            ctx_.*t.interval = rng_() % t.oneIn == 0 ? 1 + static_cast<int>(rng_() % t.maxMs) : 0;
        if (trace_) {
            ctx_.walkStepMs = 0;
            ctx_.computerPauseMs = 0;
            ctx_.bubbleMs = kNeverMs;
            ctx_.aboutStepMs = kNeverMs;
        }
        RegisterScreens(ctx_);
        seats_ = std::make_unique<ComputerSeats>(ctx_);
        // The seats then press only when the bot lets them, not whenever the loop is idle.
        if (trace_) seats_->stopWatching();
        if (trace_) record_ = recordOf(GameState{}, *trace_);
    }
    ~Bot() {
        screens_.unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The game runs in an event loop of its own, the bot's steps being timer events in it, so
    // that between two steps the loop does what the game's does: delivers posted events (layout,
    // repaints, deferred deletes) and fires the timers that are due.
    Outcome play() {
        if (trace_)
            Accessibility::setListener([this](const QWidget* screen, const QString& sentence) {
                const QString where = screen ? screen->window()->objectName() : u"next"_s;
                trace_->add(u"say "_s + where + u' ' + trace_->text(sentence));
            });
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
        if (trace_) Accessibility::setListener(nullptr);
        return out_;
    }

private:
    // One step: the checks, then an action or, while the game pauses, a wait. Returns the delay
    // before the next step, or -1 when the game is over.
    int step() {
        if (trace_) traceChanges();
        const auto end = [this](Outcome::Kind kind, const QString& why = {}) {
            out_.kind = kind;
            out_.why = why.isEmpty() ? why : why + QStringLiteral(" after ") + lastAction_;
            if (trace_) {
                static const QString kinds[] = {u"victory"_s, u"quit"_s, u"capped"_s, u"broken"_s};
                trace_->add(u"end %1 after %2 events "_s.arg(kinds[kind]).arg(out_.events) +
                            trace_->text(out_.why));
            }
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
        if (resumeAfter_ && out_.events >= *resumeAfter_ && resumable()) {
            resumeAfter_.reset();
            if (!resume()) return end(Outcome::Broken, u"the kept game could not be read back"_s);
        }
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

    // A moment a player could close the game at and find it again as it stood: a turn to roll,
    // a reward or a mishap on show, nothing opened beside.
    bool resumable() const {
        const Stage stage = gs_.stage;
        return (stage == Stage::Roll || stage == Stage::Reward || stage == Stage::Danger) &&
               !screens_.isVisible(ScreenId::opcije) && !screens_.isVisible(ScreenId::inventar) &&
               !screens_.isVisible(ScreenId::credits) && !screens_.isVisible(ScreenId::Dnevnik);
    }

    // The game as the program keeps it, taken up in fresh windows with a fresh record and dice.
    bool resume() {
        const QByteArray kept =
            Game::ToJson({gs_, QString::fromStdString(random_.state()), ctx_.log});
        if (trace_) trace_->paused = true;
        screens_.unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        gs_ = GameState{};
        ctx_.log.clear();
        random_ = StdRandom(~seed_);
        Flow::OpenTitle(ctx_);
        const auto saved = Game::FromJson(kept);
        if (saved) Flow::Resume(ctx_, *saved);
        if (trace_) trace_->paused = false;
        resumed_ = saved.has_value();
        return resumed_;
    }

public:
    bool resumed() const { return resumed_; }

private:
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
        if (rng_() % 4 != 0) {
            if (const QPushButton* press = seats_->nextPress()) {
                acting(QStringLiteral("a computer played"), press);
                seats_->pressNow();
                return true;
            }
        }
        const QList<Screen*> visible = visibleScreens();
        if (visible.isEmpty()) return false;
        Screen* window = visible[rng_() % visible.size()];
        const QString name = window->objectName();

        // Now and then a window is closed through its frame.
        const bool quitting =
            window->screenId() == ScreenId::Form2 || window->screenId() == ScreenId::Form1;
        if (rng_() % 40 == 0 && (!quitting || rng_() % 10 == 0)) {
            acting(QStringLiteral("closed ") + name);
            quitAllowed_ = quitting;
            window->close();
            return true;
        }

        // Typing: small amounts (so games end), sometimes junk, into the options; names at
        // creation.
        for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
            if (!field->isVisibleTo(window) || rng_() % 3 != 0) continue;
            const int pick = static_cast<int>(rng_() % 10);
            const QString typed =
                window->screenId() != ScreenId::opcije || pick == 9
                    ? oddText(rng_)
                    : (pick < 8 ? QString::number(rng_() % 4) : QStringLiteral("1e9"));
            if (trace_) trace_->add(u"type "_s + where(field) + u' ' + trace_->text(typed));
            field->setText(typed);
        }
        // Any slot may be the computer's (the options' sound box is no slot).
        for (QCheckBox* box : window->findChildren<QCheckBox*>())
            if (box->isVisibleTo(window) && window->objectName() == QLatin1String("Kreiranje") &&
                rng_() % 3 == 0) {
                if (trace_) trace_->add(u"tick "_s + where(box));
                box->click();
            }
        for (DirList* list : window->findChildren<DirList*>())
            if (list->isVisibleTo(window) && list->count() > 0 && rng_() % 3 == 0) {
                const int row = static_cast<int>(rng_() % list->count());
                if (trace_) trace_->add(u"open %1 row %2"_s.arg(where(list)).arg(row));
                list->openRow(row);
            }

        const QList<QPushButton*> buttons = pressable(window);
        if (buttons.isEmpty())  // another window may still have something to press
            return std::any_of(visible.begin(), visible.end(),
                               [this](Screen* other) { return !pressable(other).isEmpty(); });
        QPushButton* pressed = buttons[rng_() % buttons.size()];
        acting(name + QStringLiteral(": ") +
                   (pressed->text().isEmpty() ? pressed->objectName() : pressed->text()),
               pressed);
        quitAllowed_ = quits(pressed->text());
        pressed->click();
        return true;
    }

    // What the bot does is told before it happens, so that the trace has it before its effects.
    void acting(const QString& action, const QPushButton* button = nullptr) {
        lastAction_ = action;
        if (!trace_) return;
        QString line = u"act "_s + trace_->text(action);
        if (button) line += u" by "_s + where(button);
        trace_->add(line);
    }

    static QString where(const QWidget* w) {
        return w->window()->objectName() + u'/' + w->objectName();
    }

    // After each step: the windows on show, when they change, and what changed in what they show
    // and in the game record. A window that goes keeps what it showed, so that it comes back with
    // only what has changed meanwhile.
    void traceChanges() {
        const QList<Screen*> visible = visibleScreens();
        QStringList names;
        for (const Screen* screen : visible) names.append(screen->objectName());
        if (names != shownScreens_) {
            shownScreens_ = names;
            trace_->add(u"screens "_s + names.join(u' '));
        }
        const QMap<QString, QString> now = onShow(visible, *trace_);
        for (auto it = now.cbegin(); it != now.cend(); ++it) {
            auto was = shown_.find(it.key());
            if (was != shown_.end() && *was == it.value()) continue;
            trace_->add(u"ui "_s + it.key() + u'=' + it.value());
            shown_.insert(it.key(), it.value());
        }
        for (auto it = shown_.begin(); it != shown_.end();) {
            if (!now.contains(it.key()) && names.contains(it.key().section(u'/', 0, 0))) {
                trace_->add(u"ui "_s + it.key() + u" gone"_s);
                it = shown_.erase(it);
            } else {
                ++it;
            }
        }
        const QList<QPair<QString, QString>> record = recordOf(gs_, *trace_);
        for (qsizetype i = 0; i < record.size(); ++i)
            if (record[i].second != record_[i].second)
                trace_->add(u"gs "_s + record[i].first + u'=' + record[i].second);
        record_ = record;
    }

    std::optional<long> resumeAfter_;
    bool resumed_ = false;
    const uint64_t seed_;
    std::mt19937 rng_;
    GameState gs_;
    Screens screens_;
    StdRandom random_;
    BotDialogs dialogs_;
    TraceDialogs traced_;
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
    Trace* trace_;
    QStringList shownScreens_;
    QMap<QString, QString> shown_;
    QList<QPair<QString, QString>> record_;
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

// The golden record of a game: its trace's length and digest, and where kept, the trace itself.
struct Golden {
    qsizetype lines = 0;
    QByteArray sha1;
    QStringList trace;
};

// The stored traces sit beside the digests.
QString tracesFileOf(const QString& digests) {
    return QFileInfo(digests).dir().filePath(u"traces.zz"_s);
}

// Reads the digests and the stored traces; false (and why) when the digests cannot be read.
bool readGolden(const QString& digests, QMap<uint64_t, Golden>& games, QString& why) {
    QFile file(digests);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        why = file.errorString();
        return false;
    }
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        bool seedOk = false, linesOk = false;
        Golden game;
        const uint64_t seed = fields.value(0).toULongLong(&seedOk);
        game.lines = fields.value(1).toLongLong(&linesOk);
        game.sha1 = fields.value(2).toLatin1();
        if (fields.size() != 3 || !seedOk || !linesOk || game.sha1.size() != 40) {
            why = u"not a line of seed, lines and SHA-1: "_s + line;
            return false;
        }
        games.insert(seed, game);
    }
    QFile stored(tracesFileOf(digests));
    if (!stored.open(QIODevice::ReadOnly)) return true;  // the digests alone still tell
    const QStringList lines = QString::fromUtf8(qUncompress(stored.readAll())).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // "@game <seed> <lines>", then that many lines.
        const QStringList head = lines[i].split(u' ');
        if (head.size() != 3 || head[0] != u"@game") continue;
        const auto it = games.find(head[1].toULongLong());
        const qsizetype count = head[2].toLongLong();
        if (it != games.end() && i + count < lines.size()) it->trace = lines.mid(i + 1, count);
        i += count;
    }
    return true;
}

bool writeGolden(const QString& digests, const QMap<uint64_t, Golden>& games) {
    QDir().mkpath(QFileInfo(digests).path());
    QFile file(digests);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
    QByteArray text =
        "# Golden games: each seed's bot game with the real assets, as tests/soak --trace writes\n"
        "# it, by the number of lines of its trace and their SHA-1. Written by\n"
        "# soak --record-golden; soak --golden plays the games again and compares. The traces of\n"
        "# the first games are kept whole beside it, in traces.zz.\n"
        "# seed lines sha1\n";
    QByteArray kept;
    for (auto it = games.cbegin(); it != games.cend(); ++it) {
        text += QByteArray::number(it.key()) + ' ' + QByteArray::number(it->lines) + ' ' +
                it->sha1 + '\n';
        if (it->trace.isEmpty()) continue;
        kept += "@game " + QByteArray::number(it.key()) + ' ' +
                QByteArray::number(it->trace.size()) + '\n' + it->trace.join(u'\n').toUtf8() + '\n';
    }
    QFile stored(tracesFileOf(digests));
    if (!stored.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(text) == text.size() && stored.write(qCompress(kept, 9)) >= 0;
}

// A line of a trace for the report: a long one is shown around the column where it differs.
QString excerpt(const QString& line, qsizetype column) {
    constexpr qsizetype kShown = 160;
    if (line.size() <= kShown) return line;
    const qsizetype from = std::max<qsizetype>(0, column - kShown / 2);
    return (from > 0 ? u"..."_s : QString()) + line.mid(from, kShown) +
           (from + kShown < line.size() ? u"..."_s : QString()) +
           u" (%1 characters)"_s.arg(line.size());
}

// How a game's trace differs from its golden record, or nothing when it does not.
QString goldenDifference(uint64_t seed, const Trace& trace, const Golden* golden) {
    const QByteArray sha1 = trace.sha1();
    const QStringList& got = trace.lines();
    if (!golden) return u"seed %1 has no golden record"_s.arg(seed);
    if (got.size() == golden->lines && sha1 == golden->sha1) return {};
    if (golden->trace.size() == golden->lines) {
        const QStringList& expected = golden->trace;
        qsizetype at = 0;
        while (at < got.size() && at < expected.size() && got[at] == expected[at]) ++at;
        const QString was = at < expected.size() ? expected[at] : u"(the game's end)"_s;
        const QString is = at < got.size() ? got[at] : u"(the game's end)"_s;
        qsizetype column = 0;
        while (column < was.size() && column < is.size() && was[column] == is[column]) ++column;
        return u"line %1 differs\n  expected: %2\n  got:      %3"_s.arg(at + 1).arg(
            excerpt(was, column), excerpt(is, column));
    }
    return u"%1 lines, SHA-1 %2, where %3 lines, SHA-1 %4 were recorded; run "
           "soak --trace --seed %5 --games 1 on this and on the recorded version, and diff"_s.arg(
               QString::number(got.size()), QString::fromLatin1(sha1),
               QString::number(golden->lines), QString::fromLatin1(golden->sha1),
               QString::number(seed));
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
        {u"golden"_s, u"Play golden games and compare each with its record."_s},
        {u"record-golden"_s, u"Play golden games and record them, replacing the records."_s},
        {u"trace"_s,
         u"Play golden games and print their traces; the soak's own lines go to standard error."_s},
        {u"resume"_s,
         u"Keep each game once at a moment drawn from its seed and take it up again in fresh "
         "windows, as a new start of the program would."_s},
        {u"golden-file"_s, u"The golden records."_s, u"FILE"_s,
         QStringLiteral(KAVGALIJA_TESTS_DIR "/golden/games.txt")},
    });
    options.process(application);
    const long games = options.value(u"games"_s).toLong();
    const uint64_t seed = options.value(u"seed"_s).toULongLong();
    const QString assets = options.value(u"assets"_s);
    const bool check = options.isSet(u"golden"_s);
    const bool record = options.isSet(u"record-golden"_s);
    const bool printTrace = options.isSet(u"trace"_s);
    const bool golden = check || record || printTrace;
    const bool resume = options.isSet(u"resume"_s);
    long resumed = 0;
    // Golden games are the real assets' (missing or broken ones meet the real sound service).
    if (games <= 0 || !QStringList{u"normal"_s, u"empty"_s, u"broken"_s}.contains(assets) ||
        (check && record) || (golden && assets != u"normal"_s))
        options.showHelp(2);
    const QString goldenFile = options.value(u"golden-file"_s);
    QMap<uint64_t, Golden> goldenGames;
    if (QString why; check && !readGolden(goldenFile, goldenGames, why)) {
        std::fprintf(stderr, "soak: cannot read %s: %s\n", qPrintable(goldenFile), qPrintable(why));
        return 2;
    }
    // A trace takes standard output for itself.
    FILE* const report = printTrace ? stderr : stdout;
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
    long goldenDiffering = 0;
    for (long g = 0; g < games; ++g) {
        // Printed first, so that a crash is followed by the seed that replays it.
        const uint64_t gameSeed = seed + static_cast<uint64_t>(g);
        std::fprintf(report, "soak: seed %llu\r", static_cast<unsigned long long>(gameSeed));
        std::fflush(report);
        Outcome out;
        std::optional<Trace> trace;
        if (golden) {
            // A sound service of its own, so that no game hears the setting another left.
            trace.emplace(appDir);
            TraceSound traced(*trace);
            const long ticksBefore = ticks.count;
            // The moment is drawn apart from the game's own dice, which it must not shift.
            std::optional<long> resumeAfter;
            if (resume) resumeAfter = 1 + long(std::mt19937(uint32_t(gameSeed * 7919))() % 150);
            Bot bot(gameSeed, pictures, traced, &*trace, resumeAfter);
            out = bot.play();
            resumed += bot.resumed() ? 1 : 0;
            if (ticks.count != ticksBefore && out.kind != Outcome::Broken) {
                out.kind = Outcome::Broken;
                out.why = u"a timer of the game fired: the trace would depend on the clock"_s;
            }
        } else {
            std::optional<long> resumeAfter;
            if (resume) resumeAfter = 1 + long(std::mt19937(uint32_t(gameSeed * 7919))() % 150);
            Bot bot(gameSeed, pictures, sound, nullptr, resumeAfter);
            out = bot.play();
            resumed += bot.resumed() ? 1 : 0;
        }
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
            std::fprintf(report, "soak: game with seed %llu broke: %s\n",
                         static_cast<unsigned long long>(gameSeed),
                         qPrintable(out.why.simplified()));
        if (printTrace) {
            QByteArray text = trace->lines().join(u'\n').toUtf8() + '\n';
            if (games > 1) text.prepend("@game " + QByteArray::number(gameSeed) + '\n');
            std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
            std::fflush(stdout);
        }
        if (record) {
            Golden& kept = goldenGames[gameSeed];
            kept.lines = trace->lines().size();
            kept.sha1 = trace->sha1();
            if (g < kStoredTraces) kept.trace = trace->lines();
        }
        if (check) {
            const auto it = goldenGames.constFind(gameSeed);
            const QString difference =
                goldenDifference(gameSeed, *trace, it == goldenGames.cend() ? nullptr : &*it);
            if (!difference.isEmpty()) {
                ++goldenDiffering;
                if (out.kind != Outcome::Broken) {
                    --counts[out.kind];
                    ++counts[Outcome::Broken];
                }
                std::fprintf(report, "soak: golden game with seed %llu differs: %s\n",
                             static_cast<unsigned long long>(gameSeed), qPrintable(difference));
            }
        }
        const long played = g + 1;
        if (played == std::min(100L, games)) peakAt100 = peakResidentMb();
        if (played == games - tenth) lastTenthStartMs = clock.elapsed();
        if (played % tenth != 0) continue;
        const double rate = rateSince(tenth, tenthStartMs);
        if (played == tenth) firstRate = rate;
        tenthStartMs = clock.elapsed();
        const Heap now = heap();
        std::fprintf(
            report,
            "soak: %ld games, %ld events, %ld victories, %ld broken, %ld timer ticks; %.2f "
            "games/s, "
            "resident %.1f MB, peak %.1f MB, heap %.1f MB in use of %.1f\n",
            played, events, counts[Outcome::Victory], counts[Outcome::Broken], ticks.count, rate,
            residentMb(), peakResidentMb(), now.inUseMb, now.heldMb);
        std::fflush(report);
    }
    const double lastRate = rateSince(tenth, lastTenthStartMs);
    const long failed = counts[Outcome::Broken];
    std::fprintf(
        report,
        "soak (%s assets): %ld games, %ld events, %ld victories, %ld quit, %ld at the "
        "event cap, %ld broken or stuck; the game's timers ticked %ld times\n%ld passed, %ld "
        "failed\n",
        qPrintable(assets), games, events, counts[Outcome::Victory], counts[Outcome::Quit],
        counts[Outcome::Capped], failed, ticks.count, games - failed, failed);
    std::fprintf(
        report,
        "%.2f games/s over the first %ld games, %.2f over the last %ld (%.2f of the first); "
        "peak resident memory %.1f MB after %ld games, %.1f MB at the end\n",
        firstRate, tenth, lastRate, tenth, lastRate / firstRate, peakAt100, std::min(100L, games),
        peakResidentMb());
    if (check)
        std::fprintf(report, "golden: %ld of %ld games as recorded in %s, %ld differ\n",
                     games - goldenDiffering, games, qPrintable(goldenFile), goldenDiffering);
    if (resume)
        std::fprintf(report, "resume: %ld of %ld games kept and taken up again midway\n", resumed,
                     games);
    // Recording golden games from interrupted ones would hide what an interruption changes.
    if (record && !resume) {
        if (!writeGolden(goldenFile, goldenGames)) {
            std::fprintf(stderr, "soak: cannot write %s\n", qPrintable(goldenFile));
            return 2;
        }
        std::fprintf(report, "golden: %ld games recorded in %s\n", games, qPrintable(goldenFile));
    }
    return failed == 0 ? 0 : 1;
}
