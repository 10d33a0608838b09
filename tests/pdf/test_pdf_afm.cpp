#include "pdf/afm_metrics.h"
#include "tests/pdf/pdf_test_support.h"

#include <map>

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

// Every glyph up to EndCharMetrics counts, the unencoded ones too, and a
// byte takes the width of the glyph WinAnsiEncoding names for it.
TEST_F(Metrics, ReaderMeasuresEachByteByItsGlyphName) {
    const afm::Widths helvetica =
        afm::readWidths(dataPath(QStringLiteral("fixtures/afm/Helvetica.afm")));
    EXPECT_EQ(helvetica[32], 278);
    EXPECT_EQ(helvetica[40], 333);
    EXPECT_EQ(helvetica[98], 556);
    EXPECT_EQ(helvetica[233], 556); // eacute, whole part of 556.7
    EXPECT_EQ(helvetica[193], 667); // Aacute, listed unencoded
    EXPECT_EQ(helvetica[160], 278); // the no-break space draws a space
    // A glyph the file lacks measures as the blank, as the file has no
    // .notdef: "c", a control code, "uacute" (the code 250 line names
    // another glyph).
    for (int code : {99, 31, 1, 250})
        EXPECT_EQ(helvetica[static_cast<std::size_t>(code)], 278) << code;
    // Neither .notdef nor a blank: the widest glyph.
    const afm::Widths courier =
        afm::readWidths(dataPath(QStringLiteral("fixtures/afm/Courier.afm")));
    EXPECT_EQ(courier[65], 600);
    EXPECT_EQ(courier[67], 600);
    EXPECT_EQ(courier[68], 600);

    const QString own = path(QStringLiteral("Propria.afm"));
    writeFile(own, "StartFontMetrics 4.1\nEncodingScheme AdobeStandardEncoding\n"
                   "StartCharMetrics 5\nC 39 ; WX 222 ; N quoteright ;\n"
                   "C 96 ; WX 221 ; N quoteleft ;\nC -1 ; WX 191 ; N quotesingle ;\n"
                   "C -1 ; WX 333 ; N grave ;\nC -1 ; WX 300 ; N .notdef ;\n"
                   "EndCharMetrics\n");
    const afm::Widths quotes = afm::readWidths(own);
    EXPECT_EQ(quotes[39], 191);
    EXPECT_EQ(quotes[96], 333);
    EXPECT_EQ(quotes[146], 222); // quoteright
    EXPECT_EQ(quotes[145], 221);
    EXPECT_EQ(quotes[65], 300); // .notdef before the blank
    // A font of its own encoding draws the glyph listed under the byte.
    const QString symbols = path(QStringLiteral("Simbolos.afm"));
    writeFile(symbols, "StartFontMetrics 4.1\nEncodingScheme FontSpecific\n"
                       "StartCharMetrics 3\nC 32 ; WX 250 ; N space ;\n"
                       "C 97 ; WX 631 ; N alpha ;\nC -1 ; WX 500 ; N a ;\nEndCharMetrics\n");
    const afm::Widths symbol = afm::readWidths(symbols);
    EXPECT_EQ(symbol[97], 631);
    EXPECT_EQ(symbol[98], 250);
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
        {"MenosUm.afm", head + "C 98 ; WX -1 ; N b ;\nEndCharMetrics\n"},
        {"SemNome.afm", head + "C 98 ; WX 500 ;\nEndCharMetrics\n"},
        {"Codigo.afm", head + "C 256 ; WX 500 ; N b ;\nEndCharMetrics\n"},
        // Only EndCharMetrics ends the list.
        {"SemFim.afm", head + "C -1 ; WX 500 ; N b ;\n"},
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
    EXPECT_DOUBLE_EQ(p.PDFGetStringWidth(QStringLiteral("Áú"), QStringLiteral("Helvetica"), 10),
                     (667 + 278) / 100.0);
    // "D", not in the file, as its widest glyph.
    EXPECT_DOUBLE_EQ(p.PDFGetStringWidth(QStringLiteral("ABCD"), QStringLiteral("Courier"), 10),
                     24);
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

    // Portuguese letters, and the two ASCII characters whose WinAnsi glyphs
    // differ from the standard ones, by their names in the file; the rest of
    // printable ASCII by the code the file lists, as always.
    const std::pair<QChar, const char*> glyphs[] = {
        {u'Ç', "Ccedilla"},     {u'Ã', "Atilde"},      {u'É', "Eacute"},
        {u'Ó', "Oacute"},       {u'Ú', "Uacute"},      {u'Á', "Aacute"},
        {u'Â', "Acircumflex"},  {u'Ê', "Ecircumflex"}, {u'Ô', "Ocircumflex"},
        {u'Õ', "Otilde"},       {u'Í', "Iacute"},      {u'À', "Agrave"},
        {u'ç', "ccedilla"},     {u'ã', "atilde"},      {u'é', "eacute"},
        {u'ó', "oacute"},       {u'ú', "uacute"},      {u'á', "aacute"},
        {u'â', "acircumflex"},  {u'ê', "ecircumflex"}, {u'ô', "ocircumflex"},
        {u'õ', "otilde"},       {u'í', "iacute"},      {u'à', "agrave"},
        {u'º', "ordmasculine"}, {u'ª', "ordfeminine"}, {u'\'', "quotesingle"},
        {u'`', "grave"}};
    for (const char* font : {"Helvetica", "Helvetica-Bold", "Times-Roman", "Courier-Bold"}) {
        SCOPED_TRACE(font);
        std::map<QByteArray, int> byName;
        std::map<int, int> byCode;
        static const QRegularExpression metric(
            QStringLiteral("^C (-?\\d+) ; WX (\\d+) ; N (\\S+) ;"));
        for (const QByteArray& line :
             readFile(QDir(folder).filePath(QLatin1String(font) + QStringLiteral(".afm")))
                 .split('\n')) {
            const auto m = metric.match(QString::fromLatin1(line));
            if (!m.hasMatch())
                continue;
            byName.emplace(m.captured(3).toLatin1(), m.captured(2).toInt());
            byCode.emplace(m.captured(1).toInt(), m.captured(2).toInt());
        }
        QString text;
        int sum = 0;
        for (const auto& [letter, name] : glyphs) {
            ASSERT_TRUE(byName.count(name)) << name;
            EXPECT_GT(byName.at(name), 0) << name;
            text += letter;
            sum += byName.at(name);
        }
        EXPECT_DOUBLE_EQ(p.PDFGetStringWidth(text, QLatin1String(font), 10), sum / 100.0);
        QString ascii;
        sum = 0;
        for (char c = 32; c < 127; ++c) {
            if (c == '\'' || c == '`')
                continue;
            ascii += QLatin1Char(c);
            sum += byCode.at(c);
        }
        EXPECT_DOUBLE_EQ(p.PDFGetStringWidth(ascii, QLatin1String(font), 10), sum / 100.0);
    }
}

TEST_F(Metrics, AFolderWithMetricsIsLeftAlone) {
    QDir().mkpath(path(QStringLiteral("fonts")));
    writeFile(path(QStringLiteral("fonts/Propria.AFM")), "");
    realFonts();
    EXPECT_EQ(QDir(path(QStringLiteral("fonts"))).entryList(QDir::Files),
              QStringList({QStringLiteral("Propria.AFM")}));
}
