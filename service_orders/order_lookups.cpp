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
#include <functional>

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

orderheader::Gravacao gravacao(const QLineEdit* osno, const Cabecalho& caixas) {
    return {orderheader::parteInteira(osno->text()).value_or(0),
            *dates::parseBr(caixas.dt->text()),
            caixas.ia->toPlainText(),
            orderheader::parteInteira(caixas.cdcli->text()).value_or(0),
            orderstatus::digito(caixas.sit),
            caixas.nmsol->text(),
            caixas.fone->text(),
            orderheader::parteInteira(caixas.cdven->text()).value_or(0),
            osStamp()};
}

namespace {

// Runs `work` on the order of the number box; the refusal of a number that
// is none.
std::optional<orderheader::Gravado>
naOrdem(const QLineEdit* osno,
        const std::function<orderheader::Gravado(db::Connection&, qint64)>& work) {
    const auto osnr = orderheader::parteInteira(osno->text());
    orderheader::Gravado gravado{{}, orderlock::numeroInvalido()};
    if (osnr &&
        !shared::withConnection(nullptr, [&](db::Connection& cn) { gravado = work(cn, *osnr); }))
        return std::nullopt;
    return gravado;
}

} // namespace

std::optional<orderheader::Gravado> gravaCabecalho(QLineEdit* osno, const Cabecalho& caixas,
                                                   const db::LoadedRow& lida) {
    const orderheader::Gravacao header = gravacao(osno, caixas);
    return naOrdem(
        osno, [&](db::Connection& cn, qint64) { return orderheader::grava(cn, header, lida); });
}

std::optional<orderheader::Gravado> confereCabecalho(const QLineEdit* osno,
                                                     const db::LoadedRow& lida) {
    return naOrdem(osno, [&](db::Connection& cn, qint64 osnr) {
        return orderheader::confere(cn, osnr, lida);
    });
}

} // namespace orderlookups
