#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

namespace db {
class RecordsetModel;
}

// How a column shows what the database gives.
enum class ListFormat {
    Text,     // as it comes; may be cut where the grid is narrow
    Code,     // as it comes, always whole: codes, documents, phones, category names
    Date,     // dd/mm/yyyy
    Plain,    // "1234,5": no grouping, no trailing zeros
    Price,    // "12,50", "10,125": two to four decimals, no grouping
    Currency, // "R$ 1.234,50"
};

// One column a list shows: its heading, the query column it shows, its
// width in twips of the window's design and how it shows its values.
struct ListColumn {
    QString heading;
    QString column;
    int twips = 0;
    ListFormat format = ListFormat::Text;
};

// Dates, amounts, codes and documents show whole; free text may be cut.
bool showsWhole(ListFormat format);

// Shows chosen columns of a list's query, in the list's own order, over the
// rows the data control read (nothing is copied); values are formatted only
// for display, so code reading the list sees them as stored.
class ListColumnsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ListColumnsModel(db::RecordsetModel* source, QList<ListColumn> columns,
                     QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void mapColumns();

    db::RecordsetModel* source_;
    QList<ListColumn> columns_;
    QList<int> indexes_; // query column of each shown column, -1 when absent
};
