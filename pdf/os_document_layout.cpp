#include "pdf/os_document_layout.h"

namespace osdoc {

namespace {

// The footer rule lies at 800: nothing drawn above it may reach further
// down than this.
constexpr double kLimite = 797;
constexpr double kPasso = 10;
// How far below its Y, and below a row's baseline, the totals block and a
// row (with its rule) reach.
constexpr double kFundoDosTotais = 37;
constexpr double kFundoDaLinha = 2;
// The costs heading lies 20 points below the place a next service row would
// take; the first line of the additional information 45 below the totals' Y.
constexpr double kAntesDosCustos = 20;
constexpr double kAntesDaNota = 45;

bool cabe(double fundo) {
    return fundo <= kLimite;
}

} // namespace

double primeiraLinha(Cabecalho secao, double faixa) {
    return faixa + (secao == Cabecalho::Custos ? 14 : 15);
}

Plano planeja(int servicos, std::optional<int> custos, int linhasDaNota) {
    Plano plano;
    plano.repetidos = {Cabecalho::Nenhum};
    auto novaPagina = [&plano](Cabecalho repetido) { plano.repetidos.push_back(repetido); };
    Cabecalho secao = Cabecalho::Servicos;
    double y = primeiraLinha(secao, kFaixaDosServicos);
    auto linhas = [&](int quantas, std::vector<Lugar>& lugares) {
        for (int i = 0; i < quantas; ++i) {
            if (!cabe(y + kFundoDaLinha)) {
                novaPagina(secao);
                y = primeiraLinha(secao, kFaixaDeContinuacao);
            }
            lugares.push_back({plano.paginas(), y});
            y += kPasso;
        }
    };
    linhas(servicos, plano.servicos);

    if (custos) {
        // The heading does not stay alone at the foot of a page: what follows
        // it, its first row or the totals, must fit below it.
        double titulo = y + kAntesDosCustos;
        const double seguinte = *custos > 0 ? kFundoDaLinha : kFundoDosTotais;
        if (!cabe(titulo + kPasso + seguinte)) {
            novaPagina(Cabecalho::Nenhum);
            titulo = primeiraLinha(Cabecalho::Custos, kFaixaDeContinuacao) - kPasso;
        }
        plano.custos = Lugar{plano.paginas(), titulo};
        secao = Cabecalho::Custos;
        y = titulo + kPasso;
        linhas(*custos, plano.linhasDeCusto);
    }

    if (!cabe(y + kFundoDosTotais)) {
        novaPagina(secao);
        y = primeiraLinha(secao, kFaixaDeContinuacao);
    }
    plano.totais = {plano.paginas(), y};

    y += kAntesDaNota;
    for (int i = 0; i < linhasDaNota; ++i) {
        if (!cabe(y + kFundoDaLinha)) {
            novaPagina(Cabecalho::Nenhum);
            y = primeiraLinha(Cabecalho::Nenhum, kFaixaDeContinuacao);
        }
        plano.nota.push_back({plano.paginas(), y});
        y += kPasso;
    }
    return plano;
}

} // namespace osdoc
