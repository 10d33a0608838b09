#include "reports/frmgerapdfp.h"
#include "tests/reports/report_test_support.h"
#include "tests/support/file_size_limit.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cerrno>
#include <cstring>

using namespace reporttest;

namespace {

class Converter : public FileTest {
protected:
    void SetUp() override {
        FileTest::SetUp();
        dialogs.clear();
        shared::gArquivoTXT = path(QStringLiteral("relos_250307140509.txt"));
        shared::gArquivoPDF = path(QStringLiteral("relos_250307140509.pdf"));
        writeFile(shared::gArquivoTXT, crlfLines({QStringLiteral("12 | 05/03/2024 | 1.234,50"),
                                                  QString(151, QLatin1Char('=')),
                                                  QStringLiteral("Total: R$ 1.234,50")}));
    }
    // Shows the assistant as the reports do and lets its activation run.
    void open(frmgerapdfp& form, int pageSize = 2) {
        form.cmbPageSize->setCurrentIndex(pageSize);
        form.show();
        QTest::qWait(20);
    }
    // The assistant left open: it had no PDF path to convert to.
    void openWithoutPdfPath(frmgerapdfp& form) {
        shared::gArquivoPDF.clear();
        form.txtOutputFile->clear();
        open(form);
        ASSERT_EQ(dialogs.texts(), QStringList{QStringLiteral("Informe o nome do arquivo.")});
        ASSERT_TRUE(form.isVisible());
        dialogs.clear();
    }
    // The attachments handed to the mail composer.
    QStringList mails() const {
        QStringList out;
        for (const auto& s : dialogs.shown())
            if (s.kind == QLatin1String("mail"))
                out << s.text;
        return out;
    }
    int documents() const {
        return static_cast<int>(std::count_if(dialogs.shown().begin(), dialogs.shown().end(),
                                              [](const auto& s) { return s.kind == "document"; }));
    }

    testsupport::ScriptedDialogs dialogs;
};

} // namespace

TEST_F(Converter, LoadsDefaultsAndConvertsOnActivation) {
    frmgerapdfp form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Assistente de impressão"));
    EXPECT_EQ(form.txtCreator->text(), QStringLiteral("Zizo-ZUR v1.0"));
    EXPECT_EQ(form.txtFilename->text(), shared::gArquivoTXT);
    EXPECT_EQ(form.txtOutputFile->text(), shared::gArquivoPDF);
    EXPECT_EQ(form.cmbFont->currentText(), QStringLiteral("Courier"));
    EXPECT_EQ(form.cmbFontSize->currentText(), QStringLiteral("10pt"));
    EXPECT_EQ(form.cmbRotation->currentText(), QStringLiteral("0º"));
    EXPECT_EQ(form.cmbPageSize->currentIndex(), -1);
    form.txtTitle->setText(QStringLiteral("Ordens (março)"));
    form.txtSubject->setText(QStringLiteral("Contas – “abertas” € …"));
    form.txtAuthor->setText(QStringLiteral("Ação ✓ 東京"));
    open(form);
    // Converted and opened; the assistant and the report stay for an export.
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(QFile::exists(shared::gArquivoTXT));
    ASSERT_EQ(documents(), 1);
    expectQpdfClean(shared::gArquivoPDF);
    EXPECT_EQ(pageSizes(shared::gArquivoPDF), QStringList{QStringLiteral("1008 x 792")});
    // The properties read back as typed.
    for (const auto& [name, typed] : {std::pair{"Title", "Ordens (março)"},
                                      {"Subject", "Contas – “abertas” € …"},
                                      {"Author", "Ação ✓ 東京"},
                                      {"Producer", "Zizo-ZUR v1.0"}})
        EXPECT_EQ(pdftest::infoField(shared::gArquivoPDF, QLatin1String(name)),
                  QString::fromUtf8(typed));
    // However the assistant closes, the report goes with it.
    form.close();
    EXPECT_FALSE(QFile::exists(shared::gArquivoTXT));
}

