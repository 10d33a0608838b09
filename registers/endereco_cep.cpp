#include "registers/endereco_cep.h"

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
