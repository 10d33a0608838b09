#include "pdf/os_document_fields.h"

namespace osdoc {

namespace {

constexpr int kDescricao = 65;
constexpr int kUnidade = 4;
constexpr int kQuantidade = 12;
constexpr int kPreco = 15;
constexpr int kTotal = 15;

} // namespace

QString esquerda(const QString& value, int width) {
    return value.left(width).leftJustified(width, QLatin1Char(' '));
}

QString direita(const QString& value, int width) {
    return value.left(width).rightJustified(width, QLatin1Char(' '));
}

QString titulos(const Tabela& row) {
    return esquerda(row.descricao, kDescricao) + QLatin1Char(' ') +
           esquerda(row.unidade, kUnidade) + QLatin1Char(' ') +
           esquerda(row.quantidade, kQuantidade) + QLatin1Char(' ') + esquerda(row.preco, kPreco) +
           QLatin1Char(' ') + esquerda(row.total, kTotal);
}

QString linha(const Tabela& row) {
    return esquerda(row.descricao, kDescricao) + QLatin1Char(' ') + direita(row.unidade, kUnidade) +
           QLatin1Char(' ') + direita(row.quantidade, kQuantidade) + QLatin1Char(' ') +
           direita(row.preco, kPreco) + QLatin1Char(' ') + direita(row.total, kTotal);
}

QString total(const QString& label, const QString& value) {
    return direita(label, 62) + direita(value, 15);
}

} // namespace osdoc
