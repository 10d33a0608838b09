#include "pdf/pdf_format.h"

#include "pdf/pdf_error.h"
#include "platform/cp1252.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace pdfformat {

namespace {

// Most numbers of a page are whole points or carry few decimals: when the
// value times 10^decimals is a whole number it is written from that integer,
// which is what the shortest form rounds to as well.
bool appendScaled(QByteArray& out, double value, int decimals) {
    static constexpr double kPowers[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    if (decimals < 0 || decimals > 6)
        return false;
    const double scaled = value * kPowers[decimals];
    if (!(std::fabs(scaled) < 1e15) || scaled != std::trunc(scaled))
        return false;
    const auto n = static_cast<long long>(scaled);
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, n < 0 ? -n : n).ptr;
    const auto count = static_cast<std::size_t>(end - digits);
    const auto places = static_cast<std::size_t>(decimals);
    if (n < 0)
        out += '-';
    if (count <= places) {
        out += "0.";
        out.append(static_cast<qsizetype>(places - count), '0');
        out.append(digits, static_cast<qsizetype>(count));
        return true;
    }
    out.append(digits, static_cast<qsizetype>(count - places));
    out += '.';
    out.append(digits + (count - places), static_cast<qsizetype>(places));
    return true;
}

void requireFinite(double value) {
    if (!std::isfinite(value))
        throw PDFError(PDFError::Kind::BadArgument,
                       QStringLiteral("Número inválido para o arquivo PDF."));
}

} // namespace

void AppendDecimal(QByteArray& out, double value, int decimals) {
    requireFinite(value);
    if (!appendScaled(out, value, decimals))
        out += FormatDecimal(value, decimals);
}

QByteArray FormatDecimal(double value, int decimals) {
    requireFinite(value);
    QByteArray fast;
    if (appendScaled(fast, value, decimals))
        return fast;
    // Shortest form "d.ddde±x": its digits and the place of the point.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    std::string digits;
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            digits += text[i];
    }
    int pointAt = std::stoi(text.substr(e + 1)) + 1; // digits before the point
    if (pointAt < 0) {
        digits.insert(0, static_cast<std::size_t>(-pointAt), '0');
        pointAt = 0;
    }
    const std::size_t keep = static_cast<std::size_t>(pointAt + decimals);
    if (digits.size() < keep)
        digits.append(keep - digits.size(), '0');
    const bool roundUp = digits.size() > keep && digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        int i = static_cast<int>(keep) - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
            digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            ++pointAt;
        } else {
            ++digits[static_cast<std::size_t>(i)];
        }
    }
    std::string whole = digits.substr(0, static_cast<std::size_t>(pointAt));
    const std::string fraction = digits.substr(static_cast<std::size_t>(pointAt));
    const std::size_t firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);
    const bool zero = whole == "0" && fraction.find_first_not_of('0') == std::string::npos;
    std::string out = (value < 0 && !zero) ? "-" : "";
    out += whole + "." + fraction;
    return QByteArray::fromStdString(out);
}

QByteArray FormatShort(double value) {
    QByteArray text = FormatDecimal(value, 2);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

QByteArray ZeroPad10(const QByteArray& text) {
    if (text.size() >= 10)
        return text;
    return QByteArray(10 - text.size(), '0') + text;
}

int CInt(double value) {
    return static_cast<int>(std::nearbyint(value));
}

void AppendLine(QByteArray& buffer, const QByteArray& line) {
    buffer += line;
    buffer += "\r\n";
}

QByteArray EscapeLiteral(const QByteArray& text) {
    QByteArray out;
    AppendEscaped(out, text);
    return out;
}

void AppendEscaped(QByteArray& out, const QByteArray& text) {
    const qsizetype start = out.size();
    out.resize(start + 2 * text.size());
    char* to = out.data() + start;
    for (const char c : text) {
        if (c == '\\' || c == '(' || c == ')')
            *to++ = '\\';
        *to++ = c;
    }
    out.truncate(to - out.constData());
}

QByteArray TextString(const QString& text) {
    // Bytes that open a literal as a byte-order mark would make a reader take
    // the rest as UTF-16 or, in PDF 2.0, as UTF-8.
    static const QString kMarks[] = {QStringLiteral("\u00FE\u00FF"), QStringLiteral("\u00FF\u00FE"),
                                     QStringLiteral("\u00EF\u00BB\u00BF")};
    bool literal = std::none_of(std::begin(kMarks), std::end(kMarks),
                                [&](const QString& mark) { return text.startsWith(mark); });
    for (qsizetype i = 0; literal && i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        literal = (u >= 0x20 && u <= 0x7E) || (u >= 0xA1 && u <= 0xFF && u != 0xAD);
    }
    if (literal)
        return '(' + EscapeLiteral(text.toLatin1()) + ')';
    QByteArray hex = "<FEFF";
    for (const QChar d : text)
        hex += QByteArray::number(d.unicode(), 16).toUpper().rightJustified(4, '0');
    return hex + '>';
}

QByteArray Bytes(const QString& text) {
    // Latin-1 text, nearly every text of a page, maps byte for byte.
    QByteArray out(text.size(), Qt::Uninitialized);
    char* to = out.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x100 || (u >= 0x80 && u < 0xA0))
            return cp1252::encode(text);
        *to++ = static_cast<char>(u);
    }
    return out;
}

QString AsDrawn(const QString& text) {
    return cp1252::decode(Bytes(text));
}

} // namespace pdfformat
