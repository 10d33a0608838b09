#include "tests/pdf/pdf_test_support.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/scripted_dialogs.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <functional>

using namespace pdftest;

namespace {

using Draw = std::function<void(PDFPrinter&)>;

// Every cross-reference entry names the byte where its object begins, and
// startxref the byte of "xref".
void expectOffsetsMatch(const QByteArray& file) {
    const qsizetype xref = file.lastIndexOf("\r\nxref\r\n") + 2;
    ASSERT_GT(xref, 1);
    const qsizetype startAt = file.lastIndexOf("startxref\r\n") + 11;
    EXPECT_EQ(file.mid(startAt, file.indexOf("\r\n", startAt) - startAt).toLongLong(), xref);
    static const QRegularExpression entry(QStringLiteral("(\\d{10}) 00000 n\\r\\n"));
    auto it = entry.globalMatch(QString::fromLatin1(file.mid(xref)));
    int object = 0;
    while (it.hasNext()) {
        const qsizetype offset = it.next().captured(1).toLongLong();
        ++object;
        EXPECT_TRUE(file.mid(offset).startsWith(QByteArray::number(object) + " 0 obj\r\n"))
            << "object " << object << " not at " << offset;
    }
    EXPECT_GT(object, 0);
}

struct ExpectedDocument {
    const char* name;
    Draw build;
    QStringList sizes;
};

} // namespace

class Documents : public PdfTest {
protected:
    QByteArray write(const QString& name, const Draw& build) {
        const QString file = path(name);
        {
            PDFPrinter p;
            p.PDFFileName(file);
            build(p);
        }
        return readFile(file);
    }

    // One page in points, drawn by `draw`; its content stream.
    QByteArray content(const Draw& draw, int unit = 0) {
        const QByteArray file = write(QStringLiteral("content.pdf"), [&](PDFPrinter& p) {
            p.PDFSetUnit(unit);
            p.PDFBeginDoc();
            draw(p);
            p.PDFEndPage();
            p.PDFEndDoc();
        });
        expectQpdfClean(path(QStringLiteral("content.pdf")));
        return streamOf(file, 2);
    }
};

