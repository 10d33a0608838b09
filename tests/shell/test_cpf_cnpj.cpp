#include "shell/cpf_cnpj.h"
#include "shell/shared_state.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* input;
    bool valid;
    const char* formatted;
    const char* after; // the caller's text afterwards
};

} // namespace

TEST(CpfCnpj, ValidationTable) {
    const std::vector<Case> table = {
        // CPF, bare and punctuated.
        {"11144477735", true, "111.444.777-35", "11144477735"},
        {"111.444.777-35", true, "111.444.777-35", "111.444.777-35"},
        {"11144477734", false, "", "11144477734"},
        {"01234567890", true, "012.345.678-90", "01234567890"},
        // Remainders 0 and 1 give check digit 0.
        {"10000000108", true, "100.000.001-08", "10000000108"},
        {"10000000604", true, "100.000.006-04", "10000000604"},
        {"10000004600", true, "100.000.046-00", "10000004600"},
        // A 14-character text with "." in position 4 is a CPF, never a CNPJ.
        {"111.444.777-34", false, "", "111.444.777-34"},
        // CNPJ: a bare one is punctuated in the caller's text, valid or not.
        {"11444777000161", true, "11.444.777/0001-61", "11.444.777/0001-61"},
        {"11.444.777/0001-61", true, "11.444.777/0001-61", "11.444.777/0001-61"},
        {"11444777000162", false, "", "11.444.777/0001-62"},
        {"00000000000191", true, "00.000.000/0001-91", "00.000.000/0001-91"},
        // The "CPF" mark is taken as it is.
        {"123.456.789-00 CPF", true, "123.456.789-00 CPF", "123.456.789-00 CPF"},
        // Refused at once.
        {"", false, "", ""},
        {"A1144477735", false, "", "A1144477735"},
        {"1114447773", false, "", "1114447773"},
        {"1144477700016100000", false, "", "1144477700016100000"},
        // Alphanumeric CNPJs: capitals count as their code minus 48.
        {"12ABC34501DE35", true, "12.ABC.345/01DE-35", "12.ABC.345/01DE-35"},
        {"12.ABC.345/01DE-35", true, "12.ABC.345/01DE-35", "12.ABC.345/01DE-35"},
        {"AB12CD34EF5602", true, "AB.12C.D34/EF56-02", "AB.12C.D34/EF56-02"},
        {"12ABC34501DE36", false, "", "12.ABC.345/01DE-36"},
        {"ab12cd34ef5602", false, "", "ab12cd34ef5602"},
        {"AB12CD34EF56XX", false, "", "AB12CD34EF56XX"},
    };
    for (const Case& c : table) {
        QString doc = QString::fromLatin1(c.input);
        ValidaCpfCnpj(doc);
        EXPECT_EQ(shared::gResultado.toBool(), c.valid) << c.input;
        EXPECT_EQ(shared::gDocFormatado, QString::fromLatin1(c.formatted)) << c.input;
        EXPECT_EQ(doc, QString::fromLatin1(c.after)) << c.input;
    }
}

TEST(CpfCnpj, ALetterOrSymbolLeftMakesTheDocumentInvalid) {
    // Each would pass if the character counted as 0: 100.000.000-19 and
    // 00.000.000/0001-91 are valid.
    for (const char* input :
         {"0x000000000", "1A0.000.000-19", "1+0.000.000-19", "1 0.000.000-19", "100.000.000/19",
          "0a.000.000/0001-91", "0a000000000191", "0*.000.000/0001-91", "00.000.000/0001+91"}) {
        SCOPED_TRACE(input);
        QString doc = QString::fromLatin1(input);
        ValidaCpfCnpj(doc);
        EXPECT_FALSE(shared::gResultado.toBool());
        EXPECT_TRUE(shared::gDocFormatado.isEmpty());
    }
    // Separators are not counted.
    EXPECT_TRUE(checkCpfCnpj(QStringLiteral("100.000.000-19")).valid);
    EXPECT_TRUE(checkCpfCnpj(QStringLiteral("00.000.000/0001-91")).valid);
    EXPECT_TRUE(checkCpfCnpj(QStringLiteral("12.ABC.345/01DE-35")).valid);
}
