// Text, stroke and fill colours.
#include "pdf/pdf_printer.h"

#include "pdf/pdf_format.h"

#include <array>
#include <cctype>
#include <cmath>
#include <optional>

using pdfformat::FormatDecimal;

namespace {

using Rgb = std::array<int, 3>;

PDFError outOfRange(const QString& value) {
    return PDFError(
        PDFError::Kind::BadArgument,
        QStringLiteral("Cor inválida: %1 (cada componente vai de 0 a 255).").arg(value));
}

// Red in the lowest byte, then green, then blue.
Rgb SplitRgb(double number) {
    if (number < 0 || number >= 256.0 * 65536.0)
        throw outOfRange(QString::number(number, 'f', 0));
    const auto value = static_cast<qint64>(number);
    const auto blue = static_cast<int>(value / 65536);
    const auto green = static_cast<int>((value - blue * 65536) / 256);
    const auto red = static_cast<int>(value - blue * 65536 - green * 256);
    return {red, green, blue};
}

// "#RRGGBB"; nullopt when the text after "#" is not six hexadecimal digits.
std::optional<Rgb> HtmlColorToLong(const QString& text) {
    const QString digits = (QStringLiteral("000000") + text).right(6);
    for (QChar c : digits) {
        if (!std::isxdigit(static_cast<unsigned char>(c.toLatin1())))
            return std::nullopt;
    }
    return Rgb{digits.mid(0, 2).toInt(nullptr, 16), digits.mid(2, 2).toInt(nullptr, 16),
               digits.mid(4, 2).toInt(nullptr, 16)};
}

QByteArray ColorOperator(const Rgb& rgb, const char* kind) {
    QByteArrayList parts;
    for (int component : rgb)
        parts << FormatDecimal(component / 255.0, 3);
    return parts.join(' ') + (qstrcmp(kind, "LINE") == 0 ? " RG" : " rg");
}

} // namespace

QByteArray PDFPrinter::ColourFor(const QVariant& gColor, const char* kind) const {
    const int type = gColor.typeId();
    if (type == QMetaType::QVariantList) {
        const QVariantList list = gColor.toList();
        if (list.size() < 3)
            throw PDFError(PDFError::Kind::BadArgument,
                           QStringLiteral("Uma cor em lista precisa de vermelho, verde e azul."));
        Rgb rgb{};
        for (std::size_t i = 0; i < 3; ++i) {
            bool ok = false;
            const double value = list.at(static_cast<qsizetype>(i)).toDouble(&ok);
            const long rounded = std::lrint(value);
            if (!ok || rounded < 0 || rounded > 255)
                throw outOfRange(list.at(static_cast<qsizetype>(i)).toString());
            rgb[i] = static_cast<int>(rounded);
        }
        return ColorOperator(rgb, kind);
    }
    if (type == QMetaType::QString || type == QMetaType::QByteArray) {
        const QString text = gColor.toString();
        if (text.startsWith(QLatin1Char('#'))) {
            if (const std::optional<Rgb> rgb = HtmlColorToLong(text))
                return ColorOperator(*rgb, kind);
        }
        InvalidCode(QStringLiteral("Couleur HTMl - "),
                    QStringLiteral("Code couleur HTMl invalide "), text,
                    QStringLiteral("La couleur utilisée sera le noir."));
        return ColorOperator({0, 0, 0}, kind);
    }
    bool ok = false;
    const double number = gColor.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        throw outOfRange(gColor.toString());
    return ColorOperator(SplitRgb(std::floor(number)), kind);
}

void PDFPrinter::PDFSetTextColor(const QVariant& gColor) {
    textColor_ = ColourFor(gColor, "TEXT");
}

QString PDFPrinter::PDFGetTextColor() const {
    return QString::fromLatin1(textColor_);
}

void PDFPrinter::PDFSetLineColor(const QVariant& gColor) {
    lineColor_ = ColourFor(gColor, "LINE");
}

QString PDFPrinter::PDFGetLineColor() const {
    return QString::fromLatin1(lineColor_);
}

void PDFPrinter::PDFSetDrawColor(const QVariant& gColor) {
    fillColor_ = ColourFor(gColor, "BORDER");
}

QString PDFPrinter::PDFGetDrawColor() const {
    return QString::fromLatin1(fillColor_);
}
