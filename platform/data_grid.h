#pragma once

#include <QTableView>

// The list of a register or picker: read-only, whole rows. A double-click or
// Enter on a row raises rowSelected().
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);

    // Column widths in pixels, in column order.
    void setColumnWidths(const QList<int>& widths);
    // Column widths as percentages of the grid's visible width, kept as the
    // grid is resized.
    void setColumnShares(const QList<int>& percents);
    // Whether double-click and Enter raise rowSelected() (pickers select
    // with their own key instead).
    void setRowSelectedGesture(bool on) { gesture_ = on; }
    bool rowSelectedGesture() const { return gesture_; }
    void setModel(QAbstractItemModel* model) override;
    // The current row, -1 when there is none.
    int currentRow() const;
    // Makes `row` current (and selected); a row the list lacks leaves none.
    void setCurrentRow(int row);

Q_SIGNALS:
    void rowSelected();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyWidths();
    void applyShares();
    QList<int> widths_;
    QList<int> shares_;
    bool gesture_ = true;
};
