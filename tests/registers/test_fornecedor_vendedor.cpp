#include "platform/data_grid.h"
#include "registers/fiscal_file.h"
#include "registers/frmCadFor.h"
#include "registers/frmCadVendedor.h"
#include "tests/registers/register_test_support.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

using regtest::columnTexts;

namespace {

// A handle on the fiscal file for the tests' own reads and writes.
class FiscalDb {
public:
    explicit FiscalDb(const QString& path) { sqlite3_open(path.toUtf8().constData(), &db_); }
    ~FiscalDb() { sqlite3_close(db_); }
    void exec(const QString& sql) {
        char* error = nullptr;
        sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &error);
        EXPECT_EQ(error, nullptr) << error;
        sqlite3_free(error);
    }
    // Rows of `sql`, their columns joined with "|".
    QStringList rows(const QString& sql) {
        QStringList out;
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            QStringList columns;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                columns << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
            out << columns.join(QLatin1Char('|'));
        }
        sqlite3_finalize(stmt);
        return out;
    }

private:
    sqlite3* db_ = nullptr;
};

QString scriptText() {
    QFile script(testsupport::sourceDir() + QStringLiteral("/db/fiscal.sql"));
    script.open(QIODevice::ReadOnly);
    return QString::fromUtf8(script.readAll());
}

const QString kCopied = QStringLiteral(
    "select cpf, tipo, cduf, cdcid, cdpais, complemento, nmcli, nmfant, rg, rua, bairro, cep, "
    "cidade, uf, fone, contato, nr, email, outinf from cliente order by rowid");

} // namespace

class Fornecedor : public regtest::RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        path = dir.filePath(QStringLiteral("dados.db"));
        QFile::remove(path);
        FiscalDb(path).exec(scriptText());
        qputenv("QUENDARO_FISCAL_DB", path.toUtf8());
    }
    void TearDown() override {
        qunsetenv("QUENDARO_FISCAL_DB");
        RegisterTest::TearDown();
    }
    void fill(PessoaRegister& f, const QString& document) {
        f.TXTCPF->setText(document);
        f.TXTRG->setText(QStringLiteral("IE 123"));
        f.txtnome->setText(QStringLiteral("ACME D'OESTE"));
        if (f.txtcontato != nullptr)
            f.txtcontato->setText(QStringLiteral("ACME"));
        f.txtfone->setText(QStringLiteral("1133334444"));
        f.txtnrcel->setText(QStringLiteral("11999998888"));
        f.txtemail->setText(QStringLiteral("ACME@EX.COM"));
        f.txtruar->setText(QStringLiteral("RUA A"));
        f.txtnr->setText(QStringLiteral("5"));
        f.txtcepr->setText(QStringLiteral("13000000"));
        f.txtbairror->setText(QStringLiteral("CENTRO"));
        f.txtcidader->setText(QStringLiteral("CAMPINAS"));
        f.txtufr->setText(QStringLiteral("SP"));
        f.txtmemo->setPlainText(QStringLiteral("OBS"));
    }
    QTemporaryDir dir;
    QString path;
};

