#include "GoldAmount.h"

#include <QRegularExpression>
#include <cfenv>
#include <cmath>

std::optional<int16_t> ParseGoldAmount(const QString& text) {
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+([.,]\d*)?|[.,]\d+)$)"));
    const QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch()) return std::nullopt;
    QString plain = trimmed;
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<int16_t>(rounded);
}
