#include "service_orders/frmOS_Custos.h"

#include "platform/data_grid.h"
#include "platform/db/connection.h"
#include "platform/db/data_control.h"
#include "platform/dialogs.h"
#include "registers/form_widgets.h"
#include "registers/frmBuscaProd.h"
#include "registers/frmBuscaVendedor.h"
#include "registers/insumo_rules.h"
#include "registers/list_binding.h"
#include "registers/pick.h"
#include "registers/register_codes.h"
#include "service_orders/category_combo.h"
#include "service_orders/custo_rules.h"
#include "service_orders/destino_rules.h"
#include "service_orders/order_boxes.h"
#include "service_orders/order_lock.h"
#include "service_orders/supply_lookup.h"
#include "shell/reentry_guard.h"
#include "shell/shared_state.h"
#include "shell/shared_work.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

frmOS_Custos::frmOS_Custos(QWidget* parent) : SupplyForm(parent) {
    setObjectName(QStringLiteral("frmOS_Custos"));
    setWindowTitle(QStringLiteral("Ordem de Serviço - Custos"));
    buildLayout();

    bindKey(Qt::Key_F2, Command1);
    bindKey(Qt::Key_F3, Command3);
    connect(Command1, &QPushButton::clicked, this, &frmOS_Custos::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &frmOS_Custos::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &frmOS_Custos::Command2_Click);
    connect(txtCdPro, &QLineEdit::textChanged, this, &frmOS_Custos::txtCdPro_Change);
    connect(DataGrid1, &DataGrid::rowSelected, this, &frmOS_Custos::DataGrid1_DblClick);
    onLeave(txtCdPro, [this] { txtCdPro_LostFocus(); });
    Form_Load();
}

