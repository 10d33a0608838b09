#include "finance/recibo.h"

#include "platform/dates.h"
#include "platform/db/loaded_row.h"
#include "platform/db/unit_of_work.h"
#include "registers/audit_stamp.h"

namespace recibo {

namespace {
constexpr int kCampoValor = 15;
// The largest amount whose field fits 15 characters: 999999999999,99.
const Decimal kMaiorValor = Decimal::fromInt(1000000000000LL);
} // namespace

QString numero(const QDateTime& agora, const QString& usuario) {
    return dates::keyStamp(agora) + usuario.trimmed();
}

std::optional<QString> reservaNumero(db::Connection& cn, const QString& usuario,
                                     const db::Relogio& agora) {
    try {
        const QDateTime momento = db::insereComChaveDoMomento(
            cn,
            [&](const QDateTime& m) {
                return Statement{QStringLiteral("insert into recibos_emitidos (nrrec, evcad) "
                                                "values (?, ?)"),
                                 {numero(m, usuario), auditStamp()}};
            },
            agora);
        return numero(momento, usuario);
    } catch (const db::DbError& e) {
        if (!e.isDuplicateKey())
            throw;
        return std::nullopt;
    }
}

const QList<Meio>& meios() {
    static const QList<Meio> m = {
        {QStringLiteral("F3 Cheque"), QStringLiteral("CHE - Cheque")},
        {QStringLiteral("F4 Dinheiro"), QStringLiteral("DIN - Dinheiro")},
        {QStringLiteral("F5 Déb. em Conta"), QStringLiteral("DBC - Débito em conta")},
        {QStringLiteral("F6 Cartão C/D"), QStringLiteral("CTC - Cartão débito/crédito")},
        {QStringLiteral("F7 Pix"), QStringLiteral("PIX - Pix")},
        {QStringLiteral("F8 Ted/Doc"), QStringLiteral("TED - Doc/Ted")},
        {QStringLiteral("F9 Outros"), QStringLiteral("OUT - Outros")},
    };
    return m;
}

QString linha(const Decimal& valor, const QString& codigo, const QString& obs) {
    return texto(valor).rightJustified(kCampoValor, QLatin1Char(' ')) + QLatin1Char('|') + codigo +
           QLatin1Char('|') + obs;
}

Linha leLinha(const QString& texto) {
    const QStringList partes = texto.split(QLatin1Char('|'));
    Linha l;
    l.campoValor = partes.value(0);
    l.codigo = partes.value(1);
    l.obs = partes.value(2);
    l.valor = valor(texto.left(kCampoValor));
    return l;
}

Decimal soma(const QStringList& linhas) {
    Decimal total;
    for (const QString& l : linhas)
        total += leLinha(l).valor;
    return total;
}

std::optional<dlg::Message> confereValor(const QString& texto, Decimal& valor) {
    const auto v = Decimal::parse(texto, false, Decimal::kAmount);
    if (!v || v->rounded(2) >= kMaiorValor)
        return dlg::atencao(QStringLiteral("--- ERRO --- VALOR INVÁLIDO!"));
    if (v->rounded(2) <= Decimal())
        return dlg::atencao(
            QStringLiteral("--- ERRO --- VALOR NÃO PODE SER MENOR E/OU IGUAL A ZERO!"));
    valor = v->rounded(2);
    return std::nullopt;
}

std::optional<Decimal> devido(Decimal aberto, Decimal juros, Decimal descontos) {
    const auto comJuros = aberto.plus(juros.rounded(2));
    if (!comJuros)
        return std::nullopt;
    return comJuros->minus(descontos.rounded(2), Decimal::kAmount);
}

std::optional<dlg::Message> confereJuros(const QString& aberto, const QString& juros,
                                         const QString& descontos) {
    const auto j = Decimal::parse(juros, false, Decimal::kAmount);
    const auto d = Decimal::parse(descontos, false, Decimal::kAmount);
    if (!j || !d)
        return jurosInvalidos();
    if (!devido(valor(aberto), *j, *d))
        return dlg::foraDoLimite();
    return std::nullopt;
}

std::optional<Total> calculaTotal(const QString& aberto, const QString& juros,
                                  const QString& descontos) {
    const auto j = Decimal::parse(juros, false, Decimal::kAmount);
    const auto d = Decimal::parse(descontos, false, Decimal::kAmount);
    if (!j || !d)
        return std::nullopt;
    const Decimal jr = j->rounded(2);
    const Decimal dr = d->rounded(2);
    return Total{texto(jr), texto(dr), texto(valor(aberto) + jr - dr)};
}

QString texto(const Decimal& valor) {
    return valor.toBr(2, false);
}

Decimal valor(const QString& texto) {
    return Decimal::parse(texto, false, Decimal::kAmount).value_or(Decimal()).rounded(2);
}

Baixa encerra(db::Connection& cn, const QString& nrrec, const QDate& dtbx,
              const QStringList& linhas, const Fechamento& fechamento) {
    const QString insert =
        QStringLiteral("insert into %1 (nrrec,dtbx,cdmp,obs,valor,evcad) values (?,?,?,?,?,?)")
            .arg(fechamento.tabelaLinhas);
    return db::unitOfWork(cn, [&](db::Transaction& t) {
        const bool encerrado = fechamento.encerrado(cn);
        const db::Recordset total = cn.query(db::forUpdate(fechamento.totalDoRecibo));
        // Closed, and no item of it still waiting to be settled: what a
        // closing that already went through leaves.
        if (encerrado && (total.isEmpty() || total.integer(QStringLiteral("itens")) == 0))
            return Baixa::JaEncerrado;
        const Decimal doRecibo =
            total.isEmpty() ? Decimal() : total.decimal(QStringLiteral("total"));
        if (doRecibo.rounded(2) != soma(linhas))
            return Baixa::Divergente;
        for (const QString& texto : linhas) {
            const Linha l = leLinha(texto);
            cn.execute(insert, {nrrec, dtbx, l.codigo, l.obs, l.valor, auditStamp()});
        }
        fechamento.baixa(cn);
        t.commit();
        return Baixa::Feita;
    });
}

dlg::Message divergencia() {
    return dlg::alerta(
        QStringLiteral("--- ERRO --- DIVERGÊNCIA NO VALOR A PAGAR E VALOR BAIXADO!"));
}

dlg::Message sucesso() {
    return {QStringLiteral("Atenção"), QStringLiteral("Baixa efetuada com sucesso!"),
            dlg::Icon::Information};
}

dlg::Message dadosInvalidos() {
    return dlg::atencao(QStringLiteral("--- ERRO --- DADOS INVÁLIDO!"));
}

dlg::Message reciboNaoIniciado() {
    return dlg::atencao(QStringLiteral("--- ERRO --- RECIBO NÃO INICIADO!"));
}

dlg::Message jurosInvalidos() {
    return dlg::atencao(QStringLiteral("--- ERRO --- VALOR DO DESCONTO E/OU JUROS INVÁLIDO!"));
}

dlg::Message idInvalido() {
    return dlg::atencao(QStringLiteral("--- ERRO --- ID DO DOCUMENTO INVÁLIDO!"));
}

dlg::Message parcelaAlterada() {
    return dlg::alerta(
        QStringLiteral("--- ERRO --- PARCELA ALTERADA POR OUTRO USUÁRIO! CONSULTE NOVAMENTE."));
}

dlg::Message reciboEncerrado() {
    return dlg::alerta(QStringLiteral("--- ERRO --- RECIBO JÁ ENCERRADO!"));
}

dlg::Message semNumeroLivre() {
    return dlg::alerta(
        QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL INICIAR O RECIBO! TENTE NOVAMENTE."));
}

} // namespace recibo
