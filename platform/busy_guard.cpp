#include "platform/busy_guard.h"

#include <QApplication>

BusyGuard::BusyGuard(QWidget* widget) : widget_(widget) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (widget_) {
        focus_ = widget_->window()->focusWidget();
        wasEnabled_ = widget_->isEnabled();
        widget_->setEnabled(false);
        if (widget_->isWindow())
            QApplication::processEvents();
    }
}

BusyGuard::~BusyGuard() {
    if (widget_) {
        widget_->setEnabled(wasEnabled_);
        // Disabling took the focus away; give it back where it was.
        if (focus_ && focus_->isEnabled() && widget_->window()->focusWidget() == nullptr)
            focus_->setFocus();
    }
    QApplication::restoreOverrideCursor();
}
