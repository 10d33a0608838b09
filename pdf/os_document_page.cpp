#include "pdf/os_document_page.h"

#include "pdf/os_document_fields.h"
#include "pdf/os_document_fit.h"
#include "pdf/os_document_layout.h"
#include "pdf/os_document_note.h"
#include "pdf/pdf_printer.h"
#include "platform/dates.h"
#include "platform/moeda.h"

#include <algorithm>

namespace osdoc {

namespace {

// Colour numbers: the low byte is red.
constexpr qint32 kPreto = 0;
constexpr qint32 kBranco = 16777215;
constexpr qint32 kAzul = 16711680;
constexpr qint32 kVermelho = 255;

constexpr int kHelvetica = 0;
constexpr int kCourier = 1;
constexpr int kTimes = 2;
constexpr int kNormal = 0;
constexpr int kItalico = 1;
constexpr int kNegrito = 2;

// The additional information is wrapped inside the totals box, from x 20
// to 570.
constexpr double kLarguraDaNota = 550;

// How far right the header values may reach: the paper's margin, where the
// rules end; the phone and e-mail column, with a gap; the inside of the
// client's and of the order's box.
constexpr double kMargem = 575;
constexpr double kAntesDoTelefone = 340;
constexpr double kQuadroDoCliente = 400;
constexpr double kQuadroDaOrdem = 570;

const Fonte kTabela{kCourier, 8, kNegrito};
const Fonte kTotais{kCourier, 12, kNegrito};

const QString kEnderecoFabricante = QStringLiteral("www.quendaro.com.br");

using Somas = ordertotals::Servicos;
using Custos = ordertotals::Custos;

// The logo in its frame: as large as the 50 x 50 box at (23, 27) allows,
// its proportions kept, centred in the box.
struct Logo {
    bool moldura = false; // the file exists
    QString arquivo;      // empty when the picture cannot be drawn
    double x = 0, y = 0, largura = 0, altura = 0;
};

// A picture that cannot be read is reported once, by the writer, and leaves
// the frame empty on every page.
Logo logoDe(PDFPrinter& pdf, const QString& arquivo) {
    constexpr double kCaixa = 50;
    Logo logo;
    if (arquivo.isEmpty())
        return logo;
    logo.moldura = true;
    const double pixelsLargura = pdf.PDFImageWidth(arquivo);
    if (pixelsLargura <= 0)
        return logo;
    const double pixelsAltura = pdf.PDFImageHeight(arquivo);
    const double escala = kCaixa / std::max(pixelsLargura, pixelsAltura);
    logo.arquivo = arquivo;
    logo.largura = pixelsLargura * escala;
    logo.altura = pixelsAltura * escala;
    logo.x = 23 + (kCaixa - logo.largura) / 2;
    logo.y = 27 + (kCaixa - logo.altura) / 2;
    return logo;
}

void empresa(PDFPrinter& pdf, const Conteudo& c, const Logo& logo) {
    pdf.PDFDrawLine(15, 22, 575, 22);
    if (logo.moldura)
        pdf.PDFDrawRectangle(21, 25, 54, 54);
    if (!logo.arquivo.isEmpty())
        pdf.PDFImage(logo.arquivo, logo.x, logo.y, logo.largura, logo.altura);
    const Empresa& e = c.empresa;
    pdf.PDFSetTextColor(kPreto);
    textoCortado(pdf, e.fantasia, 85, 35, kMargem, {kHelvetica, 12, kNegrito});
    const Fonte texto{kTimes, 9, kNormal};
    textoCortado(pdf, e.rua.trimmed() + QStringLiteral(" - ") + e.bairro.trimmed(), 85, 45,
                 kAntesDoTelefone, texto);
    textoInteiro(pdf, e.fone, 345, 45, kMargem, {kTimes, 10, kNegrito});
    textoInteiro(pdf, e.email.toLower().trimmed(), 345, 55, kMargem, texto);
    textoCortado(pdf, e.cidade.trimmed() + QStringLiteral(" - CEP: ") + e.cep, 85, 55,
                 kAntesDoTelefone, texto);
    textoCortado(pdf, e.nome, 85, 70, kMargem, texto);
    textoCortado(pdf, QStringLiteral("Cnpj: ") + e.cpf.trimmed() + QStringLiteral(" IE: ") + e.rg,
                 85, 80, kMargem, texto);
    pdf.PDFDrawLine(15, 85, 575, 85);
}

const Fonte kQuadros{kTimes, 9, kNegrito};

// The order-number line, whole, in the order's box.
void linhaDaOrdem(PDFPrinter& pdf, const Conteudo& c, double y) {
    textoInteiro(pdf,
                 QStringLiteral("Orçamento: ") +
                     QStringLiteral("%1").arg(c.numero, 5, 10, QLatin1Char('0')),
                 415, y, kQuadroDaOrdem, kQuadros);
}

void quadros(PDFPrinter& pdf, const Conteudo& c) {
    pdf.PDFDrawRectangle(15, 90, 390, 45);
    pdf.PDFDrawRectangle(410, 90, 165, 45);
    pdf.PDFSetTextColor(kPreto);
    const Cliente& cliente = c.cliente;
    textoCortado(pdf, cliente.nome, 20, 100, kQuadroDoCliente, kQuadros);
    textoCortado(pdf, cliente.endereco.trimmed() + QStringLiteral(" - ") + cliente.bairro, 20, 110,
                 kQuadroDoCliente, kQuadros);
    textoCortado(pdf, cliente.cidade, 20, 120, kQuadroDoCliente, kQuadros);
    textoCortado(pdf, QStringLiteral("Cnpj: ") + cliente.cpf, 20, 130, kQuadroDoCliente, kQuadros);
    linhaDaOrdem(pdf, c, 100);
    textoCortado(pdf, QStringLiteral("Emissão: ") + c.ordem.data, 415, 110, kQuadroDaOrdem,
                 kQuadros);
    textoCortado(pdf, QStringLiteral("Solicitante: ") + c.ordem.solicitante, 415, 120,
                 kQuadroDaOrdem, kQuadros);
}

// A band under a table heading.
void faixa(PDFPrinter& pdf, double y) {
    pdf.PDFSetLineColor(kAzul);
    pdf.PDFSetLineWidth(12);
    pdf.PDFDrawLine(15, y, 575, y);
    pdf.PDFSetLineWidth(0.2);
}

// The services headings, white on their band at `y`; rows follow in black.
void cabecalhoDosServicos(PDFPrinter& pdf, double y) {
    faixa(pdf, y);
    pdf.PDFSetFont(kCourier, 8, kNegrito);
    pdf.PDFSetTextColor(kBranco);
    pdf.PDFTextOut(
        titulos({QStringLiteral("DESCRIÇÃO DOS SERVIÇOS"), QStringLiteral("UNID."),
                 QStringLiteral("QTDE"), QStringLiteral("PREÇO"), QStringLiteral("TOTAL")}),
        20, y + 4);
    pdf.PDFSetLineColor(kPreto);
    pdf.PDFSetTextColor(kPreto);
}

// The costs headings at `y`, black on their band; rows follow in black.
void cabecalhoDosCustos(PDFPrinter& pdf, double y) {
    faixa(pdf, y - 4);
    pdf.PDFSetFont(kCourier, 8, kNegrito);
    pdf.PDFSetTextColor(kPreto);
    pdf.PDFTextOut(titulos({QStringLiteral("CUSTOS POR CATEGORIA"),
                            QStringLiteral("TIPO"),
                            {},
                            {},
                            QStringLiteral("TOTAL")}),
                   20, y);
    pdf.PDFSetLineColor(kPreto);
    pdf.PDFSetTextColor(kPreto);
}

// A table row and the rule under it.
void linhaDaTabela(PDFPrinter& pdf, const Linha& row, double y) {
    desenha(pdf, row, 20, y, kTabela);
    pdf.PDFDrawLine(15, y + 2, 575, y + 2);
}

void fonteDaNota(PDFPrinter& pdf) {
    pdf.PDFSetFont(kHelvetica, 8, kNegrito);
    pdf.PDFSetTextColor(kPreto);
}

// The pages of one document: a part placed on a later page first ends the
// current one with its footer and begins the next with the company header,
// the order-number line and the headings the plan repeats there.
class Paginas {
public:
    Paginas(PDFPrinter& pdf, const Conteudo& c, const Logo& logo, const Plano& plano)
        : pdf_(pdf), c_(c), logo_(logo), plano_(plano) {}

