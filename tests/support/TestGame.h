#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QString>

#include "Fakes.h"
#include "platform/Context.h"
#include "platform/Pictures.h"
#include "platform/Screens.h"
#include "platform/SoundKey.h"
#include "screens/ComputerSeats.h"
#include "screens/Flow.h"
#include "state/GameState.h"

// A whole game wired to the test doubles, with the real screens and the real assets.
// Tests click the screens' buttons and read GameState, captions and pictures.
struct TestGame {
    explicit TestGame(const QString& appDir = QStringLiteral(KAVGALIJA_ASSETS_DIR))
        : pictures(appDir), ctx{gs, screens, pictures, boxes, sound, random, app, appDir} {
        ctx.walkStepMs = 0;  // a turn runs to its end within the click; tests that walk say so
        ctx.computerPauseMs = 0;
        RegisterScreens(ctx);
    }
    ~TestGame() {
        screens.unloadAll();
        settle();
    }
    TestGame(const TestGame&) = delete;
    TestGame& operator=(const TestGame&) = delete;

    template <typename T>
    T* screen(ScreenId id) {
        return screens.loadedAs<T>(id);
    }
    // Lets unloaded screens really go, as the event loop would.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    GameState gs;
    Screens screens;
    Pictures pictures;
    FakeDialogs dialogs;
    // The boxes as the screens meet them: a computer's turn answers and closes its own.
    ComputerDialogs boxes{dialogs, gs, screens};
    FakeSound sound;
    SoundKey soundKey{sound};
    FakeRandom random;
    FakeApp app;
    Context ctx;
};
