#pragma once

#include "platform/db/loaded_row.h"

#include <QString>
#include <QStringList>
#include <vector>

// The user accounts (`usuarios`) and their per-menu profiles (`perfilusuario`).
// Names reach here trimmed; every statement uses them as given.
namespace users {

QStringList names(db::Connection& cn);

// A user as a window read it: a save writes over the user's rows only while
// they are still stored as read. Default: a name with no rows at all.
struct Stored {
    bool exists = false;
    QString password;
    // For each item asked for, whether the profile under the stored password
    // allows it: a row whose `valor` is not "1"; the last row of an item
    // decides and an item without a row is blocked.
    std::vector<bool> allowed;
    db::LoadedRow user = db::LoadedRow::none();
    db::LoadedRows profile = db::LoadedRows::none();
};
// The user and the whole profile stored under the name, read as one.
Stored find(db::Connection& cn, const QString& name, const QStringList& items = {});

struct ProfileEntry {
    QString item;
    bool allowed = false;
};

// Inserts or updates the user and rewrites the whole profile under the new
// password, all or nothing, while the user's rows are still as `loaded`
// (Saved). Otherwise nothing is written: Gone when the user is no longer
// stored, Changed for any other change.
db::Overwrite save(db::Connection& cn, const QString& name, const QString& password,
                   const Stored& loaded, const std::vector<ProfileEntry>& profile);
// Deletes the profile and the user, all or nothing.
void remove(db::Connection& cn, const QString& name);

} // namespace users
