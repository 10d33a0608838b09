#pragma once

#include "platform/dialogs.h"

#include <QDate>
#include <QString>
#include <optional>
#include <variant>

// What the plans of monthly instalments share, bills payable and the
// receivables of an order alike.
namespace parcelas {

constexpr int kMaximo = 115;

// "001/003": the instalment's number and the count, three digits each.
QString rotulo(int numero, int total);
// The due date of instalment `i` (from 0): a month after the one before.
QDate vencimento(const QDate& primeiro, int i);
// The typed count of instalments, `minimo` to 115, or why it is refused.
std::variant<int, dlg::Message> quantidade(const QString& texto, int minimo = 1);
// The due-date checks of one instalment: the first may not come before the
// emission, the others must be dates after the one before.
std::optional<dlg::Message> confereVencimento(const QString& rotulo,
                                              const std::optional<QDate>& vence,
                                              const std::optional<QDate>& anterior,
                                              const QDate& emissao, bool primeira);

} // namespace parcelas
