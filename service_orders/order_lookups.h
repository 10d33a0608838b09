#pragma once

#include <QString>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// The header boxes the order windows share: filled from the database on the
// shared connection, and saved from it. A failed statement is reported and
// leaves the boxes as they were.
namespace orderlookups {

struct ClienteCaixas {
    QLineEdit *nmcli, *cpf, *rg, *rua, *nrcasa, *cep, *bairro, *cidade, *uf;
};
// Fills the client's boxes when the code is a number of an existing client.
void carregaCliente(const QString& codigo, const ClienteCaixas& caixas);
// The collaborator's name for a typed code; empty when there is none.
QString nomeColaborador(const QString& codigo);

struct Cabecalho {
    QLineEdit* dt;
    QComboBox* sit;
    QLineEdit* cdcli;
    QLineEdit* nmsol;
    QLineEdit* fone;
    QLineEdit* cdven;
    QPlainTextEdit* ia;
};
// Fills the header boxes from the order's row, when there is one.
void carregaCabecalho(qint64 osnr, const Cabecalho& caixas);

// Stores the header boxes into the order's row, whose date box holds a
// checked date; false (the user told why) when nothing was stored.
bool gravaCabecalho(QLineEdit* osno, const Cabecalho& caixas);

} // namespace orderlookups
