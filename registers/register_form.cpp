#include "registers/register_form.h"

#include "platform/data_grid.h"
#include "platform/db/data_control.h"
#include "platform/dialogs.h"
#include "registers/register_busy.h"
#include "registers/register_codes.h"
#include "registers/register_save.h"
#include "shell/shared_state.h"

#include <QLineEdit>
#include <QPlainTextEdit>

RegisterForm::RegisterForm(QWidget* parent, const QString& keyColumn,
                           const QList<ListColumn>& columns)
    : DataForm(parent), keyColumn_(keyColumn) {
    Adodc1 = new db::DataControl(this);
    Adodc1->setObjectName(QStringLiteral("Adodc1"));
    Adodc1->setConnectionString(shared::gConexao);
    DataGrid1 = new DataGrid(this);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->setModel(new ListColumnsModel(Adodc1->model(), columns, this));
    DataGrid1->setColumnWidths(columnPixels(columns));
    connect(DataGrid1, &DataGrid::rowSelected, this, &RegisterForm::DataGrid1_DblClick);
}

bool RegisterForm::setListSource(const Statement& source) {
    const QString formerSql = Adodc1->recordSource();
    const db::Params formerParams = Adodc1->recordSourceParams();
    Adodc1->setRecordSource(source.sql, source.params);
    if (refreshList())
        return true;
    Adodc1->setRecordSource(formerSql, formerParams);
    return false;
}

bool RegisterForm::refreshList() {
    RegisterBusy busy;
    try {
        Adodc1->setConnectionString(shared::gConexao);
        Adodc1->refresh();
    } catch (const db::DbError& e) {
        dlg::showError(e.number(), e.text());
        return false;
    }
    if (DataGrid1->model()->rowCount() > 0)
        DataGrid1->setCurrentIndex(DataGrid1->model()->index(0, 0));
    return true;
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
            DataGrid1->setCurrentIndex(DataGrid1->model()->index(static_cast<int>(r), 0));
            return Lookup::Found;
        }
    }
    return Lookup::NotFound;
}

bool RegisterForm::runSave(const Statement& statement, bool update) {
    qint64 rows = 0;
    {
        RegisterBusy busy;
        try {
            rows = runRegisterSave(statement);
        } catch (const db::DbError& e) {
            dlg::showError(e.number(), e.text());
            return false;
        }
    }
    if (update && rows == 0) {
        showCodeNotFound();
        return false;
    }
    return true;
}

void RegisterForm::showCodeNotFound() {
    dlg::inform(QStringLiteral("--- ERRO --- CÓDIGO NÃO ENCONTRADO!"), QStringLiteral("ATENÇÃO"),
                dlg::Icon::Information);
}

void RegisterForm::showNameMissing() {
    dlg::inform(QStringLiteral("--- ERRO --- NOME NÃO INFORMADO!"), QStringLiteral("ATENÇÃO"),
                dlg::Icon::Information);
}

void RegisterForm::DataGrid1_DblClick() {
    const int row = DataGrid1->currentRow();
    const int column = Adodc1->recordset().columnIndex(keyColumn_);
    if (row < 0 || column < 0 || codeBox_ == nullptr)
        return;
    codeBox_->setText(Adodc1->recordset().textAt(row, column));
    codeBox_->setFocus();
}

void RegisterForm::FechaTabelas() {
    shared::fechaConexao();
    Adodc1->close();
}

bool RegisterForm::previewKey(QKeyEvent* event) {
    return keys.press(event);
}

void RegisterForm::escPressed() {
    FechaTabelas();
    close();
}

void RegisterForm::enterPressed(QWidget* from) {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(from))
        memo->insertPlainText(QStringLiteral("\n"));
}
