#pragma once

#include "platform/db/recordset.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace db {

// A read-only table over a recordset, for the grids. Headings default to the
// column names.
class RecordsetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRecordset(Recordset recordset);
    const Recordset& recordset() const { return recordset_; }
    void setHeadings(const QStringList& headings);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    Recordset recordset_;
    QStringList headings_;
};

} // namespace db
