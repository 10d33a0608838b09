#include "platform/data_grid.h"
#include "platform/dates.h"
#include "registers/frmBuscaCliente.h"
#include "service_orders/frmOS_Custos.h"
#include "service_orders/frmOS_GerFinan.h"
#include "service_orders/frmOS_Servicos.h"
#include "service_orders/frmOs_MNT.h"
#include "service_orders/order_header.h"
#include "service_orders/order_windows.h"
#include "service_orders/service_lines_frame.h"
#include "tests/service_orders/core_order_test.h"
#include "tests/support/modal.h"
#include "tests/support/order_amount_cases.h"
#include "tests/support/other_station.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

class ApprovedOrder : public ordertest::OrderTest {
protected:
    void SetUp() override {
        OrderTest::SetUp();
        cdcli = cliente(QStringLiteral("MARIA"));
        cdven = colaborador(QStringLiteral("PEDRO"));
        osnr = ordem(QStringLiteral("3"), cdcli, QStringLiteral("2024-03-05"),
                     QStringLiteral("JOÃO"), cdven);
    }

    // The window as the list opens it, with the order loaded.
    void open(frmOs_MNT& form) {
        form.txtOsNo->setText(QString::number(osnr));
        form.txtOsNo_LostFocus();
    }

    QString stored(const char* column) {
        return value(QStringLiteral("select %1 from os_cab where osnr = ?").arg(column), {osnr});
    }

    // A receivable row of the order; `parte` is the instalment part of its key.
    void receber(const char* parte, const char* vrorig, const char* vrpg, const char* vrab) {
        const QString refdoc = QStringLiteral("%1").arg(osnr, 10, 10, QLatin1Char('0'));
        cn.execute(
            QStringLiteral("insert into creceber (nrdoc, refdoc, cdcli, dte, dtv, vrorig, "
                           "vrpg, vrab) values (?, ?, ?, curdate(), curdate(), ?, ?, ?)"),
            {refdoc + QLatin1String(parte), refdoc, cdcli, *Decimal::fromSql(QLatin1String(vrorig)),
             *Decimal::fromSql(QLatin1String(vrpg)), *Decimal::fromSql(QLatin1String(vrab))});
    }
    void custo(const char* tipo, const char* qtde, const char* valor) {
        cn.execute(QStringLiteral("insert into os_custos (idlan, osnr, tipo, qtde, valor) values "
                                  "(uuid(), ?, ?, ?, ?)"),
                   {osnr, QLatin1String(tipo), *Decimal::fromSql(QLatin1String(qtde)),
                    *Decimal::fromSql(QLatin1String(valor))});
    }

    QStringList resumo(const frmOs_MNT& form) {
        return {form.cmdSRV->text(), form.cmdCusto->text(), form.cmdCI->text(),
                form.cmdCM->text(),  form.cmdFinan->text(), form.cmdDif->text()};
    }

    qint64 cdcli = 0, cdven = 0, osnr = 0;
};

TEST_F(ApprovedOrder, OpensEmptyAndLoadsTheOrderWithItsSummary) {
    servico(osnr, QStringLiteral("2"), QStringLiteral("600"), QStringLiteral("10"));
    custo("P", "3", "12.5");
    custo("S", "1", "200");
    receber("001002", "500", "500", "0");
    receber("002002", "580", "0", "580");
    QStringList atOpening;
    testsupport::whenModal<frmOs_MNT>([&](frmOs_MNT* form) {
        atOpening = QStringList{form->windowTitle(), form->txtOsNo->text(), form->txtDt->text(),
                                form->cboSit->currentText()} +
                    resumo(*form);
        form->close();
    });
    orderwindows::showWithNumber<frmOs_MNT>(&frmOs_MNT::txtOsNo, QString::number(osnr), nullptr);
    EXPECT_EQ(atOpening,
              (QStringList{QStringLiteral("Ordem de Serviço - Aprovada"), QString::number(osnr),
                           dates::toBr(QDate::currentDate()), QStringLiteral("2 - Aprovada"),
                           QStringLiteral("R$ 0,00"), QStringLiteral("R$ 0,00"),
                           QStringLiteral("Insumos: R$ 0,00"), QStringLiteral("O.OB.:R$ 0,00"),
                           QStringLiteral("R$ 0,00"), QStringLiteral("DIF: R$ 0,00")}));

    frmOs_MNT form;
    open(form);
    EXPECT_EQ(form.cboSit->count(), 3);
    EXPECT_EQ(form.cboSit->currentText(), QStringLiteral("3 - Em Andamento"));
    EXPECT_EQ(form.txtDt->text(), QStringLiteral("05/03/2024"));
    EXPECT_EQ(form.txtNmCli->text(), QStringLiteral("MARIA"));
    EXPECT_EQ(form.txtNmVen->text(), QStringLiteral("PEDRO"));
    EXPECT_EQ(resumo(form),
              (QStringList{QStringLiteral("R$ 1.080,00"), QStringLiteral("R$ 237,50"),
                           QStringLiteral("Insumos: R$ 37,50"), QStringLiteral("M.OB.: R$ 200,00"),
                           QStringLiteral("R$ 580,00"), QStringLiteral("DIF: R$ 0,00")}));
    EXPECT_TRUE(dialogs.shown().empty());
}

