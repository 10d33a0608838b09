#pragma once

#include <QString>
#include <QStringList>

// The main window's background: `planofundo.jpg` in the program folder, a
// plain copy of the picture the user chose.
namespace background {

QString file();
// The JPEG pictures of a folder ("*.jpg" in any letter case), by name.
QStringList pictures(const QString& folder);

enum class CopyResult { Copied, SameFile, Failed };
// Makes `source` the background, replacing the old one only once the copy is
// whole. The background itself as source copies nothing.
CopyResult copy(const QString& source, QString* error);
// Deletes the background, read-only or not; true when none is left.
bool remove(QString* error);

} // namespace background
