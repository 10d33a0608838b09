#include "service_orders/frmInsumos_Compra.h"

#include "platform/busy_guard.h"
#include "platform/data_grid.h"
#include "platform/dates.h"
#include "platform/db/connection.h"
#include "platform/db/data_control.h"
#include "platform/moeda.h"
#include "registers/form_widgets.h"
#include "registers/frmBuscaFornecedor.h"
#include "registers/frmBuscaProd.h"
#include "registers/insumo_rules.h"
#include "registers/list_binding.h"
#include "registers/party_names.h"
#include "registers/pick.h"
#include "registers/register_codes.h"
#include "service_orders/frmInsumos_Destino.h"
#include "service_orders/order_boxes.h"
#include "service_orders/supply_lookup.h"
#include "shell/auto_resize.h"
#include "shell/date_mask.h"
#include "shell/program_end.h"
#include "shell/shared_state.h"
#include "shell/shared_work.h"
#include "shell/window_registry.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

frmInsumos_Compra::frmInsumos_Compra(QWidget* parent) : SupplyForm(parent) {
    setObjectName(QStringLiteral("frmInsumos_Compra"));
    setWindowTitle(QStringLiteral("Insumos - Compra"));
    buildLayout();
    AutoResize::attach(this);

    bindKey(Qt::Key_F2, Command2);
    bindKey(Qt::Key_F3, Command3);
    connect(Command2, &QPushButton::clicked, this, &frmInsumos_Compra::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmInsumos_Compra::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &frmInsumos_Compra::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &frmInsumos_Compra::Command5_Click);
    connect(Command8, &QPushButton::clicked, this, &frmInsumos_Compra::Command8_Click);
    connect(Command4, &QPushButton::clicked, this, &frmInsumos_Compra::Command4_Click);
    connect(txtCdFor, &QLineEdit::textChanged, this, &frmInsumos_Compra::txtCdFor_Change);
    connect(txtCdPro, &QLineEdit::textChanged, this, &frmInsumos_Compra::txtCdPro_Change);
    connect(DataGrid1, &DataGrid::rowSelected, this, &frmInsumos_Compra::DataGrid1_DblClick);
    onLeave(txtCdFor, [this] { txtCdFor_LostFocus(); });
    onLeave(txtModelo, [this] { txtModelo_LostFocus(); });
    onLeave(txtCdPro, [this] { txtCdPro_LostFocus(); });
    Form_Load();
}

