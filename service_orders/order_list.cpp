#include "service_orders/order_list.h"

#include "platform/db/connection.h"
#include "platform/db/unit_of_work.h"
#include "service_orders/receivables_plan.h"

namespace orderlist {

namespace {

Statement lista(const QString& condition, db::Params params) {
    return {QStringLiteral("select o.osnr,o.dtos,o.ossit,o.nmsol,o.fone,c.nmcli,c.cidade "
                           "from os_cab o left join cliente c on o.cdcli = c.cdcli where ") +
                condition,
            std::move(params)};
}

Statement contendo(const QString& column, const QString& part) {
    return lista(column +
                     QStringLiteral(" like concat('%', ?, '%') order by c.nmcli,o.dtos,o.osnr"),
                 {db::likeText(part)});
}

} // namespace

Statement porModo(const QString& mode) {
    const bool andamento = mode == QLatin1String("A");
    return lista(QStringLiteral("o.ossit in(?,?) order by o.dtos,o.osnr"),
                 {db::text(andamento ? QStringLiteral("2") : QStringLiteral("0")),
                  db::text(andamento ? QStringLiteral("3") : QStringLiteral("1"))});
}

Statement porSituacao(const QString& digit) {
    return lista(QStringLiteral("o.ossit = ? order by o.dtos,o.osnr"), {db::text(digit)});
}

Statement porCliente(const QString& part) {
    return contendo(QStringLiteral("c.nmcli"), part);
}

Statement porCidade(const QString& part) {
    return contendo(QStringLiteral("c.cidade"), part);
}

Statement porSolicitante(const QString& part) {
    return contendo(QStringLiteral("o.nmsol"), part);
}

qint64 abreOrdem(db::Connection& connection, const QString& stamp) {
    connection.execute(
        QStringLiteral("INSERT INTO os_cab (dtos, cdcli, ossit, nmsol, fone, cdven, evcad, uev, "
                       "infadicional) VALUES (CURDATE(), 0, '0', '', '', 0, ?, ?, '')"),
        {db::text(stamp), db::text(stamp)});
    return connection.lastInsertId();
}

Exclusao excluiOrdem(db::Connection& connection, qint64 osnr) {
    return db::unitOfWork(connection, [&](db::Transaction& transaction) {
        // The header locked first, then the rows that would keep it: the
        // locking reads also keep new ones from coming in until the end.
        if (connection
                .query(QStringLiteral("select osnr from os_cab where osnr = ? for update"),
                       {db::integer(osnr)})
                .isEmpty())
            return Exclusao::Inexistente;
        const bool receber =
            !connection
                 .query(
                     QStringLiteral("select 1 from creceber where refdoc = ? limit 1 for update"),
                     {db::text(receivables::refdoc(osnr))})
                 .isEmpty();
        const bool custos =
            !connection
                 .query(QStringLiteral("select 1 from os_custos where osnr = ? limit 1 for update"),
                        {db::integer(osnr)})
                 .isEmpty();
        if (receber || custos)
            return Exclusao::ComContas;
        connection.execute(QStringLiteral("delete from os_srv where osnr = ?"),
                           {db::integer(osnr)});
        connection.execute(QStringLiteral("delete from os_cab where osnr = ?"),
                           {db::integer(osnr)});
        transaction.commit();
        return Exclusao::Excluida;
    });
}

} // namespace orderlist
