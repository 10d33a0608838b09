#include "finance/recibo.h"
#include "platform/moeda.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace recibo;

TEST(ReciboRules, NumberMethodsAndLines) {
    EXPECT_EQ(numero(QDateTime(QDate(2026, 12, 8), QTime(14, 30, 5)), QStringLiteral(" CAIXA ")),
              QStringLiteral("261208143005CAIXA"));
    QStringList codes;
    for (const Meio& m : meios())
        codes << m.rotulo.left(3);
    EXPECT_EQ(codes.join(QLatin1Char(',')), QStringLiteral("CHE,DIN,DBC,CTC,PIX,TED,OUT"));

    const QString l =
        linha(Decimal::fromRaw(12345000), QStringLiteral("PIX"), QStringLiteral("BANCO|AGENCIA"));
    EXPECT_EQ(l, QStringLiteral("        1234,50|PIX|BANCO|AGENCIA"));
    const Linha lida = leLinha(l);
    EXPECT_EQ(lida.campoValor, QStringLiteral("        1234,50"));
    EXPECT_EQ(lida.codigo, QStringLiteral("PIX"));
    EXPECT_EQ(lida.obs, QStringLiteral("BANCO"));
    EXPECT_EQ(lida.valor.toSql(2), QStringLiteral("1234.50"));
    EXPECT_EQ(linha(Decimal::fromRaw(9999999999999900LL), QStringLiteral("OUT"), QString()),
              QStringLiteral("999999999999,99|OUT|"));
}

TEST(ReciboRules, LinesAddUpToTheCent) {
    const auto centavos = [](qint64 cents) { return Decimal::fromRaw(cents * 100); };
    EXPECT_EQ(soma({linha(centavos(10010), QStringLiteral("DIN"), {})}), centavos(10010));
    EXPECT_EQ(soma({linha(centavos(5005), QStringLiteral("DIN"), {}),
                    linha(centavos(5005), QStringLiteral("PIX"), {})}),
              centavos(10010));
    EXPECT_NE(soma({linha(centavos(5005), QStringLiteral("DIN"), {}),
                    linha(centavos(5004), QStringLiteral("PIX"), {})}),
              centavos(10010));
}

TEST(ReciboRules, PaymentAmounts) {
    struct Case {
        const char* typed;
        const char* message;
        const char* amount;
    };
    for (const Case& c :
         {Case{"abc", "--- ERRO --- VALOR INVÁLIDO!", nullptr},
          Case{"", "--- ERRO --- VALOR INVÁLIDO!", nullptr},
          Case{"0", "--- ERRO --- VALOR NÃO PODE SER MENOR E/OU IGUAL A ZERO!", nullptr},
          Case{"-5", "--- ERRO --- VALOR NÃO PODE SER MENOR E/OU IGUAL A ZERO!", nullptr},
          Case{"1.000.000.000.000", "--- ERRO --- VALOR INVÁLIDO!", nullptr},
          Case{"999.999.999.999,99", nullptr, "999999999999.99"},
          Case{"12,345", nullptr, "12.35"}}) {
        SCOPED_TRACE(c.typed);
        Decimal v;
        const auto aviso = confereValor(QString::fromUtf8(c.typed), v);
        if (c.message) {
            ASSERT_TRUE(aviso.has_value());
            EXPECT_EQ(aviso->text, QString::fromUtf8(c.message));
        } else {
            ASSERT_FALSE(aviso.has_value());
            EXPECT_EQ(v.toSql(2), QString::fromLatin1(c.amount));
        }
    }
}

TEST(ReciboRules, ItemTotal) {
    const auto t =
        calculaTotal(QStringLiteral("100,00"), QStringLiteral("2,5"), QStringLiteral("1"));
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->juros, QStringLiteral("2,50"));
    EXPECT_EQ(t->descontos, QStringLiteral("1,00"));
    EXPECT_EQ(t->total, QStringLiteral("101,50"));
    // No sign is tested: a discount above the value gives a negative total.
    EXPECT_EQ(
        calculaTotal(QStringLiteral("10,00"), QStringLiteral("0"), QStringLiteral("15"))->total,
        QStringLiteral("-5,00"));
    EXPECT_FALSE(calculaTotal(QStringLiteral("10,00"), QStringLiteral("x"), QStringLiteral("1")));
    // Interest and discount beyond what an amount keeps, or a total due
    // beyond it, are refused before anything is summed for good.
    EXPECT_FALSE(calculaTotal(QStringLiteral("10,00"), QStringLiteral("922.337.203.685.477"),
                              QStringLiteral("0")));
    EXPECT_FALSE(confereJuros(QStringLiteral("10,00"), QStringLiteral("7"), QStringLiteral("2")));
    const QString invalid = QStringLiteral("--- ERRO --- VALOR DO DESCONTO E/OU JUROS INVÁLIDO!");
    EXPECT_EQ(confereJuros(QStringLiteral("10,00"), QStringLiteral("922.337.203.685.477"),
                           QStringLiteral("0"))
                  ->text,
              invalid);
    EXPECT_EQ(
        confereJuros(QStringLiteral("10,00"), QStringLiteral("0"), QStringLiteral("-R$ -5"))->text,
        invalid);
    EXPECT_EQ(confereJuros(QStringLiteral("9.999.999.999.999,00"), QStringLiteral("1"),
                           QStringLiteral("0"))
                  ->text,
              QStringLiteral("--- ERRO --- VALOR FORA DO LIMITE!"));
    EXPECT_FALSE(confereJuros(QStringLiteral("9.999.999.999.999,00"), QStringLiteral("1"),
                              QStringLiteral("1")));
    EXPECT_EQ(
        devido(Decimal::fromInt(100), *Decimal::parse(QStringLiteral("2,345")), Decimal::fromInt(1))
            ->toSql(2),
        QStringLiteral("101.35"));
    EXPECT_EQ(moeda(Decimal::fromRaw(12345600)), QStringLiteral("R$ 1.234,56"));
    EXPECT_EQ(moeda(Decimal::fromRaw(-5000)), QStringLiteral("-R$ 0,50"));
}
