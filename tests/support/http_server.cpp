#include "tests/support/http_server.h"

#include <QTcpSocket>

namespace testsupport {

HttpServer::HttpServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, &HttpServer::serve);
}

QString HttpServer::base() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
}

void HttpServer::set(const QByteArray& path, Answer answer) {
    answers_.insert(path, answer);
}

void HttpServer::serve() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            buffer->append(socket->readAll());
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QList<QByteArray> lines = buffer->left(end).split('\n');
            Request request;
            const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
            request.method = first.value(0);
            request.path = first.value(1);
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const qsizetype colon = lines.at(i).indexOf(':');
                if (colon > 0)
                    request.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                           lines.at(i).mid(colon + 1).trimmed());
            }
            requests_.append(request);
            buffer->clear();
            const Answer answer = answers_.value(request.path, Answer{404, "not found"});
            if (answer.silent)
                return;
            QByteArray out = "HTTP/1.1 " + QByteArray::number(answer.status) + " X\r\n";
            out += "Content-Type: " + answer.contentType + "\r\n";
            out += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
            out += "Connection: close\r\n\r\n";
            out += answer.cutAfter < 0 ? answer.body : answer.body.left(answer.cutAfter);
            socket->write(out);
            socket->disconnectFromHost();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

QString unreachableBase() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

} // namespace testsupport
