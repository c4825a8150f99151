#pragma once

#include <QString>
#include <functional>

#include "game/Log.h"

struct GameState;
class Screens;
class Pictures;
class Dialogs;
class Sound;
class Random;
class App;
class SaveFile;

// What every screen works with: the game record and the platform services. main.cpp builds the
// real services; tests hand in their doubles.
struct Context {
    GameState& gs;
    Screens& screens;
    Pictures& pictures;
    Dialogs& dialogs;
    Sound& sound;
    Random& random;
    App& app;
    // The folder with the game's pictures and sounds (the application directory).
    QString appDir;
    // How long the mover's token rests on each square it walks over after a roll; 0 puts it on
    // its new square at once (tests, the soak and the benchmarks, which play turns back to back).
    int walkStepMs = 120;
    // How long a taunt stays in the fight's speech bubble, and how often the about screen's text
    // moves up a step; the soak shortens them so that they fire within its fast games.
    int bubbleMs = 6000;
    int aboutStepMs = 500;
    // How long a computer player waits before each button it presses, so that the table can follow
    // every step; 0 presses at once (tests, the soak and the benchmarks). The options' pace sets it
    // (SetComputerPace), and whether the boxes of a turn without a person close at once.
    static constexpr int kComputerPauseMs = 800;
    int computerPauseMs = kComputerPauseMs;
    bool unattendedBoxesAtOnce = false;
    // Told when the options change the pace, so that it is kept with the other settings.
    std::function<void()> paceChanged{};
    // Where the game in progress is kept between runs; none keeps nothing (tests, the soak).
    SaveFile* saveFile = nullptr;
    // What happened in the game on the board, told on the board and in the log's window.
    Game::Log log{};
};
