#pragma once

#include <QString>
#include <optional>

namespace db {
class Connection;
}

// The one company that uses the program (table `empresa`).
namespace company {

struct Empresa {
    QString cpf; // CNPJ or CPF, as typed
    QString rg;  // state registration
    QString nmemp;
    QString nmfant;
    QString rua;
    QString bairro;
    QString cep;
    QString cidade;
    QString uf;
    QString fone;
    QString email;
};

// The last row read, or none when the table is empty.
std::optional<Empresa> read(db::Connection& cn);

// The message that refuses the data, or empty text when it may be saved.
QString problem(const Empresa& e);

// Inserts the row, or (when one exists) rewrites every row of the table with
// the texts as given. False when the rows to rewrite are gone: another
// workstation deleted them since they were read.
bool save(db::Connection& cn, const Empresa& e, bool exists);

// A postal code that reads as a number, written with at least eight digits;
// any other text unchanged.
QString formatCep(const QString& cep);
bool cepIsNumber(const QString& cep);

// The main window's caption: the company name, " - " and its phone, as the
// start-up read them.
QString caption();

} // namespace company
