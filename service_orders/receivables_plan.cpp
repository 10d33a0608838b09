#include "service_orders/receivables_plan.h"

#include "finance/parcelas.h"
#include "platform/dates.h"
#include "platform/db/connection.h"
#include "platform/db/unit_of_work.h"
#include "platform/dialogs.h"
#include "platform/moeda.h"
#include "service_orders/order_lock.h"

#include <QSet>
#include <algorithm>
#include <cstdlib>

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
    const auto valor = Decimal::parse(parcela.valor, true, Decimal::kAmount);
    if (!valor)
        return dlg::critico(QStringLiteral("--- ERRO --- O VALOR DA PARCELA ") + parcela.rotulo +
                            QStringLiteral(" E INVÁLIDO!"));
    if (*valor <= Decimal())
        return dlg::critico(QStringLiteral("--- ERRO --- O VALOR DA PARCELA ") + parcela.rotulo +
                            QStringLiteral(" NÃO PODE SER MENOR E/OU IGUAL A ZERO!"));
    parcela.valor = valor->toBr(2, false);
    return valor->rounded(2);
}

bool recebida(const db::Recordset& row) {
    return !row.decimal(QStringLiteral("vrpg")).isZero() ||
           row.text(QStringLiteral("pago")) == QLatin1String("S");
}

LinhaRecebida linhaRecebida(const db::Recordset& row) {
    auto valor = [&row](const char* column) { return row.decimal(QLatin1String(column)); };
    return {row.text(QStringLiteral("nrdoc")),
            valor("vrorig"),
            valor("vrpg"),
            valor("vrab"),
            valor("juros"),
            valor("descontos"),
            row.text(QStringLiteral("pago"))};
}

dlg::Message servicosMenores() {
    return dlg::critico(QStringLiteral("--- ERRO --- VALOR DOS SERVIÇOS MENOR QUE O JÁ RECEBIDO!"));
}

QList<LinhaRecebida> porChave(QList<LinhaRecebida> linhas) {
    std::sort(linhas.begin(), linhas.end(),
              [](const LinhaRecebida& a, const LinhaRecebida& b) { return a.nrdoc < b.nrdoc; });
    return linhas;
}

} // namespace

QString refdoc(qint64 osnr) {
    return QStringLiteral("%1").arg(osnr, 10, 10, QLatin1Char('0'));
}

QString nrdoc(qint64 osnr, int parcela, int quantidade) {
    return refdoc(osnr) + tresDigitos(parcela) + tresDigitos(quantidade);
}

bool ehParcela(const QString& nrdoc) {
    return nrdoc.mid(10, 6) != QLatin1String("000000");
}

QString rotulo(const QString& nrdoc) {
    return nrdoc.mid(10, 3) + QLatin1Char('/') + nrdoc.mid(13, 3);
}

Decimal valorParcela(Decimal total, int quantidade) {
    // A quotient cut to four places first would round twice: 200,0099 in 2
    // is 100,00, not 100,01.
    constexpr std::int64_t porCentavo = Decimal::kScale / 100;
    const std::int64_t divisor = porCentavo * quantidade;
    std::int64_t centavos = total.raw() / divisor;
    if (2 * std::abs(total.raw() % divisor) >= divisor)
        centavos += total.isNegative() ? -1 : 1;
    return Decimal::fromRaw(centavos * porCentavo);
}

std::optional<QDate> data(const QString& typed) {
    if (const auto strict = dates::parseTyped(typed))
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
        plano.recebido += rows.decimal(QStringLiteral("vrpg"));
        const bool jaRecebida = recebida(rows);
        if (jaRecebida)
            plano.recebidas.append(linhaRecebida(rows));
        if (!ehParcela(key))
            continue;
        if (plano.parcelas.isEmpty())
            plano.quantidade = key.right(3).toInt();
        plano.parcelas.append({key, rows.decimal(QStringLiteral("vrorig")),
                               rows.date(QStringLiteral("dtv")), jaRecebida});
    }
    plano.quantidade = std::max(plano.quantidade, static_cast<int>(plano.parcelas.size()));
    plano.recebidas = porChave(plano.recebidas);
    return plano;
}

Decimal valorTravado(const QList<ParcelaLida>& travadas) {
    Decimal travado;
    for (const ParcelaLida& p : travadas)
        travado += p.vrorig;
    return travado;
}

