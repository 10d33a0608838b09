#include "registers/register_busy.h"

#include <QApplication>

RegisterBusy::RegisterBusy(QWidget* frame) : frame_(frame) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (frame_) {
        focus_ = frame_->window()->focusWidget();
        frame_->setEnabled(false);
    }
}

RegisterBusy::~RegisterBusy() {
    if (frame_) {
        frame_->setEnabled(true);
        if (focus_ && focus_->isEnabled() && frame_->window()->focusWidget() == nullptr)
            focus_->setFocus();
    }
    QApplication::restoreOverrideCursor();
}
