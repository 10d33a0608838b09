#include "registers/insumo_rules.h"

std::optional<Decimal> leCusto(const QString& texto) {
    return Decimal::parse(texto, true);
}

ChecagemInsumo checaInsumo(const QString& dspro, const QString& un, const QString& dsgrupo,
                           const QString& custo, const QString& minimo) {
    ChecagemInsumo c;
    const auto valorCusto = leCusto(custo);
    const auto valorMinimo = Decimal::parse(minimo, false);
    if (dspro.trimmed().isEmpty() || un.trimmed().isEmpty() || dsgrupo.trimmed().isEmpty() ||
        !valorCusto || !valorMinimo) {
        c.erro =
            dlg::Message{QStringLiteral("ATENÇÃO"),
                         QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!"), dlg::Icon::Information};
        return c;
    }
    if (valorCusto->isNegative()) {
        c.erro =
            dlg::Message{QStringLiteral("Atenção"),
                         QStringLiteral("--- ERRO --- VALOR DO CUSTO NÃO PODE SER MENOR QUE ZERO!"),
                         dlg::Icon::Information};
        return c;
    }
    if (valorMinimo->isNegative()) {
        c.erro =
            dlg::Message{QStringLiteral("Atenção"),
                         QStringLiteral("--- ERRO --- ESTOQUE MINIMO NÃO PODE SER MENOR QUE ZERO!"),
                         dlg::Icon::Exclamation};
        return c;
    }
    c.custo = *valorCusto;
    c.minimo = *valorMinimo;
    return c;
}

QString formataCusto(Decimal valor) {
    return valor.toBrTrimmed(2);
}

QString formataQuantidade(Decimal valor) {
    return valor.toBrTrimmed(0);
}

std::optional<qint64> codigoGrupo(const QString& texto) {
    const auto numero = Decimal::parse(texto, false);
    if (!numero)
        return std::nullopt;
    const std::int64_t raw = numero->raw();
    qint64 whole = raw / Decimal::kScale;
    if (raw < 0 && raw % Decimal::kScale != 0)
        --whole;
    return whole;
}
