#include "finance/parcelas.h"
#include "platform/dates.h"
#include "service_orders/frmOS_GerFinan.h"
#include "service_orders/order_summary.h"
#include "service_orders/receivables_plan.h"
#include "tests/service_orders/core_order_test.h"
#include "tests/support/modal.h"
#include "tests/support/typing.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString br(const QDate& d) {
    return dates::toBr(d);
}

} // namespace

TEST(PlanRules, InstalmentCount) {
    EXPECT_EQ(std::get<int>(parcelas::quantidade(QStringLiteral("1"))), 1);
    EXPECT_EQ(std::get<int>(parcelas::quantidade(QStringLiteral("115"))), 115);
    for (const char* typed : {"", "abc"})
        EXPECT_EQ(std::get<dlg::Message>(parcelas::quantidade(QString::fromLatin1(typed))).text,
                  QStringLiteral("--- ERRO --- INFORME A QUANTIDADE DE PARCELAS!\n"
                                 "Minimo de 1 e máximo de 115"));
    for (const char* typed : {"0", "116", "-1", "2,5"})
        EXPECT_EQ(std::get<dlg::Message>(parcelas::quantidade(QString::fromLatin1(typed))).text,
                  QStringLiteral("--- ERRO --- QUANTIDADE DE PARCELAS INFORMADO NÃO ACEITO!"))
            << typed;
}

TEST(PlanRules, ValuesDatesAndKeys) {
    EXPECT_EQ(receivables::valorParcela(Decimal::fromInt(100), 3).toSql(2),
              QStringLiteral("33.33"));
    EXPECT_EQ(receivables::valorParcela(*Decimal::parse(QStringLiteral("0,05")), 2).toSql(2),
              QStringLiteral("0.03"));
    // Rounded once from the exact quotient, not from one cut to four places.
    EXPECT_EQ(receivables::valorParcela(*Decimal::parse(QStringLiteral("200,0099")), 2).toSql(2),
              QStringLiteral("100.00"));
    EXPECT_EQ(receivables::valorParcela(*Decimal::parse(QStringLiteral("200,01")), 2).toSql(2),
              QStringLiteral("100.01"));
    const QDate first(2024, 1, 31);
    EXPECT_EQ(parcelas::vencimento(first, 1), QDate(2024, 2, 29));
    EXPECT_EQ(parcelas::vencimento(first, 2), QDate(2024, 3, 31));
    EXPECT_EQ(parcelas::vencimento(QDate(2025, 1, 31), 1), QDate(2025, 2, 28));
    const QDate today(2024, 3, 15);
    EXPECT_FALSE(receivables::muitoRetroativo(QDate(2024, 3, 5), today));
    EXPECT_TRUE(receivables::muitoRetroativo(QDate(2024, 3, 4), today));
    EXPECT_EQ(receivables::nrdoc(7, 2, 12), QStringLiteral("0000000007002012"));
    EXPECT_EQ(parcelas::rotulo(2, 12), QStringLiteral("002/012"));
    EXPECT_FALSE(receivables::ehParcela(QStringLiteral("0000000007000000")));
    EXPECT_EQ(receivables::data(QStringLiteral("5/3/2024")), QDate(2024, 3, 5));
    EXPECT_FALSE(receivables::data(QStringLiteral("31/02/2024")));
}

// Rebuilt around its received rows, a plan keeps the open rows the client
// has not paid where they were; new rows take the free numbers after them,
// due on the plan's schedule; services below what received rows hold lower
// them, the latest first, never below what was settled of them.
TEST(PlanRules, RebuiltPlanKeepsWhatIsUnpaid) {
    using receivables::ParcelaLida;
    // Instalment n of three, worth 25; received when part of it was settled.
    auto lida = [](int n, const char* due, const char* settled = nullptr) {
        return ParcelaLida{receivables::nrdoc(7, n, 3), Decimal::fromInt(25),
                           dates::parseBr(QLatin1String(due)), settled != nullptr,
                           settled ? *Decimal::parse(QLatin1String(settled)) : Decimal()};
    };
    auto rebuilt = [](const QList<ParcelaLida>& read, int count, const char* total = "100") {
        Decimal settled;
        for (const ParcelaLida& p : read)
            settled += p.liquidado;
        const auto r = receivables::refazEmVolta(7, *Decimal::parse(QLatin1String(total)), settled,
                                                 read, count);
        if (const auto* refused = std::get_if<dlg::Message>(&r))
            return QStringList{refused->text};
        QStringList out;
        for (const ParcelaLida& row : std::get<QList<ParcelaLida>>(r))
            out << row.nrdoc.right(6) + QLatin1Char(' ') + dates::toBr(*row.dtv) +
                       QLatin1Char(' ') + row.vrorig.toBr(2, false) +
                       (row.recebida ? QStringLiteral(" R") : QString());
        return out;
    };
    // A later instalment received first; then fewer rows, and more.
    const QList<ParcelaLida> thirdFirst = {lida(1, "31/01/2025"), lida(2, "28/02/2025"),
                                           lida(3, "31/03/2025", "25")};
    EXPECT_EQ(rebuilt(thirdFirst, 3),
              (QStringList{"001003 31/01/2025 37,50", "002003 28/02/2025 37,50",
                           "003003 31/03/2025 25,00 R"}));
    EXPECT_EQ(rebuilt(thirdFirst, 2),
              (QStringList{"001002 31/01/2025 75,00", "003003 31/03/2025 25,00 R"}));
    EXPECT_EQ(rebuilt(thirdFirst, 4),
              (QStringList{"001004 31/01/2025 25,00", "002004 28/02/2025 25,00",
                           "003003 31/03/2025 25,00 R", "004004 30/04/2025 25,00"}));
    // Month ends without row 001; free numbers between received rows.
    EXPECT_EQ(
        rebuilt({lida(2, "28/02/2025", "25"), lida(3, "31/03/2025", "25"), lida(4, "30/04/2025")},
                4),
        (QStringList{"002003 28/02/2025 25,00 R", "003003 31/03/2025 25,00 R",
                     "004004 30/04/2025 25,00", "005004 31/05/2025 25,00"}));
    EXPECT_EQ(rebuilt({lida(1, "31/01/2024", "25"), lida(3, "31/03/2024", "25")}, 4),
              (QStringList{"001003 31/01/2024 25,00 R", "002004 29/02/2024 25,00",
                           "003003 31/03/2024 25,00 R", "004004 30/04/2024 25,00"}));
    // Partly received rows lowered; below what was settled; nothing left.
    const QList<ParcelaLida> partly = {lida(1, "31/01/2025", "10"), lida(2, "28/02/2025", "20"),
                                       lida(3, "31/03/2025")};
    EXPECT_EQ(rebuilt(partly, 2, "32"),
              (QStringList{"001003 31/01/2025 12,00 R", "002003 28/02/2025 20,00 R"}));
    EXPECT_EQ(
        rebuilt(partly, 2, "29,99"),
        QStringList{QStringLiteral("--- ERRO --- VALOR DOS SERVIÇOS MENOR QUE O JÁ RECEBIDO!")});
    EXPECT_EQ(rebuilt(partly, 3, "50"),
              QStringList{QStringLiteral("--- ERRO --- QUANTIDADE DE PARCELAS INFORMADO NÃO "
                                         "ACEITO!\nNÃO HÁ VALOR A DISTRIBUIR EM NOVAS PARCELAS.")});
}

