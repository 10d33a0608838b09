#pragma once

#include "platform/db/loaded_row.h"
#include "platform/db/recordset.h"
#include "platform/db/statement.h"
#include "registers/list_columns_model.h"
#include "registers/register_codes.h"
#include "registers/register_save.h"
#include "shell/data_form.h"

#include <functional>
#include <optional>

class DataGrid;
class QLineEdit;
class QPushButton;
namespace db {
class DataControl;
}

// What every register window shares: a list bound to a query on its own
// connection, a code box that loads a row when left, a save that inserts or
// writes over the row loaded (only while it is still stored as loaded),
// searches that narrow the list until the window closes, and Esc closing the
// list and the shared connection.
class RegisterForm : public DataForm {
    Q_OBJECT
public:
    db::DataControl* Adodc1;
    DataGrid* DataGrid1;

    // Row selected in the list: its code goes to the code box.
    void DataGrid1_DblClick();
    void FechaTabelas();

protected:
    enum class Lookup { NotNumber, NotFound, Found, Failed };
    using Fill = std::function<void(const db::Recordset&)>;

    RegisterForm(QWidget* parent, const QString& table, const QString& keyColumn,
                 const QList<ListColumn>& columns);

    // The code box the lookups and the list's row selection use.
    void setCodeBox(QLineEdit* box) { codeBox_ = box; }
    // Sets the list's source and reads it; a failure is shown and the list
    // keeps its former source and rows.
    bool setListSource(const Statement& source);
    // Reads the list's source again; the first row becomes current.
    bool refreshList();
    // A search typed into an input box; cancelling it searches an empty text,
    // which lists every row.
    void searchList(const QString& prompt, const QString& title,
                    const std::function<Statement(const QString&)>& source);
    // Re-reads the list and finds the code box's whole number in it; `row`
    // is then on the row found.
    Lookup lookupCode(db::Recordset& row);
    // What "SALVAR" does with the code box; nothing (and the user is told)
    // when the box holds a number that names no row.
    std::optional<SaveKey> saveTarget();
    void setSaveConnection(SaveConnection use) { saveConnection_ = use; }
    // The row the boxes were just filled from: an update writes over it.
    void remember(const db::Recordset& row) { loaded_ = db::LoadedRow::of(row); }
    // Runs an insert; false, the user told, when it failed (a code already
    // there included).
    bool runInsert(const Statement& insert);
    // Runs `update` over the row of `key`, only while it is still stored as
    // the window loaded it. Otherwise nothing is written and the user is
    // told: a row changed by another station is loaded again through `fill`,
    // a row deleted meanwhile is not written back. True when written.
    bool runUpdate(const db::Value& key, const Statement& update, const Fill& fill);
    // The code box left: fills the window from the row of its code, or clears
    // it, saying so when a number found no row. A failed read changes nothing.
    // True when a row was loaded.
    bool loadCode(const Fill& fill);
    virtual void LimpaTela() = 0;

    // Refusals; the focus goes to the box refused.
    void showCodeNotFound();
    void showNameMissing(QWidget* nameBox);

    void escPressed() override;
    // Enter in a multi-line box keeps its line break, then moves on.
    void enterPressed(QWidget* from) override;

private:
    QString table_;
    QString keyColumn_;
    QLineEdit* codeBox_ = nullptr;
    SaveConnection saveConnection_ = SaveConnection::Reopened;
    db::LoadedRow loaded_;
};
