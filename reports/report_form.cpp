#include "reports/report_form.h"

#include "platform/busy_guard.h"
#include "platform/dates.h"
#include "platform/db/connection.h"
#include "platform/dialogs.h"
#include "registers/form_widgets.h"
#include "registers/frmBuscaCliente.h"
#include "registers/frmBuscaFornecedor.h"
#include "registers/party_names.h"
#include "registers/pick.h"
#include "registers/register_codes.h"
#include "reports/frmgerapdfp.h"
#include "reports/report_file.h"
#include "reports/report_lines_view.h"
#include "shell/auto_resize.h"
#include "shell/company.h"
#include "shell/date_mask.h"
#include "shell/frmprincipal.h"
#include "shell/program_end.h"
#include "shell/shared_state.h"
#include "shell/shared_work.h"
#include "shell/window_registry.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace formwidgets;

namespace {

QFont reportFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

// A label over its controls.
QVBoxLayout* labelled(QLabel* label, const QList<QWidget*>& controls) {
    auto* column = new QVBoxLayout;
    column->addWidget(label);
    auto* row = new QHBoxLayout;
    for (QWidget* c : controls)
        row->addWidget(c);
    column->addLayout(row);
    return column;
}

// The main window's caption: company name, " - " and phone.
QString companyCaption() {
    if (frmPrincipal* main = frmPrincipal::instance())
        return main->windowTitle();
    return company::caption();
}

} // namespace