namespace {

receivables::PlanoDigitado plano(const QStringList& valores, const QStringList& vencimentos) {
    receivables::PlanoDigitado p{QStringLiteral("7"),
                                 QStringLiteral("100"),
                                 QStringLiteral("1"),
                                 QStringLiteral("MARIA"),
                                 QStringLiteral("R$ 0,00"),
                                 QStringLiteral("01/03/2024"),
                                 {}};
    const int n = static_cast<int>(valores.size());
    for (int i = 0; i < n; ++i)
        p.parcelas.append({valores.at(i), vencimentos.at(i), parcelas::rotulo(i + 1, n),
                           receivables::nrdoc(7, i + 1, n)});
    return p;
}

} // namespace

TEST(PlanRules, SaveChecksInTheirOrder) {
    const QDate today(2024, 3, 15);
    const QStringList due = {"01/04/2024", "01/05/2024", "01/06/2024"};
    struct Case {
        const char* name;
        std::function<void(receivables::PlanoDigitado&)> change;
        const char* message;
        const char* title;
        dlg::Icon icon;
    };
    const Case cases[] = {
        {"client name", [](auto& p) { p.nmcli = QStringLiteral(" "); },
         "--- ERRO --- DADOS INCOMPLETOS!", "ATENÇÃO", dlg::Icon::Exclamation},
        {"no emission date", [](auto& p) { p.emissao.clear(); },
         "--- ERRO --- DATA DE EMISSÃO INVÁLIDA!", "ATENÇÃO", dlg::Icon::Exclamation},
        {"emission date that does not exist",
         [](auto& p) { p.emissao = QStringLiteral("30/02/2024"); },
         "--- ERRO --- DATA DE EMISSÃO INVÁLIDA!", "ATENÇÃO", dlg::Icon::Exclamation},
        {"total", [](auto& p) { p.total = QStringLiteral("0"); },
         "--- ERRO --- VALOR DA ORDEM INVÁLIDO!", "ATENÇÃO", dlg::Icon::Critical},
        {"total beyond an amount", [](auto& p) { p.total = QStringLiteral("10.000.000.000.000"); },
         "--- ERRO --- VALOR FORA DO LIMITE!", "ATENÇÃO", dlg::Icon::Exclamation},
        {"below what the rows settled",
         [](auto& p) {
             p.liquidado = *Decimal::parse(QStringLiteral("100,01"));
             p.emissao = QStringLiteral("16/03/2024");
         },
         "--- ERRO --- VALOR DOS SERVIÇOS MENOR QUE O JÁ RECEBIDO!", "ATENÇÃO",
         dlg::Icon::Critical},
        {"emission", [](auto& p) { p.emissao = QStringLiteral("16/03/2024"); },
         "--- ERRO --- DATA DE EMISSÃO SUPERIOR A DATA ATUAL!", "ATENÇÃO", dlg::Icon::Exclamation},
        {"rows hidden by a new plan", [](auto& p) { p.parcelasNaTela = false; },
         "--- ERRO --- INFORME A QUANTIDADE DE PARCELAS!\nMinimo de 1 e máximo de 115", "ATENÇÃO",
         dlg::Icon::Critical},
        {"first due", [](auto& p) { p.parcelas[0].vencimento = QStringLiteral("31/02/2024"); },
         "--- ERRO --- VENCIMENTO DA PRIMEIRA PARCELA INVÁLIDO!", "ATENÇÃO", dlg::Icon::Critical},
        {"first before emission",
         [](auto& p) { p.parcelas[0].vencimento = QStringLiteral("29/02/2024"); },
         "--- ERRO --- PRIMEIRO VENCIMENTO NÃO PODE SER INFERIOR À DATA DE EMISSÃO!", "ATENÇÃO",
         dlg::Icon::Critical},
        {"later due", [](auto& p) { p.parcelas[2].vencimento = QStringLiteral("x"); },
         "--- ERRO --- VENCIMENTO DA PARCELA 003/003 E INVÁLIDO!", "ATENÇAO",
         dlg::Icon::Exclamation},
        {"same due", [](auto& p) { p.parcelas[1].vencimento = QStringLiteral("01/04/2024"); },
         "A PARCELA 002/003 POSSUI VENCIMENTO IGUAL E/OU INFERIOR À PARCELA ANTERIOR!", "ATENÇÃO",
         dlg::Icon::Critical},
        {"value", [](auto& p) { p.parcelas[1].valor = QStringLiteral("abc"); },
         "--- ERRO --- O VALOR DA PARCELA 002/003 E INVÁLIDO!", "ATENÇÃO", dlg::Icon::Critical},
        {"value beyond an amount",
         [](auto& p) { p.parcelas[1].valor = QStringLiteral("999999999999999"); },
         "--- ERRO --- O VALOR DA PARCELA 002/003 E INVÁLIDO!", "ATENÇÃO", dlg::Icon::Critical},
        {"instalments summing beyond an amount",
         [](auto& p) {
             for (auto& parcela : p.parcelas)
                 parcela.valor = QStringLiteral("5.000.000.000.000");
         },
         "--- ERRO --- VALOR FORA DO LIMITE!", "ATENÇÃO", dlg::Icon::Exclamation},
        {"zero", [](auto& p) { p.parcelas[2].valor = QStringLiteral("0"); },
         "--- ERRO --- O VALOR DA PARCELA 003/003 NÃO PODE SER MENOR E/OU IGUAL A ZERO!", "ATENÇÃO",
         dlg::Icon::Critical},
        {"sum", [](auto&) {},
         "--- ERRO --- Soma da(s) parcela(s) divergente!\nValor Ordem: R$ 100,00\n"
         "Total Parcelas: R$ 99,99",
         "Atenção", dlg::Icon::Exclamation},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto p = plano({"33,33", "33,33", "33,33"}, due);
        c.change(p);
        const auto result = receivables::confere(p, today);
        const auto* recusa = std::get_if<parcelas::Recusa>(&result);
        ASSERT_NE(recusa, nullptr);
        EXPECT_EQ(recusa->mensagem.text, QString::fromUtf8(c.message));
        EXPECT_EQ(recusa->mensagem.title, QString::fromUtf8(c.title));
        EXPECT_EQ(recusa->mensagem.icon, c.icon);
    }
    // Values checked before a failing row are rewritten with two decimals.
    auto p = plano({"33,3", "33.34", "x"}, due);
    receivables::confere(p, today);
    EXPECT_EQ(p.parcelas[0].valor, QStringLiteral("33,30"));
    EXPECT_EQ(p.parcelas[1].valor, QStringLiteral("33,34"));

    auto good = plano({"33,33", "33,34", "33,33"}, due);
    good.emissao = QStringLiteral("01/04/2024");
    const auto result = receivables::confere(good, QDate(2024, 4, 1));
    ASSERT_TRUE(std::holds_alternative<receivables::PlanoGravacao>(result));
    const auto& saved = std::get<receivables::PlanoGravacao>(result);
    EXPECT_EQ(saved.osnr, 7);
    EXPECT_EQ(saved.parcelas.at(1).valor.toSql(2), QStringLiteral("33.34"));
}

