#pragma once

#include "tests/service_orders/core_order_test.h"
#include "tests/support/lasting_conflict.h"

#include <QApplication>
#include <QWidget>

namespace supplytest {

inline const QString kEmUso =
    QStringLiteral("--- ERRO --- REGISTRO EM USO POR OUTRO USUÁRIO! TENTE NOVAMENTE.");

// The order fixture with the category and purchase tables emptied too, and
// helpers that put rows in place the way other windows would.
class SupplyTest : public ordertest::OrderTest {
protected:
    void SetUp() override {
        OrderTest::SetUp();
        for (const char* table : {"categorias", "insumos_cmp"})
            cn.execute(QStringLiteral("TRUNCATE TABLE %1").arg(QLatin1String(table)));
    }

    qint64 addCategory(const QString& name) {
        cn.execute(QStringLiteral("insert into categorias (dsgrupo) values (?)"), {name});
        return cn.lastInsertId();
    }
    // An order of `status` for a client (0: none); returns its number.
    qint64 addOrder(const QString& status, qint64 client = 0, const QString& requester = {},
                    const QString& date = QStringLiteral("2024-05-02")) {
        cn.execute(QStringLiteral("insert into os_cab (dtos, cdcli, ossit, nmsol) values (?, ?, "
                                  "?, ?)"),
                   {date, client, status, requester});
        return cn.lastInsertId();
    }
    qint64 addClient(const QString& name) {
        cn.execute(QStringLiteral("insert into cliente (nmcli) values (?)"), {name});
        return cn.lastInsertId();
    }
    void addSupply(const QString& code, const QString& name, const QString& unit,
                   const QString& cost) {
        cn.execute(QStringLiteral("insert into produtos (cdpro, dspro, un, vcusto) values (?, ?, "
                                  "?, ?)"),
                   {code, name, unit, cost});
    }
    qint64 addSupplier(const QString& name) {
        cn.execute(QStringLiteral("insert into fornecedores (nmfor) values (?)"), {name});
        return cn.lastInsertId();
    }
    // Shows a window as the user would have it, active and on screen.
    static void showActive(QWidget* form) {
        form->show();
        QApplication::setActiveWindow(form);
        QApplication::processEvents();
    }
};

} // namespace supplytest
