#include "TestGame.h"

#include <QCoreApplication>
#include <QEvent>

#include "screens/Registry.h"

TestGame::TestGame(const QString& appDir)
    : pictures(appDir), ctx{gs, screens, pictures, dialogs, sound, random, app, appDir} {
    ctx.walkStepMs = 0;  // a turn runs to its end within the click; tests that walk say so
    RegisterScreens(ctx);
}

TestGame::~TestGame() {
    screens.unloadAll();
    settle();
}

void TestGame::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
