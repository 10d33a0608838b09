#include "service_orders/receivables_plan.h"

#include "finance/parcelas.h"
#include "platform/dates.h"
#include "platform/db/connection.h"
#include "platform/dialogs.h"
#include "platform/moeda.h"

namespace receivables {

namespace {

QString tresDigitos(int n) {
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

// The checks of one instalment row; its value, rounded to cents, or what is
// wrong with it.
std::variant<Decimal, dlg::Message> confereParcela(ParcelaDigitada& parcela, int i,
                                                   const QList<ParcelaDigitada>& todas,
                                                   const QDate& emissao) {
    const auto vencimento = dates::parseBr(parcela.vencimento);
    const auto anterior = i == 0 ? std::nullopt : dates::parseBr(todas.at(i - 1).vencimento);
    if (auto recusa =
            parcelas::confereVencimento(parcela.rotulo, vencimento, anterior, emissao, i == 0))
        return *recusa;
    const auto valor = Decimal::parse(parcela.valor);
    if (!valor)
        return dlg::critico(QStringLiteral("--- ERRO --- O VALOR DA PARCELA ") + parcela.rotulo +
                            QStringLiteral(" E INVÁLIDO!"));
    if (*valor <= Decimal())
        return dlg::critico(QStringLiteral("--- ERRO --- O VALOR DA PARCELA ") + parcela.rotulo +
                            QStringLiteral(" NÃO PODE SER MENOR E/OU IGUAL A ZERO!"));
    parcela.valor = valor->toBr(2, false);
    return valor->rounded(2);
}

} // namespace

QString refdoc(qint64 osnr) {
    return QStringLiteral("%1").arg(osnr, 10, 10, QLatin1Char('0'));
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

Decimal valorParcela(Decimal total, int quantidade) {
    return (total / Decimal::fromInt(quantidade)).rounded(2);
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
        return dlg::alerta(QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!"));
    if (*total <= Decimal())
        return dlg::critico(QStringLiteral("--- ERRO --- VALOR DA ORDEM INVÁLIDO!"));
    if (*emissao > hoje)
        return dlg::alerta(QStringLiteral("--- ERRO --- DATA DE EMISSÃO SUPERIOR A DATA ATUAL!"));

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
        return dlg::Message{QStringLiteral("Atenção"),
                            QStringLiteral("--- ERRO --- Soma da(s) parcela(s) divergente!\n"
                                           "Valor Ordem: ") +
                                moeda(*total) + QStringLiteral("\nTotal Parcelas: ") + moeda(soma),
                            dlg::Icon::Exclamation};
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
