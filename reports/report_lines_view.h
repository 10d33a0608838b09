#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;

// The lines of a report as its window lists them: a view over the report's
// own lines, every line as tall as the first, so that a report of many
// thousand lines shows at once and is held only once.
class ReportLinesView : public QListView {
    Q_OBJECT
public:
    explicit ReportLinesView(QWidget* parent = nullptr);

    void setLines(const QStringList& lines);
    QStringList lines() const;
    int count() const;
    void clear();

private:
    QStringListModel* model_;
};
