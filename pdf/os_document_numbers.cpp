#include "pdf/os_document_numbers.h"

namespace osformat {

QString numero(Decimal value) {
    return value.toBrTrimmed(0);
}

QString preco(Decimal value) {
    return value.toBrTrimmed(2);
}

QString duasCasas(Decimal value) {
    return value.toBr(2, false);
}

QString agrupado(Decimal value) {
    return value.toBr(2);
}

} // namespace osformat
