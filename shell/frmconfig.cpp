#include "shell/frmconfig.h"

#include "platform/dialogs.h"
#include "shell/settings_file.h"
#include "shell/shared_state.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmconfig::frmconfig(QWidget* parent) : DataForm(parent) {
    setObjectName(QStringLiteral("frmconfig"));
    setWindowTitle(QStringLiteral("Configuração"));
    // Database names and passwords are case-sensitive.
    setUppercaseTyping(false);

    auto* grid = new QGridLayout;
    auto addRow = [&](int row, const QString& label, const char* name) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setMinimumWidth(300);
        grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(box, row, 1);
        return box;
    };
    txtNmBco = addRow(0, QStringLiteral("Nome Banco de Dados"), "txtNmBco");
    txtNmUsu = addRow(1, QStringLiteral("Usuário"), "txtNmUsu");
    txtSenha = addRow(2, QStringLiteral("Senha"), "txtSenha");
    txtString = addRow(3, QStringLiteral("String de Conexão"), "txtString");
    // Reached without a login (a start-up failure), the window must not show
    // the password every workstation uses; it is still kept and saved.
    if (shared::gLogado != QLatin1String("S"))
        txtSenha->setEchoMode(QLineEdit::Password);

    Command2 = new QPushButton(QStringLiteral("Salvar/Sair"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(QStringLiteral("Cancelar/Voltar"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setTabOrder(txtNmBco, txtNmUsu);
    setTabOrder(txtNmUsu, txtSenha);
    setTabOrder(txtSenha, txtString);
    setTabOrder(txtString, Command2);
    setTabOrder(Command2, Command1);

    connect(Command2, &QPushButton::clicked, this, &frmconfig::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frmconfig::Command1_Click);
    Form_Load();
}

void frmconfig::Form_Load() {
    if (!settings::fileExists())
        return;
    const settings::Values v = settings::read();
    txtString->setText(v.server);
    txtSenha->setText(v.password);
    txtNmBco->setText(v.database);
    txtNmUsu->setText(v.user);
}

void frmconfig::Command2_Click() {
    const settings::Values values{txtString->text(), txtSenha->text(), txtNmBco->text(),
                                  txtNmUsu->text()};
    if (const auto refusal = settings::unsupportedValue(values)) {
        dlg::show(*refusal);
        return;
    }
    if (!dlg::ask(QStringLiteral("Confirma os dados?"), QStringLiteral("Atenção")))
        return;
    const QString error = settings::write(values);
    if (!error.isEmpty()) {
        dlg::inform(QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL GRAVAR A CONFIGURAÇÃO!\n") +
                        error,
                    QStringLiteral("ATENÇÃO"), dlg::Icon::Critical);
        return;
    }
    dlg::inform(QStringLiteral("Configuração salva com sucesso!"), dlg::kProgramTitle,
                dlg::Icon::Information);
    close();
}

void frmconfig::Command1_Click() {
    close();
}
