#include "platform/db/recordset.h"

#include "platform/db/db_error.h"

#include <QRegularExpression>
#include <limits>

namespace db {

Recordset::Recordset() : data_(std::make_shared<Data>()) {}

int Recordset::columnCount() const {
    return static_cast<int>(data_->names.size());
}

QString Recordset::columnName(int column) const {
    return data_->names.value(column);
}

int Recordset::columnIndex(const QString& name) const {
    for (int i = 0; i < data_->names.size(); ++i) {
        if (data_->names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype Recordset::rowCount() const {
    return data_->names.isEmpty() ? 0 : data_->nulls.size() / data_->names.size();
}

int Recordset::require(const QString& column) const {
    const int index = columnIndex(column);
    if (index < 0)
        throw DbError(0, QStringLiteral("HY000"),
                      QStringLiteral("Coluna inexistente na consulta: %1").arg(column));
    if (eof() || row_ < 0)
        throw DbError(0, QStringLiteral("HY000"),
                      QStringLiteral("Nenhum registro atual para ler %1").arg(column));
    return index;
}

bool Recordset::find(const QString& column, const QString& value) {
    const int index = columnIndex(column);
    if (index < 0)
        throw DbError(0, QStringLiteral("HY000"),
                      QStringLiteral("Coluna inexistente na consulta: %1").arg(column));
    for (qsizetype r = std::max<qsizetype>(row_, 0); r < rowCount(); ++r) {
        if (textAt(r, index).compare(value, Qt::CaseInsensitive) == 0) {
            row_ = r;
            return true;
        }
    }
    row_ = rowCount();
    return false;
}

QByteArray Recordset::bytesAt(qsizetype row, int column) const {
    const qsizetype c = cell(row, column);
    const qsizetype begin = c == 0 ? 0 : data_->ends[c - 1];
    return data_->bytes.mid(begin, data_->ends[c] - begin);
}

QString Recordset::textAt(qsizetype row, int column) const {
    const qsizetype c = cell(row, column);
    const qsizetype begin = c == 0 ? 0 : data_->ends[c - 1];
    return QString::fromUtf8(data_->bytes.constData() + begin, data_->ends[c] - begin);
}

bool Recordset::isNullAt(qsizetype row, int column) const {
    return data_->nulls[cell(row, column)];
}

QString Recordset::text(const QString& column) const {
    return textAt(row_, require(column));
}

qint64 Recordset::integer(const QString& column) const {
    const QString t = text(column);
    bool ok = false;
    const qint64 v = t.toLongLong(&ok);
    if (ok)
        return v;
    // A decimal column read as a whole number.
    const auto d = Decimal::fromSql(t);
    return d ? d->truncatedUnits() : 0;
}

Decimal Recordset::decimal(const QString& column) const {
    return decimalAt(row_, require(column));
}

std::optional<QDate> Recordset::date(const QString& column) const {
    return dateAt(row_, require(column));
}

Decimal Recordset::decimalAt(qsizetype row, int column) const {
    const QString t = textAt(row, column);
    if (const auto d = Decimal::fromSql(t))
        return *d;
    // A number too large for the decimal (a sum of many large amounts) is an
    // error to show, never a zero.
    static const QRegularExpression number(QStringLiteral("^\\s*-?\\d+(\\.\\d*)?\\s*$"));
    if (number.match(t).hasMatch())
        throw DbError::outOfRange(columnName(column));
    return Decimal();
}

std::optional<QDate> Recordset::dateAt(qsizetype row, int column) const {
    const QString t = textAt(row, column);
    if (t.isEmpty())
        return std::nullopt;
    const QDate d = QDate::fromString(t.left(10), Qt::ISODate);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

bool Recordset::isNull(const QString& column) const {
    return isNullAt(row_, require(column));
}

Recordset::Builder::Builder(QStringList names) : data_(std::make_shared<Recordset::Data>()) {
    data_->names = std::move(names);
}

void Recordset::Builder::reserve(qsizetype rows, qsizetype rowBytes) {
    const qsizetype cells = rows * data_->names.size();
    data_->bytes.reserve(rows * rowBytes);
    data_->ends.reserve(static_cast<std::size_t>(cells));
    data_->nulls.reserve(static_cast<std::size_t>(cells));
}

qsizetype Recordset::Builder::byteCount() const {
    return data_->bytes.size();
}

qsizetype Recordset::Builder::cellCount() const {
    return static_cast<qsizetype>(data_->ends.size());
}

void Recordset::Builder::addCell(const char* bytes, qsizetype size) {
    // Offsets are kept in four bytes: a list holds far less than 4 GB.
    if (data_->bytes.size() + size > std::numeric_limits<quint32>::max())
        throw DbError(0, QStringLiteral("HY000"),
                      QStringLiteral("Consulta grande demais para ser lida de uma vez"));
    data_->bytes.append(bytes, size);
    data_->ends.push_back(static_cast<quint32>(data_->bytes.size()));
    data_->nulls.push_back(false);
}

void Recordset::Builder::addNull() {
    data_->ends.push_back(static_cast<quint32>(data_->bytes.size()));
    data_->nulls.push_back(true);
}

Recordset Recordset::Builder::finish() {
    Recordset r;
    r.data_ = std::move(data_);
    r.row_ = 0;
    return r;
}

} // namespace db
