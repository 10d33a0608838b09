#include "service_orders/order_grid.h"
#include "platform/moeda.h"

#include "pdf/os_document_numbers.h"
#include "platform/data_grid.h"
#include "platform/decimal.h"

#include <QDate>
#include <QEvent>

namespace ordergrid {

namespace {

QList<ListColumn> listColumns(const QList<Column>& columns) {
    QList<ListColumn> out;
    for (const Column& c : columns)
        out.append({c.heading, c.column, 0});
    return out;
}

QString formatted(const QString& text, Format format) {
    switch (format) {
    case Format::Text:
        break;
    case Format::Date: {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : text;
    }
    case Format::Number:
        if (const auto n = Decimal::fromSql(text))
            return osformat::numero(*n);
        break;
    case Format::Currency:
        if (const auto n = Decimal::fromSql(text))
            return moeda(*n);
        break;
    }
    return text;
}

void applyShares(DataGrid* grid, const QList<int>& percents) {
    const int width = grid->viewport()->width();
    QList<int> pixels;
    for (int percent : percents)
        pixels << width * percent / 100;
    grid->setColumnWidths(pixels);
}

class SharesKeeper : public QObject {
public:
    SharesKeeper(DataGrid* grid, QList<int> percents)
        : QObject(grid), grid_(grid), percents_(std::move(percents)) {
        grid->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            applyShares(grid_, percents_);
        return false;
    }

private:
    DataGrid* grid_;
    QList<int> percents_;
};

} // namespace

Model::Model(db::RecordsetModel* source, const QList<Column>& columns, QObject* parent)
    : ListColumnsModel(source, listColumns(columns), parent) {
    for (const Column& c : columns)
        formats_.append(c.format);
}

QVariant Model::data(const QModelIndex& index, int role) const {
    const Format format = formats_.value(index.column(), Format::Text);
    if (role == Qt::TextAlignmentRole)
        return format == Format::Number || format == Format::Currency
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    const QVariant text = ListColumnsModel::data(index, role);
    if (!text.isValid())
        return text;
    return formatted(text.toString(), format);
}

void bind(DataGrid* grid, db::RecordsetModel* source, const QList<Column>& columns) {
    grid->setModel(new Model(source, columns, grid));
    QList<int> percents;
    for (const Column& c : columns)
        percents << c.percent;
    applyShares(grid, percents);
    new SharesKeeper(grid, percents);
}

} // namespace ordergrid
