#include "Screen.h"

#include <QCloseEvent>

#include "Accessibility.h"
#include "App.h"
#include "Screens.h"

Screen::Screen(Context& context, ScreenId id) : ctx(context), gs(context.gs), id_(id) {
    setObjectName(screenName(id));
    // No accessible name of its own: a window is announced by its title, as a player reads it.
    Accessibility::install();
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

void Screen::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}
