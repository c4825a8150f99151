#include "Listening.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QShortcut>
#include <functional>

#include "game/Duel.h"
#include "platform/Accessibility.h"
#include "platform/Language.h"
#include "platform/Screen.h"
#include "screens/ComputerSeats.h"
#include "screens/Flow.h"
#include "state/GameState.h"
#include "state/Items.h"

namespace Listening {

namespace {
class ListeningTexts {
    Q_DECLARE_TR_FUNCTIONS(ListeningTexts)
};

QString orNone(const QString& item) {
    return item.isEmpty() ? ListeningTexts::tr("nema") : item;
}

void onKey(Screen* window, Qt::Key key, const std::function<void()>& action) {
    auto* shortcut = new QShortcut(QKeySequence(key), window);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, window, action);
}
}  // namespace

void AddKeys(Screen* window, Context& ctx) {
    onKey(window, Qt::Key_P, [window] { Accessibility::repeat(window); });
    onKey(window, Qt::Key_D, [&ctx] { Flow::ShowLog(ctx); });
    onKey(window, Qt::Key_Z, [window, &ctx] {
        Accessibility::announce(window, RaceSentence(ctx.gs));
    });
    onKey(window, Qt::Key_N, [window, &ctx] {
        Accessibility::announce(window, TurnSentence(ctx.gs));
    });
}

QString RaceSentence(const GameState& gs) {
    QStringList seats;
    for (int k = 0; k < GameState::MAX_PLAYERS; ++k) {
        if (!IsInGame(gs, k)) continue;
        // The goal's number decides the noun's form ("od 1 zlatnika", "of 1 gold coin").
        const char* const seat =
            gs.playerComputer[k]
                ? QT_TRANSLATE_N_NOOP("ListeningTexts", "%1 (racunar, %4): %2 od %n zlatnika, polje %3.")
                : QT_TRANSLATE_N_NOOP("ListeningTexts", "%1: %2 od %n zlatnika, polje %3.");
        seats << Language::counted("ListeningTexts", seat, gs.goldToWin)
                     .arg(gs.playerName[k], QString::number(gs.playerGold[k]),
                          QString::number(gs.playerSquare[k] + 1),
                          StrengthName(gs.playerStrength[k]).toLower());
    }
    return seats.join(QLatin1Char(' '));
}

QString TurnSentence(const GameState& gs) {
    const bool fighting = gs.stage == Stage::Fight;
    const int p = fighting ? Game::FighterOn(gs, gs.blowNext) : gs.currentPlayer;
    if (p < 0 || p >= GameState::MAX_PLAYERS) return {};
    return Language::counted(
               "ListeningTexts",
               QT_TRANSLATE_N_NOOP("ListeningTexts", "Na potezu: %1. Zlatnika: %2 od %n; oruzje: %3; "
                                                     "oklop: %4; stit: %5; zdravlje: %6."),
               gs.goldToWin)
        .arg(gs.playerName[p], QString::number(gs.playerGold[p]),
             orNone(Items::weaponName(gs.playerWeapon[p])),
             orNone(Items::armorName(gs.playerArmor[p])),
             orNone(Items::shieldName(gs.playerShield[p])), QString::number(gs.playerHealth[p]));
}

QString KeysHelp() {
    return ListeningTexts::tr(
        "Na tabli i u borbi: P ponavlja poslednju poruku, D otvara dnevnik, Z kaze zlato svih "
        "igraca, N kaze ko je na potezu.");
}

}  // namespace Listening
