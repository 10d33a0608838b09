// The watermark: a pink text across each page, rising from lower left to
// upper right.
#include "pdf/pdf_printer.h"

#include <cmath>

void PDFPrinter::PDFFiligran(const QString& sFiligran) {
    watermark_ = sFiligran;
    watermarkSet_ = true;
}

void PDFPrinter::DrawFiligran() {
    if (!watermarkSet_)
        return;
    PDFSetFont(0, 50, 2);
    PDFSetTextColor(QVariantList{255, 192, 203});
    const double w = PDFGetStringWidth(watermark_, fontName_, 50);
    // The angle of 45 is taken in radians here: the placement the documents
    // were laid out with. The place is worked out in points and given in the
    // user unit.
    const double y = (std::sin(45.0) * w + PageHeight()) / 2.15;
    const double x = (PageWidth() - std::cos(45.0) * w) / 2.75;
    DrawFiligranText(x / k_, y / k_, watermark_, 45);
}

void PDFPrinter::DrawFiligranText(double x, double y, const QString& text, double angle) {
    PDFSetRotation(angle);
    PDFTextOut(text, x, y);
    rotation_ = 0;
}
