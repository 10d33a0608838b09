#include "tests/pdf/pdf_test_support.h"
#include "tests/support/scripted_dialogs.h"

#include <QImage>
#include <QImageWriter>
#include <sys/resource.h>

using namespace pdftest;

// Links with the fixture metrics (Helvetica /F2 at 10: "ab" is 8.34 wide, and
// "u", "p", not in the file, measure as the blank, 278), pictures from a JPEG made for the tests
// (200 x 100).
class LinksImages : public PdfTest {
protected:
    static QString logo() { return dataPath(QStringLiteral("fixtures/logo.jpg")); }

    // Page objects of the last document written by pageContent.
    QByteArray pageObjects() {
        const QByteArray file = readFile(path(QStringLiteral("pagina.pdf")));
        return file.mid(file.indexOf("/Type /Page\r\n"));
    }

    QString jpegVariant(const QString& name, const std::function<void(QByteArray&)>& change,
                        const QString& from = logo()) {
        QByteArray bytes = readFile(from);
        change(bytes);
        writeFile(path(name), bytes);
        return path(name);
    }
};

TEST_F(LinksImages, TextLinkIsUnderlinedAndAnnotated) {
    const QByteArray content = pageContent(fixtureFonts, [](PDFPrinter& p) {
        p.PDFLink(20, 50, QStringLiteral("ab"), QString());
        p.PDFTextOut(QStringLiteral("ab"), 20, 80); // the underline was for the link only
    });
    EXPECT_TRUE(
        content.startsWith(crlf("%DEBUT_LINK/%\nq 0 g \n%DEBUT_TEXT/%\nBT\n21.00 791.89 Td\n"
                                "/F2 10.00 Tf\n(ab) Tj\nET\n21.00 789.95 8.34 -0.02 re f\n"
                                "Q\n%FIN_TEXT/%\n%FIN_LINK/%\n")))
        << content.toStdString();
    EXPECT_EQ(content.count(" re f"), 1);
    EXPECT_TRUE(pageObjects().contains(
        "/Resources 8 0 R\r\n/Annots [<</Type /Annot /Subtype /Link /Rect [20 791.89 28 781.89] "
        "/Border [0 0 0] /A <</S /URI /URI (ab)>>>>\r\n]\r\n/Contents 2 0 R\r\n"));
}

TEST_F(LinksImages, ShapesAndPicturesCarryLinks) {
    pageContent(fixtureFonts, [](PDFPrinter& p) {
        p.PDFDrawRectangle(100, 100, 60, 20, QStringLiteral("http://x/(1)\\"));
        EXPECT_EQ(p.PDFGetTextColor(), QStringLiteral("1.000 1.000 1.000 rg"));
        p.PDFImage(logo(), 300, 100, 50, 0, QStringLiteral("https://img"));
        EXPECT_EQ(p.PDFGetTextColor(), QStringLiteral("0.000 0.000 1.000 rg")); // blue
        EXPECT_EQ(p.PDFGetX(), 350);
        p.PDFDrawEllipse(400, 400, 40, 0, QStringLiteral("e"));
        p.PDFLink(20, 50, QString(), QString()); // no target: no annotation
    });
    const QByteArray page = pageObjects();
    EXPECT_TRUE(page.contains("/Rect [105 731.89 165 721.89] /Border [0 0 0] /A <</S /URI /URI "
                              "(http://x/\\(1\\)\\\\)>>>>\r\n"));
    EXPECT_TRUE(page.contains("/Rect [300 741.89 350 716.89] /Border [0 0 0] /A <</S /URI /URI "
                              "(https://img)>>>>\r\n"));
    // "LINK" as four blanks.
    EXPECT_TRUE(page.contains("/Rect [380 432.89 391 422.89]"));
    EXPECT_EQ(page.count("/Annot "), 3);
}

