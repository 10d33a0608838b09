#include "pdf/os_document_page.h"

#include "pdf/os_document_fields.h"
#include "pdf/pdf_printer.h"
#include "platform/dates.h"
#include "platform/moeda.h"

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

const QString kEnderecoFabricante = QStringLiteral("www.quendaro.com.br");

struct Somas {
    Decimal subtotal;
    Decimal descontos;
};

struct Custos {
    Decimal insumos;
    Decimal maoDeObra;
};

void empresa(PDFPrinter& pdf, const Conteudo& c) {
    pdf.PDFDrawLine(15, 22, 575, 22);
    if (!c.logo.isEmpty()) {
        pdf.PDFDrawRectangle(21, 25, 54, 54);
        pdf.PDFImage(c.logo, 23, 27, 50, 50);
    }
    const Empresa& e = c.empresa;
    pdf.PDFSetFont(kHelvetica, 12, kNegrito);
    pdf.PDFSetTextColor(kPreto);
    pdf.PDFTextOut(e.fantasia, 85, 35);
    pdf.PDFSetFont(kTimes, 9, kNormal);
    pdf.PDFTextOut(e.rua.trimmed() + QStringLiteral(" - ") + e.bairro.trimmed(), 85, 45);
    pdf.PDFSetFont(kTimes, 10, kNegrito);
    pdf.PDFTextOut(e.fone, 345, 45);
    pdf.PDFSetFont(kTimes, 9, kNormal);
    pdf.PDFTextOut(e.email.toLower().trimmed(), 345, 55);
    pdf.PDFTextOut(e.cidade.trimmed() + QStringLiteral(" - CEP: ") + e.cep, 85, 55);
    pdf.PDFTextOut(e.nome, 85, 70);
    pdf.PDFTextOut(QStringLiteral("Cnpj: ") + e.cpf.trimmed() + QStringLiteral(" IE: ") + e.rg, 85,
                   80);
    pdf.PDFDrawLine(15, 85, 575, 85);
}

void quadros(PDFPrinter& pdf, const Conteudo& c) {
    pdf.PDFDrawRectangle(15, 90, 390, 45);
    pdf.PDFDrawRectangle(410, 90, 165, 45);
    pdf.PDFSetFont(kTimes, 9, kNegrito);
    pdf.PDFSetTextColor(kPreto);
    const Cliente& cliente = c.cliente;
    pdf.PDFTextOut(cliente.nome, 20, 100);
    pdf.PDFTextOut(cliente.endereco.trimmed() + QStringLiteral(" - ") + cliente.bairro, 20, 110);
    pdf.PDFTextOut(cliente.cidade, 20, 120);
    pdf.PDFTextOut(QStringLiteral("Cnpj: ") + cliente.cpf, 20, 130);
    pdf.PDFTextOut(QStringLiteral("Orçamento: ") +
                       QStringLiteral("%1").arg(c.numero, 5, 10, QLatin1Char('0')),
                   415, 100);
    pdf.PDFTextOut(QStringLiteral("Emissão: ") + c.ordem.data, 415, 110);
    pdf.PDFTextOut(QStringLiteral("Solicitante: ") + c.ordem.solicitante, 415, 120);
}

// A band under a table heading.
void faixa(PDFPrinter& pdf, double y) {
    pdf.PDFSetLineColor(kAzul);
    pdf.PDFSetLineWidth(12);
    pdf.PDFDrawLine(15, y, 575, y);
    pdf.PDFSetLineWidth(0.2);
}

// A table row and the rule under it; the next row's position.
double linhaDaTabela(PDFPrinter& pdf, const QString& row, double y) {
    pdf.PDFTextOut(row, 20, y);
    pdf.PDFDrawLine(15, y + 2, 575, y + 2);
    return y + 10;
}

// The service lines from y 160; the position after the last one. Price and
// quantity enter the totals as they are printed.
double servicos(PDFPrinter& pdf, const Conteudo& c, Somas& somas) {
    faixa(pdf, 145);
    pdf.PDFSetFont(kCourier, 8, kNegrito);
    pdf.PDFSetTextColor(kBranco);
    pdf.PDFTextOut(
        titulos({QStringLiteral("DESCRIÇÃO DOS SERVIÇOS"), QStringLiteral("UNID."),
                 QStringLiteral("QTDE"), QStringLiteral("PREÇO"), QStringLiteral("TOTAL")}),
        20, 149);
    pdf.PDFSetLineColor(kPreto);
    pdf.PDFSetTextColor(kPreto);
    double y = 160;
    for (const Servico& s : c.servicos) {
        const QString quantidade = s.qt.toBrTrimmed(0);
        const QString preco = s.vu.toBrTrimmed(2);
        const Decimal p = Decimal::parse(preco, false).value_or(Decimal());
        const Decimal q = Decimal::parse(quantidade, false).value_or(Decimal());
        y = linhaDaTabela(pdf, linha({s.dssrv, s.un, quantidade, preco, (p * q).toBr(2, false)}),
                          y);
        somas.subtotal += q * p;
        somas.descontos += q * (s.pd * p / Decimal::fromInt(100));
    }
    return y;
}

