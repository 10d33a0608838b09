#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>
#include <functional>

// Blocking HTTP GETs: the answer, or no answer at all (status 0) with the
// reason. A 200 whose body broke off is no answer.
namespace http {

struct Reply {
    int status = 0;
    QByteArray body;
    // Why there was no answer, or why a body broke off, in Portuguese.
    QString error;
    bool answered() const { return status != 0; }
};

using Headers = QList<QPair<QByteArray, QByteArray>>;

// Given up after at most `timeoutMs`.
Reply get(const QUrl& url, const Headers& headers = {}, int timeoutMs = 15000);
// A GET of a file that may take long: given up only when `stallMs` pass
// without a byte.
Reply download(const QUrl& url, const Headers& headers, int stallMs);

// An address from the environment variable, or the default.
QString baseAddress(const char* variable, const QString& fallback);

} // namespace http
