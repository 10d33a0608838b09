// Straight lines, rectangles, ellipses and polygons.
#include "pdf/pdf_printer.h"

#include "pdf/pdf_format.h"

#include <cmath>

using pdfformat::AppendLine;
using pdfformat::CInt;
using pdfformat::FormatDecimal;

namespace {

constexpr double kKappa = 11.0 / 20.0;
constexpr int kWhite = 16777215;

// The stroke colour as a fill operator: after a rule, fills take its colour.
QByteArray AsFill(const QByteArray& stroke) {
    return stroke.endsWith("RG") ? stroke.chopped(2) + "rg" : stroke.chopped(1) + "g";
}

} // namespace

QByteArray PDFPrinter::MoveTo(double x, double y) const {
    return PagePoint(x, y) + " m";
}

QByteArray PDFPrinter::LineTo(double x, double y) const {
    return PagePoint(x, y) + " l";
}

QByteArray PDFPrinter::CurveTo(double x1, double y1, double x2, double y2, double x3,
                               double y3) const {
    return PagePoint(x1, y1) + " " + PagePoint(x2, y2) + " " + PagePoint(x3, y3) + " c";
}

void PDFPrinter::AppendDrawModeColours() {
    if (drawMode_.isEmpty()) {
        AppendLine(content_, lineColor_);
        return;
    }
    AppendLine(content_, fillColor_);
    if (drawMode_ == "DB")
        AppendLine(content_, lineColor_);
}

QByteArray PDFPrinter::PaintOperator(bool rectangle) const {
    if (drawMode_.isEmpty())
        return "s";
    if (drawMode_ == "D")
        return rectangle ? "f" : "h f";
    return "B";
}

void PDFPrinter::AppendStroke(const QByteArray& tag, double x1, double y1, double x2, double y2) {
    AppendLine(content_, "%DEBUT_" + tag + "/%");
    AppendLine(content_, lineStyle_);
    AppendLine(content_, MoveTo(x1, y1));
    AppendLine(content_, LineTo(x2, y2));
    AppendLine(content_, lineColor_);
    AppendLine(content_, FormatDecimal(lineWidth_ * k_, 2) + " w S");
    AppendLine(content_, "%FIN_" + tag + "/%");
}

void PDFPrinter::PDFDrawLineHor(double x, double y, double w) {
    RequirePage("PDFDrawLineHor");
    fillColor_ = AsFill(lineColor_);
    AppendStroke("LNH", x, y, x + w, y);
    x_ = x + w;
    y_ = y;
}

void PDFPrinter::PDFDrawLineVer(double x, double y, double h) {
    RequirePage("PDFDrawLineVer");
    fillColor_ = AsFill(lineColor_);
    AppendStroke("LNV", x, y, x, y + h);
    x_ = x;
    y_ = y + h;
}

void PDFPrinter::PDFDrawLine(double x1, double y1, double x2, double y2) {
    RequirePage("PDFDrawLine");
    AppendStroke("LN", x1, y1, x2, y2);
    x_ = std::max(x1, x2);
    y_ = std::max(y1, y2);
}

void PDFPrinter::PDFDrawRectangle(double x, double y, double w, double h, const QString& URLLink) {
    RequirePage("PDFDrawRectangle");
    Atomically([&] {
        AppendLine(content_, "%DEBUT_RECT/%");
        AppendDrawModeColours();
        AppendLine(content_, lineStyle_);
        AppendLine(content_, PagePoint(x, y) + " " + FormatDecimal(w * k_, 2) + " " +
                                 FormatDecimal(-h * k_, 2) + " re " + PaintOperator(true));
        AppendLine(content_, FormatDecimal(lineWidth_ * k_, 2) + " w S");
        PDFSetTextColor(kWhite);
        linkWidth_ = CInt(w);
        pendingLinkText_ = QStringLiteral("LINK");
        pendingLinkKind_ = "RECTANGLE";
        CheckLinkTarget(URLLink, "RECTANGLE", std::floor(x + 5), std::floor(y + h / 2));
        pendingLinkKind_.clear();
        AppendLine(content_, "%FIN_RECT/%");
        x_ = x;
        y_ = y + h;
    });
}

void PDFPrinter::PDFDrawEllipse(double x, double y, double rx, double ry, const QString& URLLink) {
    RequirePage("PDFDrawEllipse");
    Atomically([&] {
        if (ry == 0)
            ry = rx;
        const double a = rx / 2;
        const double b = ry / 2;
        const double cx = x + a;
        const double cy = y + b;
        AppendDrawModeColours();
        AppendLine(content_, lineStyle_);
        AppendLine(content_, MoveTo(x, cy));
        AppendLine(content_, CurveTo(x, cy - kKappa * b, cx - kKappa * a, y, cx, y));
        AppendLine(content_, CurveTo(cx + kKappa * a, y, x + rx, cy - kKappa * b, x + rx, cy));
        AppendLine(content_, CurveTo(x + rx, cy + kKappa * b, cx + kKappa * a, y + ry, cx, y + ry));
        AppendLine(content_, CurveTo(cx - kKappa * a, y + ry, x, cy + kKappa * b, x, cy));
        AppendLine(content_, FormatDecimal(lineWidth_ * k_, 2) + " w " + PaintOperator(false));
        PDFSetTextColor(kWhite);
        pendingLinkText_ = QStringLiteral("LINK");
        pendingLinkKind_ = "ELLIPSE";
        CheckLinkTarget(URLLink, "ELLIPSE", std::floor(x - a), std::floor(cy - kKappa * b));
        pendingLinkKind_.clear();
        x_ = x;
        y_ = cy;
    });
}

void PDFPrinter::PDFDrawPolygon(const std::vector<double>& pParam) {
    RequirePage("PDFDrawPolygon");
    if (pParam.size() < 2 || pParam.size() % 2 != 0)
        throw PDFError(PDFError::Kind::BadArgument,
                       QStringLiteral("O polígono precisa de pares de coordenadas x, y (recebeu "
                                      "%1 números).")
                           .arg(pParam.size()));
    AppendDrawModeColours();
    AppendLine(content_, "%DEBUT_POLY/%");
    AppendLine(content_, lineStyle_);
    AppendLine(content_, MoveTo(pParam[0], pParam[1]));
    for (std::size_t i = 2; i + 1 < pParam.size(); i += 2)
        AppendLine(content_, LineTo(pParam[i], pParam[i + 1]));
    AppendLine(content_, LineTo(pParam[0], pParam[1]));
    AppendLine(content_, FormatDecimal(lineWidth_ * k_, 2) + " w " + PaintOperator(false));
    AppendLine(content_, "%FIN_POLY/%");
}
