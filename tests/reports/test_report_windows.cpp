#include "platform/data_grid.h"
#include "registers/frmBuscaCliente.h"
#include "registers/frmBuscaFornecedor.h"
#include "reports/frmOS_Relatorios.h"
#include "reports/frmRel_Contas.h"
#include "reports/frmgerapdfp.h"
#include "reports/report_file.h"
#include "reports/report_lines_view.h"
#include "reports/report_windows.h"
#include "shell/window_registry.h"
#include "tests/reports/report_test_support.h"
#include "tests/support/modal.h"
#include "tests/support/screen_fit.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace reporttest;
using testsupport::whenModal;

namespace {

class ReportWindows : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        cn.execute(QStringLiteral("insert into cliente (cdcli, nmcli) values (17, ?), (18, ?)"),
                   {QStringLiteral("JOSÉ DA SILVA"), QStringLiteral("MARIA")});
        cn.execute(QStringLiteral("insert into fornecedores (cdfor, nmfor) values (45, ?)"),
                   {QStringLiteral("AÇO FORTE LTDA")});
        for (int i = 1; i <= 50; ++i)
            cn.execute(QStringLiteral("insert into creceber (nrdoc, cdcli, dte, dtv, vrorig, vrab) "
                                      "values (?, ?, '2025-02-01', ?, 10, 10)"),
                       {QStringLiteral("%1001001").arg(i, 10, 10, QLatin1Char('0')),
                        qint64(i % 2 ? 17 : 18), QDate(2025, 3, 1).addDays(i % 28)});
    }
    template <typename Form> void show(Form& form) {
        form.show();
        QApplication::setActiveWindow(&form);
    }
    static void period(RelatorioForm& form, const QString& first, const QString& last) {
        form.txtDTi->setText(first);
        form.txtDTf->setText(last);
    }
    // Types a code into the code box and leaves it.
    static void code(RelatorioForm& form, const QString& text) {
        form.txtCdCli->setFocus();
        form.txtCdCli->setText(text);
        form.txtDTi->setFocus();
    }
    QStringList temp() const { return QDir(path(QStringLiteral("temp"))).entryList(QDir::Files); }
    // "Imprimir": once the assistant has converted and opened the PDF, the
    // temp folder as it was then, and the assistant closed.
    QStringList print(RelatorioForm& form) {
        const size_t opened = shown(QStringLiteral("document")).size();
        QStringList whileOpen;
        whenModal<frmgerapdfp>([&](frmgerapdfp* assistant) {
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return shown(QStringLiteral("document")).size() > opened; }));
            whileOpen = temp();
            assistant->close();
        });
        form.Command2->click();
        return whileOpen;
    }
    std::vector<testsupport::ScriptedDialogs::Shown> shown(const QString& kind) const {
        std::vector<testsupport::ScriptedDialogs::Shown> out;
        for (const auto& s : dialogs.shown())
            if (s.kind == kind)
                out.push_back(s);
        return out;
    }
};

} // namespace

TEST_F(ReportWindows, AccountsWindowFollowsTheType) {
    frmRel_Contas form;
    show(form);
    // It opens in its first filter box, the type.
    EXPECT_EQ(QApplication::focusWidget(), form.cboTP);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Relatório de Contas a Pagar / Receber"));
    EXPECT_EQ(form.Label4->text(), QStringLiteral("Cliente - F2 = Pesquisar"));
    EXPECT_TRUE(form.l_Tit->text().isEmpty());
    EXPECT_FALSE(form.Command2->isEnabled());

    code(form, QStringLiteral("17"));
    EXPECT_EQ(form.txtNmCli->text(), QStringLiteral("JOSÉ DA SILVA"));
    period(form, QStringLiteral("01/03/2025"), QStringLiteral("31/03/2025"));
    form.Command1->click();
    EXPECT_EQ(form.List1->count(), 27);
    EXPECT_TRUE(form.Command2->isEnabled());

    form.cboTP->setCurrentIndex(1);
    EXPECT_EQ(form.Label4->text(), QStringLiteral("Fornecedor - F2 = Pesquisar"));
    EXPECT_TRUE(form.txtCdCli->text().isEmpty());
    EXPECT_TRUE(form.txtNmCli->text().isEmpty());
    EXPECT_EQ(form.List1->count(), 0);
    EXPECT_FALSE(form.Command2->isEnabled());
    code(form, QStringLiteral("45"));
    EXPECT_EQ(form.txtNmCli->text(), QStringLiteral("AÇO FORTE LTDA"));
    // A code that is not a whole number or finds nobody leaves the name empty.
    for (const char* c : {"4a", "2.5", "99"}) {
        code(form, QString::fromLatin1(c));
        EXPECT_TRUE(form.txtNmCli->text().isEmpty()) << c;
    }
}

