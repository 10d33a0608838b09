#pragma once

#include <QStringView>
#include <optional>

// 128-bit integers: room for the products of amounts before they are
// rounded.
namespace wide {

using i128 = __int128;

// a / b rounded half away from zero.
inline i128 divRound(i128 a, i128 b) {
    if (b < 0) {
        a = -a;
        b = -b;
    }
    const i128 q = a / b;
    const i128 r = a % b;
    if (r * 2 >= b)
        return q + 1;
    if (-r * 2 >= b)
        return q - 1;
    return q;
}

inline i128 pow10(int n) {
    i128 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// Whole and fraction digits (runs of 0-9, either may be empty) as a count of
// 10^-places (places >= 0), fraction digits past `places` rounded half away
// from zero; none past 128 bits.
std::optional<i128> fromDigits(bool negative, QStringView whole, QStringView fraction, int places);

// A number as a machine writes it ("-1234.5678", "12", ".5"; spaces around
// it ignored), as fromDigits counts it.
struct Parsed {
    bool isNumber = false;
    std::optional<i128> value; // none for no number, or past 128 bits
};
Parsed fromText(QStringView text, int places);

} // namespace wide
