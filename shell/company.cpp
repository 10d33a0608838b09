#include "shell/company.h"

#include "platform/db/connection.h"
#include "platform/digits.h"
#include "shell/cpf_cnpj.h"
#include "shell/shared_state.h"

namespace company {

Stored stored(const db::Recordset& rows) {
    if (rows.isEmpty())
        return {std::nullopt, db::LoadedRow::none()};
    db::Recordset r = rows;
    r.moveLast();
    return {Empresa{r.text(QStringLiteral("cpf")), r.text(QStringLiteral("rg")),
                    r.text(QStringLiteral("nmemp")), r.text(QStringLiteral("nmfant")),
                    r.text(QStringLiteral("rua")), r.text(QStringLiteral("bairro")),
                    r.text(QStringLiteral("cep")), r.text(QStringLiteral("cidade")),
                    r.text(QStringLiteral("uf")), r.text(QStringLiteral("fone")),
                    r.text(QStringLiteral("email"))},
            db::LoadedRow::of(r)};
}

Stored load(db::Connection& cn) {
    return stored(cn.query(QStringLiteral("select * from empresa")));
}

std::optional<Empresa> read(db::Connection& cn) {
    return load(cn).empresa;
}

QString problem(const Empresa& e) {
    for (const QString* required :
         {&e.nmemp, &e.nmfant, &e.rg, &e.rua, &e.bairro, &e.cidade, &e.uf, &e.email}) {
        if (required->trimmed().isEmpty())
            return QStringLiteral("--- ERRO --- DADOS INCORRETOS!");
    }
    if (!cepIsNumber(e.cep))
        return QStringLiteral("--- ERRO --- DADOS INCORRETOS!");
    if (!checkCpfCnpj(e.cpf).valid)
        return QStringLiteral("--- ERRO --- CPF/CNPJ INVÁLIDO!");
    return QString();
}

db::SaveOver save(db::Connection& cn, const Empresa& e, bool exists, const db::LoadedRow& loaded) {
    return db::saveOverLoaded(
        cn, {QStringLiteral("select * from empresa for update"), {}}, loaded,
        [&](db::Connection& on) {
            if (exists)
                on.execute(QStringLiteral("update empresa set nmemp = ?, nmfant = ?,cpf = ?, rg = "
                                          "?,rua = ?,bairro = ?, cep = ?,cidade = ?, uf = ?, fone "
                                          "= ?,email = ?"),
                           {e.nmemp, e.nmfant, e.cpf, e.rg, e.rua, e.bairro, e.cep, e.cidade, e.uf,
                            e.fone, e.email});
            else
                on.execute(
                    QStringLiteral("insert into empresa "
                                   "(cpf,rg,nmemp,nmfant,rua,bairro,cep,cidade,uf,fone,email) "
                                   "values (?,?,?,?,?,?,?,?,?,?,?)"),
                    {e.cpf, e.rg, e.nmemp, e.nmfant, e.rua, e.bairro, e.cep, e.cidade, e.uf, e.fone,
                     e.email});
        });
}

bool cepIsNumber(const QString& cep) {
    return isDigits(cep.trimmed());
}

QString formatCep(const QString& cep) {
    if (!cepIsNumber(cep))
        return cep;
    QString digits = cep.trimmed();
    // The number itself: leading zeros go, then come back as padding.
    while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        digits.remove(0, 1);
    return digits.rightJustified(8, QLatin1Char('0'));
}

void remember(const Empresa& e) {
    shared::gEmpCpf = e.cpf;
    shared::gEmpNome = e.nmemp;
    shared::gEmpFantasia = e.nmfant;
    shared::gEmpFone = e.fone;
}

QString caption() {
    return shared::gEmpNome + QStringLiteral(" - ") + shared::gEmpFone;
}

} // namespace company
