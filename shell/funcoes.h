#pragma once

#include <QString>

class QLineEdit;

// Small helpers every window calls.

// Sends keys to the focused control as if typed; "{TAB}" moves to the next
// control without a Tab that a multi-line box would take as text.
void EnviaTeclas(const QString& teclas, bool espera = false);
// Moves the focus to the next (or previous) control of the focused one's
// window that takes it from the keyboard, passing read-only and disabled
// boxes by; false when there is none.
bool focusNeighbour(bool next);

// Typing filter of a dd/mm/yyyy box: digits pass (with "/" inserted after the
// day and the month), backspace passes, anything else becomes 0.
void MascaraData(int& keyAscii, QLineEdit* caixa);

// Postal-code lookup: "address|district|city|state|municipality code", a "|"
// inside a part turned into a blank; empty text when there is no answer or
// the answer is not a well-formed document.
QString BuscaCep(const QString& cep);
// Base address of the postal-code service (QUENDARO_CEP_URL overrides it).
QString cepServiceBase();

// "1" (blocked) or the stored mark of the user's profile row for the item.
QString PermissaoUsuario(const QString& usuario, const QString& item);

// A folder chosen by the user; empty when cancelled.
QString ProcuraPasta();
