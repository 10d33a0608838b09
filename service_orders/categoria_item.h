#pragma once

#include <QString>
#include <optional>

// A cost category as the category lists show it: "NAME | code".
QString itemCategoria(const QString& dsgrupo, const QString& cdgrupo);
// The code of such an item: the whole number after its last "|" (a name may
// hold a "|" itself); none for an empty or typed text without one.
std::optional<qint64> codigoCategoria(const QString& item);
