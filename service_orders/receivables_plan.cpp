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

// The checks of row `i`; its value, rounded to cents, or what is wrong with
// it.
std::variant<Decimal, parcelas::Recusa> confereParcela(ParcelaDigitada& parcela, int i,
                                                       const QList<ParcelaDigitada>& todas,
                                                       const QDate& emissao) {
    const auto vencimento = dates::parseBr(parcela.vencimento);
    const auto anterior = i == 0 ? std::nullopt : dates::parseBr(todas.at(i - 1).vencimento);
    if (auto recusa = parcelas::confereVencimento(parcela.rotulo, vencimento, anterior, emissao, i))
        return *recusa;
    const auto valor = Decimal::parse(parcela.valor, true, Decimal::kAmount);
    if (auto recusa = parcelas::confereValor(parcela.rotulo, valor, i))
        return *recusa;
    parcela.valor = valor->toBr(2, false);
    return valor->rounded(2);
}

// A total the plan cannot reach: below the money received, or below what
// the received instalments hold, whose value stays in the plan until their
// receipts are reversed.
std::optional<dlg::Message> abaixoDoRecebido(Decimal total, Decimal recebido, Decimal travado) {
    if (total < recebido)
        return dlg::critico(
            QStringLiteral("--- ERRO --- VALOR DOS SERVIÇOS MENOR QUE O JÁ RECEBIDO!"));
    if (total < travado)
        return dlg::critico(
            QStringLiteral("--- ERRO --- VALOR DOS SERVIÇOS MENOR QUE O DAS PARCELAS COM "
                           "RECEBIMENTO! ESTORNE OS RECEBIMENTOS PARCIAIS ANTES."));
    return std::nullopt;
}

int numero(const QString& nrdoc) {
    return nrdoc.mid(10, 3).toInt();
}

// What the plan's schedule counts from: row 001's due date, or else the
// earliest row's, each with its number m; instalment n falls due n - m
// months after that date, every date counted from it, so no clipped day is
// carried on.
std::optional<std::pair<QDate, int>> inicioDoPlano(const QList<ParcelaLida>& lidas) {
    std::optional<std::pair<QDate, int>> inicio;
    for (const ParcelaLida& p : lidas) {
        if (!p.dtv)
            continue;
        if (numero(p.nrdoc) == 1)
            return std::pair(*p.dtv, 1);
        if (!inicio || *p.dtv < inicio->first)
            inicio = std::pair(*p.dtv, numero(p.nrdoc));
    }
    return inicio;
}

} // namespace

bool recebida(const db::Recordset& row) {
    return !row.decimal(QStringLiteral("vrpg")).isZero() ||
           row.text(QStringLiteral("pago")) == QLatin1String("S");
}

dlg::Message planoAlterado() {
    return dlg::alerta(
        QStringLiteral("--- ERRO --- PLANO ALTERADO POR OUTRO USUÁRIO! CONSULTE NOVAMENTE."));
}

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
    plano.linhas = db::LoadedRows::of(rows);
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        if (!plano.emissao)
            plano.emissao = rows.date(QStringLiteral("dte"));
        plano.recebido += rows.decimal(QStringLiteral("vrpg"));
        const QString key = rows.text(QStringLiteral("nrdoc"));
        if (!ehParcela(key))
            continue;
        if (plano.parcelas.isEmpty())
            plano.quantidade = key.right(3).toInt();
        plano.parcelas.append({key, rows.decimal(QStringLiteral("vrorig")),
                               rows.date(QStringLiteral("dtv")), recebida(rows)});
    }
    plano.quantidade = std::max(plano.quantidade, static_cast<int>(plano.parcelas.size()));
    return plano;
}

Decimal valorTravado(const QList<ParcelaLida>& travadas) {
    Decimal travado;
    for (const ParcelaLida& p : travadas)
        travado += p.vrorig;
    return travado;
}

std::variant<QList<ParcelaGravacao>, dlg::Message> refazEmVolta(qint64 osnr, Decimal total,
                                                                Decimal recebido,
                                                                const QList<ParcelaLida>& lidas,
                                                                int quantidade) {
    QList<ParcelaLida> travadas;
    int ultimoNumero = 0;
    for (const ParcelaLida& p : lidas) {
        if (!p.recebida)
            continue;
        travadas.append(p);
        ultimoNumero = std::max(ultimoNumero, numero(p.nrdoc));
    }
    const Decimal travado = valorTravado(travadas);
    if (auto recusa = abaixoDoRecebido(total, recebido, travado))
        return *recusa;
    const int novas = quantidade - static_cast<int>(travadas.size());
    QList<ParcelaGravacao> linhas;
    if (novas <= 0)
        return linhas;
    const Decimal resto = total - travado;
    const Decimal valor = valorParcela(resto, novas);
    if (valor <= Decimal()) {
        QString texto = QStringLiteral("--- ERRO --- QUANTIDADE DE PARCELAS INFORMADO NÃO ACEITO!");
        if (resto.isZero())
            texto += QStringLiteral("\nNÃO HÁ VALOR A DISTRIBUIR EM NOVAS PARCELAS.");
        return dlg::critico(texto);
    }
    const auto inicio =
        inicioDoPlano(lidas).value_or(std::pair(QDate::currentDate(), ultimoNumero + 1));
    for (int i = 1; i <= novas; ++i) {
        const int n = ultimoNumero + i;
        linhas.append({nrdoc(osnr, n, quantidade), valor,
                       parcelas::vencimento(inicio.first, n - inicio.second)});
    }
    return linhas;
}

