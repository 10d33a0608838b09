#pragma once

#include <QList>

class DataGrid;

// How a list column shows what the database gives.
enum class ListFormat {
    Text,   // as it comes
    Number, // "12,50": two to four decimals, no grouping
    Date,   // dd/mm/yyyy
};

// Puts the formats in front of a grid already bound to its list; the list's
// own values stay as they are for the code that reads them.
void formatListColumns(DataGrid* grid, const QList<ListFormat>& formats);
