#include "platform/db/recordset_model.h"

namespace db {

void RecordsetModel::setRecordset(Recordset recordset) {
    beginResetModel();
    recordset_ = std::move(recordset);
    endResetModel();
}

void RecordsetModel::setHeadings(const QStringList& headings) {
    headings_ = headings;
    if (columnCount() > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int RecordsetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(recordset_.rowCount());
}

int RecordsetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : recordset_.columnCount();
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QVariant();
    return recordset_.textAt(index.row(), index.column());
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return QVariant();
    if (section < headings_.size())
        return headings_.at(section);
    return recordset_.columnName(section);
}

} // namespace db
