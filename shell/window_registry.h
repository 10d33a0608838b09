#pragma once

#include <QString>
#include <functional>

class QWidget;

// Windows opened by name, so the shell opens windows of libraries built on
// top of it. A name nobody registered opens nothing.
namespace windows {

using Opener = std::function<void(QWidget* parent)>;

void add(const QString& formName, Opener opener);
bool has(const QString& formName);
// Shows the window (modally, unless its opener says otherwise); false when
// no such window exists.
bool open(const QString& formName, QWidget* parent);

// Shows a window class modally as its single instance, freed on close.
template <typename Form> void showModal(QWidget* parent) {
    Form form(parent);
    form.exec();
}

} // namespace windows