TEST_F(LinksImages, LinksBelongToTheirPage) {
    const QString file = path(QStringLiteral("duas.pdf"));
    {
        PDFPrinter p;
        p.PDFFileName(file);
        fixtureFonts(p);
        p.PDFBeginDoc();
        p.PDFEndPage();
        p.PDFNewPage();
        p.PDFLink(20, 50, QStringLiteral("ab"), QStringLiteral("https://dois"));
        p.PDFEndPage();
        p.PDFEndDoc();
    }
    const QByteArray bytes = readFile(file);
    const QByteArray second = bytes.mid(bytes.indexOf("/Contents 2 0 R"));
    EXPECT_EQ(bytes.count("/Annots"), 1);
    EXPECT_TRUE(second.contains("(https://dois)>>>>\r\n]\r\n/Contents 4 0 R"));
    expectValid(file, QStringList(2, QStringLiteral("595.28 x 841.89")));
}

// The same picture placed three times is one image object drawn thrice.
TEST_F(LinksImages, PicturesAreEmbeddedAsTheyAre) {
    const QString file = path(QStringLiteral("picture.pdf"));
    {
        PDFPrinter p;
        p.PDFFileName(file);
        p.PDFSetUnit(0);
        p.PDFBeginDoc();
        EXPECT_EQ(p.PDFImageWidth(logo()), 200);
        EXPECT_EQ(p.PDFImageHeight(logo()), 100);
        p.PDFImage(logo(), 23, 27, 50, 50);
        p.PDFImage(logo(), 100, 100, 0, 0);   // a pixel is a point
        p.PDFImage(logo(), 100, 300, 100, 0); // the ratio is kept
        p.PDFEndPage();
        p.PDFEndDoc();
    }
    expectSameBytes(readFile(file), dataPath(QStringLiteral("expected/picture.pdf")));
    expectValid(file, {QStringLiteral("595.28 x 841.89")});
    const QByteArray bytes = readFile(file);
    EXPECT_EQ(bytes.count("/Subtype /Image"), 1);
    EXPECT_EQ(bytes.count(readFile(logo())), 1);
    EXPECT_EQ(streamOf(bytes, 2).count(" cm /ImgJPEG1 Do Q"), 3);
    const ProcessResult list = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.out.count(" image     200   100  rgb     3   8  jpeg"), 3)
        << list.out.toStdString();
}

// Grey, progressive and CMYK files keep their own colour spaces; a CMYK file
// with Adobe's segment is stored inverted, and its Decode array turns it back.
TEST_F(LinksImages, GreyProgressiveAndCmykPictures) {
    QImage grey(64, 32, QImage::Format_Grayscale8);
    grey.fill(128);
    ASSERT_TRUE(grey.save(path(QStringLiteral("cinza.jpg")), "JPG"));
    QImageWriter writer(path(QStringLiteral("progressiva.jpeg")), "jpeg");
    writer.setProgressiveScanWrite(true);
    QImage colour(40, 30, QImage::Format_RGB32);
    colour.fill(Qt::red);
    ASSERT_TRUE(writer.write(colour));
    ASSERT_TRUE(readFile(path(QStringLiteral("progressiva.jpeg"))).contains("\xFF\xC2"));
    // 32 x 16, red ink on the left half and blue on the right.
    const QString cmyk = dataPath(QStringLiteral("fixtures/cmyk.jpg"));
    ASSERT_TRUE(readFile(cmyk).startsWith("\xFF\xD8\xFF\xEE\x00\x0E"
                                          "Adobe"));
    // The same data without the segment: nothing says it is inverted.
    const QString plain = jpegVariant(
        QStringLiteral("cmyk-sem-adobe.jpg"), [](QByteArray& b) { b.remove(2, 16); }, cmyk);
    pageContent([](PDFPrinter&) {},
                [&](PDFPrinter& p) {
                    p.PDFImage(path(QStringLiteral("cinza.jpg")), 10, 10);
                    p.PDFImage(path(QStringLiteral("progressiva.jpeg")), 10, 100);
                    p.PDFImage(cmyk, 100, 100, 320, 160);
                    p.PDFImage(plain, 100, 300, 32, 16);
                });
    const QString file = path(QStringLiteral("pagina.pdf"));
    const QByteArray bytes = readFile(file);
    EXPECT_TRUE(bytes.contains("/Width 64\r\n/Height 32\r\n/ColorSpace /DeviceGray\r\n"
                               "/BitsPerComponent 8\r\n/Length"));
    EXPECT_TRUE(bytes.contains("/Width 40\r\n/Height 30\r\n/ColorSpace /DeviceRGB\r\n"
                               "/BitsPerComponent 8\r\n/Length"));
    EXPECT_TRUE(bytes.contains("/Width 32\r\n/Height 16\r\n/ColorSpace /DeviceCMYK\r\n"
                               "/BitsPerComponent 8\r\n/Decode [1 0 1 0 1 0 1 0]\r\n"
                               "/Length 389\r\n/Name /ImgJPEG3>>"));
    EXPECT_TRUE(bytes.contains("/ColorSpace /DeviceCMYK\r\n/BitsPerComponent 8\r\n"
                               "/Length 373\r\n/Name /ImgJPEG4>>"));
    EXPECT_EQ(bytes.count("/Decode"), 1);
    const ProcessResult list = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file});
    EXPECT_EQ(list.out.count(" gray "), 1) << list.out.toStdString();
    EXPECT_EQ(list.out.count(" cmyk "), 2) << list.out.toStdString();

    // As a viewer shows it: red and blue, not a dark negative.
    const QImage page = firstPage(file);
    ASSERT_FALSE(page.isNull());
    const QColor left = page.pixelColor(180, 180);
    const QColor right = page.pixelColor(340, 180);
    EXPECT_GT(left.red(), 200);
    EXPECT_LT(left.green(), 80);
    EXPECT_LT(left.blue(), 80);
    EXPECT_LT(right.red(), 80);
    EXPECT_LT(right.green(), 80);
    EXPECT_GT(right.blue(), 120);
}