class ReceivablesPlan : public ordertest::OrderTest {
protected:
    void SetUp() override {
        OrderTest::SetUp();
        osnr = ordem(QStringLiteral("2"), 1);
        servico(osnr, QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("0"));
    }

    // A window as the approval opens it, for services of `total`.
    void fill(frmOS_GerFinan& form, const QString& total = QStringLiteral("100")) {
        cn.execute(QStringLiteral("update os_srv set vu = ?"), {*Decimal::parse(total)});
        form.txtOsNR->setText(QString::number(osnr));
        form.txtnrdoc->setText(total);
        form.txtcdfor->setText(QStringLiteral("1"));
        form.txtnmfor->setText(QStringLiteral("MARIA"));
        form.txtDTe->setText(br(QDate::currentDate()));
    }

    void build(frmOS_GerFinan& form, const QString& count, const QDate& first) {
        form.txtQtParc->setText(count);
        dialogs.answerInput(br(first));
        form.txtQtParc_LostFocus();
    }

    QString ref() const { return receivables::refdoc(osnr); }

    // A stored row of the order's plan, emitted `emissao`.
    void linha(const QString& key, const QDate& emissao, const QDate& due, const char* orig,
               const char* paid, const char* interest, const char* discount, const char* open,
               const char* pago) {
        cn.execute(QStringLiteral("insert into creceber (nrdoc, refdoc, cdcli, dte, dtv, dtp, "
                                  "vrorig, vrpg, juros, descontos, vrab, pago, evcad) values "
                                  "(?,?,1,?,?,?,?,?,?,?,?,?,'ANA 01/02/2024 10:00:00')"),
                   {key, ref(), emissao, due, due, QString::fromLatin1(orig),
                    QString::fromLatin1(paid), QString::fromLatin1(interest),
                    QString::fromLatin1(discount), QString::fromLatin1(open),
                    QString::fromLatin1(pago)});
    }

