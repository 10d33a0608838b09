#include "platform/db/connection.h"
#include "tests/support/test_database.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

// Every table of the connection's database as the server would create it,
// its lines sorted: an index added later is listed last, but is the same.
QMap<QString, QStringList> tables(db::Connection& cn) {
    QMap<QString, QStringList> created;
    const db::Recordset names = cn.query(QStringLiteral("show tables"));
    for (qsizetype row = 0; row < names.rowCount(); ++row) {
        const QString name = names.textAt(row, 0);
        QStringList lines = cn.query(QStringLiteral("show create table `%1`").arg(name))
                                .textAt(0, 1)
                                .split(QLatin1Char('\n'));
        for (QString& line : lines)
            if (line.endsWith(QLatin1Char(',')))
                line.chop(1);
        lines.sort();
        created[name] = lines;
    }
    return created;
}

} // namespace

// A database made by an earlier version, upgraded, holds what a new one
// holds; the upgrade changes nothing in a new one, however often it runs.
TEST(SchemaUpgrade, AnOlderDatabaseEndsAsANewOne) {
    db::Connection cn(testsupport::freshDatabase());
    cn.open();
    const QMap<QString, QStringList> fresh = tables(cn);
    const QString upgrade = testsupport::sourceDir() + QStringLiteral("/db/upgrade.sql");

    testsupport::loadSqlFile(cn, upgrade);
    testsupport::loadSqlFile(cn, upgrade);
    EXPECT_EQ(tables(cn), fresh);

    cn.execute(QStringLiteral("drop table recibos_emitidos"));
    cn.execute(QStringLiteral("drop index idx_cpagar_recibos_recibo on cpagar_recibos"));
    cn.execute(QStringLiteral("drop index idx_os_cab_lista on os_cab"));
    testsupport::loadSqlFile(cn, upgrade);
    EXPECT_EQ(tables(cn), fresh);
}
