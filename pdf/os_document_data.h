#pragma once

#include "platform/decimal.h"
#include "platform/order_totals.h"

#include <QList>
#include <QString>
#include <optional>

namespace db {
class Connection;
}

// What the service-order documents read, each value already in its
// fixed-width field. A null column reads as empty text.
namespace osdoc {

struct Empresa {
    QString nome, fantasia, fone, email, cidade, cep, rua, cpf, rg, bairro;
};
struct Ordem {
    QString data, solicitante, informacoes;
    qint64 cdcli = 0;
};
struct Cliente {
    QString nome, endereco, bairro, cidade, cpf;
};
struct Servico {
    QString dssrv, un;
    Decimal qt, vu, pd;
};
struct Custo {
    QString tipo, dsgrupo;
    ordertotals::SomaExata stotal; // as the server summed it, whole
};

// Every row of empresa is read; the last one wins.
Empresa leEmpresa(db::Connection& connection);
std::optional<Ordem> leOrdem(db::Connection& connection, qint64 osnr);
// Empty fields when the client does not exist.
Cliente leCliente(db::Connection& connection, qint64 cdcli);
// In the order they were entered.
QList<Servico> leServicos(db::Connection& connection, qint64 osnr);
// Summed by type and category, sorted by type, then category name.
QList<Custo> leCustos(db::Connection& connection, qint64 osnr);

} // namespace osdoc
