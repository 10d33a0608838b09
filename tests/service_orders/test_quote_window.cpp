#include "platform/data_grid.h"
#include "platform/dates.h"
#include "registers/frmBuscaCliente.h"
#include "registers/frmBuscaVendedor.h"
#include "service_orders/frmOS_GerFinan.h"
#include "service_orders/frmOS_Orc.h"
#include "service_orders/service_lines_frame.h"
#include "tests/service_orders/core_order_test.h"
#include "tests/support/modal.h"
#include "tests/support/typing.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class QuoteWindow : public ordertest::OrderTest {
protected:
    void SetUp() override {
        OrderTest::SetUp();
        cdcli = cliente(QStringLiteral("MARIA"));
        cdven = colaborador(QStringLiteral("PEDRO"));
        osnr = ordem(QStringLiteral("1"), cdcli, QStringLiteral("2024-03-05"),
                     QStringLiteral("JOÃO"), cdven);
    }

    // The window as the list opens it, with the order loaded.
    void open(frmOS_Orc& form, qint64 number) {
        form.txtOsNo->setText(QString::number(number));
        form.txtOsNo_LostFocus();
    }

    QString stored(const char* column) {
        return value(QStringLiteral("select %1 from os_cab where osnr = ?").arg(column), {osnr});
    }

    qint64 cdcli = 0, cdven = 0, osnr = 0;
};

TEST_F(QuoteWindow, LoadingShowsTheStoredOrder) {
    servico(osnr, QStringLiteral("3"), QStringLiteral("100"), QStringLiteral("10"));
    frmOS_Orc form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Ordem de Serviço - Orçamento"));
    EXPECT_EQ(form.txtDt->text(), dates::toBr(QDate::currentDate()));
    EXPECT_EQ(form.cboSit->count(), 3);
    open(form, osnr);
    EXPECT_EQ(form.txtDt->text(), QStringLiteral("05/03/2024"));
    EXPECT_EQ(form.cboSit->currentText(), QStringLiteral("1 - Em Negociação"));
    EXPECT_EQ(form.txtNmCli->text(), QStringLiteral("MARIA"));
    EXPECT_EQ(form.txtCidade->text(), QStringLiteral("CAMPINAS"));
    // Read-only boxes show the stored document whole, punctuation included.
    EXPECT_EQ(form.txtCNPJ->text(), QStringLiteral("11.444.777/0001-61"));
    EXPECT_EQ(form.txtIE->text(), QStringLiteral("110.042.490.114"));
    EXPECT_EQ(form.txtCNPJ->cursorPosition(), 0);
    EXPECT_EQ(form.txtNmVen->text(), QStringLiteral("PEDRO"));
    EXPECT_EQ(form.txtNmSol->text(), QStringLiteral("JOÃO"));
    EXPECT_EQ(form.txtIA->toPlainText(), QStringLiteral("INFO"));
    EXPECT_EQ(form.Frame1->lTL->text(),
              QStringLiteral("SubTotal: R$ 300,00 Descontos: R$ 30,00 Total: R$ 270,00"));
    EXPECT_EQ(form.totalOrdem().toSql(2), QStringLiteral("270.00"));
    EXPECT_TRUE(dialogs.shown().empty());

    // A client code that changes empties the client's boxes at once.
    form.txtCdCli->setText(QStringLiteral("99"));
    EXPECT_TRUE(form.txtNmCli->text().isEmpty());
    form.txtCdCli_LostFocus();
    EXPECT_TRUE(form.txtCidade->text().isEmpty());
    form.txtCdVen->setText(QStringLiteral("X"));
    EXPECT_TRUE(form.txtNmVen->text().isEmpty());
}

TEST_F(QuoteWindow, InvalidNumberIsRefused) {
    frmOS_Orc form;
    form.show();
    form.txtOsNo->setText(QStringLiteral("12A"));
    ordertest::leave(form.txtOsNo, form.txtDt);
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("--- ERRO --- NÚMERO DA O.S. INVÁLIDO!")));
    EXPECT_EQ(QApplication::focusWidget(), form.txtOsNo);
}

