// Writes a 200-page landscape A4 document of 54 lines of 151 Courier
// characters a page through PDFTextOut, as a long text report would be. When
// built beside the outside library of reference (Debian libhpdf-dev), the
// same pages are also written with it, uncompressed, in the same run. Each
// writer runs several times in turn; the best wall time of each and their
// ratio are printed. The one argument, when given, is the number of runs
// (5 by default).
#include "pdf/font_folder.h"
#include "pdf/pdf_printer.h"
#include "platform/cp1252.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <sys/resource.h>
#include <vector>

#ifdef QUENDARO_BENCH_HPDF
#include <hpdf.h>
#endif

namespace {

constexpr int kPages = 200;
constexpr int kLines = 54;
constexpr int kColumns = 151;
constexpr double kPageHeight = 595;

// Line l of page p is entry (p - 1) * kLines + l - 1; it lies at y 20 + 10 l
// from the top, x 20 (plus the writer's default margin of one point).
std::vector<QString> pageLines() {
    std::vector<QString> lines;
    lines.reserve(kPages * kLines);
    for (int page = 1; page <= kPages; ++page) {
        for (int line = 1; line <= kLines; ++line) {
            const QString text =
                QStringLiteral("%1 | %2 | Serviço de manutenção (parcela) R$ 1.234,56 ")
                    .arg(page, 3, 10, QLatin1Char('0'))
                    .arg(line, 2, 10, QLatin1Char('0'));
            lines.push_back(text.leftJustified(kColumns, QLatin1Char('.'), true));
        }
    }
    return lines;
}

const QString& lineOf(const std::vector<QString>& lines, int page, int line) {
    return lines[static_cast<std::size_t>((page - 1) * kLines + line - 1)];
}

double writeOurs(const QString& file, const QString& fonts, const std::vector<QString>& lines) {
    QElapsedTimer timer;
    timer.start();
    PDFPrinter p;
    p.PDFFileName(file);
    p.PDFLoadAfm(fonts);
    p.PDFSetUnit(0);
    p.PDFOrientation(0);
    p.PDFBeginDoc();
    p.PDFSetFont(1, 7, 0);
    for (int page = 1; page <= kPages; ++page) {
        if (page > 1) {
            p.PDFEndPage();
            p.PDFNewPage();
        }
        for (int line = 1; line <= kLines; ++line)
            p.PDFTextOut(lineOf(lines, page, line), 20, 20 + line * 10);
    }
    p.PDFEndPage();
    p.PDFEndDoc();
    return timer.nsecsElapsed() / 1e9;
}

#ifdef QUENDARO_BENCH_HPDF
void hpdfFailed(HPDF_STATUS error, HPDF_STATUS detail, void*) {
    std::fprintf(stderr, "libharu error %04X (%u)\n", static_cast<unsigned>(error),
                 static_cast<unsigned>(detail));
    std::exit(1);
}

// The same pages, each line with the same operators: graphics state saved,
// colour, position, font and size, the text.
double writeHpdf(const QString& file, const std::vector<QString>& lines) {
    std::vector<QByteArray> bytes;
    bytes.reserve(lines.size());
    for (const QString& line : lines)
        bytes.push_back(cp1252::encode(line));
    QElapsedTimer timer;
    timer.start();
    HPDF_Doc pdf = HPDF_New(hpdfFailed, nullptr);
    HPDF_SetCompressionMode(pdf, HPDF_COMP_NONE);
    HPDF_Font font = HPDF_GetFont(pdf, "Courier", "WinAnsiEncoding");
    for (int page = 1; page <= kPages; ++page) {
        HPDF_Page p = HPDF_AddPage(pdf);
        HPDF_Page_SetWidth(p, 842);
        HPDF_Page_SetHeight(p, kPageHeight);
        for (int line = 1; line <= kLines; ++line) {
            HPDF_Page_GSave(p);
            HPDF_Page_SetGrayFill(p, 0);
            HPDF_Page_BeginText(p);
            HPDF_Page_MoveTextPos(p, 21, kPageHeight - (20 + line * 10));
            HPDF_Page_SetFontAndSize(p, font, 7);
            HPDF_Page_ShowText(
                p, bytes[static_cast<std::size_t>((page - 1) * kLines + line - 1)].constData());
            HPDF_Page_EndText(p);
            HPDF_Page_GRestore(p);
        }
    }
    HPDF_SaveToFile(pdf, file.toLocal8Bit().constData());
    HPDF_Free(pdf);
    return timer.nsecsElapsed() / 1e9;
}
#endif

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    qputenv("QUENDARO_DIR", folder.path().toLocal8Bit());
    const QString ours = folder.filePath(QStringLiteral("relatorio.pdf"));
    const std::vector<QString> lines = pageLines();
    double bestOurs = std::numeric_limits<double>::max();
#ifdef QUENDARO_BENCH_HPDF
    const QString theirs = folder.filePath(QStringLiteral("referencia.pdf"));
    double bestHpdf = std::numeric_limits<double>::max();
#endif
    try {
        // The program folder's metric files are set up once, not per document.
        const QString fonts = fontfolder::ensureFontFolder();
        for (int run = 0; run < runs; ++run) {
            bestOurs = std::min(bestOurs, writeOurs(ours, fonts, lines));
#ifdef QUENDARO_BENCH_HPDF
            bestHpdf = std::min(bestHpdf, writeHpdf(theirs, lines));
#endif
        }
    } catch (const PDFError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("pages: %d, lines: %d, characters: %d; best of %d runs\n", kPages, kPages * kLines,
                kPages * kLines * kColumns, runs);
    std::printf("writer:  %.3f s, %lld bytes\n", bestOurs,
                static_cast<long long>(QFileInfo(ours).size()));
#ifdef QUENDARO_BENCH_HPDF
    std::printf("libharu: %.3f s, %lld bytes\n", bestHpdf,
                static_cast<long long>(QFileInfo(theirs).size()));
    std::printf("ratio writer / libharu: %.2f\n", bestOurs / bestHpdf);
#else
    std::printf("libharu: not installed (libhpdf-dev), no comparison\n");
#endif
    std::printf("peak memory: %.1f MiB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
