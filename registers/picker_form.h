#pragma once

#include "platform/db/statement.h"
#include "registers/list_columns_model.h"
#include "shell/data_form.h"

#include <functional>

class DataGrid;
namespace db {
class DataControl;
}

// The table a picker lists whole and searches by name.
struct PickerTable {
    QString nome;     // cliente, fornecedores, grupoestoque...
    QString chave;    // the code column
    QString coluna;   // the name column
    QString itemMenu; // the main-window item whose permission guards "new"
};

// What every picker shares: a list the user narrows with searches, F10
// handing the current row back through gCodigoPesquisa (and gNomePesquisa),
// Esc handing back nothing, and a "new" button that opens the register when
// the user's profile allows it.
class PickerForm : public DataForm {
    Q_OBJECT
public:
    db::DataControl* Adodc1;
    DataGrid* DataGrid1;

    void FechaPesquisa();

protected:
    // `nameColumn` empty: the picker hands back the code only.
    PickerForm(QWidget* parent, const QList<ListColumn>& columns, const QString& codeColumn,
               const QString& nameColumn);

    void loadList(const Statement& source);
    // A cancelled input box keeps the list; a confirmed one, empty or not,
    // becomes the list's source for every later refresh; true when it did.
    bool search(const QString& prompt, const QString& title,
                const std::function<Statement(const QString&)>& source);
    // The F2 search: rows whose `column` holds the typed text, in its order.
    void searchName(const QString& table, const QString& column);
    // Hands back the current row and closes; with no current row nothing is
    // handed back and the picker stays open.
    void select();
    // Opens the register behind `menuItem` unless the profile blocks it,
    // then reads the list again with its last search.
    void openRegister(const QString& menuItem, const std::function<void()>& showRegister);

    void escPressed() override;

private:
    QString codeColumn_;
    QString nameColumn_;
};
