#include "opasnost.h"

opasnost::opasnost(Context& c) : Screen(c, ScreenId::opasnost) { setWindowTitle(QStringLiteral("OPASNOST!")); }
