#pragma once

#include <QString>

// CPF and CNPJ check digits (modulo 11) and their punctuated forms.
struct DocumentCheck {
    bool valid = false;
    QString formatted; // punctuated form when valid, else empty
    QString document;  // the text as the check leaves it (a bare CNPJ is punctuated)
};

DocumentCheck checkCpfCnpj(const QString& document);

// Sets shared::gResultado and shared::gDocFormatado; a 14-character text that
// takes the CNPJ route is replaced by its punctuated form.
void ValidaCpfCnpj(QString& documento);
