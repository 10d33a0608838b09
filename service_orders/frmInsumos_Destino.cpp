#include "service_orders/frmInsumos_Destino.h"

#include "platform/busy_guard.h"
#include "platform/data_grid.h"
#include "platform/db/connection.h"
#include "platform/db/data_control.h"
#include "platform/dialogs.h"
#include "registers/form_widgets.h"
#include "registers/insumo_rules.h"
#include "registers/list_binding.h"
#include "registers/pick.h"
#include "registers/register_codes.h"
#include "service_orders/category_combo.h"
#include "service_orders/compra_rules.h"
#include "service_orders/destino_rules.h"
#include "service_orders/frmBuscaOS.h"
#include "service_orders/frmInsumos_Compra.h"
#include "service_orders/order_boxes.h"
#include "service_orders/order_lock.h"
#include "shell/shared_state.h"
#include "shell/shared_work.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

frmInsumos_Destino::frmInsumos_Destino(QWidget* parent) : SupplyForm(parent) {
    setObjectName(QStringLiteral("frmInsumos_Destino"));
    setWindowTitle(QStringLiteral("Insumos - Destinação"));
    setUppercaseTyping(false);
    buildLayout();

    bindKey(Qt::Key_F11, Command3);
    bindKey(Qt::Key_F12, Command4);
    connect(DataGrid1, &DataGrid::rowSelected, this, &frmInsumos_Destino::DataGrid1_DblClick);
    connect(DataGrid2, &DataGrid::rowSelected, this, &frmInsumos_Destino::DataGrid2_DblClick);
    connect(txtOS, &QLineEdit::textChanged, this, &frmInsumos_Destino::txtOS_Change);
    connect(Command1, &QPushButton::clicked, this, &frmInsumos_Destino::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmInsumos_Destino::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmInsumos_Destino::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmInsumos_Destino::Command4_Click);
    onLeave(txtOS, [this] { txtOS_LostFocus(); });
    Form_Load();
}

