#pragma once

#include "platform/db/statement.h"

#include <QDate>

// What the client register writes, as its boxes hold it (texts untrimmed).
struct ClienteDados {
    QString nmcli, nmfant;
    QDate dtcadastro, dtnascimento;
    QString cpf, rg, fonefixo, fonecel, email, rua, nrcasa, bairro, cidade, uf, obs, cep;
};

Statement clienteInsert(const ClienteDados& c, const QString& evcad, const QString& ultev);
// Rewrites every column but the key and the creation stamp.
Statement clienteUpdate(qint64 cdcli, const ClienteDados& c, const QString& ultev);
