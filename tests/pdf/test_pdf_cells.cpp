#include "tests/pdf/pdf_test_support.h"

#include <QRegularExpression>

using namespace pdftest;

// Cells in points with the fixture metrics: Helvetica is /F2, "a" 2.78 wide
// at size 10, "b" 5.56, the blank 2.78; the cell margin is 3, the line width
// 0.567. Expectations are written with LF and compared with CR LF.
class Cells : public PdfTest {
protected:
    QByteArray cell(const std::function<void(PDFPrinter&)>& draw) {
        return pageContent(fixtureFonts, draw);
    }

    // The texts of the lines with the x and baseline each is written at.
    static QStringList placedLines(const QByteArray& content) {
        static const QRegularExpression line(
            QStringLiteral("\\r\\n([\\d.]+ [\\d.]+) Td\\r\\n\\((.*)\\) Tj"));
        QStringList out;
        auto it = line.globalMatch(QString::fromLatin1(content));
        while (it.hasNext()) {
            const auto m = it.next();
            out << m.captured(1) + QLatin1Char(' ') + m.captured(2);
        }
        return out;
    }
};

TEST_F(Cells, BorderOneWrapsAtTheLastBlank) {
    const QByteArray content = cell([](PDFPrinter& p) {
        p.PDFSetBorder(1);
        p.PDFSetAlignement(1);
        p.PDFCell(QStringLiteral("ab ab ab"), 50, 100, 30, 12);
        EXPECT_EQ(p.PDFGetX(), 77); // x - cell margin + w
        EXPECT_EQ(p.PDFGetY(), 124);
    });
    expectSameContent(content, crlf("%DEBUT_CELL/%\n"
                                    "0 G\n0 g\n0.57 w\n"
                                    "47.00 741.89 m 47.00 729.89 l S\r"
                                    "47.00 741.89 m 77.00 741.89 l S \r"
                                    "77.00 741.89 m 77.00 729.89 l S \r\n"
                                    "q 0 g \nBT\n/F2 10 Tf\n53.00 732.89 Td\n(ab ab) Tj\nET\nQ\n"
                                    "0 G\n0 g\n0.57 w\n"
                                    "47.00 729.89 m 47.00 717.89 l S\r"
                                    "77.00 729.89 m 77.00 717.89 l S \r"
                                    "47.00 717.89 m 77.00 717.89 l S \r\n"
                                    "q 0 g \nBT\n/F2 10 Tf\n53.00 720.89 Td\n(ab) Tj\nET\nQ\n"
                                    "%FIN_CELL/%\n"));
}

TEST_F(Cells, FillAndEveryAlignment) {
    const QByteArray content = cell([](PDFPrinter& p) {
        p.PDFSetDrawColor(QVariantList{255, 255, 0});
        p.PDFSetFill(true);
        p.PDFSetBorder(1); // one line: all four sides
        p.PDFSetAlignement(2);
        p.PDFCell(QStringLiteral("ab"), 10, 10, 50, 20);
        p.PDFSetBorder(0);
        p.PDFSetAlignement(0);
        p.PDFCell(QStringLiteral("ab"), 10, 40, 50, 20);
        p.PDFSetFill(false);
        p.PDFSetAlignement(3);
        p.PDFCell(QStringLiteral("a b a"), 10, 70, 50, 20);
    });
    expectSameContent(content, crlf("%DEBUT_CELL/%\n"
                                    "0 G\n1.000 1.000 0.000 rg\n0.57 w\n"
                                    "7.00 831.89 50.00 -20.00 re f\r"
                                    "7.00 831.89 m 7.00 811.89 l S\r"
                                    "7.00 831.89 m 57.00 831.89 l S \r"
                                    "57.00 831.89 m 57.00 811.89 l S \r"
                                    "7.00 811.89 m 57.00 811.89 l S \r\n"
                                    "q 0 g \nBT\n/F2 10 Tf\n46.00 818.89 Td\n(ab) Tj\nET\nQ\n"
                                    "%FIN_CELL/%\n"
                                    "%DEBUT_CELL/%\n"
                                    "0 G\n1.000 1.000 0.000 rg\n"
                                    "7.00 801.89 50.00 -20.00 re f\r\n"
                                    "q 0 g \nBT\n/F2 10 Tf\n28.00 788.89 Td\n(ab) Tj\nET\nQ\n"
                                    "%FIN_CELL/%\n"
                                    "%DEBUT_CELL/%\n"
                                    "0 G\n1.000 1.000 0.000 rg\n"
                                    "12.160 Tw\n"
                                    "q 0 g \nBT\n/F2 10 Tf\n13.00 758.89 Td\n(a b a) Tj\nET\nQ\n"
                                    "0 Tw\n"
                                    "%FIN_CELL/%\n"));
}

