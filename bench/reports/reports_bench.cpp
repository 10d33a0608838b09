// Converts a 200-page text report to PDF with the print assistant's writer
// and exports a report of 100,000 lines to a workbook, printing the wall
// time, the peak memory and the file size of each. Each step runs in a
// child process of its own so its peak memory is its own.
#include "reports/report_fields.h"
#include "reports/report_file.h"
#include "reports/spreadsheet_export.h"
#include "reports/text_pdf_writer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using reportfields::Align;

// The columns of the open receivables report.
const QList<reportfields::Column> kColumns = {{QStringLiteral("Dt.Vecto"), 10, Align::Left},
                                              {QStringLiteral("Vr Aberto"), 15, Align::Right},
                                              {QStringLiteral("Vr Já Pago"), 15, Align::Right},
                                              {QStringLiteral("Vr Original"), 15, Align::Right},
                                              {QStringLiteral("Juros Já Pago"), 15, Align::Right},
                                              {QStringLiteral("Descontos"), 15, Align::Right},
                                              {QStringLiteral("Documento No"), 16, Align::Left},
                                              {QStringLiteral("Dt.Emissão"), 10, Align::Left},
                                              {QStringLiteral("Cliente"), 32, Align::Left}};

// A paged text report of `lines` report lines, as "Imprimir" writes it.
bool writeReport(const QString& path, int lines) {
    QStringList items;
    items.reserve(lines);
    for (int i = 0; i < lines; ++i) {
        const QString amount =
            QStringLiteral("R$ %1,%2").arg(1000 + i % 9000).arg(i % 100, 2, 10, QLatin1Char('0'));
        items << reportfields::line(
            kColumns,
            {QStringLiteral("05/03/2025"), amount, QStringLiteral("R$ 0,00"), amount,
             QStringLiteral("R$ 0,00"), QStringLiteral("R$ 0,00"),
             QStringLiteral("%1001").arg(i, 10, 10, QLatin1Char('0')), QStringLiteral("01/02/2025"),
             QStringLiteral("CLIENTE DE MANUTENÇÃO %1").arg(i % 500)});
    }
    reportfile::HeaderSource source{QStringLiteral("12.345.678/0001-95"),
                                    QStringLiteral("OFICINA AÇO - (11) 5555-0000"),
                                    QStringLiteral("CAIXA"),
                                    QStringLiteral("Relatório de Contas"),
                                    QStringLiteral("Tipo: 0 - C.Receber Situação: 0 - Em Aberto"
                                                   "Período: 01/03/2025 31/03/2025"),
                                    QStringLiteral("Cliente:  "),
                                    reportfields::titleLine(kColumns)};
    const QDateTime moment = QDateTime::currentDateTime();
    return reportfile::write(
               path,
               reportfile::render(items, [&] { return reportfile::pageHeader(source, moment); }))
        .isEmpty();
}

// Runs `step` in a child; prints its wall time, peak memory and the size of `output`.
bool measure(const char* name, const QString& output, const std::function<bool()>& step) {
    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0)
        _exit(step() ? 0 : 1);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s: failed\n", name);
        return false;
    }
    if (!output.isEmpty())
        std::printf("%-28s wall %7.3f s   peak memory %6.1f MiB   file %10lld bytes\n", name,
                    timer.nsecsElapsed() / 1e9, usage.ru_maxrss / 1024.0,
                    static_cast<long long>(QFileInfo(output).size()));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    qputenv("QUENDARO_DIR", folder.path().toLocal8Bit());
    constexpr int kPdfPages = 200;
    constexpr int kPageLines = 44;
    constexpr int kSheetLines = 100000;
    const QString pdfText = folder.filePath(QStringLiteral("relcontas_200.txt"));
    const QString pdf = folder.filePath(QStringLiteral("relcontas_200.pdf"));
    const QString sheetText = folder.filePath(QStringLiteral("relcontas_100000.txt"));
    const QString workbook = folder.filePath(QStringLiteral("relcontas_100000.xlsx"));

    if (!measure("prepare", {}, [&] { return writeReport(pdfText, kPdfPages * kPageLines); }) ||
        !measure("prepare", {}, [&] { return writeReport(sheetText, kSheetLines); }))
        return 1;
    std::printf("PDF input: %d pages, %lld bytes; workbook input: %d report lines, %lld bytes\n",
                kPdfPages, static_cast<long long>(QFileInfo(pdfText).size()), kSheetLines,
                static_cast<long long>(QFileInfo(sheetText).size()));
    const bool ok = measure("text report to PDF", pdf,
                            [&] {
                                TextPdfWriter writer;
                                return writer.ConvertToPDF(
                                    pdfText, pdf, {}, QStringLiteral("Courier"), 10, 0, 14, 11);
                            }) &&
                    measure("text report to workbook", workbook, [&] {
                        const QString error = spreadsheet::exportReport(sheetText, workbook);
                        if (!error.isEmpty())
                            std::fprintf(stderr, "%s\n", qPrintable(error));
                        return error.isEmpty();
                    });
    return ok ? 0 : 1;
}
