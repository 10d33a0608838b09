#include "platform/db/loaded_row.h"

#include "platform/db/unit_of_work.h"

namespace db {

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
    for (int c = 0; c < row.columnCount(); ++c) {
        out.names_ << row.columnName(c);
        out.nulls_.push_back(row.isNullAt(row.position(), c));
        out.values_.push_back(row.bytesAt(row.position(), c));
    }
    return out;
}

bool LoadedRow::holds(const Recordset& stored) const {
    if (stored.isEmpty())
        return kind_ == Kind::NoRow;
    if (kind_ != Kind::Row)
        return false;
    const qsizetype last = stored.rowCount() - 1;
    for (qsizetype i = 0; i < names_.size(); ++i) {
        const int column = stored.columnIndex(names_.at(i));
        if (column < 0 || stored.isNullAt(last, column) != nulls_[i] ||
            stored.bytesAt(last, column) != values_[i])
            return false;
    }
    return true;
}

SaveOver checkLoaded(Connection& cn, const Statement& stored, const LoadedRow& loaded) {
    SaveOver out{Overwrite::Saved, cn.query(stored)};
    if (!loaded.holds(out.stored))
        out.outcome = out.stored.isEmpty() ? Overwrite::Gone : Overwrite::Changed;
    return out;
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
