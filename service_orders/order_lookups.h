#pragma once

#include "platform/db/loaded_row.h"
#include "service_orders/order_header.h"

#include <QString>
#include <optional>

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
// Fills the header boxes from the order's row, when there is one; the row as
// read, which a save may write over (nothing when none was read).
db::LoadedRow carregaCabecalho(qint64 osnr, const Cabecalho& caixas);

// The header boxes as a save stores them; the date box holds a checked date.
orderheader::Gravacao gravacao(const QLineEdit* osno, const Cabecalho& caixas);
// Stores the header boxes into the order's row while it is still as `lida`
// holds it. Nothing when the statement failed (the user told why).
std::optional<orderheader::Gravado> gravaCabecalho(QLineEdit* osno, const Cabecalho& caixas,
                                                   const db::LoadedRow& lida);
// What that save would find now, writing nothing.
std::optional<orderheader::Gravado> confereCabecalho(const QLineEdit* osno,
                                                     const db::LoadedRow& lida);

} // namespace orderlookups
