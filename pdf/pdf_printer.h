#pragma once

#include "pdf/afm_metrics.h"
#include "pdf/pdf_error.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// The system's own PDF 1.3 writer: one object writes one document. A caller
// names the output file, sets the document up, calls PDFBeginDoc, draws page
// by page (PDFEndPage, then PDFNewPage before each further page) and finishes
// with PDFEndDoc. Lengths are in the user unit, measured from the top-left
// corner of the page; page sizes are kept in points. Invalid set-up codes are
// reported in a message box and replaced by a default; calls the document's
// state does not allow, and input that cannot make a valid file, throw
// PDFError. A document abandoned before PDFEndDoc completes leaves no file.
class PDFPrinter {
public:
    PDFPrinter();
    ~PDFPrinter();
    PDFPrinter(const PDFPrinter&) = delete;
    PDFPrinter& operator=(const PDFPrinter&) = delete;

    void PDFPathConfiguration(const QString& sPathConfig);
    void PDFSetViewerPreferences(qint32 pViewerPref);
    void PDFFiligran(const QString& sFiligran);
    void PDFSetZoomMode(qint32 pZoomMode);
    qint32 PDFGetZoomMode() const;
    void PDFUseThumbs(bool boThumbs);
    void PDFUseOutlines(bool boOutlines);
    void PDFSetLayoutMode(qint32 pLayoutMode);
    qint32 PDFGetLayoutMode() const;
    void PDFSetUnit(qint32 str_Unite);
    QString PDFGetUnit() const;
    void PDFOrientation(qint32 str_Orientation);
    // A 32-bit integer code (QMetaType::Int), or a list of two numbers: width
    // and height in points. Any other type is reported and gives A4.
    void PDFFormatPage(const QVariant& str_FormatPage);
    int PDFPageNumber() const;
    int PDFNbPage() const;
    void PDFProducer(const QString& text);
    void PDFSubject(const QString& text);
    void PDFKeywords(const QString& text);
    void PDFCreator(const QString& text);
    void PDFAuthor(const QString& text);
    void PDFTitle(const QString& text);
    void PDFFileName(const QString& str_FileName);
    QString PDFGetFileName() const;
    void PDFConfirm(bool boConfirm);
    void PDFView(bool boView);
    void PDFPageHeight(double value);
    double PDFGetPageHeight() const;
    void PDFPageWidth(double value);
    double PDFGetPageWidth() const;
    void PDFSetLeftMargin(double value);
    double PDFGetLeftMargin() const;
    void PDFSetRightMargin(double value);
    double PDFGetRightMargin() const;
    void PDFSetTopMargin(double value);
    double PDFGetTopMargin() const;
    void PDFSetBottomMargin(double value);
    double PDFGetBottomMargin() const;
    void PDFSetCellMargin(double value);
    double PDFGetCellMargin() const;
    // -1 for the right margin takes the left one, -1 for the bottom the top.
    void PDFSetMargins(int in_left, int in_top, int in_right = -1, int in_bottom = -1);
    int PDFGetX() const;
    int PDFGetY() const;
    void PDFSetLineStyle(qint32 pLineStyle);
    void PDFSetLineWidth(double pLineWidth);
    void PDFSetDrawMode(qint32 pDrawMode);
    // Font code 0 Helvetica, 1 Courier, 2 Times, 3 Symbol, 4 ZapfDingbats;
    // style digits 1 italic, 2 bold, 3 underline.
    void PDFSetFont(qint32 str_Fontname, int in_FontSize, qint32 str_Style);
    void PDFDrawEllipse(double x, double y, double rx, double ry, const QString& URLLink = {});
    void PDFDrawPolygon(const std::vector<double>& pParam);
    void PDFDrawLineHor(double x, double y, double w);
    void PDFDrawLineVer(double x, double y, double h);
    void PDFDrawLine(double x1, double y1, double x2, double y2);
    void PDFDrawRectangle(double x, double y, double w, double h, const QString& URLLink = {});
    // A colour is a list of red, green and blue (0 to 255), a number with red
    // in its lowest byte, or a text "#RRGGBB".
    void PDFSetTextColor(const QVariant& gColor);
    QString PDFGetTextColor() const;
    void PDFSetLineColor(const QVariant& gColor);
    QString PDFGetLineColor() const;
    void PDFSetDrawColor(const QVariant& gColor);
    QString PDFGetDrawColor() const;
    void PDFSetAlignement(qint32 gAlignement);
    QString PDFGetAlignement() const;
    void PDFLink(double x, double y, const QString& str_Text, const QString& str_Link);
    double PDFTextHeight() const;
    void PDFSetRotation(double pAngle);
    void PDFTextOut(const QString& str_Text, double x = 0, double y = 0);
    void PDFSetBorder(qint32 gBorder);
    void PDFSetFill(bool bFill);
    void PDFCell(const QString& str_Text, double x, double y, double w, double h,
                 const QString& URLLink = {});
    double PDFImageWidth(const QString& pFileName);
    double PDFImageHeight(const QString& pFileName);
    void PDFImage(const QString& pFileName, double x, double y, double w = 0, double h = 0,
                  const QString& URLLink = {});
    void PDFBeginDoc();
    void PDFEndDoc();
    void PDFEndPage();
    void PDFNewPage();
    // Width in points; an empty font name means the current font.
    double PDFGetStringWidth(const QString& str_Txt, const QString& str_FName, int in_FSize);
    void PDFLoadAfm(const QString& sPathAFM);
    void PDFInit();
    // y = -1 means the current Y.
    void PDFSetBookmark(const QString& str_Text, int iLevel, double y = -1);

private:
    enum class Stage { SetUp, Begun, Finished };

