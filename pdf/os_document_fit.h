#pragma once

#include <QString>

class PDFPrinter;

// Every value of the service-order documents stays in its room, measured by
// the glyph widths the writer draws: a text may be cut at a whole
// character, an amount, a phone or an e-mail is drawn whole, in a smaller
// size where needed. Nothing is drawn over another value or off the page.
namespace osdoc {

struct Linha;

// A font as PDFSetFont takes it.
struct Fonte {
    int codigo = 0;
    int tamanho = 0;
    int estilo = 0;
};

// The text at (x, y), as PDFTextOut places it, with no glyph past
// `limite`: cut at a whole character.
void textoCortado(PDFPrinter& pdf, const QString& texto, double x, double y, double limite,
                  const Fonte& fonte);
// The same text whole, in the largest whole size up to the font's that
// keeps it inside; the font is left as `fonte`.
void textoInteiro(PDFPrinter& pdf, const QString& texto, double x, double y, double limite,
                  const Fonte& fonte);
// The row at (x, y) in `fonte`. An amount longer than its field is drawn
// whole, right-aligned at the field's right edge, in a smaller size where
// needed to keep a blank after the value before it.
void desenha(PDFPrinter& pdf, const Linha& linha, double x, double y, const Fonte& fonte);

} // namespace osdoc
