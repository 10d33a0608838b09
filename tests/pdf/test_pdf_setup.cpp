#include "tests/pdf/pdf_test_support.h"
#include "tests/support/scripted_dialogs.h"

#include <functional>

using namespace pdftest;

class SetUp : public PdfTest {};

TEST_F(SetUp, ANewWriterStartsInCentimetresOnA4) {
    PDFPrinter p;
    EXPECT_EQ(p.PDFGetUnit(), QStringLiteral("cm"));
    EXPECT_DOUBLE_EQ(p.PDFGetPageWidth(), 595.28);
    EXPECT_DOUBLE_EQ(p.PDFGetPageHeight(), 841.89);
    EXPECT_EQ(p.PDFGetLeftMargin(), 1);
    EXPECT_EQ(p.PDFGetTopMargin(), 1);
    EXPECT_EQ(p.PDFGetRightMargin(), 1);
    EXPECT_EQ(p.PDFGetBottomMargin(), 1);
    EXPECT_EQ(p.PDFGetCellMargin(), 3);
    EXPECT_EQ(p.PDFGetX(), 1);
    EXPECT_EQ(p.PDFGetY(), 1);
    EXPECT_EQ(p.PDFGetLineColor(), QStringLiteral("0 G"));
    EXPECT_EQ(p.PDFGetDrawColor(), QStringLiteral("0 g"));
    EXPECT_EQ(p.PDFGetTextColor(), QStringLiteral("0 g"));
    EXPECT_EQ(p.PDFNbPage(), -1);
}

TEST_F(SetUp, UnitsAndPageFormats) {
    testsupport::ScriptedDialogs dialogs;
    PDFPrinter p;
    const std::pair<int, const char*> units[] = {{0, "pt"}, {1, "mm"}, {2, "cm"}, {3, "cm"}};
    for (const auto& [code, unit] : units) {
        p.PDFSetUnit(code);
        EXPECT_EQ(p.PDFGetUnit(), QLatin1String(unit)) << code;
    }
    EXPECT_EQ(dialogs.messages().size(), 1u); // only code 3

    struct Format {
        QVariant value;
        double width, height;
    };
    const Format formats[] = {{0, 595.28, 841.89}, {1, 841.89, 1190.55},
                              {2, 420.94, 595.28}, {3, 612, 792},
                              {4, 612, 1008},      {QVariantList{300, 400.5}, 300, 400.5}};
    for (const Format& f : formats) {
        p.PDFFormatPage(f.value);
        EXPECT_DOUBLE_EQ(p.PDFGetPageWidth(), f.width);
        EXPECT_DOUBLE_EQ(p.PDFGetPageHeight(), f.height);
    }
    // Orientation rounds to whole points and exchanges for landscape, every time.
    p.PDFFormatPage(0);
    p.PDFOrientation(1);
    EXPECT_EQ(p.PDFGetPageWidth(), 595);
    EXPECT_EQ(p.PDFGetPageHeight(), 842);
    p.PDFOrientation(0);
    EXPECT_EQ(p.PDFGetPageWidth(), 842);
    EXPECT_EQ(p.PDFGetPageHeight(), 595);
    p.PDFOrientation(0);
    EXPECT_EQ(p.PDFGetPageWidth(), 595);
    p.PDFPageWidth(100.5);
    p.PDFPageHeight(200.25);
    EXPECT_EQ(p.PDFGetPageWidth(), 100.5);
    EXPECT_EQ(p.PDFGetPageHeight(), 200.25);
}

TEST_F(SetUp, MarginsAreWholeNumbers) {
    PDFPrinter p;
    p.PDFSetMargins(2, 3);
    EXPECT_EQ(p.PDFGetLeftMargin(), 2);
    EXPECT_EQ(p.PDFGetTopMargin(), 3);
    EXPECT_EQ(p.PDFGetRightMargin(), 2);
    EXPECT_EQ(p.PDFGetBottomMargin(), 3);
    p.PDFSetMargins(2, 3, 4, 5);
    EXPECT_EQ(p.PDFGetRightMargin(), 4);
    EXPECT_EQ(p.PDFGetBottomMargin(), 5);
    p.PDFSetLeftMargin(2.5);
    EXPECT_EQ(p.PDFGetLeftMargin(), 2); // halves to even
    p.PDFSetLeftMargin(3.5);
    EXPECT_EQ(p.PDFGetLeftMargin(), 4);
    p.PDFSetCellMargin(1.4);
    EXPECT_EQ(p.PDFGetCellMargin(), 1);
}