    // True when a page began.
    bool vaiPara(int pagina) {
        const int antes = atual_;
        while (atual_ < pagina) {
            rodape();
            pdf_.PDFEndPage();
            pdf_.PDFNewPage();
            ++atual_;
            continuacao();
        }
        return atual_ != antes;
    }

    void rodape() {
        pdf_.PDFSetLineColor(kPreto);
        pdf_.PDFSetLineWidth(0.2);
        pdf_.PDFDrawLine(15, 800, 575, 800);
        pdf_.PDFSetFont(kCourier, 8, kItalico);
        pdf_.PDFSetTextColor(kPreto);
        pdf_.PDFTextOut(kEnderecoFabricante + QStringLiteral(" - ") + dates::stampBr(c_.agora), 20,
                        810);
        if (plano_.paginas() == 1)
            return;
        const QString pagina = QStringLiteral("Página %1 de %2").arg(atual_).arg(plano_.paginas());
        // Right-aligned on the rule's end; the writer adds its one-point margin.
        pdf_.PDFTextOut(pagina, 574 - pdf_.PDFGetStringWidth(pagina, QString(), 8), 810);
    }

private:
    void continuacao() {
        empresa(pdf_, c_, logo_);
        pdf_.PDFSetTextColor(kPreto);
        linhaDaOrdem(pdf_, c_, kLinhaDaOrdem);
        switch (plano_.repetidos.at(static_cast<std::size_t>(atual_ - 1))) {
        case Cabecalho::Servicos:
            cabecalhoDosServicos(pdf_, kFaixaDeContinuacao);
            break;
        case Cabecalho::Custos:
            cabecalhoDosCustos(pdf_, kFaixaDeContinuacao + 4);
            break;
        case Cabecalho::Nenhum:
            break;
        }
    }