TEST_F(Cells, WordsLongerThanTheCellBreakBetweenCharacters) {
    EXPECT_EQ(placedLines(cell([](PDFPrinter& p) {
                  p.PDFSetBorder(0);
                  p.PDFCell(QStringLiteral("aaaaaaaaaa"), 10, 100, 20, 10);
              })),
              QStringList({QStringLiteral("16.00 733.89 aaaa"), QStringLiteral("16.00 723.89 aaaa"),
                           QStringLiteral("13.00 713.89 aa")}));
    // A character wider than the cell still gets a line of its own.
    EXPECT_EQ(
        placedLines(cell([](PDFPrinter& p) { p.PDFCell(QStringLiteral("b"), 10, 10, 7, 10); })),
        QStringList({QStringLiteral("16.00 823.89 b"), QStringLiteral("13.00 813.89 ")}));
}

TEST_F(Cells, LineBreaksEndLines) {
    EXPECT_EQ(placedLines(cell([](PDFPrinter& p) {
                  p.PDFCell(QStringLiteral("a\r\nb\nab\r\n"), 10, 10, 100, 10);
              })),
              QStringList({QStringLiteral("13.00 823.89 a"), QStringLiteral("13.00 813.89 b"),
                           QStringLiteral("13.00 803.89 ab")}));
    EXPECT_EQ(placedLines(cell([](PDFPrinter& p) { p.PDFCell(QString(), 10, 10, 100, 10); })),
              QStringList({QStringLiteral("13.00 823.89 ")}));
}

TEST_F(Cells, BorderSidesSpreadOverTheLines) {
    // Left and bottom: the left side on every line, the bottom on the last.
    const QByteArray content = cell([](PDFPrinter& p) {
        p.PDFSetBorder(34); // B, and 4 gives L: "LB"
        p.PDFCell(QStringLiteral("ab ab ab"), 50, 100, 30, 12);
    });
    EXPECT_TRUE(content.contains("0.57 w\r\n47.00 741.89 m 47.00 729.89 l S\r\r\n"));
    EXPECT_TRUE(content.contains(
        "0.57 w\r\n47.00 729.89 m 47.00 717.89 l S\r47.00 717.89 m 77.00 717.89 l S \r\r\n"));
}

TEST_F(Cells, UnderlineAndEscapes) {
    const QByteArray content = cell([](PDFPrinter& p) {
        p.PDFSetFont(0, 10, 3);
        p.PDFSetBorder(0);
        p.PDFCell(QStringLiteral("(ab)\\"), 10, 10, 50, 20);
        p.PDFCell(QStringLiteral("ab"), 10, 40, 50, 20); // the underline was for one cell
    });
    // The backslash, not in the file, measures as the blank: 17.78 wide.
    EXPECT_TRUE(content.contains("q 0 g \r\n13.00 815.89 14.78 -0.04 re f\r\nBT\r\n/F2 10 Tf\r\n"
                                 "13.00 818.89 Td\r\n(\\(ab\\)\\\\) Tj\r\n"));
    EXPECT_EQ(content.count(" re f\r\n"), 1);
}

TEST_F(Cells, BorderCodesAndSizeZero) {
    const std::pair<int, const char*> borders[] = {{45, "L"}, {2345, "LRTB"}, {7, ""}, {2, "T"}};
    for (const auto& [code, sides] : borders) {
        const QByteArray content = cell([code = code](PDFPrinter& p) {
            p.PDFSetBorder(code);
            p.PDFCell(QStringLiteral("ab"), 10, 10, 50, 20);
        });
        EXPECT_EQ(content.contains("7.00 831.89 m 7.00 811.89 l S\r"),
                  QByteArray(sides).contains('L'))
            << code;
    }
    pageContent([](PDFPrinter& p) { p.PDFLoadAfm(dataPath(QStringLiteral("fixtures/afm"))); },
                [](PDFPrinter& p) {
                    try {
                        p.PDFCell(QStringLiteral("ab"), 10, 10, 50, 20);
                        ADD_FAILURE() << "a cell without a font size";
                    } catch (const PDFError& e) {
                        EXPECT_EQ(e.kind(), PDFError::Kind::BadArgument);
                    }
                });
}
