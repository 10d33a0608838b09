#pragma once

#include "platform/dialogs.h"

#include <QString>
#include <optional>

// The settings file quendaro.ini in the program folder: section CONFIG with
// the scrambled server, password, database and user.
namespace settings {

struct Values {
    QString server;   // key conexao
    QString password; // key senha
    QString database; // key banco
    QString user;     // key userbco
};

inline const QString kMissingKey = QStringLiteral("DefaultUser");

// The path of the settings file, whatever the letter case it was saved with.
QString filePath();
bool fileExists();

// One key's value, whole; `defaultValue` when the key or section is missing.
QString LeINI(const QString& section, const QString& key, const QString& defaultValue,
              const QString& file);

// The four descrambled values; empty when the file does not exist.
Values read();
// The refusal of values the file's code page cannot keep (written as '?',
// they would fail every later login), naming the first such box in the
// window's order; none when every value fits.
std::optional<dlg::Message> unsupportedValue(const Values& values);
// Replaces the file with the five lines of the scrambled, blank-trimmed
// values; a new file is readable and writable by its owner only, one that
// exists keeps its permissions. Returns an error text, empty on success.
QString write(const Values& values);

QString connectionString(const Values& values);
// Builds shared::gConexao from the settings file.
void MontaConexao();

} // namespace settings
