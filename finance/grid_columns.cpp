#include "finance/grid_columns.h"

#include "platform/data_grid.h"
#include "platform/db/data_control.h"
#include "shell/shared_state.h"

namespace {

QList<ListColumn> listColumns(const QList<Coluna>& colunas) {
    QList<ListColumn> out;
    for (const Coluna& c : colunas)
        out << ListColumn{c.heading, c.column, c.largura, c.formato};
    return out;
}

void bind(db::DataControl* control, DataGrid* grid, const QList<Coluna>& colunas) {
    control->setConnectionString(shared::gConexao);
    grid->setModel(new ListColumnsModel(control->model(), listColumns(colunas), grid));
}

} // namespace

namespace grade {

void liga(db::DataControl* control, DataGrid* grid, const QList<Coluna>& colunas) {
    bind(control, grid, colunas);
    grid->setColumnWidths(columnPixels(listColumns(colunas)));
}

void ligaPorParte(db::DataControl* control, DataGrid* grid, const QList<Coluna>& colunas) {
    bind(control, grid, colunas);
    QList<int> shares;
    for (const Coluna& c : colunas)
        shares << c.largura;
    grid->setColumnShares(shares);
}

} // namespace grade
