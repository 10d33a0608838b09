#include "service_orders/order_status.h"

#include <QComboBox>

namespace orderstatus {

QString item(int digit) {
    static const QStringList items = {
        QStringLiteral("0 - Em Orçamento"), QStringLiteral("1 - Em Negociação"),
        QStringLiteral("2 - Aprovada"), QStringLiteral("3 - Em Andamento"),
        QStringLiteral("4 - Concluída")};
    return items.value(digit);
}

void preenche(QComboBox* box, int first, int last) {
    box->clear();
    for (int digit = first; digit <= last; ++digit)
        box->addItem(item(digit));
}

void mostra(QComboBox* box, const QString& digit) {
    bool ok = false;
    const int value = digit.toInt(&ok);
    if (!ok || item(value).isEmpty())
        return;
    int at = box->findText(item(value));
    if (at < 0) {
        box->addItem(item(value));
        at = box->count() - 1;
    }
    box->setCurrentIndex(at);
}

QString digito(const QComboBox* box) {
    return box->currentText().left(1);
}

bool concluida(const QString& digit) {
    return digit == QLatin1String("4");
}

} // namespace orderstatus
