#pragma once

#include <QPointer>
#include <QWidget>

// Hourglass over database or network work. The widget (if any) is disabled
// meanwhile; pending events run only when that widget is a whole window, so
// no click or key can start a second command inside the first. Pointer,
// widget and focus come back however the scope is left.
class BusyGuard {
public:
    explicit BusyGuard(QWidget* widget = nullptr);
    ~BusyGuard();
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    QPointer<QWidget> widget_;
    QPointer<QWidget> focus_;
    bool wasEnabled_ = true;
};
