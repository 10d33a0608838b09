#include "platform/data_grid.h"

#include "platform/twips.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

namespace {

int sum(const QList<int>& values, const QList<int>& of) {
    int total = 0;
    for (int i : of)
        total += values.at(i);
    return total;
}

// Hands `pool` pixels to the columns `to` in proportion to their claims,
// none below its need; rounding leftovers go to the largest claim.
void spread(QList<int>& widths, const QList<int>& needed, const QList<int>& claims, QList<int> to,
            int pool) {
    while (!to.isEmpty()) {
        const int claimed = qMax(1, sum(claims, to));
        const auto starved = std::find_if(to.cbegin(), to.cend(), [&](int i) {
            return qint64(pool) * claims.at(i) / claimed < needed.at(i);
        });
        if (starved == to.cend())
            break;
        widths[*starved] = needed.at(*starved);
        pool -= needed.at(*starved);
        to.erase(starved);
    }
    if (to.isEmpty())
        return;
    const int claimed = qMax(1, sum(claims, to));
    int largest = to.constFirst();
    for (int i : to) {
        widths[i] = static_cast<int>(qint64(pool) * claims.at(i) / claimed);
        if (claims.at(i) > claims.at(largest))
            largest = i;
    }
    widths[largest] += pool - sum(widths, to);
}

// Takes `excess` pixels from the columns `from`, each giving in proportion
// to what it holds beyond its need; returns what could not be taken.
int shrink(QList<int>& widths, const QList<int>& needed, const QList<int>& from, int excess) {
    QList<int> slack;
    for (int i = 0; i < widths.size(); ++i)
        slack << widths.at(i) - needed.at(i);
    const int room = sum(slack, from);
    if (room <= 0 || excess <= 0)
        return excess;
    const int taken = qMin(room, excess);
    const QList<int> none(widths.size(), 0);
    QList<int> kept = none;
    spread(kept, none, slack, from, room - taken);
    for (int i : from)
        widths[i] = needed.at(i) + kept.at(i);
    return excess - taken;
}

} // namespace

DataGrid::DataGrid(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setWordWrap(false);
    // Tab and Shift+Tab go on to the window's next and previous control;
    // the arrows walk the rows.
    setTabKeyNavigation(false);
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (gesture_ && index.isValid())
            Q_EMIT rowSelected();
    });
}

void DataGrid::setColumnTwips(const QList<Column>& columns) {
    columns_ = columns;
    shares_ = false;
    measure();
}

void DataGrid::setColumnShares(const QList<Column>& columns) {
    columns_ = columns;
    shares_ = true;
    measure();
}

void DataGrid::setModel(QAbstractItemModel* model) {
    if (this->model() != nullptr)
        disconnect(this->model(), nullptr, this, nullptr);
    QTableView::setModel(model);
    // New rows may hold wider values; the claims stay.
    if (model != nullptr) {
        connect(model, &QAbstractItemModel::modelReset, this, &DataGrid::measure);
        connect(model, &QAbstractItemModel::rowsInserted, this, &DataGrid::measure);
        connect(model, &QAbstractItemModel::dataChanged, this, &DataGrid::measure);
    }
    measure();
}

void DataGrid::measure() {
    needed_.clear();
    const int count = model() != nullptr ? qMin(int(columns_.size()), model()->columnCount()) : 0;
    for (int i = 0; i < count; ++i) {
        int need = horizontalHeader()->sectionSizeHint(i);
        if (columns_.at(i).whole)
            need = qMax(need, sizeHintForColumn(i));
        needed_ << need;
    }
    applyWidths();
}

void DataGrid::applyWidths() {
    const int count = int(needed_.size());
    const int available = viewport()->width();
    const QFontMetrics metrics(font());
    QList<int> claims, free, whole, all;
    for (int i = 0; i < count; ++i) {
        const Column& c = columns_.at(i);
        claims << (shares_ ? c.size : twipsToPixels(c.size, metrics));
        (c.whole ? whole : free) << i;
        all << i;
    }
    QList<int> widths = needed_;
    if (shares_) {
        // Whole columns take what they need; free text shares the rest.
        if (free.isEmpty())
            spread(widths, needed_, claims, whole, available);
        else
            spread(widths, needed_, claims, free, available - sum(needed_, whole));
    } else {
        for (int i = 0; i < count; ++i)
            widths[i] = qMax(claims.at(i), needed_.at(i));
        const int spare = available - sum(widths, all);
        if (spare < 0) {
            shrink(widths, needed_, whole, shrink(widths, needed_, free, -spare));
        } else if (!free.isEmpty()) {
            int widest = free.constFirst();
            for (int i : free)
                if (claims.at(i) > claims.at(widest))
                    widest = i;
            widths[widest] += spare;
        } else {
            const QList<int> least = widths;
            spread(widths, least, claims, all, available);
        }
    }
    for (int i = 0; i < count; ++i)
        setColumnWidth(i, widths.at(i));
}

bool DataGrid::viewportEvent(QEvent* event) {
    const bool handled = QTableView::viewportEvent(event);
    if (event->type() == QEvent::Resize)
        applyWidths();
    return handled;
}

void DataGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        measure();
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
