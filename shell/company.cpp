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

std::optional<Problema> problem(const Empresa& e) {
    const QString incorretos = QStringLiteral("--- ERRO --- DADOS INCORRETOS!");
    for (QString Empresa::*required :
         {&Empresa::nmemp, &Empresa::nmfant, &Empresa::rg, &Empresa::rua, &Empresa::bairro,
          &Empresa::cep, &Empresa::cidade, &Empresa::uf, &Empresa::email}) {
        const bool falta =
            required == &Empresa::cep ? !cepIsNumber(e.cep) : (e.*required).trimmed().isEmpty();
        if (falta)
            return Problema{incorretos, required};
    }
    if (!checkCpfCnpj(e.cpf).valid)
        return Problema{QStringLiteral("--- ERRO --- CPF/CNPJ INVÁLIDO!"), &Empresa::cpf};
    return std::nullopt;
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

void rememberStored(db::Connection& cn) {
    remember(read(cn).value_or(Empresa{}));
}

QString caption() {
    return shared::gEmpNome + QStringLiteral(" - ") + shared::gEmpFone;
}

} // namespace company
