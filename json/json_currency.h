#pragma once

#include <QString>
#include <QtGlobal>

// The fixed-point currency kind a node may hold: a 64-bit count of
// ten-thousandths.
class JsonCurrency {
public:
    JsonCurrency() = default;
    static JsonCurrency fromTenThousandths(qint64 units) { return JsonCurrency(units); }

    qint64 tenThousandths() const { return units_; }
    // "." as the decimal point, no trailing zeros in the places: 1.5, -0.0001, 12.
    QString toText() const;

    friend bool operator==(const JsonCurrency&, const JsonCurrency&) = default;

private:
    explicit JsonCurrency(qint64 units) : units_(units) {}
    qint64 units_ = 0;
};
