#include "shell/frmcademp.h"

#include "platform/db/connection.h"
#include "platform/dialogs.h"
#include "platform/text_limits.h"
#include "shell/company.h"
#include "shell/cpf_cnpj.h"
#include "shell/frmprincipal.h"
#include "shell/shared_state.h"
#include "shell/shared_work.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

frmcademp::frmcademp(QWidget* parent) : DataForm(parent) {
    setObjectName(QStringLiteral("frmcademp"));
    setWindowTitle(QStringLiteral("Dados da Empresa"));

    auto* layout = new QVBoxLayout(this);
    QHBoxLayout* row = nullptr;
    auto box = [&](const char* name, const QString& label, int limit, int stretch) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        textlimits::setMaxLength(edit, limit);
        auto* column = new QVBoxLayout;
        column->setSpacing(2);
        column->addWidget(new QLabel(label, this));
        column->addWidget(edit);
        row->addLayout(column, stretch);
        return edit;
    };
    auto newRow = [&] {
        row = new QHBoxLayout;
        layout->addLayout(row);
    };
    newRow();
    txtrazao = box("txtrazao", QStringLiteral("RAZÃO SOCIAL"), 45, 1);
    txtnmf = box("txtnmf", QStringLiteral("NOME FANTASIA"), 45, 1);
    newRow();
    txtcgc = box("txtcgc", QStringLiteral("CNPJ"), 14, 2);
    txtIE = box("txtIE", QStringLiteral("I.ESTADUAL"), 14, 2);
    txtFone = box("txtFone", QStringLiteral("FONES"), 45, 3);
    newRow();
    txtRua = box("txtRua", QStringLiteral("ENDEREÇO"), 45, 4);
    txtBairro = box("txtBairro", QStringLiteral("BAIRRO"), 30, 3);
    txtCep = box("txtCep", QStringLiteral("CEP"), 8, 1);
    newRow();
    txtCidade = box("txtCidade", QStringLiteral("MUNICIPIO"), 45, 6);
    txtUF = box("txtUF", QStringLiteral("UF"), 2, 1);
    newRow();
    txtforo = box("txtforo", QStringLiteral("E-MAIL"), 200, 5);
    cmdok = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton),
                            QStringLiteral("Salvar"), this);
    cmdok->setObjectName(QStringLiteral("cmdok"));
    row->addWidget(cmdok, 1, Qt::AlignBottom);
    // Short boxes still show their whole text.
    txtCep->setMinimumWidth(txtCep->fontMetrics().horizontalAdvance(QStringLiteral("000000000")) +
                            8);
    txtUF->setMinimumWidth(txtUF->fontMetrics().horizontalAdvance(QStringLiteral("WWW")) + 8);
    resize(598, 261);

    const QList<QWidget*> order = {txtrazao,  txtnmf, txtcgc,    txtIE, txtFone, txtRua,
                                   txtBairro, txtCep, txtCidade, txtUF, txtforo, cmdok};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));

    onLeave(txtcgc, [this] { txtcgc_LostFocus(); });
    onLeave(txtCep, [this] { txtCep_LostFocus(); });
    connect(cmdok, &QPushButton::clicked, this, &frmcademp::cmdok_Click);
    Form_Load();
}

void frmcademp::Form_Load() {
    shared::gCodigoPesquisa = QStringLiteral("N");
    company::Stored stored;
    if (shared::withConnection(nullptr, [&](db::Connection& cn) { stored = company::load(cn); }))
        preenche(stored);
}

void frmcademp::preenche(const company::Stored& stored) {
    loaded_ = stored.loaded;
    if (!stored.empresa)
        return;
    shared::gCodigoPesquisa = QStringLiteral("S");
    for (const auto& [campo, caixa] : caixas())
        caixa->setText((*stored.empresa).*campo);
}

QList<std::pair<QString company::Empresa::*, QLineEdit*>> frmcademp::caixas() const {
    using E = company::Empresa;
    return {{&E::cpf, txtcgc},    {&E::rg, txtIE},         {&E::nmemp, txtrazao},
            {&E::nmfant, txtnmf}, {&E::rua, txtRua},       {&E::bairro, txtBairro},
            {&E::cep, txtCep},    {&E::cidade, txtCidade}, {&E::uf, txtUF},
            {&E::fone, txtFone},  {&E::email, txtforo}};
}

void frmcademp::txtcgc_LostFocus() {
    // Checked on a copy: a valid document stays as typed.
    QString copy = txtcgc->text();
    ValidaCpfCnpj(copy);
    if (!shared::gResultado.toBool())
        txtcgc->clear();
}

void frmcademp::txtCep_LostFocus() {
    txtCep->setText(company::formatCep(txtCep->text()));
}

void frmcademp::cmdok_Click() {
    company::Empresa e;
    for (const auto& [campo, caixa] : caixas())
        e.*campo = caixa->text();
    if (const auto problema = company::problem(e)) {
        QLineEdit* errada = nullptr;
        for (const auto& [campo, caixa] : caixas())
            if (campo == problema->campo)
                errada = caixa;
        refuse(dlg::alerta(problema->texto), errada);
        return;
    }
    const bool exists = shared::gCodigoPesquisa == QLatin1String("S");
    db::SaveOver result;
    if (!shared::withConnection(
            nullptr, [&](db::Connection& cn) { result = company::save(cn, e, exists, loaded_); }))
        return;
    switch (result.outcome) {
    case db::Overwrite::Saved:
        // The main window names the company as saved, from now on.
        company::remember(e);
        if (frmPrincipal* main = frmPrincipal::instance())
            main->setWindowTitle(company::caption());
        FechaTabelas();
        close();
        return;
    case db::Overwrite::Gone:
        dlg::show(dlg::alerta(
            QStringLiteral("--- ERRO --- EMPRESA NÃO ENCONTRADA! CONSULTE NOVAMENTE.")));
        return;
    case db::Overwrite::Changed:
        dlg::show(dlg::alerta(
            QStringLiteral("--- ERRO --- EMPRESA ALTERADA EM OUTRA ESTAÇÃO! DADOS RECARREGADOS.")));
        preenche(company::stored(result.stored));
        return;
    }
}

void frmcademp::FechaTabelas() {
    shared::fechaConexao();
}

void frmcademp::escPressed() {
    FechaTabelas();
    close();
}
