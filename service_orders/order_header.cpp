#include "service_orders/order_header.h"

#include "platform/dates.h"
#include "platform/db/connection.h"
#include "platform/db/statement.h"
#include "platform/db/unit_of_work.h"
#include "platform/decimal.h"
#include "service_orders/order_lock.h"
#include "service_orders/order_status.h"
#include "service_orders/order_summary.h"
#include "service_orders/receivables_plan.h"

namespace orderheader {

std::optional<qint64> parteInteira(const QString& typed) {
    const auto number = Decimal::parse(typed, false);
    if (!number)
        return std::nullopt;
    return number->truncatedUnits();
}

std::optional<Cabecalho> le(db::Connection& connection, qint64 osnr) {
    db::Recordset row = connection.query(QStringLiteral("select * from os_cab where osnr = ?"),
                                         {db::integer(osnr)});
    if (row.isEmpty())
        return std::nullopt;
    return Cabecalho{row.date(QStringLiteral("dtos")),         row.integer(QStringLiteral("cdcli")),
                     row.text(QStringLiteral("ossit")),        row.text(QStringLiteral("nmsol")),
                     row.text(QStringLiteral("fone")),         row.integer(QStringLiteral("cdven")),
                     row.text(QStringLiteral("infadicional")), db::LoadedRow::of(row)};
}

std::optional<Cliente> cliente(db::Connection& connection, qint64 cdcli) {
    db::Recordset row = connection.query(QStringLiteral("select * from cliente where cdcli = ?"),
                                         {db::integer(cdcli)});
    if (row.isEmpty())
        return std::nullopt;
    auto t = [&row](const char* column) { return row.text(QLatin1String(column)); };
    return Cliente{t("nmcli"), t("cpf"),    t("rg"),     t("rua"), t("nrcasa"),
                   t("cep"),   t("bairro"), t("cidade"), t("uf")};
}

QString colaborador(db::Connection& connection, qint64 cdven) {
    const db::Recordset row = connection.query(
        QStringLiteral("select nmven from vendedores where cdven = ?"), {db::integer(cdven)});
    return row.isEmpty() ? QString() : row.text(QStringLiteral("nmven"));
}

bool completo(const Digitado& h) {
    return parteInteira(h.cdcli) && parteInteira(h.cdven) && !h.nmven.trimmed().isEmpty() &&
           !h.nmcli.trimmed().isEmpty() && !h.nmsol.trimmed().isEmpty() &&
           dates::parseBr(h.data).has_value();
}

Statement armazenado(qint64 osnr) {
    return {QStringLiteral("select * from os_cab where osnr = ? for update"), {db::integer(osnr)}};
}

db::SaveOver confereLida(db::Connection& connection, qint64 osnr, const db::LoadedRow& lida) {
    return db::checkLoaded(connection, armazenado(osnr), lida);
}

std::optional<dlg::Message> escreve(db::Connection& connection, const Gravacao& header,
                                    const db::Recordset& lido) {
    if (orderstatus::concluida(header.ossit) &&
        !ordersummary::planoFechaSobTrava(connection, header.osnr))
        return ordersummary::divergencia();
    if (header.cdcli != lido.integer(QStringLiteral("cdcli"))) {
        // Every row of the plan is held, so none is received on before it
        // moves; money received stays with the client it came from.
        const Statement plano{QStringLiteral("select vrpg, pago from creceber where refdoc = ? "
                                             "for update"),
                              {db::text(receivables::refdoc(header.osnr))}};
        db::Recordset rows = connection.query(plano);
        for (rows.moveFirst(); !rows.eof(); rows.moveNext())
            if (receivables::recebida(rows))
                return clienteComRecebimento();
        connection.execute(QStringLiteral("update creceber set cdcli = ? where refdoc = ?"),
                           {db::integer(header.cdcli), db::text(receivables::refdoc(header.osnr))});
    }
    connection.execute(
        // uev comes first: assignments run left to right, and it must see
        // the status stored before this save.
        QStringLiteral("update os_cab set uev = if(? = '4' and ossit <> '4', ?, uev), dtos = ?, "
                       "infadicional = ?, cdcli = ?, ossit = ?, nmsol = ?, fone = ?, cdven = ? "
                       "where osnr = ?"),
        {db::text(header.ossit), db::text(header.stamp), header.dtos, db::text(header.infadicional),
         db::integer(header.cdcli), db::text(header.ossit), db::text(header.nmsol),
         db::text(header.fone), db::integer(header.cdven), db::integer(header.osnr)});
    return std::nullopt;
}

Gravado grava(db::Connection& connection, const Gravacao& header, const db::LoadedRow& lida) {
    return db::unitOfWork(connection, [&](db::Transaction& transaction) {
        Gravado out;
        if ((out.recusa = orderlock::travaParaAlterar(connection, header.osnr)))
            return out;
        out.salvo = confereLida(connection, header.osnr, lida);
        if (out.salvo.outcome != db::Overwrite::Saved)
            return out;
        if ((out.recusa = escreve(connection, header, out.salvo.stored)))
            return out;
        out.salvo.stored = connection.query(armazenado(header.osnr));
        transaction.commit();
        return out;
    });
}

Gravado confere(db::Connection& connection, qint64 osnr, const db::LoadedRow& lida) {
    // Never committed: the locks go as soon as the answer is known.
    return db::unitOfWork(connection, [&](db::Transaction&) {
        Gravado out;
        if (!(out.recusa = orderlock::travaParaAlterar(connection, osnr)))
            out.salvo = confereLida(connection, osnr, lida);
        return out;
    });
}

dlg::Message clienteComRecebimento() {
    return dlg::alerta(
        QStringLiteral("--- ERRO --- ORDEM COM PARCELA RECEBIDA NÃO PODE TER CLIENTE ALTERADO!"));
}

} // namespace orderheader
