#include "service_orders/order_boxes.h"

#include <QHBoxLayout>
#include <QLineEdit>

namespace orderboxes {

QWidget* codigoENome(QWidget* parent, QLineEdit* codigo, QLineEdit* nome) {
    auto* caixas = new QWidget(parent);
    auto* layout = new QHBoxLayout(caixas);
    layout->setContentsMargins(0, 0, 0, 0);
    nome->setMaximumWidth(QWIDGETSIZE_MAX);
    nome->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(codigo);
    layout->addWidget(nome, 1);
    return caixas;
}

} // namespace orderboxes
