#include "registers/register_form.h"

#include "platform/busy_guard.h"
#include "platform/data_grid.h"
#include "platform/db/data_control.h"
#include "platform/dialogs.h"
#include "registers/list_binding.h"
#include "shell/shared_state.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <optional>

RegisterForm::RegisterForm(QWidget* parent, const QString& table, const QString& keyColumn,
                           const QList<ListColumn>& columns)
    : DataForm(parent), table_(table), keyColumn_(keyColumn) {
    Adodc1 = new db::DataControl(this);
    DataGrid1 = new DataGrid(this);
    listbinding::bind(Adodc1, DataGrid1, columns);
    connect(DataGrid1, &DataGrid::rowSelected, this, &RegisterForm::DataGrid1_DblClick);
}

bool RegisterForm::setListSource(const Statement& source) {
    return listbinding::setSource(Adodc1, DataGrid1, source);
}

bool RegisterForm::refreshList() {
    return listbinding::refresh(Adodc1, DataGrid1);
}

void RegisterForm::searchList(const QString& prompt, const QString& title,
                              const std::function<Statement(const QString&)>& source) {
    const QString text = dlg::dialogs().input({prompt, title, QString()}).value_or(QString());
    setListSource(source(text));
    DataGrid1->setFocus();
}

RegisterForm::Lookup RegisterForm::lookupCode(db::Recordset& row) {
    const QString typed = codeBox_->text();
    if (!isNumeric(typed))
        return Lookup::NotNumber;
    if (!refreshList())
        return Lookup::Failed;
    const auto code = wholeCode(typed);
    if (!code)
        return Lookup::NotFound;
    row = Adodc1->recordset();
    const int column = row.columnIndex(keyColumn_);
    for (qsizetype r = 0; column >= 0 && r < row.rowCount(); ++r) {
        bool ok = false;
        if (row.textAt(r, column).toLongLong(&ok) == *code && ok) {
            row.moveTo(r);
            DataGrid1->setCurrentRow(static_cast<int>(r));
            return Lookup::Found;
        }
    }
    return Lookup::NotFound;
}

std::optional<SaveKey> RegisterForm::saveTarget() {
    const SaveKey key = saveKey(codeBox_->text());
    if (key.kind == SaveKey::NoSuchCode) {
        showCodeNotFound();
        return std::nullopt;
    }
    return key;
}

namespace {

// Runs a save under the hourglass; what it threw, once the pointer is back.
std::optional<db::DbError> busySave(const std::function<void()>& save) {
    BusyGuard busy;
    try {
        save();
    } catch (const db::DbError& e) {
        return e;
    }
    return std::nullopt;
}

} // namespace

bool RegisterForm::runInsert(const Statement& insert) {
    // A code stored meanwhile is told as the duplicate it is.
    const auto error = busySave([&] { runRegisterInsert(saveConnection_, insert); });
    if (!error)
        return true;
    dlg::showError(*error);
    return false;
}

bool RegisterForm::runUpdate(const db::Value& key, const Statement& update, const Fill& fill) {
    const Statement stored{
        QStringLiteral("select * from %1 where %2 = ? for update").arg(table_, keyColumn_), {key}};
    db::SaveOver result;
    if (const auto error = busySave(
            [&] { result = runRegisterUpdate(saveConnection_, stored, loaded_, update); })) {
        dlg::showError(*error);
        return false;
    }
    switch (result.outcome) {
    case db::Overwrite::Saved:
        return true;
    case db::Overwrite::Gone:
        dlg::show(dlg::alerta(
            QStringLiteral("--- ERRO --- CADASTRO NÃO ENCONTRADO! CONSULTE NOVAMENTE.")));
        return false;
    case db::Overwrite::Changed:
        dlg::show(dlg::alerta(QStringLiteral(
            "--- ERRO --- CADASTRO ALTERADO EM OUTRA ESTAÇÃO! DADOS RECARREGADOS.")));
        result.stored.moveLast();
        remember(result.stored);
        fill(result.stored);
        refreshList();
        return false;
    }
    return false;
}

bool RegisterForm::loadCode(const Fill& fill) {
    db::Recordset row;
    switch (lookupCode(row)) {
    case Lookup::NotNumber:
        LimpaTela();
        return false;
    case Lookup::Failed:
        return false;
    case Lookup::NotFound:
        showCodeNotFound();
        LimpaTela();
        return false;
    case Lookup::Found:
        remember(row);
        fill(row);
        return true;
    }
    return false;
}

void RegisterForm::showCodeNotFound() {
    refuse(dlg::atencao(QStringLiteral("--- ERRO --- CÓDIGO NÃO ENCONTRADO!")), codeBox_);
}

void RegisterForm::showNameMissing(QWidget* nameBox) {
    refuse(dlg::atencao(QStringLiteral("--- ERRO --- NOME NÃO INFORMADO!")), nameBox);
}

void RegisterForm::DataGrid1_DblClick() {
    const int row = DataGrid1->currentRow();
    if (row < 0 || codeBox_ == nullptr)
        return;
    codeBox_->setText(listbinding::text(Adodc1, row, keyColumn_));
    codeBox_->setFocus();
}

void RegisterForm::FechaTabelas() {
    shared::fechaConexao();
    Adodc1->close();
}

void RegisterForm::escPressed() {
    FechaTabelas();
    close();
}

void RegisterForm::enterPressed(QWidget* from) {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(from))
        memo->insertPlainText(QStringLiteral("\n"));
}
