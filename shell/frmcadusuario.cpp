#include "shell/frmcadusuario.h"

#include "platform/db/connection.h"
#include "platform/dialogs.h"
#include "platform/text_limits.h"
#include "shell/menu_items.h"
#include "shell/profile_list.h"
#include "shell/shared_state.h"
#include "shell/shared_work.h"
#include "shell/user_accounts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kNomeVazio = QStringLiteral("--- ERRO --- INFORME O NOME DE USUÁRIO!");
const QString kNomeLongo =
    QStringLiteral("--- ERRO --- O NOME DE USUÁRIO NÃO PODE TER MAIS QUE 10 CARACTERES!");
constexpr int kNameLimit = 10;

QVBoxLayout* labelled(QWidget* parent, const QString& label, QWidget* box) {
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(new QLabel(label, parent));
    column->addWidget(box);
    return column;
}

QLineEdit* passwordBox(QWidget* parent, const char* name, const QString& tip) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(tip);
    textlimits::setMaxLength(box, kNameLimit);
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    return box;
}

// The name checks made on leaving the box and again before a save: the
// message to show, or empty text.
QString nameProblem(const QString& trimmed) {
    if (trimmed.isEmpty())
        return kNomeVazio;
    if (trimmed.size() > kNameLimit)
        return kNomeLongo;
    return QString();
}

void showNameProblem(const QString& problem) {
    dlg::inform(problem, QStringLiteral("ATENÇÃO"),
                problem == kNomeVazio ? dlg::Icon::Information : dlg::Icon::Critical);
}

} // namespace

