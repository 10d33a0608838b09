#include "reports/text_pdf_writer.h"
#include "tests/reports/report_test_support.h"

#include <QRegularExpression>

using namespace reporttest;

namespace {

// The objects' offsets and the stream lengths, checked against the bytes.
void expectConsistent(const QByteArray& pdf) {
    const qsizetype startxref = pdf.lastIndexOf("startxref\r");
    ASSERT_GE(startxref, 0);
    const qint64 xref = pdf.mid(startxref + 10).split('\r').at(0).toLongLong();
    ASSERT_TRUE(pdf.mid(xref).startsWith("xref\r0 "));
    const QList<QByteArray> table = pdf.mid(xref).split('\r');
    const int size = table.at(1).mid(2).toInt();
    EXPECT_EQ(table.at(2), "0000000000 65535 f ");
    for (int object = 1; object < size; ++object) {
        const QByteArray entry = table.at(2 + object);
        ASSERT_EQ(entry.size(), 19);
        const qint64 offset = entry.left(10).toLongLong();
        EXPECT_TRUE(pdf.mid(offset).startsWith(QByteArray::number(object) + " 0 obj\r"))
            << "object " << object;
    }
    static const QRegularExpression stream(
        QStringLiteral("(\\d+) 0 obj\r<<\r/Length (\\d+) 0 R\r>>\rstream\r\n"));
    const QString text = QString::fromLatin1(pdf);
    for (auto it = stream.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const qsizetype begin = m.capturedEnd();
        const qsizetype end = pdf.indexOf("endstream\r", begin);
        const QByteArray lengthObject = m.captured(2).toLatin1() + " 0 obj\r";
        const qsizetype at = pdf.indexOf("\r" + lengthObject) + 1 + lengthObject.size();
        EXPECT_EQ(pdf.mid(at).split('\r').at(0).toLongLong(), end - begin);
    }
}

class Writer : public FileTest {
protected:
    // Converts the lines at Courier 10 on the 14 by 11 inch page unless told otherwise.
    QByteArray convert(const QByteArray& input, const QString& font = QStringLiteral("Courier"),
                       int size = 10, float width = 14, float height = 11) {
        writeFile(in, input);
        EXPECT_TRUE(writer.ConvertToPDF(in, out, {}, font, size, 0, width, height));
        expectQpdfClean(out);
        const QByteArray pdf = readFile(out);
        expectConsistent(pdf);
        return pdf;
    }
    QStringList pageTexts(const QByteArray& pdf) {
        QStringList pages;
        for (qsizetype at = pdf.indexOf("stream\r\n"); at >= 0;
             at = pdf.indexOf("stream\r\n", at + 1))
            pages << QString::fromLatin1(pdf.mid(at + 8, pdf.indexOf("ET\r", at) - at - 8));
        return pages;
    }

    testsupport::ScriptedDialogs dialogs;
    TextPdfWriter writer;
    QString in = path(QStringLiteral("rel.txt"));
    QString out = path(QStringLiteral("rel.pdf"));
};

} // namespace

TEST_F(Writer, ThreeLinesMakeTheWholeFileByteForByte) {
    writeFile(in, "abc\r\n  (a)b)  \r\nx\\y\r\n");
    ASSERT_TRUE(writer.ConvertToPDF(in, out,
                                    {QStringLiteral("Ana"), QStringLiteral("Zizo-ZUR v1.0"),
                                     QStringLiteral("k"), QStringLiteral("s (1)"),
                                     QStringLiteral("Título")},
                                    QStringLiteral("Courier"), 10, 0, 14, 11));
    const QByteArray body =
        "%PDF-1.2\r%\xE2\xE3\xCF\xD3\r"
        "1 0 obj\r<<\r/Author (Ana)\r/CreationDate (D:20240305140709)\r"
        "/Creator (Zizo-ZUR v1.0)\r/Producer (Zizo-ZUR v1.0)\r/Title (T\xEDtulo)\r"
        "/Subject (s \\(1\\))\r/Keywords (k)\r>>\rendobj\r"
        "4 0 obj\r<<\r/Type /Font\r/Subtype /Type1\r/Name /F1\r/Encoding 5 0 R\r"
        "/BaseFont /Courier\r>>\rendobj\r"
        "5 0 obj\r<<\r/Type /Encoding\r/BaseEncoding /WinAnsiEncoding\r>>\rendobj\r"
        "6 0 obj\r<<\r  /Font << /F1 4 0 R >>\r  /ProcSet [ /PDF /Text ]\r>>\rendobj\r"
        "7 0 obj\r<<\r/Type /Page\r/Parent 3 0 R\r/Resources 6 0 R\r/Contents 8 0 R\r"
        "/Rotate 0\r>>\rendobj\r"
        "8 0 obj\r<<\r/Length 9 0 R\r>>\rstream\r\n";
    const QByteArray content = "BT\r/F1 10 Tf\r1 0 0 1 50 752 Tm\r12 TL\r"
                               "T* (abc\r\n) Tj\rT* (\\(a\\)b\\)\r\n) Tj\rT* (x\\\\y\r\n) Tj\r"
                               "1 0 0 1 504 25 Tm\r(1) Tj\r/F1 10 Tf\rET\r";
    QByteArray expected = body + content + "endstream\rendobj\r9 0 obj\r" +
                          QByteArray::number(content.size()) + "\rendobj\r";
    const qsizetype catalog = expected.size();
    expected += "2 0 obj\r<<\r/Type /Catalog\r/Pages 3 0 R\r>>\rendobj\r";
    const qsizetype pages = expected.size();
    expected += "3 0 obj\r<<\r/Type /Pages\r/Count 1\r/MediaBox [ 0 0 1008 792 ]\r"
                "/Kids [ 7 0 R ]\r>>\rendobj\r";
    const qsizetype xref = expected.size();
    expected += "xref\r0 10\r0000000000 65535 f \r";
    for (int object = 1; object <= 9; ++object) {
        const qsizetype offset =
            object == 2   ? catalog
            : object == 3 ? pages
                          : expected.indexOf("\r" + QByteArray::number(object) + " 0 obj\r") + 1;
        expected += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \r";
    }
    expected += "trailer\r<<\r/Size 10\r/Root 2 0 R\r/Info 1 0 R\r>>\rstartxref\r" +
                QByteArray::number(xref) + "\r%%EOF\r";
    EXPECT_EQ(readFile(out), expected);
    expectQpdfClean(out);
    EXPECT_EQ(pageSizes(out), QStringList{QStringLiteral("1008 x 792")});
}

