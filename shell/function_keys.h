#pragma once

#include <QList>

class QAbstractButton;
class QKeyEvent;

// Function keys that press a window's buttons, tested in the order bound.
class FunctionKeys {
public:
    void bind(int key, QAbstractButton* button);
    // The key presses `button` only while it is shown and enabled; otherwise
    // the next button bound to the same key is tried.
    void bindWhileShown(int key, QAbstractButton* button);
    // Presses the bound button; true when the key was one of them.
    bool press(const QKeyEvent* event) const;

private:
    struct Binding {
        int key;
        QAbstractButton* button;
        bool whileShown;
    };
    QList<Binding> keys_;
};
