#include "service_orders/order_lookups.h"

#include "platform/dates.h"
#include "platform/db/connection.h"
#include "service_orders/order_header.h"
#include "service_orders/order_lock.h"
#include "service_orders/order_status.h"
#include "service_orders/os_stamp.h"
#include "shell/shared_work.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace orderlookups {

void carregaCliente(const QString& codigo, const ClienteCaixas& caixas) {
    const auto cdcli = orderheader::parteInteira(codigo);
    if (codigo.trimmed().isEmpty() || !cdcli)
        return;
    std::optional<orderheader::Cliente> cliente;
    if (!shared::withConnection(
            nullptr, [&](db::Connection& cn) { cliente = orderheader::cliente(cn, *cdcli); }) ||
        !cliente)
        return;
    caixas.nmcli->setText(cliente->nmcli);
    caixas.cpf->setText(cliente->cpf);
    caixas.rg->setText(cliente->rg);
    caixas.rua->setText(cliente->rua);
    caixas.nrcasa->setText(cliente->nrcasa);
    caixas.cep->setText(cliente->cep);
    caixas.bairro->setText(cliente->bairro);
    caixas.cidade->setText(cliente->cidade);
    caixas.uf->setText(cliente->uf);
}

QString nomeColaborador(const QString& codigo) {
    const auto cdven = orderheader::parteInteira(codigo);
    if (!cdven)
        return QString();
    QString nome;
    shared::withConnection(
        nullptr, [&](db::Connection& cn) { nome = orderheader::colaborador(cn, *cdven); });
    return nome;
}

db::LoadedRow carregaCabecalho(qint64 osnr, const Cabecalho& caixas) {
    std::optional<orderheader::Cabecalho> row;
    if (!shared::withConnection(nullptr,
                                [&](db::Connection& cn) { row = orderheader::le(cn, osnr); }) ||
        !row)
        return {};
    caixas.dt->setText(row->dtos ? dates::toBr(*row->dtos) : QString());
    caixas.cdcli->setText(QString::number(row->cdcli));
    orderstatus::mostra(caixas.sit, row->ossit);
    caixas.ia->setPlainText(row->infadicional);
    caixas.nmsol->setText(row->nmsol);
    caixas.fone->setText(row->fone);
    caixas.cdven->setText(QString::number(row->cdven));
    return row->lida;
}

std::optional<orderheader::Gravado> gravaCabecalho(QLineEdit* osno, const Cabecalho& caixas,
                                                   const db::LoadedRow& lida) {
    const auto osnr = orderheader::parteInteira(osno->text());
    const orderheader::Gravacao header{osnr.value_or(0),
                                       *dates::parseBr(caixas.dt->text()),
                                       caixas.ia->toPlainText(),
                                       orderheader::parteInteira(caixas.cdcli->text()).value_or(0),
                                       orderstatus::digito(caixas.sit),
                                       caixas.nmsol->text(),
                                       caixas.fone->text(),
                                       orderheader::parteInteira(caixas.cdven->text()).value_or(0),
                                       osStamp()};
    orderheader::Gravado gravado{{}, orderlock::ordemInexistente()};
    if (osnr && !shared::withConnection(nullptr, [&](db::Connection& cn) {
            gravado = orderheader::grava(cn, header, lida);
        }))
        return std::nullopt;
    return gravado;
}

} // namespace orderlookups
