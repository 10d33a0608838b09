#pragma once

#include "platform/db/connection.h"
#include "platform/db/recordset_model.h"
#include "platform/db/statement.h"

#include <QObject>

namespace db {

// What feeds a list: a connection of its own, an SQL text as record source and
// a refresh that reads it again into the model.
class DataControl : public QObject {
    Q_OBJECT
public:
    explicit DataControl(QObject* parent = nullptr);

    void setConnectionString(const QString& connectionString);
    void setRecordSource(const QString& sql, Params params = {});
    void setRecordSource(const Statement& s) { setRecordSource(s.sql, s.params); }
    const QString& recordSource() const { return sql_; }
    const Params& recordSourceParams() const { return params_; }

    // Opens the connection when closed and reads the record source; throws
    // DbError, leaving the rows shown as they were.
    void refresh();
    // Closes the list. Its connection stays open for the next refresh and
    // closes with the control, that is with its window.
    void close();

    RecordsetModel* model() { return &model_; }
    const Recordset& recordset() const { return model_.recordset(); }

private:
    Connection connection_;
    QString sql_;
    Params params_;
    RecordsetModel model_;
};

} // namespace db
