#include "registers/cliente_statements.h"

Statement clienteInsert(const ClienteDados& c, const QString& evcad, const QString& ultev) {
    return {
        QStringLiteral("insert into cliente (nmcli,nmfant,dtcadastro,dtnascimento,cpf,rg,"
                       "fonefixo,fonecel,email,rua,nrcasa,bairro,cidade,uf,obs,cep,evcad,ultev) "
                       "values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
        {c.nmcli, c.nmfant, c.dtcadastro, c.dtnascimento, c.cpf, c.rg, c.fonefixo, c.fonecel,
         c.email, c.rua, c.nrcasa, c.bairro, c.cidade, c.uf, c.obs, c.cep, evcad, ultev}};
}

Statement clienteUpdate(qint64 cdcli, const ClienteDados& c, const QString& ultev) {
    return {QStringLiteral("update cliente set ultev = ?, cep = ?, nmcli = ?, nmfant = ?, "
                           "dtcadastro = ?, dtnascimento = ?, cpf = ?, rg = ?, fonefixo = ?, "
                           "fonecel = ?, email = ?, rua = ?, nrcasa = ?, bairro = ?, cidade = ?, "
                           "uf = ?, obs = ? where cdcli = ?"),
            {ultev, c.cep, c.nmcli, c.nmfant, c.dtcadastro, c.dtnascimento, c.cpf, c.rg, c.fonefixo,
             c.fonecel, c.email, c.rua, c.nrcasa, c.bairro, c.cidade, c.uf, c.obs, cdcli}};
}
