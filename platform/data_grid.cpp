#include "platform/data_grid.h"

#include <QHeaderView>
#include <QKeyEvent>

DataGrid::DataGrid(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setWordWrap(false);
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (gesture_ && index.isValid())
            Q_EMIT rowSelected();
    });
}

void DataGrid::setColumnWidths(const QList<int>& widths) {
    widths_ = widths;
    applyWidths();
}

void DataGrid::setColumnShares(const QList<int>& percents) {
    shares_ = percents;
    applyShares();
}

void DataGrid::applyShares() {
    if (shares_.isEmpty())
        return;
    const int width = viewport()->width();
    QList<int> pixels;
    for (int percent : shares_)
        pixels << width * percent / 100;
    setColumnWidths(pixels);
}

void DataGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    applyShares();
}

void DataGrid::setModel(QAbstractItemModel* model) {
    if (this->model() != nullptr)
        disconnect(this->model(), nullptr, this, nullptr);
    QTableView::setModel(model);
    // A refresh resets the model; the widths stay.
    if (model != nullptr)
        connect(model, &QAbstractItemModel::modelReset, this, &DataGrid::applyWidths);
    applyWidths();
}

void DataGrid::applyWidths() {
    for (int i = 0; i < widths_.size(); ++i)
        setColumnWidth(i, widths_.at(i));
}

int DataGrid::currentRow() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() : -1;
}

void DataGrid::setCurrentRow(int row) {
    QAbstractItemModel* rows = model();
    setCurrentIndex(rows != nullptr && row >= 0 && row < rows->rowCount() ? rows->index(row, 0)
                                                                          : QModelIndex());
}

void DataGrid::keyPressEvent(QKeyEvent* event) {
    if (gesture_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        currentIndex().isValid()) {
        Q_EMIT rowSelected();
        return;
    }
    QTableView::keyPressEvent(event);
}
