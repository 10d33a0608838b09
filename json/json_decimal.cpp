#include "json/json_decimal.h"

#include "json/json_number_text.h"

#include <algorithm>

namespace {

using Mantissa = JsonDecimal::Mantissa;

// 29 digits always fit in 128 bits; more can never fit in 96.
constexpr qsizetype kMaxDigits = 29;

Mantissa valueOf(const QByteArray& digits, qsizetype count) {
    Mantissa value = 0;
    for (qsizetype i = 0; i < count; ++i)
        value = value * 10 + Mantissa(digits[i] - '0');
    return value;
}

// Whether dropping every digit from `keep` on rounds the kept ones up, half
// to even. A negative `keep` means the dropped part starts with zeros.
bool roundsUp(const QByteArray& digits, qsizetype keep) {
    if (keep < 0 || keep >= digits.size())
        return false;
    const char first = digits[keep];
    if (first != '5')
        return first > '5';
    const bool beyondHalf =
        std::any_of(digits.begin() + keep + 1, digits.end(), [](char d) { return d != '0'; });
    if (beyondHalf)
        return true;
    const char last = keep > 0 ? digits[keep - 1] : '0';
    return (last - '0') % 2 == 1;
}

} // namespace

std::optional<JsonDecimal> JsonDecimal::fromParts(bool negative, Mantissa mantissa, int scale) {
    if (mantissa > kMaxMantissa || scale < 0 || scale > kMaxScale)
        return std::nullopt;
    return JsonDecimal(negative, mantissa, scale);
}

std::optional<JsonDecimal> JsonDecimal::fromText(QStringView text) {
    auto parts = json::scanNumber(text);
    if (!parts)
        return std::nullopt;
    QByteArray digits = parts->digits;
    // The value is digits × 10^power.
    const qint64 power = parts->exponent - parts->fractionDigits;
    qsizetype zeros = 0;
    while (zeros < digits.size() && digits[zeros] == '0')
        ++zeros;
    digits.remove(0, zeros);
    if (digits.isEmpty())
        return JsonDecimal(parts->negative, 0, int(std::clamp<qint64>(-power, 0, kMaxScale)));
    if (power >= 0) {
        if (digits.size() + power > kMaxDigits)
            return std::nullopt;
        Mantissa value = valueOf(digits, digits.size());
        for (qint64 i = 0; i < power; ++i)
            value *= 10;
        return fromParts(parts->negative, value, 0);
    }
    const qint64 scale = -power;
    // Drop as few trailing digits as the scale and the 96 bits allow, rounding
    // once from the digits as written.
    for (qint64 drop = std::max<qint64>(0, scale - kMaxScale);; ++drop) {
        if (scale - drop < 0)
            return std::nullopt;
        const qint64 keep = digits.size() - drop;
        if (keep > kMaxDigits)
            continue;
        Mantissa value = keep > 0 ? valueOf(digits, keep) : 0;
        if (roundsUp(digits, keep))
            ++value;
        if (value <= kMaxMantissa)
            return JsonDecimal(parts->negative, value, int(scale - drop));
    }
}

QString JsonDecimal::toText() const {
    QString digits;
    Mantissa rest = mantissa_;
    do {
        digits.prepend(QChar(u'0' + int(rest % 10)));
        rest /= 10;
    } while (rest != 0);
    if (digits.size() <= scale_)
        digits = QString(scale_ + 1 - digits.size(), u'0') + digits;
    if (scale_ > 0)
        digits.insert(digits.size() - scale_, u'.');
    if (negative_)
        digits.prepend(u'-');
    return digits;
}
