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

std::optional<dlg::Message> confereVencimento(const QString& rotulo,
                                              const std::optional<QDate>& vence,
                                              const std::optional<QDate>& anterior,
                                              const QDate& emissao, bool primeira) {
    if (primeira) {
        if (!vence)
            return dlg::critico(
                QStringLiteral("--- ERRO --- VENCIMENTO DA PRIMEIRA PARCELA INVÁLIDO!"));
        if (emissao > *vence)
            return dlg::critico(QStringLiteral(
                "--- ERRO --- PRIMEIRO VENCIMENTO NÃO PODE SER INFERIOR À DATA DE EMISSÃO!"));
        return std::nullopt;
    }
    if (!vence)
        return dlg::Message{QStringLiteral("ATENÇAO"),
                            QStringLiteral("--- ERRO --- VENCIMENTO DA PARCELA ") + rotulo +
                                QStringLiteral(" E INVÁLIDO!"),
                            dlg::Icon::Exclamation};
    if (anterior && *anterior >= *vence)
        return dlg::critico(QStringLiteral("A PARCELA ") + rotulo +
                            QStringLiteral(" POSSUI VENCIMENTO IGUAL E/OU INFERIOR À PARCELA "
                                           "ANTERIOR!"));
    return std::nullopt;
}

} // namespace parcelas
