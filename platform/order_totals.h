#pragma once

#include "platform/decimal.h"
#include "platform/wide_integer.h"

#include <QString>
#include <optional>

namespace db {
class Recordset;
}

// An order's money summed exactly and rounded once, half away from zero, to
// cents. The windows, the receivables plan, the documents and the report all
// show these figures, so the client's document and the books agree.
namespace ordertotals {

// A sum of products of four-place values kept whole: a line's discount,
// qt × vu × pd / 100, has fourteen places, which a Decimal would round.
class SomaExata {
public:
    // Adds a × b.
    void adiciona(Decimal a, Decimal b);
    // Adds a × b × percentual / 100.
    void adiciona(Decimal a, Decimal b, Decimal percentual);
    // Adds a sum the server computed in its exact DECIMAL arithmetic, as the
    // text it sends ("-1234.56780000"), divided by 10^`deslocamento` (0 to
    // 14). An empty text (a NULL sum) adds nothing; false, adding nothing,
    // for a text that is no such number.
    bool adicionaDoServidor(const QString& texto, int deslocamento = 0);
    SomaExata& operator+=(const SomaExata& outra);
    SomaExata& operator-=(const SomaExata& outra);

    // Rounded once to cents; none past what a Decimal holds.
    std::optional<Decimal> centavos() const;
    // Whether the sum, rounded to cents, is kept whole by a column of `range`.
    bool cabe(Decimal::Range range) const;
    // a × b ÷ the sum, rounded once to four places: a share of it. None for
    // a sum of 0, or a share past what a Decimal holds.
    std::optional<Decimal> parte(Decimal a, Decimal b) const;

private:
    // The new value, or the mark of a sum past 128 bits.
    void guarda(std::optional<wide::i128> total);

    wide::i128 valor_ = 0; // in units of 10^-14
    bool excedeu_ = false; // a product or sum went past 128 bits
};

// A sum read whole from the current row of `rows`, divided by
// 10^`deslocamento`; NULL reads 0. A text that is no number throws
// db::DbError, as Recordset::decimal does.
SomaExata lida(const db::Recordset& rows, const QString& column, int deslocamento = 0);
// The same from cell (`row`, `column`), for readers that go by position.
SomaExata lida(const db::Recordset& rows, qsizetype row, int column, int deslocamento = 0);

// The sum rounded once to cents; one a Decimal cannot hold throws db::DbError
// out of range, as a sum read back too large for a decimal does.
Decimal emCentavos(const SomaExata& soma);

// The services of an order, from Σ qt × vu and Σ qt × vu × pd / 100. The
// total is the exact subtotal less the exact discounts, rounded once: the
// figure billed, planned and compared. It may differ by a cent from the
// subtraction of the rounded subtotal and discounts.
struct Servicos {
    Decimal subtotal;
    Decimal descontos;
    Decimal total;
};
Servicos servicos(const SomaExata& subtotal, const SomaExata& descontos);

// The costs of an order (Σ qtde × valor of each kind), each total the exact
// sum rounded once, even where its rounded parts add up to a cent more or
// less.
struct Custos {
    Decimal insumos;
    Decimal maoDeObra;
    Decimal total;
};
Custos custos(const SomaExata& insumos, const SomaExata& maoDeObra);

} // namespace ordertotals
