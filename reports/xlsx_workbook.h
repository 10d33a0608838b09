#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <map>

// A workbook of one sheet holding text cells (number format "@"), written
// as an Office Open XML file (.xlsx).
class XlsxWorkbook {
public:
    static constexpr int kMaxRows = 1048576;
    static constexpr int kMaxColumns = 16384;

    // Row and column from 1; the value is kept exactly as given.
    void setText(int row, int column, const QString& value);
    // Columns first..last sized to their longest value; empty ones keep the
    // default width.
    void autoFit(int first, int last);
    // The file's bytes, dated `moment`.
    QByteArray bytes(const QDateTime& moment) const;

    // "A", "Z", "AA"... for a column from 1.
    static QString columnName(int column);

private:
    QByteArray sheetXml() const;

    std::map<int, std::map<int, QString>> rows_;
    std::map<int, double> widths_;
};
