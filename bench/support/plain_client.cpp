#include "bench/support/plain_client.h"

#include <QElapsedTimer>
#include <QProcess>

PlainClient::PlainClient(const QString& database)
    : arguments_{QStringLiteral("--no-defaults"),
                 QStringLiteral("--batch"),
                 QStringLiteral("-h") + qEnvironmentVariable("QUENDARO_TEST_DB_SERVER"),
                 QStringLiteral("-u") + qEnvironmentVariable("QUENDARO_TEST_DB_USER"),
                 QStringLiteral("-p") + qEnvironmentVariable("QUENDARO_TEST_DB_PASSWORD"),
                 database} {}

double PlainClient::fetchMs(const QStringList& statements) const {
    const QStringList arguments =
        arguments_ + QStringList{QStringLiteral("-e"), statements.join(QStringLiteral(";\n"))};
    QElapsedTimer timer;
    timer.start();
    QProcess client;
    client.setStandardOutputFile(QProcess::nullDevice());
    client.start(QStringLiteral("mariadb"), arguments);
    client.waitForFinished(-1);
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double PlainClient::startMs() const {
    return fetchMs({QStringLiteral("select 1")});
}
