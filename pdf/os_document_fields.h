#pragma once

#include <QString>

// The fixed-width fields the service-order documents are drawn from: a
// longer value is cut, a shorter one padded with blanks.
namespace osdoc {

QString esquerda(const QString& value, int width);
QString direita(const QString& value, int width);

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
// A service line: the description left-aligned, the rest right-aligned.
QString linha(const Tabela& row);
// A totals row: the label right-aligned in 62, the value in 15.
QString total(const QString& label, const QString& value);

} // namespace osdoc
