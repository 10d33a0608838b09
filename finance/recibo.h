#pragma once

#include "platform/db/moment_key.h"
#include "platform/db/statement.h"
#include "platform/decimal.h"
#include "platform/dialogs.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

namespace db {
class Connection;
}

// What the payables and receivables receipts share: the receipt number, the
// payment methods and lines, the item total and the closing.
namespace recibo {

// "yymmddhhmmss" and the user without outer blanks: 261208143005CAIXA.
QString numero(const QDateTime& agora, const QString& usuario);
// A new receipt number, reserved at once among the numbers issued so that no
// other window starts a receipt under it. A number already issued (another
// window in the same second) waits for the next second and tries again, up
// to three times; nothing when every try found its number taken.
std::optional<QString> reservaNumero(db::Connection& cn, const QString& usuario,
                                     const db::Relogio& agora = &QDateTime::currentDateTime);

struct Meio {
    QString legenda; // the button's caption
    QString rotulo;  // the frame's label; its first three letters are the code
};
// Cheque, cash, debit, card, Pix, transfer, other, in button order.
const QList<Meio>& meios();

// A payment line: the amount right-aligned in 15, the method code and the
// observation, joined by "|".
QString linha(const Decimal& valor, const QString& codigo, const QString& obs);
struct Linha {
    QString campoValor; // the 15-character amount field, blanks kept
    QString codigo;
    QString obs; // up to its first "|"
    Decimal valor;
};
Linha leLinha(const QString& texto);
Decimal soma(const QStringList& linhas);

// The amount typed for a line, or why it is refused. Amounts that do not
// fit the line's 15 characters are refused as invalid.
std::optional<dlg::Message> confereValor(const QString& texto, Decimal& valor);

// What an item owes now: open value + interest - discount; none when that
// leaves the amounts' range.
std::optional<Decimal> devido(Decimal aberto, Decimal juros, Decimal descontos);
// The item frame's interest and discount as typed: refused when either is no
// amount, or what the item owes with them leaves the range.
std::optional<dlg::Message> confereJuros(const QString& aberto, const QString& juros,
                                         const QString& descontos);
// The item frame: open value + interest - discount, with the interest and
// discount rewritten with two decimals; nothing when either is no number.
struct Total {
    QString juros;
    QString descontos;
    QString total;
};
std::optional<Total> calculaTotal(const QString& aberto, const QString& juros,
                                  const QString& descontos);
// How the frame's boxes show an amount: "1234,50".
QString texto(const Decimal& valor);
// A box's amount, zero when it holds no number.
Decimal valor(const QString& texto);

// The closing of a receipt, as one unit of work: first whether the receipt
// is closed already (by another window, or by this one when the answer to
// its commit was lost), then its own total read again (its rows locked),
// which must still equal the payment lines; then every line is written and
// `baixa` settles the receipt. Nothing is written unless Feita. A lock
// conflict that outlasts the unit's retries is thrown.
struct Fechamento {
    QString tabelaLinhas; // cpagar_recibos, creceber_recibos_mp
    // Whether the receipt is closed, its rows locked.
    std::function<bool(db::Connection&)> encerrado;
    // One row: the sum of the receipt's items waiting to be settled as
    // "total" and their count as "itens"; read with those rows locked.
    Statement totalDoRecibo;
    std::function<void(db::Connection&)> baixa;
};
enum class Baixa { Feita, JaEncerrado, Divergente };
Baixa encerra(db::Connection& cn, const QString& nrrec, const QDate& dtbx,
              const QStringList& linhas, const Fechamento& fechamento);

dlg::Message divergencia();
dlg::Message sucesso();
dlg::Message dadosInvalidos();
dlg::Message reciboNaoIniciado();
dlg::Message jurosInvalidos();
dlg::Message idInvalido();
// The instalment or the receipt item changed in another window meanwhile.
dlg::Message parcelaAlterada();
dlg::Message reciboEncerrado();
// No receipt number was free to be reserved.
dlg::Message semNumeroLivre();

} // namespace recibo
