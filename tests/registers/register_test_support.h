#pragma once

#include "tests/support/database_test.h"
#include "tests/support/typing.h"

#include <QLineEdit>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFrame>
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

// The width a one-line box gives its text: its contents less the inner margins.
inline int textRoom(const QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QMargins margins = box->textMargins();
    constexpr int innerMargin = 2;
    return contents.width() - margins.left() - margins.right() - 2 * innerMargin;
}

} // namespace regtest
