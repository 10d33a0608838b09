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

Statement centroNome(const CentroTabela& t, qint64 codigo) {
    return {QStringLiteral("select %1 from %2 where %3 = ?").arg(t.coluna, t.nome, t.chave),
            {codigo}};
}