    qint64 osnr = 0;
};

TEST_F(ReceivablesPlan, BuildingSplitsTheTotalMonthly) {
    frmOS_GerFinan form;
    fill(form);
    form.show();
    EXPECT_EQ(form.txtVrDif->text(), QStringLiteral("R$ 0,00"));
    EXPECT_TRUE(form.frmVCT->isHidden());
    const QDate first = QDate::currentDate().addDays(3);
    build(form, QStringLiteral("3"), first);
    ASSERT_EQ(form.txtVR.size(), 3);
    EXPECT_FALSE(form.frmVCT->isHidden());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form.txtVR[i]->text(), QStringLiteral("33,33"));
        EXPECT_EQ(form.txtVCT[i]->text(), br(first.addMonths(i)));
        EXPECT_EQ(form.lblParc[i]->text(), parcelas::rotulo(i + 1, 3));
        EXPECT_EQ(form.txtIdLan[i]->text(), receivables::nrdoc(osnr, i + 1, 3));
    }
    EXPECT_EQ(dialogs.shown().back().text, QStringLiteral("DATA DO PRIMEIRO VENCIMENTO:"));
    EXPECT_EQ(dialogs.shown().back().arguments, QStringList{QStringLiteral("CONTAS A PAGAR")});

    // Rebuilding with one instalment leaves one row keyed 001/001.
    build(form, QStringLiteral("1"), first);
    ASSERT_EQ(form.txtVR.size(), 1);
    EXPECT_EQ(form.lblParc[0]->text(), QStringLiteral("001/001"));
    EXPECT_EQ(form.txtIdLan[0]->text(), receivables::nrdoc(osnr, 1, 1));
    EXPECT_EQ(form.txtVR[0]->text(), QStringLiteral("100,00"));

    // 115 instalments fill five columns, each headed again.
    build(form, QStringLiteral("115"), first);
    EXPECT_EQ(form.txtVR.size(), 115);
    EXPECT_EQ(form.lblVR.keys(), (QList<int>{0, 22, 45, 68, 91}));
    EXPECT_EQ(form.lblParc[114]->text(), QStringLiteral("115/115"));
}

TEST_F(ReceivablesPlan, FirstDueDateIsAskedUntilItFits) {
    frmOS_GerFinan form;
    fill(form);
    form.txtQtParc->setText(QStringLiteral("2"));
    const QDate today = QDate::currentDate();
    dialogs.answerInput(QString());
    dialogs.answerInput(br(today.addDays(-11)));
    // Typed as into a date box, digits only.
    dialogs.answerInput(br(today.addDays(-10)).remove(QLatin1Char('/')));
    form.txtQtParc_LostFocus();
    EXPECT_EQ(dialogs.pending(), 0);
    EXPECT_TRUE(
        dialogs.sawText(QStringLiteral("--- ERRO --- VENCIMENTO MUITO RETROATIVO ACIMA DE 10 "
                                       "(DEZ) DIAS!")));
    EXPECT_EQ(form.txtVCT[0]->text(), br(today.addDays(-10)));

    // Cancel clears the rows above the first and builds nothing.
    form.txtQtParc->setText(QStringLiteral("3"));
    dialogs.answerInput(std::nullopt);
    form.txtQtParc_LostFocus();
    EXPECT_EQ(form.txtVR.size(), 1);
}

TEST_F(ReceivablesPlan, LeavingTheCountBuildsThePlan) {
    frmOS_GerFinan form;
    fill(form);
    form.txtQtParc->setText(QStringLiteral("2"));
    dialogs.answerInput(br(QDate::currentDate()));
    ordertest::leave(form.txtQtParc, form.txtDTe);
    EXPECT_EQ(form.txtVR.size(), 2);
    EXPECT_EQ(form.focusWidget(), form.txtVR[0]);
    // A count refused: back in the count.
    form.txtQtParc->setText(QStringLiteral("abc"));
    ordertest::leave(form.txtQtParc, form.txtDTe);
    EXPECT_EQ(dialogs.messages().back().text,
              QStringLiteral("--- ERRO --- INFORME A QUANTIDADE DE PARCELAS!\n"
                             "Minimo de 1 e máximo de 115"));
    EXPECT_EQ(form.focusWidget(), form.txtQtParc);
}

