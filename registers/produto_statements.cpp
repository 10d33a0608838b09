#include "registers/produto_statements.h"

Statement produtoInsert(const ProdutoDados& p, const QString& evcad, const QString& ultev) {
    return {QStringLiteral("insert into produtos (cdpro, evcad, dspro, un, cdgrupo, vcusto, ultev, "
                           "dtucmp, obs, qmin) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {p.cdpro, evcad, p.dspro, p.un, p.cdgrupo, p.vcusto, ultev, p.dtucmp, p.obs, p.qmin}};
}

Statement produtoUpdate(const ProdutoDados& p, const QString& ultev) {
    return {QStringLiteral("update produtos set dspro = ?, un = ?, cdgrupo = ?, vcusto = ?, "
                           "ultev = ?, dtucmp = ?, obs = ?, qmin = ? where cdpro = ?"),
            {p.dspro, p.un, p.cdgrupo, p.vcusto, ultev, p.dtucmp, p.obs, p.qmin, p.cdpro}};
}