// Completing needs a plan that adds up to the services in cents, exactly
// when "DIF" shows zero; completing stamps the closing moment, once, and
// leaves the order for viewing and printing only.
TEST_F(ApprovedOrder, CompletionNeedsThePlanToMatchTheServices) {
    struct Case {
        const char* name;
        std::function<void()> fill;
        QString emAberto, diferenca;
        bool completes;
    };
    const Case cases[] = {
        {"nothing yet", [] {}, "R$ 0,00", "DIF: R$ 0,00", true},
        {"plan a cent short",
         [this] {
             servico(osnr, "1", "1000", "0");
             receber("001002", "500", "0", "500");
             receber("002002", "499.99", "0", "499.99");
         },
         "R$ 999,99", "DIF: R$ 0,01", false},
        {"services beyond cents",
         [this] {
             servico(osnr, "1", "100", "0.004");
             receber("001001", "100", "0", "100");
         },
         "R$ 100,00", "DIF: R$ 0,00", true},
        {"a discount leaving 94,9905",
         [this] {
             servico(osnr, "1", "99.99", "5");
             receber("001001", "94.99", "0", "94.99");
         },
         "R$ 94,99", "DIF: R$ 0,00", true},
        {"exactly half a cent",
         [this] {
             servico(osnr, "1", "100.005", "0");
             receber("001001", "100.01", "0", "100.01");
         },
         "R$ 100,01", "DIF: R$ 0,00", true},
        {"amount already received",
         [this] {
             servico(osnr, "1", "500", "0");
             receber("000000", "0", "200", "200");
             receber("001001", "500", "0", "500");
         },
         "R$ 700,00", "DIF: R$ 0,00", true},
    };
    static const QRegularExpression stamp(
        QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d TESTE$"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* table : {"os_srv", "creceber"})
            cn.execute(QStringLiteral("delete from %1").arg(QLatin1String(table)));
        cn.execute(QStringLiteral("update os_cab set ossit = '3', uev = 'CRIADA'"));
        c.fill();
        dialogs.clear();
        frmOs_MNT form;
        open(form);
        // Another station with the same order open.
        frmOs_MNT earlier;
        open(earlier);
        EXPECT_EQ(form.cmdFinan->text(), c.emAberto);
        EXPECT_EQ(form.cmdDif->text(), c.diferenca);
        form.cboSit->setCurrentIndex(2);
        form.Command1_Click();
        ASSERT_EQ(dialogs.messages().size(), 1u);
        if (c.completes) {
            EXPECT_EQ(dialogs.messages().front().text, QStringLiteral("Salvo com sucesso!"));
            EXPECT_EQ(stored("ossit"), QStringLiteral("4"));
            EXPECT_TRUE(stamp.match(stored("uev")).hasMatch()) << stored("uev").toStdString();
            for (QPushButton* change : {form.Command1, form.Command2, form.Command5, form.Command6})
                EXPECT_FALSE(change->isEnabled()) << change->text().toStdString();
            EXPECT_TRUE(form.Command3->isEnabled());
            // Saved again from the other window: refused, the closing stamp
            // stays.
            cn.execute(QStringLiteral("update os_cab set uev = 'FECHADA'"));
            earlier.Command1_Click();
            EXPECT_EQ(dialogs.messages().back().text,
                      QStringLiteral("--- ERRO --- ORDEM CONCLUÍDA NÃO PODE SER ALTERADA!"));
            EXPECT_EQ(dialogs.messages().back().title, QStringLiteral("ATENÇÃO"));
            EXPECT_EQ(stored("ossit"), QStringLiteral("4"));
            EXPECT_EQ(stored("uev"), QStringLiteral("FECHADA"));
            // Opened again, it is shown for viewing only.
            frmOs_MNT again;
            open(again);
            EXPECT_EQ(again.cboSit->currentText(), QStringLiteral("4 - Concluída"));
            EXPECT_FALSE(again.Command6->isEnabled());
            continue;
        }
        EXPECT_EQ(dialogs.messages().front().text,
                  QStringLiteral("--- ERRO --- DIVERGENCIA NO FINANCEIRO DA ORDEM!"));
        EXPECT_EQ(dialogs.messages().front().icon, dlg::Icon::Critical);
        EXPECT_EQ(stored("ossit"), QStringLiteral("3"));
        // Any other status is saved as it is.
        form.cboSit->setCurrentIndex(0);
        form.Command1_Click();
        EXPECT_EQ(dialogs.messages().back().text, QStringLiteral("Salvo com sucesso!"));
        EXPECT_EQ(stored("ossit"), QStringLiteral("2"));
        EXPECT_EQ(stored("uev"), QStringLiteral("CRIADA"));
    }
}

