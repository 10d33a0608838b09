#include "platform/db/block_fetch.h"

#include <sqlext.h>

#include <QByteArray>
#include <algorithm>
#include <memory>
#include <vector>

namespace db {

namespace {

// Room the bound arrays take, and the most rows a block holds.
constexpr SQLLEN kBlockBytes = 4 << 20;
constexpr SQLLEN kBlockRows = 1000;
// Columns wider than this (long texts and bytes) are read value by value.
constexpr SQLLEN kWidestBound = kBlockBytes / 16;
// Rows read before the size of the rest is foreseen.
constexpr qsizetype kSampleRows = 200;

struct Column {
    QString name;
    bool bound = false;
    SQLLEN width = 0; // bytes of one value, the terminating zero included
    // Left unfilled: only what the driver writes is ever touched.
    std::unique_ptr<char[]> values;
    std::vector<SQLLEN> indicators;
};

// The bytes a value of the column takes as text: its octets for texts (four
// per character), twice them for bytes shown as hex digits, its display
// size for numbers and dates, never under what the widest number needs.
// Long texts and bytes come out far wider than a block.
SQLLEN textWidth(SQLHSTMT stmt, SQLUSMALLINT column, SQLSMALLINT type) {
    SQLLEN octets = 0;
    SQLLEN display = 0;
    SQLColAttribute(stmt, column, SQL_DESC_OCTET_LENGTH, nullptr, 0, nullptr, &octets);
    SQLColAttribute(stmt, column, SQL_DESC_DISPLAY_SIZE, nullptr, 0, nullptr, &display);
    const bool binary = type == SQL_BINARY || type == SQL_VARBINARY || type == SQL_LONGVARBINARY;
    return std::max({binary ? 2 * octets : octets, display, SQLLEN(64)}) + 1;
}

std::vector<Column> describe(SQLHSTMT stmt, SQLSMALLINT count, const Check& check) {
    std::vector<Column> columns(static_cast<std::size_t>(count));
    for (SQLSMALLINT c = 1; c <= count; ++c) {
        SQLCHAR name[256] = {};
        SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        check(SQLDescribeColA(stmt, c, name, sizeof(name), &nameLength, &type, &size, &digits,
                              &nullable),
              "Falha ao ler colunas");
        Column& column = columns[static_cast<std::size_t>(c - 1)];
        column.name = QString::fromUtf8(reinterpret_cast<const char*>(name));
        column.width = textWidth(stmt, static_cast<SQLUSMALLINT>(c), type);
        column.bound = column.width <= kWidestBound;
    }
    return columns;
}

// One whole value of the current row through SQLGetData, in pieces when
// it is longer than the buffer (each piece but the last ends with a zero).
void readWhole(SQLHSTMT stmt, SQLUSMALLINT column, Recordset::Builder& builder,
               const Check& check) {
    char buffer[8192];
    SQLLEN indicator = 0;
    SQLRETURN rc = SQLGetData(stmt, column, SQL_C_CHAR, buffer, sizeof(buffer), &indicator);
    check(rc, "Falha ao ler valor");
    if (indicator == SQL_NULL_DATA) {
        builder.addNull();
        return;
    }
    if (rc != SQL_SUCCESS_WITH_INFO) {
        builder.addCell(buffer, static_cast<qsizetype>(indicator));
        return;
    }
    QByteArray whole(buffer, sizeof(buffer) - 1);
    while (rc == SQL_SUCCESS_WITH_INFO) {
        rc = SQLGetData(stmt, column, SQL_C_CHAR, buffer, sizeof(buffer), &indicator);
        if (rc == SQL_NO_DATA)
            break;
        check(rc, "Falha ao ler valor");
        const bool partial = rc == SQL_SUCCESS_WITH_INFO || indicator == SQL_NO_TOTAL ||
                             indicator >= static_cast<SQLLEN>(sizeof(buffer));
        whole.append(buffer, partial ? sizeof(buffer) - 1 : static_cast<qsizetype>(indicator));
    }
    builder.addCell(whole.constData(), whole.size());
}

} // namespace

Recordset fetchAll(SQLHSTMT stmt, const Check& check) {
    SQLSMALLINT count = 0;
    check(SQLNumResultCols(stmt, &count), "Falha ao ler colunas");
    std::vector<Column> columns = describe(stmt, count, check);
    QStringList names;
    SQLLEN rowBytes = 0;
    bool anyLong = false;
    for (const Column& c : columns) {
        names << c.name;
        rowBytes += c.bound ? c.width : 0;
        anyLong = anyLong || !c.bound;
    }
    Recordset::Builder builder(names);
    if (count == 0)
        return builder.finish();

    // The driver tells how many rows a query brought: a lookup of one row
    // takes arrays of one row.
    SQLLEN expected = 0;
    SQLRowCount(stmt, &expected);
    // The driver reads a long value only from the first row of a block, so
    // a result with one comes a row at a time.
    SQLLEN rows = std::clamp(kBlockBytes / std::max(rowBytes, SQLLEN(1)), SQLLEN(1), kBlockRows);
    if (anyLong)
        rows = 1;
    else if (expected > 0)
        rows = std::min(rows, expected);
    SQLULEN fetched = 0;
    std::vector<SQLUSMALLINT> status(static_cast<std::size_t>(rows));
    check(SQLSetStmtAttr(stmt, SQL_ATTR_ROW_BIND_TYPE, SQL_BIND_BY_COLUMN, 0),
          "Falha ao preparar a leitura");
    check(SQLSetStmtAttr(stmt, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(rows), 0),
          "Falha ao preparar a leitura");
    check(SQLSetStmtAttr(stmt, SQL_ATTR_ROW_STATUS_PTR, status.data(), 0),
          "Falha ao preparar a leitura");
    check(SQLSetStmtAttr(stmt, SQL_ATTR_ROWS_FETCHED_PTR, &fetched, 0),
          "Falha ao preparar a leitura");
    for (std::size_t i = 0; i < columns.size(); ++i) {
        Column& c = columns[i];
        if (!c.bound)
            continue;
        c.values.reset(new char[static_cast<std::size_t>(c.width * rows)]);
        c.indicators.resize(static_cast<std::size_t>(rows));
        check(SQLBindCol(stmt, static_cast<SQLUSMALLINT>(i + 1), SQL_C_CHAR, c.values.get(),
                         c.width, c.indicators.data()),
              "Falha ao preparar a leitura");
    }

    // Once the first rows show their size, the recordset takes room for them all.
    bool reserved = expected <= 0;
    for (;;) {
        const SQLRETURN rc = SQLFetch(stmt);
        if (rc == SQL_NO_DATA)
            break;
        check(rc, "Falha ao ler registros");
        if (!reserved && builder.cellCount() >= kSampleRows * count) {
            const qsizetype read = builder.cellCount() / count;
            builder.reserve(expected, builder.byteCount() / read + 1);
            reserved = true;
        }
        for (SQLULEN r = 0; r < fetched; ++r) {
            if (status[r] == SQL_ROW_ERROR)
                check(SQL_ERROR, "Falha ao ler registros");
            for (std::size_t i = 0; i < columns.size(); ++i) {
                const Column& c = columns[i];
                const auto number = static_cast<SQLUSMALLINT>(i + 1);
                if (!c.bound) {
                    readWhole(stmt, number, builder, check);
                    continue;
                }
                const SQLLEN indicator = c.indicators[r];
                if (indicator == SQL_NULL_DATA) {
                    builder.addNull();
                } else if (indicator == SQL_NO_TOTAL || indicator >= c.width) {
                    // Wider than the server said it could be: read again
                    // whole where the driver can, never cut.
                    if (rows > 1)
                        check(SQL_ERROR, "Falha ao ler valor");
                    readWhole(stmt, number, builder, check);
                } else {
                    builder.addCell(c.values.get() + r * c.width,
                                    static_cast<qsizetype>(indicator));
                }
            }
        }
    }
    return builder.finish();
}

} // namespace db
