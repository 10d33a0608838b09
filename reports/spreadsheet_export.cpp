#include "reports/spreadsheet_export.h"

#include "platform/cp1252.h"
#include "reports/text_lines.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace spreadsheet {

bool fill(XlsxWorkbook& book, const QByteArray& report) {
    int row = 1;
    for (const QByteArray& line : textLines(report)) {
        if (row > XlsxWorkbook::kMaxRows)
            return false;
        if (!line.isEmpty()) {
            const QList<QByteArray> parts = line.split('|');
            if (parts.size() > XlsxWorkbook::kMaxColumns)
                return false;
            for (qsizetype i = 0; i < parts.size(); ++i) {
                if (!parts.at(i).startsWith("==="))
                    book.setText(row, static_cast<int>(i) + 1,
                                 cp1252::decode(trimBlanks(parts.at(i))));
            }
        }
        ++row;
    }
    book.autoFit(1, 26);
    return true;
}

QString workbookPath(const QString& chosen) {
    return QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".xlsx") : chosen;
}

QString exportReport(const QString& reportPath, const QString& workbookPath) {
    QFile report(reportPath);
    if (!report.open(QIODevice::ReadOnly))
        return QStringLiteral("Arquivo '") + reportPath + QStringLiteral("' não existe.");
    XlsxWorkbook book;
    if (!fill(book, report.readAll()))
        return QStringLiteral("O relatório não cabe em uma planilha.");
    QSaveFile out(workbookPath);
    const QByteArray bytes = book.bytes(QDateTime::currentDateTime());
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return QStringLiteral("Não foi possível gravar '") + workbookPath + QStringLiteral("': ") +
               out.errorString();
    return QString();
}

} // namespace spreadsheet
