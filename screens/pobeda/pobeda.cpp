#include "pobeda.h"

pobeda::pobeda(Context& c) : Screen(c, ScreenId::pobeda) { setWindowTitle(QStringLiteral("Jeeeee!")); }