// The window's summary, the services and costs windows and the plan read the
// order's figures as the documents and the report do; a plan of one
// instalment bills the total whole, and the order completes on it.
TEST_F(ApprovedOrder, EveryFigureReadsTheSameToTheCent) {
    using amountcases::reais;
    for (const amountcases::Caso& c : amountcases::casos()) {
        SCOPED_TRACE(c.nome);
        cn.execute(QStringLiteral("delete from creceber"));
        cn.execute(QStringLiteral("update os_cab set ossit = '3'"));
        amountcases::grava(cn, osnr, c);
        dialogs.clear();
        frmOs_MNT form;
        open(form);
        form.show();
        form.txtNmSol->setFocus();
        EXPECT_EQ(resumo(form).mid(0, 4),
                  (QStringList{reais(c.total), reais(c.custoTotal),
                               QStringLiteral("Insumos: ") + reais(c.insumos),
                               QStringLiteral("M.OB.: ") + reais(c.maoDeObra)}));

        // The services and costs windows, open beside it.
        frmOS_Servicos servicos;
        frmOS_Custos custos;
        for (QWidget* janela : std::initializer_list<QWidget*>{&servicos, &custos}) {
            janela->findChild<QLineEdit*>(QStringLiteral("txtOsNr"))
                ->setText(QString::number(osnr));
            testsupport::activate(janela);
        }
        EXPECT_EQ(servicos.Frame1->lTL->text(), QStringLiteral("SubTotal: ") + reais(c.subtotal) +
                                                    QStringLiteral(" Descontos: ") +
                                                    reais(c.descontos) +
                                                    QStringLiteral(" Total: ") + reais(c.total));
        EXPECT_EQ(custos.lTL->text(), QStringLiteral("Produtos: ") + reais(c.insumos) +
                                          QStringLiteral(" Srv/M.Obr: ") + reais(c.maoDeObra) +
                                          QStringLiteral(" Total: ") + reais(c.custoTotal));
        form.activateWindow();

        QStringList plano;
        testsupport::whenModal<frmOS_GerFinan>([&](frmOS_GerFinan* w) {
            w->txtDTe->setText(dates::toBr(QDate::currentDate()));
            planoSalvo(w);
            for (const QLineEdit* box : {w->txtnrdoc, w->txtVR[0]})
                plano << Decimal::parse(box->text()).value_or(Decimal::fromInt(-1)).toBr(2);
        });
        ordertest::press(form.txtNmSol, Qt::Key_F6);
        EXPECT_EQ(plano, QStringList(2, QString::fromUtf8(c.total)));
        EXPECT_EQ(form.cmdFinan->text(), reais(c.total));
        EXPECT_EQ(form.cmdDif->text(), QStringLiteral("DIF: R$ 0,00"));
        form.cboSit->setCurrentIndex(2);
        form.Command1_Click();
        EXPECT_EQ(dialogs.messages().back().text, QStringLiteral("Salvo com sucesso!"));
        EXPECT_EQ(stored("ossit"), QStringLiteral("4"));
    }
}

