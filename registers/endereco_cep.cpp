#include "registers/endereco_cep.h"

#include "platform/http_client.h"
#include "registers/consulta_cnpj.h"
#include "shell/funcoes.h"

#include <QUrl>

namespace {

bool isEightDigits(const QString& text) {
    if (text.size() != 8)
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

QString ibgeDoCep(const QString& cep) {
    if (!isEightDigits(cep))
        return {};
    const http::Reply reply =
        http::get(QUrl(cepServiceBase() + QStringLiteral("/ws/") + cep + QStringLiteral("/json/")));
    if (reply.status != 200)
        return {};
    return ValorCampoJson(QString::fromUtf8(reply.body), QStringLiteral("ibge"));
}

std::optional<QStringList> partesEndereco(const QString& resposta) {
    QStringList partes = resposta.split(QLatin1Char('|'));
    while (partes.size() < 5)
        partes << QString();
    bool algum = false;
    for (const QString& parte : partes)
        algum = algum || !parte.trimmed().isEmpty();
    if (!algum)
        return std::nullopt;
    return partes.mid(0, 5);
}
