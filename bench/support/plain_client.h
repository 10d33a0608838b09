#pragma once

#include <QStringList>

// The plain mariadb client fetching statements from the test server, its
// output thrown away.
class PlainClient {
public:
    explicit PlainClient(const QString& database);

    // Milliseconds of one run of the client over `statements`, its own
    // start-up included.
    double fetchMs(const QStringList& statements) const;
    // Milliseconds of one run over "select 1": the start-up alone.
    double startMs() const;

private:
    QStringList arguments_;
};
