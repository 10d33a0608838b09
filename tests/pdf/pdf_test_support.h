#pragma once

// Shared by the writer's test programs: a program folder of their own, a fixed
// creation date, the expected files and the outside checkers.

#include "pdf/creation_clock.h"
#include "pdf/font_folder.h"
#include "pdf/pdf_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace pdftest {

inline QString dataPath(const QString& relative) {
    return QDir(QStringLiteral(QUENDARO_PDF_TEST_DATA)).filePath(relative);
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot read " << path.toStdString();
    return file.readAll();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

// The progressive fixture (48 x 24) with a frame header that says 20000 x
// 20000: decoding it whole would take more than a gigabyte.
inline QByteArray oversizedProgressive() {
    QByteArray bytes = readFile(dataPath(QStringLiteral("fixtures/progressive.jpg")));
    const qsizetype frame = bytes.indexOf("\xFF\xC2");
    for (const qsizetype at : {frame + 5, frame + 7})
        bytes.replace(at, 2, "\x4E\x20");
    return bytes;
}

// The written bytes equal the expected file; on a difference the written file
// is kept beside the temporary folder and the first differing line shown.
inline void expectSameBytes(const QByteArray& written, const QString& expectedFile) {
    const QByteArray expected = readFile(expectedFile);
    if (written == expected)
        return;
    qsizetype at = 0;
    while (at < written.size() && at < expected.size() && written[at] == expected[at])
        ++at;
    const qsizetype lineStart = expected.lastIndexOf('\n', at) + 1;
    const QString kept = QDir::temp().filePath(QFileInfo(expectedFile).fileName() + ".written");
    QFile out(kept);
    if (out.open(QIODevice::WriteOnly))
        out.write(written);
    ADD_FAILURE() << expectedFile.toStdString() << " differs at byte " << at
                  << "\nexpected: " << expected.mid(lineStart, 80).toStdString()
                  << "\nwritten:  " << written.mid(lineStart, 80).toStdString() << "\n(kept in "
                  << kept.toStdString() << ")";
}

// Two page contents are equal; on a difference the first differing line is shown.
inline void expectSameContent(const QByteArray& written, const QByteArray& expected) {
    if (written == expected)
        return;
    const QList<QByteArray> a = written.split('\n');
    const QList<QByteArray> b = expected.split('\n');
    qsizetype line = 0;
    while (line < a.size() && line < b.size() && a[line] == b[line])
        ++line;
    ADD_FAILURE() << "content differs at line " << line + 1
                  << "\nexpected: " << b.value(line).toStdString()
                  << "\nwritten:  " << a.value(line).toStdString();
}

// LF line ends of a readable expectation turned into the file's CR LF.
inline QByteArray crlf(QByteArray text) {
    return text.replace("\n", "\r\n");
}

// The fixture metrics, Helvetica at 10 chosen: Courier /F1, Helvetica /F2
// ("a" 278, "b" 556, the blank 278, "(" and ")" 333; a glyph the file lacks,
// "u" or "p", measures as the blank).
inline void fixtureFonts(PDFPrinter& p) {
    p.PDFLoadAfm(dataPath(QStringLiteral("fixtures/afm")));
    p.PDFSetFont(0, 10, 0);
}

// A fresh program folder (QUENDARO_DIR) and a creation date fixed at
// 2024-03-05 14:07:09 for every test.
class PdfTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        qputenv("QUENDARO_DIR", dir.path().toLocal8Bit());
        pdfclock::setClock([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)); });
    }
    void TearDown() override {
        pdfclock::setClock({});
        qunsetenv("QUENDARO_DIR");
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // The real metrics under the standard names.
    QString realFonts() { return fontfolder::ensureFontFolder(); }

    // A one-page document in points: `setUp` before PDFBeginDoc, `draw` on
    // the page. The file must pass qpdf; returns its page content.
    QByteArray pageContent(const std::function<void(PDFPrinter&)>& setUp,
                           const std::function<void(PDFPrinter&)>& draw);

    QTemporaryDir dir;
};

inline void expectQpdfClean(const QString& file);
inline QByteArray streamOf(const QByteArray& file, int object);

inline QByteArray PdfTest::pageContent(const std::function<void(PDFPrinter&)>& setUp,
                                       const std::function<void(PDFPrinter&)>& draw) {
    const QString file = path(QStringLiteral("pagina.pdf"));
    {
        PDFPrinter p;
        p.PDFFileName(file);
        p.PDFSetUnit(0);
        setUp(p);
        p.PDFBeginDoc();
        draw(p);
        p.PDFEndPage();
        p.PDFEndDoc();
    }
    expectQpdfClean(file);
    return streamOf(readFile(file), 2);
}

struct ProcessResult {
    int exitCode = -1;
    QByteArray out;
};

inline ProcessResult run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput() + process.readAllStandardError()};
}

// qpdf finds nothing to complain about.
inline void expectQpdfClean(const QString& file) {
    const ProcessResult r = run(QStringLiteral("qpdf"), {QStringLiteral("--check"), file});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
}

// The page sizes pdfinfo reports, as "width x height" texts in points.
inline QStringList pageSizes(const QString& file) {
    const ProcessResult r =
        run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                        QStringLiteral("-l"), QStringLiteral("999"), file});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
    QStringList sizes;
    static const QRegularExpression size(
        QStringLiteral("Page +\\d+ size: +([\\d.]+ x [\\d.]+) pts"));
    auto it = size.globalMatch(QString::fromUtf8(r.out));
    while (it.hasNext())
        sizes << it.next().captured(1);
    return sizes;
}

// The file passes qpdf and pdfinfo sees these pages.
inline void expectValid(const QString& file, const QStringList& sizes) {
    expectQpdfClean(file);
    EXPECT_EQ(pageSizes(file), sizes);
}

// The first page as a viewer shows it, at 72 dots an inch: a point is a
// pixel, counted from the top-left corner. Null when it cannot be drawn.
inline QImage firstPage(const QString& file) {
    const QString image = file + QStringLiteral(".png");
    const ProcessResult r = run(QStringLiteral("pdftoppm"),
                                {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                                 QStringLiteral("-singlefile"), file, file});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
    return QImage(image);
}

// The document property `name` ("Title", "Subject"...) as pdfinfo shows it.
inline QString infoField(const QString& file, const QString& name) {
    const ProcessResult r =
        run(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), file});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
    for (const QString& line : QString::fromUtf8(r.out).split(QLatin1Char('\n'))) {
        if (line.startsWith(name + QLatin1Char(':')))
            return line.mid(name.size() + 1).trimmed();
    }
    return {};
}

inline QString pdfText(const QString& file) {
    const ProcessResult r =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), QStringLiteral("-enc"),
                                          QStringLiteral("UTF-8"), file, QStringLiteral("-")});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
    return QString::fromUtf8(r.out);
}

// The content stream of an object, as written between "stream" and "endstream".
inline QByteArray streamOf(const QByteArray& file, int object) {
    const QByteArray head = "\r\n" + QByteArray::number(object) + " 0 obj\r\n";
    const qsizetype at = file.indexOf(head);
    if (at < 0)
        return QByteArray("<missing object>");
    const qsizetype begin = file.indexOf("stream\r\n", at) + 8;
    const qsizetype end = file.indexOf("endstream\r\nendobj", begin);
    return file.mid(begin, end - begin);
}

} // namespace pdftest
