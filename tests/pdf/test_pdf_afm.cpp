#include "pdf/afm_metrics.h"
#include "tests/pdf/pdf_test_support.h"

using namespace pdftest;

class Metrics : public PdfTest {
protected:
    // The BaseFont names of a one-page document, in object order.
    QByteArrayList baseFonts(const std::function<void(PDFPrinter&)>& load) {
        const QString file = path(QStringLiteral("fontes.pdf"));
        {
            PDFPrinter p;
            p.PDFFileName(file);
            load(p);
            p.PDFBeginDoc();
            p.PDFEndPage();
            p.PDFEndDoc();
        }
        expectQpdfClean(file);
        QByteArrayList names;
        for (const QByteArray& line : readFile(file).split('\n')) {
            if (line.startsWith("/BaseFont /"))
                names << line.mid(11).trimmed();
        }
        return names;
    }
};

TEST_F(Metrics, ReaderTakesTheEncodedSectionOnly) {
    const afm::Widths helvetica =
        afm::readWidths(dataPath(QStringLiteral("fixtures/afm/Helvetica.afm")));
    EXPECT_EQ(helvetica[32], 278);
    EXPECT_EQ(helvetica[40], 333);
    EXPECT_EQ(helvetica[98], 556);
    EXPECT_EQ(helvetica[233], 556); // whole part of 556.7
    EXPECT_EQ(helvetica[99], 0);    // not listed
    EXPECT_EQ(helvetica[31], 0);    // below the first code
    EXPECT_EQ(helvetica[250], 0);   // after the first unencoded character
    // A section closed by EndCharMetrics alone ends at its last line.
    const afm::Widths courier =
        afm::readWidths(dataPath(QStringLiteral("fixtures/afm/Courier.afm")));
    EXPECT_EQ(courier[65], 600);
    EXPECT_EQ(courier[67], 600);
    EXPECT_EQ(courier[68], 0);
}

// A damaged file is refused as a whole, and a document whose font it is
// leaves no file.
TEST_F(Metrics, DamagedOrMissingFilesAreRefused) {
    const QByteArray head = "StartFontMetrics 4.1\nStartCharMetrics 2\nC 97 ; WX 500 ; N a ;\n";
    const std::pair<const char*, QByteArray> damaged[] = {
        {"SemPontoEVirgula.afm", "StartCharMetrics 1\nC 97 WX 500\nEndCharMetrics\n"},
        {"Enorme.afm", head + "C 98 ; WX 1e30 ; N b ;\nEndCharMetrics\n"},
        {"NaoNumero.afm", head + "C 98 ; WX nan ; N b ;\nEndCharMetrics\n"},
        {"Negativa.afm", head + "C 98 ; WX -5 ; N b ;\nEndCharMetrics\n"},
        {"Cortada.afm", head + "C 98 ; WX 5"},
        {"SemSecao.afm", "StartFontMetrics 4.1\nFontName Vazia\n"},
    };
    for (const auto& [name, bytes] : damaged) {
        const QString file = path(QLatin1String(name));
        writeFile(file, bytes);
        try {
            afm::readWidths(file);
            ADD_FAILURE() << "read " << name;
        } catch (const PDFError& e) {
            EXPECT_EQ(e.kind(), PDFError::Kind::MissingMetrics);
            EXPECT_EQ(e.message(),
                      QStringLiteral("Arquivo de métricas de fonte inválido: %1.").arg(file));
        }
    }
    EXPECT_THROW(afm::readWidths(path(QStringLiteral("Nada.afm"))), PDFError);

    const QString fonts = path(QStringLiteral("fontes"));
    QDir().mkpath(fonts);
    QFile::copy(path(QStringLiteral("Cortada.afm")), QDir(fonts).filePath("Helvetica.afm"));
    const QString document = path(QStringLiteral("documento.pdf"));
    EXPECT_THROW(
        {
            PDFPrinter p;
            p.PDFFileName(document);
            p.PDFLoadAfm(fonts);
            p.PDFBeginDoc();
            p.PDFSetFont(0, 10, 0);
            p.PDFTextOut(QStringLiteral("a"), 10, 10);
            p.PDFEndPage();
            p.PDFEndDoc();
        },
        PDFError);
    EXPECT_FALSE(QFile::exists(document));
}

TEST_F(Metrics, StringWidthsFromTheFixtures) {
    PDFPrinter p;
    p.PDFLoadAfm(dataPath(QStringLiteral("fixtures/afm")));
    EXPECT_DOUBLE_EQ(p.PDFGetStringWidth(QStringLiteral("ab"), QStringLiteral("Helvetica"), 10),
                     8.34);
    EXPECT_DOUBLE_EQ(p.PDFGetStringWidth(QString(), QStringLiteral("Helvetica"), 10), 0);
    EXPECT_DOUBLE_EQ(p.PDFGetStringWidth(QStringLiteral("(é)"), QStringLiteral("Helvetica"), 12),
                     (333 + 556 + 333) * 12 / 1000.0);
    EXPECT_DOUBLE_EQ(p.PDFGetStringWidth(QStringLiteral("ABCD"), QStringLiteral("Courier"), 10),
                     18);
    p.PDFSetFont(1, 10, 0); // an empty font name means the current one
    EXPECT_DOUBLE_EQ(p.PDFGetStringWidth(QStringLiteral("AB"), QString(), 5), 6);
    using K = PDFError::Kind;
    auto kind = [&](const QString& text, const QString& font) -> std::optional<K> {
        try {
            p.PDFGetStringWidth(text, font, 10);
        } catch (const PDFError& e) {
            return e.kind();
        }
        return std::nullopt;
    };
    EXPECT_EQ(kind(QStringLiteral("a"), QStringLiteral("Arial")), K::MissingMetrics);
    EXPECT_EQ(
        kind(QStringLiteral("a") + QChar(0) + QStringLiteral("b"), QStringLiteral("Helvetica")),
        K::MissingMetrics);
}

