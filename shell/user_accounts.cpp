#include "shell/user_accounts.h"

#include "platform/db/connection.h"
#include "shell/profile_list.h"

namespace users {

QStringList names(db::Connection& cn) {
    const db::Recordset r =
        cn.query(QStringLiteral("select nmusuario from usuarios order by nmusuario"));
    QStringList out;
    for (qsizetype row = 0; row < r.rowCount(); ++row)
        out << r.textAt(row, 0);
    return out;
}

Stored find(db::Connection& cn, const QString& name) {
    const db::Recordset r = cn.query(
        QStringLiteral("select ususenha from usuarios where nmusuario = ?"), {db::text(name)});
    Stored out;
    for (qsizetype row = 0; row < r.rowCount(); ++row) {
        out.exists = true;
        out.password = r.textAt(row, 0);
    }
    return out;
}

std::vector<bool> allowedItems(db::Connection& cn, const QString& name, const QString& password,
                               const QStringList& items) {
    const db::Recordset r =
        cn.query(QStringLiteral(
                     "select campo, valor from perfilusuario where nmusuario = ? and ususenha = ?"),
                 {db::text(name), db::text(password)});
    std::vector<bool> out(items.size(), false);
    for (qsizetype i = 0; i < items.size(); ++i) {
        // The column compares as the database does: letter case and trailing
        // blanks ignored.
        const QString wanted = items.at(i).trimmed();
        for (qsizetype row = 0; row < r.rowCount(); ++row) {
            if (r.textAt(row, 0).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
                out[i] = r.textAt(row, 1) != QLatin1String("1");
        }
    }
    return out;
}

bool save(db::Connection& cn, const QString& name, const QString& password, bool exists,
          const std::vector<ProfileEntry>& profile) {
    db::Transaction transaction(cn);
    if (exists) {
        // Another workstation may have deleted the user since it was loaded.
        if (cn.execute(QStringLiteral("update usuarios set ususenha = ? WHERE nmusuario = ?"),
                       {db::text(password), db::text(name)}) == 0)
            return false;
    } else {
        cn.execute(QStringLiteral("insert into usuarios (nmusuario,ususenha) values (?,?)"),
                   {db::text(name), db::text(password)});
    }
    cn.execute(QStringLiteral("delete from perfilusuario where nmusuario = ?"), {db::text(name)});
    for (const ProfileEntry& entry : profile)
        cn.execute(QStringLiteral("insert into perfilusuario (nmusuario,ususenha,campo,valor) "
                                  "values (?,?,?,?)"),
                   {db::text(name), db::text(password), db::text(profileField(entry.item)),
                    db::text(entry.allowed ? QStringLiteral("0") : QStringLiteral("1"))});
    transaction.commit();
    return true;
}

void remove(db::Connection& cn, const QString& name) {
    db::Transaction transaction(cn);
    cn.execute(QStringLiteral("delete from perfilusuario where nmusuario = ?"), {db::text(name)});
    cn.execute(QStringLiteral("delete from usuarios where nmusuario = ?"), {db::text(name)});
    transaction.commit();
}

} // namespace users
