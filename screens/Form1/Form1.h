#pragma once

#include "platform/Screen.h"

class QLabel;

// Placeholder window until the board is built.
class Form1 : public Screen {
    Q_OBJECT
public:
    explicit Form1(Context& ctx);

    QLabel* Label2;  // the name of the player to move
};
