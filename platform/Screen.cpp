#include "Screen.h"

#include <QCloseEvent>

#include "App.h"
#include "Screens.h"

Screen::Screen(Context& context, ScreenId id) : ctx(context), gs(context.gs), id_(id) {
    setObjectName(screenName(id));
    setAccessibleName(screenName(id));
}

void Screen::frameClosed() {
    ctx.screens.unload(id_);
}

void Screen::closeEvent(QCloseEvent* event) {
    if (ctx.app.quitting() || !ctx.screens.isLoaded(id_)) {
        event->accept();
        return;
    }
    // The screen decides (and hides or unloads itself through the screen service).
    event->ignore();
    frameClosed();
}
