#include "platform/busy_guard.h"

#include <QApplication>

BusyGuard::BusyGuard(QWidget* widget, bool disable) : widget_(widget) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (widget_ && disable) {
        wasEnabled_ = widget_->isEnabled();
        widget_->setEnabled(false);
        disabled_ = true;
    }
    QApplication::processEvents();
}

BusyGuard::~BusyGuard() {
    if (widget_ && disabled_)
        widget_->setEnabled(wasEnabled_);
    QApplication::restoreOverrideCursor();
}
