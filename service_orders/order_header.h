#pragma once

#include "platform/db/loaded_row.h"
#include "platform/db/statement.h"
#include "platform/dialogs.h"

#include <QDate>
#include <QString>
#include <optional>

// The header of one service order as the order windows show and save it.
namespace orderheader {

// The whole-number part of a typed number ("12", "12,7" → 12); nothing for
// a text that is not a number.
std::optional<qint64> parteInteira(const QString& typed);

struct Cabecalho {
    std::optional<QDate> dtos;
    qint64 cdcli = 0;
    QString ossit;
    QString nmsol;
    QString fone;
    qint64 cdven = 0;
    QString infadicional;
    db::LoadedRow lida; // the row as read, which a save may write over
};
std::optional<Cabecalho> le(db::Connection& connection, qint64 osnr);

struct Cliente {
    QString nmcli, cpf, rg, rua, nrcasa, cep, bairro, cidade, uf;
};
std::optional<Cliente> cliente(db::Connection& connection, qint64 cdcli);
// The collaborator's name, or empty text when there is none.
QString colaborador(db::Connection& connection, qint64 cdven);

// The header boxes as typed.
struct Digitado {
    QString cdcli, nmcli, cdven, nmven, nmsol, data;
};
// A header may be stored when the client and the collaborator are numbers
// whose names were found, the requester is named and the date is a real
// dd/mm/yyyy date. A code that is no number is never written, even beside a
// name.
bool completo(const Digitado& header);

struct Gravacao {
    qint64 osnr = 0;
    QDate dtos;
    QString infadicional;
    qint64 cdcli = 0;
    QString ossit;
    QString nmsol;
    QString fone;
    qint64 cdven = 0;
    // The order stamp of this save: it becomes the closing stamp `uev` when
    // the save completes the order (status 4 over another status).
    QString stamp;
};
// What a header save came to: the row check's outcome, with the rows as
// stored now, or a refusal.
struct Gravado {
    db::SaveOver salvo;
    std::optional<dlg::Message> recusa;
};
// Rewrites the header columns under the header's lock, only while the
// order's row is still as `lida` holds it; a save that completes the order
// first checks its plan against its services under that lock, and a new
// client takes the order's instalments with it. A refusal, with nothing
// written, when the order is gone, already completed, its plan no longer adds
// up or a new client would leave money received under the former one;
// `Changed`, nothing written, when another station saved it since it was
// loaded.
Gravado grava(db::Connection& connection, const Gravacao& header, const db::LoadedRow& lida);

// What such a save would find, writing nothing: the order gone or
// completed, or its row changed since it was loaded.
Gravado confere(db::Connection& connection, qint64 osnr, const db::LoadedRow& lida);

// The two steps of that save, for a unit of work that already holds the
// header's lock: whether the row is still as loaded, then, over the row so
// read (`lido`), the header's own refusals or its writes.
db::SaveOver confereLida(db::Connection& connection, qint64 osnr, const db::LoadedRow& lida);
std::optional<dlg::Message> escreve(db::Connection& connection, const Gravacao& header,
                                    const db::Recordset& lido);
// The header row as a save reads it back, locked.
Statement armazenado(qint64 osnr);

dlg::Message clienteComRecebimento();

} // namespace orderheader
