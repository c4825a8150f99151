#pragma once

#include "platform/Screen.h"

// Placeholder window until this screen is built.
class Kreiranje : public Screen {
    Q_OBJECT
public:
    explicit Kreiranje(Context& ctx);
};