// A font's file is read once for the document: when the font is set, or at
// its first measure; a new folder or a new document reads it again.
TEST_F(Metrics, AFontIsReadOnceForTheDocument) {
    const QString first = path(QStringLiteral("primeira"));
    const QString second = path(QStringLiteral("segunda"));
    QDir().mkpath(first);
    QDir().mkpath(second);
    auto metrics = [](const QString& folder, const char* font, int width) {
        writeFile(QDir(folder).filePath(QLatin1String(font) + QStringLiteral(".afm")),
                  "StartCharMetrics 1\nC 97 ; WX " + QByteArray::number(width) +
                      " ; N a ;\nEndCharMetrics\n");
    };
    metrics(first, "Helvetica", 400);
    metrics(first, "Muda", 500);
    metrics(second, "Muda", 600);
    PDFPrinter p;
    p.PDFLoadAfm(first);
    p.PDFSetFont(0, 10, 0);
    QFile::remove(QDir(first).filePath(QStringLiteral("Helvetica.afm")));
    EXPECT_EQ(p.PDFGetStringWidth(QStringLiteral("a"), QString(), 1000), 400);
    EXPECT_EQ(p.PDFGetStringWidth(QStringLiteral("a"), QStringLiteral("Muda"), 1000), 500);
    metrics(first, "Muda", 7000);
    EXPECT_EQ(p.PDFGetStringWidth(QStringLiteral("a"), QStringLiteral("Muda"), 1000), 500);
    p.PDFLoadAfm(second);
    EXPECT_EQ(p.PDFGetStringWidth(QStringLiteral("a"), QStringLiteral("Muda"), 1000), 600);
    PDFPrinter next;
    next.PDFLoadAfm(first);
    EXPECT_EQ(next.PDFGetStringWidth(QStringLiteral("a"), QStringLiteral("Muda"), 1000), 7000);
}

TEST_F(Metrics, TableOrderIgnoresLetterCase) {
    const QString folder = path(QStringLiteral("ordem"));
    QDir().mkpath(folder);
    for (const char* name : {"Courier.afm", "b.afm", "Courier-Bold.afm", "A.afm", "x.txt"})
        writeFile(QDir(folder).filePath(QLatin1String(name)),
                  "StartCharMetrics 0\nEndCharMetrics\n");
    EXPECT_EQ(baseFonts([&](PDFPrinter& p) { p.PDFLoadAfm(folder); }),
              QByteArrayList({"A", "b", "Courier-Bold", "Courier"}));
}

TEST_F(Metrics, ALoadWithoutMetricsChangesNothing) {
    const QString empty = path(QStringLiteral("vazia"));
    const QString one = path(QStringLiteral("uma"));
    QDir().mkpath(empty);
    QDir().mkpath(one);
    writeFile(QDir(one).filePath(QStringLiteral("Zeta.afm")), "");
    EXPECT_EQ(baseFonts([&](PDFPrinter& p) {
                  p.PDFLoadAfm(dataPath(QStringLiteral("fixtures/afm")));
                  p.PDFLoadAfm(empty);
              }),
              QByteArrayList({"Courier", "Helvetica", "notes.AFM"}));
    EXPECT_EQ(baseFonts([&](PDFPrinter& p) {
                  p.PDFLoadAfm(dataPath(QStringLiteral("fixtures/afm")));
                  p.PDFLoadAfm(one);
              }),
              QByteArrayList({"Zeta"}));
    PDFPrinter p;
    EXPECT_THROW(p.PDFLoadAfm(path(QStringLiteral("inexistente"))), PDFError);
}

TEST_F(Metrics, RealMetricsUnderTheStandardNames) {
    const QString folder = realFonts();
    EXPECT_EQ(folder, dir.filePath(QStringLiteral("fonts")));
    EXPECT_EQ(baseFonts([&](PDFPrinter& p) { p.PDFLoadAfm(folder); }),
              QByteArrayList({"Courier-Bold", "Courier-BoldOblique", "Courier-Oblique", "Courier",
                              "Helvetica-Bold", "Helvetica-BoldOblique", "Helvetica-Oblique",
                              "Helvetica", "Symbol", "Times-Bold", "Times-BoldItalic",
                              "Times-Roman", "ZapfDingbats"}));
    PDFPrinter p;
    p.PDFLoadAfm(folder);
    // Q 778, u e n d a o 556 each, r 333.
    EXPECT_DOUBLE_EQ(
        p.PDFGetStringWidth(QStringLiteral("Quendaro"), QStringLiteral("Helvetica"), 10), 44.47);
    EXPECT_DOUBLE_EQ(
        p.PDFGetStringWidth(QStringLiteral("1 2"), QStringLiteral("Helvetica-Bold"), 10),
        (556 + 278 + 556) / 100.0);
    EXPECT_DOUBLE_EQ(
        p.PDFGetStringWidth(QStringLiteral("Ordem 12|x"), QStringLiteral("Courier"), 12), 72);
}

TEST_F(Metrics, AFolderWithMetricsIsLeftAlone) {
    QDir().mkpath(path(QStringLiteral("fonts")));
    writeFile(path(QStringLiteral("fonts/Propria.AFM")), "");
    realFonts();
    EXPECT_EQ(QDir(path(QStringLiteral("fonts"))).entryList(QDir::Files),
              QStringList({QStringLiteral("Propria.AFM")}));
}
