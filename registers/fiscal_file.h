#pragma once

#include <QString>
#include <optional>

// The local fiscal file: an SQLite database (dados.db in the program folder,
// or where QUENDARO_FISCAL_DB points) whose table `cliente` holds a copy of
// every supplier with a valid document. The program only writes into it and
// never creates it; db/fiscal.sql creates its table.
namespace fiscal {

QString caminhoArquivo();

// A supplier as the fiscal file keeps it.
struct Fornecedor {
    QString cpf; // the punctuated document
    QString nmcli, nmfant, rg, rua, bairro, cep, cidade, uf, fone, nr, email, outinf;
};

struct Falha {
    bool arquivoAusente = false;
    QString detalhe;
};

// Adds the supplier's row (type "F" and its document) or rewrites the first
// one found, in one transaction. Empty when written.
std::optional<Falha> copiaFornecedor(const Fornecedor& f);

} // namespace fiscal
