#pragma once

#include "platform/db/loaded_row.h"

#include <QString>
#include <optional>

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

// The table as read: the company is its last row.
struct Stored {
    std::optional<Empresa> empresa; // none when the table is empty
    db::LoadedRow loaded;           // what a save may write over
};
Stored stored(const db::Recordset& rows);
Stored load(db::Connection& cn);
// The last row read, or none when the table is empty.
std::optional<Empresa> read(db::Connection& cn);

// Why the data may not be saved, and the field that is wrong.
struct Problema {
    QString texto;
    QString Empresa::*campo = nullptr;
};
// The first problem, in the order the fields are typed; none when the data
// may be saved.
std::optional<Problema> problem(const Empresa& e);

// Inserts the row, or (when one exists) rewrites every row of the table with
// the texts as given; only while the table still holds what was loaded (no
// row, for an insert). Otherwise nothing is written: the rows were deleted,
// or another workstation saved the company since it was read.
db::SaveOver save(db::Connection& cn, const Empresa& e, bool exists, const db::LoadedRow& loaded);

// A postal code that reads as a number, written with at least eight digits;
// any other text unchanged.
QString formatCep(const QString& cep);
bool cepIsNumber(const QString& cep);

// The company the program works for from now on: its document, names and
// phone in the shared values (all empty for none).
void remember(const Empresa& e);
// The same for the company as stored now.
void rememberStored(db::Connection& cn);
// The main window's caption: the company name, " - " and its phone, as last
// read or saved.
QString caption();

} // namespace company
