#include "finance/grid_columns.h"

#include "platform/moeda.h"
#include "platform/data_grid.h"
#include "platform/dates.h"
#include "platform/db/data_control.h"
#include "shell/shared_state.h"

namespace {

QList<ListColumn> listColumns(const QList<Coluna>& colunas) {
    QList<ListColumn> out;
    for (const Coluna& c : colunas)
        out << ListColumn{c.heading, c.column, c.largura};
    return out;
}

void bind(db::DataControl* control, DataGrid* grid, const QList<Coluna>& colunas) {
    control->setConnectionString(shared::gConexao);
    grid->setModel(new FormattedColumnsModel(control->model(), colunas, grid));
}

} // namespace

FormattedColumnsModel::FormattedColumnsModel(db::RecordsetModel* source,
                                             const QList<Coluna>& colunas, QObject* parent)
    : ListColumnsModel(source, listColumns(colunas), parent) {
    for (const Coluna& c : colunas)
        formatos_ << c.formato;
}

QVariant FormattedColumnsModel::data(const QModelIndex& index, int role) const {
    const Formato formato = formatos_.value(index.column(), Formato::Texto);
    if (role == Qt::TextAlignmentRole && formato == Formato::Moeda)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    const QVariant value = ListColumnsModel::data(index, role);
    const QString text = value.toString();
    if (!value.isValid() || text.isEmpty() || formato == Formato::Texto)
        return value;
    if (formato == Formato::Moeda) {
        const auto amount = Decimal::fromSql(text);
        return amount ? moeda(*amount) : value;
    }
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    return date.isValid() ? dates::toBr(date) : value;
}

namespace grade {

void liga(db::DataControl* control, DataGrid* grid, const QList<Coluna>& colunas) {
    bind(control, grid, colunas);
    grid->setColumnWidths(columnPixels(listColumns(colunas)));
}

void ligaPorParte(db::DataControl* control, DataGrid* grid, const QList<Coluna>& colunas) {
    bind(control, grid, colunas);
    ajustaLarguras(grid, colunas);
}

void ajustaLarguras(DataGrid* grid, const QList<Coluna>& colunas) {
    const int total = grid->viewport()->width();
    QList<int> widths;
    for (const Coluna& c : colunas)
        widths << total * c.largura / 100;
    grid->setColumnWidths(widths);
}

} // namespace grade
