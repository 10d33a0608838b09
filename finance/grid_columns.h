#pragma once

#include "registers/list_columns_model.h"

class DataGrid;
namespace db {
class DataControl;
}

// A grid column of the accounts windows: heading, field, width (twips, or a
// share of the grid's width in percent) and display form.
struct Coluna {
    QString heading;
    QString column;
    int largura = 0;
    ListFormat formato = ListFormat::Text;
};

namespace grade {

// Binds a list to a grid whose column widths are twips.
void liga(db::DataControl* control, DataGrid* grid, const QList<Coluna>& colunas);
// Binds a list to a grid whose column widths are shares of its width, kept
// as the grid is resized.
void ligaPorParte(db::DataControl* control, DataGrid* grid, const QList<Coluna>& colunas);

} // namespace grade