TEST_F(Fornecedor, SaveCopiesIntoTheFiscalFileAndASecondSaveRewritesTheRow) {
    frmCadFor form;
    fill(form, QStringLiteral("11444777000161"));
    form.cmdsalva_Click();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(value(QStringLiteral("select cpf from fornecedores where cdfor = 1")),
              QStringLiteral("11444777000161"));
    FiscalDb fiscal(path);
    EXPECT_EQ(fiscal.rows(kCopied),
              QStringList{QStringLiteral("11.444.777/0001-61|F|||||ACME D'OESTE|ACME|IE 123|RUA A|"
                                         "CENTRO|13000000|CAMPINAS|SP|1133334444||5|ACME@EX.COM|"
                                         "OBS")});
    // Columns written only for a new row stay; contato is emptied every time.
    fiscal.exec(QStringLiteral("update cliente set cduf = '35', contato = 'FULANO'"));
    form.txtcodcli->setText(QStringLiteral("1"));
    form.txtcodcli_LostFocus();
    EXPECT_EQ(form.txtcontato->text(), QStringLiteral("ACME"));
    form.txtnome->setText(QStringLiteral("ACME NOVA"));
    form.cmdsalva_Click();
    EXPECT_EQ(fiscal.rows(QStringLiteral("select nmcli, cduf, contato from cliente")),
              QStringList{QStringLiteral("ACME NOVA|35|")});
    EXPECT_EQ(count(QStringLiteral("fornecedores")), 1);
    // A save refused over another station's change copies nothing either.
    form.txtcodcli->setText(QStringLiteral("1"));
    form.txtcodcli_LostFocus();
    cn.execute(QStringLiteral("update fornecedores set fonefixo = '2222'"));
    form.txtnome->setText(QStringLiteral("ACME OUTRA"));
    form.cmdsalva_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{regtest::kChangedElsewhere});
    EXPECT_EQ(fiscal.rows(QStringLiteral("select nmcli, fone from cliente")),
              QStringList{QStringLiteral("ACME NOVA|1133334444")});
    EXPECT_EQ(form.txtfone->text(), QStringLiteral("2222"));
    form.cmdretorna_Click();
    // The same document punctuated is the same fiscal row.
    fill(form, QStringLiteral("11.444.777/0001-61"));
    form.cmdsalva_Click();
    EXPECT_EQ(fiscal.rows(QStringLiteral("select count(*) from cliente")),
              QStringList{QStringLiteral("1")});
    EXPECT_EQ(count(QStringLiteral("fornecedores")), 2);
}

TEST_F(Fornecedor, NoFiscalRowWithoutAValidDocument) {
    frmCadFor form;
    for (const QString& document : {QString(), QStringLiteral("11444777000162")}) {
        fill(form, document);
        form.cmdsalva_Click();
    }
    EXPECT_EQ(count(QStringLiteral("fornecedores")), 2);
    EXPECT_TRUE(FiscalDb(path).rows(kCopied).isEmpty());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Fornecedor, FiscalFailuresKeepTheSupplierAndClearTheWindow) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        bool detail;
    };
    std::unique_ptr<FiscalDb> locker;
    const std::vector<Case> cases = {
        {"missing file", [this] { QFile::remove(path); }, false},
        {"missing table",
         [this] {
             QFile::remove(path);
             FiscalDb(path).exec(QStringLiteral("create table outra (x)"));
         },
         true},
        {"locked file",
         [&] {
             locker = std::make_unique<FiscalDb>(path);
             locker->exec(QStringLiteral("begin exclusive"));
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.arrange();
        frmCadFor form;
        fill(form, QStringLiteral("111.444.777-35"));
        form.cmdsalva_Click();
        ASSERT_EQ(dialogs.messages().size(), 1u);
        const dlg::Message shown = dialogs.messages()[0];
        EXPECT_EQ(shown.title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(shown.icon, dlg::Icon::Exclamation);
        if (c.detail)
            EXPECT_TRUE(
                shown.text.startsWith(QStringLiteral("--- ERRO --- INTEGRAÇÃO FISCAL FALHOU!\n")))
                << shown.text.toStdString();
        else
            EXPECT_EQ(shown.text, QStringLiteral("--- ERRO --- INTEGRAÇÃO FISCAL FALHOU!"));
        EXPECT_EQ(count(QStringLiteral("fornecedores")), 1);
        EXPECT_TRUE(form.txtnome->text().isEmpty());
        EXPECT_EQ(form.DataGrid1->model()->rowCount(), 1);
        locker.reset();
    }
    // The program never creates the file it did not find.
    SetUp();
    QFile::remove(path);
    fiscal::Fornecedor supplier;
    supplier.cpf = QStringLiteral("X");
    EXPECT_TRUE(fiscal::copiaFornecedor(supplier).value().arquivoAusente);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Fornecedor, UpdateKeepsTheCreationStampInBothRegisters) {
    for (const PessoaTabela* t : {&kFornecedores, &kVendedores}) {
        SCOPED_TRACE(t->tabela.toStdString());
        SetUp();
        cn.execute(QStringLiteral("insert into %1 (%2, evcad, ultev) values ('ANTIGO', "
                                  "'CRIADOR 01/01/2020 10:00:00', 'CRIADOR 01/01/2020 10:00:00')")
                       .arg(t->tabela, t->nome));
        std::unique_ptr<PessoaRegister> form;
        if (t->apelido)
            form = std::make_unique<frmCadFor>();
        else
            form = std::make_unique<frmCadVendedor>();
        form->txtcodcli->setText(QStringLiteral("1"));
        form->txtcodcli_LostFocus();
        EXPECT_EQ(form->txtnome->text(), QStringLiteral("ANTIGO"));
        fill(*form, QStringLiteral("111.444.777-35"));
        form->cmdsalva_Click();
        const auto column = [&](const char* name) {
            return value(QStringLiteral("select %1 from %2 where %3 = 1")
                             .arg(QLatin1String(name), t->tabela, t->chave));
        };
        EXPECT_EQ(column("evcad"), QStringLiteral("CRIADOR 01/01/2020 10:00:00"));
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^TESTE \\d\\d/\\d\\d/\\d{4} "
                                                      "\\d\\d:\\d\\d:\\d\\d$"))
                        .match(column("ultev"))
                        .hasMatch());
        EXPECT_EQ(column("obs"), QStringLiteral("OBS"));
        EXPECT_EQ(column("fonecel"), QStringLiteral("11999998888"));
        EXPECT_EQ(count(t->tabela), 1);
    }
    // Only suppliers reach the fiscal file.
    EXPECT_EQ(FiscalDb(path).rows(kCopied).size(), 0);
}