RelatorioForm::RelatorioForm(QWidget* parent, const QString& prefix, const QString& title,
                             const QString& statusLabel, const QStringList& statuses)
    : DataForm(parent), prefix_(prefix), title_(title) {
    reads_.setLongStatements(true);
    cboSit = new QComboBox(this);
    cboSit->setObjectName(QStringLiteral("cboSit"));
    cboSit->addItems(statuses);
    txtDTi = box(this, "txtDTi", 10, 11);
    txtDTf = box(this, "txtDTf", 10, 11);
    installDateMask(txtDTi);
    installDateMask(txtDTf);
    txtCdCli = box(this, "txtCdCli", 10, 8);
    txtNmCli = box(this, "txtNmCli", 0, 40);
    Label4 = new QLabel(QStringLiteral("Cliente F2 - Pesquisar"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Command1 = button(this, "Command1", QStringLiteral("Gerar"));
    Command2 = button(this, "Command2", QStringLiteral("Imprimir"));
    l_Tit = new QLabel(this);
    l_Tit->setObjectName(QStringLiteral("l_Tit"));
    l_Tit->setTextFormat(Qt::PlainText);
    l_Tit->setFont(reportFont());
    List1 = new ReportLinesView(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(reportFont());
    // The titles stand over the columns of the list's text.
    l_Tit->setIndent(List1->frameWidth() +
                     List1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, List1) + 1);

    filterRow_ = new QHBoxLayout;
    filterRow_->addLayout(labelled(new QLabel(statusLabel, this), {cboSit}));
    filterRow_->addLayout(labelled(new QLabel(QStringLiteral("Período"), this), {txtDTi, txtDTf}));
    filterRow_->addLayout(labelled(Label4, {txtCdCli, txtNmCli}));
    filterRow_->addWidget(Command1, 0, Qt::AlignBottom);
    filterRow_->addWidget(Command2, 0, Qt::AlignBottom);
    filterRow_->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow_);
    layout->addWidget(l_Tit);
    layout->addWidget(List1, 1);
    resize(1120, 600);
    Resize = AutoResize::attach(this);

    connect(cboSit, &QComboBox::currentIndexChanged, this, &RelatorioForm::cboSit_Click);
    connect(txtDTi, &QLineEdit::textChanged, this, &RelatorioForm::txtDTi_Change);
    connect(txtDTf, &QLineEdit::textChanged, this, &RelatorioForm::txtDTf_Change);
    connect(txtCdCli, &QLineEdit::textChanged, this, &RelatorioForm::txtCdCli_Change);
    connect(txtNmCli, &QLineEdit::textChanged, this, &RelatorioForm::txtNmCli_Change);
    connect(Command1, &QPushButton::clicked, this, &RelatorioForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &RelatorioForm::Command2_Click);
    onLeave(txtCdCli, [this] { txtCdCli_LostFocus(); });
    Command2->setEnabled(false);
}

void RelatorioForm::clearList() {
    List1->clear();
    Command2->setEnabled(false);
}

void RelatorioForm::cboSit_Click() {
    clearList();
}

void RelatorioForm::txtDTi_Change() {
    clearList();
}

void RelatorioForm::txtDTf_Change() {
    clearList();
}

void RelatorioForm::txtCdCli_Change() {
    clearList();
    foundName_.clear();
    txtNmCli->clear();
}

void RelatorioForm::txtNmCli_Change() {
    clearList();
}

void RelatorioForm::txtCdCli_LostFocus() {
    QString name;
    shared::withConnection(nullptr, [&](db::Connection& cn) {
        name = leNome(cn, txtCdCli->text(), partyIsSupplier() ? fornecedorNome : clienteNome)
                   .value_or(QString());
    });
    foundName_ = name;
    // Passing through the box changes nothing, so the list stays.
    if (txtNmCli->text() != name)
        txtNmCli->setText(name);
}

bool RelatorioForm::Form_KeyDown(int KeyCode) {
    if (KeyCode != Qt::Key_F2)
        return false;
    clearList();
    if (partyIsSupplier())
        pickInto<frmBuscaFornecedor>(this, txtCdCli);
    else
        pickInto<frmBuscaCliente>(this, txtCdCli);
    return true;
}

bool RelatorioForm::previewKey(QKeyEvent* event) {
    return Form_KeyDown(event->key());
}

void RelatorioForm::escPressed() {
    shared::fechaConexao();
    reads_.close();
    close();
}

void RelatorioForm::Command1_Click() {
    clearList();
    const auto first = dates::parseBr(txtDTi->text());
    const auto last = dates::parseBr(txtDTf->text());
    if (!first || !last || *first > *last) {
        dlg::inform(QStringLiteral("--- ERRO --- PERÍODO INVÁLIDO!"), QStringLiteral("ATENÇÃO"),
                    dlg::Icon::Information);
        return;
    }
    // The party filter follows the name found for the code.
    std::optional<qint64> party;
    if (!txtNmCli->text().trimmed().isEmpty())
        party = wholeCode(txtCdCli->text());
    try {
        BusyGuard busy;
        // The shared connection is opened and left open, as the code lookup
        // leaves it; Esc closes it.
        shared::abreConexao();
        if (reads_.connectionString() != shared::gConexao) {
            reads_.close();
            reads_.setConnectionString(shared::gConexao);
        }
        const ReportList report = build(reads_, *first, *last, party);
        l_Tit->setText(report.titleLine);
        List1->setLines(report.lines);
    } catch (const db::DbError& e) {
        dlg::showError(e);
        return;
    }
    // The header names only the party kept to, by the name found for its code.
    partyCode_ = party ? txtCdCli->text() : QString();
    partyName_ = party ? foundName_ : QString();
    Command2->setEnabled(true);
}

QStringList RelatorioForm::pageHeader() const {
    const QString caption = Label4->text();
    reportfile::HeaderSource source;
    source.companyCpf = shared::gEmpCpf;
    source.companyCaption = companyCaption();
    source.user = shared::gUsuario;
    source.title = title_;
    source.filter = filterLine();
    source.party = caption.left(caption.indexOf(QLatin1Char(' '))) + QStringLiteral(": ") +
                   partyCode_ + QLatin1Char(' ') + partyName_;
    source.columnTitles = l_Tit->text();
    return reportfile::pageHeader(source, QDateTime::currentDateTime());
}

void RelatorioForm::Command2_Click() {
    {
        BusyGuard busy;
        const reportfile::Paths paths = reportfile::freePaths(prefix_);
        shared::gArquivoTXT = paths.text;
        shared::gArquivoPDF = paths.pdf;
        const QString error = reportfile::write(
            paths.text, reportfile::render(List1->lines(), [this] { return pageHeader(); }));
        if (!error.isEmpty()) {
            dlg::showError(75, error);
            return;
        }
    }
    frmgerapdfp converter(this);
    converter.cmbPageSize->setCurrentIndex(2);
    converter.exec();
}
