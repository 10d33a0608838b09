#include "registers/list_binding.h"

#include "platform/busy_guard.h"
#include "platform/data_grid.h"
#include "platform/db/data_control.h"
#include "platform/dialogs.h"
#include "shell/shared_state.h"

namespace listbinding {

void bind(db::DataControl* control, DataGrid* grid, const QList<ListColumn>& columns) {
    control->setObjectName(QStringLiteral("Adodc1"));
    control->setConnectionString(shared::gConexao);
    grid->setObjectName(QStringLiteral("DataGrid1"));
    QList<DataGrid::Column> widths;
    for (const ListColumn& c : columns)
        widths.append({c.twips, showsWhole(c.format)});
    grid->setModel(new ListColumnsModel(control->model(), columns, grid));
    grid->setColumnTwips(widths);
}

void bindShares(db::DataControl* control, DataGrid* grid, const QList<ShareColumn>& columns) {
    QList<ListColumn> shown;
    QList<DataGrid::Column> shares;
    for (const ShareColumn& c : columns) {
        shown.append({c.heading, c.column, 0, c.format});
        shares.append({c.percent, showsWhole(c.format)});
    }
    grid->setModel(new ListColumnsModel(control->model(), shown, grid));
    grid->setColumnShares(shares);
}

bool refresh(db::DataControl* control, DataGrid* grid) {
    BusyGuard busy;
    try {
        control->setConnectionString(shared::gConexao);
        control->refresh();
    } catch (const db::DbError& e) {
        dlg::showError(e);
        return false;
    }
    if (grid->model()->rowCount() > 0)
        grid->setCurrentRow(0);
    return true;
}

bool setSource(db::DataControl* control, DataGrid* grid, const Statement& source) {
    const QString formerSql = control->recordSource();
    const db::Params formerParams = control->recordSourceParams();
    control->setRecordSource(source);
    if (refresh(control, grid))
        return true;
    control->setRecordSource(formerSql, formerParams);
    return false;
}

QString text(const db::DataControl* control, int row, const QString& column) {
    const db::Recordset& rows = control->recordset();
    const int index = rows.columnIndex(column);
    if (row < 0 || row >= rows.rowCount() || index < 0)
        return QString();
    return rows.textAt(row, index);
}

} // namespace listbinding
