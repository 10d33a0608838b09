#include "shell/window_registry.h"

#include <QHash>

namespace windows {

namespace {
QHash<QString, Opener>& registry() {
    static QHash<QString, Opener> openers;
    return openers;
}
} // namespace

void add(const QString& formName, Opener opener) {
    registry().insert(formName, std::move(opener));
}

bool has(const QString& formName) {
    return registry().contains(formName);
}

bool open(const QString& formName, QWidget* parent) {
    const auto it = registry().constFind(formName);
    if (it == registry().constEnd())
        return false;
    const Opener opener = it.value();
    opener(parent);
    return true;
}

} // namespace windows
