#pragma once

#include "registers/list_columns_model.h"

class DataGrid;
namespace db {
class DataControl;
}

// How a grid column shows its field.
enum class Formato { Texto, Moeda, Data };

// A grid column of the accounts windows: heading, field, width (twips, or a
// share of the grid's width in percent) and display form.
struct Coluna {
    QString heading;
    QString column;
    int largura = 0;
    Formato formato = Formato::Texto;
};

// Chosen columns of a list, with amounts as "R$ 1.234,56" (right-aligned)
// and dates as dd/mm/yyyy.
class FormattedColumnsModel : public ListColumnsModel {
    Q_OBJECT
public:
    FormattedColumnsModel(db::RecordsetModel* source, const QList<Coluna>& colunas,
                          QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QList<Formato> formatos_;
};

namespace grade {

// Binds a list to a grid whose column widths are twips.
void liga(db::DataControl* control, DataGrid* grid, const QList<Coluna>& colunas);
// Binds a list to a grid whose column widths are shares of its width.
void ligaPorParte(db::DataControl* control, DataGrid* grid, const QList<Coluna>& colunas);
// Sets the shares against the grid's present width.
void ajustaLarguras(DataGrid* grid, const QList<Coluna>& colunas);

} // namespace grade
