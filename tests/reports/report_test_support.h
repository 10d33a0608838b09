#pragma once

// Shared by the report tests: the writer tests' checkers, files in a
// program folder of their own, and a database whose tables start empty.

#include "platform/cp1252.h"
#include "platform/db/connection.h"
#include "shell/shared_state.h"
#include "tests/pdf/pdf_test_support.h"
#include "tests/support/database_test.h"

namespace reporttest {

using pdftest::expectQpdfClean;
using pdftest::pageSizes;
using pdftest::pdfText;
using pdftest::readFile;
using pdftest::writeFile;

// Lines joined by CR LF, each ended by one, in Windows-1252.
inline QByteArray crlfLines(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines)
        out += cp1252::encode(line) + "\r\n";
    return out;
}

// A program folder and a creation date of their own for every test.
using FileTest = pdftest::PdfTest;

// One database per test program; every test starts from empty tables, a
// logged-in user, a company and scripted dialogs.
class DatabaseTest : public testsupport::DatabaseTestOf<FileTest> {
protected:
    void SetUp() override {
        FileTest::SetUp();
        shared::gEmpCpf = QStringLiteral("12.345.678/0001-95");
        shared::gEmpNome = QStringLiteral("OFICINA AÇO");
        shared::gEmpFone = QStringLiteral("(11) 5555-0000");
        startClean(QStringLiteral("CAIXA"),
                   {"cliente", "fornecedores", "creceber", "creceber_recibos", "cpagar", "os_cab",
                    "os_srv", "os_custos"});
    }
};

} // namespace reporttest