    struct LinkArea {
        double x, y, w, h; // points: left, top, width, height
        QByteArray target;
    };

    struct JpegImage {
        int width = 0;
        int height = 0;
        QByteArray colourSpace;
        int bitsPerComponent = 8;
        QByteArray filter;
        QByteArray data; // the file's bytes, unchanged
        QString densityUnit;
        qint64 size = 0;
        // Adobe's own APP14 segment: a CMYK picture stored inverted.
        bool adobe = false;
    };

    struct OutlineItem {
        QByteArray title; // a text string, delimiters included
        int level = 0;
        double y = 0;
        int page = 1;
    };

    // Set-up.
    // The writer's critical box: `caption` and the writer's name as its title.
    void CriticalBox(const QString& caption, const QString& text) const;
    // "`sentence` `value`." and the fallback taken, in a critical box.
    void InvalidCode(const QString& caption, const QString& sentence, const QString& value,
                     const QString& fallback) const;
    void ExtendPageLists(int index);
    double PageHeight() const;
    double PageWidth() const;
    // A position in the user unit as the page's "x y" in points, y counted
    // from the bottom edge.
    QByteArray PagePoint(double x, double y) const;
    void RequirePage(const char* member) const;
    // Runs a drawing member so that, if it throws, the page content and the
    // image list are as they were before it.
    void Atomically(const std::function<void()>& draw);

    // Output.
    void AddObjectOffset(qsizetype length);
    void WriteChunk(const QByteArray& chunk);
    int BeginObject();
    void OpenPageStream();
    void ClosePageStream();
    void PutInfo();
    void PutPages();
    void PutResources();
    void PutPageObjects();
    void PutCatalog();
    void PutXref();
    void WriteLine(const QByteArray& line);
    void CloseOutput(bool keep);
    void AfterEndDoc();

    // Fonts.
    void PutFonts();
    void PutFont(const QByteArray& subtype, const QByteArray& name, const QByteArray& encoding);
    QString MetricsPath(const QString& fontName) const;
    // The folder the metric files are read from; a new folder forgets the
    // widths read from the old one.
    void SetAfmFolder(const QString& folder);
    // The font's widths, read from its file the first time the document
    // needs them and kept for the document.
    const afm::Widths& FontWidths(const QString& font);
    // Called when a font is set: its widths are read now, once for the
    // document. A font without a metric file fails at its first text.
    void ResolveFontWidths();
    double MeasureBytes(const QByteArray& text, const QString& font, int size);
    static double Measure(const QByteArray& text, const afm::Widths& widths, int size);
    QByteArray DrawUnderline(bool pageCoordinates, const QByteArray& text, double x, double y);

    // Outlines and watermark.
    void PutOutlines();
    void DrawFiligran();
    void DrawFiligranText(double x, double y, const QString& text, double angle);

