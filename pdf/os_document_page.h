#pragma once

#include "pdf/os_document_data.h"

#include <QDateTime>
#include <optional>

class PDFPrinter;

namespace osdoc {

// Everything one document shows.
struct Conteudo {
    qint64 numero = 0;
    QString logo; // the picture's path, empty when there is none
    Empresa empresa;
    Ordem ordem;
    Cliente cliente;
    QList<Servico> servicos;
    // The detailed document's costs by category.
    std::optional<QList<Custo>> custos;
    QDateTime agora;
};

// Draws the document's pages on a writer in points with its first page
// begun; the caller ends the last page.
void desenha(PDFPrinter& pdf, const Conteudo& conteudo);

} // namespace osdoc
