#pragma once

#include "shell/data_form.h"

// What the cost, purchase and allocation windows share: an activation step
// that runs each time the window becomes active (again after a picker or a
// message box closes).
class SupplyForm : public DataForm {
    Q_OBJECT
public:
    virtual void Form_Activate() {}

protected:
    explicit SupplyForm(QWidget* parent) : DataForm(parent) {}
    bool event(QEvent* event) override;
};