// The costs section below the service lines; the position after it.
double custos(PDFPrinter& pdf, const QList<Custo>& linhas, double y, Custos& totais) {
    y += 20;
    faixa(pdf, y - 4);
    pdf.PDFTextOut(titulos({QStringLiteral("CUSTOS POR CATEGORIA"),
                            QStringLiteral("TIPO"),
                            {},
                            {},
                            QStringLiteral("TOTAL")}),
                   20, y);
    pdf.PDFSetLineColor(kPreto);
    pdf.PDFSetTextColor(kPreto);
    y += 10;
    for (const Custo& custo : linhas) {
        const bool insumo = custo.tipo == QLatin1String("P");
        (insumo ? totais.insumos : totais.maoDeObra) += custo.stotal;
        y = linhaDaTabela(pdf,
                          linha({custo.dsgrupo,
                                 insumo ? QStringLiteral("INSUMOs") : QStringLiteral("M.OB."),
                                 {},
                                 {},
                                 moeda(custo.stotal)}),
                          y);
    }
    return y;
}

void totais(PDFPrinter& pdf, double y, const Somas& somas) {
    pdf.PDFSetLineColor(kAzul);
    pdf.PDFSetLineWidth(2);
    pdf.PDFDrawLine(15, y - 8, 575, y - 8);
    pdf.PDFSetFont(kCourier, 12, kNegrito);
    pdf.PDFSetLineColor(kPreto);
    pdf.PDFSetTextColor(kPreto);
    pdf.PDFSetLineWidth(0.2);
    pdf.PDFTextOut(total(QStringLiteral("SubTotal:"), somas.subtotal.toBr(2)), 20, y + 10);
    pdf.PDFSetTextColor(kVermelho);
    pdf.PDFTextOut(total(QStringLiteral("Descontos:"), somas.descontos.toBr(2)), 20, y + 22);
    pdf.PDFSetTextColor(kAzul);
    pdf.PDFTextOut(
        total(QStringLiteral("Total Líquido:"), (somas.subtotal - somas.descontos).toBr(2)), 20,
        y + 34);
}

// The supplies, labour and all costs on the left of the totals box.
void resumoDeCustos(PDFPrinter& pdf, double y, const Custos& custos) {
    const struct {
        const char* rotulo;
        Decimal valor;
        double y;
    } linhas[] = {{"Insumos....:", custos.insumos, y + 10},
                  {"Mão de Obra:", custos.maoDeObra, y + 22},
                  {"Custo Total:", custos.insumos + custos.maoDeObra, y + 34}};
    for (const auto& l : linhas) {
        pdf.PDFSetTextColor(kVermelho);
        pdf.PDFTextOut(QString::fromUtf8(l.rotulo) + direita(l.valor.toBr(2), 15), 20, l.y);
    }
}

void fechamento(PDFPrinter& pdf, const Conteudo& c, double y) {
    pdf.PDFDrawLine(365, y - 7, 365, y + 37);
    pdf.PDFDrawLine(15, y + 37, 575, y + 37);
    pdf.PDFSetFont(kHelvetica, 8, kNegrito);
    pdf.PDFSetTextColor(kPreto);
    pdf.PDFTextOut(c.ordem.informacoes, 20, y + 45);
    pdf.PDFDrawLine(15, 800, 575, 800);
    pdf.PDFSetFont(kCourier, 8, kItalico);
    pdf.PDFTextOut(kEnderecoFabricante + QStringLiteral(" - ") + dates::stampBr(c.agora), 20, 810);
}

} // namespace

void desenha(PDFPrinter& pdf, const Conteudo& conteudo) {
    empresa(pdf, conteudo);
    quadros(pdf, conteudo);
    Somas somas;
    double y = servicos(pdf, conteudo, somas);
    Custos custosTotais;
    if (conteudo.custos)
        y = custos(pdf, *conteudo.custos, y, custosTotais);
    totais(pdf, y, somas);
    if (conteudo.custos)
        resumoDeCustos(pdf, y, custosTotais);
    fechamento(pdf, conteudo, y);
}

} // namespace osdoc
