#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>
#include <functional>

// A blocking HTTP GET: the answer, or no answer at all (status 0) with the
// reason, after at most `timeoutMs`.
namespace http {

struct Reply {
    int status = 0;
    QByteArray body;
    QString error; // network error text when there was no answer
    bool answered() const { return status != 0; }
};

using Headers = QList<QPair<QByteArray, QByteArray>>;

Reply get(const QUrl& url, const Headers& headers = {}, int timeoutMs = 15000);

// An address from the environment variable, or the default.
QString baseAddress(const char* variable, const QString& fallback);

} // namespace http