void frmInsumos_Destino::buildLayout() {
    Adodc1 = new db::DataControl(this);
    DataGrid1 = new DataGrid(this);
    listbinding::bind(
        Adodc1, DataGrid1,
        {{QStringLiteral("CÓDIGO"), QStringLiteral("cdpro"), 1500, ListFormat::Code},
         {QStringLiteral("DESCRIÇÃO"), QStringLiteral("dspro"), 4500},
         {QStringLiteral("UN"), QStringLiteral("un"), 600},
         {QStringLiteral("QTDE CMP"), QStringLiteral("qtde"), 1200, ListFormat::Price},
         {QStringLiteral("QTDE DEST."), QStringLiteral("qtdest"), 1200, ListFormat::Price},
         {QStringLiteral("OPERADOR"), QStringLiteral("evcad"), 2850}});

    frmDest = new QGroupBox(this);
    frmDest->setObjectName(QStringLiteral("frmDest"));
    lPro = new QLabel(frmDest);
    lPro->setObjectName(QStringLiteral("lPro"));
    lPro->setStyleSheet(QStringLiteral("font-weight: bold;"));
    txtOS = box(frmDest, "txtOS", 10, 10);
    txtNmCli = box(frmDest, "txtNmCli", 0, 40);
    formwidgets::setDisplayOnly(txtNmCli);
    cboCT = new QComboBox(frmDest);
    cboCT->setObjectName(QStringLiteral("cboCT"));
    cboCT->setMinimumWidth(220);
    txtQtde = box(frmDest, "txtQtde", 0, 10);
    Command1 = button(frmDest, "Command1", QStringLiteral("Salvar"));
    Command2 = button(frmDest, "Command2", QStringLiteral("Sair"));
    Command3 = button(frmDest, "Command3", QStringLiteral("F11 >>"));
    Command4 = button(frmDest, "Command4", QStringLiteral("F12 <<"));

    auto* where = new QHBoxLayout;
    addLabelled(where, frmDest, QStringLiteral("Categoria"), cboCT);
    addLabelled(where, frmDest, QStringLiteral("Ordem de Serviço - F2 Pesquisar"), txtOS);
    addLabelled(where, frmDest, QString(), txtNmCli, 1);
    auto* how = new QHBoxLayout;
    addLabelled(how, frmDest, QStringLiteral("Qtde"), txtQtde);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    auto* buttonRow = new QHBoxLayout;
    for (QPushButton* b : {Command1, Command2, Command4, Command3})
        buttonRow->addWidget(b);
    buttons->addLayout(buttonRow);
    how->addLayout(buttons);
    how->addStretch();
    auto* frame = new QVBoxLayout(frmDest);
    frame->addWidget(lPro);
    frame->addLayout(where);
    frame->addLayout(how);
    frmDest->hide();

    Adodc2 = new db::DataControl(this);
    DataGrid2 = new DataGrid(this);
    listbinding::bind(Adodc2, DataGrid2,
                      {{QStringLiteral("ORDEM NO"), QStringLiteral("osnr"), 1200, ListFormat::Code},
                       {QStringLiteral("QTDE"), QStringLiteral("qtde"), 1200, ListFormat::Price},
                       {QStringLiteral("CATEGORIA"), QStringLiteral("dsgrupo"), 3000},
                       {QStringLiteral("ID"), QStringLiteral("idlan"), 4500, ListFormat::Code}});
    Adodc2->setObjectName(QStringLiteral("Adodc2"));
    DataGrid2->setObjectName(QStringLiteral("DataGrid2"));
    DataGrid2->setEnabled(false);
    auto* caption = new QLabel(QStringLiteral("DESTINAÇÃO DO ITEM SELECIONADO"), this);
    caption->setAlignment(Qt::AlignCenter);
    caption->setStyleSheet(QStringLiteral("font-weight: bold;"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DataGrid1, 3);
    layout->addWidget(frmDest);
    layout->addWidget(caption);
    layout->addWidget(DataGrid2, 2);
    resize(860, 620);
    chainTabOrder(
        {DataGrid1, cboCT, txtOS, txtQtde, Command1, Command2, Command4, Command3, DataGrid2});
}

void frmInsumos_Destino::Form_Load() {
    preencheCategorias(Adodc1, cboCT);
    Adodc2->setConnectionString(shared::gConexao);
    const auto* compra = qobject_cast<frmInsumos_Compra*>(parentWidget());
    if (compra == nullptr)
        return;
    // Every part of the purchase key is needed; without one nothing is listed.
    const auto chave = chaveCompra(compra->txtCdFor->text(), compra->txtSerie->text(),
                                   compra->txtNFiscal->text(), compra->txtModelo->text());
    if (chave)
        listbinding::setSource(Adodc1, DataGrid1, itensCompra(*chave));
}

std::optional<qint64> frmInsumos_Destino::ordem() const {
    return wholeCode(txtOS->text());
}

void frmInsumos_Destino::posicionaItem(int row) {
    item_ = row < DataGrid1->model()->rowCount() ? row : -1;
    DataGrid1->setCurrentRow(item_);
}

void frmInsumos_Destino::escolheItem(int row) {
    posicionaItem(row);
    if (item_ < 0)
        return;
    {
        BusyGuard busy;
        const ItemDestino item = itemDaLista(Adodc1->recordset(), item_);
        lPro->setText(item.dspro + QLatin1Char(' ') + item.un);
        listbinding::setSource(Adodc2, DataGrid2, destinosDoItem(item.idlan));
        DataGrid2->setEnabled(true);
        txtQtde->setText(formataQuantidade(item.restante()));
    }
    if (frmDest->isHidden()) {
        frmDest->raise();
        frmDest->show();
        cboCT->setFocus();
    }
}

void frmInsumos_Destino::releItens(const QString& idlan) {
    listbinding::refresh(Adodc1, DataGrid1);
    const db::Recordset& rows = Adodc1->recordset();
    const int column = rows.columnIndex(QStringLiteral("idlan"));
    for (qsizetype r = 0; column >= 0 && r < rows.rowCount(); ++r) {
        if (rows.textAt(r, column) == idlan) {
            posicionaItem(static_cast<int>(r));
            return;
        }
    }
    posicionaItem(-1);
}

void frmInsumos_Destino::DataGrid1_DblClick() {
    if (DataGrid1->currentRow() >= 0)
        escolheItem(DataGrid1->currentRow());
}

void frmInsumos_Destino::txtOS_Change() {
    ossit_.clear();
    txtNmCli->clear();
}

void frmInsumos_Destino::txtOS_LostFocus() {
    txtNmCli->clear();
    ossit_.clear();
    const auto osnr = ordem();
    if (!osnr)
        return;
    shared::withConnection(nullptr, [&](db::Connection& cn) {
        if (const auto found = leOrdemDestino(cn, *osnr)) {
            ossit_ = found->ossit;
            txtNmCli->setText(found->nmcli);
        }
    });
}

void frmInsumos_Destino::Command1_Click() {
    if (item_ < 0) {
        // Past the last item there is nothing in hand to allocate.
        dlg::inform(QStringLiteral("Final da lista!"), QStringLiteral("Atenção"),
                    dlg::Icon::Information);
        Command2_Click();
        return;
    }
    const ItemDestino item = itemDaLista(Adodc1->recordset(), item_);
    const ChecagemDestino check =
        checaDestino(cboCT->currentText(), ossit_, txtQtde->text(), item.restante());
    if (check.erro) {
        dlg::dialogs().show(*check.erro);
        return;
    }
    auto destino = Destino::Feito;
    if (!shared::withConnection(this, [&](db::Connection& cn) {
            destino =
                destina(cn, item, ordem().value_or(0), check.cdcat, check.qtde, shared::gUsuario);
        }))
        return;
    if (destino == Destino::OrdemFechada || destino == Destino::OrdemInexistente) {
        dlg::show(destino == Destino::OrdemFechada ? ordemSemStatus()
                                                   : orderlock::ordemInexistente());
        // The order as it stands now, so the next try is checked against it.
        txtOS_LostFocus();
        return;
    }
    if (destino == Destino::SemSaldo) {
        dlg::inform(QStringLiteral("--- ERRO --- QTDE DESTINADA SUPERIOR A QTDE COMPRADA!"),
                    QStringLiteral("ATENÇÃO"), dlg::Icon::Exclamation);
        releItens(item.idlan);
        escolheItem(item_);
        return;
    }
    releItens(item.idlan);
    Command3_Click();
}

void frmInsumos_Destino::DataGrid2_DblClick() {
    const int row = DataGrid2->currentRow();
    if (row < 0)
        return;
    if (!dlg::ask(QStringLiteral("Confirma o estorno da destinação do item selecionado?"),
                  QStringLiteral("Atenção")))
        return;
    const QString idlan = listbinding::text(Adodc2, row, QStringLiteral("idlan"));
    const QString idest = listbinding::text(Adodc2, row, QStringLiteral("idest"));
    const qint64 osnr = listbinding::text(Adodc2, row, QStringLiteral("osnr")).toLongLong();
    auto estorno = Estorno::Feito;
    if (!shared::withConnection(this,
                                [&](db::Connection& cn) { estorno = estorna(cn, idlan, osnr); }))
        return;
    if (const auto recusa = recusaDoEstorno(estorno))
        dlg::show(*recusa);
    else if (estorno == Estorno::Ausente)
        dlg::show(dlg::alerta(QStringLiteral(
            "--- ERRO --- REGISTRO ALTERADO POR OUTRO USUÁRIO! CONSULTE NOVAMENTE.")));
    releItens(idest);
    listbinding::refresh(Adodc2, DataGrid2);
    txtOS->setFocus();
}

void frmInsumos_Destino::Command2_Click() {
    Adodc2->close();
    DataGrid2->setEnabled(false);
    DataGrid1->setFocus();
    frmDest->hide();
}

void frmInsumos_Destino::Command3_Click() {
    if (frmDest->isHidden())
        return;
    if (item_ < 0) {
        dlg::inform(QStringLiteral("Final da lista!"), QStringLiteral("Atenção"),
                    dlg::Icon::Information);
        Command2_Click();
        return;
    }
    escolheItem(item_ + 1);
    txtQtde->setFocus();
}

void frmInsumos_Destino::Command4_Click() {
    if (frmDest->isHidden())
        return;
    // Before the first item there is none to show: the first one stays.
    const int rows = DataGrid1->model()->rowCount();
    escolheItem(item_ < 0 ? rows - 1 : std::max(item_ - 1, 0));
    txtQtde->setFocus();
}

void frmInsumos_Destino::pesquisaOrdem() {
    pickInto<frmBuscaOS>(this, txtOS);
}

bool frmInsumos_Destino::previewKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2) {
        if (!frmDest->isHidden())
            pesquisaOrdem();
        return true;
    }
    return SupplyForm::previewKey(event);
}

void frmInsumos_Destino::escPressed() {
    if (!frmDest->isHidden()) {
        Command2_Click();
        return;
    }
    Adodc2->close();
    Adodc1->close();
    close();
}
