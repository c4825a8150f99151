#include "borba.h"

#include "platform/Screens.h"

borba::borba(Context& c) : Screen(c, ScreenId::borba) { setWindowTitle(QStringLiteral("Borba")); }

void borba::Open(Context& ctx) {
    ctx.screens.show(ScreenId::borba);
    ctx.screens.unload(ScreenId::Form1);
}
