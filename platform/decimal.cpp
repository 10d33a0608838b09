#include "platform/decimal.h"

#include "platform/digits.h"
#include "platform/wide_integer.h"

#include <QStringList>
#include <QVarLengthArray>
#include <stdexcept>

namespace {

using wide::divRound;
using wide::i128;
using wide::pow10;

std::optional<std::int64_t> held(i128 v) {
    if (v > INT64_MAX || v < INT64_MIN)
        return std::nullopt;
    return static_cast<std::int64_t>(v);
}

std::int64_t checked(i128 v) {
    const auto raw = held(v);
    if (!raw)
        throw std::overflow_error("valor fora do limite");
    return *raw;
}

// The decimal of `raw` ten-thousandths; none without one or past what it holds.
std::optional<Decimal> decimalOf(std::optional<i128> raw) {
    const auto r = raw ? held(*raw) : std::nullopt;
    if (!r)
        return std::nullopt;
    return Decimal::fromRaw(*r);
}

std::optional<Decimal> within(i128 raw, Decimal::Range range) {
    const auto d = decimalOf(raw);
    if (!d || !d->fits(range))
        return std::nullopt;
    return d;
}

// Digits of a whole part and a fraction, both plain digit runs; none when
// the decimal cannot hold them.
std::optional<Decimal> compose(bool negative, QStringView whole, QStringView fraction) {
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (whole.size() > 15)
        return std::nullopt;
    return decimalOf(wide::fromDigits(negative, whole, fraction, Decimal::kPlaces));
}

// Digits or nothing: a whole part or a fraction may be left out.
bool allDigits(QStringView s) {
    return s.isEmpty() || isDigits(s);
}

// "1.234.567": a first group of one to three digits not starting with 0, then
// groups of exactly three, all joined by "."; the digits without the dots.
std::optional<QString> thousands(const QString& whole) {
    const QStringList groups = whole.split(QLatin1Char('.'));
    const QString& first = groups.first();
    if (groups.size() < 2 || first.isEmpty() || first.size() > 3 || !isDigits(first) ||
        first.startsWith(QLatin1Char('0')))
        return std::nullopt;
    for (qsizetype i = 1; i < groups.size(); ++i) {
        if (groups.at(i).size() != 3 || !isDigits(groups.at(i)))
            return std::nullopt;
    }
    return groups.join(QString());
}

std::optional<Decimal> parseNumber(QString s, bool allowCurrency) {
    s = s.trimmed();
    bool negative = false;
    bool hasSign = false;
    // One sign at most: "-R$ -5" is a typing slip, not five.
    auto takeSign = [&] {
        const bool minus = s.startsWith(QLatin1Char('-'));
        if (!minus && !s.startsWith(QLatin1Char('+')))
            return true;
        if (hasSign)
            return false;
        hasSign = true;
        negative = minus;
        s = s.mid(1).trimmed();
        return true;
    };
    if (!takeSign())
        return std::nullopt;
    if (allowCurrency && s.startsWith(QLatin1String("R$"))) {
        s = s.mid(2).trimmed();
        if (!takeSign())
            return std::nullopt;
    }
    if (s.isEmpty())
        return std::nullopt;
    const qsizetype comma = s.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        if (s.indexOf(QLatin1Char(','), comma + 1) >= 0)
            return std::nullopt;
        const QString fraction = s.mid(comma + 1);
        if (!allDigits(fraction))
            return std::nullopt;
        const QString whole = s.left(comma);
        if (!whole.contains(QLatin1Char('.')))
            return allDigits(whole) ? compose(negative, whole, fraction) : std::nullopt;
        const auto digits = thousands(whole);
        return digits ? compose(negative, *digits, fraction) : std::nullopt;
    }
    if (const auto digits = thousands(s))
        return compose(negative, *digits, QString());
    const qsizetype point = s.indexOf(QLatin1Char('.'));
    if (point >= 0 && s.indexOf(QLatin1Char('.'), point + 1) >= 0)
        return std::nullopt;
    const QString whole = point >= 0 ? s.left(point) : s;
    const QString fraction = point >= 0 ? s.mid(point + 1) : QString();
    if (!allDigits(whole) || !allDigits(fraction))
        return std::nullopt;
    return compose(negative, whole, fraction);
}

} // namespace

