#include "registers/pessoa_statements.h"

namespace {

// Column names and values in one order; the nickname only where kept.
QList<QPair<QString, QString>> columns(const PessoaTabela& t, const PessoaDados& d) {
    QList<QPair<QString, QString>> out{{t.nome, d.nome}};
    if (t.apelido)
        out.append({QStringLiteral("nmfant"), d.apelido});
    out.append({{QStringLiteral("cpf"), d.cpf},
                {QStringLiteral("rg"), d.rg},
                {QStringLiteral("fonefixo"), d.fonefixo},
                {QStringLiteral("fonecel"), d.fonecel},
                {QStringLiteral("email"), d.email},
                {QStringLiteral("rua"), d.rua},
                {QStringLiteral("nrcasa"), d.nrcasa},
                {QStringLiteral("bairro"), d.bairro},
                {QStringLiteral("cidade"), d.cidade},
                {QStringLiteral("uf"), d.uf},
                {QStringLiteral("obs"), d.obs},
                {QStringLiteral("cep"), d.cep}});
    return out;
}

} // namespace

Statement pessoaInsert(const PessoaTabela& t, const PessoaDados& d, const QString& evcad,
                       const QString& ultev) {
    QStringList names;
    Statement s;
    for (const auto& [name, value] : columns(t, d)) {
        names << name;
        s.params.push_back(value);
    }
    names << QStringLiteral("evcad") << QStringLiteral("ultev");
    s.params.push_back(evcad);
    s.params.push_back(ultev);
    QStringList marks;
    for (qsizetype i = 0; i < names.size(); ++i)
        marks << QStringLiteral("?");
    s.sql = QStringLiteral("insert into %1 (%2) values (%3)")
                .arg(t.tabela, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    return s;
}

Statement pessoaUpdate(const PessoaTabela& t, qint64 codigo, const PessoaDados& d,
                       const QString& ultev) {
    QStringList sets{QStringLiteral("ultev = ?")};
    Statement s;
    s.params.push_back(ultev);
    for (const auto& [name, value] : columns(t, d)) {
        sets << name + QStringLiteral(" = ?");
        s.params.push_back(value);
    }
    s.params.push_back(codigo);
    s.sql = QStringLiteral("update %1 set %2 where %3 = ?")
                .arg(t.tabela, sets.join(QStringLiteral(", ")), t.chave);
    return s;
}
