#include "reports/os_report.h"
#include "reports/report_fields.h"
#include "tests/reports/report_test_support.h"
#include "tests/support/order_amount_cases.h"

using namespace reporttest;

namespace {

const QDate kToday(2025, 3, 31);

class OsReport : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        cn.execute(QStringLiteral("insert into cliente (cdcli, nmcli) values (17, ?), (18, ?)"),
                   {QStringLiteral("JOSÉ DA SILVA"), QStringLiteral("MARIA")});
    }
    void order(int osnr, char status, const char* dtos, int cdcli,
               const char* uev = "01/02/2025 10:00:00 CAIXA") {
        cn.execute(QStringLiteral("insert into os_cab (osnr, dtos, cdcli, ossit, evcad, uev) "
                                  "values (?, ?, ?, ?, ?, ?)"),
                   {qint64(osnr), QString::fromLatin1(dtos), qint64(cdcli),
                    QString(QLatin1Char(status)), QString::fromLatin1(uev),
                    QString::fromLatin1(uev)});
    }
    void service(int osnr, const char* qt, const char* vu, const char* pd) {
        cn.execute(QStringLiteral("insert into os_srv (osnr, idsrv, dssrv, un, qt, vu, pd) values "
                                  "(?, '20250301100000', 'SERVIÇO', 'UN', ?, ?, ?)"),
                   {qint64(osnr), QString::fromLatin1(qt), QString::fromLatin1(vu),
                    QString::fromLatin1(pd)});
    }
    void cost(int osnr, const char* tipo, const char* qtde, const char* valor) {
        static int n = 0;
        cn.execute(QStringLiteral("insert into os_custos (idlan, osnr, tipo, qtde, valor, cdcat) "
                                  "values (?, ?, ?, ?, ?, 1)"),
                   {QStringLiteral("%1_custo_%2").arg(osnr).arg(++n), qint64(osnr),
                    QString::fromLatin1(tipo), QString::fromLatin1(qtde),
                    QString::fromLatin1(valor)});
    }
    ReportList build(char status, std::optional<qint64> client = std::nullopt) {
        return osreport::build(cn, QLatin1Char(status), QDate(2025, 3, 1), QDate(2025, 3, 31),
                               client, kToday);
    }
    static QString totals(const char* revenue, const char* supplies, const char* labour,
                          const char* all) {
        return QStringLiteral("Total de receitas : R$ %1|Total de insumos  : R$ %2|"
                              "Total de M.Obra   : R$ %3|Custos Totais     : R$ %4")
            .arg(QString::fromUtf8(revenue), QString::fromUtf8(supplies), QString::fromUtf8(labour),
                 QString::fromUtf8(all));
    }
    static QString tail(const ReportList& r) { return r.lines.mid(r.lines.size() - 4).join('|'); }
};

} // namespace

TEST_F(OsReport, QuotesShowNoCostsAndCountDaysToToday) {
    order(5, '0', "2025-03-01", 17);
    service(5, "2", "100", "10"); // 2 x (100 - 10 %) = 180
    service(5, "1", "0.5", "0");
    order(6, '0', "2025-03-31", 99); // no service lines, no such client
    order(7, '0', "2025-02-28", 17); // before the period
    order(8, '1', "2025-03-10", 17); // another status
    cost(5, "P", "1", "999");

    const ReportList r = build('0');
    EXPECT_EQ(r.titleLine, QStringLiteral("O.S. No   |Dt.Ab.    |Dt.Fech.  |Dias |Cliente       "
                                          "                |VR O.S.        |Insumos        |M.Obra "
                                          "        |Custos TL      "));
    ASSERT_EQ(r.lines.size(), 7);
    EXPECT_EQ(r.lines.at(0),
              QStringLiteral("5         |01/03/2025|********* |30   |JOSÉ DA SILVA") +
                  QString(17, QLatin1Char(' ')) +
                  QStringLiteral("|      R$ 180,50|           *.**|"
                                 "           *.**|*.**           "));
    EXPECT_EQ(r.lines.at(0).size(), 133);
    EXPECT_EQ(r.lines.at(1), QStringLiteral("6         |31/03/2025|********* |0    |") +
                                 QString(30, QLatin1Char(' ')) +
                                 QStringLiteral("|        R$ 0,00|           *.**|           *.**|"
                                                "*.**           "));
    EXPECT_EQ(r.lines.at(2), QString(151, QLatin1Char('-')));
    EXPECT_EQ(tail(r), totals("180,50", "0,00", "0,00", "0,00"));
}

