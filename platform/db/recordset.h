#pragma once

#include "platform/decimal.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace db {

// The rows of one query, read once into memory (a static cursor): a current
// row that moves, columns by name ignoring letter case. NULL reads as empty
// text or zero; isNull() still tells.
class Recordset {
public:
    Recordset();

    int columnCount() const;
    QString columnName(int column) const;
    // -1 when the query has no such column.
    int columnIndex(const QString& name) const;
    qsizetype rowCount() const;
    bool isEmpty() const { return rowCount() == 0; }

    // Cursor.
    bool eof() const { return row_ >= rowCount(); }
    bool bof() const { return row_ < 0 || rowCount() == 0; }
    qsizetype position() const { return row_; }
    void moveFirst() { row_ = 0; }
    void moveLast() { row_ = rowCount() - 1; }
    void moveNext() { ++row_; }
    void movePrevious() { --row_; }
    void moveTo(qsizetype row) { row_ = row; }
    // Moves to the first row from the current one (inclusive) whose column
    // equals `value` (as text, ignoring letter case); eof() when none.
    bool find(const QString& column, const QString& value);

    // Values of the current row; a missing column throws.
    QString text(const QString& column) const;
    qint64 integer(const QString& column) const;
    Decimal decimal(const QString& column) const;
    std::optional<QDate> date(const QString& column) const;
    bool isNull(const QString& column) const;

    // Values of any row by position.
    QString textAt(qsizetype row, int column) const;
    Decimal decimalAt(qsizetype row, int column) const;
    std::optional<QDate> dateAt(qsizetype row, int column) const;
    QByteArray bytesAt(qsizetype row, int column) const;
    bool isNullAt(qsizetype row, int column) const;

    // Filled by the connection while fetching.
    class Builder;

private:
    struct Data {
        QStringList names;
        QByteArray bytes;          // every cell's UTF-8 text, one after another
        std::vector<quint32> ends; // end offset of each cell in `bytes`
        std::vector<bool> nulls;   // one per cell
    };
    int require(const QString& column) const;
    qsizetype cell(qsizetype row, int column) const { return row * data_->names.size() + column; }

    std::shared_ptr<const Data> data_;
    qsizetype row_ = 0;
};

class Recordset::Builder {
public:
    explicit Builder(QStringList names);
    // Room for `rows` rows of about `rowBytes` bytes, so a large result is
    // not copied as it grows.
    void reserve(qsizetype rows, qsizetype rowBytes);
    qsizetype byteCount() const;
    qsizetype cellCount() const;
    void addCell(const char* bytes, qsizetype size);
    void addNull();
    Recordset finish();

private:
    std::shared_ptr<Recordset::Data> data_;
};

} // namespace db