TEST_F(QuoteWindow, SavingAQuoteStoresTheHeader) {
    const qint64 other = cliente(QStringLiteral("JOSÉ"));
    frmOS_Orc form;
    open(form, osnr);
    form.txtDt->setText(QStringLiteral("10/03/2024"));
    form.txtCdCli->setText(QString::number(other));
    form.txtCdCli_LostFocus();
    form.txtNmSol->setText(QStringLiteral("ANA D'ÁVILA"));
    form.txtIA->setPlainText(QStringLiteral("LINHA 1\nLINHA 2"));
    form.cboSit->setCurrentIndex(0);
    form.Command1_Click();
    EXPECT_EQ(dialogs.messages().back().text, QStringLiteral("Salvo com sucesso!"));
    EXPECT_EQ(dialogs.messages().back().title, QStringLiteral("Atenção"));
    EXPECT_EQ(stored("dtos"), QStringLiteral("2024-03-10"));
    EXPECT_EQ(stored("cdcli"), QString::number(other));
    EXPECT_EQ(stored("ossit"), QStringLiteral("0"));
    EXPECT_EQ(stored("nmsol"), QStringLiteral("ANA D'ÁVILA"));
    EXPECT_EQ(stored("infadicional"), QStringLiteral("LINHA 1\nLINHA 2"));
    EXPECT_EQ(stored("cdven"), QString::number(cdven));
}

// Another station deleted or completed the order after it was opened: the
// header, a new line, the discount and a line deletion write nothing, and
// the user is told why; an order gone is no longer shown, its lines neither.
TEST_F(QuoteWindow, NothingIsWrittenUnderAnOrderGoneOrCompleted) {
    servico(osnr, QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("0"));
    cn.execute(QStringLiteral("create temporary table cabecalho as select * from os_cab"));
    const std::pair<const char*, std::function<void(frmOS_Orc&)>> actions[] = {
        {"header", [](frmOS_Orc& form) { form.Command1->click(); }},
        {"new line",
         [](frmOS_Orc& form) {
             ServiceLinesFrame* f = form.Frame1;
             f->txtDsSRV->setText(QStringLiteral("PINTURA"));
             f->txtUn->setText(QStringLiteral("UN"));
             f->txtQt->setText(QStringLiteral("1"));
             f->txtVU->setText(QStringLiteral("20"));
             f->txtPD->setText(QStringLiteral("0"));
             f->Command2->click();
         }},
        {"discount",
         [this](frmOS_Orc& form) {
             dialogs.answerInput(QStringLiteral("10"));
             form.Command4->click();
         }},
        {"line deletion",
         [this](frmOS_Orc& form) {
             ServiceLinesFrame* f = form.Frame1;
             f->DataGrid1->setCurrentIndex(f->DataGrid1->model()->index(0, 0));
             dialogs.answer(dlg::Answer::Yes);
             Q_EMIT f->DataGrid1->rowSelected();
         }},
    };
    for (const auto& c : ordertest::kConcluidaOuExcluida) {
        for (const auto& [what, action] : actions) {
            SCOPED_TRACE(std::string(c.what) + ", " + what);
            cn.execute(QStringLiteral("delete from os_cab"));
            cn.execute(QStringLiteral("insert into os_cab select * from cabecalho"));
            frmOS_Orc form;
            open(form, osnr);
            form.show();
            cn.execute(QString::fromLatin1(c.change));
            dialogs.clear();
            action(form);
            ASSERT_FALSE(dialogs.messages().empty());
            EXPECT_EQ(dialogs.messages().back().text, c.message);
            EXPECT_EQ(dialogs.messages().back().title, QStringLiteral("ATENÇÃO"));
            EXPECT_EQ(rows(QStringLiteral("select qt, vu, pd from os_srv")),
                      QStringList{QStringLiteral("1.0000|10.0000|0.0000")});
            EXPECT_EQ(form.txtOsNo->text().isEmpty(), c.gone);
            EXPECT_EQ(form.txtNmCli->text().isEmpty(), c.gone);
            EXPECT_EQ(form.Frame1->DataGrid1->model()->rowCount(), c.gone ? 0 : 1);
            EXPECT_EQ(form.Frame1->lTL->text(),
                      QStringLiteral("SubTotal: R$ %1 Descontos: R$ 0,00 Total: R$ %1")
                          .arg(c.gone ? QStringLiteral("0,00") : QStringLiteral("10,00")));
            if (QLatin1String(what) == QLatin1String("new line")) {
                EXPECT_EQ(form.Frame1->txtDsSRV->text(),
                          c.gone ? QString() : QStringLiteral("PINTURA"));
            }
        }
    }
    cn.execute(QStringLiteral("drop temporary table cabecalho"));
}

