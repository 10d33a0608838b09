#include "bench/scale/server_watch.h"

ServerWatch::ServerWatch(const QString& connectionString) : admin_(connectionString) {
    admin_.open();
}

qint64 ServerWatch::connections() {
    db::Recordset status = admin_.query(QStringLiteral("show global status like 'Connections'"));
    return status.integer(QStringLiteral("Value"));
}

QStringList ServerWatch::selectsDuring(const std::function<void()>& work) {
    admin_.execute(QStringLiteral("set global general_log = 0"));
    admin_.execute(QStringLiteral("set global log_output = 'TABLE'"));
    admin_.execute(QStringLiteral("truncate table mysql.general_log"));
    admin_.execute(QStringLiteral("set global general_log = 1"));
    work();
    admin_.execute(QStringLiteral("set global general_log = 0"));
    db::Recordset logged = admin_.query(QStringLiteral(
        "select convert(argument using utf8mb4) as sql_text from mysql.general_log "
        "where thread_id <> connection_id() and command_type in ('Query', 'Execute') "
        "and argument regexp '^[[:space:]]*select' and argument not regexp '^select @@' "
        "order by event_time"));
    QStringList selects;
    for (logged.moveFirst(); !logged.eof(); logged.moveNext())
        selects << logged.text(QStringLiteral("sql_text"));
    return selects;
}
