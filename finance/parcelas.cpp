#include "finance/parcelas.h"

#include "platform/decimal.h"

namespace parcelas {

QString rotulo(int numero, int total) {
    return QStringLiteral("%1/%2")
        .arg(numero, 3, 10, QLatin1Char('0'))
        .arg(total, 3, 10, QLatin1Char('0'));
}

QDate vencimento(const QDate& primeiro, int i) {
    return primeiro.addMonths(i);
}

std::variant<int, dlg::Message> quantidade(const QString& texto, int minimo) {
    const auto n = Decimal::parse(texto, false);
    if (!n)
        return dlg::critico(QStringLiteral("--- ERRO --- INFORME A QUANTIDADE DE PARCELAS!\nMinimo "
                                           "de %1 e máximo de 115")
                                .arg(minimo));
    // A fraction of an instalment would give labels that do not count the rows.
    if (*n < Decimal::fromInt(minimo) || *n > Decimal::fromInt(kMaximo) ||
        n->raw() % Decimal::kScale != 0)
        return dlg::critico(
            QStringLiteral("--- ERRO --- QUANTIDADE DE PARCELAS INFORMADO NÃO ACEITO!"));
    return static_cast<int>(n->truncatedUnits());
}

std::optional<Recusa> confereVencimento(const QString& rotulo, const std::optional<QDate>& vence,
                                        const std::optional<QDate>& anterior, const QDate& emissao,
                                        int linha) {
    auto recusa = [linha](const dlg::Message& m) {
        return Recusa{m, Recusa::Campo::Vencimento, linha};
    };
    if (linha == 0) {
        if (!vence)
            return recusa(dlg::critico(
                QStringLiteral("--- ERRO --- VENCIMENTO DA PRIMEIRA PARCELA INVÁLIDO!")));
        if (emissao > *vence)
            return recusa(dlg::critico(QStringLiteral(
                "--- ERRO --- PRIMEIRO VENCIMENTO NÃO PODE SER INFERIOR À DATA DE EMISSÃO!")));
        return std::nullopt;
    }
    if (!vence)
        return recusa({QStringLiteral("ATENÇAO"),
                       QStringLiteral("--- ERRO --- VENCIMENTO DA PARCELA ") + rotulo +
                           QStringLiteral(" E INVÁLIDO!"),
                       dlg::Icon::Exclamation});
    if (anterior && *anterior >= *vence)
        return recusa(dlg::critico(QStringLiteral("A PARCELA ") + rotulo +
                                   QStringLiteral(" POSSUI VENCIMENTO IGUAL E/OU INFERIOR À "
                                                  "PARCELA ANTERIOR!")));
    return std::nullopt;
}

std::optional<Recusa> confereValor(const QString& rotulo, const std::optional<Decimal>& valor,
                                   int linha) {
    QString falta;
    if (!valor)
        falta = QStringLiteral(" E INVÁLIDO!");
    else if (*valor <= Decimal())
        falta = QStringLiteral(" NÃO PODE SER MENOR E/OU IGUAL A ZERO!");
    else
        return std::nullopt;
    return Recusa{dlg::critico(QStringLiteral("--- ERRO --- O VALOR DA PARCELA ") + rotulo + falta),
                  Recusa::Campo::Valor, linha};
}

} // namespace parcelas
