#pragma once

#include "registers/list_columns_model.h"

class DataGrid;

// The grids of the order windows: each column a share of the grid's width,
// its values shown as the user reads them.
namespace ordergrid {

enum class Format { Text, Date, Number, Currency };

struct Column {
    QString heading;
    QString column;
    int percent = 0;
    Format format = Format::Text;
};

// Chosen columns of a data control's rows, formatted.
class Model : public ListColumnsModel {
    Q_OBJECT
public:
    Model(db::RecordsetModel* source, const QList<Column>& columns, QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QList<Format> formats_;
};

// Shows the columns in the grid, each keeping its share of the grid's
// visible width whenever the grid is resized.
void bind(DataGrid* grid, db::RecordsetModel* source, const QList<Column>& columns);

} // namespace ordergrid