TEST_F(OsReport, ApprovedOrdersCarryTheirCosts) {
    order(10, '2', "2025-03-05", 17);
    service(10, "1", "1000", "0");
    cost(10, "P", "2", "10.125"); // 20,25
    cost(10, "P", "1", "5");
    cost(10, "S", "3", "50");
    order(11, '2', "2025-03-06", 18);
    service(11, "1", "300", "0");
    order(12, '2', "2025-03-07", 18);
    cost(12, "S", "1", "1");

    ReportList r = build('2');
    ASSERT_EQ(r.lines.size(), 8);
    EXPECT_EQ(r.lines.at(0),
              QStringLiteral("10        |05/03/2025|********* |26   |JOSÉ DA SILVA") +
                  QString(17, QLatin1Char(' ')) +
                  QStringLiteral("|    R$ 1.000,00|       R$ 25,25|"
                                 "      R$ 150,00|      R$ 175,25"));
    EXPECT_TRUE(r.lines.at(1).endsWith(
        QStringLiteral("|      R$ 300,00|        R$ 0,00|        R$ 0,00|        R$ 0,00")));
    EXPECT_TRUE(r.lines.at(2).endsWith(
        QStringLiteral("|        R$ 0,00|        R$ 0,00|        R$ 1,00|        R$ 1,00")));
    EXPECT_EQ(tail(r), totals("1.300,00", "25,25", "151,00", "176,25"));

    // The client keeps the orders and their costs to that client.
    r = build('2', 18);
    ASSERT_EQ(r.lines.size(), 7);
    EXPECT_EQ(tail(r), totals("300,00", "0,00", "1,00", "1,00"));
}

TEST_F(OsReport, ConcludedOrdersCloseOnTheirStampDate) {
    order(20, '4', "2025-03-01", 17, "11/03/2025 16:20:00 CAIXA");
    order(21, '4', "2025-03-02", 17, "sem data");
    const ReportList r = build('4');
    ASSERT_EQ(r.lines.size(), 7);
    EXPECT_TRUE(
        r.lines.at(0).startsWith(QStringLiteral("20        |01/03/2025|11/03/2025|10   |")));
    EXPECT_TRUE(
        r.lines.at(1).startsWith(QStringLiteral("21        |02/03/2025|********* |     |")));
}

// Each order's value and costs read as in its windows and documents. A line
// cuts what passes its columns; the totals show it whole.
TEST_F(OsReport, FiguresReadAsEverywhereElse) {
    using amountcases::reais;
    for (const amountcases::Caso& c : amountcases::casos()) {
        SCOPED_TRACE(c.nome);
        cn.execute(QStringLiteral("delete from os_cab"));
        order(30, '2', "2025-03-10", 17);
        amountcases::grava(cn, 30, c);
        const ReportList r = build('2');
        ASSERT_EQ(r.lines.size(), 6);
        EXPECT_EQ(tail(r), totals(c.total, c.insumos, c.maoDeObra, c.custoTotal));
        QStringList amounts;
        for (const char* figure : {c.total, c.insumos, c.maoDeObra, c.custoTotal})
            amounts << reportfields::place(reais(figure), 15, reportfields::Align::Right);
        if (reais(c.total).size() > 15)
            continue;
        EXPECT_TRUE(r.lines.at(0).endsWith(amounts.join(QLatin1Char('|'))))
            << r.lines.at(0).toStdString();
    }
}
