// Web links on text, shapes and pictures, written as link annotations.
#include "pdf/pdf_printer.h"

#include "pdf/pdf_format.h"

#include <cmath>

using pdfformat::AppendLine;
using pdfformat::Bytes;
using pdfformat::EscapeLiteral;
using pdfformat::FormatShort;

namespace {
constexpr int kBlue = 16711680;
} // namespace

void PDFPrinter::PDFLink(double x, double y, const QString& str_Text, const QString& str_Link) {
    RequirePage("PDFLink");
    if (x == 0)
        x = x_;
    if (y == 0)
        y = y_;
    Atomically([&] {
        AppendLine(content_, "%DEBUT_LINK/%");
        underline_ = true;
        double w = 0;
        double h = 0;
        if (imageLink_) {
            PDFSetTextColor(kBlue);
            PDFTextOut(QString(), x, y);
            w = std::floor(lastImageWidth_);
            h = std::floor(lastImageHeight_);
        } else if (pendingLinkKind_ == "ELLIPSE") {
            PDFTextOut(QString(), x, y);
            w = std::floor(PDFGetStringWidth(pendingLinkText_, QString(), fontSize_));
            h = fontSize_;
        } else if (pendingLinkKind_ == "RECTANGLE") {
            PDFTextOut(QString(), x, y);
            w = linkWidth_;
            h = fontSize_;
        } else {
            PDFTextOut(str_Text, x, y);
            w = std::floor(PDFGetStringWidth(str_Text, QString(), fontSize_));
            h = fontSize_;
        }
        imageLink_ = false;
        underline_ = false;
        pendingLinkKind_.clear();
        AddLinkArea(x, y, w, h, Bytes(str_Link.isEmpty() ? str_Text : str_Link));
        AppendLine(content_, "%FIN_LINK/%");
    });
}

void PDFPrinter::AddLinkArea(double x, double y, double w, double h, const QByteArray& target) {
    // A link without a target would be an annotation that goes nowhere.
    if (target.isEmpty())
        return;
    if (links_.size() < static_cast<std::size_t>(pageNumber_))
        links_.resize(static_cast<std::size_t>(pageNumber_));
    links_[static_cast<std::size_t>(pageNumber_ - 1)].push_back(
        LinkArea{x * k_, PageHeight() - y * k_, w * k_, h * k_, target});
}

void PDFPrinter::CheckLinkTarget(const QString& target, const QByteArray& kind, double x,
                                 double y) {
    if (kind == "IMAGE")
        imageLink_ = true;
    if (!target.isEmpty())
        PDFLink(x, y, target, QString());
    pendingLinkText_.clear();
    imageLink_ = false;
}

QByteArray PDFPrinter::Annotations(int page) const {
    if (links_.size() < static_cast<std::size_t>(page) ||
        links_[static_cast<std::size_t>(page - 1)].empty())
        return QByteArray();
    QByteArray line = "/Annots [";
    for (const LinkArea& link : links_[static_cast<std::size_t>(page - 1)]) {
        line += "<</Type /Annot /Subtype /Link /Rect [" + FormatShort(link.x) + " " +
                FormatShort(link.y) + " " + FormatShort(link.x + link.w) + " " +
                FormatShort(link.y - link.h) + "] /Border [0 0 0] /A <</S /URI /URI (" +
                EscapeLiteral(link.target) + ")>>>>\r\n";
    }
    return line + "]";
}
