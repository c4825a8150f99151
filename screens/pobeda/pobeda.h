#pragma once

#include "platform/Screen.h"

// Placeholder window until this screen is built.
class pobeda : public Screen {
    Q_OBJECT
public:
    explicit pobeda(Context& ctx);
};
