#include "registers/consulta_cnpj.h"

#include "platform/http_client.h"

#include <QUrl>

namespace {

QString pathSegment(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

// "01.001-000" and "01001-000" alike become "01001000".
QString digitsOf(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            out += c;
    }
    return out;
}

} // namespace

QString cnpjServiceBase() {
    return http::baseAddress("QUENDARO_CNPJ_URL", QStringLiteral("https://receitaws.com.br"));
}

RespostaCnpj ConsultarCNPJ(const QString& cnpj) {
    const http::Reply reply = http::get(
        QUrl(cnpjServiceBase() + QStringLiteral("/v1/cnpj/") + pathSegment(cnpj.trimmed())));
    RespostaCnpj out;
    out.status = reply.status;
    if (reply.status == 404)
        out.texto = QStringLiteral("404 Error");
    else if (reply.answered())
        out.texto = QString::fromUtf8(reply.body);
    else
        out.texto = reply.error;
    return out;
}

QString ValorCampoJson(const QString& json, const QString& key) {
    if (key.isEmpty())
        return {};
    const qsizetype at = json.indexOf(key);
    if (at < 0)
        return {};
    const qsizetype start = at + key.size() + 4;
    if (start > json.size())
        return {};
    const qsizetype end = json.indexOf(QLatin1Char('"'), start);
    if (end < 0)
        return {};
    return json.mid(start, end - start);
}

std::optional<DadosEmpresa> dadosEmpresa(const RespostaCnpj& resposta) {
    const QString& json = resposta.texto;
    // Only a JSON object is a company: a network's login page may well hold
    // the word "nome".
    if (resposta.status != 200 || !json.trimmed().startsWith(QLatin1Char('{')))
        return std::nullopt;
    DadosEmpresa d;
    d.nome = ValorCampoJson(json, QStringLiteral("nome"));
    if (d.nome.trimmed().isEmpty())
        return std::nullopt;
    d.fantasia = ValorCampoJson(json, QStringLiteral("fantasia"));
    d.cep = digitsOf(ValorCampoJson(json, QStringLiteral("cep")));
    d.logradouro = ValorCampoJson(json, QStringLiteral("logradouro"));
    d.numero = ValorCampoJson(json, QStringLiteral("numero"));
    d.bairro = ValorCampoJson(json, QStringLiteral("bairro"));
    d.municipio = ValorCampoJson(json, QStringLiteral("municipio"));
    d.uf = ValorCampoJson(json, QStringLiteral("uf"));
    d.email = ValorCampoJson(json, QStringLiteral("email"));
    return d;
}

QString falhaDaConsulta(const RespostaCnpj& resposta) {
    QString texto = QStringLiteral("--- ERRO --- CNPJ NÃO ENCONTRADO OU SERVIÇO INDISPONÍVEL!");
    if (resposta.status == 0)
        texto += QLatin1Char('\n') + resposta.texto;
    return texto;
}
