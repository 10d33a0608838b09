#pragma once

#include "platform/decimal.h"
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

// A save's refusal and the box it is about, for the window to put the focus
// in: a box of the header, or the value or due date of instalment `linha`
// (from 0).
struct Recusa {
    enum class Campo {
        Nenhum,
        Documento,
        Referente,
        Fornecedor,
        Emissao,
        Centro,
        SubCentro,
        Quantidade,
        Valor,
        Vencimento,
    };
    dlg::Message mensagem;
    Campo campo = Campo::Nenhum;
    int linha = 0;
};

// The due-date checks of instalment `linha`: the first may not come before
// the emission, the others must be dates after the one before.
std::optional<Recusa> confereVencimento(const QString& rotulo, const std::optional<QDate>& vence,
                                        const std::optional<QDate>& anterior, const QDate& emissao,
                                        int linha);
// The value of instalment `linha` as read (none when it is no number): it
// must be greater than zero.
std::optional<Recusa> confereValor(const QString& rotulo, const std::optional<Decimal>& valor,
                                   int linha);

} // namespace parcelas
