#include "registers/grupo_statements.h"

Statement grupoInsert(const QString& dsgrupo, const QString& table) {
    return {QStringLiteral("insert into %1 (dsgrupo) values (?)").arg(table), {dsgrupo}};
}

Statement grupoUpdate(qint64 cdgrupo, const QString& dsgrupo, const QString& table) {
    return {QStringLiteral("update %1 set dsgrupo = ? where cdgrupo = ?").arg(table),
            {dsgrupo, cdgrupo}};
}
