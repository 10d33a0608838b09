#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace db {
class Connection;
}

// The user accounts (`usuarios`) and their per-menu profiles (`perfilusuario`).
// Names reach here trimmed; every statement uses them as given.
namespace users {

QStringList names(db::Connection& cn);

struct Stored {
    bool exists = false;
    QString password;
};
Stored find(db::Connection& cn, const QString& name);

// For each item name, whether the profile stored under (name, password)
// allows it: a row whose `valor` is not "1"; the last row of an item decides
// and an item without a row is blocked.
std::vector<bool> allowedItems(db::Connection& cn, const QString& name, const QString& password,
                               const QStringList& items);

struct ProfileEntry {
    QString item;
    bool allowed = false;
};

// Inserts or updates the user and rewrites the whole profile under the new
// password, all or nothing. False, with nothing written, when the user to
// update no longer exists.
bool save(db::Connection& cn, const QString& name, const QString& password, bool exists,
          const std::vector<ProfileEntry>& profile);
// Deletes the profile and the user, all or nothing.
void remove(db::Connection& cn, const QString& name);

} // namespace users
