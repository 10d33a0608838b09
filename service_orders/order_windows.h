#pragma once

#include <QLineEdit>
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

// Shows a window modally with the order number written into its `box`.
template <typename Form>
void showWithNumber(QLineEdit* Form::*box, const QString& osnr, QWidget* parent) {
    Form form(parent);
    (form.*box)->setText(osnr);
    form.exec();
}

} // namespace orderwindows
