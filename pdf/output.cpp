// The document members and the writer of every object of the file.
#include "pdf/pdf_printer.h"

#include "pdf/creation_clock.h"
#include "pdf/pdf_format.h"
#include "platform/files.h"

using pdfformat::AppendLine;
using pdfformat::FormatDecimal;
using pdfformat::FormatShort;
using pdfformat::TextString;
using pdfformat::ZeroPad10;

namespace {

QByteArray num(qint64 value) {
    return QByteArray::number(value);
}

QByteArray ref(int object) {
    return num(object) + " 0 R";
}

} // namespace

void PDFPrinter::WriteLine(const QByteArray& line) {
    if (const QString failure = files::write(*output_, line + "\r\n"); !failure.isEmpty())
        throw PDFError(PDFError::Kind::Output,
                       QStringLiteral("Não foi possível gravar o arquivo PDF %1: %2.")
                           .arg(resolvedPath_, failure));
}

void PDFPrinter::AddObjectOffset(qsizetype length) {
    byteOffset_ += length + 2;
    if (offsets_.size() < static_cast<std::size_t>(chunkCounter_))
        offsets_.resize(static_cast<std::size_t>(chunkCounter_));
    offsets_[static_cast<std::size_t>(chunkCounter_ - 1)] = byteOffset_;
    ++chunkCounter_;
}

void PDFPrinter::WriteChunk(const QByteArray& chunk) {
    AddObjectOffset(chunk.size());
    WriteLine(chunk);
}

int PDFPrinter::BeginObject() {
    ++objectCounter_;
    object_.clear();
    AppendLine(object_, num(objectCounter_) + " 0 obj");
    return objectCounter_;
}

void PDFPrinter::PDFBeginDoc() {
    if (stage_ != Stage::SetUp)
        throw PDFError(PDFError::Kind::OutOfOrder,
                       QStringLiteral("PDFBeginDoc só pode ser chamado uma vez por documento."));
    if (!output_)
        throw PDFError(PDFError::Kind::Output,
                       fileName_.isEmpty()
                           ? QStringLiteral("Nenhum arquivo PDF foi indicado (PDFFileName).")
                           : QStringLiteral("Não foi possível criar o arquivo PDF %1: %2.")
                                 .arg(fileName_, outputFailure_));
    pageNumber_ = 1;
    chunkCounter_ = 1;
    imageCount_ = 0;
    objectCounter_ = 0;
    byteOffset_ = 0;
    fontCount_ = 0;
    offsets_.assign(1, 0);
    contentListUpper_ = 1;
    fontObjects_.clear();
    links_.clear();
    images_.clear();
    object_.clear();
    stage_ = Stage::Begun;
    WriteChunk("%PDF-1.3");
    PutInfo();
    OpenPageStream();
}

void PDFPrinter::PutInfo() {
    BeginObject();
    AppendLine(object_, "<<");
    AppendLine(object_, "/Producer " + TextString(producer_));
    AppendLine(object_, "/Author " + TextString(author_));
    AppendLine(object_, "/CreationDate (" + pdfclock::date() + ")");
    AppendLine(object_, "/Creator " + TextString(creator_));
    AppendLine(object_, "/Keywords " + TextString(keywords_));
    AppendLine(object_, "/Subject " + TextString(subject_));
    AppendLine(object_, "/Title " + TextString(title_));
    AppendLine(object_, "/ModDate ()");
    AppendLine(object_, ">>");
    AppendLine(object_, "endobj");
    WriteChunk(object_);
}

void PDFPrinter::OpenPageStream() {
    const int n = BeginObject();
    AppendLine(object_, "<< /Length " + ref(n + 1));
    AppendLine(object_, " >>");
    streamHeaderLength_ = object_.size();
    AppendLine(object_, "stream");
    content_.clear();
}

void PDFPrinter::ClosePageStream() {
    const qsizetype length = content_.size();
    object_ += content_;
    content_.clear();
    AppendLine(object_, "endstream");
    AppendLine(object_, "endobj");
    WriteChunk(object_);
    BeginObject();
    AppendLine(object_, num(length));
    AppendLine(object_, "endobj");
    WriteChunk(object_);
}

void PDFPrinter::PDFNewPage() {
    RequirePage("PDFNewPage");
    if (pageIndex_ <= pageNumber_)
        throw PDFError(
            PDFError::Kind::OutOfOrder,
            QStringLiteral("PDFNewPage chamado sem PDFEndPage da página %1.").arg(pageNumber_));
    x_ = leftMargin_;
    y_ = topMargin_;
    ++pageNumber_;
    ClosePageStream();
    OpenPageStream();
    AppendLine(content_, "%DEBUT_OBJ/%");
    DrawFiligran();
}

void PDFPrinter::PDFEndPage() {
    RequirePage("PDFEndPage");
    ++pageIndex_;
    ExtendPageLists(pageIndex_);
    const auto i = static_cast<std::size_t>(pageIndex_ - 1);
    if (pageWidths_[i] == 0) {
        pageWidths_[i] = pageWidths_[i - 1];
        pageHeights_[i] = pageHeights_[i - 1];
        orientations_[i] = orientations_[i - 1];
    }
    DrawFiligran();
}

void PDFPrinter::PDFEndDoc() {
    RequirePage("PDFEndDoc");
    try {
        DrawFiligran();
        ClosePageStream();
        PutFonts();
        PutPages();
        PutResources();
        for (int n = 1; n <= imageCount_; ++n)
            PutImage(n);
        PutPageObjects();
        PutOutlines();
        PutCatalog();
        PutXref();
        WriteLine("%%EOF");
        CloseOutput(true);
    } catch (...) {
        stage_ = Stage::Finished;
        CloseOutput(false);
        throw;
    }
    stage_ = Stage::Finished;
    AfterEndDoc();
}