TEST_F(Documents, MatchTheExpectedBytes) {
    const ExpectedDocument documents[] = {
        {"minimal.pdf",
         [](PDFPrinter& p) {
             p.PDFBeginDoc();
             p.PDFEndPage();
             p.PDFEndDoc();
         },
         {QStringLiteral("595.28 x 841.89")}},
        {"setup.pdf",
         [](PDFPrinter& p) {
             p.PDFTitle(QStringLiteral("Orçamento (teste) \\ 1"));
             p.PDFAuthor(QStringLiteral("Quendaro"));
             p.PDFSubject(QStringLiteral("Assunto"));
             p.PDFKeywords(QStringLiteral("a b"));
             p.PDFCreator(QStringLiteral("Criador"));
             p.PDFProducer(QStringLiteral("Produtor"));
             p.PDFSetZoomMode(150);
             p.PDFSetLayoutMode(2);
             p.PDFSetViewerPreferences(126);
             p.PDFUseThumbs(true);
             p.PDFFormatPage(3);
             p.PDFOrientation(0);
             p.PDFBeginDoc();
             p.PDFEndPage();
             p.PDFEndDoc();
         },
         {QStringLiteral("792 x 612")}},
        {"pages.pdf",
         [](PDFPrinter& p) {
             p.PDFSetUnit(0);
             p.PDFFormatPage(0);
             p.PDFOrientation(1);
             p.PDFBeginDoc();
             p.PDFSetLineStyle(1);
             p.PDFDrawLine(15, 22, 575, 22);
             p.PDFEndPage();
             p.PDFOrientation(0); // from page 2 on
             p.PDFNewPage();
             p.PDFEndPage();
             p.PDFFormatPage(QVariantList{300, 400.5});
             p.PDFNewPage();
             p.PDFSetLineStyle(0);
             p.PDFDrawLineVer(10, 10, 100);
             p.PDFEndPage();
             p.PDFEndDoc();
         },
         {QStringLiteral("595 x 842"), QStringLiteral("842 x 595"), QStringLiteral("300 x 400.5")}},
        {"fonts.pdf",
         [](PDFPrinter& p) {
             p.PDFLoadAfm(dataPath(QStringLiteral("fixtures/afm")));
             p.PDFBeginDoc();
             p.PDFEndPage();
             p.PDFEndDoc();
         },
         {QStringLiteral("595.28 x 841.89")}},
        {"shapes.pdf",
         [](PDFPrinter& p) {
             p.PDFSetUnit(0);
             p.PDFBeginDoc();
             p.PDFSetLineWidth(2);
             p.PDFSetLineColor(16711680);
             p.PDFDrawLineHor(50, 100, 200);
             p.PDFSetLineStyle(2);
             p.PDFSetDrawMode(0);
             p.PDFDrawRectangle(50, 120, 100, 60);
             p.PDFSetDrawColor(QStringLiteral("#FFC0CB"));
             p.PDFSetDrawMode(1);
             p.PDFSetLineStyle(0);
             p.PDFDrawRectangle(200, 120, 100, 60);
             p.PDFSetDrawMode(2);
             p.PDFSetLineColor(QVariantList{0, 128, 0});
             p.PDFDrawEllipse(50, 200, 100, 50);
             p.PDFSetDrawMode(1);
             p.PDFDrawEllipse(200, 200, 40, 0);
             p.PDFSetDrawMode(0);
             p.PDFDrawPolygon({300, 300, 400, 300, 350, 380});
             p.PDFDrawLineVer(450, 300, 80);
             p.PDFSetDrawMode(2);
             p.PDFDrawPolygon({300, 400, 400, 400, 400, 450, 300, 450});
             p.PDFEndPage();
             p.PDFEndDoc();
         },
         {QStringLiteral("595.28 x 841.89")}},
        {"outlines.pdf",
         [](PDFPrinter& p) {
             p.PDFSetUnit(0);
             p.PDFUseOutlines(true);
             p.PDFUseThumbs(true);
             p.PDFBeginDoc();
             p.PDFSetBookmark(QStringLiteral("Capítulo (1)"), 0, 40);
             p.PDFSetBookmark(QStringLiteral("Seção 1.1"), 1, 60);
             p.PDFSetBookmark(QStringLiteral("Item 1.1.1"), 3, 80); // two levels down: one
             p.PDFSetBookmark(QStringLiteral("Seção 1.2"), 1, 100);
             p.PDFEndPage();
             p.PDFNewPage();
             p.PDFSetBookmark(QStringLiteral("Capítulo 2"), -1, 50); // negative: top level
             p.PDFSetBookmark(QStringLiteral("Anexo"), 0, -1);       // at the current Y
             p.PDFEndPage();
             p.PDFEndDoc();
         },
         {QStringLiteral("595.28 x 841.89"), QStringLiteral("595.28 x 841.89")}},
    };
    for (const ExpectedDocument& d : documents) {
        SCOPED_TRACE(d.name);
        const QString name = QString::fromLatin1(d.name);
        const QByteArray written = write(name, d.build);
        expectSameBytes(written, dataPath(QStringLiteral("expected/") + name));
        expectOffsetsMatch(written);
        expectValid(path(name), d.sizes);
    }
}

// Properties and bookmarks read back as typed: Windows-1252 punctuation,
// characters it lacks, the literal string's own delimiters, and first bytes
// that would read as a byte-order mark.
TEST_F(Documents, PropertiesAndBookmarksReadBackAsTyped) {
    const QString typed[] = {QStringLiteral("Contas – “abertas” € …"),
                             QStringLiteral("Orçamento (1) \\ 2"),
                             QStringLiteral("Ação ✓ 東京"),
                             QStringLiteral("Œuvre • ™"),
                             QStringLiteral("Ana"),
                             QStringLiteral("soft\u00ADhyphen"),
                             QStringLiteral("þÿ"),
                             QStringLiteral("ÿþAna"),
                             QStringLiteral("ï»¿Título")};
    const char* names[] = {"Title", "Subject", "Keywords", "Author", "Creator", "Producer"};
    // Six texts a document: the second takes the last six.
    for (const int from : {0, 3}) {
        write(QStringLiteral("propriedades%1.pdf").arg(from), [&](PDFPrinter& p) {
            p.PDFTitle(typed[from]);
            p.PDFSubject(typed[from + 1]);
            p.PDFKeywords(typed[from + 2]);
            p.PDFAuthor(typed[from + 3]);
            p.PDFCreator(typed[from + 4]);
            p.PDFProducer(typed[from + 5]);
            p.PDFUseOutlines(true);
            p.PDFBeginDoc();
            for (int i = 0; i < 6; ++i)
                p.PDFSetBookmark(typed[from + i], 0, 10);
            p.PDFEndPage();
            p.PDFEndDoc();
        });
        const QString file = path(QStringLiteral("propriedades%1.pdf").arg(from));
        expectQpdfClean(file);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(infoField(file, QLatin1String(names[i])), typed[from + i]) << names[i];
    }
    const QByteArray bytes = readFile(path(QStringLiteral("propriedades0.pdf")));
    // Latin-1 stays a literal; the rest is UTF-16BE with its byte-order mark.
    EXPECT_TRUE(bytes.contains("/Subject (Or\xE7"
                               "amento \\(1\\) \\\\ 2)\r\n"));
    EXPECT_TRUE(bytes.contains("/Creator (Ana)\r\n"));
    EXPECT_TRUE(bytes.contains("<</Title <FEFF0043006F006E007400610073002020130020201C"));
    EXPECT_EQ(bytes.count("<FEFF0043006F006E007400610073002020130020201C"), 2);
    // So is a text that begins like a byte-order mark.
    const QByteArray marks = readFile(path(QStringLiteral("propriedades3.pdf")));
    EXPECT_EQ(marks.count("<FEFF00FE00FF>"), 2);
    EXPECT_TRUE(marks.contains("/Producer <FEFF00EF00BB00BF0054"));
}

