#pragma once

#include <QString>

// A text report as a spreadsheet: one row per line, one cell per part
// between "|", rule lines ("===") as empty cells, every other part as text
// (number format "@") without its outer blanks; columns A to Z sized to
// their longest text.
namespace spreadsheet {

// The name the workbook is saved under: ".xlsx" added when it has no extension.
QString workbookPath(const QString& chosen);
// Reads the report twice, for the column widths and then for the rows, so
// neither the report nor the sheet is ever held whole; the workbook appears
// only once complete. The error text, empty on success.
QString exportReport(const QString& reportPath, const QString& workbookPath);

} // namespace spreadsheet
