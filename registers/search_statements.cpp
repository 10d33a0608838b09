#include "registers/search_statements.h"

Statement tableList(const QString& table, const QString& order) {
    return {QStringLiteral("select * from %1 order by %2").arg(table, order), {}};
}

Statement containsSearch(const QString& table, const QString& column, const QString& order,
                         const QString& text) {
    return {QStringLiteral("select * from %1 where %2 like concat('%', ?, '%') order by %3")
                .arg(table, column, order),
            {db::likeText(text)}};
}

Statement phoneSearch(const QString& table, const QString& order, const QString& text) {
    return {QStringLiteral("select * from %1 where fonefixo like concat('%', ?, '%') or fonecel "
                           "like concat('%', ?, '%') order by %2")
                .arg(table, order),
            {db::likeText(text), db::likeText(text)}};
}
