// The font table, font objects and text widths from the AFM files.
#include "pdf/pdf_printer.h"

#include "pdf/pdf_format.h"
#include "platform/program_folder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

using pdfformat::AppendLine;
using pdfformat::Bytes;
using pdfformat::CInt;
using pdfformat::FormatDecimal;

void PDFPrinter::PDFLoadAfm(const QString& sPathAFM) {
    const QDir folder(sPathAFM);
    if (!folder.exists())
        throw PDFError(
            PDFError::Kind::MissingMetrics,
            QStringLiteral("Pasta de métricas de fonte não encontrada: %1.").arg(sPathAFM));
    QStringList files = folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    // The table's order, and so the fonts' resource numbers, must not depend on
    // the file system: names sorted by their upper-cased form.
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        const QString upperA = a.toUpper();
        const QString upperB = b.toUpper();
        return upperA != upperB ? upperA < upperB : a < b;
    });
    QStringList table;
    for (const QString& name : files) {
        if (folder.filePath(name).toLower().contains(QLatin1String(".afm")))
            table << name.left(std::max<qsizetype>(0, name.size() - 4));
    }
    if (table.isEmpty())
        return;
    fontTable_ = table;
    SetAfmFolder(sPathAFM);
}

void PDFPrinter::SetAfmFolder(const QString& folder) {
    if (folder == afmFolder_)
        return;
    afmFolder_ = folder;
    fontWidths_.clear();
    currentWidths_ = nullptr;
}

QString PDFPrinter::MetricsPath(const QString& fontName) const {
    return programfolder::resolveIn(afmFolder_, fontName + QStringLiteral(".afm"));
}

double PDFPrinter::PDFGetStringWidth(const QString& str_Txt, const QString& str_FName,
                                     int in_FSize) {
    return MeasureBytes(Bytes(str_Txt), str_FName.isEmpty() ? fontName_ : str_FName, in_FSize);
}

const afm::Widths& PDFPrinter::FontWidths(const QString& font) {
    if (currentWidths_ && font == fontName_)
        return *currentWidths_;
    if (font.isEmpty())
        throw PDFError(
            PDFError::Kind::MissingMetrics,
            QStringLiteral("Nenhuma fonte foi escolhida (PDFSetFont) para medir o texto."));
    auto found = fontWidths_.find(font);
    if (found == fontWidths_.end())
        found = fontWidths_.emplace(font, afm::readWidths(MetricsPath(font))).first;
    if (font == fontName_)
        currentWidths_ = &found->second;
    return found->second;
}

void PDFPrinter::ResolveFontWidths() {
    currentWidths_ = nullptr;
    auto found = fontWidths_.find(fontName_);
    if (found == fontWidths_.end()) {
        const QString path = MetricsPath(fontName_);
        if (!QFileInfo::exists(path))
            return;
        found = fontWidths_.emplace(fontName_, afm::readWidths(path)).first;
    }
    currentWidths_ = &found->second;
}

double PDFPrinter::MeasureBytes(const QByteArray& text, const QString& font, int size) {
    return Measure(text, FontWidths(font), size);
}

double PDFPrinter::Measure(const QByteArray& text, const afm::Widths& widths, int size) {
    qint64 sum = 0;
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code == 0)
            throw PDFError(PDFError::Kind::MissingMetrics,
                           QStringLiteral("O texto contém um caractere de código 0, que as "
                                          "métricas de fonte não medem."));
        sum += widths[code];
    }
    return static_cast<double>(size * sum) / 1000.0;
}

void PDFPrinter::PutFonts() {
    for (const QString& name : std::as_const(fontTable_))
        PutFont("Type1", Bytes(name), "WinAnsiEncoding");
}

void PDFPrinter::PutFont(const QByteArray& subtype, const QByteArray& name,
                         const QByteArray& encoding) {
    ++fontCount_;
    fontObjects_.push_back(BeginObject());
    AppendLine(object_, "<< /Type /Font");
    AppendLine(object_, "/Subtype /" + subtype);
    AppendLine(object_, "/Name /F" + QByteArray::number(fontCount_));
    AppendLine(object_, "/BaseFont /" + name);
    AppendLine(object_, "/Encoding /" + encoding);
    AppendLine(object_, ">>");
    AppendLine(object_, "endobj");
    WriteChunk(object_);
}

QByteArray PDFPrinter::DrawUnderline(bool pageCoordinates, const QByteArray& text, double x,
                                     double y) {
    const int up = CInt(MeasureBytes("up", fontName_, fontSize_));
    const auto blanks = static_cast<int>(text.count(' '));
    const double w = blanks * MeasureBytes(" ", fontName_, fontSize_) +
                     MeasureBytes(text, fontName_, fontSize_) + blanks * wordSpacing_;
    const double width = wordSpacing_ != 0 ? w - (blanks + 1) * cellMargin_ : w;
    const QByteArray thickness = FormatDecimal(width * -2 / 1000, 2);
    QByteArrayList numbers;
    if (pageCoordinates) {
        numbers << FormatDecimal(x, 2) << FormatDecimal(y - 3, 2)
                << FormatDecimal(width - cellMargin_, 2) << thickness;
    } else {
        const int left = CInt(leftMargin_ * k_ + x);
        const double top = PageHeight() - (y - up / 1000.0 * fontSize_) - 2;
        numbers << FormatDecimal(left, 2) << FormatDecimal(top, 2) << FormatDecimal(width, 2)
                << thickness;
    }
    return numbers.join(' ') + " re f";
}
