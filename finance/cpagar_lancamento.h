#pragma once

#include "finance/parcelas.h"
#include "platform/db/loaded_row.h"
#include "platform/db/statement.h"
#include "platform/decimal.h"
#include "platform/dialogs.h"

#include <QDate>
#include <optional>
#include <variant>
#include <vector>

// Rules of the payables entry: the instalment plan of one supplier document,
// its checks and the statements that store it as rows of cpagar.
namespace lancamento {

// The row key: the document number and label trimmed, then the supplier.
QString chave(const QString& nrdoc, const QString& rotulo, const QString& cdfor);
// The first value typed: a number greater than zero, two decimals.
std::optional<Decimal> primeiroValor(const QString& texto);
// The first due date typed as a date box takes it: a date no more than ten
// days back.
enum class PrimeiroVencimento { NaoEData, Retroativo, Aceito };
PrimeiroVencimento primeiroVencimento(const QString& texto, const QDate& hoje);
dlg::Message vencimentoRetroativo();
// "1234,50": how the value boxes show an amount.
QString valorTexto(const Decimal& valor);

struct Documento {
    QString nrdoc;
    QString refdoc;
    QString cdfor;
    QString nmfor;
    QString dte;
    QString obs;
    QString cdcen;
    QString nmcen;
    QString cdscen;
    QString nmscen;
};

struct Parcela {
    QString valor;
    QString vencimento;
    QString rotulo;
    QString idlan;        // the stored row's key; empty for a row not stored yet
    bool travada = false; // paid, or inside a receipt: left as it is
};

// The save's checks, in the order the user meets them. Each good value is
// rewritten with two decimals as it passes; `total` is their sum. A header
// left incomplete is refused at its first box wrong.
std::optional<parcelas::Recusa> confere(const Documento& doc, std::vector<Parcela>& linhas,
                                        const QDate& hoje, Decimal& total);

// The number and supplier a stored document was read with: a save or a
// delete acts on that document, whatever the boxes hold since.
struct Chave {
    QString nrdoc;
    qint64 cdfor = 0;
};
// Whether the boxes name another document than the one read.
bool mudou(const Chave& lido, const QString& nrdoc, const QString& cdfor);

// How a save stores the document.
enum class Gravacao {
    Nova,    // not stored yet: every row inserted
    Regrava, // stored, nothing paid: deleted and inserted again, under the
             // number and supplier now typed
    Altera,  // stored, partly paid: only the open rows updated
};
// A partly paid document keeps the number and supplier it was read with.
std::optional<dlg::Message> confereTroca(Gravacao modo, const Chave& lido, const Documento& doc);

enum class Resultado {
    Gravado,
    JaExiste,
    Alterado,
    NaoEncontrado,
    ComParcelaPaga // a delete refused: a row is paid or inside a receipt
};
// One unit of work. A stored document is written over only while its rows,
// read again under `lido`, are every one still as the window loaded them
// (`linhas`); a new one only while no document holds its number and
// supplier, as must the number and supplier a stored one moves to. Whatever
// the window sends, a paid row (`travada`) is never written: Regrava with
// one, or Altera meeting one in a row it would write, gives Alterado.
// Nothing is written otherwise. A lock conflict that outlasts the unit's
// retries is thrown.
Resultado grava(db::Connection& cn, const Documento& doc, const std::vector<Parcela>& parcelas,
                Gravacao modo, const Chave& lido, const db::LoadedRows& linhas,
                const QString& carimbo);
// Deletes the document while its rows are still as loaded and none is paid
// or inside a receipt (Gravado); a unit of work, as the save.
Resultado exclui(db::Connection& cn, const Chave& documento, const db::LoadedRows& linhas);

dlg::Message documentoJaExiste();
dlg::Message documentoAlterado();
dlg::Message documentoNaoEncontrado();
dlg::Message trocaComParcelaPaga();
dlg::Message naoPodeExcluir();

// Every row with its supplier's name, by name then issue date.
Statement lista();
// The rows of one document, in instalment order.
Statement leitura(const QString& nrdoc, qint64 cdfor);
// Paid or inside a receipt: the entry leaves such a row alone.
bool travada(const QString& pago, const Decimal& vrpg);

} // namespace lancamento
