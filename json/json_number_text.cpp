#include "json/json_number_text.h"

#include <charconv>

namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Past this the exponent can only mean overflow or zero, so it stops growing.
constexpr qint64 kExponentCap = 1'000'000'000;

template <typename T> QString shortestText(T value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace

namespace json {

std::optional<NumberParts> scanNumber(QStringView text) {
    NumberParts parts;
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && text[i] == u'-') {
        parts.negative = true;
        ++i;
    }
    while (i < n && isAsciiDigit(text[i]))
        parts.digits.append(char(text[i++].unicode()));
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isAsciiDigit(text[i])) {
            parts.digits.append(char(text[i++].unicode()));
            ++parts.fractionDigits;
        }
    }
    if (parts.digits.isEmpty())
        return std::nullopt;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            negativeExponent = text[i++] == u'-';
        if (i == n || !isAsciiDigit(text[i]))
            return std::nullopt;
        while (i < n && isAsciiDigit(text[i])) {
            parts.exponent =
                std::min(parts.exponent * 10 + (text[i++].unicode() - u'0'), kExponentCap);
        }
        if (negativeExponent)
            parts.exponent = -parts.exponent;
    }
    if (i != n)
        return std::nullopt;
    return parts;
}

std::optional<double> parseDouble(QStringView text) {
    const auto parts = scanNumber(text);
    if (!parts)
        return std::nullopt;
    const QByteArray ascii = text.toLatin1();
    double value = 0;
    const auto result = std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value);
    if (result.ec == std::errc() && result.ptr == ascii.constData() + ascii.size())
        return value;
    if (result.ec != std::errc::result_out_of_range)
        return std::nullopt;
    // Out of range either way: the decimal order of the leading digit tells
    // overflow from a value too small to hold.
    qsizetype first = 0;
    while (first < parts->digits.size() && parts->digits[first] == '0')
        ++first;
    const qint64 integerDigits = parts->digits.size() - parts->fractionDigits;
    const qint64 order = parts->exponent + integerDigits - first - 1;
    if (order > 0)
        return std::nullopt;
    return parts->negative ? -0.0 : 0.0;
}

QString doubleText(double value) {
    return shortestText(value);
}

QString singleText(float value) {
    return shortestText(value);
}

} // namespace json
