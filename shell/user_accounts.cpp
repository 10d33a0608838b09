#include "shell/user_accounts.h"

#include "platform/db/connection.h"
#include "platform/db/unit_of_work.h"
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

namespace {

Statement userRow(const QString& name) {
    return {QStringLiteral("select * from usuarios where nmusuario = ?"), {db::text(name)}};
}

Statement profileRows(const QString& name) {
    return {QStringLiteral("select * from perfilusuario where nmusuario = ?"), {db::text(name)}};
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

} // namespace

Stored find(db::Connection& cn, const QString& name, const QStringList& items) {
    // One transaction, so what the window shows is what its save compares.
    return db::unitOfWork(cn, [&](db::Transaction&) {
        Stored out;
        db::Recordset user = cn.query(userRow(name));
        for (user.moveFirst(); !user.eof(); user.moveNext()) {
            out.exists = true;
            out.password = user.text(QStringLiteral("ususenha"));
            out.user = db::LoadedRow::of(user);
        }
        out.allowed = allowedItems(cn, name, out.password, items);
        out.profile = db::LoadedRows::of(cn.query(profileRows(name)));
        return out;
    });
}

db::Overwrite save(db::Connection& cn, const QString& name, const QString& password,
                   const Stored& loaded, const std::vector<ProfileEntry>& profile) {
    return db::unitOfWork(cn, [&](db::Transaction& transaction) {
        const db::Overwrite user =
            db::checkLoaded(cn, db::forUpdate(userRow(name)), loaded.user).outcome;
        if (user != db::Overwrite::Saved)
            return user;
        if (db::checkLoaded(cn, db::forUpdate(profileRows(name)), loaded.profile).outcome !=
            db::Overwrite::Saved)
            return db::Overwrite::Changed;
        if (loaded.exists)
            cn.execute(QStringLiteral("update usuarios set ususenha = ? WHERE nmusuario = ?"),
                       {db::text(password), db::text(name)});
        else
            cn.execute(QStringLiteral("insert into usuarios (nmusuario,ususenha) values (?,?)"),
                       {db::text(name), db::text(password)});
        cn.execute(QStringLiteral("delete from perfilusuario where nmusuario = ?"),
                   {db::text(name)});
        for (const ProfileEntry& entry : profile)
            cn.execute(QStringLiteral("insert into perfilusuario (nmusuario,ususenha,campo,valor) "
                                      "values (?,?,?,?)"),
                       {db::text(name), db::text(password), db::text(profileField(entry.item)),
                        db::text(entry.allowed ? QStringLiteral("0") : QStringLiteral("1"))});
        transaction.commit();
        return db::Overwrite::Saved;
    });
}

void remove(db::Connection& cn, const QString& name) {
    db::Transaction transaction(cn);
    cn.execute(QStringLiteral("delete from perfilusuario where nmusuario = ?"), {db::text(name)});
    cn.execute(QStringLiteral("delete from usuarios where nmusuario = ?"), {db::text(name)});
    transaction.commit();
}

} // namespace users
