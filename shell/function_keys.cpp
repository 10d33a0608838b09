#include "shell/function_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>

void FunctionKeys::bind(int key, QAbstractButton* button) {
    keys_.append({key, button});
}

QAbstractButton* FunctionKeys::button(const QKeyEvent* event) const {
    for (const auto& [key, button] : keys_) {
        if (event->key() == key)
            return button;
    }
    return nullptr;
}
