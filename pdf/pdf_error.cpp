#include "pdf/pdf_error.h"

PDFError::PDFError(Kind kind, const QString& message)
    : std::runtime_error(message.toStdString()), kind_(kind), message_(message) {}