TEST_F(SetUp, InvalidCodesAreReportedInTheirOwnWords) {
    struct Case {
        std::function<void(PDFPrinter&)> call;
        const char* title;
        const char* text;
    };
    const Case cases[] = {
        {[](PDFPrinter& p) { p.PDFSetUnit(7); }, "Code Unité de Mesure - Quillane 4.0",
         "Code unité de mesure incorrect : 7.\r\nL'Unité de Mesure utilisée sera le centimètre."},
        {[](PDFPrinter& p) { p.PDFOrientation(5); }, "Type d'Orientation de Page - Quillane 4.0",
         "Code orientation de page incorrect : 5.\r\nL'Orientation de la page sera le mode "
         "portrait."},
        {[](PDFPrinter& p) { p.PDFFormatPage(9); }, "Format de Page - Quillane 4.0",
         "Code format de page incorrect : 9.\r\nLe Format de page utilisé sera le format A4."},
        {[](PDFPrinter& p) { p.PDFFormatPage(QVariant::fromValue<short>(0)); },
         "Format de Page - Quillane 4.0",
         "Code format de page incorrect : 0.\r\nLe Format de page utilisé sera le format A4"},
        {[](PDFPrinter& p) { p.PDFSetLayoutMode(-1); }, "Layout Mode - Quillane 4.0",
         "Layout incorrect : -1.\r\nLe Layout utilisé sera le layout simple."},
        {[](PDFPrinter& p) { p.PDFSetLineStyle(4); }, "Style de Ligne - Quillane 4.0",
         "Code style de ligne incorrect : 4.\r\nLe style de ligne utilisé sera pSolid."},
        {[](PDFPrinter& p) { p.PDFSetDrawMode(3); }, "Objet Rectangle - Quillane 4.0",
         "Code type de traçage incorrect : 3.\r\nLe type de traçage utilisé sera bordure et "
         "remplissage."},
        {[](PDFPrinter& p) { p.PDFSetFont(9, 10, 0); }, "Nom de Font - Quillane 4.0",
         "Nom de font incorrecte : 9.\r\nLa font utilisée sera Times New Roman non gras , non "
         "italique."},
        {[](PDFPrinter& p) { p.PDFSetDrawColor(QStringLiteral("red")); },
         "Couleur HTMl - Quillane 4.0",
         "Code couleur HTMl invalide red.\r\nLa couleur utilisée sera le noir."},
        {[](PDFPrinter& p) { p.PDFSetTextColor(QStringLiteral("#12G456")); },
         "Couleur HTMl - Quillane 4.0",
         "Code couleur HTMl invalide #12G456.\r\nLa couleur utilisée sera le noir."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        testsupport::ScriptedDialogs dialogs;
        PDFPrinter p;
        c.call(p);
        ASSERT_EQ(dialogs.messages().size(), 1u);
        const dlg::Message m = dialogs.messages().front();
        EXPECT_EQ(m.title, QString::fromUtf8(c.title));
        EXPECT_EQ(m.text, QString::fromUtf8(c.text));
        EXPECT_EQ(m.icon, dlg::Icon::Critical);
        EXPECT_EQ(m.buttons, dlg::Buttons::Ok);
    }
}

TEST_F(SetUp, FallbacksAfterInvalidCodes) {
    testsupport::ScriptedDialogs dialogs;
    PDFPrinter p;
    p.PDFSetLayoutMode(4);
    EXPECT_EQ(p.PDFGetLayoutMode(), 0);
    p.PDFSetLayoutMode(3);
    EXPECT_EQ(p.PDFGetLayoutMode(), 3);
    p.PDFFormatPage(2);
    p.PDFFormatPage(QVariant::fromValue<short>(2)); // a 16-bit code is not a code
    EXPECT_DOUBLE_EQ(p.PDFGetPageWidth(), 595.28);
    p.PDFSetDrawColor(QStringLiteral("red"));
    EXPECT_EQ(p.PDFGetDrawColor(), QStringLiteral("0.000 0.000 0.000 rg"));
    p.PDFSetZoomMode(-20); // any number is a zoom
    EXPECT_EQ(p.PDFGetZoomMode(), -20);
    EXPECT_EQ(dialogs.messages().size(), 3u);
}

TEST_F(SetUp, ColoursInEveryForm) {
    testsupport::ScriptedDialogs dialogs;
    PDFPrinter p;
    p.PDFSetLineColor(16711680);
    EXPECT_EQ(p.PDFGetLineColor(), QStringLiteral("0.000 0.000 1.000 RG"));
    p.PDFSetLineColor(255.9); // whole part
    EXPECT_EQ(p.PDFGetLineColor(), QStringLiteral("1.000 0.000 0.000 RG"));
    p.PDFSetTextColor(QStringLiteral("#FF8000"));
    EXPECT_EQ(p.PDFGetTextColor(), QStringLiteral("1.000 0.502 0.000 rg"));
    p.PDFSetTextColor(QVariantList{0, 0, 255});
    EXPECT_EQ(p.PDFGetTextColor(), QStringLiteral("0.000 0.000 1.000 rg"));
    p.PDFSetDrawColor(QStringLiteral("#1234567")); // the last six digits
    EXPECT_EQ(p.PDFGetDrawColor(), QStringLiteral("0.137 0.271 0.404 rg"));
    p.PDFSetDrawColor(QStringLiteral("#12")); // too short
    EXPECT_EQ(p.PDFGetDrawColor(), QStringLiteral("0.000 0.000 0.000 rg"));
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

// Each font the selection can form has a metric file whose "a" is as wide as
// its number in this list, so the width tells which file was chosen.
TEST_F(SetUp, FontSelectionFormsTheMetricNames) {
    const QStringList names = {
        QStringLiteral("Helvetica"),        QStringLiteral("Helvetica-Oblique"),
        QStringLiteral("Helvetica-Bold"),   QStringLiteral("Helvetica-BoldOblique"),
        QStringLiteral("Courier-Oblique"),  QStringLiteral("Times-Roman"),
        QStringLiteral("TimesItalic"),      QStringLiteral("Times-Bold"),
        QStringLiteral("Times-BoldItalic"), QStringLiteral("Symbol-BoldOblique"),
        QStringLiteral("ZapfDingbats"),     QStringLiteral("TimesRoman")};
    for (int i = 0; i < names.size(); ++i)
        writeFile(path(names[i] + QStringLiteral(".afm")), "StartCharMetrics 1\nC 97 ; WX " +
                                                               QByteArray::number(i + 1) +
                                                               " ; N a ;\nEndCharMetrics\n");
    struct Case {
        int code, style;
        const char* name;
    };
    const Case cases[] = {{0, 0, "Helvetica"},         {0, 1, "Helvetica-Oblique"},
                          {0, 2, "Helvetica-Bold"},    {0, 12, "Helvetica-BoldOblique"},
                          {0, 3, "Helvetica"},         {1, 1, "Courier-Oblique"},
                          {2, 0, "Times-Roman"},       {2, 1, "TimesItalic"},
                          {2, 2, "Times-Bold"},        {2, 12, "Times-BoldItalic"},
                          {2, 21, "Times-BoldItalic"}, {3, 12, "Symbol-BoldOblique"},
                          {4, 0, "ZapfDingbats"},      {9, 2, "TimesRoman"},
                          {-1, 1, "TimesRoman"}};
    testsupport::ScriptedDialogs dialogs;
    PDFPrinter p;
    p.PDFLoadAfm(dir.path());
    for (const Case& c : cases) {
        p.PDFSetFont(c.code, 1000, c.style);
        EXPECT_EQ(p.PDFGetStringWidth(QStringLiteral("a"), QString(), 1000),
                  names.indexOf(QLatin1String(c.name)) + 1)
            << c.code << "/" << c.style;
    }
    EXPECT_EQ(dialogs.messages().size(), 2u);
}
