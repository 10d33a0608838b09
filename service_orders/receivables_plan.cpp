#include "service_orders/receivables_plan.h"

#include "finance/parcelas.h"
#include "platform/dates.h"
#include "platform/db/connection.h"
#include "platform/db/loaded_row.h"
#include "platform/db/unit_of_work.h"
#include "platform/dialogs.h"
#include "platform/moeda.h"
#include "service_orders/order_lock.h"
#include "service_orders/service_lines.h"

#include <QHash>
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

// Services below what the rows settled of them: no plan reaches them.
dlg::Message menorQueRecebido() {
    return dlg::critico(QStringLiteral("--- ERRO --- VALOR DOS SERVIÇOS MENOR QUE O JÁ RECEBIDO!"));
}

int numero(const QString& nrdoc) {
    return nrdoc.mid(10, 3).toInt();
}

Decimal totalOriginal(const QList<ParcelaLida>& linhas) {
    Decimal total;
    for (const ParcelaLida& p : linhas)
        total += p.vrorig;
    return total;
}

// What the plan's schedule counts from: row 001's due date, or else that of
// the row with the greatest day of month, each with its number m;
// instalment n falls due n - m months after that date, every date counted
// from it, so a day clipped to a short month is not carried on.
std::optional<std::pair<QDate, int>> inicioDoPlano(const QList<ParcelaLida>& lidas) {
    std::optional<std::pair<QDate, int>> inicio;
    for (const ParcelaLida& p : lidas) {
        if (!p.dtv)
            continue;
        if (numero(p.nrdoc) == 1)
            return std::pair(*p.dtv, 1);
        if (!inicio || p.dtv->day() > inicio->first.day())
            inicio = std::pair(*p.dtv, numero(p.nrdoc));
    }
    return inicio;
}

// The received rows (in due-date order) lowered, the latest due first, until
// they hold no more than `total`, none below what receipts settled of it;
// none when they cannot get there.
std::optional<QList<ParcelaLida>> rebaixadas(QList<ParcelaLida> recebidas, Decimal total) {
    Decimal excesso = totalOriginal(recebidas) - total;
    for (auto it = recebidas.rbegin(); it != recebidas.rend() && excesso > Decimal(); ++it) {
        const Decimal corte = std::min(std::max(it->vrorig - it->liquidado, Decimal()), excesso);
        it->vrorig -= corte;
        excesso -= corte;
    }
    if (excesso > Decimal())
        return std::nullopt;
    return recebidas;
}

// A received row as stored: a plan may lower it, down to what receipts
// settled of it (vrorig - vrab), and no more.
struct Recebida {
    Decimal vrorig;
    Decimal vrab;
    QString pago;
};

std::optional<dlg::Message> confereRecebidas(const QList<ParcelaGravacao>& parcelas,
                                             const QHash<QString, Recebida>& recebidas) {
    for (const ParcelaGravacao& p : parcelas) {
        const auto it = recebidas.constFind(p.nrdoc);
        if (it == recebidas.cend())
            continue;
        if (p.valor > it->vrorig)
            return planoAlterado();
        if (p.valor < it->vrorig - it->vrab)
            return menorQueRecebido();
    }
    return std::nullopt;
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
        const Decimal vrpg = rows.decimal(QStringLiteral("vrpg"));
        plano.recebido += vrpg;
        const QString key = rows.text(QStringLiteral("nrdoc"));
        if (!ehParcela(key)) {
            plano.liquidado += vrpg;
            continue;
        }
        ParcelaLida parcela{key, rows.decimal(QStringLiteral("vrorig")),
                            rows.date(QStringLiteral("dtv")), recebida(rows)};
        // Interest paid is no service: only what the receipts took off the
        // instalment's own value was settled of it.
        if (parcela.recebida)
            parcela.liquidado = parcela.vrorig - rows.decimal(QStringLiteral("vrab"));
        plano.liquidado += parcela.liquidado;
        plano.parcelas.append(parcela);
    }
    plano.quantidade = static_cast<int>(plano.parcelas.size());
    return plano;
}

