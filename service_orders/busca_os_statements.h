#pragma once

#include "registers/statement.h"

// The order picker's searches: orders of any status, with their client, whose
// client name (orders without a client row never match) or requester holds
// the typed text, by client name and then order date.
Statement buscaOsPorCliente(const QString& text);
Statement buscaOsPorSolicitante(const QString& text);
