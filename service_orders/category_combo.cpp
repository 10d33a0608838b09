#include "service_orders/category_combo.h"

#include "platform/busy_guard.h"
#include "platform/db/data_control.h"
#include "platform/dialogs.h"
#include "service_orders/categoria_item.h"
#include "shell/shared_state.h"

#include <QComboBox>

void preencheCategorias(db::DataControl* control, QComboBox* combo) {
    combo->clear();
    try {
        BusyGuard busy;
        control->setConnectionString(shared::gConexao);
        control->setRecordSource(QStringLiteral("select * from categorias"));
        control->refresh();
    } catch (const db::DbError& e) {
        dlg::showError(e);
        return;
    }
    db::Recordset rows = control->recordset();
    for (rows.moveFirst(); !rows.eof(); rows.moveNext())
        combo->addItem(itemCategoria(rows.text(QStringLiteral("dsgrupo")),
                                     rows.text(QStringLiteral("cdgrupo"))));
    combo->setCurrentIndex(-1);
    control->close();
}
