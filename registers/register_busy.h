#pragma once

#include <QPointer>
#include <QWidget>

// The hourglass while a register reads or writes, and optionally its frame
// disabled; both come back however the work ends, with the focus where it was.
// Unlike BusyGuard it runs no pending events, so a second click cannot start
// a second save inside the first.
class RegisterBusy {
public:
    explicit RegisterBusy(QWidget* frame = nullptr);
    ~RegisterBusy();
    RegisterBusy(const RegisterBusy&) = delete;
    RegisterBusy& operator=(const RegisterBusy&) = delete;

private:
    QPointer<QWidget> frame_;
    QPointer<QWidget> focus_;
};
