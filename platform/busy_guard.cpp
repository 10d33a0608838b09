#include "platform/busy_guard.h"

#include <QApplication>

BusyGuard::BusyGuard(QWidget* widget, bool disable) : widget_(widget) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (widget_ && disable) {
        focus_ = widget_->window()->focusWidget();
        wasEnabled_ = widget_->isEnabled();
        widget_->setEnabled(false);
        disabled_ = true;
        if (widget_->isWindow())
            QApplication::processEvents();
    }
}

BusyGuard::~BusyGuard() {
    if (widget_ && disabled_) {
        widget_->setEnabled(wasEnabled_);
        // Disabling took the focus away; give it back where it was.
        if (focus_ && focus_->isEnabled() && widget_->window()->focusWidget() == nullptr)
            focus_->setFocus();
    }
    QApplication::restoreOverrideCursor();
}
