#pragma once

#include "registers/list_columns_model.h"
#include "platform/db/statement.h"

class DataGrid;
namespace db {
class DataControl;
}

// A window's list: a data control on its own connection feeding a grid that
// shows chosen columns. Failures are shown to the user; the list then keeps
// its rows (and, for a new source, its former source).
namespace listbinding {

void bind(db::DataControl* control, DataGrid* grid, const QList<ListColumn>& columns);

// A column whose width is a share of the grid's visible width, in percent.
struct ShareColumn {
    QString heading;
    QString column;
    int percent = 0;
    ListFormat format = ListFormat::Text;
};
// Shows the columns of a list's rows, each keeping its share as the grid is
// resized.
void bindShares(db::DataControl* control, DataGrid* grid, const QList<ShareColumn>& columns);
// Reads the source again; the first row becomes current.
bool refresh(db::DataControl* control, DataGrid* grid);
bool setSource(db::DataControl* control, DataGrid* grid, const Statement& source);
// Text of `column` in the list's row `row`; empty when there is no such column.
QString text(const db::DataControl* control, int row, const QString& column);

} // namespace listbinding
