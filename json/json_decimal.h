#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// An exact decimal: a sign, a 96-bit whole number of units and a scale of 0
// to 28 places. Numbers read in decimal mode keep every digit and place as
// written, so 0.10 is written back as 0.10.
class JsonDecimal {
public:
    using Mantissa = unsigned __int128;
    static constexpr int kMaxScale = 28;
    static constexpr Mantissa kMaxMantissa = (Mantissa(1) << 96) - 1;

    JsonDecimal() = default;
    // Empty when the mantissa needs more than 96 bits or the scale is outside 0..28.
    static std::optional<JsonDecimal> fromParts(bool negative, Mantissa mantissa, int scale);
    // A number as JSON writes it (exponent allowed). Places beyond 28, or
    // beyond what 96 bits hold, are rounded half to even; empty when the
    // text is malformed or the whole part does not fit.
    static std::optional<JsonDecimal> fromText(QStringView text);

    bool isNegative() const { return negative_; }
    Mantissa mantissa() const { return mantissa_; }
    int scale() const { return scale_; }
    // Digits with "." before the last `scale` of them; no exponent.
    QString toText() const;

    // Same sign, digits and scale: 1.0 and 1.00 differ, as their texts do.
    friend bool operator==(const JsonDecimal&, const JsonDecimal&) = default;

private:
    JsonDecimal(bool negative, Mantissa mantissa, int scale)
        : mantissa_(mantissa), scale_(scale), negative_(negative) {}

    Mantissa mantissa_ = 0;
    int scale_ = 0;
    bool negative_ = false;
};
