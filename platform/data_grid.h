#pragma once

#include <QTableView>

// The list of a register or picker: read-only, whole rows. A double-click or
// Enter on a row raises rowSelected(); Tab leaves the list.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    // How a column claims its width: in twips of the window's design, or in
    // percent of the grid's visible width. No column is narrower than its
    // heading, and a whole column (dates, amounts, codes, documents) never
    // narrower than its widest value. Twips columns keep their design width
    // where it is wider; width left over goes to the widest free-text
    // column, a shortfall is taken from the free-text columns first. Share
    // columns that must show whole take what they need and the free-text
    // columns share the rest by their shares.
    struct Column {
        int size = 0;
        bool whole = false;
    };

    explicit DataGrid(QWidget* parent = nullptr);

    void setColumnTwips(const QList<Column>& columns);
    void setColumnShares(const QList<Column>& columns);
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
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // What each column needs to show its heading and whole values; measured
    // when the rows or the font change, not on every resize.
    void measure();
    void applyWidths();
    QList<Column> columns_;
    bool shares_ = false;
    QList<int> needed_;
    bool gesture_ = true;
};