TEST_F(ReceivablesPlan, EscClosesOnlyWithoutRows) {
    frmOS_GerFinan form;
    fill(form);
    form.show();
    build(form, QStringLiteral("2"), QDate::currentDate());
    ordertest::press(form.txtVR[0], Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    form.cmdretorna_Click();
    EXPECT_TRUE(form.frmVCT->isHidden());
    EXPECT_EQ(form.txtVR.size(), 1);
    ordertest::press(form.txtDTe, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ReceivablesPlan, SavedPlanReplacesTheOrdersRows) {
    // An earlier plan, under another client too, and its carried amount.
    for (const char* key : {"001002", "002002", "000000"})
        cn.execute(QStringLiteral("insert into creceber (nrdoc, refdoc, cdcli, vrorig) "
                                  "values (?, ?, 9, 50)"),
                   {ref() + QLatin1String(key), ref()});
    shared::gRetorno = QStringLiteral("N");
    frmOS_GerFinan form;
    fill(form);
    form.show();
    const QDate first = QDate::currentDate();
    build(form, QStringLiteral("3"), first);
    form.txtVR[2]->setText(QStringLiteral("33,34"));
    dialogs.answer(dlg::Answer::No);
    form.cmdsalva_Click();
    EXPECT_EQ(dialogs.messages().back().text, QStringLiteral("Confirma?"));
    EXPECT_EQ(count(QStringLiteral("creceber")), 3);

    dialogs.answer(dlg::Answer::Yes);
    form.cmdsalva_Click();
    EXPECT_EQ(shared::gRetorno, QStringLiteral("S"));
    EXPECT_FALSE(form.isVisible());
    const db::Recordset rows =
        cn.query(QStringLiteral("select * from creceber order by nrdoc"), {});
    ASSERT_EQ(rows.rowCount(), 3);
    const QStringList values = {"33.33", "33.33", "33.34"};
    for (int i = 0; i < 3; ++i) {
        auto t = [&](const char* c) { return rows.textAt(i, rows.columnIndex(c)); };
        EXPECT_EQ(t("nrdoc"), receivables::nrdoc(osnr, i + 1, 3));
        EXPECT_EQ(t("refdoc"), ref());
        EXPECT_EQ(t("cdcli"), QStringLiteral("1"));
        EXPECT_EQ(t("dte"), first.toString(Qt::ISODate));
        EXPECT_EQ(t("dtv"), first.addMonths(i).toString(Qt::ISODate));
        EXPECT_EQ(t("dtp"), t("dtv"));
        EXPECT_EQ(t("vrorig"), values.at(i));
        EXPECT_EQ(t("vrab"), values.at(i));
        EXPECT_EQ(t("vrpg"), QStringLiteral("0.00"));
        EXPECT_EQ(t("pago"), QStringLiteral("N"));
        EXPECT_TRUE(t("evcad").startsWith(QStringLiteral("TESTE ")));
    }

    // Services down to nothing, outside an approval: the open rows go, the
    // rows hidden or not; with none stored, the total is refused.
    for (int stored : {3, 0}) {
        frmOS_GerFinan nothing;
        fill(nothing, QStringLiteral("0"));
        nothing.show();
        nothing.cmdretorna_Click();
        dialogs.clear();
        if (stored)
            dialogs.answer(dlg::Answer::Yes);
        nothing.cmdsalva_Click();
        EXPECT_EQ(dialogs.texts(), QStringList{stored ? QStringLiteral("Confirma?")
                                                      : QStringLiteral("--- ERRO --- VALOR DA "
                                                                       "ORDEM INVÁLIDO!")});
        EXPECT_EQ(count(QStringLiteral("creceber")), 0);
    }
}

// After "Novo Plano" a save is refused, the focus put in the count, and
// writes nothing.
TEST_F(ReceivablesPlan, NewPlanThenSaveWritesNothing) {
    frmOS_GerFinan form;
    fill(form);
    form.show();
    build(form, QStringLiteral("3"), QDate::currentDate());
    form.cmdretorna_Click();
    // The checks of the boxes come first.
    form.txtDTe->clear();
    form.cmdsalva_Click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().back().text,
              QStringLiteral("--- ERRO --- DATA DE EMISSÃO INVÁLIDA!"));
    form.txtDTe->setText(br(QDate::currentDate()));
    form.cmdsalva_Click();
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages().back().text,
              QStringLiteral("--- ERRO --- INFORME A QUANTIDADE DE PARCELAS!\n"
                             "Minimo de 1 e máximo de 115"));
    EXPECT_EQ(dialogs.messages().back().icon, dlg::Icon::Critical);
    EXPECT_EQ(form.focusWidget(), form.txtQtParc);
    EXPECT_EQ(count(QStringLiteral("creceber")), 0);
    EXPECT_TRUE(form.isVisible());
}

