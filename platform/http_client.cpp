#include "platform/http_client.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace http {

namespace {

// Shown inside the program's Portuguese messages, never Qt's English text.
QString falha(QNetworkReply::NetworkError error) {
    switch (error) {
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("servidor não encontrado");
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // our time limits abort the transfer
        return QStringLiteral("tempo de espera esgotado");
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("conexão recusada");
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("conexão encerrada pelo servidor");
    default:
        return QStringLiteral("falha de rede (código %1)").arg(int(error));
    }
}

// Qt's errors for an HTTP status (401, 404, 500...): the answer came whole.
bool isStatusError(QNetworkReply::NetworkError error) {
    return (error >= QNetworkReply::ContentAccessDenied &&
            error <= QNetworkReply::UnknownContentError) ||
           (error >= QNetworkReply::InternalServerError &&
            error <= QNetworkReply::UnknownServerError);
}

// A GET given up after `stallMs` without a byte and, when `totalMs` is
// positive, after that long in all. The error text is kept whenever the
// transfer failed, answer or not, and a 200 whose body broke off is no
// answer: its bytes are not the document.
Reply fetch(const QUrl& url, const Headers& headers, int stallMs, int totalMs) {
    static QNetworkAccessManager* manager = new QNetworkAccessManager();
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(stallMs);
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);

    QNetworkReply* reply = manager->get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, reply, &QNetworkReply::abort);
    if (totalMs > 0)
        guard.start(totalMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    Reply out;
    out.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    out.body = reply->readAll();
    if (out.status == 0 ||
        (reply->error() != QNetworkReply::NoError && !isStatusError(reply->error())))
        out.error = falha(reply->error());
    if (out.status == 200 && !out.error.isEmpty())
        out.status = 0;
    reply->deleteLater();
    return out;
}

} // namespace

Reply get(const QUrl& url, const Headers& headers, int timeoutMs) {
    return fetch(url, headers, timeoutMs, timeoutMs + 1000);
}

Reply download(const QUrl& url, const Headers& headers, int stallMs) {
    return fetch(url, headers, stallMs, 0);
}

QString baseAddress(const char* variable, const QString& fallback) {
    const QString fromEnv = qEnvironmentVariable(variable);
    QString base = fromEnv.isEmpty() ? fallback : fromEnv;
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

} // namespace http
