#include "platform/db/data_control.h"

namespace db {

DataControl::DataControl(QObject* parent) : QObject(parent) {
    // A list may read a whole table.
    connection_.setLongStatements(true);
}

void DataControl::setConnectionString(const QString& connectionString) {
    if (connectionString != connection_.connectionString()) {
        connection_.close();
        connection_.setConnectionString(connectionString);
    }
}

void DataControl::setRecordSource(const QString& sql, Params params) {
    sql_ = sql;
    params_ = std::move(params);
}

void DataControl::refresh() {
    connection_.ensureOpen();
    model_.setRecordset(connection_.query(sql_, params_));
}

void DataControl::close() {
    model_.setRecordset(Recordset());
}

} // namespace db
