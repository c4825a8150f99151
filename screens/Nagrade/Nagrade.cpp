#include "Nagrade.h"

Nagrade::Nagrade(Context& c) : Screen(c, ScreenId::Nagrade) { setWindowTitle(QStringLiteral("Nagrada!")); }
