#include "service_orders/supply_form.h"

#include <QEvent>

bool SupplyForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        QMetaObject::invokeMethod(
            this, [this] { Form_Activate(); }, Qt::QueuedConnection);
    return DataForm::event(event);
}
