#pragma once

#include <QList>
#include <optional>

class QAbstractButton;
class QKeyEvent;

// Function keys bound to a window's buttons, tested in the order bound.
class FunctionKeys {
public:
    void bind(int key, QAbstractButton* button);
    // The key presses `button` only while it is shown and enabled; otherwise
    // the next button bound to the same key is tried.
    void bindWhileShown(int key, QAbstractButton* button);
    // The button the key stands for now; a null one when the key is bound
    // but none of its buttons may be pressed; nothing when it is not bound.
    std::optional<QAbstractButton*> button(const QKeyEvent* event) const;

private:
    struct Binding {
        int key;
        QAbstractButton* button;
        bool whileShown;
    };
    QList<Binding> keys_;
};