// Two stations on one order: a header save writes only over the row as that
// window loaded it, or last saved it.
TEST_F(QuoteWindow, TwoStationsSaveOnlyOverWhatTheyLoaded) {
    frmOS_Orc a;
    frmOS_Orc b;
    open(a, osnr);
    open(b, osnr);
    testsupport::activate(&a);
    testsupport::retype(a.txtNmSol, QStringLiteral("ANA"));
    testsupport::click(a.Command1);
    testsupport::retype(a.txtFone, QStringLiteral("5555"));
    testsupport::click(a.Command1);
    EXPECT_EQ(dialogs.texts(), (QStringList{QStringLiteral("Salvo com sucesso!"),
                                            QStringLiteral("Salvo com sucesso!")}));

    testsupport::activate(&b);
    testsupport::retype(b.txtFone, QStringLiteral("9999"));
    dialogs.clear();
    testsupport::click(b.Command1);
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral(
                  "--- ERRO --- ORDEM ALTERADA EM OUTRA ESTAÇÃO! DADOS RECARREGADOS.")});
    EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(rows(QStringLiteral("select nmsol, fone from os_cab")),
              QStringList{QStringLiteral("ANA|5555")});
    EXPECT_EQ(b.txtNmSol->text(), QStringLiteral("ANA"));
    EXPECT_EQ(b.txtFone->text(), QStringLiteral("5555"));
    EXPECT_EQ(b.txtNmCli->text(), QStringLiteral("MARIA"));

    testsupport::retype(b.txtFone, QStringLiteral("9999"));
    dialogs.clear();
    testsupport::click(b.Command1);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Salvo com sucesso!")});
    EXPECT_EQ(rows(QStringLiteral("select nmsol, fone from os_cab")),
              QStringList{QStringLiteral("ANA|9999")});
}

