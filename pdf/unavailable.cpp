// Members whose drawing is not built yet: they refuse clearly instead of
// writing something half right.
#include "pdf/pdf_printer.h"

void PDFPrinter::PDFFiligran(const QString&) {
    NotAvailable("PDFFiligran");
}

void PDFPrinter::PDFSetAlignement(qint32) {
    NotAvailable("PDFSetAlignement");
}

QString PDFPrinter::PDFGetAlignement() const {
    NotAvailable("PDFGetAlignement");
}

void PDFPrinter::PDFLink(double, double, const QString&, const QString&) {
    NotAvailable("PDFLink");
}

double PDFPrinter::PDFTextHeight() const {
    NotAvailable("PDFTextHeight");
}

void PDFPrinter::PDFSetRotation(double) {
    NotAvailable("PDFSetRotation");
}

void PDFPrinter::PDFTextOut(const QString&, double, double) {
    NotAvailable("PDFTextOut");
}

void PDFPrinter::PDFSetBorder(qint32) {
    NotAvailable("PDFSetBorder");
}

void PDFPrinter::PDFSetFill(bool) {
    NotAvailable("PDFSetFill");
}

void PDFPrinter::PDFCell(const QString&, double, double, double, double, const QString&) {
    NotAvailable("PDFCell");
}

double PDFPrinter::PDFImageWidth(const QString&) {
    NotAvailable("PDFImageWidth");
}

double PDFPrinter::PDFImageHeight(const QString&) {
    NotAvailable("PDFImageHeight");
}

void PDFPrinter::PDFImage(const QString&, double, double, double, double, const QString&) {
    NotAvailable("PDFImage");
}

void PDFPrinter::CheckLinkTarget(const QString& target, const QByteArray&, double, double) {
    if (!target.isEmpty())
        NotAvailable("PDFLink");
    pendingLinkText_.clear();
}
