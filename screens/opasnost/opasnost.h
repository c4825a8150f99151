#pragma once

#include "platform/Screen.h"

// Placeholder window until this screen is built.
class opasnost : public Screen {
    Q_OBJECT
public:
    explicit opasnost(Context& ctx);
};
