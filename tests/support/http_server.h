#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QTcpServer>

namespace testsupport {

// A small HTTP/1.1 server on 127.0.0.1 answering canned bodies by path; it
// answers from the event loop the client waits in.
class HttpServer : public QObject {
    Q_OBJECT
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/plain";
        bool silent = false; // accept and never answer
        // When not negative, the body breaks off after this many bytes and
        // the connection closes; the length sent is the whole body's.
        qsizetype cutAfter = -1;
    };
    struct Request {
        QByteArray method;
        QByteArray path;
        QHash<QByteArray, QByteArray> headers; // lower-case names
    };

    HttpServer();
    QString base() const; // "http://127.0.0.1:port"
    void set(const QByteArray& path, Answer answer);
    const QList<Request>& requests() const { return requests_; }

private:
    void serve();
    QTcpServer server_;
    QHash<QByteArray, Answer> answers_;
    QList<Request> requests_;
};

// An address on 127.0.0.1 where nothing listens.
QString unreachableBase();

} // namespace testsupport
