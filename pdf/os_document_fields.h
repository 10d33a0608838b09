#pragma once

#include <QList>
#include <QString>

// The fixed-width fields the service-order documents are drawn from: a
// longer text is cut, a shorter one padded with blanks, counted in the
// characters drawn (pdfformat::AsDrawn), one for each byte of the page.
namespace osdoc {

QString esquerda(const QString& value, int width);
QString direita(const QString& value, int width);
// The text without the blanks at its end, which draw nothing.
QString semBrancosNoFim(const QString& texto);

// One field of a row: a text is cut to its width, an amount never.
struct Campo {
    QString texto;
    int largura = 0;
    bool aDireita = false;
    bool valor = false;
};

// A row of fields in a monospaced font, joined by `separador`.
struct Linha {
    QList<Campo> campos;
    QString separador;

    // The row as one fixed-width text, an amount longer than its field left
    // blank there: it is drawn on its own (osdoc::desenha).
    QString texto() const;
};

// A row of the services and costs tables: description 65, unit 4, quantity
// 12, price 15 and total 15, joined by one blank (115 characters).
struct Tabela {
    QString descricao;
    QString unidade;
    QString quantidade;
    QString preco;
    QString total;
};
// The heading row: every field left-aligned.
QString titulos(const Tabela& row);
// A service line: the description left-aligned, the rest right-aligned;
// quantity, price and total are amounts.
Linha linha(const Tabela& row);
// A totals row: the label right-aligned in 62, the amount in 15.
Linha total(const QString& label, const QString& value);
// A row of the costs summary: the label, then the amount right-aligned in 15.
Linha resumo(const QString& label, const QString& value);

} // namespace osdoc