void frmInsumos_Compra::buildLayout() {
    txtCdFor = box(this, "txtCdFor", 10, 8);
    txtNmFor = box(this, "txtNmFor", 0, 40);
    formwidgets::setDisplayOnly(txtNmFor);
    txtSerie = box(this, "txtSerie", 3, 4);
    txtNFiscal = box(this, "txtNFiscal", 10, 11);
    txtModelo = box(this, "txtModelo", 2, 3);
    txtDTe = box(this, "txtDTe", 10, 11);
    txtDTc = box(this, "txtDTc", 10, 11);
    installDateMask(txtDTe);
    installDateMask(txtDTc);
    txtCdPro = box(this, "txtCdPro", 14, 14);
    txtDsPro = box(this, "txtDsPro", 0, 36);
    formwidgets::setDisplayOnly(txtDsPro);
    txtUN = box(this, "txtUN", 5, 5);
    formwidgets::setDisplayOnly(txtUN);
    txtVR = box(this, "txtVR", 0, 12);
    txtQtde = box(this, "txtQtde", 0, 10);
    Command2 = pickerButton(this, "Command2", QStringLiteral("F2 Pesquisar"));
    Command3 = pickerButton(this, "Command3", QStringLiteral("F3 Pesquisar"));
    Command1 = button(this, "Command1", QStringLiteral("Salvar"));
    Command5 = button(this, "Command5", QStringLiteral("Ratear Frete"));
    Command8 = button(this, "Command8", QStringLiteral("Encerrar Compra"));
    Command4 = button(this, "Command4", QStringLiteral("Importar XML"));
    Command7 = button(this, "Command7", QStringLiteral("Compras Pendentes"));

    // A button standing level with the boxes beside it, under their labels.
    auto lowered = [](QPushButton* button) {
        auto* column = new QVBoxLayout;
        column->addStretch();
        column->addWidget(button);
        return column;
    };
    auto* supplier = new QHBoxLayout;
    addLabelled(supplier, this, QStringLiteral("Fornecedor"), txtCdFor);
    supplier->addLayout(lowered(Command2));
    addLabelled(supplier, this, QString(), txtNmFor, 1);
    auto* invoice = new QHBoxLayout;
    addLabelled(invoice, this, QStringLiteral("Serie"), txtSerie);
    addLabelled(invoice, this, QStringLiteral("N.Fiscal"), txtNFiscal);
    addLabelled(invoice, this, QStringLiteral("Mod."), txtModelo);
    addLabelled(invoice, this, QStringLiteral("Emissão"), txtDTe);
    addLabelled(invoice, this, QStringLiteral("Chegada"), txtDTc);
    invoice->addStretch();
    auto* item = new QHBoxLayout;
    addLabelled(item, this, QStringLiteral("Código"), txtCdPro);
    item->addLayout(lowered(Command3));
    addLabelled(item, this, QStringLiteral("Descrição"), txtDsPro, 1);
    addLabelled(item, this, QStringLiteral("UN"), txtUN);
    addLabelled(item, this, QStringLiteral("Vr.Final"), txtVR);
    addLabelled(item, this, QStringLiteral("Qtde"), txtQtde);
    item->addLayout(lowered(Command1));

    Adodc1 = new db::DataControl(this);
    DataGrid1 = new DataGrid(this);
    listbinding::bind(Adodc1, DataGrid1,
                      {{QStringLiteral("CÓDIGO"), QStringLiteral("cdpro")},
                       {QStringLiteral("PRODUTO"), QStringLiteral("dspro")},
                       {QStringLiteral("UN"), QStringLiteral("un")},
                       {QStringLiteral("QTDE"), QStringLiteral("qtde"), 0, ListFormat::Price},
                       {QStringLiteral("VR UNIT."), QStringLiteral("vfinal"), 0, ListFormat::Price},
                       {QStringLiteral("VR FRETE"), QStringLiteral("vfrete"), 0, ListFormat::Price},
                       {QStringLiteral("OP"), QStringLiteral("evcad")}});
    DataGrid1->horizontalHeader()->setStretchLastSection(false);
    lST = new QLabel(QStringLiteral("Valor Total: R$ 0,00"), this);
    lST->setObjectName(QStringLiteral("lST"));
    lST->setStyleSheet(QStringLiteral("font-weight: bold;"));

    auto* actions = new QHBoxLayout;
    actions->addWidget(lST, 1);
    for (QPushButton* b : {Command5, Command8, Command4, Command7})
        actions->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(supplier);
    layout->addLayout(invoice);
    layout->addLayout(item);
    layout->addWidget(DataGrid1, 1);
    layout->addLayout(actions);
    resize(940, 560);
    chainTabOrder({txtCdFor, txtSerie, txtNFiscal, txtModelo, txtDTe, txtDTc, txtCdPro, txtVR,
                   txtQtde, Command1, Command5, Command8, Command4, Command7, Command2, Command3,
                   DataGrid1});
}

