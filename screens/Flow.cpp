#include "Flow.h"

#include "game/Random.h"
#include "game/SavedGame.h"
#include "game/Turn.h"
#include "platform/Context.h"
#include "platform/Screen.h"
#include "platform/Screens.h"
#include "screens/Dnevnik/Dnevnik.h"
#include "screens/Form1/Form1.h"
#include "screens/Form1/RacePanel.h"
#include "screens/Form2/Form2.h"
#include "screens/Kreiranje/Kreiranje.h"
#include "screens/Nagrade/Nagrade.h"
#include "screens/borba/borba.h"
#include "screens/credits/credits.h"
#include "screens/inventar/inventar.h"
#include "screens/opasnost/opasnost.h"
#include "screens/opcije/opcije.h"
#include "screens/pobeda/pobeda.h"
#include "state/GameState.h"

namespace {
template <typename T>
void add(Context& ctx, ScreenId id) {
    ctx.screens.registerScreen(id, [&ctx] { return new T(ctx); });
}
}  // namespace

void RegisterScreens(Context& ctx) {
    add<Form2>(ctx, ScreenId::Form2);
    add<opcije>(ctx, ScreenId::opcije);
    add<Kreiranje>(ctx, ScreenId::Kreiranje);
    add<Form1>(ctx, ScreenId::Form1);
    add<inventar>(ctx, ScreenId::inventar);
    add<Nagrade>(ctx, ScreenId::Nagrade);
    add<opasnost>(ctx, ScreenId::opasnost);
    add<borba>(ctx, ScreenId::borba);
    add<pobeda>(ctx, ScreenId::pobeda);
    add<credits>(ctx, ScreenId::credits);
    add<Dnevnik>(ctx, ScreenId::Dnevnik);
}

namespace Flow {

void NewGame(Context& ctx) {
    Game::StartFresh(ctx.gs);
    ctx.log.clear();
    // A screen left from the last game would keep its name box, list and disabled SLEDECI.
    ctx.screens.unload(ScreenId::Kreiranje);
    ctx.screens.show(ScreenId::Kreiranje);
    ctx.screens.hide(ScreenId::Form2);
}

void Play(Context& ctx) {
    ctx.screens.show(ScreenId::Form1);
    ctx.screens.hide(ScreenId::Kreiranje);
}

void OpenTitle(Context& ctx) {
    ctx.screens.show(ScreenId::Form2);
    if (auto* title = ctx.screens.loadedAs<Form2>(ScreenId::Form2)) title->offerResume();
}

void ToTitle(Context& ctx, ScreenId from) {
    OpenTitle(ctx);
    ctx.screens.unload(from);
}

void Resume(Context& ctx, const Game::SavedGame& saved) {
    ctx.gs = saved.record;
    ctx.log = saved.log;
    // A generator that cannot take the state draws on as it stands.
    ctx.random.restore(saved.dice.toStdString());
    ctx.screens.unload(ScreenId::Kreiranje);
    ScreenId window = ScreenId::Form1;
    switch (ctx.gs.stage) {
        case Stage::Reward:
            window = ScreenId::Nagrade;
            break;
        case Stage::Danger:
            window = ScreenId::opasnost;
            break;
        case Stage::Fight:
        case Stage::Spoils:
            window = ScreenId::borba;
            break;
        case Stage::TurnOver:
            // Kept after the turn was played out and before it passed.
            PassTurn(ctx.gs);
            break;
        default:
            break;
    }
    ctx.screens.show(window);
    if (auto* fight = ctx.screens.loadedAs<borba>(ScreenId::borba);
        fight && window == ScreenId::borba)
        fight->opened();
    ctx.screens.hide(ScreenId::Form2);
}

Screen* Landed(Context& ctx) {
    ScreenId next;
    switch (ctx.gs.stage) {
        case Stage::Fight:
        case Stage::Spoils:
            next = ScreenId::borba;
            break;
        case Stage::Reward:
            next = ScreenId::Nagrade;
            break;
        case Stage::Danger:
            next = ScreenId::opasnost;
            break;
        default:
            return nullptr;
    }
    ctx.screens.show(next);
    // A window that ended the turn within its load has brought the board back already.
    Screen* shown = ctx.screens.loaded(next);
    if (shown == nullptr) return nullptr;
    if (next == ScreenId::borba) static_cast<borba*>(shown)->opened();
    ctx.screens.unload(ScreenId::Form1);
    return shown;
}

void TurnOver(Context& ctx, ScreenId from) {
    PassTurn(ctx.gs);
    // The board's load may pass over a lost turn or hand over to the victory screen, which
    // unloads the board again; a board still loaded comes back by loading again.
    if (Screen* board = ctx.screens.loaded(ScreenId::Form1)) {
        board->Form_Load();
        if (ctx.screens.loaded(ScreenId::Form1) == board) ctx.screens.show(ScreenId::Form1);
    } else {
        ctx.screens.show(ScreenId::Form1);
    }
    ctx.screens.unload(from);
}

void Victory(Context& ctx) {
    ctx.screens.show(ScreenId::pobeda);
    ctx.screens.unload(ScreenId::Form1);
}

void ShowOptions(Context& ctx) {
    ctx.screens.show(ScreenId::opcije);
}

void ShowInventory(Context& ctx) {
    ctx.screens.show(ScreenId::inventar);
}

void ShowAbout(Context& ctx) {
    ctx.screens.show(ScreenId::credits);
}

void ShowLog(Context& ctx) {
    ctx.screens.show(ScreenId::Dnevnik);
}

void RecordChanged(Context& ctx) {
    if (auto* board = ctx.screens.loadedAs<Form1>(ScreenId::Form1))
        board->race->refresh(ctx.gs, ctx.pictures);
}

}  // namespace Flow
