// libFuzzer target for the options amount parser: it must never crash, and whatever it accepts
// must be a whole number in range that it reads back the same.
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "state/GoldAmount.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto amount = ParseGoldAmount(text);
    if (amount) {
        const auto again = ParseGoldAmount(QString::number(*amount));
        if (!again || *again != *amount) std::abort();
    }
    return 0;
}
