#include "service_orders/order_grid.h"

#include "platform/data_grid.h"

namespace ordergrid {

void bind(DataGrid* grid, db::RecordsetModel* source, const QList<Column>& columns) {
    QList<ListColumn> shown;
    QList<int> percents;
    for (const Column& c : columns) {
        shown.append({c.heading, c.column, 0, c.format});
        percents << c.percent;
    }
    grid->setModel(new ListColumnsModel(source, shown, grid));
    grid->setColumnShares(percents);
}

} // namespace ordergrid
