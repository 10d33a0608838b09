#include "finance/cpagar_lancamento.h"
#include "finance/parcelas.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace lancamento;

TEST(LancamentoRules, LabelsKeysAndDueDates) {
    EXPECT_EQ(parcelas::rotulo(2, 3), QStringLiteral("002/003"));
    EXPECT_EQ(parcelas::rotulo(115, 115), QStringLiteral("115/115"));
    EXPECT_EQ(chave(QStringLiteral("123"), parcelas::rotulo(1, 3), QStringLiteral("45")),
              QStringLiteral("123/001/003/45"));
    // Leading blanks of the number stay out of the key.
    EXPECT_EQ(chave(QStringLiteral("  7"), parcelas::rotulo(1, 1), QStringLiteral("45")),
              QStringLiteral("7/001/001/45"));
    const QDate first(2026, 1, 31);
    EXPECT_EQ(parcelas::vencimento(first, 1), QDate(2026, 2, 28));
    EXPECT_EQ(parcelas::vencimento(first, 2), QDate(2026, 3, 31));
    EXPECT_EQ(parcelas::vencimento(QDate(2028, 1, 31), 1), QDate(2028, 2, 29));
}

TEST(LancamentoRules, InstalmentCount) {
    const QString informe = QStringLiteral(
        "--- ERRO --- INFORME A QUANTIDADE DE PARCELAS!\nMinimo de 1 e máximo de 115");
    const QString recusada =
        QStringLiteral("--- ERRO --- QUANTIDADE DE PARCELAS INFORMADO NÃO ACEITO!");
    struct Case {
        const char* typed;
        int count;
        QString message;
    };
    for (const Case& c : {Case{"abc", 0, informe}, Case{"", 0, informe}, Case{"0", 0, recusada},
                          Case{"-1", 0, recusada}, Case{"116", 0, recusada},
                          Case{"2,5", 0, recusada}, Case{"1", 1, {}}, Case{"115", 115, {}}}) {
        SCOPED_TRACE(c.typed);
        const auto r = parcelas::quantidade(QString::fromUtf8(c.typed));
        if (c.count > 0) {
            ASSERT_TRUE(std::holds_alternative<int>(r));
            EXPECT_EQ(std::get<int>(r), c.count);
        } else {
            ASSERT_TRUE(std::holds_alternative<dlg::Message>(r));
            EXPECT_EQ(std::get<dlg::Message>(r).text, c.message);
            EXPECT_EQ(std::get<dlg::Message>(r).icon, dlg::Icon::Critical);
        }
    }
}

TEST(LancamentoRules, FirstValueAndDueDate) {
    EXPECT_EQ(primeiroValor(QStringLiteral("1.234,5"))->toSql(2), QStringLiteral("1234.50"));
    EXPECT_FALSE(primeiroValor(QStringLiteral("0")).has_value());
    EXPECT_FALSE(primeiroValor(QStringLiteral("0,004")).has_value());
    EXPECT_FALSE(primeiroValor(QStringLiteral("x")).has_value());
    EXPECT_FALSE(primeiroValor(QStringLiteral("999999999999999")).has_value());
    EXPECT_FALSE(primeiroValor(QStringLiteral("10.000.000.000.000")).has_value());
    EXPECT_EQ(primeiroValor(QStringLiteral("9.999.999.999.999,99"))->toSql(2),
              QStringLiteral("9999999999999.99"));
    const QDate today(2026, 3, 20);
    EXPECT_EQ(primeiroVencimento(QStringLiteral("10/03/2026"), today), PrimeiroVencimento::Aceito);
    EXPECT_EQ(primeiroVencimento(QStringLiteral("09/03/2026"), today),
              PrimeiroVencimento::Retroativo);
    EXPECT_EQ(primeiroVencimento(QStringLiteral("31/12/2030"), today), PrimeiroVencimento::Aceito);
    EXPECT_EQ(primeiroVencimento(QStringLiteral("31/02/2026"), today),
              PrimeiroVencimento::NaoEData);
}

namespace {
Documento documento() {
    return {QStringLiteral("123"),     QStringLiteral("REF"),        QStringLiteral("45"),
            QStringLiteral("ACME"),    QStringLiteral("01/03/2026"), QString(),
            QStringLiteral("1"),       QStringLiteral("OBRAS"),      QStringLiteral("2"),
            QStringLiteral("MATERIAL")};
}
} // namespace

