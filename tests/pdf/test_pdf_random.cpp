#include "tests/pdf/pdf_test_support.h"

#include <random>

using namespace pdftest;

// Texts full of what a PDF literal must escape, and control characters, in
// every place the writer puts text: the file is always valid and gives the
// plain words back.
TEST_F(PdfTest, AnyTextMakesAValidFile) {
    const QString fonts = realFonts();
    const QString alphabet = QStringLiteral("()\\ abcçãéÁ%\t\r\n\x01\x1f<>[]{}/#");
    std::mt19937 random(20240305);
    auto pick = [&](int length) {
        QString text;
        for (int i = 0; i < length; ++i)
            text += alphabet.at(static_cast<qsizetype>(random() % alphabet.size()));
        return text;
    };
    for (int document = 0; document < 12; ++document) {
        SCOPED_TRACE(document);
        const QString file = path(QStringLiteral("aleatorio.pdf"));
        QStringList words;
        {
            PDFPrinter p;
            p.PDFFileName(file);
            p.PDFLoadAfm(fonts);
            p.PDFSetUnit(0);
            p.PDFTitle(pick(12));
            p.PDFAuthor(pick(12));
            p.PDFUseOutlines(true);
            p.PDFBeginDoc();
            for (int line = 0; line < 25; ++line) {
                const QString word = QStringLiteral("w%1x%2").arg(document).arg(line);
                words << word;
                p.PDFSetFont(static_cast<int>(random() % 2), 8 + static_cast<int>(random() % 6),
                             static_cast<int>(random() % 4));
                p.PDFTextOut(word + QLatin1Char(' ') + pick(20), 20, 30 + line * 30);
                p.PDFSetBookmark(pick(8), static_cast<int>(random() % 3), 30 + line * 30);
                p.PDFLink(300, 30 + line * 30, pick(6), pick(10));
                p.PDFCell(pick(40), 400, 30 + line * 30, 120, 10);
            }
            p.PDFEndPage();
            p.PDFEndDoc();
        }
        expectValid(file, {QStringLiteral("595.28 x 841.89")});
        const QString text = pdfText(file);
        for (const QString& word : std::as_const(words))
            EXPECT_TRUE(text.contains(word)) << word.toStdString();
    }
}
