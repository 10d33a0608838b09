#include "platform/data_grid.h"
#include "platform/db/data_control.h"
#include "service_orders/frmOS_Servicos.h"
#include "service_orders/order_windows.h"
#include "service_orders/service_lines_frame.h"
#include "tests/service_orders/core_order_test.h"
#include "tests/support/modal.h"
#include "tests/support/typing.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using regtest::columnTexts;

TEST(ServiceLineChecks, RefusalsInTheirOrder) {
    struct Case {
        const char *ds, *un, *qt, *vu, *pd, *message;
        bool incomplete;
    };
    const Case cases[] = {
        {"", "UN", "1", "1", "0", "--- ERRO --- DADOS INCOMPLETOS!", true},
        {"X", " ", "1", "1", "0", "--- ERRO --- DADOS INCOMPLETOS!", true},
        {"X", "UN", "abc", "1", "0", "--- ERRO --- DADOS INCOMPLETOS!", true},
        {"X", "UN", "1", "", "0", "--- ERRO --- DADOS INCOMPLETOS!", true},
        {"X", "UN", "1", "1", "x", "--- ERRO --- DADOS INCOMPLETOS!", true},
        {"X", "UN", "999999999999999", "1", "0", "--- ERRO --- DADOS INCOMPLETOS!", true},
        {"X", "UN", "1", "-R$ -5", "0", "--- ERRO --- DADOS INCOMPLETOS!", true},
        {"X", "UN", "0", "-1", "-1",
         "--- ERRO --- QUANTIDADE NÃO PODE SER MENOR E/OU IGUAL A ZERO!", false},
        {"X", "UN", "1", "-1", "-1", "--- ERRO --- VALOR UNITÁRIO NÃO PODE SER MENOR QUE ZERO!",
         false},
        {"X", "UN", "1", "0", "-1",
         "--- ERRO --- PERCENTUAL DO DESCONTO NÃO PODE SER MENOR QUE ZERO!", false},
        // A line worth more than an amount keeps.
        {"X", "UN", "10.000.000.000", "1.000.000.000", "0", "--- ERRO --- VALOR FORA DO LIMITE!",
         false},
        {"X", "UN", "2", "5.000.000.000.000", "0", "--- ERRO --- VALOR FORA DO LIMITE!", false},
        // A discount worth more than an amount keeps: a bar code as a percentage.
        {"X", "UN", "1.000", "1.000,00", "7891234567890", "--- ERRO --- VALOR FORA DO LIMITE!",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const auto result = servicelines::confere(QString::fromUtf8(c.ds), QString::fromUtf8(c.un),
                                                  QString::fromUtf8(c.qt), QString::fromUtf8(c.vu),
                                                  QString::fromUtf8(c.pd));
        const auto* refused = std::get_if<dlg::Message>(&result);
        ASSERT_NE(refused, nullptr);
        EXPECT_EQ(refused->text, QString::fromUtf8(c.message));
        EXPECT_EQ(refused->title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(refused->icon, c.incomplete ? dlg::Icon::Information : dlg::Icon::Exclamation);
    }
    // No upper bound on the discount; typed numbers follow the system's rule.
    const auto line =
        servicelines::confere(QStringLiteral("X"), QStringLiteral("UN"), QStringLiteral("1.234,5"),
                              QStringLiteral("R$ 1,23456"), QStringLiteral("150"));
    ASSERT_TRUE(std::holds_alternative<servicelines::Linha>(line));
    EXPECT_EQ(std::get<servicelines::Linha>(line).qt.toSql(), QStringLiteral("1234.5000"));
    EXPECT_EQ(std::get<servicelines::Linha>(line).vu.toSql(), QStringLiteral("1.2346"));
}

class ServiceLines : public ordertest::OrderTest {
protected:
    void SetUp() override {
        OrderTest::SetUp();
        osnr = ordem(QStringLiteral("2"));
        registerOrderWindows();
    }

    void add(frmOS_Servicos& form, const QString& ds, const QString& qt, const QString& vu,
             const QString& pd) {
        ServiceLinesFrame* f = form.Frame1;
        f->txtDsSRV->setText(ds);
        f->txtUn->setText(QStringLiteral("UN"));
        f->txtQt->setText(qt);
        f->txtVU->setText(vu);
        f->txtPD->setText(pd);
        f->Command2_Click();
    }

    qint64 osnr = 0;
};

TEST_F(ServiceLines, AddedLinesAreStoredAndTotalled) {
    frmOS_Servicos form;
    form.txtOsNr->setText(QString::number(osnr));
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Ordem de Serviço - Serviços"));
    ServiceLinesFrame* f = form.Frame1;
    EXPECT_EQ(f->lTL->text(),
              QStringLiteral("SubTotal: R$ 0,00 Descontos: R$ 0,00 Total: R$ 0,00"));

    add(form, QStringLiteral("Pintura"), QStringLiteral("2,5"), QStringLiteral("10"),
        QStringLiteral("0"));
    add(form, QStringLiteral("LIXAMENTO"), QStringLiteral("3"), QStringLiteral("1,23456"),
        QStringLiteral("150"));
    EXPECT_TRUE(dialogs.shown().empty());
    const db::Recordset rows =
        cn.query(QStringLiteral("select * from os_srv where osnr = ? order by id"), {osnr});
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.textAt(0, rows.columnIndex("dssrv")), QStringLiteral("Pintura"));
    EXPECT_EQ(rows.textAt(0, rows.columnIndex("qt")), QStringLiteral("2.5000"));
    EXPECT_EQ(rows.textAt(0, rows.columnIndex("vu")), QStringLiteral("10.0000"));
    EXPECT_EQ(rows.textAt(1, rows.columnIndex("vu")), QStringLiteral("1.2346"));
    EXPECT_EQ(rows.textAt(1, rows.columnIndex("pd")), QStringLiteral("150.0000"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{14}$"))
                    .match(rows.textAt(0, rows.columnIndex("idsrv")))
                    .hasMatch());
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d TESTE$"))
            .match(rows.textAt(0, rows.columnIndex("evcad")))
            .hasMatch());
    // 25,00 + 3,7038; the discount of 150 % makes the second line negative.
    EXPECT_EQ(f->lTL->text(),
              QStringLiteral("SubTotal: R$ 28,70 Descontos: R$ 5,56 Total: R$ 23,15"));
    for (QLineEdit* box : {f->txtDsSRV, f->txtUn, f->txtQt, f->txtVU, f->txtPD})
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(columnTexts(f->DataGrid1->model(), 0),
              (QStringList{QStringLiteral("Pintura"), QStringLiteral("LIXAMENTO")}));
    EXPECT_EQ(columnTexts(f->DataGrid1->model(), 2),
              (QStringList{QStringLiteral("2,5"), QStringLiteral("3")}));
    EXPECT_EQ(columnTexts(f->DataGrid1->model(), 3),
              (QStringList{QStringLiteral("R$ 10,00"), QStringLiteral("R$ 1,23")}));

    // The unit box holds 4 places: an emoji that would not fit whole is not
    // taken, typed or pasted.
    testsupport::activate(&form);
    testsupport::retype(f->txtUn, QStringLiteral("OK \U0001F600"));
    EXPECT_EQ(f->txtUn->text(), QStringLiteral("OK "));
    f->txtUn->selectAll();
    f->txtUn->insert(QStringLiteral("\U0001F600\U0001F600\U0001F600"));
    EXPECT_EQ(f->txtUn->text(), QStringLiteral("\U0001F600\U0001F600"));
    f->txtDsSRV->setText(QStringLiteral("POLIMENTO"));
    f->txtQt->setText(QStringLiteral("1"));
    f->txtVU->setText(QStringLiteral("1"));
    f->txtPD->setText(QStringLiteral("0"));
    f->Command2_Click();
    EXPECT_EQ(value(QStringLiteral("select un from os_srv where dssrv = 'POLIMENTO'")),
              QStringLiteral("\U0001F600\U0001F600"));
}

TEST_F(ServiceLines, RefusedLineKeepsWhatWasTyped) {
    frmOS_Servicos form;
    form.txtOsNr->setText(QString::number(osnr));
    add(form, QStringLiteral("X"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0"));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().front().title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(dialogs.messages().front().icon, dlg::Icon::Exclamation);
    EXPECT_EQ(form.Frame1->txtQt->text(), QStringLiteral("0"));
    EXPECT_EQ(count(QStringLiteral("os_srv")), 0);
    // Without an order number nothing happens at all.
    dialogs.clear();
    form.txtOsNr->clear();
    add(form, QString(), QString(), QString(), QString());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(ServiceLines, LinesAndTotalsBeyondTheAmountsAreRefusedAndTheWindowStays) {
    frmOS_Servicos form;
    form.txtOsNr->setText(QString::number(osnr));
    form.show();
    QApplication::setActiveWindow(&form);
    ServiceLinesFrame* f = form.Frame1;
    auto typeLine = [&](const QString& qt, const QString& vu) {
        for (const auto& [box, text] :
             {std::pair{f->txtDsSRV, QStringLiteral("PINTURA")},
              std::pair{f->txtUn, QStringLiteral("UN")}, std::pair{f->txtQt, qt},
              std::pair{f->txtVU, vu}, std::pair{f->txtPD, QStringLiteral("0")}}) {
            box->clear();
            box->setFocus();
            testsupport::type(box, text);
        }
        QTest::mouseClick(f->Command2, Qt::LeftButton);
    };
    const QString outOfRange = QStringLiteral("--- ERRO --- VALOR FORA DO LIMITE!");
    typeLine(QStringLiteral("999999999999999"), QStringLiteral("1"));
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!")});
    dialogs.clear();
    typeLine(QStringLiteral("10.000.000.000"), QStringLiteral("1.000.000.000"));
    EXPECT_EQ(dialogs.texts(), QStringList{outOfRange});
    EXPECT_EQ(f->txtQt->text(), QStringLiteral("10.000.000.000"));
    EXPECT_EQ(count(QStringLiteral("os_srv")), 0);
    EXPECT_TRUE(form.isVisible());

    // A line that fits, over an order whose subtotal is at the top already.
    servico(osnr, QStringLiteral("1"), QStringLiteral("9999999999999.99"), QStringLiteral("0"));
    dialogs.clear();
    typeLine(QStringLiteral("1"), QStringLiteral("0,01"));
    EXPECT_EQ(dialogs.texts(), QStringList{outOfRange});
    EXPECT_EQ(count(QStringLiteral("os_srv")), 1);

    // Lines stored before, whose sum the decimal cannot hold: an error, not
    // a zero nor an end of the program.
    servico(osnr, QStringLiteral("99999999999999"), QStringLiteral("99999999999999"),
            QStringLiteral("0"));
    dialogs.clear();
    form.hide();
    form.show();
    EXPECT_EQ(dialogs.texts(), QStringList{outOfRange});
    EXPECT_TRUE(f->lTL->text().isEmpty());
    EXPECT_TRUE(form.isVisible());
}

// Lines entered in the same second share their identifier; deleting one
// leaves the other.
TEST_F(ServiceLines, DeletingTheSelectedLine) {
    servico(osnr, QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("0"));
    servico(osnr, QStringLiteral("2"), QStringLiteral("10"), QStringLiteral("0"));
    frmOS_Servicos form;
    form.txtOsNr->setText(QString::number(osnr));
    form.show();
    ServiceLinesFrame* f = form.Frame1;
    f->DataGrid1->setCurrentIndex(f->DataGrid1->model()->index(1, 0));
    dialogs.answer(dlg::Answer::No);
    Q_EMIT f->DataGrid1->rowSelected();
    const dlg::Message asked = dialogs.messages().back();
    EXPECT_EQ(asked.text, QStringLiteral("Confirma a exclusão?"));
    EXPECT_EQ(asked.title, QStringLiteral("Atenção"));
    EXPECT_EQ(asked.defaultButton, dlg::Answer::Yes);
    EXPECT_EQ(count(QStringLiteral("os_srv")), 2);

    dialogs.answer(dlg::Answer::Yes);
    Q_EMIT f->DataGrid1->rowSelected();
    EXPECT_EQ(value(QStringLiteral("select qt from os_srv")), QStringLiteral("1.0000"));
    EXPECT_EQ(f->lTL->text(),
              QStringLiteral("SubTotal: R$ 10,00 Descontos: R$ 0,00 Total: R$ 10,00"));
    f->DataGrid1->setCurrentIndex(f->DataGrid1->model()->index(0, 0));
    dialogs.answer(dlg::Answer::Yes);
    ordertest::press(f->DataGrid1, Qt::Key_Return);
    EXPECT_EQ(count(QStringLiteral("os_srv")), 0);
    EXPECT_EQ(f->lTL->text(),
              QStringLiteral("SubTotal: R$ 0,00 Descontos: R$ 0,00 Total: R$ 0,00"));
}

TEST_F(ServiceLines, OpenedWithTheOrderNumber) {
    servico(osnr, QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("0"));
    QStringList shown;
    testsupport::whenModal<frmOS_Servicos>([&](frmOS_Servicos* form) {
        shown = columnTexts(form->Frame1->DataGrid1->model(), 0);
        ordertest::press(form->Frame1->txtDsSRV, Qt::Key_Escape);
    });
    orderwindows::showWithNumber(&frmOS_Servicos::txtOsNr, QString::number(osnr), nullptr);
    EXPECT_EQ(shown, QStringList{QStringLiteral("SERVIÇO")});
}
