#pragma once

#include <QString>
#include <optional>

// What a register's code box holds. "A number" follows the system's typed
// number rule; a code is a whole number, compared and bound as an integer.
bool isNumeric(const QString& text);
std::optional<qint64> wholeCode(const QString& text);

// What "SALVAR" does with the code box: no number inserts a new row, a whole
// number updates that row, any other number (2.5) names no row at all.
struct SaveKey {
    enum Kind { Insert, Update, NoSuchCode };
    Kind kind = Insert;
    qint64 code = 0;
};
SaveKey saveKey(const QString& codeBox);