frmcadusuario::frmcadusuario(QWidget* parent) : DataForm(parent) {
    setObjectName(QStringLiteral("frmcadusuario"));
    setWindowTitle(QStringLiteral("Usuários - Manutenção"));

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // A new name that begins an existing one must stay as typed.
    Combo1->setCompleter(nullptr);
    txtsenha = passwordBox(this, "txtsenha", QStringLiteral("Digite uma senha para ele"));
    txtoksenha = passwordBox(this, "txtoksenha", QStringLiteral("Redigite a senha dele"));
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("Confirma os dados"));
    Command3 = new QPushButton(QStringLiteral("Exclui Usuário"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setToolTip(QStringLiteral("Exclui um usuário cadastrado"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    List1->setFont(fixed);
    Command2 = new QPushButton(QStringLiteral("Seleciona Tudo"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command5 = new QPushButton(QStringLiteral("Desmarca Todos"), this);
    Command5->setObjectName(QStringLiteral("Command5"));

    auto* top = new QHBoxLayout;
    top->addLayout(labelled(this, QStringLiteral("Nome"), Combo1), 2);
    top->addLayout(labelled(this, QStringLiteral("Senha"), txtsenha), 1);
    top->addLayout(labelled(this, QStringLiteral("Confirmação"), txtoksenha), 1);
    top->addWidget(Command1, 0, Qt::AlignBottom);
    top->addWidget(Command3, 0, Qt::AlignBottom);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Command2);
    bottom->addStretch();
    bottom->addWidget(Command5);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(List1, 1);
    layout->addLayout(bottom);
    resize(716, 471);

    setTabOrder(Combo1, txtsenha);
    setTabOrder(txtsenha, txtoksenha);
    setTabOrder(txtoksenha, Command1);
    setTabOrder(Command1, Command3);
    setTabOrder(Command3, List1);
    setTabOrder(List1, Command2);
    setTabOrder(Command2, Command5);

    onLeave(Combo1, [this] { Combo1_LostFocus(); });
    onEnter(txtsenha, [this] { txtsenha_GotFocus(); });
    onEnter(txtoksenha, [this] { txtoksenha_GotFocus(); });
    connect(txtoksenha, &QLineEdit::textChanged, this, &frmcadusuario::txtoksenha_Change);
    connect(Command1, &QPushButton::clicked, this, &frmcadusuario::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &frmcadusuario::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &frmcadusuario::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &frmcadusuario::Command5_Click);

    setButtons(false);
    Form_Load();
}

void frmcadusuario::Form_Load() {
    shared::withConnection(nullptr,
                           [this](db::Connection& cn) { Combo1->addItems(users::names(cn)); });
    Combo1->clearEditText();
}

void frmcadusuario::setButtons(bool enabled) {
    Command1->setEnabled(enabled);
    Command3->setEnabled(enabled);
}

void frmcadusuario::Combo1_LostFocus() {
    List1->clear();
    const QString nome = Combo1->currentText().trimmed();
    if (const QString problem = nameProblem(nome); !problem.isEmpty()) {
        if (nome.isEmpty())
            setButtons(false);
        showNameProblem(problem);
        return;
    }
    try {
        loaded_ = true;
        shared::abreConexao();
        db::Connection& cn = shared::gCn();
        QStringList items;
        for (const MenuItemDef& item : kMenuItems)
            items << nameFromProfileLine(profileLine(item));
        stored_ = users::find(cn, nome, items);
        txtsenha->clear();
        txtoksenha->clear();
        if (stored_.exists) {
            txtsenha->setText(stored_.password);
            txtoksenha->setText(txtsenha->text());
        }
        for (std::size_t i = 0; i < kMenuItems.size(); ++i) {
            auto* entry = new QListWidgetItem(profileLine(kMenuItems[i]), List1);
            entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            entry->setCheckState(stored_.allowed[i] ? Qt::Checked : Qt::Unchecked);
        }
    } catch (const db::DbError& e) {
        loaded_ = false;
        stored_ = {};
        List1->clear();
        txtsenha->clear();
        txtoksenha->clear();
        setButtons(false);
        dlg::showError(e);
    }
}

void frmcadusuario::txtsenha_GotFocus() {
    txtsenha->selectAll();
}

void frmcadusuario::txtoksenha_GotFocus() {
    txtoksenha->selectAll();
    evaluateButtons();
}

void frmcadusuario::txtoksenha_Change() {
    evaluateButtons();
}

void frmcadusuario::evaluateButtons() {
    setButtons(loaded_ && !txtsenha->text().trimmed().isEmpty() &&
               !txtoksenha->text().trimmed().isEmpty() && txtsenha->text() == txtoksenha->text());
}

void frmcadusuario::Command1_Click() {
    if (!loaded_)
        return;
    if (txtsenha->text().isEmpty() || Combo1->currentText().isEmpty()) {
        dlg::inform(QStringLiteral("Existem campos em branco que não podem ficar em branco."),
                    QStringLiteral("ATENÇÃO"), dlg::Icon::Exclamation);
        return;
    }
    const QString nome = Combo1->currentText().trimmed();
    if (const QString problem = nameProblem(nome); !problem.isEmpty()) {
        showNameProblem(problem);
        return;
    }
    if (txtsenha->text() != txtoksenha->text()) {
        dlg::inform(QStringLiteral("--- ERRO --- Senhas não conferem!"), QStringLiteral("Atenção"),
                    dlg::Icon::Exclamation);
        return;
    }
    std::vector<users::ProfileEntry> profile;
    for (int i = 0; i < List1->count(); ++i) {
        const QListWidgetItem* line = List1->item(i);
        profile.push_back({nameFromProfileLine(line->text()), line->checkState() == Qt::Checked});
    }
    auto saved = db::Overwrite::Saved;
    if (!shared::withConnection(nullptr, [&](db::Connection& cn) {
            saved = users::save(cn, nome, txtsenha->text(), stored_, profile);
        }))
        return;
    if (saved == db::Overwrite::Gone) {
        dlg::inform(QStringLiteral("--- ERRO --- USUÁRIO NÃO ENCONTRADO! CONSULTE NOVAMENTE."),
                    QStringLiteral("ATENÇÃO"), dlg::Icon::Exclamation);
        return;
    }
    if (saved == db::Overwrite::Changed) {
        dlg::inform(
            QStringLiteral("--- ERRO --- USUÁRIO ALTERADO EM OUTRA ESTAÇÃO! DADOS RECARREGADOS."),
            QStringLiteral("ATENÇÃO"), dlg::Icon::Exclamation);
        Combo1_LostFocus();
        evaluateButtons();
        return;
    }
    dlg::inform(QStringLiteral("Salvo com sucesso!"), QStringLiteral("Atenção"),
                dlg::Icon::Information);
    clearAll();
}

void frmcadusuario::Command3_Click() {
    if (!loaded_)
        return;
    if (!dlg::ask(QStringLiteral("Confirma a exclusão?"), QStringLiteral("Exclusão de Usuário"),
                  dlg::Answer::Yes))
        return;
    if (!shared::withConnection(nullptr, [this](db::Connection& cn) {
            users::remove(cn, Combo1->currentText().trimmed());
        }))
        return;
    clearAll();
    dlg::inform(QStringLiteral("Excluído com sucesso!"), QStringLiteral("Atenção"),
                dlg::Icon::Information);
}

void frmcadusuario::clearAll() {
    List1->clear();
    txtsenha->clear();
    txtoksenha->clear();
    Combo1->clearEditText();
    setButtons(false);
}

void frmcadusuario::Command2_Click() {
    for (int i = 0; i < List1->count(); ++i)
        List1->item(i)->setCheckState(Qt::Checked);
}

void frmcadusuario::Command5_Click() {
    for (int i = 0; i < List1->count(); ++i)
        List1->item(i)->setCheckState(Qt::Unchecked);
}

void frmcadusuario::FechaTabelas() {
    shared::fechaConexao();
}

void frmcadusuario::escPressed() {
    FechaTabelas();
    close();
}