// Every kind of picture is drawn whole, or refused and reported at each
// call, in at most a few megabytes whatever its header claims.
TEST_F(LinksImages, RefusedPicturesAreReported) {
    const QString cannot = QStringLiteral("\r\nImpossible d'inclure l'image dans le fichier PDF.");
    writeFile(path(QStringLiteral("pequena.jpg")), readFile(logo()).left(247) + "\xFF\xD9");
    writeFile(path(QStringLiteral("sem-quadro.jpg")),
              "\xFF\xD8\xFF\xFE\x01\x2C" + QByteArray(298, 'c') + "\xFF\xD9");
    writeFile(path(QStringLiteral("enorme.jpg")), oversizedProgressive());
    // A restart marker, which has no length, leads the writer's walk 65507
    // bytes on, into an APP1 segment's data, to a 1 x 1 grey frame header;
    // the decoder skips both and reads the 200 x 100 colour picture.
    const QByteArray falso("\xFF\xC0\x00\x0B\x08\x00\x01\x00\x01\x01\x01\x11\x00", 13);
    writeFile(path(QStringLiteral("dois-quadros.jpg")),
              QByteArray("\xFF\xD8\xFF\xD0\xFF\xE1\xFF\xEC", 8) + QByteArray(65501, '\0') + falso +
                  readFile(logo()).mid(2));
    auto unsupported = [&](const QString& why) {
        return QStringLiteral("Image JPEG non supportée : ") + why +
               QStringLiteral(".\r\nSeules les images JPEG de base ou progressives, de "
                              "8 bits et de 1, 3 ou 4 composantes, sont supportées.") +
               cannot;
    };
    auto damaged = [&](const QString& why) {
        return QStringLiteral("Image JPEG endommagée : ") + why + QLatin1Char('.') + cannot;
    };
    auto fixture = [](const char* name) {
        return dataPath(QStringLiteral("fixtures/") + QLatin1String(name));
    };
    // The picture with one byte of its frame header changed.
    auto frame = [&](const char* name, int offset, char byte) {
        return jpegVariant(QLatin1String(name),
                           [&](QByteArray& b) { b[b.indexOf("\xFF\xC0") + offset] = byte; });
    };
    const QString upper = path(QStringLiteral("logo.JPG"));
    QFile::copy(logo(), upper);
    struct Case {
        QString file;
        QString text; // empty: drawn
    };
    const Case cases[] = {
        {logo(), {}},
        {fixture("grey.jpg"), {}},
        {fixture("cmyk.jpg"), {}},
        {fixture("progressive.jpg"), {}},
        {QStringLiteral("logo"),
         QStringLiteral("Le fichier image logo ne possède pas d'extension.") + cannot},
        {upper,
         QStringLiteral("Format d'image non supportée.\r\nSeule les images de types JPG sont "
                        "supportées.") +
             cannot},
        {path(QStringLiteral("pequena.jpg")), QStringLiteral("Fichier image non JPEG.") + cannot},
        {path(QStringLiteral("nada.jpg")), QStringLiteral("Fichier image non JPEG.") + cannot},
        {jpegVariant(QStringLiteral("cauda.jpg"), [](QByteArray& b) { b += "xx"; }),
         QStringLiteral("Marqueur de début JPEG ou marqueur de fin JPEG non valide.") + cannot},
        {jpegVariant(QStringLiteral("densidade.jpg"), [](QByteArray& b) { b[13] = 3; }),
         QStringLiteral("Erreur de résolution d'image , l'Opcode est 3Les Opcodes valides sont  0, "
                        "1, 2.") +
             cannot},
        {path(QStringLiteral("sem-quadro.jpg")),
         unsupported(QStringLiteral("largeur et hauteur absentes"))},
        {frame("dois.jpg", 9, 2), unsupported(QStringLiteral("2 composantes de couleur"))},
        {fixture("arithmetic.jpg"), unsupported(QStringLiteral("trame FFC9"))},
        {frame("sem-perda.jpg", 1, '\xC3'), unsupported(QStringLiteral("trame FFC3"))},
        {frame("hierarquica.jpg", 1, '\xC5'), unsupported(QStringLiteral("trame FFC5"))},
        {frame("12-bits.jpg", 4, 12), unsupported(QStringLiteral("précision de 12 bits"))},
        {path(QStringLiteral("enorme.jpg")), unsupported(QStringLiteral("image trop grande"))},
        {fixture("truncated.jpg"),
         damaged(QStringLiteral("Corrupt JPEG data: premature end of data segment"))},
        {fixture("garbled.jpg"),
         damaged(QStringLiteral("Corrupt JPEG data: 66 extraneous bytes before marker 0xd9"))},
        {path(QStringLiteral("dois-quadros.jpg")),
         damaged(QStringLiteral("en-têtes de trame contradictoires"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        testsupport::ScriptedDialogs dialogs;
        rusage before{}, after{};
        const QByteArray content =
            pageContent([](PDFPrinter&) {},
                        [&](PDFPrinter& p) {
                            getrusage(RUSAGE_SELF, &before);
                            p.PDFImage(c.file, 10, 10, 50, 50);
                            getrusage(RUSAGE_SELF, &after);
                            EXPECT_EQ(p.PDFImageWidth(c.file) == 0, !c.text.isEmpty());
                        });
        EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 32 * 1024); // kB
        EXPECT_EQ(content.contains(" cm /ImgJPEG1 Do Q"), c.text.isEmpty());
        if (c.text.isEmpty()) {
            EXPECT_TRUE(dialogs.messages().empty());
            continue;
        }
        EXPECT_EQ(content, "");
        ASSERT_EQ(dialogs.messages().size(), 2u);
        EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("Fichier Image - Quillane 4.0"));
        EXPECT_EQ(dialogs.messages()[0].text, c.text);
        EXPECT_EQ(dialogs.messages()[0].icon, dlg::Icon::Critical);
    }
    // A ".jpeg" name in lower case is fine.
    QFile::copy(logo(), path(QStringLiteral("logo.jpeg")));
    PDFPrinter p;
    EXPECT_EQ(p.PDFImageHeight(path(QStringLiteral("logo.jpeg"))), 100);
}
