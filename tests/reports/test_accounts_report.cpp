#include "reports/accounts_report.h"
#include "tests/reports/report_test_support.h"

using namespace reporttest;
using accountsreport::Kind;

namespace {

class AccountsReport : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        cn.execute(QStringLiteral("insert into cliente (cdcli, nmcli) values (17, ?), (18, ?)"),
                   {QStringLiteral("JOSÉ DA SILVA"),
                    QStringLiteral("EMPRESA DE NOME MAIS LONGO QUE A COLUNA")});
        cn.execute(QStringLiteral("insert into fornecedores (cdfor, nmfor) values (45, ?)"),
                   {QStringLiteral("AÇO FORTE LTDA")});
    }
    void receivable(const char* nrdoc, int cdcli, const char* dtv, const char* vrorig,
                    const char* vrpg, const char* vrab, const char* pago = "N",
                    const char* juros = "0", const char* descontos = "0") {
        cn.execute(QStringLiteral("insert into creceber (nrdoc, cdcli, dte, dtv, vrorig, vrpg, "
                                  "vrab, juros, descontos, pago) values "
                                  "(?, ?, '2025-02-10', ?, ?, ?, ?, ?, ?, ?)"),
                   {QString::fromLatin1(nrdoc), qint64(cdcli), QString::fromLatin1(dtv),
                    QString::fromLatin1(vrorig), QString::fromLatin1(vrpg),
                    QString::fromLatin1(vrab), QString::fromLatin1(juros),
                    QString::fromLatin1(descontos), QString::fromLatin1(pago)});
    }
    void payable(const char* nrdoc, const char* parcela, const char* dtv, const char* vrorig,
                 const char* pago, const char* dtp = nullptr, const char* obs = "") {
        const bool settled = QByteArray(pago) == "S";
        cn.execute(
            QStringLiteral("insert into cpagar (idlan, nrdoc, cdfor, dte, obs, dtv, parcela, "
                           "vrorig, vrab, vrpg, pago, nrrec, dtp) values "
                           "(?, ?, 45, '2025-01-05', ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {QStringLiteral("%1/%2/45").arg(QLatin1String(nrdoc), QLatin1String(parcela)),
             QString::fromLatin1(nrdoc), QString::fromUtf8(obs), QString::fromLatin1(dtv),
             QString::fromLatin1(parcela), QString::fromLatin1(vrorig),
             settled ? QStringLiteral("0") : QString::fromLatin1(vrorig),
             settled ? QString::fromLatin1(vrorig) : QStringLiteral("0"), QString::fromLatin1(pago),
             settled ? QStringLiteral("250310143005CAIXA") : QString(),
             dtp ? db::Value(QString::fromLatin1(dtp)) : db::Value(db::Null{})});
    }
    ReportList build(Kind kind, std::optional<qint64> party = std::nullopt,
                     QDate first = QDate(2025, 3, 1), QDate last = QDate(2025, 3, 31)) {
        return accountsreport::build(cn, kind, first, last, party);
    }
};

} // namespace

TEST(AccountsKind, FirstCharactersChooseTheReport) {
    EXPECT_EQ(accountsreport::kindOf("0 - C.Receber", "0 - Em Aberto"), Kind::ReceberAberto);
    EXPECT_EQ(accountsreport::kindOf("0 - C.Receber", "1 - Baixado"), Kind::ReceberBaixado);
    EXPECT_EQ(accountsreport::kindOf("1 - C.Pagar", "0 - Em Aberto"), Kind::PagarAberto);
    EXPECT_EQ(accountsreport::kindOf("1 - C.Pagar", "1 - Baixado"), Kind::PagarBaixado);
}

TEST_F(AccountsReport, OpenReceivablesOfThePeriod) {
    receivable("0000000007001003", 17, "2025-03-01", "1234.50", "100", "1134.50", "N", "0.25",
               "0.75");
    receivable("0000000007002003", 18, "2025-03-31", "50", "0", "50");
    receivable("0000000007003003", 17, "2025-04-01", "50", "0", "50"); // after the period
    receivable("0000000008001001", 17, "2025-03-10", "80", "80", "0"); // nothing open, still 'N'
    receivable("0000000007000000", 17, "2025-03-10", "20", "20", "0", "S");
    receivable("0000000009001001", 99, "2025-03-15", "9.999", "0", "9.999"); // no such client

    const ReportList r = build(Kind::ReceberAberto);
    EXPECT_EQ(r.titleLine,
              QStringLiteral("Dt.Vecto  |Vr Aberto      |Vr Já Pago     |"
                             "Vr Original    |Juros Já Pago  |Descontos      |"
                             "Documento No    |Dt.Emissão|Cliente                         "));
    ASSERT_EQ(r.lines.size(), 5);
    EXPECT_EQ(r.lines.at(0),
              QStringLiteral("01/03/2025|    R$ 1.134,50|      R$ 100,00|    R$ 1.234,50|"
                             "        R$ 0,25|        R$ 0,75|0000000007001003|10/02/2025|"
                             "JOSÉ DA SILVA                   "));
    EXPECT_EQ(r.lines.at(1).right(33), QStringLiteral("|           ") +
                                           QStringLiteral("          ") +
                                           QStringLiteral("           "));
    EXPECT_TRUE(r.lines.at(1).startsWith(QStringLiteral("15/03/2025|       R$ 10,00|")));
    EXPECT_TRUE(r.lines.at(2).startsWith(QStringLiteral("31/03/2025|       R$ 50,00|")));
    EXPECT_TRUE(r.lines.at(2).endsWith(QStringLiteral("|EMPRESA DE NOME MAIS LONGO QUE A")));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(r.lines.at(i).size(), 151);
    EXPECT_EQ(r.lines.at(3), QString(151, QLatin1Char('-')));
    EXPECT_EQ(r.lines.at(4), QStringLiteral("Total: R$ 1.194,50"));

    const ReportList only17 = build(Kind::ReceberAberto, 17);
    EXPECT_EQ(only17.lines.size(), 3);
    EXPECT_EQ(only17.lines.at(2), QStringLiteral("Total: R$ 1.134,50"));
}

