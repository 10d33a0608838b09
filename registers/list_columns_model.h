#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

namespace db {
class RecordsetModel;
}

// One column a list shows: its heading, the query column it shows and its
// width in twips (a fifteenth of a pixel).
struct ListColumn {
    QString heading;
    QString column;
    int twips = 0;
};

QList<int> columnPixels(const QList<ListColumn>& columns);

// Shows chosen columns of a list's query, in the list's own order, over the
// rows the data control read (nothing is copied).
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