bool Decimal::fits(Range range) const {
    const i128 r = divRound(raw_, pow10(kPlaces - range.places));
    const i128 bound = pow10(range.whole + range.places);
    return r > -bound && r < bound;
}

std::optional<Decimal> Decimal::parse(const QString& typed, bool allowCurrency, Range range) {
    const auto number = parseNumber(typed, allowCurrency);
    if (!number || !number->fits(range))
        return std::nullopt;
    return number;
}

std::optional<Decimal> Decimal::fromSql(const QString& text) {
    return decimalOf(wide::fromText(text, kPlaces).value);
}

Decimal Decimal::rounded(int places) const {
    if (places >= kPlaces)
        return *this;
    const i128 step = pow10(kPlaces - places);
    return fromRaw(checked(divRound(raw_, step) * step));
}

std::optional<Decimal> Decimal::plus(Decimal o, Range range) const {
    return within(static_cast<i128>(raw_) + o.raw_, range);
}

std::optional<Decimal> Decimal::minus(Decimal o, Range range) const {
    return within(static_cast<i128>(raw_) - o.raw_, range);
}

std::optional<Decimal> Decimal::times(Decimal o, Range range) const {
    return within(divRound(static_cast<i128>(raw_) * o.raw_, kScale), range);
}

Decimal Decimal::operator+(Decimal o) const {
    return fromRaw(checked(static_cast<i128>(raw_) + o.raw_));
}

Decimal Decimal::operator-(Decimal o) const {
    return fromRaw(checked(static_cast<i128>(raw_) - o.raw_));
}

Decimal Decimal::operator*(Decimal o) const {
    return fromRaw(checked(divRound(static_cast<i128>(raw_) * o.raw_, kScale)));
}

Decimal Decimal::operator/(Decimal o) const {
    if (o.raw_ == 0)
        throw std::domain_error("divisão por zero");
    return fromRaw(checked(divRound(static_cast<i128>(raw_) * kScale, o.raw_)));
}

QString Decimal::toBr(int places, bool grouping) const {
    const Decimal r = rounded(places);
    const std::uint64_t absRaw =
        r.raw_ < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(r.raw_) : r.raw_;
    // Written from the right into one buffer: reports format many thousand.
    QVarLengthArray<char, 64> text(32 + std::max(places, 0));
    char* const end = text.data() + text.size();
    char* p = end;
    if (places > 0) {
        for (int i = kPlaces; i < places; ++i)
            *--p = '0';
        std::uint64_t fraction = absRaw % kScale;
        for (int i = kPlaces; i > places; --i)
            fraction /= 10;
        for (int i = std::min(places, kPlaces); i > 0; --i) {
            *--p = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        *--p = ',';
    }
    std::uint64_t whole = absRaw / kScale;
    for (int count = 0; count == 0 || whole > 0; ++count) {
        if (grouping && count > 0 && count % 3 == 0)
            *--p = '.';
        *--p = static_cast<char>('0' + whole % 10);
        whole /= 10;
    }
    if (r.raw_ < 0)
        *--p = '-';
    return QString::fromLatin1(p, end - p);
}

QString Decimal::toBrTrimmed(int keep) const {
    QString text = toBr(kPlaces, false);
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    while (text.size() - comma - 1 > keep && text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char(',')))
        text.chop(1);
    return text;
}

QString Decimal::toSql(int places) const {
    const Decimal r = rounded(places);
    const std::uint64_t absRaw =
        r.raw_ < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(r.raw_) : r.raw_;
    QString out = (r.raw_ < 0 ? QStringLiteral("-") : QString()) + QString::number(absRaw / kScale);
    if (places > 0) {
        const QString frac =
            QStringLiteral("%1").arg(absRaw % kScale, kPlaces, 10, QLatin1Char('0'));
        out += QLatin1Char('.') + frac.left(std::min(places, kPlaces));
    }
    return out;
}
