#pragma once

#include "platform/db/statement.h"

// The suppliers' and collaborators' tables: the same columns but their key
// and name, and only suppliers keep a nickname.
struct PessoaTabela {
    QString tabela;
    QString chave;
    QString nome;
    bool apelido;
};

inline const PessoaTabela kFornecedores{QStringLiteral("fornecedores"), QStringLiteral("cdfor"),
                                        QStringLiteral("nmfor"), true};
inline const PessoaTabela kVendedores{QStringLiteral("vendedores"), QStringLiteral("cdven"),
                                      QStringLiteral("nmven"), false};

// What the two registers write, as their boxes hold it (texts untrimmed).
struct PessoaDados {
    QString nome, apelido, cpf, rg, fonefixo, fonecel, email, rua, nrcasa, bairro, cidade, uf, obs,
        cep;
};

Statement pessoaInsert(const PessoaTabela& t, const PessoaDados& d, const QString& evcad,
                       const QString& ultev);
// Rewrites every column but the key and the creation stamp.
Statement pessoaUpdate(const PessoaTabela& t, qint64 codigo, const PessoaDados& d,
                       const QString& ultev);
