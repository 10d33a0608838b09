#include "reports/report_lines_view.h"

#include <QStringListModel>

ReportLinesView::ReportLinesView(QWidget* parent)
    : QListView(parent), model_(new QStringListModel(this)) {
    setModel(model_);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void ReportLinesView::setLines(const QStringList& lines) {
    model_->setStringList(lines);
}

QStringList ReportLinesView::lines() const {
    return model_->stringList();
}

int ReportLinesView::count() const {
    return model_->rowCount();
}

void ReportLinesView::clear() {
    model_->setStringList({});
}
