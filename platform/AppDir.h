#pragma once

#include <QString>

// Where the game's pictures and sounds lie: the installed data folder beside the program, or the
// source tree's assets/ for a game run from its build folder.
QString FindAppDir();
