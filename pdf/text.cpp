// Text at a position, and the settings text and cells read.
#include "pdf/pdf_printer.h"

#include "pdf/pdf_format.h"

#include <cmath>

using pdfformat::AppendDecimal;
using pdfformat::AppendEscaped;
using pdfformat::AppendLine;
using pdfformat::Bytes;
using pdfformat::FormatDecimal;

void PDFPrinter::Atomically(const std::function<void()>& draw) {
    const qsizetype content = content_.size();
    const int images = imageCount_;
    try {
        draw();
    } catch (...) {
        content_.truncate(content);
        imageCount_ = images;
        images_.resize(static_cast<std::size_t>(images));
        throw;
    }
}

int PDFPrinter::FontIndex() const {
    if (fontName_.isEmpty())
        return 1;
    const qsizetype at = fontTable_.indexOf(fontName_);
    if (at < 0)
        throw PDFError(PDFError::Kind::MissingMetrics,
                       QStringLiteral("Arquivo de métricas da fonte %1 não encontrado na pasta %2.")
                           .arg(fontName_, afmFolder_));
    return static_cast<int>(at) + 1;
}

void PDFPrinter::ApplyFontSizeRule() {
    if (fontSize_ == 0)
        fontSize_ = 10;
}

void PDFPrinter::TextMatrix(double angle, double x, double y) {
    const double a = angle * 3.1416 / 180;
    const double cs = std::cos(a);
    const double sn = std::sin(a);
    AppendLine(content_, FormatDecimal(cs, 5) + " " + FormatDecimal(-sn, 5) + " " +
                             FormatDecimal(sn, 5) + " " + FormatDecimal(cs, 5) + " " +
                             PagePoint(x, y) + " Tm");
}

void PDFPrinter::PDFTextOut(const QString& str_Text, double x, double y) {
    RequirePage("PDFTextOut");
    const QByteArray bytes = Bytes(str_Text);
    if (x == 0)
        x = x_;
    if (y == 0)
        y = y_;
    // Everything that can fail is done before the page content is touched.
    const int index = FontIndex();
    ApplyFontSizeRule();
    const double width = MeasureBytes(bytes, fontName_, fontSize_);
    const QByteArray underline = underline_ ? DrawUnderline(false, bytes, x * k_, y * k_) : "";
    const double height = PageHeight();
    // Appended piece by piece, as a report writes tens of thousands of texts;
    // a position that is no number leaves the page as it was.
    const qsizetype before = content_.size();
    try {
        if (!textColor_.isEmpty()) {
            content_ += "q ";
            content_ += textColor_;
            content_ += " \r\n";
        }
        content_ += "%DEBUT_TEXT/%\r\nBT\r\n";
        if (rotation_ != 0) {
            TextMatrix(rotation_, x, y);
        } else {
            AppendDecimal(content_, (leftMargin_ + x) * k_, 2);
            content_ += ' ';
            AppendDecimal(content_, height - y * k_, 2);
            content_ += " Td\r\n";
        }
        content_ += "/F";
        content_ += QByteArray::number(index);
        content_ += ' ';
        AppendDecimal(content_, fontSize_, 2);
        content_ += " Tf\r\n(";
        AppendEscaped(content_, bytes);
        content_ += ") Tj\r\nET\r\n";
        if (underline_)
            AppendLine(content_, underline);
        if (!textColor_.isEmpty())
            content_ += "Q\r\n";
        content_ += "%FIN_TEXT/%\r\n";
    } catch (...) {
        content_.truncate(before);
        throw;
    }
    rotation_ = 0;
    underline_ = false;
    x_ = x + width;
    y_ = y + fontSize_;
}

double PDFPrinter::PDFTextHeight() const {
    return fontSize_ * k_;
}

void PDFPrinter::PDFSetRotation(double pAngle) {
    rotation_ = -pAngle;
}

void PDFPrinter::PDFSetAlignement(qint32 gAlignement) {
    static const QByteArray kCodes[] = {"C", "L", "R", "FJ"};
    if (gAlignement >= 0 && gAlignement <= 3) {
        alignment_ = kCodes[gAlignement];
        return;
    }
    InvalidCode(QStringLiteral("Code Alignement de Cellule - "),
                QStringLiteral("Code alignement incorrect : "), QString::number(gAlignement),
                QStringLiteral("L'alignement utilisé sera l'alignement à gauche."));
    alignment_ = "L";
}

QString PDFPrinter::PDFGetAlignement() const {
    if (alignment_ == "C")
        return QStringLiteral("Center");
    if (alignment_ == "R")
        return QStringLiteral("Right");
    return QStringLiteral("Left");
}

void PDFPrinter::PDFSetBorder(qint32 gBorder) {
    switch (gBorder) {
    case 0:
        border_ = "0";
        return;
    case 1:
        border_ = "1";
        return;
    case 2:
        border_ = "T";
        return;
    case 3:
        border_ = "B";
        return;
    case 4:
        border_ = "L";
        return;
    case 5:
        border_ = "R";
        return;
    default:
        break;
    }
    const QByteArray digits = QByteArray::number(gBorder);
    border_.clear();
    for (const auto& [digit, side] : {std::pair{'4', 'L'}, {'5', 'R'}, {'2', 'T'}, {'3', 'B'}}) {
        if (digits.contains(digit))
            border_ += side;
    }
}

void PDFPrinter::PDFSetFill(bool bFill) {
    fill_ = bFill;
}