    // Text and cells.
    int FontIndex() const;
    void ApplyFontSizeRule();
    void TextMatrix(double angle, double x, double y);
    void CellLine(const QByteArray& text, double x, double y, double w, double h);
    static int CountOccurrences(const QByteArray& text, char pattern);

    // Links and pictures.
    void AddLinkArea(double x, double y, double w, double h, const QByteArray& target);
    QByteArray Annotations(int page) const;
    std::optional<JpegImage> CheckedImage(const QString& fileName);
    std::optional<JpegImage> ReadJpeg(const QString& fileName);
    void ImageMessage(const QString& text) const;
    void PutImage(int n);

    // Lines, shapes and colours.
    QByteArray MoveTo(double x, double y) const;
    QByteArray LineTo(double x, double y) const;
    QByteArray CurveTo(double x1, double y1, double x2, double y2, double x3, double y3) const;
    void AppendStroke(const QByteArray& tag, double x1, double y1, double x2, double y2);
    void AppendDrawModeColours();
    QByteArray PaintOperator(bool rectangle) const;
    QByteArray ColourFor(const QVariant& gColor, const char* kind) const;
    void CheckLinkTarget(const QString& target, const QByteArray& kind, double x, double y);

    // Page content.
    QByteArray content_;

    // Set-up state.
    QString afmFolder_;
    QStringList fontTable_;
    // Node-based: the current font's entry stays put while others are added.
    std::map<QString, afm::Widths> fontWidths_;
    const afm::Widths* currentWidths_ = nullptr; // of fontName_, once read
    QString fileName_;
    QString resolvedPath_;
    std::unique_ptr<QFile> output_;
    QString outputFailure_;
    bool confirm_ = false;
    bool view_ = false;
    double k_ = 72.0 / 2.54;
    int pageIndex_ = 1;
    std::vector<double> pageWidths_; // 1-based through ExtendPageLists: entry i at i - 1
    std::vector<double> pageHeights_;
    std::vector<QByteArray> orientations_;
    int defaultMargin_ = 1;
    int leftMargin_ = 1;
    int topMargin_ = 1;
    int rightMargin_ = 1;
    int bottomMargin_ = 1;
    int cellMargin_ = 3;
    double x_ = 1;
    double y_ = 1;
    QByteArray lineStyle_;
    double lineWidth_ = 0.567;
    QByteArray drawMode_;
    QByteArray textColor_ = "0 g";
    QByteArray lineColor_ = "0 G";
    QByteArray fillColor_ = "0 g";
    QString fontName_;
    int fontSize_ = 0;
    bool italic_ = false;
    bool bold_ = false;
    bool underline_ = false;
    double wordSpacing_ = 0;
    std::optional<qint32> zoomMode_;
    std::optional<qint32> layoutMode_;
    qint32 viewerPreferences_ = 0;
    bool preferencesSet_ = false;
    bool useThumbs_ = false;
    bool useOutlines_ = false;
    QString title_;
    QString author_;
    QString creator_;
    QString keywords_;
    QString subject_;
    QString producer_;
    int pageNumber_ = 1;

    // Output bookkeeping.
    Stage stage_ = Stage::SetUp;
    int objectCounter_ = 0;
    int chunkCounter_ = 1;
    qint64 byteOffset_ = 0;
    std::vector<qint64> offsets_; // entry k at k - 1
    QByteArray object_;
    qsizetype streamHeaderLength_ = 0;
    int contentListUpper_ = -1;
    std::vector<int> pageObjects_;
    int pagesObject_ = 0;
    int resourcesObject_ = 0;
    int catalogObject_ = 0;
    int fontCount_ = 0;
    std::vector<int> fontObjects_;
    int imageCount_ = 0;

    // Text and cells.
    double rotation_ = 0;
    QByteArray alignment_;
    QByteArray border_;
    bool fill_ = false;
    QString watermark_;
    bool watermarkSet_ = false;

    // Links, by page number.
    std::vector<std::vector<LinkArea>> links_;
    QString pendingLinkText_;
    QByteArray pendingLinkKind_;
    bool imageLink_ = false;
    int linkWidth_ = 0;
    double lastImageWidth_ = 0;
    double lastImageHeight_ = 0;

    // Pictures: entry n - 1 is /ImgJPEGn.
    std::vector<JpegImage> images_;

    // Outlines.
    std::vector<OutlineItem> outlines_;
    int outlineRoot_ = 0;
};