// A refused save puts the focus in the box the refusal is about: the
// emission date or the instalment named.
TEST_F(ReceivablesPlan, RefusedSaveFocusesTheBoxAtFault) {
    frmOS_GerFinan form;
    fill(form);
    testsupport::activate(&form);
    build(form, QStringLiteral("3"), QDate::currentDate().addDays(1));
    form.txtVR[2]->setText(QStringLiteral("33,34"));
    auto digitos = [](int days) { return br(QDate::currentDate().addDays(days)).remove('/'); };
    // Typed, then a click into the first value and one on "Salvar Dados".
    const struct {
        QLineEdit* box;
        QString typed;
        const char* message;
    } cases[] = {
        {form.txtDTe, {}, "--- ERRO --- DATA DE EMISSÃO INVÁLIDA!"},
        {form.txtDTe, digitos(1), "--- ERRO --- DATA DE EMISSÃO SUPERIOR A DATA ATUAL!"},
        {form.txtVCT[0], digitos(-1),
         "--- ERRO --- PRIMEIRO VENCIMENTO NÃO PODE SER INFERIOR À DATA DE EMISSÃO!"},
        {form.txtVCT[2], form.txtVCT[1]->text().remove('/'),
         "A PARCELA 003/003 POSSUI VENCIMENTO IGUAL E/OU INFERIOR À PARCELA ANTERIOR!"},
        {form.txtVR[1], QStringLiteral("abc"),
         "--- ERRO --- O VALOR DA PARCELA 002/003 E INVÁLIDO!"},
        {form.txtVR[2], QStringLiteral("0"),
         "--- ERRO --- O VALOR DA PARCELA 003/003 NÃO PODE SER MENOR E/OU IGUAL A ZERO!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const QString was = c.box->text();
        testsupport::retype(c.box, c.typed);
        if (c.typed.isEmpty())
            QTest::keyClick(c.box, Qt::Key_Delete);
        QTest::mouseClick(form.txtVR[0], Qt::LeftButton);
        dialogs.clear();
        testsupport::click(form.cmdsalva);
        EXPECT_EQ(dialogs.texts(), QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(form.focusWidget(), c.box);
        c.box->setText(was);
    }
    EXPECT_EQ(count(QStringLiteral("creceber")), 0);
}

// A plan on which money was received: the received rows stay exactly as
// they are, their boxes locked, only the untouched rows are written again,
// and no row of the received amount is added, so the order's open amount
// stays what it was.
TEST_F(ReceivablesPlan, ReopenedPlanKeepsWhatWasReceived) {
    const QDate emission = QDate::currentDate().addDays(-40);
    auto insert = [&](const QString& key, const QDate& due, const char* orig, const char* paid,
                      const char* interest, const char* discount, const char* open,
                      const char* pago) {
        linha(key, emission, due, orig, paid, interest, discount, open, pago);
    };
    // An earlier save's carried row, sorting before the instalments.
    const QString carried = ref() + QStringLiteral("000000");
    insert(carried, emission.addDays(-5), "0", "20", "0", "0", "20", "S");
    // Partly received, with interest and a discount: 50 + 5 - 3 - 30.
    insert(receivables::nrdoc(osnr, 1, 2), emission.addDays(30), "50", "30", "5", "3", "22", "N");
    insert(receivables::nrdoc(osnr, 2, 2), emission.addDays(60), "50", "0", "0", "0", "50", "N");
    const QString kept =
        QStringLiteral("select * from creceber where nrdoc in (?, ?) order by nrdoc");
    const QStringList before = rows(kept, {carried, receivables::nrdoc(osnr, 1, 2)});
    const Decimal openBefore = ordersummary::le(cn, osnr).emAberto;
    EXPECT_EQ(openBefore.toSql(2), QStringLiteral("92.00"));
    // Of the 50 received, the interest is no service: 28 and the 20 carried.
    EXPECT_EQ(receivables::le(cn, osnr).liquidado.toSql(2), QStringLiteral("48.00"));

    frmOS_GerFinan form;
    form.txtOsNR->setText(QString::number(osnr));
    form.txtnrdoc->setText(QStringLiteral("100"));
    form.txtcdfor->setText(QStringLiteral("1"));
    form.txtnmfor->setText(QStringLiteral("MARIA"));
    form.show();
    EXPECT_EQ(form.txtDTe->text(), br(emission));
    EXPECT_EQ(form.txtQtParc->text(), QStringLiteral("2"));
    EXPECT_TRUE(form.txtQtParc->isEnabled());
    EXPECT_TRUE(form.cmdretorna->isEnabled());
    ASSERT_EQ(form.txtVR.size(), 2);
    EXPECT_EQ(form.txtVR[0]->text(), QStringLiteral("50,00"));
    EXPECT_FALSE(form.txtVR[0]->isEnabled());
    EXPECT_FALSE(form.txtVCT[0]->isEnabled());
    EXPECT_TRUE(form.txtVR[1]->isEnabled());
    EXPECT_EQ(form.lblParc[1]->text(), QStringLiteral("002/002"));
    EXPECT_EQ(form.txtVrDif->text(), QStringLiteral("R$ 50,00"));
    EXPECT_FALSE(form.frmVCT->isHidden());

    form.txtVCT[1]->setText(br(emission.addDays(61)));
    dialogs.answer(dlg::Answer::Yes);
    form.cmdsalva_Click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(rows(kept, {carried, receivables::nrdoc(osnr, 1, 2)}), before);
    EXPECT_EQ(count(QStringLiteral("creceber")), 3);
    const db::Recordset rewritten = cn.query(
        QStringLiteral("select * from creceber where nrdoc = ?"), {receivables::nrdoc(osnr, 2, 2)});
    EXPECT_EQ(rewritten.date(QStringLiteral("dtv")), emission.addDays(61));
    EXPECT_EQ(rewritten.text(QStringLiteral("vrab")), QStringLiteral("50.00"));
    EXPECT_EQ(rewritten.text(QStringLiteral("pago")), QStringLiteral("N"));
    EXPECT_TRUE(rewritten.text(QStringLiteral("evcad")).startsWith(QStringLiteral("TESTE ")));
    EXPECT_EQ(ordersummary::le(cn, osnr).emAberto, openBefore);
}

// Rebuilt, the plan keeps its rows where they were and spreads what the
// received rows do not hold over the open row and a new one due on the
// plan's schedule; "Novo Plano" clears only the untouched rows.
TEST_F(ReceivablesPlan, RebuiltAroundTheReceivedRows) {
    const QDate emission = QDate::currentDate().addDays(-40);
    const QDate first = emission.addDays(30), second = emission.addDays(60);
    linha(receivables::nrdoc(osnr, 1, 3), emission, first, "33.33", "10", "0", "0", "23.33", "N");
    linha(receivables::nrdoc(osnr, 2, 3), emission, second, "33.33", "33.33", "0", "0", "0", "S");
    linha(receivables::nrdoc(osnr, 3, 3), emission, emission.addDays(90), "33.34", "0", "0", "0",
          "33.34", "N");
    const QString kept =
        QStringLiteral("select * from creceber where nrdoc in (?, ?) order by nrdoc");
    const db::Params keys = {receivables::nrdoc(osnr, 1, 3), receivables::nrdoc(osnr, 2, 3)};
    const QStringList before = rows(kept, keys);
    const QString untouched = QStringLiteral("select nrdoc, vrorig, vrab, dtv from creceber where "
                                             "vrpg = 0 and pago = 'N' order by nrdoc");
    auto screen = [](const frmOS_GerFinan& f) {
        QStringList shown;
        for (int i = 0; i < f.txtVR.size(); ++i)
            shown << f.txtVR[i]->text() + QLatin1Char(' ') + f.txtVCT[i]->text() +
                         QLatin1Char(' ') + f.lblParc[i]->text() +
                         (f.txtVR[i]->isEnabled() ? QString() : QStringLiteral(" travada"));
        return shown;
    };
    auto count = [](frmOS_GerFinan& f, const QString& typed) {
        f.txtQtParc->setText(typed);
        ordertest::leave(f.txtQtParc, f.txtDTe);
    };

    frmOS_GerFinan form;
    fill(form, QStringLiteral("120"));
    form.show();
    EXPECT_EQ(form.txtQtParc->text(), QStringLiteral("3"));
    // The count cannot leave a received row out.
    const struct {
        const char* typed;
        const char* message;
    } refused[] = {
        {"abc", "--- ERRO --- INFORME A QUANTIDADE DE PARCELAS!\nMinimo de 2 e máximo de 115"},
        {"1", "--- ERRO --- QUANTIDADE DE PARCELAS INFORMADO NÃO ACEITO!"},
        {"116", "--- ERRO --- QUANTIDADE DE PARCELAS INFORMADO NÃO ACEITO!"},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.typed);
        dialogs.clear();
        count(form, QString::fromLatin1(r.typed));
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages().front().text, QString::fromUtf8(r.message));
        EXPECT_EQ(form.txtVR.size(), 3);
    }
    form.cmdretorna->click();
    EXPECT_FALSE(form.frmVCT->isHidden());
    EXPECT_EQ(screen(form), (QStringList{"33,33 " + br(first) + " 001/003 travada",
                                         "33,33 " + br(second) + " 002/003 travada"}));

    // 120 less the 66,66 of the received rows, in two: the open row where it
    // was, a new one three months after row 001; no first due date is asked.
    const QDate third = emission.addDays(90);
    dialogs.clear();
    count(form, QStringLiteral("4"));
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(screen(form), (QStringList{"33,33 " + br(first) + " 001/003 travada",
                                         "33,33 " + br(second) + " 002/003 travada",
                                         "26,67 " + br(third) + " 003/004",
                                         "26,67 " + br(first.addMonths(3)) + " 004/004"}));
    EXPECT_EQ(form.focusWidget(), form.txtVR[2]);
    dialogs.answer(dlg::Answer::Yes);
    form.cmdsalva->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(rows(kept, keys), before);
    EXPECT_EQ(rows(untouched), (QStringList{receivables::nrdoc(osnr, 3, 4) + "|26.67|26.67|" +
                                                third.toString(Qt::ISODate),
                                            receivables::nrdoc(osnr, 4, 4) + "|26.67|26.67|" +
                                                first.addMonths(3).toString(Qt::ISODate)}));

    // Services down to the 43,33 received: the partly received row is
    // lowered to what was settled of it, and settles; no open row is left.
    frmOS_GerFinan lower;
    fill(lower, QStringLiteral("43,33"));
    lower.show();
    EXPECT_EQ(lower.txtVrDif->text(), QStringLiteral("R$ 43,33"));
    dialogs.clear();
    count(lower, QStringLiteral("3"));
    EXPECT_EQ(dialogs.messages().back().text,
              QStringLiteral("--- ERRO --- QUANTIDADE DE PARCELAS INFORMADO NÃO ACEITO!\n"
                             "NÃO HÁ VALOR A DISTRIBUIR EM NOVAS PARCELAS."));
    count(lower, QStringLiteral("2"));
    EXPECT_EQ(screen(lower), (QStringList{"10,00 " + br(first) + " 001/003 travada",
                                          "33,33 " + br(second) + " 002/003 travada"}));
    EXPECT_EQ(lower.focusWidget(), lower.cmdsalva);
    dialogs.answer(dlg::Answer::Yes);
    lower.cmdsalva->click();
    EXPECT_FALSE(lower.isVisible());
    EXPECT_EQ(rows(untouched), QStringList());
    EXPECT_EQ(rows(QStringLiteral("select vrorig, vrpg, vrab, pago from creceber order by nrdoc")),
              (QStringList{"10.00|10.00|0.00|S", "33.33|33.33|0.00|S"}));
}