TEST_F(ReportWindows, ANameWithoutAFoundCodeDoesNotFilterNorHeadThePrint) {
    frmRel_Contas form;
    show(form);
    period(form, QStringLiteral("01/03/2025"), QStringLiteral("31/03/2025"));
    for (const char* typed : {"", "abc", "17,5"}) {
        form.txtCdCli->setText(QString::fromLatin1(typed));
        form.txtNmCli->setText(QStringLiteral("DIGITADO"));
        form.Command1->click();
        EXPECT_TRUE(dialogs.messages().empty()) << typed;
        EXPECT_EQ(form.List1->count(), 52) << typed;
    }
    print(form);
    const QString text = pdfText(shared::gArquivoPDF);
    EXPECT_TRUE(text.contains(QStringLiteral("\nCliente:\n"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("DIGITADO")));
    EXPECT_FALSE(text.contains(QStringLiteral("17,5")));
}

TEST_F(ReportWindows, EveryChangeClearsTheList) {
    frmOS_Relatorios form;
    show(form);
    EXPECT_EQ(QApplication::focusWidget(), form.cboSit);
    cn.execute(QStringLiteral("insert into os_cab (osnr, dtos, cdcli, ossit) values "
                              "(1, '2025-03-02', 17, '0')"));
    auto generate = [&form] {
        period(form, QStringLiteral("01/03/2025"), QStringLiteral("31/03/2025"));
        form.Command1->click();
        ASSERT_EQ(form.List1->count(), 6);
        ASSERT_TRUE(form.Command2->isEnabled());
    };
    const std::vector<std::function<void()>> changes = {
        [&] { form.cboSit->setCurrentIndex(1); },
        [&] { form.txtDTi->setText(QStringLiteral("02/03/2025")); },
        [&] { form.txtDTf->setText(QStringLiteral("30/03/2025")); },
        [&] {
            form.txtNmCli->setText(QStringLiteral("X"));
            form.txtCdCli->setText(QStringLiteral("5"));
            EXPECT_TRUE(form.txtNmCli->text().isEmpty());
        },
        [&] { form.txtNmCli->setText(QStringLiteral("MARIA")); }};
    for (const auto& change : changes) {
        form.cboSit->setCurrentIndex(0);
        generate();
        change();
        EXPECT_EQ(form.List1->count(), 0);
        EXPECT_FALSE(form.Command2->isEnabled());
    }
}

TEST_F(ReportWindows, PeriodMustBeValidAndInOrder) {
    frmRel_Contas form;
    show(form);
    struct Case {
        const char* first;
        const char* last;
        bool valid;
    };
    for (const Case c :
         {Case{"", "31/03/2025", false}, Case{"31/02/2025", "31/03/2025", false},
          Case{"01/04/2025", "31/03/2025", false}, Case{"10/03/2025", "10/03/2025", true}}) {
        dialogs.clear();
        period(form, QString::fromLatin1(c.first), QString::fromLatin1(c.last));
        form.Command1->click();
        EXPECT_EQ(form.Command2->isEnabled(), c.valid) << c.first;
        if (c.valid) {
            EXPECT_TRUE(dialogs.messages().empty());
            continue;
        }
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("--- ERRO --- PERÍODO INVÁLIDO!"));
        EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(dialogs.messages()[0].icon, dlg::Icon::Information);
        EXPECT_EQ(form.List1->count(), 0);
    }
    // Typing goes through the date mask.
    form.txtDTi->clear();
    form.txtDTi->setFocus();
    QTest::keyClicks(form.txtDTi, QStringLiteral("0103x2025"));
    EXPECT_EQ(form.txtDTi->text(), QStringLiteral("01/03/2025"));
}

