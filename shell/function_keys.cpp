#include "shell/function_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>

void FunctionKeys::bind(int key, QAbstractButton* button) {
    keys_.append({key, button, false});
}

void FunctionKeys::bindWhileShown(int key, QAbstractButton* button) {
    keys_.append({key, button, true});
}

bool FunctionKeys::press(const QKeyEvent* event) const {
    bool bound = false;
    for (const Binding& b : keys_) {
        if (event->key() != b.key)
            continue;
        bound = true;
        if (b.whileShown && !(b.button->isEnabled() && b.button->isVisibleTo(b.button->window())))
            continue;
        b.button->click();
        return true;
    }
    return bound;
}
