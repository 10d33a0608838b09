#pragma once

#include "registers/list_columns_model.h"

class DataGrid;

// The grids of the order windows: each column a share of the grid's width,
// its values shown as the user reads them.
namespace ordergrid {

struct Column {
    QString heading;
    QString column;
    int percent = 0;
    ListFormat format = ListFormat::Text;
};

// Shows the columns of a data control's rows in the grid, each keeping its
// share of the grid's visible width whenever the grid is resized.
void bind(DataGrid* grid, db::RecordsetModel* source, const QList<Column>& columns);

} // namespace ordergrid
