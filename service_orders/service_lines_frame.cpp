#include "service_orders/service_lines_frame.h"

#include "platform/busy_guard.h"
#include "platform/data_grid.h"
#include "platform/db/data_control.h"
#include "platform/dialogs.h"
#include "registers/form_widgets.h"
#include "registers/list_binding.h"
#include "service_orders/order_header.h"
#include "service_orders/order_lock.h"
#include "service_orders/os_stamp.h"
#include "shell/shared_work.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

namespace {

const QList<listbinding::ShareColumn> kColunasServicos = {
    {QStringLiteral("SERVIÇO"), QStringLiteral("dssrv"), 50},
    {QStringLiteral("UNID."), QStringLiteral("un"), 5},
    {QStringLiteral("QTDE"), QStringLiteral("qt"), 10, ListFormat::Plain},
    {QStringLiteral("R$ UNITÁRIO"), QStringLiteral("vu"), 15, ListFormat::Currency},
    {QStringLiteral("% DESC."), QStringLiteral("pd"), 10, ListFormat::Plain},
};

} // namespace

ServiceLinesFrame::ServiceLinesFrame(QWidget* parent, QLineEdit* numero)
    : QGroupBox(QStringLiteral("  Serviço(s) a Ser(em) Executado(s)  "), parent), numero_(numero) {
    setObjectName(QStringLiteral("Frame1"));
    txtDsSRV = box(this, "txtDsSRV", 65, 50);
    txtUn = box(this, "txtUn", 4, 5);
    txtQt = box(this, "txtQt", 0, 10);
    txtVU = box(this, "txtVU", 0, 12);
    txtPD = box(this, "txtPD", 0, 7);
    Command2 = button(this, "Command2", QStringLiteral("Salvar"));
    lTL = new QLabel(QStringLiteral("SubTotal"), this);
    lTL->setObjectName(QStringLiteral("lTL"));
    Adodc1 = new db::DataControl(this);
    Adodc1->setObjectName(QStringLiteral("Adodc1"));
    DataGrid1 = new DataGrid(this);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    listbinding::bindShares(Adodc1, DataGrid1, kColunasServicos);

    auto* entrada = new QHBoxLayout;
    addLabelled(entrada, this, QStringLiteral("Descrição"), txtDsSRV, 1);
    addLabelled(entrada, this, QStringLiteral("Unidade"), txtUn);
    addLabelled(entrada, this, QStringLiteral("Qtde"), txtQt);
    addLabelled(entrada, this, QStringLiteral("R$ Unit."), txtVU);
    addLabelled(entrada, this, QStringLiteral("% Desc."), txtPD);
    entrada->addWidget(Command2, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entrada);
    layout->addWidget(DataGrid1, 1);
    layout->addWidget(lTL);
    chainTabOrder({txtDsSRV, txtUn, txtQt, txtVU, txtPD, Command2, DataGrid1});

    connect(Command2, &QPushButton::clicked, this, &ServiceLinesFrame::Command2_Click);
    connect(DataGrid1, &DataGrid::rowSelected, this, &ServiceLinesFrame::DataGrid1_DblClick);
}

std::optional<qint64> ServiceLinesFrame::numeroOrdem() const {
    return orderheader::parteInteira(numero_->text());
}

bool ServiceLinesFrame::carregaLinhas() {
    const auto osnr = numeroOrdem();
    if (!osnr)
        return false;
    return listbinding::setSource(Adodc1, DataGrid1, servicelines::daOrdem(*osnr));
}

std::optional<servicelines::Totais> ServiceLinesFrame::somaTotais() {
    BusyGuard busy(window());
    lTL->setText(servicelines::linhaTotais({}));
    const auto osnr = numeroOrdem();
    if (!osnr)
        return std::nullopt;
    // The sums are read on the shared connection: they need none of their own.
    std::optional<servicelines::Totais> totais;
    shared::withConnection(nullptr, [&](db::Connection& cn) {
        totais = servicelines::totais(cn.query(servicelines::somas(*osnr)));
    });
    // Sums that could not be read are not shown as zeros.
    if (totais)
        lTL->setText(servicelines::linhaTotais(*totais));
    else
        lTL->clear();
    return totais;
}

void ServiceLinesFrame::aplicaDesconto(Decimal pd) {
    const auto osnr = numeroOrdem();
    if (!osnr)
        return;
    std::optional<dlg::Message> recusa;
    {
        BusyGuard busy(this);
        carregaLinhas();
        shared::withConnection(nullptr, [&](db::Connection& cn) {
            recusa = servicelines::descontoGeral(cn, *osnr, pd, osStamp());
        });
        carregaLinhas();
    }
    if (recusa)
        recusou(*recusa);
    Q_EMIT linhasMudaram();
}

void ServiceLinesFrame::apenasConsulta(bool consulta) {
    consulta_ = consulta;
    for (QWidget* entrada :
         std::initializer_list<QWidget*>{txtDsSRV, txtUn, txtQt, txtVU, txtPD, Command2})
        entrada->setEnabled(!consulta);
}

void ServiceLinesFrame::Command2_Click() {
    const auto osnr = numeroOrdem();
    if (!osnr)
        return;
    const auto conferida = servicelines::confere(txtDsSRV->text(), txtUn->text(), txtQt->text(),
                                                 txtVU->text(), txtPD->text());
    if (const auto* recusa = std::get_if<dlg::Message>(&conferida)) {
        dlg::dialogs().show(*recusa);
        return;
    }
    std::optional<dlg::Message> recusa;
    {
        BusyGuard busy(this);
        const bool gravada = shared::withConnection(nullptr, [&](db::Connection& cn) {
            const auto& linha = std::get<servicelines::Linha>(conferida);
            const QDateTime agora = QDateTime::currentDateTime();
            recusa =
                servicelines::grava(cn, *osnr, linha, servicelines::idsrv(agora), osStamp(agora));
        });
        if (!gravada)
            return;
        if (!recusa) {
            carregaLinhas();
            limpaEntrada();
        }
    }
    // Nothing was written: the line stays typed.
    if (recusa) {
        recusou(*recusa);
        return;
    }
    Q_EMIT linhasMudaram();
    txtDsSRV->setFocus();
}

void ServiceLinesFrame::DataGrid1_DblClick() {
    const int row = DataGrid1->currentRow();
    const auto osnr = numeroOrdem();
    if (consulta_ || !osnr || row < 0 || row >= Adodc1->recordset().rowCount())
        return;
    if (!dlg::ask(QStringLiteral("Confirma a exclusão?"), QStringLiteral("Atenção"),
                  dlg::Answer::Yes))
        return;
    const qint64 id = listbinding::text(Adodc1, row, QStringLiteral("id")).toLongLong();
    std::optional<dlg::Message> recusa;
    shared::withConnection(
        window(), [&](db::Connection& cn) { recusa = servicelines::exclui(cn, *osnr, id); });
    if (recusa)
        recusou(*recusa);
    Q_EMIT linhasMudaram();
    carregaLinhas();
}

void ServiceLinesFrame::limpaEntrada() {
    for (QLineEdit* box : {txtDsSRV, txtQt, txtVU, txtPD, txtUn})
        box->clear();
}

void ServiceLinesFrame::recusou(const dlg::Message& recusa) {
    dlg::show(recusa);
    if (orderlock::sumiu(recusa))
        limpa();
}

void ServiceLinesFrame::limpa() {
    numero_->clear();
    Adodc1->close();
    limpaEntrada();
    Q_EMIT linhasMudaram();
}
