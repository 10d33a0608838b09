#include "service_orders/receivables_plan.h"
#include "platform/moeda.h"

#include "platform/dates.h"
#include "platform/db/connection.h"
#include "service_orders/atencao.h"

namespace receivables {

namespace {

constexpr int kMaximo = 115;

QString tresDigitos(int n) {
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

dlg::Message critico(const QString& texto) {
    return atencao(texto, dlg::Icon::Critical);
}

dlg::Message exclamacao(const QString& texto, const QString& titulo = QStringLiteral("ATENÇÃO")) {
    return {titulo, texto, dlg::Icon::Exclamation};
}

// The checks of one instalment row; its value, rounded to cents, or what is
// wrong with it.
std::variant<Decimal, dlg::Message> confereParcela(ParcelaDigitada& parcela, int i,
                                                   const QList<ParcelaDigitada>& parcelas,
                                                   const QDate& emissao) {
    const auto vencimento = dates::parseBr(parcela.vencimento);
    if (i == 0) {
        if (!vencimento)
            return critico(QStringLiteral("--- ERRO --- VENCIMENTO DA PRIMEIRA PARCELA INVÁLIDO!"));
        if (emissao > *vencimento)
            return critico(QStringLiteral("--- ERRO --- PRIMEIRO VENCIMENTO NÃO PODE SER "
                                          "INFERIOR À DATA DE EMISSÃO!"));
    } else {
        if (!vencimento)
            return exclamacao(QStringLiteral("--- ERRO --- VENCIMENTO DA PARCELA ") +
                                  parcela.rotulo + QStringLiteral(" E INVÁLIDO!"),
                              QStringLiteral("ATENÇAO"));
        const auto anterior = dates::parseBr(parcelas.at(i - 1).vencimento);
        if (anterior && *anterior >= *vencimento)
            return critico(QStringLiteral("A PARCELA ") + parcela.rotulo +
                           QStringLiteral(" POSSUI VENCIMENTO IGUAL E/OU INFERIOR À PARCELA "
                                          "ANTERIOR!"));
    }
    const auto valor = Decimal::parse(parcela.valor);
    if (!valor)
        return critico(QStringLiteral("--- ERRO --- O VALOR DA PARCELA ") + parcela.rotulo +
                       QStringLiteral(" E INVÁLIDO!"));
    if (*valor <= Decimal())
        return critico(QStringLiteral("--- ERRO --- O VALOR DA PARCELA ") + parcela.rotulo +
                       QStringLiteral(" NÃO PODE SER MENOR E/OU IGUAL A ZERO!"));
    parcela.valor = valor->toBr(2, false);
    return valor->rounded(2);
}

} // namespace

QString refdoc(qint64 osnr) {
    return QStringLiteral("%1").arg(osnr, 10, 10, QLatin1Char('0'));
}

QString rotulo(int parcela, int quantidade) {
    return tresDigitos(parcela) + QLatin1Char('/') + tresDigitos(quantidade);
}

QString nrdoc(qint64 osnr, int parcela, int quantidade) {
    return refdoc(osnr) + tresDigitos(parcela) + tresDigitos(quantidade);
}

QString nrdocRecebido(qint64 osnr) {
    return refdoc(osnr) + QStringLiteral("000000");
}

bool ehParcela(const QString& nrdoc) {
    return nrdoc.mid(10, 6) != QLatin1String("000000");
}

std::variant<int, dlg::Message> quantidade(const QString& typed) {
    const auto n = Decimal::parse(typed, false);
    if (!n)
        return critico(QStringLiteral("--- ERRO --- INFORME A QUANTIDADE DE PARCELAS!\n"
                                      "Minimo de 1 e máximo de 115"));
    if (*n <= Decimal() || *n > Decimal::fromInt(kMaximo) || n->raw() % Decimal::kScale != 0)
        return critico(QStringLiteral("--- ERRO --- QUANTIDADE DE PARCELAS INFORMADO NÃO ACEITO!"));
    return static_cast<int>(n->truncatedUnits());
}

Decimal valorParcela(Decimal total, int quantidade) {
    return (total / Decimal::fromInt(quantidade)).rounded(2);
}

QDate vencimento(const QDate& primeiro, int parcela) {
    return primeiro.addMonths(parcela);
}

std::optional<QDate> data(const QString& typed) {
    if (const auto strict = dates::parseBr(typed.trimmed()))
        return strict;
    const QDate loose = QDate::fromString(typed.trimmed(), QStringLiteral("d/M/yyyy"));
    return loose.isValid() ? std::optional<QDate>(loose) : std::nullopt;
}

bool muitoRetroativo(const QDate& primeiro, const QDate& hoje) {
    return primeiro < hoje.addDays(-10);
}

PlanoLido le(db::Connection& connection, qint64 osnr) {
    db::Recordset rows = connection.query(
        QStringLiteral("select * from creceber where refdoc = ? order by dtv, nrdoc"),
        {db::text(refdoc(osnr))});
    PlanoLido plano;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        if (!plano.emissao)
            plano.emissao = rows.date(QStringLiteral("dte"));
        const QString key = rows.text(QStringLiteral("nrdoc"));
        const Decimal vrpg = rows.decimal(QStringLiteral("vrpg"));
        plano.recebido += vrpg;
        if (!ehParcela(key))
            continue;
        if (plano.parcelas.isEmpty())
            plano.quantidade = key.right(3).toInt();
        plano.parcelas.append(
            {key, rows.decimal(QStringLiteral("vrorig")), rows.date(QStringLiteral("dtv")), vrpg});
    }
    return plano;
}

std::variant<PlanoGravacao, dlg::Message> confere(PlanoDigitado& plano, const QDate& hoje) {
    const auto osnr = Decimal::parse(plano.osnr, false);
    const auto total = Decimal::parse(plano.total);
    const auto cdcli = Decimal::parse(plano.cdcli, false);
    const auto recebido = Decimal::parse(plano.recebido);
    const auto emissao = dates::parseBr(plano.emissao);
    if (!osnr || !total || !cdcli || plano.nmcli.trimmed().isEmpty() || !recebido || !emissao)
        return exclamacao(QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!"));
    if (*total <= Decimal())
        return critico(QStringLiteral("--- ERRO --- VALOR DA ORDEM INVÁLIDO!"));
    if (*emissao > hoje)
        return exclamacao(QStringLiteral("--- ERRO --- DATA DE EMISSÃO SUPERIOR A DATA ATUAL!"));

    PlanoGravacao gravacao{
        osnr->truncatedUnits(), cdcli->truncatedUnits(), *emissao, {}, *recebido};
    Decimal soma;
    for (int i = 0; i < plano.parcelas.size(); ++i) {
        ParcelaDigitada& parcela = plano.parcelas[i];
        const auto valor = confereParcela(parcela, i, plano.parcelas, *emissao);
        if (const auto* aviso = std::get_if<dlg::Message>(&valor))
            return *aviso;
        soma += std::get<Decimal>(valor);
        gravacao.parcelas.append(
            {parcela.chave, std::get<Decimal>(valor), *dates::parseBr(parcela.vencimento)});
    }
    if (moeda(*total) != moeda(soma))
        return exclamacao(QStringLiteral("--- ERRO --- Soma da(s) parcela(s) divergente!\n"
                                         "Valor Ordem: ") +
                              moeda(*total) + QStringLiteral("\nTotal Parcelas: ") + moeda(soma),
                          QStringLiteral("Atenção"));
    return gravacao;
}

void grava(db::Connection& connection, const PlanoGravacao& plano, const QString& stamp) {
    const QString sql = QStringLiteral(
        "insert into creceber (nrdoc,refdoc,cdcli,dte,dtv,dtp,vrorig,vrpg,vrab,pago,evcad) "
        "values (?,?,?,?,?,?,?,?,?,?,?)");
    const QString ref = refdoc(plano.osnr);
    db::Transaction transaction(connection);
    connection.execute(QStringLiteral("delete from creceber where refdoc = ?"), {db::text(ref)});
    for (const ParcelaGravacao& p : plano.parcelas)
        connection.execute(sql, {db::text(p.nrdoc), db::text(ref), db::integer(plano.cdcli),
                                 plano.emissao, p.vencimento, p.vencimento, p.valor, Decimal(),
                                 p.valor, db::text(QStringLiteral("N")), db::text(stamp)});
    const Decimal recebido = plano.recebido.rounded(2);
    if (recebido > Decimal())
        connection.execute(sql, {db::text(nrdocRecebido(plano.osnr)), db::text(ref),
                                 db::integer(plano.cdcli), plano.emissao, plano.emissao,
                                 plano.emissao, Decimal(), recebido, recebido,
                                 db::text(QStringLiteral("S")), db::text(stamp)});
    transaction.commit();
}

} // namespace receivables