TEST_F(Fornecedor, CollaboratorRegisterDiffers) {
    frmCadVendedor form;
    EXPECT_EQ(form.txtcontato, nullptr);
    EXPECT_EQ(form.Command2, nullptr);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Cadastro de Colaboradores"));
    fill(form, QStringLiteral("111.444.777-35"));
    form.cmdsalva_Click();
    EXPECT_EQ(value(QStringLiteral("select nmven from vendedores")),
              QStringLiteral("ACME D'OESTE"));
    EXPECT_TRUE(FiscalDb(path).rows(kCopied).isEmpty());
    form.show();
    QApplication::setActiveWindow(&form);
    form.txtnome->setFocus();
    QTest::keyClick(form.txtnome, Qt::Key_F11);
    EXPECT_TRUE(dialogs.shown().empty());
    dialogs.answerInput(QStringLiteral("acme"));
    QTest::keyClick(form.txtnome, Qt::Key_F10);
    EXPECT_EQ(dialogs.shown().back().arguments,
              QStringList{QStringLiteral("Pesquisa vendedor já cadastrado")});
    EXPECT_EQ(form.DataGrid1->model()->rowCount(), 1);
}

TEST_F(Fornecedor, SearchesAndTheDocumentBox) {
    cn.execute(QStringLiteral("insert into fornecedores (nmfor, nmfant) values ('ALFA', 'AZUL'), "
                              "('BETA', 'VERDE')"));
    frmCadFor form;
    dialogs.answerInput(QStringLiteral("ver"));
    form.Command2_Click();
    EXPECT_EQ(columnTexts(form.DataGrid1->model(), 0), QStringList{QStringLiteral("BETA")});
    EXPECT_EQ(dialogs.shown().back().text, QStringLiteral("Apelido: "));
    form.txtcodcli->setText(QStringLiteral("1"));
    form.txtcodcli_LostFocus();
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("--- ERRO --- CÓDIGO NÃO ENCONTRADO!")));
    dialogs.answerInput(std::nullopt);
    form.Command3_Click();
    EXPECT_EQ(form.DataGrid1->model()->rowCount(), 2);

    for (const char* typed : {"11144477735", "111.444.777-35", "11.444.777/0001-61"}) {
        form.TXTCPF->setText(QString::fromLatin1(typed));
        form.TXTCPF_LostFocus();
        EXPECT_EQ(form.TXTCPF->text(), QString::fromLatin1(typed));
    }
    form.TXTCPF->setText(QStringLiteral("12345678900"));
    form.TXTCPF_LostFocus();
    EXPECT_TRUE(form.TXTCPF->text().isEmpty());
}

TEST_F(Fornecedor, EnterInTheNotesKeepsItsLineBreakAndMovesOn) {
    frmCadFor form;
    form.show();
    QApplication::setActiveWindow(&form);
    form.txtmemo->setFocus();
    testsupport::type(form.txtmemo, QStringLiteral("linha"));
    QTest::keyClick(form.txtmemo, Qt::Key_Return);
    EXPECT_EQ(form.txtmemo->toPlainText(), QStringLiteral("LINHA\n"));
    EXPECT_TRUE(form.cmdsalva->hasFocus());
}