// A service added after part of the plan was received: the plan is rebuilt
// around the received row, which stays as it is, and the order completes.
TEST_F(ApprovedOrder, ServiceAddedAfterAPartialReceiptIsPlannedAndCompleted) {
    servico(osnr, QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("0"));
    receber("001001", "100", "50", "50");
    const QString received = QStringLiteral("select * from creceber where nrdoc = ?");
    const QString key = QStringLiteral("%1001001").arg(osnr, 10, 10, QLatin1Char('0'));
    const QStringList before = rows(received, {key});
    frmOs_MNT form;
    open(form);
    form.show();
    form.txtNmSol->setFocus();
    testsupport::whenModal<frmOS_Servicos>([&](frmOS_Servicos* w) {
        servico(osnr, QStringLiteral("1"), QStringLiteral("50"), QStringLiteral("0"));
        w->close();
    });
    ordertest::press(form.txtNmSol, Qt::Key_F4);
    EXPECT_EQ(form.cmdDif->text(), QStringLiteral("DIF: R$ 50,00"));

    QStringList plan;
    testsupport::whenModal<frmOS_GerFinan>([&](frmOS_GerFinan* w) {
        EXPECT_TRUE(w->txtQtParc->isEnabled());
        w->txtQtParc->setText(QStringLiteral("2"));
        ordertest::leave(w->txtQtParc, w->txtDTe);
        for (int i = 0; i < w->txtVR.size(); ++i)
            plan << w->txtVR[i]->text() + QLatin1Char(' ') + w->lblParc[i]->text();
        dialogs.answer(dlg::Answer::Yes);
        w->cmdsalva->click();
    });
    ordertest::press(form.txtNmSol, Qt::Key_F6);
    EXPECT_EQ(plan,
              (QStringList{QStringLiteral("100,00 001/001"), QStringLiteral("50,00 002/002")}));
    EXPECT_EQ(rows(received, {key}), before);
    EXPECT_EQ(form.cmdFinan->text(), QStringLiteral("R$ 100,00"));
    EXPECT_EQ(form.cmdDif->text(), QStringLiteral("DIF: R$ 0,00"));

    dialogs.clear();
    form.cboSit->setCurrentIndex(2);
    form.Command1_Click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().front().text, QStringLiteral("Salvo com sucesso!"));
    EXPECT_EQ(stored("ossit"), QStringLiteral("4"));
}

TEST_F(ApprovedOrder, SavingStoresTheHeaderOnly) {
    const qint64 other = cliente(QStringLiteral("JOSÉ"));
    cn.execute(QStringLiteral("update os_cab set evcad = 'CRIADA', uev = 'CRIADA'"));
    frmOs_MNT form;
    open(form);
    form.txtDt->setText(QStringLiteral("10/03/2024"));
    form.txtCdCli->setText(QString::number(other));
    form.txtCdCli_LostFocus();
    form.txtNmSol->setText(QStringLiteral("ANA D'ÁVILA"));
    form.txtFone->setText(QStringLiteral("(19) 3333-4444"));
    form.txtIA->setPlainText(QStringLiteral("LINHA 1\nLINHA 2"));
    form.cboSit->setCurrentIndex(0);
    form.Command1_Click();
    EXPECT_EQ(dialogs.messages().back().text, QStringLiteral("Salvo com sucesso!"));
    EXPECT_EQ(dialogs.messages().back().title, QStringLiteral("Atenção"));
    const db::Recordset row = cn.query(
        QStringLiteral("select dtos, cdcli, ossit, nmsol, fone, cdven, infadicional, evcad, uev "
                       "from os_cab where osnr = ?"),
        {osnr});
    QStringList values;
    for (int column = 0; column < row.columnCount(); ++column)
        values << row.textAt(0, column);
    EXPECT_EQ(values, (QStringList{QStringLiteral("2024-03-10"), QString::number(other),
                                   QStringLiteral("2"), QStringLiteral("ANA D'ÁVILA"),
                                   QStringLiteral("(19) 3333-4444"), QString::number(cdven),
                                   QStringLiteral("LINHA 1\nLINHA 2"), QStringLiteral("CRIADA"),
                                   QStringLiteral("CRIADA")}));
}

