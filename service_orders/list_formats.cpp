#include "service_orders/list_formats.h"

#include "platform/data_grid.h"
#include "platform/dates.h"
#include "platform/decimal.h"
#include "registers/insumo_rules.h"

#include <QIdentityProxyModel>

namespace {

class FormattedList : public QIdentityProxyModel {
public:
    FormattedList(QAbstractItemModel* source, QList<ListFormat> formats, QObject* parent)
        : QIdentityProxyModel(parent), formats_(std::move(formats)) {
        setSourceModel(source);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const ListFormat format = formats_.value(index.column(), ListFormat::Text);
        if (role == Qt::TextAlignmentRole && format == ListFormat::Number)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        const QVariant value = QIdentityProxyModel::data(index, role);
        if (role != Qt::DisplayRole || !value.isValid())
            return value;
        const QString text = value.toString();
        switch (format) {
        case ListFormat::Number:
            if (const auto number = Decimal::fromSql(text))
                return formataCusto(*number);
            return text;
        case ListFormat::Date: {
            const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
            return date.isValid() ? dates::toBr(date) : text;
        }
        case ListFormat::Text:
            return text;
        }
        return text;
    }

private:
    QList<ListFormat> formats_;
};

} // namespace

void formatListColumns(DataGrid* grid, const QList<ListFormat>& formats) {
    grid->setModel(new FormattedList(grid->model(), formats, grid));
}
