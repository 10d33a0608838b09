#include "pdf/os_document_data.h"

#include "pdf/os_document_fields.h"
#include "platform/dates.h"
#include "platform/db/connection.h"

#include <QDate>

namespace osdoc {

Empresa leEmpresa(db::Connection& connection) {
    db::Recordset rows = connection.query(QStringLiteral("select * from empresa"));
    Empresa empresa;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        auto t = [&rows](const char* column) { return rows.text(QLatin1String(column)); };
        empresa = {esquerda(t("nmemp"), 60), esquerda(t("nmfant"), 60),
                   // A phone is never cut: a longer one keeps its length.
                   t("fone").leftJustified(30), esquerda(t("email"), 200),
                   esquerda(t("cidade") + QLatin1Char('/') + t("uf"), 50), esquerda(t("cep"), 10),
                   esquerda(t("rua"), 60), esquerda(t("cpf"), 20), esquerda(t("rg"), 20),
                   esquerda(t("bairro"), 30)};
    }
    return empresa;
}

std::optional<Ordem> leOrdem(db::Connection& connection, qint64 osnr) {
    db::Recordset rows = connection.query(QStringLiteral("select * from os_cab where osnr = ?"),
                                          {db::integer(osnr)});
    std::optional<Ordem> ordem;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        const auto dtos = rows.date(QStringLiteral("dtos"));
        ordem = Ordem{esquerda(dtos ? dates::toBr(*dtos) : QString(), 10),
                      esquerda(rows.text(QStringLiteral("nmsol")), 40),
                      esquerda(rows.text(QStringLiteral("infadicional")), 500),
                      rows.integer(QStringLiteral("cdcli"))};
    }
    return ordem;
}

Cliente leCliente(db::Connection& connection, qint64 cdcli) {
    db::Recordset rows = connection.query(QStringLiteral("select * from cliente where cdcli = ?"),
                                          {db::integer(cdcli)});
    Cliente cliente{esquerda({}, 60), esquerda({}, 60), esquerda({}, 40), esquerda({}, 60),
                    esquerda({}, 20)};
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        auto t = [&rows](const char* column) { return rows.text(QLatin1String(column)); };
        cliente = {
            esquerda(t("nmcli"), 60), esquerda(t("rua") + QStringLiteral(", ") + t("nrcasa"), 60),
            esquerda(t("bairro"), 40), esquerda(t("cidade") + QLatin1Char('/') + t("uf"), 60),
            // Nor is a tax number.
            t("cpf").leftJustified(20)};
    }
    return cliente;
}

QList<Servico> leServicos(db::Connection& connection, qint64 osnr) {
    db::Recordset rows =
        connection.query(QStringLiteral("select * from os_srv where osnr = ? order by idsrv, id"),
                         {db::integer(osnr)});
    QList<Servico> servicos;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext())
        servicos.append({rows.text(QStringLiteral("dssrv")), rows.text(QStringLiteral("un")),
                         rows.decimal(QStringLiteral("qt")), rows.decimal(QStringLiteral("vu")),
                         rows.decimal(QStringLiteral("pd"))});
    return servicos;
}

QList<Custo> leCustos(db::Connection& connection, qint64 osnr) {
    // Types compare exactly: a lower-case "p" is not a supply.
    db::Recordset rows = connection.query(
        QStringLiteral("select o.tipo,c.dsgrupo,sum(o.qtde*o.valor) as stotal from os_custos o "
                       "left join categorias c on o.cdcat = c.cdgrupo where o.osnr = ? "
                       "group by binary o.tipo,c.dsgrupo order by binary o.tipo,c.dsgrupo"),
        {db::integer(osnr)});
    QList<Custo> custos;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext())
        custos.append({rows.text(QStringLiteral("tipo")), rows.text(QStringLiteral("dsgrupo")),
                       ordertotals::lida(rows, QStringLiteral("stotal"))});
    return custos;
}

} // namespace osdoc
