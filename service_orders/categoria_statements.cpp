#include "service_orders/categoria_statements.h"

Statement categoriaInsert(const QString& dsgrupo) {
    return {QStringLiteral("insert into categorias (dsgrupo) values (?)"), {dsgrupo}};
}

Statement categoriaUpdate(qint64 cdgrupo, const QString& dsgrupo) {
    return {QStringLiteral("update categorias set dsgrupo = ? where cdgrupo = ?"),
            {dsgrupo, cdgrupo}};
}
