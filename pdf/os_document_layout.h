#pragma once

#include <optional>
#include <vector>

// Where the flowing parts of a service-order document go: the service rows,
// the costs section, the totals block and the lines of the additional
// information. A part that would cross into the footer goes to a new page,
// which repeats the company header, the order-number line and the column
// headings of the section in progress. Positions are the y of the baseline,
// in points from the top of the page.
namespace osdoc {

struct Lugar {
    int pagina = 1;
    double y = 0;
};

// The column headings repeated at the top of a continuation page.
enum class Cabecalho { Nenhum, Servicos, Custos };

struct Plano {
    std::vector<Lugar> servicos;
    // The detailed document's costs heading and rows.
    std::optional<Lugar> custos;
    std::vector<Lugar> linhasDeCusto;
    // Y of the totals block: its rule lies at Y - 8, its rows at Y + 10 to
    // Y + 34, its closing line at Y + 37.
    Lugar totais;
    std::vector<Lugar> nota;
    // Entry p - 1 for page p; the first page has its own heading.
    std::vector<Cabecalho> repetidos;

    int paginas() const { return static_cast<int>(repetidos.size()); }
};

// The services band of the first page, below the client and order boxes.
constexpr double kFaixaDosServicos = 145;
// Below the company header of a continuation page: the order-number line,
// then the band of the repeated headings.
constexpr double kLinhaDaOrdem = 100;
constexpr double kFaixaDeContinuacao = 115;

// The position of the first row under a heading whose band lies at `faixa`:
// the services table starts 15 points below its band, the costs table 14.
double primeiraLinha(Cabecalho secao, double faixa);

// `custos` is the number of cost rows of the detailed document, none for
// the simplified one.
Plano planeja(int servicos, std::optional<int> custos, int linhasDaNota);

} // namespace osdoc