TEST_F(Documents, CatalogFollowsZoomLayoutModesAndPreferences) {
    struct Case {
        Draw setUp;
        QByteArray expected; // present in the Catalog
        QByteArray absent;
    };
    const Case cases[] = {
        {[](PDFPrinter& p) { p.PDFSetZoomMode(1); }, "/OpenAction [6 0 R /FitH null]\r\n", ""},
        {[](PDFPrinter& p) { p.PDFSetZoomMode(2); }, "/OpenAction [6 0 R /XYZ null null 1]\r\n",
         ""},
        {[](PDFPrinter& p) { p.PDFSetZoomMode(75); }, "/OpenAction [6 0 R /XYZ null null 0.75]\r\n",
         ""},
        {[](PDFPrinter& p) { p.PDFSetLayoutMode(1); }, "/PageLayout /OneColumn\r\n", ""},
        {[](PDFPrinter& p) { p.PDFSetLayoutMode(3); }, "/OpenAction [6 0 R /Fit]\r\n>>",
         "/PageLayout"},
        {[](PDFPrinter& p) { p.PDFSetViewerPreferences(6); },
         "/ViewerPreferences<<\r\n/DisplayDocTitle true\r\n>>\r\n", "Hide"},
        {[](PDFPrinter& p) { p.PDFSetViewerPreferences(0); }, "/ViewerPreferences<<\r\n>>\r\n", ""},
        {[](PDFPrinter& p) { p.PDFSetViewerPreferences(987654); },
         "<<\r\n/DisplayDocTitle true\r\n/CenterWindow true\r\n/FitWindow true\r\n>>", "Hide"},
        // The outlines flag without a bookmark: no outline root, no page mode
        // that opens an empty panel.
        {[](PDFPrinter& p) { p.PDFUseOutlines(true); }, "/PageLayout /SinglePage\r\n>>",
         "Outlines"},
        {[](PDFPrinter& p) {
             p.PDFUseThumbs(true);
             p.PDFUseOutlines(true);
         },
         "/PageMode /UseThumbs\r\n", "Outlines"},
        // With a bookmark, thumbnails and outlines: one page mode only.
        {[](PDFPrinter& p) {
             p.PDFUseThumbs(true);
             p.PDFUseOutlines(true);
             p.PDFSetBookmark(QStringLiteral("Início"), 0, 10);
         },
         "/Outlines 8 0 R\r\n/PageMode /UseOutlines\r\n", "UseThumbs"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        const QByteArray file = write(QStringLiteral("catalog.pdf"), [&](PDFPrinter& p) {
            c.setUp(p);
            p.PDFBeginDoc();
            p.PDFEndPage();
            p.PDFEndDoc();
        });
        const QByteArray catalog = file.mid(file.indexOf("/Type /Catalog"));
        EXPECT_TRUE(catalog.contains(c.expected)) << catalog.toStdString();
        if (!c.absent.isEmpty()) {
            EXPECT_FALSE(catalog.contains(c.absent)) << catalog.toStdString();
        }
        expectQpdfClean(path(QStringLiteral("catalog.pdf")));
    }
}

TEST_F(Documents, ShapesWriteTheirOperatorsAndMoveThePosition) {
    // In centimetres on A4: the rectangle of the writer's own example.
    EXPECT_TRUE(content([](PDFPrinter& p) { p.PDFDrawRectangle(2, 2, 10, 2); }, 2)
                    .contains("\r\n56.69 785.20 283.46 -56.69 re s\r\n16.07 w S\r\n"));
    EXPECT_TRUE(content([](PDFPrinter& p) {
                    p.PDFDrawLine(15, 22, 575, 22);
                }).contains("15.00 819.89 m\r\n575.00 819.89 l\r\n"));
    // Dash lengths are whole points of the unit.
    EXPECT_TRUE(content(
                    [](PDFPrinter& p) {
                        p.PDFSetLineStyle(1);
                        p.PDFDrawLine(1, 1, 2, 2);
                    },
                    2)
                    .contains("[453 226 ] 0 d"));
    EXPECT_TRUE(content(
                    [](PDFPrinter& p) {
                        p.PDFSetLineStyle(3);
                        p.PDFDrawLine(1, 1, 2, 2);
                    },
                    1)
                    .contains("[22 11 5 11 5 11 ] 0 d"));

    content([](PDFPrinter& p) {
        p.PDFDrawLine(100, 50, 20, 80);
        EXPECT_EQ(p.PDFGetX(), 100);
        EXPECT_EQ(p.PDFGetY(), 80);
        p.PDFDrawLineHor(10, 20, 30);
        EXPECT_EQ(p.PDFGetX(), 40);
        EXPECT_EQ(p.PDFGetDrawColor(), QStringLiteral("0 g"));
        p.PDFDrawRectangle(10, 20, 30, 40);
        EXPECT_EQ(p.PDFGetY(), 60);
        EXPECT_EQ(p.PDFGetTextColor(), QStringLiteral("1.000 1.000 1.000 rg")); // white
        p.PDFDrawEllipse(10, 20, 30, 0); // a circle: its centre line is y + 15
        EXPECT_EQ(p.PDFGetX(), 10);
        EXPECT_EQ(p.PDFGetY(), 35);
        p.PDFDrawPolygon({1, 2, 3, 4});
        EXPECT_EQ(p.PDFGetY(), 35); // polygons leave the position alone
    });
}

TEST_F(Documents, NumberOfPagesFollowsTheDocument) {
    write(QStringLiteral("count.pdf"), [](PDFPrinter& p) {
        EXPECT_EQ(p.PDFNbPage(), -1);
        p.PDFBeginDoc();
        EXPECT_EQ(p.PDFNbPage(), 1);
        EXPECT_EQ(p.PDFPageNumber(), 1);
        for (int page = 2; page <= 3; ++page) {
            p.PDFEndPage();
            p.PDFNewPage();
            EXPECT_EQ(p.PDFPageNumber(), page);
            EXPECT_EQ(p.PDFNbPage(), 1);
        }
        p.PDFEndPage();
        p.PDFEndDoc();
        EXPECT_EQ(p.PDFNbPage(), 3);
    });
    expectValid(path(QStringLiteral("count.pdf")),
                QStringList(3, QStringLiteral("595.28 x 841.89")));
}

TEST_F(Documents, ConfirmsAndOpensTheFinishedFile) {
    testsupport::ScriptedDialogs dialogs;
    const QString file = path(QStringLiteral("aberto.pdf"));
    {
        PDFPrinter p;
        p.PDFFileName(file);
        p.PDFConfirm(true);
        p.PDFView(true);
        p.PDFBeginDoc();
        p.PDFEndPage();
        p.PDFEndDoc();
        EXPECT_EQ(p.PDFGetFileName(), file);
    }
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].message.title,
              QStringLiteral("Génération du Fichier PDF - Quillane 4.0"));
    EXPECT_EQ(dialogs.shown()[0].message.text, QStringLiteral("Fichier PDF généré."));
    EXPECT_EQ(dialogs.shown()[0].message.icon, dlg::Icon::None);
    EXPECT_EQ(dialogs.shown()[1].kind, QStringLiteral("document"));
    EXPECT_EQ(dialogs.shown()[1].text, file);
    EXPECT_TRUE(QFileInfo::exists(file));
}

