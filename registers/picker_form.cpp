#include "registers/picker_form.h"

#include "platform/data_grid.h"
#include "platform/db/data_control.h"
#include "platform/dialogs.h"
#include "registers/list_binding.h"
#include "registers/search_statements.h"
#include "shell/funcoes.h"
#include "shell/shared_state.h"

PickerForm::PickerForm(QWidget* parent, const QList<ListColumn>& columns, const QString& codeColumn,
                       const QString& nameColumn)
    : DataForm(parent), codeColumn_(codeColumn), nameColumn_(nameColumn) {
    Adodc1 = new db::DataControl(this);
    DataGrid1 = new DataGrid(this);
    listbinding::bind(Adodc1, DataGrid1, columns);
    DataGrid1->setRowSelectedGesture(false);
}

void PickerForm::loadList(const Statement& source) {
    listbinding::setSource(Adodc1, DataGrid1, source);
}

bool PickerForm::search(const QString& prompt, const QString& title,
                        const std::function<Statement(const QString&)>& source) {
    const std::optional<QString> text = dlg::dialogs().input({prompt, title, QString()});
    const bool listed = text && listbinding::setSource(Adodc1, DataGrid1, source(*text));
    DataGrid1->setFocus();
    return listed;
}

void PickerForm::searchName(const QString& table, const QString& column) {
    search(QStringLiteral("NOME:"), QStringLiteral("PESQUISA PELO NOME"),
           [&](const QString& text) { return containsSearch(table, column, column, text); });
}

void PickerForm::select() {
    const int row = DataGrid1->currentRow();
    if (row < 0)
        return;
    shared::gCodigoPesquisa = listbinding::text(Adodc1, row, codeColumn_);
    if (!nameColumn_.isEmpty())
        shared::gNomePesquisa = listbinding::text(Adodc1, row, nameColumn_);
    FechaPesquisa();
    close();
}

void PickerForm::openRegister(const QString& menuItem, const std::function<void()>& showRegister) {
    try {
        shared::gResultado = PermissaoUsuario(shared::gUsuario, menuItem);
    } catch (const db::DbError& e) {
        dlg::showError(e);
        return;
    }
    if (shared::gResultado.toString() == QLatin1String("1")) {
        dlg::inform(QStringLiteral("--- Perfil não autorizado!"), QStringLiteral("Atenção"),
                    dlg::Icon::Information);
        return;
    }
    showRegister();
    listbinding::refresh(Adodc1, DataGrid1);
    DataGrid1->setFocus();
}

void PickerForm::FechaPesquisa() {
    Adodc1->close();
}

void PickerForm::escPressed() {
    shared::gCodigoPesquisa.clear();
    shared::gNomePesquisa.clear();
    FechaPesquisa();
    close();
}
