#include "shell/function_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>

void FunctionKeys::bind(int key, QAbstractButton* button) {
    keys_.append({key, button});
}

bool FunctionKeys::press(const QKeyEvent* event) const {
    for (const auto& [key, button] : keys_) {
        if (event->key() == key) {
            button->click();
            return true;
        }
    }
    return false;
}
