#pragma once

#include <QList>
#include <QPair>

class QAbstractButton;
class QKeyEvent;

// Function keys that press a window's buttons, tested in the order bound.
class FunctionKeys {
public:
    void bind(int key, QAbstractButton* button);
    // Presses the bound button; true when the key was one of them.
    bool press(const QKeyEvent* event) const;

private:
    QList<QPair<int, QAbstractButton*>> keys_;
};