TEST_F(Writer, PageSetUpFollowsFontAndPageSize) {
    struct Case {
        const char* font;
        int size;
        float width, height;
        int lines, chars;
        const char* tf;
        const char* tl;
    };
    for (const Case& c : {Case{"Courier", 10, 14, 11, 60, 151, "/F1 10 Tf", "12 TL"},
                          Case{"Courier", 10, 8.5, 11, 60, 92, "/F1 10 Tf", "12 TL"},
                          Case{"Courier New", 10, 8.5, 11, 60, 135, "/F1 10 Tf", "12 TL"},
                          Case{"Courier New", 10, 14, 11, 60, 222, "/F1 10 Tf", "12 TL"},
                          Case{"Courier", 8, 8.5, 14, 98, 115, "/F1 8 Tf", "9.6 TL"},
                          Case{"Courier", 14, 8.5, 11, 43, 66, "/F1 14 Tf", "16.8 TL"}}) {
        SCOPED_TRACE(c.font + std::to_string(c.size));
        const QByteArray pdf =
            convert("x\r\n", QString::fromLatin1(c.font), c.size, c.width, c.height);
        EXPECT_EQ(writer.linesPerPage(), c.lines);
        EXPECT_EQ(writer.charsPerLine(), c.chars);
        EXPECT_TRUE(pdf.contains(QByteArray("BT\r") + c.tf + "\r1 0 0 1 50 " +
                                 QByteArray::number(writer.pageHeight() - 40) + " Tm\r" + c.tl +
                                 "\r"));
    }
    // A name with a blank is one PDF name.
    EXPECT_TRUE(
        convert("x\r\n", QStringLiteral("Courier New")).contains("/BaseFont /Courier#20New\r"));
}

TEST_F(Writer, FullPagesAndFormFeedsStartNewPages) {
    QByteArray input;
    for (int i = 1; i <= 61; ++i)
        input += "linha " + QByteArray::number(i) + "\r\n";
    QByteArray pdf = convert(input);
    QStringList pages = pageTexts(pdf);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages.at(0).count(QStringLiteral("T* (")), 60);
    EXPECT_TRUE(pages.at(0).contains(QStringLiteral("(1) Tj")));
    EXPECT_TRUE(pages.at(1).startsWith(QStringLiteral("BT\r/F1 10 Tf\r1 0 0 1 50 752 Tm\r12 TL\r"
                                                      "T* (linha 61\r\n) Tj\r")));
    EXPECT_TRUE(pages.at(1).contains(QStringLiteral("(2) Tj")));
    EXPECT_TRUE(pdf.contains("/Count 2\r"));
    EXPECT_TRUE(pdf.contains("/Kids [ 7 0 R 10 0 R ]\r"));
    EXPECT_EQ(pageSizes(out).size(), 2);

    // A form feed as the very first line ends an empty first page at once and
    // is written on the second.
    pdf = convert("\f\r\nsegunda\r\n");
    pages = pageTexts(pdf);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_FALSE(pages.at(0).contains(QStringLiteral("T* (")));
    EXPECT_TRUE(pages.at(0).contains(QStringLiteral("(1) Tj")));
    EXPECT_TRUE(pages.at(1).contains(QStringLiteral("T* (\f\r\n) Tj\rT* (segunda")));
}

