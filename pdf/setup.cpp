// Document state and page set-up.
#include "pdf/pdf_printer.h"

#include "pdf/pdf_format.h"
#include "platform/dialogs.h"
#include "platform/program_folder.h"

#include <cmath>

using pdfformat::CInt;
using pdfformat::FormatDecimal;

namespace {

const QString kProduct = QStringLiteral("Quillane 4.0");
constexpr double kPointsPerCm = 72.0 / 2.54;
constexpr double kPointsPerMm = 72.0 / 25.4;

struct PageSize {
    double width;
    double height;
};

constexpr PageSize kA4{595.28, 841.89};

} // namespace

PDFPrinter::PDFPrinter() {
    PDFInit();
}

PDFPrinter::~PDFPrinter() {
    if (stage_ != Stage::Finished)
        CloseOutput(false);
}

void PDFPrinter::CriticalBox(const QString& caption, const QString& text) const {
    dlg::dialogs().show(dlg::Message{caption + kProduct, text, dlg::Icon::Critical,
                                     dlg::Buttons::Ok, dlg::Answer::Ok});
}

void PDFPrinter::InvalidCode(const QString& caption, const QString& sentence, const QString& value,
                             const QString& fallback) const {
    CriticalBox(caption, sentence + value + QStringLiteral(".\r\n") + fallback);
}

void PDFPrinter::RequirePage(const char* member) const {
    if (stage_ == Stage::Begun)
        return;
    throw PDFError(PDFError::Kind::OutOfOrder,
                   stage_ == Stage::SetUp
                       ? QStringLiteral("%1 chamado antes de PDFBeginDoc: não há página aberta.")
                             .arg(QLatin1String(member))
                       : QStringLiteral("%1 chamado depois de PDFEndDoc: o documento já foi "
                                        "concluído.")
                             .arg(QLatin1String(member)));
}

void PDFPrinter::ExtendPageLists(int index) {
    const auto size = static_cast<std::size_t>(index);
    if (pageWidths_.size() < size) {
        pageWidths_.resize(size, 0);
        pageHeights_.resize(size, 0);
        orientations_.resize(size);
    }
}

double PDFPrinter::PageHeight() const {
    return pageHeights_.at(static_cast<std::size_t>(pageIndex_ - 1));
}

double PDFPrinter::PageWidth() const {
    return pageWidths_.at(static_cast<std::size_t>(pageIndex_ - 1));
}

QByteArray PDFPrinter::PagePoint(double x, double y) const {
    return FormatDecimal(x * k_, 2) + " " + FormatDecimal(PageHeight() - y * k_, 2);
}

void PDFPrinter::PDFInit() {
    if (afmFolder_.isEmpty())
        SetAfmFolder(programfolder::path());
    PDFLoadAfm(afmFolder_);
    offsets_.clear();
    pageObjects_.clear();
    fontObjects_.clear();
    contentListUpper_ = -1;
    chunkCounter_ = 1;
    pageIndex_ = 1;
    underline_ = false;
    bold_ = false;
    italic_ = false;
    k_ = kPointsPerCm;
    defaultMargin_ = CInt(k_ / 28.35);
    PDFSetMargins(defaultMargin_, defaultMargin_, -1, -1);
    cellMargin_ = CInt(defaultMargin_ / 10.0 * k_);
    lineWidth_ = 0.567;
    x_ = leftMargin_;
    y_ = topMargin_;
    object_.clear();
    content_.clear();
    lineColor_ = "0 G";
    fillColor_ = "0 g";
    textColor_ = "0 g";
    pageWidths_.assign(1, kA4.width);
    pageHeights_.assign(1, kA4.height);
    orientations_.assign(1, "p");
    producer_.clear();
    author_.clear();
    creator_.clear();
    keywords_.clear();
    subject_.clear();
}

void PDFPrinter::PDFPathConfiguration(const QString& sPathConfig) {
    SetAfmFolder(sPathConfig);
}

void PDFPrinter::PDFSetViewerPreferences(qint32 pViewerPref) {
    viewerPreferences_ = pViewerPref;
    preferencesSet_ = true;
}

void PDFPrinter::PDFSetZoomMode(qint32 pZoomMode) {
    zoomMode_ = pZoomMode;
}

qint32 PDFPrinter::PDFGetZoomMode() const {
    return zoomMode_.value_or(0);
}

void PDFPrinter::PDFUseThumbs(bool boThumbs) {
    useThumbs_ = boThumbs;
}

void PDFPrinter::PDFUseOutlines(bool boOutlines) {
    useOutlines_ = boOutlines;
}

void PDFPrinter::PDFSetLayoutMode(qint32 pLayoutMode) {
    if (pLayoutMode < 0 || pLayoutMode > 3) {
        InvalidCode(QStringLiteral("Layout Mode - "), QStringLiteral("Layout incorrect : "),
                    QString::number(pLayoutMode),
                    QStringLiteral("Le Layout utilisé sera le layout simple."));
        pLayoutMode = 0;
    }
    layoutMode_ = pLayoutMode;
}