    PDFPrinter& pdf_;
    const Conteudo& c_;
    const Logo& logo_;
    const Plano& plano_;
    int atual_ = 1;
};

// The service lines. Price and quantity enter the totals as they are printed,
// which is as they are stored: the totals are the order's own.
void servicos(PDFPrinter& pdf, Paginas& paginas, const Conteudo& c, const Plano& plano,
              Somas& somas) {
    ordertotals::SomaExata subtotal, descontos;
    for (qsizetype i = 0; i < c.servicos.size(); ++i) {
        const Servico& s = c.servicos.at(i);
        const Lugar& lugar = plano.servicos.at(static_cast<std::size_t>(i));
        paginas.vaiPara(lugar.pagina);
        const QString quantidade = s.qt.toBrTrimmed(0);
        const QString preco = s.vu.toBrTrimmed(2);
        const Decimal p = Decimal::parse(preco, false).value_or(Decimal());
        const Decimal q = Decimal::parse(quantidade, false).value_or(Decimal());
        // The line's total rounds once, as the totals below do.
        ordertotals::SomaExata total;
        total.adiciona(q, p);
        linhaDaTabela(pdf,
                      linha({s.dssrv, s.un, quantidade, preco,
                             ordertotals::emCentavos(total).toBr(2, false)}),
                      lugar.y);
        subtotal += total;
        descontos.adiciona(q, p, s.pd);
    }
    somas = ordertotals::servicos(subtotal, descontos);
}

// The costs section below the service lines.
void custos(PDFPrinter& pdf, Paginas& paginas, const QList<Custo>& linhas, const Plano& plano,
            Custos& totais) {
    ordertotals::SomaExata insumos, maoDeObra;
    paginas.vaiPara(plano.custos->pagina);
    cabecalhoDosCustos(pdf, plano.custos->y);
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        const Custo& custo = linhas.at(i);
        const Lugar& lugar = plano.linhasDeCusto.at(static_cast<std::size_t>(i));
        paginas.vaiPara(lugar.pagina);
        const bool insumo = custo.tipo == QLatin1String("P");
        (insumo ? insumos : maoDeObra) += custo.stotal;
        linhaDaTabela(pdf,
                      linha({custo.dsgrupo,
                             insumo ? QStringLiteral("INSUMOs") : QStringLiteral("M.OB."),
                             {},
                             {},
                             moeda(ordertotals::emCentavos(custo.stotal))}),
                      lugar.y);
    }
    totais = ordertotals::custos(insumos, maoDeObra);
}

void totais(PDFPrinter& pdf, double y, const Somas& somas) {
    pdf.PDFSetLineColor(kAzul);
    pdf.PDFSetLineWidth(2);
    pdf.PDFDrawLine(15, y - 8, 575, y - 8);
    pdf.PDFSetFont(kCourier, 12, kNegrito);
    pdf.PDFSetLineColor(kPreto);
    pdf.PDFSetTextColor(kPreto);
    pdf.PDFSetLineWidth(0.2);
    desenha(pdf, total(QStringLiteral("SubTotal:"), somas.subtotal.toBr(2)), 20, y + 10, kTotais);
    pdf.PDFSetTextColor(kVermelho);
    desenha(pdf, total(QStringLiteral("Descontos:"), somas.descontos.toBr(2)), 20, y + 22, kTotais);
    pdf.PDFSetTextColor(kAzul);
    desenha(pdf, total(QStringLiteral("Total Líquido:"), somas.total.toBr(2)), 20, y + 34, kTotais);
}

// The supplies, labour and all costs on the left of the totals box.
void resumoDeCustos(PDFPrinter& pdf, double y, const Custos& custos) {
    const struct {
        const char* rotulo;
        Decimal valor;
        double y;
    } linhas[] = {{"Insumos....:", custos.insumos, y + 10},
                  {"Mão de Obra:", custos.maoDeObra, y + 22},
                  {"Custo Total:", custos.total, y + 34}};
    for (const auto& l : linhas) {
        pdf.PDFSetTextColor(kVermelho);
        desenha(pdf, resumo(QString::fromUtf8(l.rotulo), l.valor.toBr(2)), 20, l.y, kTotais);
    }
}

void caixaDosTotais(PDFPrinter& pdf, double y) {
    pdf.PDFDrawLine(365, y - 7, 365, y + 37);
    pdf.PDFDrawLine(15, y + 37, 575, y + 37);
}

void nota(PDFPrinter& pdf, Paginas& paginas, const QStringList& linhas, const Plano& plano) {
    fonteDaNota(pdf);
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        const Lugar& lugar = plano.nota.at(static_cast<std::size_t>(i));
        if (paginas.vaiPara(lugar.pagina))
            fonteDaNota(pdf);
        if (!linhas.at(i).isEmpty())
            pdf.PDFTextOut(linhas.at(i), 20, lugar.y);
    }
}

} // namespace

