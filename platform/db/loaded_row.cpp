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

// The cells of `row` under `names`; none when a column is missing.
std::optional<Cells> cellsAt(const Recordset& rows, qsizetype row, const QStringList& names) {
    Cells out;
    out.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names) {
        const int column = rows.columnIndex(name);
        if (column < 0)
            return std::nullopt;
        if (rows.isNullAt(row, column))
            out.emplace_back(std::nullopt);
        else
            out.emplace_back(rows.bytesAt(row, column));
    }
    return out;
}

std::vector<Cells> sortedRows(const Recordset& rows, const QStringList& names) {
    std::vector<Cells> out;
    for (qsizetype row = 0; row < rows.rowCount(); ++row) {
        auto cells = cellsAt(rows, row, names);
        if (!cells)
            return {};
        out.push_back(std::move(*cells));
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

LoadedRow LoadedRow::none() {
    LoadedRow out;
    out.kind_ = Kind::NoRow;
    return out;
}

LoadedRow LoadedRow::of(const Recordset& row) {
    LoadedRow out;
    if (row.eof() || row.position() < 0)
        return out;
    out.kind_ = Kind::Row;
    out.names_ = columnNames(row);
    out.cells_ = *cellsAt(row, row.position(), out.names_);
    return out;
}

bool LoadedRow::holds(const Recordset& stored) const {
    if (stored.isEmpty())
        return kind_ == Kind::NoRow;
    if (kind_ != Kind::Row)
        return false;
    return cellsAt(stored, stored.rowCount() - 1, names_) == cells_;
}

LoadedRows LoadedRows::none() {
    LoadedRows out;
    out.loaded_ = true;
    return out;
}

LoadedRows LoadedRows::of(const Recordset& rows) {
    LoadedRows out;
    out.loaded_ = true;
    out.names_ = columnNames(rows);
    out.rows_ = sortedRows(rows, out.names_);
    return out;
}

bool LoadedRows::holds(const Recordset& stored) const {
    if (!loaded_ || stored.rowCount() != static_cast<qsizetype>(rows_.size()))
        return false;
    return rows_.empty() || sortedRows(stored, names_) == rows_;
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
