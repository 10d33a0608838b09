#include "shell/function_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>

void FunctionKeys::bind(int key, QAbstractButton* button) {
    keys_.append({key, button, false});
}

void FunctionKeys::bindWhileShown(int key, QAbstractButton* button) {
    keys_.append({key, button, true});
}

std::optional<QAbstractButton*> FunctionKeys::button(const QKeyEvent* event) const {
    std::optional<QAbstractButton*> found;
    for (const Binding& b : keys_) {
        if (event->key() != b.key)
            continue;
        if (!b.whileShown || (b.button->isEnabled() && b.button->isVisibleTo(b.button->window())))
            return b.button;
        found = nullptr;
    }
    return found;
}
