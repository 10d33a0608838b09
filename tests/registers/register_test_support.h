#pragma once

#include "tests/support/database_test.h"
#include "tests/support/typing.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace regtest {

// The register tests' database: these tables start empty for every test.
class RegisterTest : public testsupport::DatabaseTest {
protected:
    void SetUp() override {
        startClean(QStringLiteral("TESTE"), {"grupoestoque", "cliente", "fornecedores",
                                             "vendedores", "produtos", "perfilusuario"});
    }
};

using testsupport::columnTexts;

// What a register says of a save over a row another station changed or
// deleted since the window loaded it.
inline const QString kChangedElsewhere =
    QStringLiteral("--- ERRO --- CADASTRO ALTERADO EM OUTRA ESTAÇÃO! DADOS RECARREGADOS.");
inline const QString kGoneElsewhere =
    QStringLiteral("--- ERRO --- CADASTRO NÃO ENCONTRADO! CONSULTE NOVAMENTE.");

} // namespace regtest