void frmInsumos_Compra::Form_Load() {
    listada_ = ChaveCompra{0, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    Adodc1->setRecordSource(itensCompra(listada_));
    AtualizaCompra();
}

void frmInsumos_Compra::Form_Activate() {
    // Code, quantity and amounts show whole; product and operator may be cut.
    DataGrid1->setColumnShares({{15, true}, {30}, {5}, {8, true}, {14, true}, {14, true}, {14}});
}

bool frmInsumos_Compra::AtualizaCompra() {
    TotaisCompra totais;
    {
        BusyGuard busy(this);
        freteSugerido_ = QStringLiteral("0");
        listbinding::refresh(Adodc1, DataGrid1);
        totais = totaisCompra(Adodc1->recordset());
        if (totais.dte)
            txtDTe->setText(dates::toBr(*totais.dte));
        if (totais.dtc)
            txtDTc->setText(dates::toBr(*totais.dtc));
        if (totais.foraDoLimite) {
            lST->clear();
        } else {
            freteSugerido_ = moeda(totais.frete);
            lST->setText(textoTotaisCompra(totais));
        }
    }
    if (totais.foraDoLimite)
        dlg::show(dlg::foraDoLimite());
    if (totais.status != QLatin1String("S"))
        return true;
    dlg::inform(QStringLiteral("COMPRA JÁ ENCERRADA!"), QStringLiteral("ATENÇÃO"),
                dlg::Icon::Information);
    close();
    return false;
}

bool frmInsumos_Compra::mostraCompra(const ChaveCompra& chave) {
    listada_ = chave;
    const Statement source = itensCompra(chave);
    Adodc1->setRecordSource(source);
    return AtualizaCompra();
}

void frmInsumos_Compra::Command2_Click() {
    pickInto<frmBuscaFornecedor>(this, txtCdFor);
}

void frmInsumos_Compra::txtCdFor_Change() {
    txtNmFor->clear();
}

void frmInsumos_Compra::txtCdFor_LostFocus() {
    if (!wholeCode(txtCdFor->text()))
        return;
    txtNmFor->clear();
    shared::withConnection(nullptr, [&](db::Connection& cn) {
        if (const auto nome = leNome(cn, txtCdFor->text(), fornecedorNome))
            txtNmFor->setText(*nome);
    });
}

void frmInsumos_Compra::txtModelo_LostFocus() {
    const auto chave =
        chaveCompra(txtCdFor->text(), txtSerie->text(), txtNFiscal->text(), txtModelo->text());
    if (txtNmFor->text().trimmed().isEmpty() || !chave) {
        dlg::inform(QStringLiteral("--- ERRO --- DADOS INVÁLIDO!"), QStringLiteral("ATENÇÃO"),
                    dlg::Icon::Exclamation);
        return;
    }
    mostraCompra(*chave);
}

void frmInsumos_Compra::Command3_Click() {
    pickInto<frmBuscaProd>(this, txtCdPro, codigoDeInsumo);
}

void frmInsumos_Compra::txtCdPro_Change() {
    txtDsPro->clear();
    txtUN->clear();
    txtQtde->clear();
    txtVR->setText(QStringLiteral("0"));
}

void frmInsumos_Compra::txtCdPro_LostFocus() {
    const QString code = txtCdPro->text().trimmed();
    if (code.isEmpty())
        return;
    std::optional<InsumoLido> insumo;
    if (!shared::withConnection(nullptr, [&](db::Connection& cn) { insumo = leInsumo(cn, code); }))
        return;
    for (QLineEdit* box : {txtDsPro, txtUN, txtVR, txtQtde})
        box->clear();
    if (!insumo)
        return;
    txtDsPro->setText(insumo->dspro);
    txtUN->setText(insumo->un);
    txtVR->setText(formataCusto(insumo->vcusto));
}

void frmInsumos_Compra::Command1_Click() {
    const ChecagemItem check =
        checaItem({txtNmFor->text(), txtCdFor->text(), txtSerie->text(), txtNFiscal->text(),
                   txtModelo->text(), txtDTe->text(), txtDTc->text(), txtCdPro->text(),
                   txtDsPro->text(), txtUN->text(), txtVR->text(), txtQtde->text()});
    if (check.erro) {
        const QHash<ChecagemItem::Caixa, QWidget*> caixas = {
            {ChecagemItem::Caixa::Valor, txtVR},
            {ChecagemItem::Caixa::Quantidade, txtQtde},
            {ChecagemItem::Caixa::Chegada, txtDTc}};
        refuse(*check.erro, caixas.value(check.caixa));
        return;
    }
    const ItemCompra& item = check.item;
    txtVR->setText(formataCusto(item.vfinal));
    txtQtde->setText(formataCusto(item.qtde));
    auto insercao = Insercao::Inserido;
    if (!shared::withConnection(
            this, [&](db::Connection& cn) { insercao = insereItem(cn, item, shared::gUsuario); }))
        return;
    if (insercao == Insercao::ForaDoLimite) {
        dlg::show(dlg::foraDoLimite());
        return;
    }
    // The item went to the purchase the boxes name, which is then the one
    // listed; a closed one took none and closes the window.
    if (!mostraCompra(item.chave))
        return;
    txtCdPro->clear();
    txtCdPro->setFocus();
}

void frmInsumos_Compra::Command5_Click() {
    std::optional<Decimal> valor;
    QString typed;
    while (!valor) {
        const std::optional<QString> answer = dlg::dialogs().input(
            {QStringLiteral("Valor do Frete:"), QStringLiteral("Rateio do frete"), freteSugerido_});
        if (!answer)
            return;
        typed = *answer;
        valor = Decimal::parse(typed, true, Decimal::kAmount);
    }
    if (valor->isNegative()) {
        dlg::inform(QStringLiteral("--- ERRO --- VALOR DO FRETE NÃO PODE SER MENOR QUE ZERO!"),
                    QStringLiteral("ATENÇÃO"), dlg::Icon::Exclamation);
        return;
    }
    QList<qint64> concluidas;
    if (!shared::withConnection(
            this, [&](db::Connection& cn) { concluidas = ordensConcluidas(cn, listada_); }))
        return;
    // Asked again only when another order was completed while it was open.
    for (auto frete = Frete::ConcluidasMudaram; frete != Frete::Gravado;) {
        if (!dlg::ask(perguntaFrete(*valor, concluidas), QStringLiteral("Atenção")))
            return;
        if (!listbinding::refresh(Adodc1, DataGrid1))
            return;
        freteSugerido_ = typed;
        // Spread over what the items are worth now, should the list have changed.
        const TotaisCompra totais = totaisCompra(Adodc1->recordset());
        if (totais.foraDoLimite || !totais.insumos.plus(*valor, Decimal::kAmount)) {
            dlg::show(dlg::foraDoLimite());
            return;
        }
        if (totais.insumos.isZero()) {
            dlg::inform(QStringLiteral("--- ERRO --- COMPRA SEM VALOR DE INSUMOS PARA O RATEIO!"),
                        QStringLiteral("ATENÇÃO"), dlg::Icon::Exclamation);
            return;
        }
        const auto fretes = rateiaFrete(Adodc1->recordset(), *valor);
        if (!fretes) {
            dlg::show(dlg::foraDoLimite());
            return;
        }
        if (!shared::withConnection(this, [&](db::Connection& cn) {
                frete = gravaFrete(cn, listada_, *fretes, concluidas);
            }))
            return;
        if (frete == Frete::Encerrada) {
            encerradaPorOutro();
            return;
        }
    }
    AtualizaCompra();
}

void frmInsumos_Compra::DataGrid1_DblClick() {
    const int row = DataGrid1->currentRow();
    if (row < 0)
        return;
    const auto destinado = [] {
        dlg::inform(QStringLiteral("--- ERRO --- ITEM FOI DESTINADO, PODE SER ESTORNADO!"),
                    QStringLiteral("ATENÇÃO"), dlg::Icon::Critical);
    };
    const auto qtdest = Decimal::fromSql(listbinding::text(Adodc1, row, QStringLiteral("qtdest")));
    if (!qtdest || !qtdest->isZero()) {
        destinado();
        return;
    }
    if (!dlg::ask(QStringLiteral("Estorna o item selecionado?"), QStringLiteral("Atenção")))
        return;
    const QString idlan = listbinding::text(Adodc1, row, QStringLiteral("idlan"));
    auto exclusao = ExclusaoItem::Excluido;
    if (!shared::withConnection(this,
                                [&](db::Connection& cn) { exclusao = excluiItem(cn, idlan); }))
        return;
    if (exclusao == ExclusaoItem::Encerrada) {
        encerradaPorOutro();
        return;
    }
    if (exclusao == ExclusaoItem::Destinado)
        destinado();
    if (!AtualizaCompra())
        return;
    txtCdPro->setFocus();
}

void frmInsumos_Compra::Command8_Click() {
    const auto chave =
        chaveCompra(txtCdFor->text(), txtSerie->text(), txtNFiscal->text(), txtModelo->text());
    auto situacao = SituacaoCompra::SemItens;
    if (chave && !shared::withConnection(
                     nullptr, [&](db::Connection& cn) { situacao = situacaoCompra(cn, *chave); }))
        return;
    // Without an item there is nothing to hand out or to close.
    if (situacao == SituacaoCompra::SemItens) {
        dlg::inform(QStringLiteral("--- ERRO --- DADOS INVÁLIDO!"), QStringLiteral("ATENÇÃO"),
                    dlg::Icon::Exclamation);
        return;
    }
    if (situacao == SituacaoCompra::Encerrada) {
        encerradaPorOutro();
        return;
    }
    windows::showModal<frmInsumos_Destino>(this);
    if (program::ending())
        return;
    // What is closed is what the list shows when the question is asked: the
    // allocations just made, and any item another window added meanwhile.
    if (!mostraCompra(*chave))
        return;
    const QStringList itens = chavesDosItens(Adodc1->recordset());
    if (!dlg::ask(QStringLiteral("Deseja encerrar a compra?"), QStringLiteral("Atenção")))
        return;
    auto encerramento = Encerramento::Encerrada;
    if (!shared::withConnection(
            this, [&](db::Connection& cn) { encerramento = encerraCompra(cn, *chave, itens); }))
        return;
    switch (encerramento) {
    case Encerramento::JaEncerrada:
        encerradaPorOutro();
        return;
    case Encerramento::Alterada:
        dlg::show(dlg::alerta(
            QStringLiteral("--- ERRO --- COMPRA ALTERADA EM OUTRA ESTAÇÃO! DADOS RECARREGADOS.")));
        mostraCompra(*chave);
        return;
    case Encerramento::Encerrada:
        break;
    }
    for (QLineEdit* box : {txtCdFor, txtSerie, txtNFiscal, txtModelo, txtDTc, txtDTe})
        box->clear();
    mostraCompra(*chave);
}

void frmInsumos_Compra::encerradaPorOutro() {
    dlg::show(dlg::atencao(QStringLiteral("--- ERRO --- COMPRA JÁ ENCERRADA!")));
    close();
}

void frmInsumos_Compra::Command4_Click() {
    dlg::inform(QStringLiteral("Função ainda não disponivel!"), QStringLiteral("Atenção"),
                dlg::Icon::Information);
}

void frmInsumos_Compra::escPressed() {
    shared::fechaConexao();
    Adodc1->close();
    close();
}
