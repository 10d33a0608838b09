#include "registers/grupo_statements.h"

Statement grupoInsert(const QString& dsgrupo) {
    return {QStringLiteral("insert into grupoestoque (dsgrupo) values (?)"), {dsgrupo}};
}

Statement grupoUpdate(qint64 cdgrupo, const QString& dsgrupo) {
    return {QStringLiteral("update grupoestoque set dsgrupo = ? where cdgrupo = ?"),
            {dsgrupo, cdgrupo}};
}
