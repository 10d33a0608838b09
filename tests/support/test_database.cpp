#include "tests/support/test_database.h"

#include "platform/db/connection.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace testsupport {

namespace {

QString required(const char* name) {
    const QString value = qEnvironmentVariable(name);
    if (value.isEmpty()) {
        ADD_FAILURE() << name << " is not set: run the tests through scripts/test.sh";
        throw std::runtime_error("test server not configured");
    }
    return value;
}

} // namespace

QString sourceDir() {
    const QString fromEnv = qEnvironmentVariable("QUENDARO_SOURCE_DIR");
    return fromEnv.isEmpty() ? QStringLiteral(QUENDARO_SOURCE_DIR) : fromEnv;
}

QString connectionString(const QString& database) {
    return QStringLiteral("Driver={MySQL ODBC 8.0 ANSI Driver};Server=%1;Database=%2;User=%3;"
                          "Password=%4;Option=3;")
        .arg(required("QUENDARO_TEST_DB_SERVER"), database, required("QUENDARO_TEST_DB_USER"),
             required("QUENDARO_TEST_DB_PASSWORD"));
}

void loadSqlFile(db::Connection& connection, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression end(QStringLiteral(";\\s*(\\n|$)"));
    for (const QString& statement : text.split(end, Qt::SkipEmptyParts)) {
        QString sql;
        for (const QString& line : statement.split(QLatin1Char('\n'))) {
            if (!line.trimmed().startsWith(QLatin1String("--")))
                sql += line + QLatin1Char('\n');
        }
        if (!sql.trimmed().isEmpty())
            connection.execute(sql);
    }
}

QString databaseName(const QString& suffix) {
    QString name = qEnvironmentVariable("QUENDARO_TEST_NAME", QStringLiteral("quendaro_test"));
    name = QStringLiteral("t_") + name + suffix;
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]")), QStringLiteral("_"));
    return name.left(64);
}

QString freshDatabase(const QString& suffix) {
    const QString name = databaseName(suffix);
    db::Connection admin(connectionString());
    admin.open();
    admin.execute(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(name));
    admin.execute(QStringLiteral("CREATE DATABASE `%1` CHARACTER SET utf8mb4 COLLATE "
                                 "utf8mb4_general_ci")
                      .arg(name));
    admin.execute(QStringLiteral("USE `%1`").arg(name));
    loadSqlFile(admin, sourceDir() + QStringLiteral("/db/schema.sql"));
    return connectionString(name);
}

} // namespace testsupport
