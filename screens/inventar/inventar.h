#pragma once

#include "platform/Screen.h"

// Placeholder window until this screen is built.
class inventar : public Screen {
    Q_OBJECT
public:
    explicit inventar(Context& ctx);
};
