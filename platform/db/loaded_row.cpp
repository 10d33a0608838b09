#include "platform/db/loaded_row.h"

#include "platform/db/unit_of_work.h"

#include <algorithm>

namespace db {

namespace {

QStringList columnNames(const Recordset& rows) {
    QStringList names;
    for (int c = 0; c < rows.columnCount(); ++c)
        names << rows.columnName(c);
    return names;
}

// Rows `first` to `first + count` of `rows`, each its cells under `names`,
// sorted; none when a column is missing.
std::vector<Cells> sortedRows(const Recordset& rows, const QStringList& names, qsizetype first,
                              qsizetype count) {
    std::vector<Cells> out(static_cast<std::size_t>(count));
    for (qsizetype row = first; row < first + count; ++row) {
        auto& cells = out[static_cast<std::size_t>(row - first)];
        for (const QString& name : names) {
            const int column = rows.columnIndex(name);
            if (column < 0)
                return {};
            if (rows.isNullAt(row, column))
                cells.emplace_back();
            else
                cells.emplace_back(rows.bytesAt(row, column));
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

template <class Loaded>
SaveOver compareStored(Connection& cn, const Statement& stored, const Loaded& loaded) {
    SaveOver out{Overwrite::Saved, cn.query(stored)};
    if (!loaded.holds(out.stored))
        out.outcome = out.stored.isEmpty() ? Overwrite::Gone : Overwrite::Changed;
    return out;
}

} // namespace

LoadedRows LoadedRows::none() {
    LoadedRows out;
    out.loaded_ = true;
    return out;
}

LoadedRows LoadedRows::of(const Recordset& rows) {
    return of(rows, 0, rows.rowCount());
}

LoadedRows LoadedRows::of(const Recordset& rows, qsizetype first, qsizetype count) {
    LoadedRows out = none();
    out.names_ = columnNames(rows);
    out.rows_ = sortedRows(rows, out.names_, first, count);
    return out;
}

bool LoadedRows::holds(const Recordset& stored) const {
    return holds(stored, 0, stored.rowCount());
}

bool LoadedRows::holds(const Recordset& stored, qsizetype first, qsizetype count) const {
    if (!loaded_ || count != static_cast<qsizetype>(rows_.size()))
        return false;
    return rows_.empty() || sortedRows(stored, names_, first, count) == rows_;
}

LoadedRow LoadedRow::none() {
    LoadedRow out;
    out.row_ = LoadedRows::none();
    return out;
}

LoadedRow LoadedRow::of(const Recordset& row) {
    LoadedRow out;
    if (!row.eof() && row.position() >= 0)
        out.row_ = LoadedRows::of(row, row.position(), 1);
    return out;
}

bool LoadedRow::holds(const Recordset& stored) const {
    const qsizetype count = stored.isEmpty() ? 0 : 1;
    return row_.holds(stored, stored.rowCount() - count, count);
}

Statement forUpdate(Statement read) {
    read.sql += QStringLiteral(" for update");
    return read;
}

SaveOver checkLoaded(Connection& cn, const Statement& stored, const LoadedRow& loaded) {
    return compareStored(cn, stored, loaded);
}

SaveOver checkLoaded(Connection& cn, const Statement& stored, const LoadedRows& loaded) {
    return compareStored(cn, stored, loaded);
}

SaveOver saveOverLoaded(Connection& cn, const Statement& stored, const LoadedRow& loaded,
                        const std::function<void(Connection&)>& write) {
    return unitOfWork(cn, [&](Transaction& t) {
        SaveOver out = checkLoaded(cn, stored, loaded);
        if (out.outcome != Overwrite::Saved)
            return out;
        write(cn);
        out.stored = cn.query(stored);
        t.commit();
        return out;
    });
}

} // namespace db
