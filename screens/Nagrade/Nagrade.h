#pragma once

#include "platform/Screen.h"

// Placeholder window until this screen is built.
class Nagrade : public Screen {
    Q_OBJECT
public:
    explicit Nagrade(Context& ctx);
};
