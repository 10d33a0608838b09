#pragma once

#include "platform/db/connection.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace db {

// A row's cells in the order of the columns named; NULL is told apart from
// an empty text.
using Cells = std::vector<std::optional<QByteArray>>;

// Rows as a window loaded them (a document's instalments, a user's profile),
// every column of each. A save writes over the stored rows only while they
// still hold every column as loaded, byte for byte and NULL for NULL: a
// change stamp alone cannot tell apart two saves made in one second under one
// user name, and the tables' case-blind comparison would miss a change of
// letter case. Their order does not matter: the same rows read again in
// another order still hold.
class LoadedRows {
public:
    // Nothing loaded: no stored rows are the ones loaded.
    LoadedRows() = default;
    // The window found no row; that holds while none is stored.
    static LoadedRows none();
    // Every row of `rows`; none read holds while none is stored.
    static LoadedRows of(const Recordset& rows);

    bool holds(const Recordset& stored) const;

private:
    friend class LoadedRow;
    // Rows `first` to `first + count` of `rows`, loaded or compared.
    static LoadedRows of(const Recordset& rows, qsizetype first, qsizetype count);
    bool holds(const Recordset& stored, qsizetype first, qsizetype count) const;

    bool loaded_ = false;
    QStringList names_;
    std::vector<Cells> rows_; // sorted
};

// One row as a window loaded it, compared as LoadedRows compares.
class LoadedRow {
public:
    // Nothing loaded: no stored row is the one loaded.
    LoadedRow() = default;
    // The window found no row; that holds while none is stored.
    static LoadedRow none();
    // The current row of `row`, every column.
    static LoadedRow of(const Recordset& row);

    // Whether `stored`, read again, is still what was loaded: its last row
    // (the one a window shows of several), or no row where none was found.
    bool holds(const Recordset& stored) const;

private:
    LoadedRows row_; // none or one
};

enum class Overwrite {
    Saved,
    Changed, // another station saved first (or stored a row where none was)
    Gone,    // the row loaded is no longer stored
};

struct SaveOver {
    Overwrite outcome = Overwrite::Gone;
    // The rows as stored now: after the write when saved, else as found.
    Recordset stored;
};

// `read` with the rows it reads locked until the transaction ends, as
// checkLoaded wants them.
Statement forUpdate(Statement read);

// Inside a unit of work: reads `stored` (a SELECT ... FOR UPDATE of the rows
// a save writes over) and tells whether they still are as loaded (Saved: the
// save may write), with the rows as read.
SaveOver checkLoaded(Connection& cn, const Statement& stored, const LoadedRow& loaded);
SaveOver checkLoaded(Connection& cn, const Statement& stored, const LoadedRows& loaded);

// One unit of work: checkLoaded and, while the rows still are as loaded,
// runs `write` and commits; otherwise writes nothing. Throws DbError.
SaveOver saveOverLoaded(Connection& cn, const Statement& stored, const LoadedRow& loaded,
                        const std::function<void(Connection&)>& write);

} // namespace db
