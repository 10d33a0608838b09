#pragma once

#include <QString>
#include <optional>

// Company-registration lookup by CNPJ and the plain-text field extraction
// used on its answers (and on the postal service's JSON).

// Base address of the company-registration service (QUENDARO_CNPJ_URL
// overrides the default).
QString cnpjServiceBase();

struct RespostaCnpj {
    int status = 0; // HTTP status; 0 when no answer came
    QString texto;  // the body, "404 Error" for a 404, or the network error
};

// Blocking GET of "/v1/cnpj/" and the number (trimmed and percent-encoded),
// with a time-out.
RespostaCnpj ConsultarCNPJ(const QString& cnpj);

// The text after `key`, its closing quote, a colon, one blank and an opening
// quote, up to the next quote. Empty when the key does not occur or no quote
// closes the value.
QString ValorCampoJson(const QString& json, const QString& key);

// What a company answer fills in the client register.
struct DadosEmpresa {
    QString nome, fantasia, cep, logradouro, numero, bairro, municipio, uf, email;
};
// Only a successful answer, a JSON object that names the company, fills
// anything.
std::optional<DadosEmpresa> dadosEmpresa(const RespostaCnpj& resposta);
// What the user reads when nothing was filled; without an answer, also why.
QString falhaDaConsulta(const RespostaCnpj& resposta);