void frmOS_Custos::buildLayout() {
    txtOsNr = box(this, "txtOsNr", 10, 10);
    formwidgets::setDisplayOnly(txtOsNr);
    Frame1 = new QGroupBox(QStringLiteral(" Custos da Ordem "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    cboCat = new QComboBox(Frame1);
    cboCat->setObjectName(QStringLiteral("cboCat"));
    cboCat->setMinimumWidth(220);
    txtCdPro = box(Frame1, "txtCdPro", 14, 14);
    txtDsSRV = box(Frame1, "txtDsSRV", 45, 40);
    formwidgets::setDisplayOnly(txtDsSRV);
    txtUn = box(Frame1, "txtUn", 4, 5);
    txtQt = box(Frame1, "txtQt", 0, 10);
    txtVU = box(Frame1, "txtVU", 0, 12);
    Command1 = pickerButton(Frame1, "Command1", QStringLiteral("F2 Pesquisar"));
    Command3 = pickerButton(Frame1, "Command3", QStringLiteral("F3 Mão de Obra"));
    Command2 = button(Frame1, "Command2", QStringLiteral("Salvar"));

    auto* first = new QHBoxLayout;
    addLabelled(first, Frame1, QStringLiteral("Categoria"), cboCat);
    addLabelled(first, Frame1, QStringLiteral("Código"), txtCdPro);
    auto* pickers = new QVBoxLayout;
    pickers->addStretch();
    auto* pickerRow = new QHBoxLayout;
    pickerRow->addWidget(Command1);
    pickerRow->addWidget(Command3);
    pickers->addLayout(pickerRow);
    first->addLayout(pickers);
    first->addStretch();
    auto* second = new QHBoxLayout;
    addLabelled(second, Frame1, QStringLiteral("Descrição"), txtDsSRV, 1);
    addLabelled(second, Frame1, QStringLiteral("Unidade"), txtUn);
    addLabelled(second, Frame1, QStringLiteral("Qtde"), txtQt);
    addLabelled(second, Frame1, QStringLiteral("R$ Unit."), txtVU);
    auto* save = new QVBoxLayout;
    save->addStretch();
    save->addWidget(Command2);
    second->addLayout(save);
    auto* entry = new QVBoxLayout(Frame1);
    entry->addLayout(first);
    entry->addLayout(second);

    Adodc1 = new db::DataControl(this);
    DataGrid1 = new DataGrid(this);
    listbinding::bind(
        Adodc1, DataGrid1,
        {{QStringLiteral("Categoria"), QStringLiteral("dsgrupo"), 1800, ListFormat::Code},
         {QStringLiteral("Código"), QStringLiteral("cdpro"), 1200, ListFormat::Code},
         {QStringLiteral("Descrição"), QStringLiteral("dspro"), 4200},
         {QStringLiteral("UN"), QStringLiteral("un"), 600},
         {QStringLiteral("Qtde"), QStringLiteral("qtde"), 1050, ListFormat::Price},
         {QStringLiteral("Vr Unit."), QStringLiteral("valor"), 1200, ListFormat::Price},
         {QStringLiteral("Operador"), QStringLiteral("evcad"), 2700}});
    auto* caption = new QLabel(QStringLiteral("Produtos / Serviços / Mão de Obra"), this);
    caption->setAlignment(Qt::AlignCenter);
    caption->setStyleSheet(QStringLiteral("font-weight: bold;"));
    lTL = new QLabel(QStringLiteral("SubTotal"), this);
    lTL->setObjectName(QStringLiteral("lTL"));
    lTL->setStyleSheet(QStringLiteral("font-weight: bold;"));

    auto* number = new QHBoxLayout;
    number->addWidget(new QLabel(QStringLiteral("O.S. No"), this));
    number->addWidget(txtOsNr);
    number->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(number);
    layout->addWidget(Frame1);
    layout->addWidget(caption);
    layout->addWidget(DataGrid1, 1);
    layout->addWidget(lTL);
    resize(900, 560);
    chainTabOrder({cboCat, txtCdPro, txtUn, txtQt, txtVU, Command2, Command1, Command3, DataGrid1});
}

std::optional<qint64> frmOS_Custos::ordem() const {
    return wholeCode(txtOsNr->text());
}

void frmOS_Custos::Form_Load() {
    preencheCategorias(Adodc1, cboCat);
}

void frmOS_Custos::Form_Activate() {
    const ReentryGuard once(activating_);
    if (!once.entered() || !isVisible())
        return;
    listbinding::setSource(
        Adodc1, DataGrid1,
        {QStringLiteral("select * from os_custos left join categorias on os_custos.cdcat = "
                        "categorias.cdgrupo where osnr = ? order by "
                        "categorias.dsgrupo,os_custos.idlan"),
         {ordem().value_or(0)}});
    CalculaTotaisCustos();
}

void frmOS_Custos::Command1_Click() {
    txtCdPro->setEnabled(true);
    pickInto<frmBuscaProd>(this, txtCdPro, codigoDeInsumo);
}

void frmOS_Custos::Command3_Click() {
    shared::gNomePesquisa.clear();
    if (!pick<frmBuscaVendedor>(this) || !isNumeric(shared::gCodigoPesquisa))
        return;
    txtCdPro->setEnabled(false);
    txtDsSRV->setEnabled(false);
    txtCdPro->setText(shared::gCodigoPesquisa);
    txtDsSRV->setText(shared::gNomePesquisa);
    txtUn->setFocus();
}

void frmOS_Custos::txtCdPro_Change() {
    txtDsSRV->clear();
    txtUn->clear();
    txtQt->clear();
    txtVU->clear();
}

void frmOS_Custos::txtCdPro_LostFocus() {
    if (!txtCdPro->isEnabled() || txtCdPro->text().trimmed().isEmpty())
        return;
    const auto code = codigoInsumoDigitado(txtCdPro->text());
    std::optional<InsumoLido> insumo;
    if (code &&
        !shared::withConnection(nullptr, [&](db::Connection& cn) { insumo = leInsumo(cn, *code); }))
        return;
    if (insumo) {
        txtDsSRV->setText(insumo->dspro);
        txtUn->setText(insumo->un);
        txtVU->setText(formataCusto(insumo->vcusto));
    }
    if (txtQt->isEnabled())
        txtQt->setFocus();
}

void frmOS_Custos::Command2_Click() {
    const auto osnr = ordem();
    if (!osnr)
        return;
    ChecagemCusto check = checaCusto({cboCat->currentText(), txtCdPro->text(), txtDsSRV->text(),
                                      txtUn->text(), txtQt->text(), txtVU->text()});
    if (check.erro) {
        dlg::dialogs().show(*check.erro);
        return;
    }
    LinhaCusto& linha = check.linha;
    linha.osnr = *osnr;
    linha.tipo = txtCdPro->isEnabled() ? QStringLiteral("P") : QStringLiteral("S");
    std::optional<dlg::Message> recusa;
    if (!shared::withConnection(
            Frame1, [&](db::Connection& cn) { recusa = gravaCusto(cn, linha, shared::gUsuario); }))
        return;
    if (recusa) {
        dlg::show(*recusa);
        // The order is gone: the window shows none.
        if (orderlock::sumiu(recusa)) {
            txtOsNr->clear();
            Adodc1->close();
            lTL->clear();
            for (QLineEdit* box : {txtCdPro, txtDsSRV, txtUn, txtQt, txtVU})
                box->clear();
        }
        return;
    }
    listbinding::refresh(Adodc1, DataGrid1);
    txtCdPro->setEnabled(true);
    for (QLineEdit* box : {txtCdPro, txtDsSRV, txtUn, txtQt, txtVU})
        box->clear();
    CalculaTotaisCustos();
    txtCdPro->setFocus();
}

void frmOS_Custos::DataGrid1_DblClick() {
    const int row = DataGrid1->currentRow();
    if (row < 0)
        return;
    if (!dlg::ask(QStringLiteral("Confirma a exclusão?"), QStringLiteral("Atenção")))
        return;
    const QString idlan = listbinding::text(Adodc1, row, QStringLiteral("idlan"));
    // A line allocated from a purchase gives its quantity back to the item,
    // as a reversal in the allocation window does; one already gone, nothing.
    auto estorno = Estorno::Feito;
    if (!shared::withConnection(
            this, [&](db::Connection& cn) { estorno = estorna(cn, idlan, ordem().value_or(0)); }))
        return;
    if (const auto recusa = recusaDoEstorno(estorno))
        dlg::show(*recusa);
    CalculaTotaisCustos();
    listbinding::refresh(Adodc1, DataGrid1);
}

void frmOS_Custos::CalculaTotaisCustos() {
    lTL->setText(textoTotaisCustos({}));
    // Sums that could not be read are not shown as zeros.
    if (!shared::withConnection(this, [this](db::Connection& cn) {
            lTL->setText(textoTotaisCustos(leTotaisCustos(cn, ordem().value_or(0))));
        }))
        lTL->clear();
}

void frmOS_Custos::escPressed() {
    Adodc1->close();
    close();
}
