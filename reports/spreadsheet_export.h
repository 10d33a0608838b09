#pragma once

#include "reports/xlsx_workbook.h"

#include <QByteArray>
#include <QString>

// A text report as a spreadsheet: one row per line, one cell per part
// between "|", rule lines ("===") as empty cells, every other part as text
// without its outer blanks; columns A to Z sized to their contents.
namespace spreadsheet {

// The sheet of a report's bytes; false when it is beyond a sheet's size.
bool fill(XlsxWorkbook& book, const QByteArray& report);
// The name the workbook is saved under: ".xlsx" added when it has no extension.
QString workbookPath(const QString& chosen);
// Reads the report and saves the workbook; the error text, empty on success.
QString exportReport(const QString& reportPath, const QString& workbookPath);

} // namespace spreadsheet
