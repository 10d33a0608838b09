#include "pdf/pdf_format.h"

#include "pdf/pdf_error.h"
#include "platform/cp1252.h"

#include <charconv>
#include <cmath>

namespace pdfformat {

QByteArray FormatDecimal(double value, int decimals) {
    if (!std::isfinite(value))
        throw PDFError(PDFError::Kind::BadArgument,
                       QStringLiteral("Número inválido para o arquivo PDF."));
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
    out.reserve(text.size() + 8);
    for (char c : text) {
        if (c == '\\' || c == '(' || c == ')')
            out += '\\';
        out += c;
    }
    return out;
}

QByteArray Bytes(const QString& text) {
    return cp1252::encode(text);
}

} // namespace pdfformat
