#include "Screens.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "Screen.h"

QString screenName(ScreenId id) {
    switch (id) {
        case ScreenId::Form2:
            return QStringLiteral("Form2");
        case ScreenId::opcije:
            return QStringLiteral("opcije");
        case ScreenId::Kreiranje:
            return QStringLiteral("Kreiranje");
        case ScreenId::Form1:
            return QStringLiteral("Form1");
        case ScreenId::inventar:
            return QStringLiteral("inventar");
        case ScreenId::Nagrade:
            return QStringLiteral("Nagrade");
        case ScreenId::opasnost:
            return QStringLiteral("opasnost");
        case ScreenId::borba:
            return QStringLiteral("borba");
        case ScreenId::pobeda:
            return QStringLiteral("pobeda");
        case ScreenId::credits:
            return QStringLiteral("credits");
        case ScreenId::Dnevnik:
            return QStringLiteral("Dnevnik");
    }
    return {};
}

Screens::~Screens() {
    for (const QPointer<Screen>& s : std::as_const(loaded_)) delete s.data();
}

void Screens::registerScreen(ScreenId id, Factory factory) {
    factories_.insert(id, std::move(factory));
}

Screen* Screens::load(ScreenId id) {
    if (Screen* s = loaded(id)) return s;
    const auto factory = factories_.constFind(id);
    if (factory == factories_.constEnd()) return nullptr;
    Screen* s = (*factory)();
    loaded_.insert(id, s);
    s->Form_Load();
    return s;
}

void Screens::show(ScreenId id) {
    Screen* s = load(id);
    // Form_Load may have sent the players elsewhere and unloaded this screen already.
    if (s == nullptr || loaded(id) != s) return;
    // A window the game has not placed itself opens in the middle of the screen, its title bar
    // on the screen even when the window is taller than the screen.
    if (!s->isVisible() && !s->testAttribute(Qt::WA_Moved)) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            QRect frame(QPoint(0, 0), s->size());
            frame.moveCenter(area.center());
            s->move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
        }
    }
    s->show();
    // The headless platform used by the tests has no window stacking to speak of.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        s->raise();
        s->activateWindow();
    }
}

void Screens::hide(ScreenId id) {
    if (Screen* s = loaded(id)) s->hide();
}

void Screens::unload(ScreenId id) {
    Screen* s = loaded(id);
    if (s == nullptr) return;
    loaded_.remove(id);
    s->hide();
    s->deleteLater();
}

bool Screens::isLoaded(ScreenId id) const {
    return loaded(id) != nullptr;
}

bool Screens::isVisible(ScreenId id) const {
    const Screen* s = loaded(id);
    return s != nullptr && s->isVisible();
}

Screen* Screens::loaded(ScreenId id) const {
    return loaded_.value(id).data();
}

void Screens::unloadAll() {
    for (ScreenId id : loaded_.keys()) unload(id);
}
