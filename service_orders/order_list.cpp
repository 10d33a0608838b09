#include "service_orders/order_list.h"

#include "platform/db/connection.h"

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

void excluiOrdem(db::Connection& connection, qint64 osnr) {
    db::Transaction transaction(connection);
    connection.execute(QStringLiteral("delete from os_srv where osnr = ?"), {db::integer(osnr)});
    connection.execute(QStringLiteral("delete from os_cab where osnr = ?"), {db::integer(osnr)});
    transaction.commit();
}

} // namespace orderlist
