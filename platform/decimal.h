#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// Exact money and quantities: a signed count of ten-thousandths. Rounding is
// half away from zero wherever a value loses places.
class Decimal {
public:
    static constexpr int kPlaces = 4;
    static constexpr std::int64_t kScale = 10000;

    constexpr Decimal() = default;
    static constexpr Decimal fromRaw(std::int64_t raw) {
        Decimal d;
        d.raw_ = raw;
        return d;
    }
    static constexpr Decimal fromInt(std::int64_t units) { return fromRaw(units * kScale); }

    // What a column keeps: DECIMAL(15,2) amounts 13 whole digits, DECIMAL(18,4)
    // quantities and unit values 14.
    struct Range {
        int whole;
        int places;
    };
    static constexpr Range kAmount{13, 2};
    static constexpr Range kQuantity{14, 4};
    // Whether the value, rounded to the range's places, is kept whole.
    bool fits(Range range) const;

    // A typed number, as a Brazilian user means it. With a comma, the comma
    // is the decimal mark and dots may group thousands ("1.234,50"). Without
    // one, dots that each precede exactly three digits after a first group of
    // one to three digits not starting with 0 group thousands ("1.500" is
    // 1500); otherwise one dot is the decimal mark ("12.5", "0.125", "1.23").
    // "R$ " in front when allowed; one sign, before or after it, is the
    // caller's to accept or refuse. More than four decimals round half away
    // from zero. A number outside the range of the column it goes to is no
    // number: the window refuses it as it refuses letters.
    static std::optional<Decimal> parse(const QString& typed, bool allowCurrency = true,
                                        Range range = kQuantity);
    // A number as the database or a machine writes it: "-1234.5678"; none
    // when it is more than the decimal holds.
    static std::optional<Decimal> fromSql(const QString& text);

    constexpr std::int64_t raw() const { return raw_; }
    bool isZero() const { return raw_ == 0; }
    bool isNegative() const { return raw_ < 0; }

    Decimal rounded(int places) const;
    // Whole units, cut toward zero.
    std::int64_t truncatedUnits() const { return raw_ / kScale; }

    // "1.234,50": decimal comma, "." grouping.
    QString toBr(int places = 2, bool grouping = true) const;
    // Four places without grouping, trailing zeros dropped down to `keep`
    // decimals: "1234,5" (keep 0), "10,125", "100,00" (keep 2).
    QString toBrTrimmed(int keep) const;
    // "1234.50": for SQL text and files read by machines.
    QString toSql(int places = kPlaces) const;

    // Sums and products of what the user typed: no value when the result
    // leaves the range, so the window refuses it before anything is written.
    std::optional<Decimal> plus(Decimal o, Range range = kQuantity) const;
    std::optional<Decimal> minus(Decimal o, Range range = kQuantity) const;
    std::optional<Decimal> times(Decimal o, Range range = kQuantity) const;

    // The operators never wrap: a result the decimal cannot hold throws
    // std::overflow_error. Products and quotients are rounded to four places.
    Decimal operator-() const { return Decimal() - *this; }
    Decimal operator+(Decimal o) const;
    Decimal operator-(Decimal o) const;
    Decimal operator*(Decimal o) const;
    Decimal operator/(Decimal o) const;
    Decimal& operator+=(Decimal o) { return *this = *this + o; }
    Decimal& operator-=(Decimal o) { return *this = *this - o; }
    auto operator<=>(const Decimal&) const = default;

private:
    std::int64_t raw_ = 0;
};
