#include "platform/wide_integer.h"

#include "platform/digits.h"

namespace wide {

std::optional<i128> fromDigits(bool negative, QStringView whole, QStringView fraction, int places) {
    i128 v = 0;
    bool over = false;
    const auto push = [&](int digit) {
        over = over || __builtin_mul_overflow(v, 10, &v) || __builtin_add_overflow(v, digit, &v);
    };
    for (QChar c : whole)
        push(c.digitValue());
    for (int i = 0; i < places; ++i)
        push(i < fraction.size() ? fraction[i].digitValue() : 0);
    // Half away from zero: only the first digit dropped decides.
    if (fraction.size() > places && fraction[places].digitValue() >= 5)
        over = over || __builtin_add_overflow(v, 1, &v);
    if (over)
        return std::nullopt;
    return negative ? -v : v;
}

Parsed fromText(QStringView text, int places) {
    QStringView s = text.trimmed();
    const bool negative = s.startsWith(QLatin1Char('-'));
    if (negative)
        s = s.mid(1);
    const qsizetype point = s.indexOf(QLatin1Char('.'));
    const QStringView whole = point >= 0 ? s.left(point) : s;
    const QStringView fraction = point >= 0 ? s.mid(point + 1) : QStringView();
    if ((whole.isEmpty() && fraction.isEmpty()) || (!whole.isEmpty() && !isDigits(whole)) ||
        (!fraction.isEmpty() && !isDigits(fraction)))
        return {};
    return {true, fromDigits(negative, whole, fraction, places)};
}

} // namespace wide
