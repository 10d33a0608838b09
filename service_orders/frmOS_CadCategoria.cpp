#include "service_orders/frmOS_CadCategoria.h"

frmOS_CadCategoria::frmOS_CadCategoria(QWidget* parent)
    : frmCadGrupoEstoque(parent, QStringLiteral("frmOS_CadCategoria"),
                         QStringLiteral("Cadastro de Categorias"), QStringLiteral("categorias"),
                         true) {}
