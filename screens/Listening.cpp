#include "Listening.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QShortcut>
#include <functional>

#include "game/Duel.h"
#include "platform/Accessibility.h"
#include "platform/Screen.h"
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
        const QString seat = gs.playerComputer[k]
                                 ? ListeningTexts::tr("%1 (racunar): %2 od %3 zlatnika, polje %4.")
                                 : ListeningTexts::tr("%1: %2 od %3 zlatnika, polje %4.");
        seats << seat.arg(gs.playerName[k], QString::number(gs.playerGold[k]),
                          QString::number(gs.goldToWin), QString::number(gs.playerSquare[k] + 1));
    }
    return seats.join(QLatin1Char(' '));
}

QString TurnSentence(const GameState& gs) {
    const bool fighting = gs.stage == Stage::Fight;
    const int p = fighting ? Game::FighterOn(gs, gs.blowNext) : gs.currentPlayer;
    if (p < 0 || p >= GameState::MAX_PLAYERS) return {};
    return ListeningTexts::tr(
               "Na potezu: %1. Zlatnika: %2 od %3; oruzje: %4; oklop: %5; stit: %6; zdravlje: %7.")
        .arg(gs.playerName[p], QString::number(gs.playerGold[p]), QString::number(gs.goldToWin),
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
