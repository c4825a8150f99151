#include "Kreiranje.h"

Kreiranje::Kreiranje(Context& c) : Screen(c, ScreenId::Kreiranje) { setWindowTitle(QStringLiteral("Kreiranje igraca")); }
