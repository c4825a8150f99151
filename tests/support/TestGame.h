#pragma once

#include <QCoreApplication>
#include <QWidget>

#include "game/Duel.h"
#include "platform/Context.h"
#include "platform/PictureBox.h"
#include "platform/Pictures.h"
#include "platform/Screens.h"
#include "platform/SoundKey.h"
#include "screens/ComputerSeats.h"
#include "screens/Flow.h"
#include "screens/borba/borba.h"
#include "support/Fakes.h"

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
    // Ana, Bora, Ceca and Dule of a new game whose board is drawn already, all plain.
    void fourPlayers() {
        newGameOfFour(gs);
        gs.newGame = 0;
        gs.squareKind.fill(QStringLiteral("polje"));
        gs.squareKind[0].clear();
    }
    // The board is up, then its roll meets `met`: the fight opens over background `background`.
    borba* openFight(int mover, int met, int background = 7) {
        gs.currentPlayer = static_cast<int16_t>(mover);
        gs.opponentIndex = met;
        screens.show(ScreenId::Form1);
        random.pushRoll(background, 15);
        Game::OpenFight(gs, random);
        Flow::Landed(ctx);
        return screen<borba>(ScreenId::borba);
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

// The files the pictures show, in a row.
inline QString pics(std::initializer_list<const PictureBox*> boxes) {
    QStringList out;
    for (const PictureBox* b : boxes) out << b->fileName();
    return row(out);
}

// The window gets the focus; false if it never does.
inline bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// What a screen reader has been told in the window once it has the focus, in order.
inline QStringList heard(QWidget* window) {
    if (!activate(window)) return {QStringLiteral("never had the focus")};
    QCoreApplication::processEvents();
    QStringList sentences;
    for (const QWidget* note : window->findChildren<QWidget*>(QStringLiteral("notification")))
        sentences << note->accessibleName();
    return sentences;
}