// A new client takes the order's open instalments with it, so the
// settlement offers them to the client who owes them; once money was
// received on any of them, the client can no longer change.
TEST_F(ApprovedOrder, NewClientTakesTheOpenInstalments) {
    const qint64 other = cliente(QStringLiteral("JOSÉ"));
    receber("001002", "50", "0", "50");
    receber("002002", "50", "0", "50");
    const QString clients = QStringLiteral("select cdcli from creceber order by nrdoc");
    frmOs_MNT form;
    open(form);
    auto save = [&](qint64 client, const QString& requester) {
        form.txtCdCli->setText(QString::number(client));
        form.txtCdCli_LostFocus();
        form.txtNmSol->setText(requester);
        dialogs.clear();
        form.Command1_Click();
    };
    save(other, QStringLiteral("JOÃO"));
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Salvo com sucesso!")});
    EXPECT_EQ(stored("cdcli"), QString::number(other));
    EXPECT_EQ(rows(clients), QStringList(2, QString::number(other)));

    cn.execute(QStringLiteral("update creceber set vrpg = 10, vrab = 40 where nrdoc like ?"),
               {QStringLiteral("%001002")});
    save(cdcli, QStringLiteral("OUTRO"));
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral(
                  "--- ERRO --- ORDEM COM PARCELA RECEBIDA NÃO PODE TER CLIENTE ALTERADO!")});
    EXPECT_EQ(dialogs.messages().front().title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(stored("cdcli"), QString::number(other));
    EXPECT_EQ(stored("nmsol"), QStringLiteral("JOÃO"));
    EXPECT_EQ(rows(clients), QStringList(2, QString::number(other)));
    // The same client saves as before.
    save(other, QStringLiteral("OUTRO"));
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Salvo com sucesso!")});
    EXPECT_EQ(stored("nmsol"), QStringLiteral("OUTRO"));
}

TEST_F(ApprovedOrder, HeaderThatCannotBeStored) {
    struct Case {
        const char* name;
        std::function<void(frmOs_MNT&)> change;
        QString message;
        bool gone = false;
    };
    const QString incompleto = QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!");
    std::vector<Case> cases = {
        {"no requester", [](frmOs_MNT& f) { f.txtNmSol->setText(QStringLiteral(" ")); },
         incompleto},
        {"no such client", [](frmOs_MNT& f) { f.txtCdCli->setText(QStringLiteral("99")); },
         incompleto},
        {"collaborator code no number",
         [](frmOs_MNT& f) { f.txtCdVen->setText(QStringLiteral("1A")); }, incompleto},
        {"date that does not exist",
         [](frmOs_MNT& f) { f.txtDt->setText(QStringLiteral("31/02/2026")); }, incompleto},
    };
    for (const auto& c : ordertest::kConcluidaOuExcluida)
        cases.push_back({c.what,
                         [this, &c](frmOs_MNT&) { cn.execute(QString::fromLatin1(c.change)); },
                         c.message, c.gone});
    servico(osnr, QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("0"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cn.execute(QStringLiteral("update os_cab set ossit = '3'"));
        dialogs.clear();
        frmOs_MNT form;
        open(form);
        form.txtNmSol->setText(QStringLiteral("OUTRO"));
        c.change(form);
        form.Command1_Click();
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages().front().text, c.message);
        EXPECT_NE(stored("nmsol"), QStringLiteral("OUTRO"));
        // An order gone is no longer shown; any other stays as typed.
        EXPECT_EQ(form.txtOsNo->text().isEmpty(), c.gone);
        EXPECT_EQ(form.txtNmSol->text().isEmpty(), c.gone);
        EXPECT_EQ(form.cmdSRV->text(),
                  c.gone ? QStringLiteral("R$ 0,00") : QStringLiteral("R$ 10,00"));
    }
}