TEST_F(Converter, ComboValuesReachThePdf) {
    frmgerapdfp form;
    form.cmbFontSize->setCurrentIndex(1);
    form.cmbRotation->setCurrentIndex(3);
    form.cmbFont->setCurrentIndex(1);
    open(form, 1);
    const QByteArray pdf = readFile(shared::gArquivoPDF);
    EXPECT_TRUE(pdf.contains("/Rotate 270\r"));
    EXPECT_TRUE(pdf.contains("/F1 8 Tf\r"));
    EXPECT_TRUE(pdf.contains("/BaseFont /Courier#20New\r"));
    EXPECT_TRUE(pdf.contains("/MediaBox [ 0 0 612 1008 ]"));
    expectQpdfClean(shared::gArquivoPDF);
}

TEST_F(Converter, MissingInputOpensNothing) {
    QFile::remove(shared::gArquivoTXT);
    writeFile(shared::gArquivoPDF, "velho");
    frmgerapdfp form;
    open(form);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- ARQUIVO '") +
                                           shared::gArquivoTXT + QStringLiteral("' NÃO EXISTE!")});
    EXPECT_EQ(documents(), 0);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Converter, CancelDeletesTheTextFile) {
    frmgerapdfp form;
    openWithoutPdfPath(form);
    QFile::setPermissions(shared::gArquivoTXT, QFile::ReadOwner);
    form.btnClose->click();
    EXPECT_FALSE(QFile::exists(shared::gArquivoTXT));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Converter, BrowseButtonsFillThePaths) {
    frmgerapdfp form;
    openWithoutPdfPath(form);
    dialogs.answerFile(QStringLiteral("  /dados/rel.txt "));
    form.btnOpen->click();
    EXPECT_EQ(form.txtFilename->text(), QStringLiteral("/dados/rel.txt"));
    EXPECT_EQ(form.txtOutputFile->text(), QStringLiteral("/dados/rel.pdf"));
    dialogs.answerFile(QStringLiteral("/dados/saida"));
    form.btnSave->click();
    EXPECT_EQ(form.txtOutputFile->text(), QStringLiteral("/dados/saida.pdf"));
    dialogs.answerFile(QString());
    form.btnSave->click();
    EXPECT_EQ(form.txtOutputFile->text(), QStringLiteral("/dados/saida.pdf"));
    EXPECT_EQ(dialogs.shown().at(0).kind, QStringLiteral("open"));
    EXPECT_EQ(dialogs.shown().at(1).kind, QStringLiteral("save"));
}

TEST_F(Converter, ConvertedReportIsExportedAndMailed) {
    struct Case {
        const char* chosen;
        const char* saved;
        dlg::Answer answer;
    };
    for (const Case c : {Case{"plan", "plan.xlsx", dlg::Answer::Yes},
                         Case{"plan2.xlsx", "plan2.xlsx", dlg::Answer::Yes},
                         Case{"plan3", "plan3.xlsx", dlg::Answer::No}}) {
        SCOPED_TRACE(c.chosen);
        SetUp();
        frmgerapdfp form;
        open(form);
        ASSERT_EQ(documents(), 1);
        dialogs.clear();
        const QString saved = path(QString::fromLatin1(c.saved));
        dialogs.answerFile(path(QString::fromLatin1(c.chosen)));
        dialogs.answer(c.answer);
        form.Command2->click();
        // The report's cells, from the text the conversion left in place.
        EXPECT_TRUE(
            pdftest::run(QStringLiteral("unzip"),
                         {QStringLiteral("-p"), saved, QStringLiteral("xl/worksheets/sheet1.xml")})
                .out.contains("<t>Total: R$ 1.234,50</t>"));
        EXPECT_TRUE(QFile::exists(shared::gArquivoTXT));
        ASSERT_EQ(dialogs.messages().size(), 1u);
        const dlg::Message asked = dialogs.messages()[0];
        EXPECT_EQ(asked.text,
                  QStringLiteral("ARQUIVO EXPORTADO COM SUCESSO!\r\nDeseja enviar por email?"));
        EXPECT_EQ(asked.title, QStringLiteral("Atenção"));
        EXPECT_EQ(asked.buttons, dlg::Buttons::YesNo);
        EXPECT_EQ(asked.defaultButton, dlg::Answer::No);
        if (c.answer == dlg::Answer::Yes)
            EXPECT_EQ(mails(), QStringList{saved});
        else
            EXPECT_TRUE(mails().isEmpty());
        EXPECT_TRUE(form.isVisible());
    }
}