TEST_F(ReportWindows, F2OpensThePickerOfTheType) {
    frmRel_Contas form;
    show(form);
    form.txtCdCli->setText(QStringLiteral("18"));
    whenModal<frmBuscaCliente>(
        [](frmBuscaCliente* picker) { QTest::keyClick(picker->DataGrid1, Qt::Key_F10); });
    QTest::keyClick(form.txtDTi, Qt::Key_F2);
    EXPECT_EQ(form.txtCdCli->text(), QStringLiteral("17")); // first by name
    EXPECT_EQ(form.focusWidget(), form.txtCdCli);
    QApplication::setActiveWindow(&form);
    form.txtDTi->setFocus();
    EXPECT_EQ(form.txtNmCli->text(), QStringLiteral("JOSÉ DA SILVA"));

    // Closed without a choice: the code stays, the focus still goes there.
    form.cboTP->setCurrentIndex(1);
    form.txtCdCli->setText(QStringLiteral("3"));
    form.txtDTi->setFocus();
    whenModal<frmBuscaFornecedor>(
        [](frmBuscaFornecedor* picker) { QTest::keyClick(picker->DataGrid1, Qt::Key_Escape); });
    QTest::keyClick(form.txtDTi, Qt::Key_F2);
    EXPECT_EQ(form.txtCdCli->text(), QStringLiteral("3"));
    EXPECT_EQ(form.focusWidget(), form.txtCdCli);
    EXPECT_TRUE(shared::gCodigoPesquisa.isEmpty());
}

// As every window: inside the free area of a 1366 by 768 desktop.
TEST_F(ReportWindows, ReportWindowsFitTheDesktopsFreeArea) {
    frmRel_Contas accounts;
    frmOS_Relatorios orders;
    frmgerapdfp assistant;
    for (DataForm* form : std::initializer_list<DataForm*>{&accounts, &orders, &assistant}) {
        SCOPED_TRACE(form->objectName().toStdString());
        form->show();
        testsupport::expectInsideTheFreeArea(*form);
    }
}

TEST_F(ReportWindows, EscClosesTheAssistantThenTheReportWhichTakesTheKeysBack) {
    frmRel_Contas form;
    show(form);
    period(form, QStringLiteral("01/03/2025"), QStringLiteral("31/03/2025"));
    form.Command1->click(); // "Gerar" opens the shared connection
    ASSERT_TRUE(form.Command2->isEnabled());
    form.Command2->setFocus();
    bool assistantClosed = false;
    whenModal<frmgerapdfp>([&](frmgerapdfp* assistant) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !shown(QStringLiteral("document")).empty(); }));
        QApplication::setActiveWindow(assistant);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        assistantClosed = !assistant->isVisible();
    });
    QTest::keyClick(form.Command2, Qt::Key_Return);
    EXPECT_TRUE(assistantClosed);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &form);
    EXPECT_EQ(QApplication::focusWidget(), form.Command2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(shared::gCn().isOpen());
    // With the shared connection closed, Esc closes all the same.
    frmOS_Relatorios other;
    show(other);
    QTest::keyClick(other.txtDTi, Qt::Key_Escape);
    EXPECT_FALSE(other.isVisible());
}

