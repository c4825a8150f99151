#include "Registry.h"

#include "platform/Screens.h"
#include "screens/Form1/Form1.h"
#include "screens/Form2/Form2.h"
#include "screens/Kreiranje/Kreiranje.h"
#include "screens/Nagrade/Nagrade.h"
#include "screens/borba/borba.h"
#include "screens/credits/credits.h"
#include "screens/inventar/inventar.h"
#include "screens/opasnost/opasnost.h"
#include "screens/opcije/opcije.h"
#include "screens/pobeda/pobeda.h"

namespace {
template <typename T>
void add(Context& ctx, ScreenId id) {
    ctx.screens.registerScreen(id, [&ctx] { return new T(ctx); });
}
}  // namespace

void RegisterScreens(Context& ctx) {
    add<Form2>(ctx, ScreenId::Form2);
    add<opcije>(ctx, ScreenId::opcije);
    add<Kreiranje>(ctx, ScreenId::Kreiranje);
    add<Form1>(ctx, ScreenId::Form1);
    add<inventar>(ctx, ScreenId::inventar);
    add<Nagrade>(ctx, ScreenId::Nagrade);
    add<opasnost>(ctx, ScreenId::opasnost);
    add<borba>(ctx, ScreenId::borba);
    add<pobeda>(ctx, ScreenId::pobeda);
    add<credits>(ctx, ScreenId::credits);
}