void desenha(PDFPrinter& pdf, const Conteudo& conteudo) {
    fonteDaNota(pdf);
    const QStringList linhasDaInformacao =
        linhasDaNota(conteudo.ordem.informacoes, kLarguraDaNota, [&pdf](const QString& texto) {
            return pdf.PDFGetStringWidth(texto, QString(), 8);
        });
    const Plano plano = planeja(
        static_cast<int>(conteudo.servicos.size()),
        conteudo.custos ? std::optional(static_cast<int>(conteudo.custos->size())) : std::nullopt,
        static_cast<int>(linhasDaInformacao.size()));
    const Logo logo = logoDe(pdf, conteudo.logo);
    Paginas paginas(pdf, conteudo, logo, plano);

    empresa(pdf, conteudo, logo);
    quadros(pdf, conteudo);
    cabecalhoDosServicos(pdf, kFaixaDosServicos);
    Somas somas;
    servicos(pdf, paginas, conteudo, plano, somas);
    Custos custosTotais;
    if (conteudo.custos)
        custos(pdf, paginas, *conteudo.custos, plano, custosTotais);
    paginas.vaiPara(plano.totais.pagina);
    const double y = plano.totais.y;
    totais(pdf, y, somas);
    if (conteudo.custos)
        resumoDeCustos(pdf, y, custosTotais);
    caixaDosTotais(pdf, y);
    nota(pdf, paginas, linhasDaInformacao, plano);
    paginas.rodape();
}

} // namespace osdoc
