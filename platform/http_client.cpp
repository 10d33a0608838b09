#include "platform/http_client.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace http {

Reply get(const QUrl& url, const Headers& headers, int timeoutMs) {
    static QNetworkAccessManager* manager = new QNetworkAccessManager();
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);

    QNetworkReply* reply = manager->get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, reply, &QNetworkReply::abort);
    guard.start(timeoutMs + 1000);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    Reply out;
    out.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    out.body = reply->readAll();
    if (out.status == 0)
        out.error = reply->errorString();
    reply->deleteLater();
    return out;
}

QString baseAddress(const char* variable, const QString& fallback) {
    const QString fromEnv = qEnvironmentVariable(variable);
    QString base = fromEnv.isEmpty() ? fallback : fromEnv;
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

} // namespace http