TEST(LancamentoRules, SaveChecksInTheirOrder) {
    const QDate today(2026, 3, 20);
    struct Case {
        const char* what;
        std::function<void(Documento&, std::vector<Parcela>&)> change;
        QString message;
        QString title;
    };
    const std::vector<Case> cases = {
        {"no supplier name", [](Documento& d, auto&) { d.nmfor.clear(); },
         QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!"), QStringLiteral("ATENÇÃO")},
        {"blank reference", [](Documento& d, auto&) { d.refdoc = QStringLiteral("  "); },
         QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!"), QStringLiteral("ATENÇÃO")},
        {"issue tomorrow", [](Documento& d, auto&) { d.dte = QStringLiteral("21/03/2026"); },
         QStringLiteral("--- ERRO --- DATA DE EMISSÃO SUPERIOR A DATA ATUAL!"),
         QStringLiteral("ATENÇÃO")},
        {"first due before issue",
         [](Documento&, auto& p) { p[0].vencimento = QStringLiteral("28/02/2026"); },
         QStringLiteral(
             "--- ERRO --- PRIMEIRO VENCIMENTO NÃO PODE SER INFERIOR À DATA DE EMISSÃO!"),
         QStringLiteral("ATENÇÃO")},
        {"second date invalid, third equal",
         [](Documento&, auto& p) {
             p[1].vencimento = QStringLiteral("31/04/2026");
             p[2].vencimento = p[0].vencimento;
         },
         QStringLiteral("--- ERRO --- VENCIMENTO DA PARCELA 002/003 E INVÁLIDO!"),
         QStringLiteral("ATENÇAO")},
        {"third same date as second",
         [](Documento&, auto& p) { p[2].vencimento = p[1].vencimento; },
         QStringLiteral("A PARCELA 003/003 POSSUI VENCIMENTO IGUAL E/OU INFERIOR À PARCELA "
                        "ANTERIOR!"),
         QStringLiteral("ATENÇÃO")},
        {"value not a number", [](Documento&, auto& p) { p[1].valor = QStringLiteral("1,2,3"); },
         QStringLiteral("--- ERRO --- O VALOR DA PARCELA 002/003 E INVÁLIDO!"),
         QStringLiteral("ATENÇÃO")},
        {"value beyond an amount",
         [](Documento&, auto& p) { p[1].valor = QStringLiteral("999999999999999"); },
         QStringLiteral("--- ERRO --- O VALOR DA PARCELA 002/003 E INVÁLIDO!"),
         QStringLiteral("ATENÇÃO")},
        {"total beyond an amount",
         [](Documento&, auto& p) {
             for (Parcela& parcela : p)
                 parcela.valor = QStringLiteral("5.000.000.000.000");
         },
         QStringLiteral("--- ERRO --- VALOR FORA DO LIMITE!"), QStringLiteral("ATENÇÃO")},
        {"value zero", [](Documento&, auto& p) { p[2].valor = QStringLiteral("0,00"); },
         QStringLiteral("--- ERRO --- O VALOR DA PARCELA 003/003 NÃO PODE SER MENOR E/OU IGUAL A "
                        "ZERO!"),
         QStringLiteral("ATENÇÃO")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Documento d = documento();
        std::vector<Parcela> p = {
            {QStringLiteral("1.234,5"),
             QStringLiteral("01/03/2026"),
             parcelas::rotulo(1, 3),
             {},
             false},
            {QStringLiteral("10"), QStringLiteral("01/04/2026"), parcelas::rotulo(2, 3), {}, false},
            {QStringLiteral("10"),
             QStringLiteral("01/05/2026"),
             parcelas::rotulo(3, 3),
             {},
             false}};
        c.change(d, p);
        Decimal total;
        const auto aviso = confere(d, p, today, total);
        ASSERT_TRUE(aviso.has_value());
        EXPECT_EQ(aviso->mensagem.text, c.message);
        EXPECT_EQ(aviso->mensagem.title, c.title);
    }
    // Everything right: values rewritten with two decimals and summed.
    Documento d = documento();
    std::vector<Parcela> p = {
        {QStringLiteral("1.234,5"),
         QStringLiteral("01/03/2026"),
         parcelas::rotulo(1, 2),
         {},
         false},
        {QStringLiteral("0.015"), QStringLiteral("01/04/2026"), parcelas::rotulo(2, 2), {}, false}};
    Decimal total;
    EXPECT_FALSE(confere(d, p, today, total).has_value());
    EXPECT_EQ(p[0].valor, QStringLiteral("1234,50"));
    EXPECT_EQ(p[1].valor, QStringLiteral("0,02"));
    EXPECT_EQ(total.toSql(2), QStringLiteral("1234.52"));
}
