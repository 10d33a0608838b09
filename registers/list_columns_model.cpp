#include "registers/list_columns_model.h"

#include "platform/dates.h"
#include "platform/db/recordset_model.h"
#include "platform/decimal.h"
#include "platform/moeda.h"

namespace {

QString formatted(const QString& text, ListFormat format) {
    if (text.isEmpty() || format == ListFormat::Text || format == ListFormat::Code)
        return text;
    if (format == ListFormat::Date) {
        const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
        return date.isValid() ? dates::toBr(date) : text;
    }
    const auto number = Decimal::fromSql(text);
    if (!number)
        return text;
    switch (format) {
    case ListFormat::Plain:
        return number->toBrTrimmed(0);
    case ListFormat::Price:
        return number->toBrTrimmed(2);
    case ListFormat::Currency:
        return moeda(*number);
    case ListFormat::Text:
    case ListFormat::Code:
    case ListFormat::Date:
        break;
    }
    return text;
}

bool isNumeric(ListFormat format) {
    return format == ListFormat::Plain || format == ListFormat::Price ||
           format == ListFormat::Currency;
}

} // namespace

bool showsWhole(ListFormat format) {
    return format != ListFormat::Text;
}

ListColumnsModel::ListColumnsModel(db::RecordsetModel* source, QList<ListColumn> columns,
                                   QObject* parent)
    : QAbstractTableModel(parent), source_(source), columns_(std::move(columns)) {
    connect(source_, &QAbstractItemModel::modelAboutToBeReset, this,
            &ListColumnsModel::beginResetModel);
    connect(source_, &QAbstractItemModel::modelReset, this, [this] {
        mapColumns();
        endResetModel();
    });
    mapColumns();
}

void ListColumnsModel::mapColumns() {
    indexes_.clear();
    for (const ListColumn& c : columns_)
        indexes_ << source_->recordset().columnIndex(c.column);
}

int ListColumnsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : source_->rowCount();
}

int ListColumnsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ListColumnsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    const ListFormat format = columns_.value(index.column()).format;
    if (role == Qt::TextAlignmentRole)
        return isNumeric(format) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    const int column = indexes_.value(index.column(), -1);
    if (column < 0)
        return QString();
    return formatted(source_->recordset().textAt(index.row(), column), format);
}

QVariant ListColumnsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QVariant();
    return columns_.value(section).heading;
}
