#include "pdf/os_document_fields.h"

#include "pdf/pdf_format.h"

namespace osdoc {

namespace {

constexpr int kDescricao = 65;
constexpr int kUnidade = 4;
constexpr int kQuantidade = 12;
constexpr int kPreco = 15;
constexpr int kTotal = 15;

} // namespace

// Counted in characters as drawn, so that every row's columns meet.
QString esquerda(const QString& value, int width) {
    return pdfformat::AsDrawn(value).left(width).leftJustified(width, QLatin1Char(' '));
}

QString direita(const QString& value, int width) {
    return pdfformat::AsDrawn(value).left(width).rightJustified(width, QLatin1Char(' '));
}

QString semBrancosNoFim(const QString& texto) {
    qsizetype fim = texto.size();
    while (fim > 0 && texto.at(fim - 1).isSpace())
        --fim;
    return texto.left(fim);
}

QString Linha::texto() const {
    QString row;
    for (qsizetype i = 0; i < campos.size(); ++i) {
        const Campo& c = campos.at(i);
        if (i > 0)
            row += separador;
        if (c.valor && c.texto.size() > c.largura)
            row += QString(c.largura, QLatin1Char(' '));
        else
            row += c.aDireita ? direita(c.texto, c.largura) : esquerda(c.texto, c.largura);
    }
    return row;
}

QString titulos(const Tabela& row) {
    return esquerda(row.descricao, kDescricao) + QLatin1Char(' ') +
           esquerda(row.unidade, kUnidade) + QLatin1Char(' ') +
           esquerda(row.quantidade, kQuantidade) + QLatin1Char(' ') + esquerda(row.preco, kPreco) +
           QLatin1Char(' ') + esquerda(row.total, kTotal);
}

Linha linha(const Tabela& row) {
    return {{{row.descricao, kDescricao, false, false},
             {row.unidade, kUnidade, true, false},
             {row.quantidade, kQuantidade, true, true},
             {row.preco, kPreco, true, true},
             {row.total, kTotal, true, true}},
            QStringLiteral(" ")};
}

Linha total(const QString& label, const QString& value) {
    return {{{label, 62, true, false}, {value, 15, true, true}}, {}};
}

Linha resumo(const QString& label, const QString& value) {
    return {{{label, static_cast<int>(label.size()), false, false}, {value, 15, true, true}}, {}};
}

} // namespace osdoc
