#include "service_orders/busca_os_statements.h"

namespace {

Statement search(const QString& column, const QString& text) {
    return {QStringLiteral("select o.osnr,o.dtos,o.ossit,o.nmsol,c.nmcli from os_cab o left join "
                           "cliente c on o.cdcli = c.cdcli where %1 like concat('%', ?, '%') "
                           "order by c.nmcli,o.dtos")
                .arg(column),
            {text}};
}

} // namespace

Statement buscaOsPorCliente(const QString& text) {
    return search(QStringLiteral("c.nmcli"), text);
}

Statement buscaOsPorSolicitante(const QString& text) {
    return search(QStringLiteral("o.nmsol"), text);
}