TEST_F(AccountsReport, SettledReceivablesComeFromClosedReceipts) {
    cn.execute(QStringLiteral(
        "insert into creceber_recibos (dte, dtv, cdcli, nrrec, nrdoc, dtbx, status, vrab, "
        "juros, descontos, vrpg) values "
        "('2025-02-10', '2025-03-05', 17, '250306101500CAIXA', '0000000007001003', "
        "'2025-03-06', 'S', 1234.50, 10.00, 5.50, 600.00),"
        "('2025-02-10', '2025-03-05', 17, '250307101500CAIXA', '0000000007001003', "
        "'2025-03-07', 'X', 639.00, 0, 0, 639.00),"
        "('2025-02-10', '2025-03-05', 18, '250401101500CAIXA', '0000000007002003', "
        "'2025-04-01', 'S', 50, 0, 0, 50)"));
    const ReportList r = build(Kind::ReceberBaixado);
    ASSERT_EQ(r.lines.size(), 3);
    EXPECT_EQ(r.titleLine.size(), 150);
    EXPECT_EQ(r.lines.at(0),
              QStringLiteral("06/03/2025|      R$ 600,00|    R$ 10,00|     R$ 5,50|"
                             "    R$ 1.234,50|05/03/2025|0000000007001003|"
                             "JOSÉ DA SILVA                 |250306101500CAIXA     "));
    EXPECT_EQ(r.lines.at(1), QString(150, QLatin1Char('-')));
    EXPECT_EQ(r.lines.at(2), QStringLiteral("Total: R$ 600,00"));
}

TEST_F(AccountsReport, OpenAndSettledPayables) {
    payable("123", "001/003", "2025-03-05", "100.10", "N", nullptr, "ALUGUEL (MARÇO)");
    payable("123", "002/003", "2025-04-05", "100.10", "N");
    payable("123", "003/003", "2025-03-20", "100.10", "S", "2025-03-21");
    payable("77", "001/001", "2025-03-06", "42", "X");

    ReportList r = build(Kind::PagarAberto);
    ASSERT_EQ(r.lines.size(), 3);
    EXPECT_EQ(r.lines.at(0),
              QStringLiteral("05/03/2025|      R$ 100,10|123                   |001/003|"
                             "AÇO FORTE LTDA                               |ALUGUEL (MARÇO)") +
                  QString(30, QLatin1Char(' ')));
    EXPECT_EQ(r.lines.at(0).size(), 149);
    EXPECT_EQ(r.lines.at(1), QString(149, QLatin1Char('-')));
    EXPECT_EQ(r.lines.at(2), QStringLiteral("Total: R$ 100,10"));

    r = build(Kind::PagarBaixado);
    ASSERT_EQ(r.lines.size(), 3);
    EXPECT_EQ(r.lines.at(0), QStringLiteral("21/03/2025|      R$ 100,10|20/03/2025|      R$ 100,10|"
                                            "123                   |003/003|AÇO FORTE LTDA") +
                                 QString(26, QLatin1Char(' ')) +
                                 QStringLiteral("|250310143005CAIXA     "));
    EXPECT_EQ(r.lines.at(0).size(), 148);
    EXPECT_EQ(r.lines.at(1), QString(149, QLatin1Char('-')));

    // Another supplier's code filters everything out.
    r = build(Kind::PagarBaixado, 46);
    EXPECT_EQ(r.lines,
              (QStringList{QString(149, QLatin1Char('-')), QStringLiteral("Total: R$ 0,00")}));
}

TEST_F(AccountsReport, OneDayPeriodAndAmountsWiderThanTheirColumn) {
    receivable("0000000001001001", 17, "2025-03-10", "12345678.90", "0", "12345678.90");
    receivable("0000000001002001", 17, "2025-03-11", "1", "0", "1");
    const ReportList r =
        build(Kind::ReceberAberto, std::nullopt, QDate(2025, 3, 10), QDate(2025, 3, 10));
    ASSERT_EQ(r.lines.size(), 3);
    // "R$ 12.345.678,90" is 16 characters: the column keeps its left part.
    EXPECT_TRUE(r.lines.at(0).startsWith(QStringLiteral("10/03/2025|R$ 12.345.678,9|")));
    EXPECT_EQ(r.lines.at(2), QStringLiteral("Total: R$ 12.345.678,90"));
}