// Another station adds a service line while this one completes the order:
// the completion waits for it, reads the services and the plan again and
// refuses; the summary then shows the difference.
TEST_F(ApprovedOrder, CompletionIsCheckedAgainUnderLock) {
    servico(osnr, QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("0"));
    receber("001001", "100", "0", "100");
    cn.execute(QStringLiteral("update os_cab set uev = 'CRIADA'"));
    frmOs_MNT form;
    open(form);
    EXPECT_EQ(form.cmdDif->text(), QStringLiteral("DIF: R$ 0,00"));
    form.cboSit->setCurrentIndex(2);
    testsupport::OtherStation other(shared::gConexao, [this](db::Connection& second) {
        second.query(QStringLiteral("select ossit from os_cab where osnr = ? for update"), {osnr});
        second.execute(QStringLiteral("insert into os_srv (osnr, idsrv, dssrv, un, qt, vu, pd) "
                                      "values (?, '20240305110000', 'EXTRA', 'UN', 1, 50, 0)"),
                       {osnr});
    });
    form.Command1_Click();
    EXPECT_TRUE(other.join());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().front().text,
              QStringLiteral("--- ERRO --- DIVERGENCIA NO FINANCEIRO DA ORDEM!"));
    EXPECT_EQ(dialogs.messages().front().icon, dlg::Icon::Critical);
    EXPECT_EQ(stored("ossit"), QStringLiteral("3"));
    EXPECT_EQ(stored("uev"), QStringLiteral("CRIADA"));
    EXPECT_EQ(form.cmdDif->text(), QStringLiteral("DIF: R$ 50,00"));
    EXPECT_TRUE(form.Command1->isEnabled());
}

// The codes are written only as the numbers whose names were found.
TEST(ApprovedOrderRules, HeaderIsCompleteOnlyWithNumericCodes) {
    const orderheader::Digitado good{"7", "MARIA", "3", "PEDRO", "JOÃO", "05/03/2024"};
    EXPECT_TRUE(orderheader::completo(good));
    for (auto change : std::initializer_list<std::function<void(orderheader::Digitado&)>>{
             [](auto& h) { h.cdcli = QStringLiteral("7X"); }, [](auto& h) { h.cdven = QString(); },
             [](auto& h) { h.nmven = QStringLiteral("  "); },
             [](auto& h) { h.data = QStringLiteral("5/3/24"); }}) {
        orderheader::Digitado h = good;
        change(h);
        EXPECT_FALSE(orderheader::completo(h)) << h.cdcli.toStdString();
    }
}

// A summary that cannot be read is reported; the order is not completed.
TEST_F(ApprovedOrder, FailedSummaryCompletesNothing) {
    frmOs_MNT form;
    open(form);
    cn.execute(QStringLiteral("rename table creceber to creceber_fora"));
    form.cboSit->setCurrentIndex(2);
    form.Command1_Click();
    cn.execute(QStringLiteral("rename table creceber_fora to creceber"));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages().front().text.startsWith(QStringLiteral("--- ERRO --- 1146")));
    EXPECT_EQ(stored("ossit"), QStringLiteral("3"));
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(form.cmdDif->text(), QStringLiteral("DIF: R$ 0,00"));
}

