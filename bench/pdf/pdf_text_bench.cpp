// Writes a 200-page document of 54 lines of 151 Courier characters a page
// through PDFTextOut, as a long text report would be, and prints the wall
// time and the peak memory of the process.
#include "pdf/font_folder.h"
#include "pdf/pdf_printer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    qputenv("QUENDARO_DIR", folder.path().toLocal8Bit());
    const QString file = folder.filePath(QStringLiteral("relatorio.pdf"));
    constexpr int kPages = 200;
    constexpr int kLines = 54;
    constexpr int kColumns = 151;

    QElapsedTimer timer;
    timer.start();
    try {
        PDFPrinter p;
        p.PDFFileName(file);
        p.PDFLoadAfm(fontfolder::ensureFontFolder());
        p.PDFSetUnit(0);
        p.PDFOrientation(0);
        p.PDFBeginDoc();
        p.PDFSetFont(1, 7, 0);
        for (int page = 1; page <= kPages; ++page) {
            if (page > 1) {
                p.PDFEndPage();
                p.PDFNewPage();
            }
            for (int line = 1; line <= kLines; ++line) {
                QString text =
                    QStringLiteral("%1 | %2 | Serviço de manutenção (parcela) R$ 1.234,56 ")
                        .arg(page, 3, 10, QLatin1Char('0'))
                        .arg(line, 2, 10, QLatin1Char('0'));
                text = text.leftJustified(kColumns, QLatin1Char('.'), true);
                p.PDFTextOut(text, 20, 20 + line * 10);
            }
        }
        p.PDFEndPage();
        p.PDFEndDoc();
    } catch (const PDFError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("pages: %d, lines: %d, characters: %d\n", kPages, kPages * kLines,
                kPages * kLines * kColumns);
    std::printf("file: %lld bytes\n", static_cast<long long>(QFileInfo(file).size()));
    std::printf("wall time: %.3f s\n", seconds);
    std::printf("peak memory: %.1f MiB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