void PDFPrinter::PutPages() {
    pagesObject_ = BeginObject();
    AppendLine(object_, "<< /Type /Pages");
    AppendLine(object_, "/Kids [");
    for (int i = 1; i <= pageNumber_; ++i)
        AppendLine(object_, ref(pagesObject_ + 1 + imageCount_ + i));
    AppendLine(object_, "]");
    AppendLine(object_, "/Count " + num(pageNumber_));
    AppendLine(object_, ">>");
    AppendLine(object_, "endobj");
    contentListUpper_ = pageNumber_;
    WriteChunk(object_);
}

void PDFPrinter::PutResources() {
    resourcesObject_ = BeginObject();
    AppendLine(object_, "<< /ProcSet [ /PDF /Text /ImageC]");
    AppendLine(object_, "/XObject << ");
    for (int b = 1; b <= imageCount_; ++b)
        AppendLine(object_, "/ImgJPEG" + num(b) + " " + ref(resourcesObject_ + b));
    AppendLine(object_, ">>");
    AppendLine(object_, "/Font << ");
    for (int d = 1; d <= fontCount_; ++d)
        AppendLine(object_,
                   "/F" + num(d) + " " + ref(fontObjects_[static_cast<std::size_t>(d - 1)]) + " ");
    AppendLine(object_, ">>");
    AppendLine(object_, ">>");
    AppendLine(object_, "endobj");
    WriteChunk(object_);
}

void PDFPrinter::PutPageObjects() {
    pageObjects_.assign(static_cast<std::size_t>(pageNumber_), 0);
    for (int j = 1; j <= pageNumber_; ++j) {
        const auto i = static_cast<std::size_t>(j - 1);
        pageObjects_[i] = BeginObject();
        AppendLine(object_, "<< /Type /Page");
        AppendLine(object_, "/Parent " + ref(pagesObject_));
        AppendLine(object_, "/MediaBox [ 0 0 " + FormatShort(pageWidths_.at(i)) + " " +
                                FormatShort(pageHeights_.at(i)) + "]");
        AppendLine(object_, "/Resources " + ref(resourcesObject_));
        if (const QByteArray annotations = Annotations(j); !annotations.isEmpty())
            AppendLine(object_, annotations);
        AppendLine(object_, "/Contents " + ref(2 * j));
        AppendLine(object_, ">>");
        AppendLine(object_, "endobj");
        AppendLine(object_, "%FIN_OBJ/%");
        WriteChunk(object_);
    }
}

void PDFPrinter::PutCatalog() {
    catalogObject_ = BeginObject();
    AppendLine(object_, "<<");
    AppendLine(object_, "/Type /Catalog");
    AppendLine(object_, "/Pages " + ref(pagesObject_));
    const QByteArray first = ref(pageObjects_.front());
    switch (const qint32 zoom = zoomMode_.value_or(0)) {
    case 0:
        AppendLine(object_, "/OpenAction [" + first + " /Fit]");
        break;
    case 1:
        AppendLine(object_, "/OpenAction [" + first + " /FitH null]");
        break;
    case 2:
        AppendLine(object_, "/OpenAction [" + first + " /XYZ null null 1]");
        break;
    default:
        AppendLine(object_, "/OpenAction [" + first + " /XYZ null null " +
                                FormatDecimal(zoom / 100.0, 2) + "]");
    }
    switch (layoutMode_.value_or(0)) {
    case 0:
        AppendLine(object_, "/PageLayout /SinglePage");
        break;
    case 1:
        AppendLine(object_, "/PageLayout /OneColumn");
        break;
    case 2:
        AppendLine(object_, "/PageLayout /TwoColumnLeft");
        break;
    default:
        break;
    }
    // One page mode only: the outlines win over the thumbnails, when there
    // is an outline to show.
    if (useOutlines_ && outlineRoot_ != 0) {
        AppendLine(object_, "/Outlines " + ref(outlineRoot_));
        AppendLine(object_, "/PageMode /UseOutlines");
    } else if (useThumbs_) {
        AppendLine(object_, "/PageMode /UseThumbs");
    }
    if (preferencesSet_) {
        static const std::pair<char, const char*> kPreferences[] = {
            {'2', "/HideMenubar true"},  {'1', "/HideToolbar true"},
            {'3', "/HideWindowUI true"}, {'6', "/DisplayDocTitle true"},
            {'5', "/CenterWindow true"}, {'4', "/FitWindow true"}};
        const QByteArray digits = num(viewerPreferences_);
        AppendLine(object_, "/ViewerPreferences<<");
        for (const auto& [digit, entry] : kPreferences) {
            if (digits.contains(digit))
                AppendLine(object_, entry);
        }
        AppendLine(object_, ">>");
    }
    AppendLine(object_, ">>");
    AppendLine(object_, "endobj");
    WriteChunk(object_);
}

void PDFPrinter::PutXref() {
    const int n = objectCounter_ + 1;
    QByteArray table;
    AppendLine(table, "xref");
    AppendLine(table, "0 " + num(n));
    AppendLine(table, "0000000000 65535 f");
    for (int i = 1; i < n; ++i)
        AppendLine(table,
                   ZeroPad10(num(offsets_.at(static_cast<std::size_t>(i - 1)))) + " 00000 n");
    AppendLine(table, "trailer");
    AppendLine(table, "<< /Size " + num(n));
    AppendLine(table, "/Root " + ref(catalogObject_));
    AppendLine(table, "/Info 1 0 R");
    AppendLine(table, ">>");
    AppendLine(table, "startxref");
    AppendLine(table, num(offsets_.at(static_cast<std::size_t>(n - 1))));
    WriteLine(table);
}
