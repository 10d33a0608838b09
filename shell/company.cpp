#include "shell/company.h"

#include "platform/db/connection.h"
#include "shell/shared_state.h"

void readCompany(db::Connection& connection) {
    shared::gEmpCpf.clear();
    shared::gEmpNome.clear();
    shared::gEmpFone.clear();
    db::Recordset rows = connection.query(QStringLiteral("select * from empresa"));
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        shared::gEmpCpf = rows.text(QStringLiteral("cpf"));
        shared::gEmpNome = rows.text(QStringLiteral("nmemp"));
        shared::gEmpFantasia = rows.text(QStringLiteral("nmfant"));
        shared::gEmpFone = rows.text(QStringLiteral("fone"));
    }
}