TEST_F(Converter, ExportCancelledOrFailingKeepsTheReport) {
    frmgerapdfp form;
    openWithoutPdfPath(form);
    dialogs.answerFile(QString());
    form.Command2->click();
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_TRUE(QFile::exists(shared::gArquivoTXT));

    dialogs.answerFile(path(QStringLiteral("falta/plan")));
    form.Command2->click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].text.startsWith(QStringLiteral("--- ERRO --- ")));
    EXPECT_TRUE(QFile::exists(shared::gArquivoTXT));
    EXPECT_TRUE(mails().isEmpty());
}

TEST_F(Converter, MailConvertsWithoutOpening) {
    frmgerapdfp form;
    openWithoutPdfPath(form);
    const QString pdf = path(QStringLiteral("enviar.pdf"));
    form.txtOutputFile->setText(pdf);
    form.Command1->click();
    expectQpdfClean(pdf);
    EXPECT_EQ(documents(), 0);
    EXPECT_TRUE(QFile::exists(shared::gArquivoTXT));
    EXPECT_EQ(mails(), QStringList{pdf});

    // With no file to attach, the composer opens without one.
    dialogs.clear();
    form.txtOutputFile->clear();
    form.Command1->click();
    EXPECT_EQ(mails(), QStringList{QString()});

    // A conversion that fails says why and hands nothing on.
    dialogs.clear();
    form.txtOutputFile->setText(path(QStringLiteral("falta/enviar.pdf")));
    form.Command1->click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].text.startsWith(
        QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL GRAVAR O ARQUIVO '") +
        path(QStringLiteral("falta/enviar.pdf")) + QStringLiteral("'!\n")));
    EXPECT_TRUE(mails().isEmpty());
}

TEST_F(Converter, TheReportIsNeverItsOwnPdf) {
    const QByteArray report = readFile(shared::gArquivoTXT);
    frmgerapdfp form;
    openWithoutPdfPath(form);
    // The same file, however it is named.
    const QString linked = path(QStringLiteral("ligado.pdf"));
    ASSERT_TRUE(QFile::link(shared::gArquivoTXT, linked));
    for (const QString& output :
         {shared::gArquivoTXT, path(QStringLiteral("./relos_250307140509.txt")), linked}) {
        SCOPED_TRACE(output.toStdString());
        form.txtOutputFile->setText(output);
        for (QPushButton* button : {form.btnConvert, form.Command1}) {
            dialogs.clear();
            button->click();
            EXPECT_EQ(dialogs.texts(),
                      QStringList{QStringLiteral(
                          "--- ERRO --- O ARQUIVO DE SAÍDA NÃO PODE SER O DE ENTRADA!")});
            EXPECT_EQ(documents(), 0);
            EXPECT_TRUE(mails().isEmpty());
            EXPECT_EQ(readFile(shared::gArquivoTXT), report);
        }
    }
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Converter, APdfCutShortByAFullDiskIsRemovedNotOpened) {
    QStringList lines;
    for (int i = 1; i <= 300; ++i)
        lines << QStringLiteral("%1 | linha de um relatório longo").arg(i);
    writeFile(shared::gArquivoTXT, crlfLines(lines));
    frmgerapdfp form;
    openWithoutPdfPath(form);
    const QString pdf = path(QStringLiteral("cheio.pdf"));
    form.txtOutputFile->setText(pdf);
    {
        const testsupport::FileSizeLimit full(4096);
        form.btnConvert->click();
    }
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL GRAVAR O ARQUIVO '") + pdf +
                          QStringLiteral("'!\n") + QString::fromLocal8Bit(std::strerror(EFBIG))});
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(documents(), 0);
    EXPECT_TRUE(QFile::exists(shared::gArquivoTXT));
    EXPECT_TRUE(form.isVisible());
}
