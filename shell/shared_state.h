#pragma once

#include <QString>
#include <QVariant>

namespace db {
class Connection;
class Command;
} // namespace db

// Process-wide values through which the windows hand things to each other.
// Each lives for the whole run and starts empty.
namespace shared {

inline QString gConexao;        // connection string built from the settings file
inline QString gUsuario;        // logged-in user
inline QString gLogado;         // "S" after a good login, "N" after log-off
inline QString gRetorno;        // "N" before a modal dialog, "S" when it did its task
inline QString gCodigoPesquisa; // code a picker hands back; empty means cancelled
inline QString gNomePesquisa;   // name a picker hands back, or a picker's mode
// The CPF/CNPJ check's answer (a bool) or a permission answer ("1" blocked).
inline QVariant gResultado;
inline QString gDocFormatado; // last validated document, punctuated, or empty
inline QString gModoOS;       // "O" quotes, "A" orders in progress
inline QString gEmpCpf;
inline QString gEmpNome;
inline QString gEmpFone;
inline QString gEmpFantasia;
inline QString gArquivoTXT; // text report just written
inline QString gArquivoPDF; // PDF just written or to be written

// The one shared connection: created on first use, never released.
db::Connection& gCn();
// The shared text command, bound to gCn before each use.
db::Command& gCmd();
// Opens gCn with gConexao when it is closed (the connection string is
// assigned from gConexao first, as every opener does).
void abreConexao();
// Closes gCn when it is open.
void fechaConexao();

} // namespace shared
