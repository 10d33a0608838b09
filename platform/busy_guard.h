#pragma once

#include <QPointer>
#include <QWidget>

// Hourglass over database or network work: the widget (if any) is disabled and
// pending events run; everything is restored however the scope is left.
class BusyGuard {
public:
    explicit BusyGuard(QWidget* widget = nullptr, bool disable = true);
    ~BusyGuard();
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    QPointer<QWidget> widget_;
    bool wasEnabled_ = true;
    bool disabled_ = false;
};
