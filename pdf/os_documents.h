#pragma once

#include <QString>

// The service-order documents: A4 pages written to temp/OS_<number>.pdf
// under the program folder, drawn from what is stored of the order, its
// client, its service lines and the company. The number is taken with the
// blanks around it trimmed and must be made of digits ("007" writes
// OS_007.pdf). gArquivoPDF is emptied first and names the file once it is
// written. A text that is no order number writes nothing and returns false;
// a failure throws db::DbError or PDFError and leaves no file.
bool ImprimeOSSimplificada(const QString& osnr);
// The same document with the order's costs by category and the totals of
// supplies, labour and all costs.
bool ImprimeOSDetalhada(const QString& osnr);
