#pragma once

#include "finance/frmCPagar_BaixaPendente.h"
#include "tests/support/database_test.h"
#include "tests/support/modal.h"

#include <QAbstractItemModel>
#include <QListWidget>
#include <QStringList>
#include <gtest/gtest.h>

namespace fintest {

// The finance tests' database: these tables start empty for every test.
class FinanceTest : public testsupport::DatabaseTest {
protected:
    void SetUp() override {
        startClean(QStringLiteral("CAIXA"),
                   {"centrocusto", "subcentrocusto", "cpagar", "cpagar_recibos", "creceber",
                    "creceber_recibos", "creceber_recibos_mp", "recibos_emitidos", "fornecedores",
                    "cliente", "perfilusuario"});
    }

    void addSupplier(const QString& name) {
        cn.execute(QStringLiteral("insert into fornecedores (nmfor) values (?)"), {name});
    }
    void addClient(const QString& name) {
        cn.execute(QStringLiteral("insert into cliente (nmcli) values (?)"), {name});
    }
};

using testsupport::columnTexts;

// The open receipts listed in a settlement window, the first one resumed.
template <class Baixa> void resumeFirst(Baixa& f) {
    testsupport::whenModal<frmCPagar_BaixaPendente>([](frmCPagar_BaixaPendente* p) {
        p->List1->setCurrentRow(0);
        p->List1_DblClick();
    });
    f.Command18_Click();
}

} // namespace fintest
