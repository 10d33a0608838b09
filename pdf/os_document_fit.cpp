#include "pdf/os_document_fit.h"

#include "pdf/os_document_fields.h"
#include "pdf/pdf_printer.h"

#include <algorithm>
#include <optional>

namespace osdoc {

namespace {

double largura(PDFPrinter& pdf, const QString& texto, int tamanho) {
    return pdf.PDFGetStringWidth(texto, QString(), tamanho);
}

// The text as it stands when it fits, else without its closing blanks (they
// draw nothing, so a value that does not fit loses them first); empty when
// not even that fits.
std::optional<QString> cabeComoEsta(PDFPrinter& pdf, const QString& texto, int tamanho,
                                    double espaco) {
    if (largura(pdf, texto, tamanho) <= espaco)
        return texto;
    const QString curto = semBrancosNoFim(texto);
    if (largura(pdf, curto, tamanho) <= espaco)
        return curto;
    return std::nullopt;
}

// The largest whole size, from `tamanho` down to 1, at which the text takes
// no more than `espaco`.
int tamanhoQueCabe(PDFPrinter& pdf, const QString& texto, int tamanho, double espaco) {
    while (tamanho > 1 && largura(pdf, texto, tamanho) > espaco)
        --tamanho;
    return tamanho;
}

void emTamanho(PDFPrinter& pdf, const QString& texto, double x, double y, int tamanho,
               const Fonte& fonte) {
    if (tamanho == fonte.tamanho) {
        pdf.PDFTextOut(texto, x, y);
        return;
    }
    pdf.PDFSetFont(fonte.codigo, tamanho, fonte.estilo);
    pdf.PDFTextOut(texto, x, y);
    pdf.PDFSetFont(fonte.codigo, fonte.tamanho, fonte.estilo);
}

// Draws the text at (x, y) in `fonte` when it fits before `limite`, as it
// stands or without its closing blanks; otherwise draws nothing and gives
// the room it has.
std::optional<double> desenhaSeCouber(PDFPrinter& pdf, const QString& texto, double x, double y,
                                      double limite, const Fonte& fonte) {
    pdf.PDFSetFont(fonte.codigo, fonte.tamanho, fonte.estilo);
    const double espaco = limite - x - pdf.PDFGetLeftMargin();
    if (const auto inteiro = cabeComoEsta(pdf, texto, fonte.tamanho, espaco)) {
        pdf.PDFTextOut(*inteiro, x, y);
        return std::nullopt;
    }
    return espaco;
}

} // namespace

void textoCortado(PDFPrinter& pdf, const QString& texto, double x, double y, double limite,
                  const Fonte& fonte) {
    const auto sobra = desenhaSeCouber(pdf, texto, x, y, limite, fonte);
    if (!sobra)
        return;
    const double espaco = *sobra;
    qsizetype n = semBrancosNoFim(texto).size();
    while (n > 0 && largura(pdf, texto.left(n), fonte.tamanho) > espaco)
        --n;
    const QString cortado = semBrancosNoFim(texto.left(n));
    if (!cortado.isEmpty())
        pdf.PDFTextOut(cortado, x, y);
}

void textoInteiro(PDFPrinter& pdf, const QString& texto, double x, double y, double limite,
                  const Fonte& fonte) {
    const auto espaco = desenhaSeCouber(pdf, texto, x, y, limite, fonte);
    if (!espaco)
        return;
    const QString curto = semBrancosNoFim(texto);
    emTamanho(pdf, curto, x, y, tamanhoQueCabe(pdf, curto, fonte.tamanho, *espaco), fonte);
}

void desenha(PDFPrinter& pdf, const Linha& linha, double x, double y, const Fonte& fonte) {
    pdf.PDFSetFont(fonte.codigo, fonte.tamanho, fonte.estilo);
    const QString texto = linha.texto();
    pdf.PDFTextOut(texto, x, y);
    const double branco = largura(pdf, QStringLiteral(" "), fonte.tamanho);
    // Where the row's field starts and ends, in characters.
    qsizetype inicio = 0;
    // How far right the amounts drawn on their own reach, from x.
    double ocupado = 0;
    for (qsizetype i = 0; i < linha.campos.size(); ++i) {
        const Campo& campo = linha.campos.at(i);
        if (i > 0)
            inicio += linha.separador.size();
        const qsizetype fim = inicio + campo.largura;
        if (campo.valor && campo.texto.size() > campo.largura) {
            const double direita = largura(pdf, texto.left(fim), fonte.tamanho);
            const double antes =
                std::max(largura(pdf, semBrancosNoFim(texto.left(inicio)), fonte.tamanho), ocupado);
            const double espaco = direita - antes - (antes > 0 ? branco : 0);
            const int tamanho = tamanhoQueCabe(pdf, campo.texto, fonte.tamanho, espaco);
            emTamanho(pdf, campo.texto, x + direita - largura(pdf, campo.texto, tamanho), y,
                      tamanho, fonte);
            ocupado = direita;
        }
        inicio = fim;
    }
}

} // namespace osdoc