TEST_F(ApprovedOrder, FunctionKeysOpenServicesCostsAndPlan) {
    frmOs_MNT form;
    open(form);
    form.show();
    form.txtNmSol->setFocus();
    QStringList numbers;
    testsupport::whenModal<frmOS_Servicos>([&](frmOS_Servicos* w) {
        numbers << w->txtOsNr->text();
        servico(osnr, QStringLiteral("2"), QStringLiteral("250.5"), QStringLiteral("0"));
        w->close();
    });
    ordertest::press(form.txtNmSol, Qt::Key_F4);
    EXPECT_EQ(form.cmdSRV->text(), QStringLiteral("R$ 501,00"));
    testsupport::whenModal<frmOS_Custos>([&](frmOS_Custos* w) {
        numbers << w->txtOsNr->text();
        custo("S", "2", "40");
        w->close();
    });
    ordertest::press(form.txtNmSol, Qt::Key_F5);
    EXPECT_EQ(form.cmdCM->text(), QStringLiteral("M.OB.: R$ 80,00"));
    EXPECT_EQ(numbers, QStringList(2, QString::number(osnr)));

    QStringList handed;
    testsupport::whenModal<frmOS_GerFinan>([&](frmOS_GerFinan* plan) {
        handed = {plan->txtOsNR->text(), plan->txtnrdoc->text(), plan->txtcdfor->text(),
                  plan->txtnmfor->text(), plan->txtDTe->text()};
        plan->txtDTe->setText(dates::toBr(QDate::currentDate()));
        planoSalvo(plan, QStringLiteral("2"));
    });
    ordertest::press(form.txtNmSol, Qt::Key_F6);
    EXPECT_EQ(handed, (QStringList{QString::number(osnr), QStringLiteral("501"),
                                   QString::number(cdcli), QStringLiteral("MARIA"), QString()}));
    EXPECT_EQ(form.cmdFinan->text(), QStringLiteral("R$ 501,00"));
    EXPECT_EQ(form.cmdDif->text(), QStringLiteral("DIF: R$ 0,00"));

    // A line added elsewhere while "Confirma?" is open: nothing written, the
    // summary read again, the header typed kept.
    form.txtNmSol->setText(QStringLiteral("ANA"));
    testsupport::whenModal<frmOS_GerFinan>([&](frmOS_GerFinan* plan) {
        dialogs.onMessage([&](const dlg::Message& m) {
            if (m.text == QLatin1String("Confirma?"))
                servico(osnr, QStringLiteral("1"), QStringLiteral("50"), QStringLiteral("0"));
        });
        planoSalvo(plan, QStringLiteral("3"));
        dialogs.onMessage({});
    });
    ordertest::press(form.txtNmSol, Qt::Key_F6);
    EXPECT_EQ(dialogs.texts().back(),
              QStringLiteral("--- ERRO --- ORDEM ALTERADA EM OUTRA ESTAÇÃO! DADOS RECARREGADOS."));
    EXPECT_EQ(count(QStringLiteral("creceber")), 2);
    EXPECT_EQ(form.cmdDif->text(), QStringLiteral("DIF: R$ 50,00"));
    EXPECT_EQ(form.txtNmSol->text(), QStringLiteral("ANA"));
}

TEST_F(ApprovedOrder, PrintAsksUntilItGetsAChoice) {
    custo("P", "1", "10");
    frmOs_MNT form;
    open(form);
    dialogs.answerInput(QStringLiteral("2"));
    dialogs.answerInput(std::nullopt);
    form.Command3_Click();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown().front().text, QStringLiteral("0 - Simplificada\n1 - Detalhada"));
    EXPECT_EQ(dialogs.shown().front().arguments, QStringList{QStringLiteral("Impressão")});
    EXPECT_EQ(dialogs.shown().back().kind, QStringLiteral("input"));

    for (const char* choice : {"0", "1"}) {
        SCOPED_TRACE(choice);
        dialogs.clear();
        dialogs.answerInput(QLatin1String(choice));
        form.Command3_Click();
        ASSERT_EQ(dialogs.shown().back().kind, QStringLiteral("document"));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {dialogs.shown().back().text, QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished());
        EXPECT_EQ(
            QString::fromUtf8(text.readAll()).contains(QStringLiteral("CUSTOS POR CATEGORIA")),
            *choice == '1');
    }
}

TEST_F(ApprovedOrder, CancelledPickKeepsTheCodeAndEscCloses) {
    frmOs_MNT form;
    open(form);
    form.show();
    form.txtNmSol->setFocus();
    // A cancelled pick keeps the code and still moves the focus.
    testsupport::whenModal<frmBuscaCliente>(
        [&](frmBuscaCliente* picker) { ordertest::press(picker->DataGrid1, Qt::Key_Escape); });
    ordertest::press(form.txtNmSol, Qt::Key_F2);
    EXPECT_EQ(form.txtCdCli->text(), QString::number(cdcli));
    EXPECT_EQ(form.focusWidget(), form.txtCdCli);

    ordertest::press(form.txtCdVen, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(dialogs.shown().size(), 0u);
}