TEST_F(Documents, AnUnfinishedDocumentLeavesNoFile) {
    const QString file = path(QStringLiteral("velho.pdf"));
    writeFile(file, "a stale document the new one replaces");
    {
        PDFPrinter p;
        p.PDFFileName(file);
        EXPECT_EQ(QFileInfo(file).size(), 0); // created anew at once
        p.PDFBeginDoc();
        p.PDFSetLineWidth(1);
    }
    EXPECT_FALSE(QFileInfo::exists(file));

    // A document that fails while finishing leaves nothing either.
    {
        PDFPrinter p;
        p.PDFFileName(file);
        p.PDFBeginDoc();
        p.PDFEndPage();
        p.PDFNewPage();                         // a second page...
        EXPECT_THROW(p.PDFNewPage(), PDFError); // ...without PDFEndPage
    }
    EXPECT_FALSE(QFileInfo::exists(file));

    // A disk that fills up: the system's reason, and no file.
    {
        PDFPrinter p;
        p.PDFFileName(file);
        p.PDFBeginDoc();
        for (int line = 0; line < 200; ++line)
            p.PDFDrawLine(20, 20 + line, 180, 20 + line);
        p.PDFEndPage();
        const testsupport::FileSizeLimit full(2048);
        try {
            p.PDFEndDoc();
            ADD_FAILURE() << "a document cut short was taken as written";
        } catch (const PDFError& e) {
            EXPECT_EQ(e.kind(), PDFError::Kind::Output);
            EXPECT_TRUE(e.message().endsWith(QString::fromLocal8Bit(std::strerror(EFBIG)) +
                                             QLatin1Char('.')))
                << e.message().toStdString();
        }
    }
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(Documents, CallsOutOfOrderAreRefusedClearly) {
    auto kindOf = [](const std::function<void()>& call) -> std::optional<PDFError::Kind> {
        try {
            call();
        } catch (const PDFError& e) {
            EXPECT_FALSE(e.message().isEmpty());
            return e.kind();
        }
        return std::nullopt;
    };
    using K = PDFError::Kind;
    PDFPrinter before;
    EXPECT_EQ(kindOf([&] { before.PDFDrawLine(1, 1, 2, 2); }), K::OutOfOrder);
    EXPECT_EQ(kindOf([&] { before.PDFEndPage(); }), K::OutOfOrder);
    EXPECT_EQ(kindOf([&] { before.PDFEndDoc(); }), K::OutOfOrder);
    EXPECT_EQ(kindOf([&] { before.PDFBeginDoc(); }), K::Output); // no file named

    PDFPrinter unwritable;
    unwritable.PDFFileName(path(QStringLiteral("no/such/folder/x.pdf")));
    const QString message = [&] {
        try {
            unwritable.PDFBeginDoc();
        } catch (const PDFError& e) {
            return e.message();
        }
        return QString();
    }();
    EXPECT_TRUE(message.contains(QStringLiteral("x.pdf"))) << message.toStdString();

    PDFPrinter p;
    p.PDFFileName(path(QStringLiteral("ordem.pdf")));
    p.PDFBeginDoc();
    EXPECT_EQ(kindOf([&] { p.PDFBeginDoc(); }), K::OutOfOrder);
    EXPECT_EQ(kindOf([&] { p.PDFFileName(path(QStringLiteral("outro.pdf"))); }), K::OutOfOrder);
    EXPECT_EQ(kindOf([&] { p.PDFNewPage(); }), K::OutOfOrder); // page 1 not ended
    EXPECT_EQ(kindOf([&] { p.PDFDrawPolygon({1, 2, 3}); }), K::BadArgument);
    EXPECT_EQ(kindOf([&] { p.PDFDrawPolygon({}); }), K::BadArgument);
    EXPECT_EQ(kindOf([&] { p.PDFFormatPage(QVariantList{100}); }), K::BadArgument);
    EXPECT_EQ(kindOf([&] { p.PDFSetLineColor(-1); }), K::BadArgument);
    EXPECT_EQ(kindOf([&] { p.PDFSetLineColor(16777216); }), K::BadArgument);
    EXPECT_EQ(kindOf([&] { p.PDFSetTextColor(QVariantList{0, 256, 0}); }), K::BadArgument);
    EXPECT_EQ(kindOf([&] { p.PDFSetDrawColor(QVariantList{1, 2}); }), K::BadArgument);
    p.PDFEndPage();
    p.PDFEndDoc();
    EXPECT_EQ(kindOf([&] { p.PDFDrawLine(1, 1, 2, 2); }), K::OutOfOrder);
    EXPECT_EQ(kindOf([&] { p.PDFEndDoc(); }), K::OutOfOrder);
    expectValid(path(QStringLiteral("ordem.pdf")), {QStringLiteral("595.28 x 841.89")});
}