std::variant<QList<ParcelaLida>, dlg::Message> refazEmVolta(qint64 osnr, Decimal total,
                                                            Decimal liquidado,
                                                            const QList<ParcelaLida>& lidas,
                                                            int quantidade) {
    if (total < liquidado)
        return menorQueRecebido();
    QList<ParcelaLida> recebidas, abertas;
    for (const ParcelaLida& p : lidas)
        (p.recebida ? recebidas : abertas).append(p);
    const auto mantidas = rebaixadas(recebidas, total);
    if (!mantidas)
        return menorQueRecebido();
    QList<ParcelaLida> plano = *mantidas;
    const int vagas = quantidade - static_cast<int>(recebidas.size());
    if (vagas > 0) {
        const Decimal resto = total - totalOriginal(plano);
        const Decimal valor = valorParcela(resto, vagas);
        if (valor <= Decimal()) {
            QString texto =
                QStringLiteral("--- ERRO --- QUANTIDADE DE PARCELAS INFORMADO NÃO ACEITO!");
            if (resto.isZero())
                texto += QStringLiteral("\nNÃO HÁ VALOR A DISTRIBUIR EM NOVAS PARCELAS.");
            return dlg::critico(texto);
        }
        QSet<int> ocupados;
        for (const ParcelaLida& p : recebidas)
            ocupados.insert(numero(p.nrdoc));
        // What the client has not paid stays where it was.
        int ultimo = 0;
        const int ficam = std::min(vagas, static_cast<int>(abertas.size()));
        for (int i = 0; i < ficam; ++i) {
            ultimo = numero(abertas.at(i).nrdoc);
            ocupados.insert(ultimo);
            plano.append({nrdoc(osnr, ultimo, quantidade), valor, abertas.at(i).dtv, false});
        }
        const auto inicio =
            inicioDoPlano(lidas).value_or(std::pair(QDate::currentDate(), ultimo + 1));
        for (int novas = vagas - ficam; novas > 0; --novas) {
            do
                ++ultimo;
            while (ocupados.contains(ultimo));
            plano.append({nrdoc(osnr, ultimo, quantidade), valor,
                          parcelas::vencimento(inicio.first, ultimo - inicio.second), false});
        }
    }
    std::stable_sort(plano.begin(), plano.end(), [](const ParcelaLida& a, const ParcelaLida& b) {
        return std::pair(a.dtv, numero(a.nrdoc)) < std::pair(b.dtv, numero(b.nrdoc));
    });
    return plano;
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
    if (*total <= Decimal()) {
        // Nothing is owed: the open rows go, whatever the rows on screen.
        if (plano.limpaAbertas)
            return PlanoGravacao{osnr->truncatedUnits(), {}, {}, *total};
        return parcelas::Recusa{
            dlg::critico(QStringLiteral("--- ERRO --- VALOR DA ORDEM INVÁLIDO!"))};
    }
    if (!total->fits(Decimal::kAmount))
        return parcelas::Recusa{dlg::foraDoLimite()};
    if (*total < plano.liquidado)
        return parcelas::Recusa{menorQueRecebido()};
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

    PlanoGravacao gravacao{osnr->truncatedUnits(), *emissao, {}, *total};
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
        // A service line added or changed elsewhere since the plan was made
        // leaves the order as changed as a header saved elsewhere would.
        if (servicelines::totalTravado(connection, plano.osnr).rounded(2) !=
            plano.total.rounded(2)) {
            out.salvo.outcome = db::Overwrite::Changed;
            return out;
        }
        db::SaveOver lidas = db::checkLoaded(
            connection,
            db::forUpdate(
                {QStringLiteral("select * from creceber where refdoc = ?"), {db::text(ref)}}),
            linhas);
        if (lidas.outcome != db::Overwrite::Saved) {
            out.recusa = planoAlterado();
            return out;
        }
        QHash<QString, Recebida> recebidas;
        for (lidas.stored.moveFirst(); !lidas.stored.eof(); lidas.stored.moveNext())
            if (recebida(lidas.stored))
                recebidas.insert(lidas.stored.text(QStringLiteral("nrdoc")),
                                 {lidas.stored.decimal(QStringLiteral("vrorig")),
                                  lidas.stored.decimal(QStringLiteral("vrab")),
                                  lidas.stored.text(QStringLiteral("pago"))});
        if ((out.recusa = confereRecebidas(plano.parcelas, recebidas)))
            return out;
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
            if (const auto it = recebidas.constFind(p.nrdoc); it != recebidas.cend()) {
                if (p.valor == it->vrorig)
                    continue;
                const Decimal vrab = it->vrab - (it->vrorig - p.valor);
                connection.execute(
                    QStringLiteral("update creceber set vrorig = ?, vrab = ?, pago = ? where "
                                   "nrdoc = ?"),
                    {p.valor, vrab, db::text(vrab.isZero() ? QStringLiteral("S") : it->pago),
                     db::text(p.nrdoc)});
                continue;
            }
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
