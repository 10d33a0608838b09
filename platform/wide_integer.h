#pragma once

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

} // namespace wide