// Two stations on one plan: a save writes only over the plan as that window
// read it, open rows included, whether another station saved the plan or
// received money on it meanwhile; read again, the plan saves, its new rows
// going to the client the header holds, whatever the window showed.
TEST_F(ReceivablesPlan, TwoStationsSaveOnlyOverThePlanTheyRead) {
    for (int i = 1; i <= 2; ++i)
        cn.execute(QStringLiteral("insert into creceber (nrdoc, refdoc, cdcli, dte, dtv, vrorig, "
                                  "vrab) values (?, ?, 1, curdate(), ?, 50, 50)"),
                   {receivables::nrdoc(osnr, i, 2), ref(), QDate::currentDate().addMonths(i)});
    const QString plan =
        QStringLiteral("select cdcli, vrorig, vrpg, vrab from creceber order by nrdoc");
    const QString changed =
        QStringLiteral("--- ERRO --- PLANO ALTERADO POR OUTRO USUÁRIO! CONSULTE NOVAMENTE.");
    auto save = [&](frmOS_GerFinan& form, const char* first, const char* second) {
        form.txtVR[0]->setText(QLatin1String(first));
        form.txtVR[1]->setText(QLatin1String(second));
        dialogs.clear();
        dialogs.answer(dlg::Answer::Yes);
        form.cmdsalva->click();
    };
    frmOS_GerFinan a, b;
    for (frmOS_GerFinan* form : {&a, &b}) {
        fill(*form);
        form->show();
    }
    save(a, "40", "60");
    EXPECT_FALSE(a.isVisible());
    save(b, "30", "70");
    EXPECT_EQ(dialogs.texts().back(), changed);
    EXPECT_TRUE(b.isVisible());
    EXPECT_EQ(rows(plan), (QStringList{"1|40.00|0.00|40.00", "1|60.00|0.00|60.00"}));

    shared::gRetorno = QStringLiteral("N");
    frmOS_GerFinan received;
    fill(received);
    received.show();
    ASSERT_EQ(received.txtVR.size(), 2);
    EXPECT_EQ(received.txtVR[0]->text(), QStringLiteral("40,00"));
    EXPECT_EQ(received.txtVR[1]->text(), QStringLiteral("60,00"));
    EXPECT_TRUE(received.cmdretorna->isEnabled());
    dialogs.onMessage([&](const dlg::Message& m) {
        if (m.text == QLatin1String("Confirma?"))
            cn.execute(QStringLiteral("update creceber set vrpg = 20, vrab = 40 where nrdoc = ?"),
                       {receivables::nrdoc(osnr, 2, 2)});
    });
    save(received, "30", "70");
    dialogs.onMessage({});
    EXPECT_EQ(dialogs.messages().back().text, changed);
    EXPECT_EQ(dialogs.messages().back().title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(rows(plan), (QStringList{"1|40.00|0.00|40.00", "1|60.00|20.00|40.00"}));
    EXPECT_EQ(shared::gRetorno, QStringLiteral("N"));
    EXPECT_TRUE(received.isVisible());

    frmOS_GerFinan again;
    fill(again);
    again.show();
    dialogs.onMessage([&](const dlg::Message& m) {
        if (m.text == QLatin1String("Confirma?"))
            cn.execute(QStringLiteral("update os_cab set cdcli = 2"));
    });
    save(again, "40", "60");
    dialogs.onMessage({});
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(again.txtcdfor->text(), QStringLiteral("1"));
    EXPECT_EQ(rows(plan), (QStringList{"2|40.00|0.00|40.00", "1|60.00|20.00|40.00"}));
}

// Another station deleted or completed the order while "Confirma?" was
// open: no instalment is written. A completed order is refused here; over an
// order gone the plan closes, for the window that opened it to tell.
TEST_F(ReceivablesPlan, NoPlanForAnOrderGoneOrCompleted) {
    for (const auto& c : ordertest::kConcluidaOuExcluida) {
        SCOPED_TRACE(c.what);
        shared::gRetorno = QStringLiteral("N");
        dialogs.clear();
        frmOS_GerFinan form;
        fill(form);
        form.show();
        build(form, QStringLiteral("2"), QDate::currentDate());
        dialogs.onMessage([&](const dlg::Message& m) {
            if (m.text == QLatin1String("Confirma?"))
                cn.execute(QString::fromLatin1(c.change));
        });
        dialogs.answer(dlg::Answer::Yes);
        form.cmdsalva->click();
        dialogs.onMessage({});
        EXPECT_EQ(count(QStringLiteral("creceber")), 0);
        EXPECT_EQ(shared::gRetorno, QStringLiteral("N"));
        EXPECT_EQ(form.isVisible(), !c.gone);
        if (c.gone) {
            EXPECT_EQ(dialogs.messages().back().text, QStringLiteral("Confirma?"));
            ASSERT_TRUE(form.ordem() && form.ordem()->recusa);
            EXPECT_EQ(form.ordem()->recusa->text, c.message);
            continue;
        }
        EXPECT_EQ(dialogs.messages().back().text, c.message);
        EXPECT_EQ(dialogs.messages().back().title, QStringLiteral("ATENÇÃO"));
    }
}

// A failing insert leaves the former plan whole.
TEST_F(ReceivablesPlan, FailedSaveChangesNothing) {
    cn.execute(QStringLiteral("insert into creceber (nrdoc, refdoc, cdcli, vrorig) values "
                              "(?, ?, 1, 100)"),
               {receivables::nrdoc(osnr, 1, 1), ref()});
    receivables::PlanoGravacao plan{osnr, QDate::currentDate(), {}, Decimal::fromInt(100)};
    for (int i = 0; i < 2; ++i)
        plan.parcelas.append({receivables::nrdoc(osnr, 1, 2), Decimal::fromInt(50),
                              QDate::currentDate().addMonths(i)});
    EXPECT_THROW(
        receivables::grava(cn, plan, receivables::le(cn, osnr).linhas, QStringLiteral("TESTE")),
        db::DbError);
    EXPECT_EQ(value(QStringLiteral("select nrdoc from creceber")), receivables::nrdoc(osnr, 1, 1));
}
