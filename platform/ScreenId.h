#pragma once

#include <QString>

enum class ScreenId {
    Form2,      // title
    opcije,     // options
    Kreiranje,  // player creation
    Form1,      // board
    inventar,   // inventory
    Nagrade,    // reward square
    opasnost,   // danger square
    borba,      // fight
    pobeda,     // victory
    credits,    // about
    Dnevnik,    // the log: what happened in the game
};

inline constexpr ScreenId kAllScreens[] = {
    ScreenId::Form2,    ScreenId::opcije,  ScreenId::Kreiranje, ScreenId::Form1,
    ScreenId::inventar, ScreenId::Nagrade, ScreenId::opasnost,  ScreenId::borba,
    ScreenId::pobeda,   ScreenId::credits, ScreenId::Dnevnik};

QString screenName(ScreenId id);
