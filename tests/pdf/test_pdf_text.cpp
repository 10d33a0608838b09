#include "tests/pdf/pdf_test_support.h"
#include "tests/support/scripted_dialogs.h"

using namespace pdftest;

class Text : public PdfTest {};

TEST_F(Text, EveryStandardFontRotationAndUnderline) {
    const QString fonts = realFonts();
    const QString file = path(QStringLiteral("text.pdf"));
    {
        PDFPrinter p;
        p.PDFFileName(file);
        p.PDFLoadAfm(fonts);
        p.PDFSetUnit(0);
        p.PDFBeginDoc();
        p.PDFSetFont(0, 12, 0);
        p.PDFTextOut(QStringLiteral("Helvetica (1) \\"), 20, 40);
        p.PDFSetFont(1, 10, 2);
        p.PDFTextOut(QStringLiteral("Courier"), 20, 60);
        p.PDFSetFont(2, 11, 12);
        p.PDFTextOut(QStringLiteral("Times"), 20, 80);
        p.PDFSetFont(3, 12, 0);
        p.PDFTextOut(QStringLiteral("abc"), 20, 100);
        p.PDFSetFont(4, 12, 0);
        p.PDFTextOut(QStringLiteral("345"), 20, 120);
        p.PDFSetFont(0, 10, 3);
        p.PDFTextOut(QStringLiteral("ab cd"), 20, 140);
        p.PDFSetRotation(30);
        p.PDFTextOut(QStringLiteral("Girado"), 100, 200);
        p.PDFSetTextColor(QStringLiteral("#FF0000"));
        p.PDFTextOut(QStringLiteral("Reto"), 0, 0); // after "Girado", one size lower
        p.PDFSetFont(1, 0, 1);                      // size 0 is written as 10
        p.PDFTextOut(QStringLiteral("Orçamento"), 20, 300);
        p.PDFEndPage();
        p.PDFEndDoc();
    }
    expectSameBytes(readFile(file), dataPath(QStringLiteral("expected/text.pdf")));
    expectValid(file, {QStringLiteral("595.28 x 841.89")});
    const QString text = pdfText(file);
    for (const char* expected :
         {"Helvetica (1) \\", "Courier", "Times", "ab cd", "Girado", "Reto", "Orçamento"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

TEST_F(Text, PositionFollowsTheText) {
    pageContent(fixtureFonts, [](PDFPrinter& p) {
        p.PDFSetUnit(0);
        p.PDFTextOut(QStringLiteral("ab"), 10, 20);
        EXPECT_EQ(p.PDFGetX(), 18); // 10 + 8.34
        EXPECT_EQ(p.PDFGetY(), 30);
        EXPECT_DOUBLE_EQ(p.PDFTextHeight(), 10);
        p.PDFSetUnit(2);
        EXPECT_DOUBLE_EQ(p.PDFTextHeight(), 10 * 72 / 2.54);
    });
}

TEST_F(Text, WithoutMetricsNothingIsWritten) {
    auto failing = [](const std::function<void(PDFPrinter&)>& select, const QString& text) {
        return [select, text](PDFPrinter& p) {
            select(p);
            try {
                p.PDFTextOut(text, 10, 10);
                ADD_FAILURE() << "written";
            } catch (const PDFError& e) {
                EXPECT_EQ(e.kind(), PDFError::Kind::MissingMetrics);
                EXPECT_FALSE(e.message().isEmpty());
            }
            try {
                p.PDFLink(10, 10, text, QStringLiteral("https://exemplo.com.br"));
                ADD_FAILURE() << "linked";
            } catch (const PDFError& e) {
                EXPECT_EQ(e.kind(), PDFError::Kind::MissingMetrics);
            }
        };
    };
    testsupport::ScriptedDialogs dialogs;
    const QString fonts = realFonts();
    auto load = [&](PDFPrinter& p) { p.PDFLoadAfm(fonts); };
    const std::function<void(PDFPrinter&)> selections[] = {
        [](PDFPrinter& p) { p.PDFSetFont(2, 10, 1); }, // "TimesItalic": no such file
        [](PDFPrinter& p) { p.PDFSetFont(9, 10, 0); }, // "TimesRoman"
        [](PDFPrinter&) {},                            // no font chosen
    };
    for (const auto& select : selections)
        EXPECT_EQ(pageContent(load, failing(select, QStringLiteral("x"))), "");
    // A character the metrics cannot measure.
    EXPECT_EQ(pageContent(load, failing([](PDFPrinter& p) { p.PDFSetFont(0, 10, 0); },
                                        QStringLiteral("a") + QChar(0))),
              "");
}

TEST_F(Text, CellSettings) {
    testsupport::ScriptedDialogs dialogs;
    PDFPrinter p;
    const std::pair<int, const char*> alignments[] = {
        {0, "Center"}, {1, "Left"}, {2, "Right"}, {3, "Left"}, {-1, "Left"}};
    for (const auto& [code, name] : alignments) {
        p.PDFSetAlignement(code);
        EXPECT_EQ(p.PDFGetAlignement(), QLatin1String(name)) << code;
    }
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title,
              QStringLiteral("Code Alignement de Cellule - Quillane 4.0"));
    EXPECT_EQ(dialogs.messages()[0].text,
              QStringLiteral("Code alignement incorrect : -1.\r\nL'alignement utilisé sera "
                             "l'alignement à gauche."));
    EXPECT_EQ(dialogs.messages()[0].icon, dlg::Icon::Critical);
}

TEST_F(Text, WatermarkRisesAcrossEveryPage) {
    const QString fonts = realFonts();
    const QString file = path(QStringLiteral("watermark.pdf"));
    {
        PDFPrinter p;
        p.PDFFileName(file);
        p.PDFLoadAfm(fonts);
        p.PDFFiligran(QStringLiteral("RASCUNHO"));
        p.PDFBeginDoc();
        p.PDFEndPage();
        p.PDFNewPage();
        p.PDFEndPage();
        p.PDFEndDoc();
    }
    expectSameBytes(readFile(file), dataPath(QStringLiteral("expected/watermark.pdf")));
    expectValid(file, QStringList(2, QStringLiteral("595.28 x 841.89")));
    // Set at an angle, the letters come back one to a line.
    EXPECT_EQ(pdfText(file).remove(QRegularExpression(QStringLiteral("\\s"))),
              QStringLiteral("RASCUNHO").repeated(4));
}