std::variant<PlanoGravacao, parcelas::Recusa> confere(PlanoDigitado& plano, const QDate& hoje) {
    using Campo = parcelas::Recusa::Campo;
    const auto osnr = Decimal::parse(plano.osnr, false);
    const auto total = Decimal::parse(plano.total);
    const auto cdcli = Decimal::parse(plano.cdcli, false);
    const auto recebido = Decimal::parse(plano.recebido);
    const auto emissao = dates::parseBr(plano.emissao);
    if (!osnr || !total || !cdcli || plano.nmcli.trimmed().isEmpty() || !recebido)
        return parcelas::Recusa{dlg::alerta(QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!"))};
    if (*total <= Decimal())
        return parcelas::Recusa{
            dlg::critico(QStringLiteral("--- ERRO --- VALOR DA ORDEM INVÁLIDO!"))};
    if (!total->fits(Decimal::kAmount))
        return parcelas::Recusa{dlg::foraDoLimite()};
    if (auto recusa = abaixoDoRecebido(*total, *recebido, plano.travado))
        return parcelas::Recusa{*recusa};
    if (!emissao)
        return parcelas::Recusa{
            dlg::alerta(QStringLiteral("--- ERRO --- DATA DE EMISSÃO INVÁLIDA!")), Campo::Emissao};
    if (*emissao > hoje)
        return parcelas::Recusa{
            dlg::alerta(QStringLiteral("--- ERRO --- DATA DE EMISSÃO SUPERIOR A DATA ATUAL!")),
            Campo::Emissao};
    // Row 0 keeps its boxes after "Novo Plano", but holds no plan.
    if (!plano.parcelasNaTela)
        return parcelas::Recusa{
            dlg::critico(QStringLiteral("--- ERRO --- INFORME A QUANTIDADE DE PARCELAS!\n"
                                        "Minimo de 1 e máximo de 115")),
            Campo::Quantidade};

    PlanoGravacao gravacao{osnr->truncatedUnits(), *emissao, {}};
    Decimal soma;
    for (int i = 0; i < plano.parcelas.size(); ++i) {
        ParcelaDigitada& parcela = plano.parcelas[i];
        const auto valor = confereParcela(parcela, i, plano.parcelas, *emissao);
        if (const auto* recusa = std::get_if<parcelas::Recusa>(&valor))
            return *recusa;
        const auto somada = soma.plus(std::get<Decimal>(valor), Decimal::kAmount);
        if (!somada)
            return parcelas::Recusa{dlg::foraDoLimite()};
        soma = *somada;
        gravacao.parcelas.append(
            {parcela.chave, std::get<Decimal>(valor), *dates::parseBr(parcela.vencimento)});
    }
    if (moeda(*total) != moeda(soma))
        return parcelas::Recusa{{QStringLiteral("Atenção"),
                                 QStringLiteral("--- ERRO --- Soma da(s) parcela(s) divergente!\n"
                                                "Valor Ordem: ") +
                                     moeda(*total) + QStringLiteral("\nTotal Parcelas: ") +
                                     moeda(soma),
                                 dlg::Icon::Exclamation}};
    return gravacao;
}

orderheader::Gravado grava(db::Connection& connection, const PlanoGravacao& plano,
                           const db::LoadedRows& linhas, const QString& stamp,
                           const Aprovacao* aprovacao) {
    const QString ref = refdoc(plano.osnr);
    return db::unitOfWork(connection, [&](db::Transaction& transaction) {
        orderheader::Gravado out{{db::Overwrite::Saved, {}}, {}};
        // The order first: gone, completed, or its header saved elsewhere
        // since the quote window loaded it; then the plan's own rows.
        if ((out.recusa = orderlock::travaParaAlterar(connection, plano.osnr)))
            return out;
        if (aprovacao) {
            out.salvo = orderheader::confereLida(connection, plano.osnr, aprovacao->lida);
            if (out.salvo.outcome != db::Overwrite::Saved)
                return out;
        }
        db::SaveOver lidas = db::checkLoaded(
            connection,
            {QStringLiteral("select * from creceber where refdoc = ? for update"), {db::text(ref)}},
            linhas);
        if (lidas.outcome != db::Overwrite::Saved) {
            out.recusa = planoAlterado();
            return out;
        }
        QSet<QString> mantidas;
        for (lidas.stored.moveFirst(); !lidas.stored.eof(); lidas.stored.moveNext())
            if (recebida(lidas.stored))
                mantidas.insert(lidas.stored.text(QStringLiteral("nrdoc")));
        if (aprovacao &&
            (out.recusa = orderheader::escreve(connection, aprovacao->cabecalho, out.salvo.stored)))
            return out;
        // The client the header holds now, whatever the window showed.
        const qint64 cdcli = connection
                                 .query(QStringLiteral("select cdcli from os_cab where osnr = ?"),
                                        {db::integer(plano.osnr)})
                                 .integer(QStringLiteral("cdcli"));
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
                {db::text(p.nrdoc), db::text(ref), db::integer(cdcli), plano.emissao, p.vencimento,
                 p.vencimento, p.valor, p.valor, db::text(stamp)});
        }
        if (aprovacao)
            out.salvo.stored = connection.query(orderheader::armazenado(plano.osnr));
        transaction.commit();
        return out;
    });
}

} // namespace receivables
