#include "platform/order_totals.h"

#include "platform/db/db_error.h"
#include "platform/db/recordset.h"

namespace ordertotals {

namespace {

using wide::i128;

// Three four-place factors and a hundredth.
constexpr int kCasas = 3 * Decimal::kPlaces + 2;
// A product of two four-place values has eight places.
const i128 kDoProduto = wide::pow10(kCasas - 2 * Decimal::kPlaces);
const i128 kCentavo = wide::pow10(kCasas - 2);

// Each none past 128 bits, or when a factor or term is.
using Wide = std::optional<i128>;

Wide vezes(Wide a, Wide b) {
    i128 r;
    if (!a || !b || __builtin_mul_overflow(*a, *b, &r))
        return std::nullopt;
    return r;
}

Wide mais(Wide a, Wide b) {
    i128 r;
    if (!a || !b || __builtin_add_overflow(*a, *b, &r))
        return std::nullopt;
    return r;
}

Wide menos(Wide a, Wide b) {
    i128 r;
    if (!a || !b || __builtin_sub_overflow(*a, *b, &r))
        return std::nullopt;
    return r;
}

} // namespace

void SomaExata::guarda(std::optional<i128> total) {
    if (total)
        valor_ = *total;
    else
        excedeu_ = true;
}

void SomaExata::adiciona(Decimal a, Decimal b) {
    guarda(mais(valor_, vezes(i128(a.raw()) * b.raw(), kDoProduto)));
}

void SomaExata::adiciona(Decimal a, Decimal b, Decimal percentual) {
    // Twelve places of the factors and two of the hundredth: the product as
    // it stands.
    guarda(mais(valor_, vezes(i128(a.raw()) * b.raw(), percentual.raw())));
}

bool SomaExata::adicionaDoServidor(const QString& texto, int deslocamento) {
    if (texto.trimmed().isEmpty())
        return true;
    const wide::Parsed lido = wide::fromText(texto, kCasas - deslocamento);
    if (!lido.isNumber)
        return false;
    guarda(mais(valor_, lido.value));
    return true;
}

SomaExata& SomaExata::operator+=(const SomaExata& outra) {
    excedeu_ = excedeu_ || outra.excedeu_;
    guarda(mais(valor_, outra.valor_));
    return *this;
}

SomaExata& SomaExata::operator-=(const SomaExata& outra) {
    excedeu_ = excedeu_ || outra.excedeu_;
    guarda(menos(valor_, outra.valor_));
    return *this;
}

std::optional<Decimal> SomaExata::centavos() const {
    if (excedeu_)
        return std::nullopt;
    const i128 raw = wide::divRound(valor_, kCentavo) * (Decimal::kScale / 100);
    if (raw > INT64_MAX || raw < INT64_MIN)
        return std::nullopt;
    return Decimal::fromRaw(static_cast<std::int64_t>(raw));
}

bool SomaExata::cabe(Decimal::Range range) const {
    const auto c = centavos();
    return c && c->fits(range);
}

std::optional<Decimal> SomaExata::parte(Decimal a, Decimal b) const {
    if (excedeu_ || valor_ == 0)
        return std::nullopt;
    // a × b has eight places and the sum fourteen, so the share, with four,
    // is a × b × 10^10 ÷ the sum; the powers of ten the two have in common
    // go first, to keep the product within 128 bits.
    i128 escala = wide::pow10(kCasas - Decimal::kPlaces);
    i128 soma = valor_;
    while (escala > 1 && soma % 10 == 0) {
        escala /= 10;
        soma /= 10;
    }
    const Wide produto = vezes(i128(a.raw()) * b.raw(), escala);
    if (!produto)
        return std::nullopt;
    const i128 raw = wide::divRound(*produto, soma);
    if (raw > INT64_MAX || raw < INT64_MIN)
        return std::nullopt;
    return Decimal::fromRaw(static_cast<std::int64_t>(raw));
}

namespace {

SomaExata doServidor(const QString& texto, int deslocamento, const QString& coluna) {
    SomaExata soma;
    if (!soma.adicionaDoServidor(texto, deslocamento))
        throw db::DbError::outOfRange(coluna);
    return soma;
}

} // namespace

SomaExata lida(const db::Recordset& rows, const QString& column, int deslocamento) {
    return doServidor(rows.text(column), deslocamento, column);
}

SomaExata lida(const db::Recordset& rows, qsizetype row, int column, int deslocamento) {
    return doServidor(rows.textAt(row, column), deslocamento, rows.columnName(column));
}

Decimal emCentavos(const SomaExata& soma) {
    const auto c = soma.centavos();
    if (!c)
        throw db::DbError::outOfRange(QStringLiteral("total"));
    return *c;
}

Servicos servicos(const SomaExata& subtotal, const SomaExata& descontos) {
    SomaExata total = subtotal;
    total -= descontos;
    return {emCentavos(subtotal), emCentavos(descontos), emCentavos(total)};
}

Custos custos(const SomaExata& insumos, const SomaExata& maoDeObra) {
    SomaExata total = insumos;
    total += maoDeObra;
    return {emCentavos(insumos), emCentavos(maoDeObra), emCentavos(total)};
}

} // namespace ordertotals
