#pragma once

#include <QLineEdit>
#include <QString>

class QWidget;

// Registers the service-order windows by form name.
void registerOrderWindows();

// Windows that edit one order open with the order's number written into
// their number box.
namespace orderwindows {

// Shows a window modally with the order number written into its `box`.
template <typename Form>
void showWithNumber(QLineEdit* Form::*box, const QString& osnr, QWidget* parent) {
    Form form(parent);
    (form.*box)->setText(osnr);
    form.exec();
}

} // namespace orderwindows
