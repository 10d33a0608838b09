#pragma once

#include <QList>
#include <QPair>

class QAbstractButton;
class QKeyEvent;

// Function keys bound to a window's buttons, tested in the order bound.
class FunctionKeys {
public:
    void bind(int key, QAbstractButton* button);
    // The button bound to the key, if any.
    QAbstractButton* button(const QKeyEvent* event) const;

private:
    QList<QPair<int, QAbstractButton*>> keys_;
};
