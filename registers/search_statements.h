#pragma once

#include "platform/db/statement.h"

// Every row of the table, in the given order: what a list shows until a
// search narrows it.
Statement tableList(const QString& table, const QString& order);

// The lists' searches: every row whose column holds the typed text anywhere
// ("%" and "_" keep their wildcard meaning), in the given order.
Statement containsSearch(const QString& table, const QString& column, const QString& order,
                         const QString& text);
// Rows whose landline or mobile holds the typed text.
Statement phoneSearch(const QString& table, const QString& order, const QString& text);