qint32 PDFPrinter::PDFGetLayoutMode() const {
    return layoutMode_.value_or(0);
}

void PDFPrinter::PDFSetUnit(qint32 str_Unite) {
    switch (str_Unite) {
    case 0:
        k_ = 1;
        break;
    case 1:
        k_ = kPointsPerMm;
        break;
    case 2:
        k_ = kPointsPerCm;
        break;
    default:
        InvalidCode(QStringLiteral("Code Unité de Mesure - "),
                    QStringLiteral("Code unité de mesure incorrect : "), QString::number(str_Unite),
                    QStringLiteral("L'Unité de Mesure utilisée sera le centimètre."));
        k_ = kPointsPerCm;
    }
}

QString PDFPrinter::PDFGetUnit() const {
    if (k_ == 1)
        return QStringLiteral("pt");
    if (k_ == kPointsPerMm)
        return QStringLiteral("mm");
    if (k_ == kPointsPerCm)
        return QStringLiteral("cm");
    return QString();
}

void PDFPrinter::PDFOrientation(qint32 str_Orientation) {
    ExtendPageLists(pageIndex_);
    const auto i = static_cast<std::size_t>(pageIndex_ - 1);
    const int w = CInt(pageWidths_[i]);
    const int h = CInt(pageHeights_[i]);
    if (str_Orientation != 0 && str_Orientation != 1)
        InvalidCode(QStringLiteral("Type d'Orientation de Page - "),
                    QStringLiteral("Code orientation de page incorrect : "),
                    QString::number(str_Orientation),
                    QStringLiteral("L'Orientation de la page sera le mode portrait."));
    if (str_Orientation == 0) {
        pageWidths_[i] = h;
        pageHeights_[i] = w;
        orientations_[i] = "l";
    } else {
        pageWidths_[i] = w;
        pageHeights_[i] = h;
        orientations_[i] = "p";
    }
}

void PDFPrinter::PDFFormatPage(const QVariant& str_FormatPage) {
    ExtendPageLists(pageIndex_);
    const auto i = static_cast<std::size_t>(pageIndex_ - 1);
    const QString caption = QStringLiteral("Format de Page - ");
    const QString sentence = QStringLiteral("Code format de page incorrect : ");
    PageSize size = kA4;
    const int type = str_FormatPage.typeId();
    if (type == QMetaType::Int) {
        static constexpr PageSize kSizes[] = {
            kA4, {841.89, 1190.55}, {420.94, 595.28}, {612, 792}, {612, 1008}};
        const int code = str_FormatPage.toInt();
        if (code >= 0 && code <= 4)
            size = kSizes[code];
        else
            InvalidCode(caption, sentence, QString::number(code),
                        QStringLiteral("Le Format de page utilisé sera le format A4."));
    } else if (type == QMetaType::QVariantList) {
        const QVariantList list = str_FormatPage.toList();
        if (list.size() < 2)
            throw PDFError(PDFError::Kind::BadArgument,
                           QStringLiteral("O formato de página precisa de largura e altura."));
        bool widthOk = false;
        bool heightOk = false;
        size = {list.at(0).toDouble(&widthOk), list.at(1).toDouble(&heightOk)};
        if (!widthOk || !heightOk || !std::isfinite(size.width) || !std::isfinite(size.height))
            throw PDFError(PDFError::Kind::BadArgument,
                           QStringLiteral("Largura e altura da página precisam ser números."));
    } else {
        InvalidCode(caption, sentence, str_FormatPage.toString(),
                    QStringLiteral("Le Format de page utilisé sera le format A4"));
    }
    pageWidths_[i] = size.width;
    pageHeights_[i] = size.height;
}

int PDFPrinter::PDFPageNumber() const {
    return pageNumber_;
}

int PDFPrinter::PDFNbPage() const {
    return contentListUpper_;
}

void PDFPrinter::PDFProducer(const QString& text) {
    producer_ = text;
}
void PDFPrinter::PDFSubject(const QString& text) {
    subject_ = text;
}
void PDFPrinter::PDFKeywords(const QString& text) {
    keywords_ = text;
}
void PDFPrinter::PDFCreator(const QString& text) {
    creator_ = text;
}
void PDFPrinter::PDFAuthor(const QString& text) {
    author_ = text;
}
void PDFPrinter::PDFTitle(const QString& text) {
    title_ = text;
}

void PDFPrinter::PDFPageHeight(double value) {
    ExtendPageLists(pageIndex_);
    pageHeights_[static_cast<std::size_t>(pageIndex_ - 1)] = value;
}

double PDFPrinter::PDFGetPageHeight() const {
    return PageHeight();
}

void PDFPrinter::PDFPageWidth(double value) {
    ExtendPageLists(pageIndex_);
    pageWidths_[static_cast<std::size_t>(pageIndex_ - 1)] = value;
}

double PDFPrinter::PDFGetPageWidth() const {
    return PageWidth();
}