TEST_F(ReportWindows, PrintWritesConvertsOpensAndCleansUp) {
    frmRel_Contas form;
    show(form);
    code(form, QStringLiteral("17"));
    period(form, QStringLiteral("01/03/2025"), QStringLiteral("31/03/2025"));
    form.Command1->click();
    ASSERT_EQ(form.List1->count(), 27);
    const QStringList whileOpen = print(form);

    const QString stem = QFileInfo(shared::gArquivoTXT).completeBaseName();
    EXPECT_TRUE(stem.contains(QRegularExpression(QStringLiteral("^relcontas_\\d{12}$"))));
    EXPECT_EQ(shared::gArquivoPDF, path(QStringLiteral("temp/") + stem + QStringLiteral(".pdf")));
    // The text file lives as long as the assistant is open.
    EXPECT_EQ(whileOpen,
              (QStringList{stem + QStringLiteral(".pdf"), stem + QStringLiteral(".txt")}));
    EXPECT_EQ(temp(), QStringList{stem + QStringLiteral(".pdf")});
    const auto opened = shown(QStringLiteral("document"));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].text, shared::gArquivoPDF);

    expectQpdfClean(shared::gArquivoPDF);
    EXPECT_EQ(pageSizes(shared::gArquivoPDF), QStringList{QStringLiteral("1008 x 792")});
    const QString text = pdfText(shared::gArquivoPDF);
    for (const QString& expected :
         {QStringLiteral("12.345.678/0001-95 OFICINA AÇO - (11) 5555-0000"),
          QStringLiteral("Relatório de Contas"),
          QStringLiteral("Tipo: 0 - C.Receber Situação: 0 - Em AbertoPeríodo: 01/03/2025 "
                         "31/03/2025"),
          QStringLiteral("Cliente: 17 JOSÉ DA SILVA"), QStringLiteral("Dt.Vecto |Vr Aberto"),
          QStringLiteral("Total: R$ 250,00"), QStringLiteral("www.quendaro.com.br")})
        EXPECT_TRUE(text.contains(expected)) << expected;
    EXPECT_TRUE(text.contains(
        QRegularExpression(QStringLiteral("CAIXA \\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d"))));

    // Printed in a second whose name is taken, a report waits for the next one.
    const QString first = shared::gArquivoPDF;
    const QString taken =
        reportfile::paths(QStringLiteral("relcontas_"), QDateTime::currentDateTime()).pdf;
    if (!QFile::exists(taken))
        writeFile(taken, "outro relatório");
    const QByteArray before = readFile(taken);
    print(form);
    EXPECT_NE(shared::gArquivoPDF, taken);
    EXPECT_EQ(readFile(taken), before);
    EXPECT_TRUE(QFile::exists(first));
    expectQpdfClean(shared::gArquivoPDF);
}

TEST_F(ReportWindows, LongReportsPrintOnSeveralPages) {
    frmOS_Relatorios form;
    show(form);
    for (int i = 1; i <= 45; ++i)
        cn.execute(QStringLiteral("insert into os_cab (dtos, cdcli, ossit) values "
                                  "('2025-03-05', 18, '0')"));
    period(form, QStringLiteral("01/03/2025"), QStringLiteral("31/03/2025"));
    form.Command1->click();
    ASSERT_EQ(form.List1->count(), 50);
    print(form);
    EXPECT_TRUE(QFileInfo(shared::gArquivoPDF).fileName().startsWith(QStringLiteral("relos_")));
    EXPECT_EQ(pageSizes(shared::gArquivoPDF).size(), 2);
    const QString text = pdfText(shared::gArquivoPDF);
    EXPECT_EQ(text.count(QStringLiteral("Relatório de Ordens de Serviço")), 2);
    EXPECT_TRUE(text.contains(QStringLiteral("Status: 0 - Em OrçamentoPeríodo: 01/03/2025 "
                                             "31/03/2025")));
    // The party line with no client, its trailing blanks trimmed by the converter.
    EXPECT_TRUE(text.contains(QStringLiteral("\nCliente:\n")));
}

TEST_F(ReportWindows, WindowsAreRegisteredByName) {
    registerReportWindows();
    for (const char* name : {"frmRel_Contas", "frmOS_Relatorios", "frmgerapdfp"})
        EXPECT_TRUE(windows::has(QString::fromLatin1(name))) << name;
}