TEST_F(Writer, LongLinesAreCutAtABreakCharacter) {
    // A blank at 120: the first piece ends with it, the second starts at 121.
    QByteArray line(200, 'a');
    line[119] = ' ';
    QStringList pages = pageTexts(convert(line + "\r\n"));
    EXPECT_TRUE(pages.at(0).contains(QStringLiteral("T* (") + QString(119, QLatin1Char('a')) +
                                     QStringLiteral(" \r\n) Tj\rT* (") +
                                     QString(80, QLatin1Char('a')) + QStringLiteral("\r\n) Tj")));
    // No break character between 75 and 151: cut at exactly 151.
    line.fill('b');
    line[20] = ' ';
    pages = pageTexts(convert(line + "\r\n"));
    EXPECT_TRUE(pages.at(0).contains(QStringLiteral("T* (") + QString(20, QLatin1Char('b')) +
                                     QLatin1Char(' ') + QString(130, QLatin1Char('b')) +
                                     QStringLiteral("\r\n) Tj\rT* (") +
                                     QString(49, QLatin1Char('b')) + QStringLiteral("\r\n)")));
    // Outer blanks go before measuring: 151 characters stay whole.
    pages = pageTexts(convert("   " + QByteArray(151, 'c') + "   \r\n"));
    EXPECT_TRUE(pages.at(0).contains(QStringLiteral("T* (") + QString(151, QLatin1Char('c')) +
                                     QStringLiteral("\r\n) Tj\r1 0 0 1")));
}

TEST_F(Writer, EscapesNeitherWidenNorSplitALine) {
    // A full-width report line holding parentheses and a backslash stays one line.
    const QByteArray line = "CLIENTE (ME) C:\\PASTA" + QByteArray(130, 'x');
    ASSERT_EQ(line.size(), 151);
    const QStringList pages = pageTexts(convert(line + "\r\n"));
    EXPECT_EQ(pages.at(0).count(QStringLiteral("T* (")), 1);
    EXPECT_TRUE(pdfText(out).contains(QString::fromLatin1(line)));

    // A cut next to an escaped character keeps the string whole.
    const QByteArray edge = QByteArray(150, 'y') + "((" + QByteArray(20, 'z') + "\\)";
    convert(edge + "\r\n");
    EXPECT_TRUE(pdfText(out).remove(QLatin1Char('\n')).contains(QString::fromLatin1(edge)));
}

TEST_F(Writer, AccentsReachThePageInWindows1252) {
    convert(cp1252::encode(QStringLiteral("Relatório de Ordens de Serviço — ação")) + "\r\n");
    EXPECT_TRUE(pdfText(out).contains(QStringLiteral("Relatório de Ordens de Serviço — ação")));
}

TEST_F(Writer, MissingInputAndUnwritableOutput) {
    EXPECT_FALSE(writer.ConvertToPDF(path(QStringLiteral("nada.txt")), out, {},
                                     QStringLiteral("Courier"), 10, 0, 14, 11));
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral("--- ERRO --- ARQUIVO '") +
                          path(QStringLiteral("nada.txt")) + QStringLiteral("' NÃO EXISTE!")});
    EXPECT_FALSE(QFile::exists(out));

    // An empty file counts as missing.
    writeFile(in, QByteArray());
    EXPECT_FALSE(TextPdfWriter::FileExists(in));
    EXPECT_FALSE(writer.ConvertToPDF(in, out, {}, QStringLiteral("Courier"), 10, 0, 14, 11));

    // A PDF that cannot be written is reported, never left half-written.
    dialogs.clear();
    writeFile(in, "abc\r\n");
    const QString nowhere = path(QStringLiteral("falta/rel.pdf"));
    EXPECT_FALSE(writer.ConvertToPDF(in, nowhere, {}, QStringLiteral("Courier"), 10, 0, 14, 11));
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.texts().at(0).startsWith(
        QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL GRAVAR O ARQUIVO '") + nowhere +
        QStringLiteral("'!\n")));
    EXPECT_FALSE(QFile::exists(nowhere));

    // No page size: refused, where cutting every line to no width would never end.
    dialogs.clear();
    EXPECT_FALSE(writer.ConvertToPDF(in, out, {}, QStringLiteral("Courier"), 10, 0, 0, 0));
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral("--- ERRO --- TAMANHO DE PÁGINA OU DE FONTE INVÁLIDO!")});
    EXPECT_FALSE(QFile::exists(out));

    // An older PDF of the same name is replaced.
    writeFile(out, QByteArray(100000, 'o'));
    convert("abc\r\n");
    EXPECT_LT(readFile(out).size(), 2000);
}

TEST_F(Writer, LargeReportsFlushInChunksAndStayConsistent) {
    QByteArray input;
    for (int page = 0; page < 40; ++page) {
        for (int i = 0; i < 55; ++i)
            input += QByteArray(150, 'a' + page % 26) + "|\r\n";
        input += "\f\r\n";
    }
    const QByteArray pdf = convert(input);
    EXPECT_TRUE(pdf.contains("/Count 41\r"));
    EXPECT_EQ(pageSizes(out).size(), 41);
}

TEST(ReplaceText, GoesOnAfterTheInsertedText) {
    EXPECT_EQ(TextPdfWriter::ReplaceText("(a)b)", "(", "\\("), "\\(a)b)");
    EXPECT_EQ(TextPdfWriter::ReplaceText("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(TextPdfWriter::ReplaceText("abc", "", "x"), "abc");
}
