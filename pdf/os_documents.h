#pragma once

#include <QString>

// The service-order documents: one A4 page written to temp/OS_<osnr>.pdf
// under the program folder, drawn from what is stored of the order, its
// client, its service lines and the company. The path is left in
// gArquivoPDF. A text that is not a number writes nothing, leaves
// gArquivoPDF alone and returns false. A failure throws db::DbError or
// PDFError and leaves no file.
bool ImprimeOSSimplificada(const QString& osnr);
// The same document with the order's costs by category and the totals of
// supplies, labour and all costs.
bool ImprimeOSDetalhada(const QString& osnr);