void PDFPrinter::PDFSetLeftMargin(double value) {
    leftMargin_ = CInt(value);
}
double PDFPrinter::PDFGetLeftMargin() const {
    return leftMargin_;
}
void PDFPrinter::PDFSetRightMargin(double value) {
    rightMargin_ = CInt(value);
}
double PDFPrinter::PDFGetRightMargin() const {
    return rightMargin_;
}
void PDFPrinter::PDFSetTopMargin(double value) {
    topMargin_ = CInt(value);
}
double PDFPrinter::PDFGetTopMargin() const {
    return topMargin_;
}
void PDFPrinter::PDFSetBottomMargin(double value) {
    bottomMargin_ = CInt(value);
}
double PDFPrinter::PDFGetBottomMargin() const {
    return bottomMargin_;
}
void PDFPrinter::PDFSetCellMargin(double value) {
    cellMargin_ = CInt(value);
}
double PDFPrinter::PDFGetCellMargin() const {
    return cellMargin_;
}

void PDFPrinter::PDFSetMargins(int in_left, int in_top, int in_right, int in_bottom) {
    leftMargin_ = in_left;
    topMargin_ = in_top;
    rightMargin_ = in_right == -1 ? in_left : in_right;
    bottomMargin_ = in_bottom == -1 ? in_top : in_bottom;
}

int PDFPrinter::PDFGetX() const {
    return CInt(x_);
}

int PDFPrinter::PDFGetY() const {
    return CInt(y_);
}

void PDFPrinter::PDFSetLineStyle(qint32 pLineStyle) {
    static const std::vector<std::vector<int>> kDashes = {
        {}, {16, 8}, {8, 7, 2, 7}, {8, 4, 2, 4, 2, 4}};
    if (pLineStyle < 0 || pLineStyle > 3) {
        InvalidCode(QStringLiteral("Style de Ligne - "),
                    QStringLiteral("Code style de ligne incorrect : "), QString::number(pLineStyle),
                    QStringLiteral("Le style de ligne utilisé sera pSolid."));
        pLineStyle = 0;
    }
    const std::vector<int>& dashes = kDashes[static_cast<std::size_t>(pLineStyle)];
    if (dashes.empty()) {
        lineStyle_ = "[] 0 d";
        return;
    }
    QByteArrayList numbers;
    for (int n : dashes)
        numbers << QByteArray::number(static_cast<qint64>(std::floor(k_ * n)));
    lineStyle_ = "[" + numbers.join(' ') + " ] 0 d";
}

void PDFPrinter::PDFSetLineWidth(double pLineWidth) {
    lineWidth_ = pLineWidth;
}

void PDFPrinter::PDFSetDrawMode(qint32 pDrawMode) {
    switch (pDrawMode) {
    case 0:
        drawMode_ = "";
        break;
    case 1:
        drawMode_ = "D";
        break;
    case 2:
        drawMode_ = "DB";
        break;
    default:
        InvalidCode(QStringLiteral("Objet Rectangle - "),
                    QStringLiteral("Code type de traçage incorrect : "), QString::number(pDrawMode),
                    QStringLiteral("Le type de traçage utilisé sera bordure et remplissage."));
        drawMode_ = "DB";
    }
}

void PDFPrinter::PDFSetFont(qint32 str_Fontname, int in_FontSize, qint32 str_Style) {
    static const QStringList kFamilies = {QStringLiteral("Helvetica"), QStringLiteral("Courier"),
                                          QStringLiteral("Times"), QStringLiteral("Symbol"),
                                          QStringLiteral("ZapfDingbats")};
    if (str_Fontname < 0 || str_Fontname >= kFamilies.size()) {
        InvalidCode(
            QStringLiteral("Nom de Font - "), QStringLiteral("Nom de font incorrecte : "),
            QString::number(str_Fontname),
            QStringLiteral("La font utilisée sera Times New Roman non gras , non italique."));
        fontName_ = QStringLiteral("TimesRoman");
        italic_ = false;
        bold_ = false;
        fontSize_ = in_FontSize;
        ResolveFontWidths();
        return;
    }
    const QString family = kFamilies.at(str_Fontname);
    const bool times = family == QLatin1String("Times");
    const QString style = QString::number(str_Style);
    italic_ = style.contains(QLatin1Char('1'));
    bold_ = style.contains(QLatin1Char('2'));
    if (style.contains(QLatin1Char('3')))
        underline_ = true;
    if (italic_ && !bold_)
        fontName_ = times ? QStringLiteral("TimesItalic") : family + QStringLiteral("-Oblique");
    else if (italic_ && bold_)
        fontName_ =
            family + (times ? QStringLiteral("-BoldItalic") : QStringLiteral("-BoldOblique"));
    else if (bold_)
        fontName_ = family + QStringLiteral("-Bold");
    else
        fontName_ = times ? QStringLiteral("Times-Roman") : family;
    fontSize_ = in_FontSize;
    ResolveFontWidths();
}
