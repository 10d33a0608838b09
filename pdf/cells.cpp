// Text wrapped in a box of a given width, one line box per wrapped line.
#include "pdf/pdf_printer.h"

#include "pdf/pdf_format.h"

using pdfformat::AppendLine;
using pdfformat::Bytes;
using pdfformat::CInt;
using pdfformat::EscapeLiteral;
using pdfformat::FormatDecimal;

namespace {

// The sides a cell's lines get: the top on the first line, the bottom on the
// last, left and right on every line. "1" is all four, "0" none.
struct CellSides {
    QByteArray first;  // first line, bottom not included
    QByteArray middle; // lines after the first
    bool bottom = false;
    bool none = true;
};

CellSides SidesOf(const QByteArray& border) {
    CellSides sides;
    const QByteArray letters = border == "1" ? QByteArray("LRTB") : border;
    for (char side : QByteArray("LRT")) {
        if (letters.contains(side))
            sides.first += side;
    }
    for (char side : QByteArray("LR")) {
        if (letters.contains(side))
            sides.middle += side;
    }
    sides.bottom = letters.contains('B');
    sides.none = border.isEmpty() || border == "0";
    return sides;
}

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

int PDFPrinter::CountOccurrences(const QByteArray& text, char pattern) {
    return static_cast<int>(text.count(pattern));
}

void PDFPrinter::PDFCell(const QString& str_Text, double x, double y, double w, double h,
                         const QString&) {
    RequirePage("PDFCell");
    if (fontSize_ == 0)
        throw PDFError(PDFError::Kind::BadArgument,
                       QStringLiteral("PDFCell precisa de uma fonte com tamanho: chame PDFSetFont "
                                      "antes."));
    QByteArray text = Bytes(str_Text);
    // A final line break ends the last line; it opens no empty one.
    if (text.endsWith("\r\n"))
        text.chop(2);
    else if (text.endsWith('\n') || text.endsWith('\r'))
        text.chop(1);
    // Everything that can fail is done before the page content is touched.
    FontIndex();
    MeasureBytes(text, fontName_, fontSize_);

    const double limit = (w - 2 * cellMargin_) * 10.0 / fontSize_;
    const CellSides sides = SidesOf(border_);
    QByteArray lineSides = sides.first;
    AppendLine(content_, "%DEBUT_CELL/%");
    const qsizetype n = text.size();
    qsizetype i = 0;
    qsizetype j = 0;
    qsizetype lastBlank = -1;
    int sum = 0;
    int lineNumber = 1;
    double lineY = y;
    auto nextLine = [&] {
        lineY = y_;
        j = i;
        sum = 0;
        lastBlank = -1;
        if (++lineNumber == 2)
            lineSides = sides.middle;
    };
    while (i < n) {
        const char ch = text[i];
        if (IsLineBreak(ch)) {
            border_ = sides.none ? QByteArray() : lineSides;
            CellLine(text.mid(j, i - j), x - cellMargin_, lineY, w, h);
            i += (ch == '\r' && i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
            nextLine();
            continue;
        }
        if (ch == ' ')
            lastBlank = i;
        sum = CInt(sum + MeasureBytes(QByteArray(1, ch), fontName_, fontSize_));
        if (sum <= limit) {
            ++i;
            continue;
        }
        border_ = sides.none ? QByteArray() : lineSides;
        if (lastBlank < 0) {
            if (i == j)
                ++i; // a character wider than the cell stands alone
            CellLine(text.mid(j, i - j), x, lineY, w, h);
        } else {
            CellLine(text.mid(j, lastBlank - j), x - cellMargin_, lineY, w, h);
            i = lastBlank + 1;
        }
        nextLine();
    }
    border_ = sides.none ? QByteArray("0") : lineSides + (sides.bottom ? "B" : "");
    CellLine(text.mid(j), x - cellMargin_, lineY, w, h);
    underline_ = false;
    if (alignment_ == "FJ") {
        AppendLine(content_, "0 Tw");
        wordSpacing_ = 0;
    }
    AppendLine(content_, "%FIN_CELL/%");
}

void PDFPrinter::CellLine(const QByteArray& text, double x, double y, double w, double h) {
    const QByteArray escaped = EscapeLiteral(text);
    const int index = FontIndex();
    ApplyFontSizeRule();
    const double height = PageHeight();
    const QByteArray stroke = lineColor_.trimmed();
    if (!stroke.isEmpty())
        AppendLine(content_, stroke);
    if (!fillColor_.isEmpty())
        AppendLine(content_, fillColor_);
    auto point = [](double px, double py) {
        return FormatDecimal(px, 2) + " " + FormatDecimal(py, 2);
    };
    const double left = x * k_;
    const double right = x * k_ + w * k_;
    const double top = height - y * k_;
    const double bottom = height - (y + h) * k_;
    QByteArray box;
    if (border_ == "1" || fill_) {
        const QByteArray paint = fill_ && border_ == "1" ? "B" : fill_ ? "f" : "S";
        box = point(left, top) + " " + point(w * k_, -h * k_) + " re " + paint + "\r";
    }
    if (border_ != "0" && border_ != "1") {
        AppendLine(content_, FormatDecimal(lineWidth_ * k_, 2) + " w");
        const struct {
            char side;
            double x1, y1, x2, y2;
        } segments[] = {{'L', left, top, left, bottom},
                        {'T', left, top, right, top},
                        {'R', right, top, right, bottom},
                        {'B', left, bottom, right, bottom}};
        for (const auto& s : segments) {
            if (border_.contains(s.side))
                box += point(s.x1, s.y1) + " m " + point(s.x2, s.y2) +
                       (s.side == 'L' ? " l S" : " l S ") + "\r";
        }
    }
    border_ = "0";
    if (alignment_.isEmpty())
        alignment_ = "L";
    const double width = MeasureBytes(text, fontName_, fontSize_);
    int dx = 0;
    if (alignment_ == "R") {
        dx = CInt(w * k_ - cellMargin_ - CInt(width));
    } else if (alignment_ == "C") {
        dx = CInt((w * k_ - CInt(width)) / 2);
    } else if (alignment_ == "L") {
        dx = 2 * cellMargin_;
    } else if (alignment_ == "FJ") {
        const int blanks = CountOccurrences(text, ' ');
        wordSpacing_ = (w * k_ - (blanks + 1) * cellMargin_ - width) / (blanks > 0 ? blanks : 1);
        AppendLine(content_, FormatDecimal(k_ * wordSpacing_, 3) + " Tw");
        dx = 2 * cellMargin_;
    }
    if (!box.isEmpty())
        AppendLine(content_, box);
    const double baseline = height - (y * k_ + h * k_ / 2 + 0.3 * fontSize_);
    const bool underline = underline_;
    AppendLine(content_, "q " + textColor_ + " ");
    if (underline)
        AppendLine(content_, DrawUnderline(true, text, x * k_ + dx, baseline));
    AppendLine(content_, "BT");
    AppendLine(content_,
               "/F" + QByteArray::number(index) + " " + QByteArray::number(fontSize_) + " Tf");
    AppendLine(content_, point(x * k_ + dx, baseline) + " Td");
    AppendLine(content_, "(" + escaped + ") Tj");
    AppendLine(content_, "ET");
    AppendLine(content_, "Q");
    x_ = x + w;
    y_ = y + h;
}