std::variant<QList<ParcelaGravacao>, dlg::Message>
refazEmVolta(qint64 osnr, Decimal total, const QList<ParcelaLida>& travadas, int quantidade) {
    int ultimoNumero = 0;
    std::optional<QDate> ultimoVencimento;
    for (const ParcelaLida& p : travadas) {
        ultimoNumero = std::max(ultimoNumero, p.nrdoc.mid(10, 3).toInt());
        if (p.dtv && (!ultimoVencimento || *p.dtv > *ultimoVencimento))
            ultimoVencimento = p.dtv;
    }
    const Decimal resto = total - valorTravado(travadas);
    if (resto.isNegative())
        return servicosMenores();
    const int novas = quantidade - static_cast<int>(travadas.size());
    QList<ParcelaGravacao> linhas;
    if (novas <= 0)
        return linhas;
    const Decimal valor = valorParcela(resto, novas);
    if (valor <= Decimal())
        return dlg::critico(
            QStringLiteral("--- ERRO --- QUANTIDADE DE PARCELAS INFORMADO NÃO ACEITO!"));
    const QDate base = ultimoVencimento.value_or(QDate::currentDate());
    for (int i = 1; i <= novas; ++i)
        linhas.append(
            {nrdoc(osnr, ultimoNumero + i, quantidade), valor, parcelas::vencimento(base, i)});
    return linhas;
}

std::variant<PlanoGravacao, dlg::Message> confere(PlanoDigitado& plano, const QDate& hoje) {
    const auto osnr = Decimal::parse(plano.osnr, false);
    const auto total = Decimal::parse(plano.total);
    const auto cdcli = Decimal::parse(plano.cdcli, false);
    const auto recebido = Decimal::parse(plano.recebido);
    const auto emissao = dates::parseBr(plano.emissao);
    if (!osnr || !total || !cdcli || plano.nmcli.trimmed().isEmpty() || !recebido)
        return dlg::alerta(QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!"));
    if (*total <= Decimal())
        return dlg::critico(QStringLiteral("--- ERRO --- VALOR DA ORDEM INVÁLIDO!"));
    if (!total->fits(Decimal::kAmount))
        return dlg::foraDoLimite();
    if (*total < plano.travado)
        return servicosMenores();
    if (!emissao)
        return dlg::alerta(QStringLiteral("--- ERRO --- DATA DE EMISSÃO INVÁLIDA!"));
    if (*emissao > hoje)
        return dlg::alerta(QStringLiteral("--- ERRO --- DATA DE EMISSÃO SUPERIOR A DATA ATUAL!"));
    // Row 0 keeps its boxes after "Novo Plano", but holds no plan.
    if (!plano.parcelasNaTela)
        return dlg::critico(QStringLiteral("--- ERRO --- INFORME A QUANTIDADE DE PARCELAS!\n"
                                           "Minimo de 1 e máximo de 115"));

    PlanoGravacao gravacao{osnr->truncatedUnits(), cdcli->truncatedUnits(), *emissao, {}};
    Decimal soma;
    for (int i = 0; i < plano.parcelas.size(); ++i) {
        ParcelaDigitada& parcela = plano.parcelas[i];
        const auto valor = confereParcela(parcela, i, plano.parcelas, *emissao);
        if (const auto* aviso = std::get_if<dlg::Message>(&valor))
            return *aviso;
        const auto somada = soma.plus(std::get<Decimal>(valor), Decimal::kAmount);
        if (!somada)
            return dlg::foraDoLimite();
        soma = *somada;
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

std::optional<dlg::Message> grava(db::Connection& connection, const PlanoGravacao& plano,
                                  const QList<LinhaRecebida>& recebidas, const QString& stamp) {
    const QString ref = refdoc(plano.osnr);
    QSet<QString> mantidas;
    for (const LinhaRecebida& r : recebidas)
        mantidas.insert(r.nrdoc);
    const QList<LinhaRecebida> esperadas = porChave(recebidas);
    return db::unitOfWork(connection, [&](db::Transaction& transaction) {
        if (auto recusa = orderlock::travaParaAlterar(connection, plano.osnr))
            return recusa;
        db::Recordset rows = connection.query(
            QStringLiteral("select nrdoc,vrorig,vrpg,vrab,juros,descontos,pago from creceber "
                           "where refdoc = ? and (vrpg <> 0 or pago = 'S') for update"),
            {db::text(ref)});
        QList<LinhaRecebida> agora;
        for (rows.moveFirst(); !rows.eof(); rows.moveNext())
            agora.append(linhaRecebida(rows));
        if (porChave(agora) != esperadas)
            return std::optional(dlg::alerta(QStringLiteral(
                "--- ERRO --- PLANO ALTERADO POR OUTRO USUÁRIO! CONSULTE NOVAMENTE.")));
        connection.execute(
            QStringLiteral("delete from creceber where refdoc = ? and vrpg = 0 and pago = 'N'"),
            {db::text(ref)});
        for (const ParcelaGravacao& p : plano.parcelas) {
            if (mantidas.contains(p.nrdoc))
                continue;
            connection.execute(
                QStringLiteral("insert into creceber "
                               "(nrdoc,refdoc,cdcli,dte,dtv,dtp,vrorig,vrpg,vrab,pago,evcad) "
                               "values (?,?,?,?,?,?,?,0,?,'N',?)"),
                {db::text(p.nrdoc), db::text(ref), db::integer(plano.cdcli), plano.emissao,
                 p.vencimento, p.vencimento, p.valor, p.valor, db::text(stamp)});
        }
        transaction.commit();
        return std::optional<dlg::Message>();
    });
}

} // namespace receivables