TEST_F(QuoteWindow, IncompleteHeaderIsNotStored) {
    struct Case {
        const char* name;
        std::function<void(frmOS_Orc&)> change;
    };
    const Case cases[] = {
        {"no requester", [](frmOS_Orc& f) { f.txtNmSol->setText(QStringLiteral("  ")); }},
        {"no such client", [](frmOS_Orc& f) { f.txtCdCli->setText(QStringLiteral("99")); }},
        {"no collaborator", [](frmOS_Orc& f) { f.txtCdVen->clear(); }},
        {"date that does not exist",
         [](frmOS_Orc& f) { f.txtDt->setText(QStringLiteral("31/02/2026")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.clear();
        frmOS_Orc form;
        open(form, osnr);
        c.change(form);
        form.cboSit->setCurrentIndex(2);
        form.Command1_Click();
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages().front().text,
                  QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!"));
        EXPECT_EQ(dialogs.messages().front().title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(stored("nmsol"), QStringLiteral("JOÃO"));
    }
}

// Approving opens the receivables plan first; the header is stored only
// when the plan was saved.
TEST_F(QuoteWindow, ApprovalNeedsASavedPlan) {
    servico(osnr, QStringLiteral("1"), QStringLiteral("1234.5"), QStringLiteral("0"));
    frmOS_Orc form;
    open(form, osnr);
    form.cboSit->setCurrentIndex(2);
    QStringList handed;
    testsupport::whenModal<frmOS_GerFinan>([&](frmOS_GerFinan* plan) {
        handed = {plan->txtOsNR->text(), plan->txtnrdoc->text(), plan->txtcdfor->text(),
                  plan->txtnmfor->text(), plan->txtDTe->text()};
        ordertest::press(plan->txtDTe, Qt::Key_Escape);
    });
    form.Command1_Click();
    EXPECT_EQ(handed,
              (QStringList{QString::number(osnr), QStringLiteral("1234,5"), QString::number(cdcli),
                           QStringLiteral("MARIA"), dates::toBr(QDate::currentDate())}));
    EXPECT_EQ(shared::gRetorno, QStringLiteral("N"));
    EXPECT_EQ(stored("ossit"), QStringLiteral("1"));
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(form.cboSit->currentIndex(), 2);

    testsupport::whenModal<frmOS_GerFinan>([&](frmOS_GerFinan* plan) { planoSalvo(plan); });
    form.Command1_Click();
    EXPECT_EQ(stored("ossit"), QStringLiteral("2"));
    EXPECT_EQ(shared::gRetorno, QString());
    EXPECT_EQ(value(QStringLiteral("select vrorig from creceber")), QStringLiteral("1234.50"));
    EXPECT_EQ(dialogs.messages().back().text, QStringLiteral("Salvo com sucesso!"));
}

// The plan and the approved header are stored together or not at all: a
// header another station saved, or a line it added, while "Confirma?" was
// open refuses both and the window shows the order as it is now; a write
// that fails leaves neither; approving again stores both.
TEST_F(QuoteWindow, ApprovalIsAllOrNothing) {
    servico(osnr, QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("0"));
    frmOS_Orc form;
    open(form, osnr);
    auto approve = [&] {
        form.cboSit->setCurrentIndex(2);
        testsupport::whenModal<frmOS_GerFinan>([&](frmOS_GerFinan* plan) {
            planoSalvo(plan);
            if (plan->isVisible())
                plan->close();
        });
        dialogs.clear();
        form.Command1_Click();
    };
    for (const QString& change :
         {QStringLiteral("update os_cab set nmsol = 'OUTRA'"),
          QStringLiteral("insert into os_srv (osnr, idsrv, dssrv, un, qt, vu, pd) select osnr, "
                         "'20240305110000', 'EXTRA', 'UN', 1, 50, 0 from os_cab")}) {
        dialogs.onMessage([&](const dlg::Message& m) {
            if (m.text == QLatin1String("Confirma?"))
                cn.execute(change);
        });
        approve();
        dialogs.onMessage({});
        EXPECT_EQ(dialogs.texts().back(), QStringLiteral("--- ERRO --- ORDEM ALTERADA EM OUTRA "
                                                         "ESTAÇÃO! DADOS RECARREGADOS."));
        EXPECT_EQ(count(QStringLiteral("creceber")), 0);
        EXPECT_EQ(stored("ossit"), QStringLiteral("1"));
        EXPECT_EQ(form.txtNmSol->text(), QStringLiteral("OUTRA"));
        EXPECT_EQ(form.cboSit->currentIndex(), 1);
        EXPECT_EQ(shared::gRetorno, QStringLiteral("N"));
    }
    EXPECT_EQ(form.totalOrdem().toSql(2), QStringLiteral("150.00"));

    cn.execute(QStringLiteral("create trigger falha before update on os_cab for each row begin "
                              "signal sqlstate '45000' set message_text = 'falhou'; end"));
    approve();
    cn.execute(QStringLiteral("drop trigger falha"));
    EXPECT_TRUE(dialogs.texts().back().startsWith(QStringLiteral("--- ERRO --- ")));
    EXPECT_EQ(count(QStringLiteral("creceber")), 0);
    EXPECT_EQ(stored("ossit"), QStringLiteral("1"));

    approve();
    EXPECT_EQ(dialogs.texts().back(), QStringLiteral("Salvo com sucesso!"));
    EXPECT_EQ(stored("ossit"), QStringLiteral("2"));
    EXPECT_EQ(stored("nmsol"), QStringLiteral("OUTRA"));
    EXPECT_EQ(rows(QStringLiteral("select cdcli, vrorig from creceber")),
              QStringList{QString::number(cdcli) + QStringLiteral("|150.00")});
    // Saved again, it writes over the header as the approval stored it.
    form.cboSit->setCurrentIndex(1);
    form.Command1_Click();
    EXPECT_EQ(dialogs.texts().back(), QStringLiteral("Salvo com sucesso!"));
}

// An order deleted at another station is not approved: before the plan
// opens, or while its "Confirma?" is open, the window says so and clears.
TEST_F(QuoteWindow, ApprovalOfAnOrderGone) {
    const QString gone = QStringLiteral("--- ERRO --- ORDEM NÃO ENCONTRADA! CONSULTE NOVAMENTE.");
    servico(osnr, QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("0"));
    frmOS_Orc before;
    open(before, osnr);
    before.cboSit->setCurrentIndex(2);
    cn.execute(QStringLiteral("delete from os_cab where osnr = ?"), {osnr});
    bool planOpened = false;
    QTimer::singleShot(0, &before, [&] {
        if (auto* plan = qobject_cast<frmOS_GerFinan*>(QApplication::activeModalWidget())) {
            planOpened = true;
            plan->close();
        }
    });
    before.Command1_Click();
    QApplication::processEvents();
    EXPECT_FALSE(planOpened);
    EXPECT_EQ(dialogs.texts(), QStringList{gone});
    EXPECT_TRUE(before.txtOsNo->text().isEmpty());
    EXPECT_EQ(before.Frame1->DataGrid1->model()->rowCount(), 0);

    const qint64 other = ordem(QStringLiteral("1"), cdcli, QStringLiteral("2024-03-05"),
                               QStringLiteral("JOÃO"), cdven);
    servico(other, QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("0"));
    frmOS_Orc during;
    open(during, other);
    during.cboSit->setCurrentIndex(2);
    dialogs.clear();
    dialogs.onMessage([&](const dlg::Message& m) {
        if (m.text == QLatin1String("Confirma?"))
            cn.execute(QStringLiteral("delete from os_cab where osnr = ?"), {other});
    });
    testsupport::whenModal<frmOS_GerFinan>([&](frmOS_GerFinan* plan) { planoSalvo(plan); });
    during.Command1_Click();
    dialogs.onMessage({});
    EXPECT_EQ(dialogs.texts(), (QStringList{QStringLiteral("Confirma?"), gone}));
    EXPECT_EQ(count(QStringLiteral("creceber")), 0);
    EXPECT_TRUE(during.txtOsNo->text().isEmpty());
    EXPECT_TRUE(during.txtNmCli->text().isEmpty());
    EXPECT_EQ(during.Frame1->DataGrid1->model()->rowCount(), 0);
}

TEST_F(QuoteWindow, OrderWithoutLinesHandsAZeroTotal) {
    frmOS_Orc form;
    open(form, osnr);
    form.cboSit->setCurrentIndex(2);
    QString total;
    testsupport::whenModal<frmOS_GerFinan>([&](frmOS_GerFinan* plan) {
        total = plan->txtnrdoc->text();
        plan->close();
    });
    form.Command1_Click();
    EXPECT_EQ(total, QStringLiteral("0"));
}

// An order that reached the quote window through a filter keeps its status.
TEST_F(QuoteWindow, StatusTheBoxDoesNotOfferIsKept) {
    const qint64 running = ordem(QStringLiteral("3"), cdcli, QStringLiteral("2024-03-05"),
                                 QStringLiteral("JOÃO"), cdven);
    frmOS_Orc form;
    open(form, running);
    EXPECT_EQ(form.cboSit->currentText(), QStringLiteral("3 - Em Andamento"));
    // Nothing changed is still a save.
    form.Command1_Click();
    EXPECT_EQ(dialogs.messages().back().text, QStringLiteral("Salvo com sucesso!"));
    EXPECT_EQ(value(QStringLiteral("select ossit from os_cab where osnr = ?"), {running}),
              QStringLiteral("3"));
}

TEST_F(QuoteWindow, DiscountForEveryLine) {
    servico(osnr, QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("5"));
    servico(osnr, QStringLiteral("1"), QStringLiteral("50"), QStringLiteral("0"));
    frmOS_Orc form;
    open(form, osnr);
    dialogs.answerInput(std::nullopt);
    form.Command4_Click();
    EXPECT_EQ(value(QStringLiteral("select sum(pd) from os_srv")), QStringLiteral("5.0000"));

    for (const char* answer : {"x", "-5", "10,5"})
        dialogs.answerInput(QString::fromLatin1(answer));
    form.Command4_Click();
    EXPECT_EQ(dialogs.pending(), 0);
    EXPECT_EQ(dialogs.shown().back().text, QStringLiteral("Percentual:"));
    EXPECT_EQ(dialogs.shown().back().arguments, QStringList{QStringLiteral("Desconto")});
    EXPECT_EQ(value(QStringLiteral("select count(*) from os_srv where pd = 10.5 and evcad like "
                                   "'% TESTE'")),
              QStringLiteral("2"));
    EXPECT_EQ(form.totalOrdem().toSql(2), QStringLiteral("134.25"));
}

// A discount whose value would leave the amounts' range is refused as it is
// typed, in the line entry and in "Descontos" (each line, and their sum),
// and nothing is written; one above 100 % within the range is taken.
TEST_F(QuoteWindow, DiscountBeyondTheAmountsIsRefused) {
    frmOS_Orc form;
    open(form, osnr);
    ServiceLinesFrame* f = form.Frame1;
    auto linha = [&](const char* vu, const char* pd) {
        dialogs.clear();
        for (const auto& [box, text] : {std::pair{f->txtDsSRV, "PINTURA"},
                                        {f->txtUn, "UN"},
                                        {f->txtQt, "1.000"},
                                        {f->txtVU, vu},
                                        {f->txtPD, pd}})
            box->setText(QString::fromLatin1(text));
        f->Command2_Click();
    };
    auto descontos = [&](const char* pd) {
        dialogs.clear();
        dialogs.answerInput(QString::fromLatin1(pd));
        form.Command4_Click();
    };
    const QStringList foraDoLimite{QStringLiteral("--- ERRO --- VALOR FORA DO LIMITE!")};
    const QString pds = QStringLiteral("select group_concat(pd order by id) from os_srv");

    // A bar code typed into "% Desc." of 1.000 x 1.000,00.
    linha("1.000,00", "7891234567890");
    EXPECT_EQ(dialogs.texts(), foraDoLimite);
    EXPECT_EQ(f->txtPD->text(), QStringLiteral("7891234567890"));
    EXPECT_EQ(count(QStringLiteral("os_srv")), 0);

    // 150 % of 4.000.000.000.000 is taken; a second such line would take the
    // order's discounts past the range, one of 90 % does not.
    linha("4.000.000.000", "150");
    linha("4.000.000.000", "150");
    EXPECT_EQ(dialogs.texts(), foraDoLimite);
    linha("4.000.000.000", "90");
    EXPECT_TRUE(dialogs.texts().isEmpty());
    EXPECT_EQ(value(pds), QStringLiteral("150.0000,90.0000"));

    // Each line's own discount leaves the range; then only their sum does.
    for (const char* pd : {"7891234567890", "150"}) {
        SCOPED_TRACE(pd);
        descontos(pd);
        EXPECT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages().back().text, foraDoLimite.front());
        EXPECT_EQ(value(pds), QStringLiteral("150.0000,90.0000"));
    }
    descontos("120");
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(value(pds), QStringLiteral("120.0000,120.0000"));
    EXPECT_EQ(f->lTL->text(), QStringLiteral("SubTotal: R$ 8.000.000.000.000,00 Descontos: R$ "
                                             "9.600.000.000.000,00 Total: -R$ "
                                             "1.600.000.000.000,00"));
}

TEST_F(QuoteWindow, PickersFillTheCodes) {
    const qint64 other = cliente(QStringLiteral("ZULMIRA"));
    frmOS_Orc form;
    open(form, osnr);
    form.show();
    form.txtNmSol->setFocus();
    testsupport::whenModal<frmBuscaCliente>([&](frmBuscaCliente* picker) {
        picker->DataGrid1->setCurrentIndex(picker->DataGrid1->model()->index(1, 0));
        ordertest::press(picker->DataGrid1, Qt::Key_F10);
    });
    ordertest::press(form.txtNmSol, Qt::Key_F2);
    EXPECT_EQ(form.txtCdCli->text(), QString::number(other));
    // The client's details come when the focus leaves the code box.
    EXPECT_TRUE(form.txtNmCli->text().isEmpty());
    EXPECT_EQ(form.focusWidget(), form.txtCdCli);
    form.txtCdCli_LostFocus();
    EXPECT_EQ(form.txtNmCli->text(), QStringLiteral("ZULMIRA"));

    // A cancelled pick keeps the code and still moves the focus.
    testsupport::whenModal<frmBuscaVendedor>(
        [&](frmBuscaVendedor* picker) { ordertest::press(picker->DataGrid1, Qt::Key_Escape); });
    ordertest::press(form.txtNmSol, Qt::Key_F3);
    EXPECT_EQ(form.txtCdVen->text(), QString::number(cdven));
    EXPECT_EQ(form.focusWidget(), form.txtCdVen);
}

TEST_F(QuoteWindow, TypedTextArrivesInCapitals) {
    frmOS_Orc form;
    form.show();
    form.txtNmSol->setFocus();
    testsupport::type(form.txtNmSol, QStringLiteral("joão"));
    form.txtIA->setFocus();
    testsupport::type(form.txtIA, QStringLiteral("obs ç"));
    EXPECT_EQ(form.txtNmSol->text(), QStringLiteral("JOÃO"));
    EXPECT_EQ(form.txtIA->toPlainText(), QStringLiteral("OBS Ç"));
}

TEST_F(QuoteWindow, PrintOpensTheStoredDocument) {
    frmOS_Orc form;
    open(form, osnr);
    form.Command3_Click();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown().front().kind, QStringLiteral("document"));
    EXPECT_TRUE(QFile::exists(shared::gArquivoPDF));
    // Without a number nothing is written, and no earlier file is opened.
    dialogs.clear();
    frmOS_Orc empty;
    empty.Command3_Click();
    EXPECT_TRUE(dialogs.shown().empty());
}
