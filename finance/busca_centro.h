#pragma once

#include "finance/centro_tabela.h"
#include "registers/busca_por_nome.h"

// What the cost-centre and sub-centre pickers share: their list, search and
// hand-back over one of the two cost lists.
class BuscaCentro : public BuscaPorNome {
    Q_OBJECT
protected:
    BuscaCentro(QWidget* parent, const CentroTabela& t, const QString& caption)
        : BuscaPorNome(parent, t, false) {
        setWindowTitle(caption);
    }
};
