#include "finance/centro_tabela.h"

const CentroTabela& centrosDeCusto() {
    static const CentroTabela t{QStringLiteral("centrocusto"), QStringLiteral("cdcen"),
                                QStringLiteral("nmcen"), QStringLiteral("fincadcentro")};
    return t;
}

const CentroTabela& subCentrosDeCusto() {
    static const CentroTabela t{QStringLiteral("subcentrocusto"), QStringLiteral("cdscen"),
                                QStringLiteral("nmscen"), QStringLiteral("finscentro")};
    return t;
}

Statement centroLista(const CentroTabela& t) {
    return {QStringLiteral("select * from %1 order by %2").arg(t.tabela, t.coluna), {}};
}

Statement centroInsert(const CentroTabela& t, const QString& nome) {
    return {QStringLiteral("insert into %1 (%2) values (?)").arg(t.tabela, t.coluna), {nome}};
}

Statement centroUpdate(const CentroTabela& t, qint64 codigo, const QString& nome) {
    return {QStringLiteral("update %1 set %2 = ? where %3 = ?").arg(t.tabela, t.coluna, t.chave),
            {nome, codigo}};
}

Statement centroNome(const CentroTabela& t, qint64 codigo) {
    return {QStringLiteral("select %1 from %2 where %3 = ?").arg(t.coluna, t.tabela, t.chave),
            {codigo}};
}
