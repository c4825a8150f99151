#include "inventar.h"

inventar::inventar(Context& c) : Screen(c, ScreenId::inventar) { setWindowTitle(QStringLiteral("Inventar")); }
