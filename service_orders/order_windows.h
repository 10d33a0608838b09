#pragma once

#include <QString>
#include <functional>

class QWidget;

// Registers the service-order windows by form name.
void registerOrderWindows();

// Windows that edit one order: they open with the order's number written
// into their number box. The list opens its editing windows through here.
namespace orderwindows {

using Opener = std::function<void(const QString& osnr, QWidget* parent)>;

void add(const QString& formName, Opener opener);
// False when no such window exists.
bool open(const QString& formName, const QString& osnr, QWidget* parent);

} // namespace orderwindows
