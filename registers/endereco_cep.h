#pragma once

#include <QStringList>
#include <optional>

// The municipality code the postal service gives for an 8-digit postal code
// (its JSON "ibge" field); empty when there is none or no answer.
QString ibgeDoCep(const QString& cep);

// The five parts of a postal-code lookup's answer (address, district, city,
// state, municipality code), missing ones empty. None when every part is
// blank: the service was unreachable or knew no such code, and nothing the
// user typed should be replaced.
std::optional<QStringList> partesEndereco(const QString& resposta);
