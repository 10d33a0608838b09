#include "platform/data_grid.h"
#include "registers/frmCadFor.h"
#include "registers/frmcadcli.h"
#include "tests/registers/register_test_support.h"
#include "tests/support/http_server.h"
#include "tests/support/typing.h"

#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

using regtest::columnTexts;

namespace {

const QString kStampPattern = QStringLiteral("^TESTE \\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d$");
const QString kBirthQuestion = QStringLiteral(
    "Atenção!!! Data de nascimento não informada ou inválida!\nProsseguir assim mesmo?");

} // namespace

class ClienteRegister : public regtest::RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        qputenv("QUENDARO_CNPJ_URL", server.base().toUtf8());
        qputenv("QUENDARO_CEP_URL", server.base().toUtf8());
    }
    void TearDown() override {
        qunsetenv("QUENDARO_CNPJ_URL");
        qunsetenv("QUENDARO_CEP_URL");
        RegisterTest::TearDown();
    }
    void addClient(const QString& name, const QString& nickname = QString()) {
        cn.execute(QStringLiteral("insert into cliente (nmcli, nmfant, dtcadastro, dtnascimento) "
                                  "values (?, ?, '2024-01-05', '1990-12-25')"),
                   {name, nickname});
    }
    QString column(const QString& name, qint64 code = 1) {
        return value(QStringLiteral("select %1 from cliente where cdcli = ?").arg(name), {code});
    }
    void fillAll(frmcadcli& f) {
        f.txtdtcad->setText(QStringLiteral("05/01/2024"));
        f.TXTCPF->setText(QStringLiteral("111.444.777-35"));
        f.TXTRG->setText(QStringLiteral("12.345.678-9"));
        f.txtdtnasc->setText(QStringLiteral("25/12/1990"));
        f.txtnome->setText(QStringLiteral("ANA D'ÁVILA"));
        f.txtcontato->setText(QStringLiteral("ANINHA"));
        f.txtFone->setText(QStringLiteral("1133334444"));
        f.txtnrcel->setText(QStringLiteral("11999998888"));
        f.txtemail->setText(QStringLiteral("ANA@EXEMPLO.COM"));
        f.txtcepr->setText(QStringLiteral("01001000"));
        f.txtruar->setText(QStringLiteral("PRAÇA DA SÉ"));
        f.txtNr->setText(QStringLiteral("10"));
        f.txtbairror->setText(QStringLiteral("SÉ"));
        f.txtcidader->setText(QStringLiteral("SÃO PAULO"));
        f.txtufr->setText(QStringLiteral("SP"));
        f.txtmemo->setPlainText(QStringLiteral("LINHA 1\nLINHA \\2"));
    }
    void answerCompany(const QByteArray& cnpj, int status, const QByteArray& body) {
        server.set("/v1/cnpj/" + cnpj, {status, body, "application/json"});
    }
    testsupport::HttpServer server;
};

TEST_F(ClienteRegister, SaveWritesEveryBoxAndBothStamps) {
    frmcadcli form;
    fillAll(form);
    form.cmdsalva_Click();
    EXPECT_TRUE(dialogs.shown().empty());
    const db::Recordset r = cn.query(QStringLiteral("select * from cliente"));
    ASSERT_EQ(r.rowCount(), 1);
    EXPECT_EQ(r.text(QStringLiteral("nmcli")), QStringLiteral("ANA D'ÁVILA"));
    EXPECT_EQ(r.text(QStringLiteral("nmfant")), QStringLiteral("ANINHA"));
    EXPECT_EQ(r.date(QStringLiteral("dtcadastro")), QDate(2024, 1, 5));
    EXPECT_EQ(r.date(QStringLiteral("dtnascimento")), QDate(1990, 12, 25));
    EXPECT_EQ(r.text(QStringLiteral("cpf")), QStringLiteral("111.444.777-35"));
    EXPECT_EQ(r.text(QStringLiteral("rg")), QStringLiteral("12.345.678-9"));
    EXPECT_EQ(r.text(QStringLiteral("fonefixo")), QStringLiteral("1133334444"));
    EXPECT_EQ(r.text(QStringLiteral("fonecel")), QStringLiteral("11999998888"));
    EXPECT_EQ(r.text(QStringLiteral("email")), QStringLiteral("ANA@EXEMPLO.COM"));
    EXPECT_EQ(r.text(QStringLiteral("cep")), QStringLiteral("01001000"));
    EXPECT_EQ(r.text(QStringLiteral("rua")), QStringLiteral("PRAÇA DA SÉ"));
    EXPECT_EQ(r.text(QStringLiteral("nrcasa")), QStringLiteral("10"));
    EXPECT_EQ(r.text(QStringLiteral("bairro")), QStringLiteral("SÉ"));
    EXPECT_EQ(r.text(QStringLiteral("cidade")), QStringLiteral("SÃO PAULO"));
    EXPECT_EQ(r.text(QStringLiteral("uf")), QStringLiteral("SP"));
    EXPECT_EQ(r.text(QStringLiteral("obs")), QStringLiteral("LINHA 1\nLINHA \\2"));
    const QRegularExpression stamp(kStampPattern);
    EXPECT_TRUE(stamp.match(r.text(QStringLiteral("evcad"))).hasMatch());
    EXPECT_TRUE(stamp.match(r.text(QStringLiteral("ultev"))).hasMatch());
    // Cleared for the next client, with today as the registration date.
    EXPECT_TRUE(form.txtnome->text().isEmpty());
    EXPECT_EQ(form.txtdtcad->text(), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    EXPECT_EQ(form.DataGrid1->model()->rowCount(), 1);
}

TEST_F(ClienteRegister, MissingBirthDateAsksFirstAndYesStoresTheRegistrationDate) {
    frmcadcli form;
    form.txtnome->setText(QStringLiteral("BETO"));
    form.txtdtcad->setText(QStringLiteral("05/01/2024"));
    for (const QString& birth :
         {QString(), QStringLiteral("31/02/2000"), QStringLiteral("1/1/2000")}) {
        form.txtdtnasc->setText(birth);
        dialogs.answer(dlg::Answer::No);
        form.cmdsalva_Click();
    }
    ASSERT_EQ(dialogs.messages().size(), 3u);
    const dlg::Message question = dialogs.messages()[0];
    EXPECT_EQ(question.text, kBirthQuestion);
    EXPECT_EQ(question.title, QStringLiteral("Atençã"));
    EXPECT_EQ(question.buttons, dlg::Buttons::YesNo);
    EXPECT_EQ(question.defaultButton, dlg::Answer::No);
    EXPECT_EQ(count(QStringLiteral("cliente")), 0);
    EXPECT_EQ(form.txtnome->text(), QStringLiteral("BETO"));

    dialogs.answer(dlg::Answer::Yes);
    form.cmdsalva_Click();
    EXPECT_EQ(column(QStringLiteral("dtnascimento")), QStringLiteral("2024-01-05"));
    form.txtcodcli->setText(QStringLiteral("1"));
    form.txtcodcli_LostFocus();
    EXPECT_EQ(form.txtdtnasc->text(), QStringLiteral("05/01/2024"));
}

TEST_F(ClienteRegister, ChecksComeInOrderAndLeaveTheBoxes) {
    frmcadcli form;
    testsupport::activate(&form);
    form.txtdtnasc->clear();
    form.txtnome->clear();
    form.txtdtcad->setText(QStringLiteral("32/01/2024"));
    form.TXTRG->setText(QStringLiteral("RG"));
    dialogs.answer(dlg::Answer::Yes);
    form.cmdsalva_Click();
    EXPECT_EQ(dialogs.texts(),
              (QStringList{kBirthQuestion, QStringLiteral("--- ERRO --- NOME NÃO INFORMADO!")}));
    // Each refusal puts the focus in the box it names.
    EXPECT_EQ(QApplication::focusWidget(), form.txtnome);
    dialogs.clear();
    form.txtnome->setText(QStringLiteral("CIDA"));
    dialogs.answer(dlg::Answer::Yes);
    form.cmdsalva_Click();
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[1].text,
              QStringLiteral("--- ERRO --- DATA DE CADASTRO INCORRETA!"));
    EXPECT_EQ(dialogs.messages()[1].icon, dlg::Icon::Exclamation);
    EXPECT_EQ(QApplication::focusWidget(), form.txtdtcad);
    EXPECT_EQ(count(QStringLiteral("cliente")), 0);
    EXPECT_TRUE(form.Frame1->isEnabled());
    EXPECT_EQ(form.TXTRG->text(), QStringLiteral("RG"));
    EXPECT_EQ(form.txtdtcad->text(), QStringLiteral("32/01/2024"));
}

TEST_F(ClienteRegister, UpdateRewritesOnlyTheChangeStamp) {
    addClient(QStringLiteral("DORA"));
    cn.execute(QStringLiteral("update cliente set evcad = 'CRIADOR 01/01/2020 10:00:00', "
                              "ultev = 'CRIADOR 01/01/2020 10:00:00'"));
    frmcadcli form;
    // The code typed and Enter: the client loads and the focus goes to the
    // first box, from which Enter goes on through the client.
    testsupport::activate(&form);
    form.txtcodcli->setFocus();
    testsupport::type(form.txtcodcli, QStringLiteral("1"));
    QTest::keyClick(form.txtcodcli, Qt::Key_Return);
    EXPECT_EQ(form.txtnome->text(), QStringLiteral("DORA"));
    EXPECT_EQ(form.txtdtnasc->text(), QStringLiteral("25/12/1990"));
    EXPECT_EQ(form.txtdtcad->text(), QStringLiteral("05/01/2024"));
    EXPECT_EQ(QApplication::focusWidget(), form.txtdtcad);
    QTest::keyClick(form.txtdtcad, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), form.TXTCPF);
    EXPECT_EQ(form.txtnome->text(), QStringLiteral("DORA"));
    EXPECT_EQ(form.txtcodcli->text(), QStringLiteral("1"));
    form.txtnome->setText(QStringLiteral("DORA LIMA"));
    form.cmdsalva_Click();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(column(QStringLiteral("nmcli")), QStringLiteral("DORA LIMA"));
    EXPECT_EQ(column(QStringLiteral("evcad")), QStringLiteral("CRIADOR 01/01/2020 10:00:00"));
    EXPECT_TRUE(
        QRegularExpression(kStampPattern).match(column(QStringLiteral("ultev"))).hasMatch());
    EXPECT_EQ(count(QStringLiteral("cliente")), 1);
}

// Two stations on one client, logged in under one name: each save writes
// only over the row as that window loaded it.
TEST_F(ClienteRegister, TwoStationsSaveOnlyOverWhatTheyLoaded) {
    const QString stamp = QStringLiteral("TESTE 01/01/2024 10:00:00");
    addClient(QStringLiteral("DORA"), QStringLiteral("DODO"));
    cn.execute(QStringLiteral("update cliente set fonefixo = '1111', ultev = ?"), {stamp});
    frmcadcli a;
    frmcadcli b;
    testsupport::retypeAndEnter(a.txtcodcli, QStringLiteral("1"));
    testsupport::retypeAndEnter(b.txtcodcli, QStringLiteral("1"));
    ASSERT_EQ(b.txtcontato->text(), QStringLiteral("DODO"));
    testsupport::activate(&a);
    testsupport::retype(a.txtFone, QStringLiteral("2222"));
    testsupport::click(a.cmdsalva);
    // Saved in the second B loaded in: the stamp is the very one B holds.
    cn.execute(QStringLiteral("update cliente set ultev = ?"), {stamp});

    testsupport::activate(&b);
    testsupport::retype(b.txtcontato, QStringLiteral("DOROTEIA"));
    testsupport::click(b.cmdsalva);
    EXPECT_EQ(dialogs.texts(), QStringList{regtest::kChangedElsewhere});
    EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(rows(QStringLiteral("select fonefixo, nmfant from cliente")),
              QStringList{QStringLiteral("2222|DODO")});
    EXPECT_EQ(b.txtcodcli->text(), QStringLiteral("1"));
    EXPECT_EQ(b.txtFone->text(), QStringLiteral("2222"));
    EXPECT_EQ(b.txtcontato->text(), QStringLiteral("DODO"));
    EXPECT_TRUE(b.Frame1->isEnabled());

    testsupport::retype(b.txtcontato, QStringLiteral("DOROTEIA"));
    dialogs.clear();
    testsupport::click(b.cmdsalva);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(rows(QStringLiteral("select fonefixo, nmfant from cliente")),
              QStringList{QStringLiteral("2222|DOROTEIA")});
    EXPECT_TRUE(b.txtcodcli->text().isEmpty());

    // Deleted by the other station: nothing is written, nor inserted again.
    testsupport::retypeAndEnter(a.txtcodcli, QStringLiteral("1"));
    cn.execute(QStringLiteral("delete from cliente"));
    testsupport::retype(a.txtnome, QStringLiteral("DORA LIMA"));
    testsupport::click(a.cmdsalva);
    EXPECT_EQ(dialogs.texts(), QStringList{regtest::kGoneElsewhere});
    EXPECT_EQ(count(QStringLiteral("cliente")), 0);
    EXPECT_EQ(a.txtnome->text(), QStringLiteral("DORA LIMA"));
}

TEST_F(ClienteRegister, NullBirthDateLoadsAsNaoInformado) {
    cn.execute(
        QStringLiteral("insert into cliente (nmcli, dtcadastro) values ('EVA', '2023-03-04')"));
    frmcadcli form;
    form.txtcodcli->setText(QStringLiteral("1"));
    form.txtcodcli_LostFocus();
    EXPECT_EQ(form.txtdtnasc->text(), QStringLiteral("Não Informado"));
    EXPECT_TRUE(form.Frame1->isEnabled());
    dialogs.answer(dlg::Answer::No);
    form.cmdsalva_Click();
    EXPECT_TRUE(dialogs.sawText(kBirthQuestion));
}

TEST_F(ClienteRegister, SearchNarrowsTheListAndLookupsSeeOnlyIt) {
    addClient(QStringLiteral("ANA"), QStringLiteral("ZEZINHA"));
    addClient(QStringLiteral("BRUNO"), QStringLiteral("BRU"));
    addClient(QStringLiteral("ANTONIA"), QStringLiteral("TONHA"));
    frmcadcli form;
    EXPECT_EQ(form.DataGrid1->model()->rowCount(), 3);
    dialogs.answerInput(QStringLiteral("AN"));
    form.Command3_Click();
    EXPECT_EQ(columnTexts(form.DataGrid1->model(), 0),
              (QStringList{QStringLiteral("ANA"), QStringLiteral("ANTONIA")}));
    EXPECT_EQ(dialogs.shown().back().arguments,
              QStringList{QStringLiteral("Pesquisa cliente já cadastrado")});
    form.txtcodcli->setText(QStringLiteral("2"));
    form.txtcodcli_LostFocus();
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("--- ERRO --- CÓDIGO NÃO ENCONTRADO!")));
    EXPECT_TRUE(form.txtnome->text().isEmpty());
    // A save refreshes the narrowed list, not the whole table.
    form.txtnome->setText(QStringLiteral("CARLOS"));
    form.txtdtnasc->setText(QStringLiteral("01/01/2000"));
    form.cmdsalva_Click();
    EXPECT_EQ(form.DataGrid1->model()->rowCount(), 2);
    // "_" keeps its wildcard meaning; the nickname search goes in capitals.
    dialogs.answerInput(QStringLiteral("A_A"));
    form.Command3_Click();
    EXPECT_EQ(columnTexts(form.DataGrid1->model(), 0), QStringList{QStringLiteral("ANA")});
    dialogs.answerInput(QStringLiteral("ton"));
    form.Command2_Click();
    EXPECT_EQ(columnTexts(form.DataGrid1->model(), 0), QStringList{QStringLiteral("ANTONIA")});
    // A cancelled box lists every client.
    dialogs.answerInput(std::nullopt);
    form.Command2_Click();
    EXPECT_EQ(form.DataGrid1->model()->rowCount(), 4);
}

TEST_F(ClienteRegister, CompanyLookupFillsTheBoxes) {
    answerCompany("11444777000161", 200,
                  R"({"status": "OK", "nome": "EMPRESA TESTE LTDA", "fantasia": "TESTE",)"
                  R"( "cep": "01.001-000", "logradouro": "PRACA DA SE", "numero": "100",)"
                  R"( "bairro": "SE", "municipio": "SAO PAULO", "uf": "SP",)"
                  R"( "email": "contato@teste.com.br"})");
    server.set("/ws/01001000/json/", {200, R"({"cep": "01001-000", "ibge": "3550308"})"});
    frmcadcli form;
    form.TXTCPF->setText(QStringLiteral("11444777000161"));
    dialogs.answer(dlg::Answer::Yes);
    form.TXTCPF_LostFocus();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("Buscar dados cadastrais na receita?"));
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("Atenção"));
    EXPECT_EQ(form.TXTCPF->text(), QStringLiteral("11444777000161"));
    EXPECT_EQ(form.txtnome->text(), QStringLiteral("EMPRESA TESTE LTDA"));
    EXPECT_EQ(form.txtcontato->text(), QStringLiteral("TESTE"));
    EXPECT_EQ(form.txtcepr->text(), QStringLiteral("01001000"));
    EXPECT_EQ(form.txtruar->text(), QStringLiteral("PRACA DA SE"));
    EXPECT_EQ(form.txtNr->text(), QStringLiteral("100"));
    EXPECT_EQ(form.txtbairror->text(), QStringLiteral("SE"));
    EXPECT_EQ(form.txtcidader->text(), QStringLiteral("SAO PAULO"));
    EXPECT_EQ(form.txtufr->text(), QStringLiteral("SP"));
    EXPECT_EQ(form.txtemail->text(), QStringLiteral("contato@teste.com.br"));
    EXPECT_EQ(form.txtCdMun->text(), QStringLiteral("50308"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ClienteRegister, FailedCompanyLookupsChangeNothing) {
    answerCompany("11444777000161", 404, "");
    frmcadcli form;
    struct Case {
        const char* name;
        std::function<void()> arrange;
        QString why; // the second line, when no answer came
    };
    const std::vector<Case> cases = {
        {"404", [] {}, {}},
        {"answer without a name",
         [this] { answerCompany("11444777000161", 200, R"({"status": "ERROR", "message": "x"})"); },
         {}},
        {"server error", [this] { answerCompany("11444777000161", 500, R"({"nome": "X"})"); }, {}},
        // The name arrived, the address did not.
        {"cut off",
         [this] {
             server.set("/v1/cnpj/11444777000161",
                        {200, R"({"nome": "EMPRESA TESTE LTDA", "cep": "01.001-000"})",
                         "application/json", false, 30});
         },
         QStringLiteral("\nconexão encerrada pelo servidor")},
        {"not a JSON object",
         [this] {
             answerCompany("11444777000161", 200,
                           R"(<html><form>"nome": "Entre na rede Wi-Fi"</form></html>)");
         },
         {}},
        {"unreachable",
         [] { qputenv("QUENDARO_CNPJ_URL", testsupport::unreachableBase().toUtf8()); },
         QStringLiteral("\nconexão recusada")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        dialogs.clear();
        form.txtnome->setText(QStringLiteral("JÁ DIGITADO"));
        form.txtcepr->setText(QStringLiteral("12345678"));
        form.TXTCPF->setText(QStringLiteral("11444777000161"));
        dialogs.answer(dlg::Answer::Yes);
        form.TXTCPF_LostFocus();
        ASSERT_EQ(dialogs.messages().size(), 2u);
        EXPECT_EQ(dialogs.messages()[1].text,
                  QStringLiteral("--- ERRO --- CNPJ NÃO ENCONTRADO OU SERVIÇO INDISPONÍVEL!") +
                      c.why);
        EXPECT_EQ(dialogs.messages()[1].title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(form.txtnome->text(), QStringLiteral("JÁ DIGITADO"));
        EXPECT_EQ(form.txtcepr->text(), QStringLiteral("12345678"));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST_F(ClienteRegister, DocumentBoxDecidesWhetherToOffer) {
    frmcadcli form;
    struct Case {
        const char* typed;
        const char* kept; // what the box holds afterwards
        bool asked;
    };
    for (const Case& c : {Case{"11444777000162", "", false},
                          Case{"11.444.777/0001-61", "11.444.777/0001-61", false},
                          Case{"111.444.777-35", "111.444.777-35", true},
                          Case{"11144477735", "11144477735", false}, Case{"   ", "   ", false}}) {
        SCOPED_TRACE(c.typed);
        dialogs.clear();
        form.TXTCPF->setText(QString::fromUtf8(c.typed));
        if (c.asked)
            dialogs.answer(dlg::Answer::No);
        form.TXTCPF_LostFocus();
        EXPECT_EQ(form.TXTCPF->text(), QString::fromUtf8(c.kept));
        EXPECT_EQ(dialogs.shown().size(), c.asked ? 1u : 0u);
    }
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(ClienteRegister, DocumentBoxShowsAWholeAlphanumericCnpj) {
    frmcadcli client;
    frmCadFor supplier;
    for (QLineEdit* box : {client.TXTCPF, supplier.TXTCPF}) {
        SCOPED_TRACE(box->window()->objectName().toStdString());
        box->window()->show();
        QApplication::setActiveWindow(box->window());
        box->setFocus();
        for (const QString& cnpj :
             {QStringLiteral("12.ABC.345/01DE-35"), QStringLiteral("WM.MWM.WMW/MWMW-00")}) {
            box->clear();
            testsupport::type(box, cnpj.toLower());
            EXPECT_EQ(box->text(), cnpj);
            EXPECT_LE(QFontMetrics(box->font()).horizontalAdvance(cnpj), regtest::textRoom(box))
                << cnpj.toStdString();
        }
        box->clear();
    }
}

TEST_F(ClienteRegister, PostalLookupFillsOrKeepsTheAddress) {
    const auto answer = [this](const QByteArray& cep, const QByteArray& xml) {
        server.set("/ws/" + cep + "/xml/", {200, xml, "application/xml"});
    };
    answer("01001000", "<xmlcep><cep>01001-000</cep><tipo_logradouro>Praça</tipo_logradouro>"
                       "<logradouro>da Sé</logradouro><bairro>Sé</bairro><localidade>São Paulo"
                       "</localidade><uf>SP</uf><ibge>3550308</ibge></xmlcep>");
    answer("02002000", "<xmlcep><logradouro>A|B</logradouro><bairro>Centro</bairro><localidade>"
                       "Campinas</localidade><uf>SP</uf><ibge>3509502</ibge></xmlcep>");
    answer("03003000", "<xmlcep><logradouro>Rua Nova</logradouro><bairro>Cen");
    answer("04004000", "<xmlcep><logradouro>Rua Nova</bairro><localidade>X</localidade></xmlcep>");
    frmcadcli form;
    // The address boxes after the postal-code box is left with `cep`.
    const auto lookUp = [&form](const QString& cep) {
        form.txtcepr->setText(cep);
        form.txtcepr_LostFocus();
        return QStringList{form.txtruar->text(), form.txtbairror->text(), form.txtcidader->text(),
                           form.txtufr->text(), form.txtCdMun->text()};
    };
    const QStringList typed = {QStringLiteral("RUA DIGITADA"), QStringLiteral("BAIRRO"),
                               QStringLiteral("CIDADE DIGITADA"), QStringLiteral("RJ"), QString()};
    const auto typeAddress = [&form, &typed] {
        form.txtruar->setText(typed[0]);
        form.txtbairror->setText(typed[1]);
        form.txtcidader->setText(typed[2]);
        form.txtufr->setText(typed[3]);
        form.txtCdMun->clear();
    };

    EXPECT_EQ(lookUp(QStringLiteral("01001000")),
              (QStringList{QStringLiteral("PRAÇA DA SÉ"), QStringLiteral("SÉ"),
                           QStringLiteral("SÃO PAULO"), QStringLiteral("SP"),
                           QStringLiteral("3550308")}));
    // A "|" inside a part stays in its own box.
    EXPECT_EQ(
        lookUp(QStringLiteral("02002000")),
        (QStringList{QStringLiteral(" A B"), QStringLiteral("CENTRO"), QStringLiteral("CAMPINAS"),
                     QStringLiteral("SP"), QStringLiteral("3509502")}));
    // An answer cut off mid-element or with mismatched tags, an unknown code,
    // or not 8 characters: nothing changes.
    for (const char* cep : {"03003000", "04004000", "99999999", "0100100", " 0100100"}) {
        typeAddress();
        EXPECT_EQ(lookUp(QString::fromLatin1(cep)), typed) << cep;
    }
    EXPECT_EQ(server.requests().size(), 5); // every code of 8 characters
    qputenv("QUENDARO_CEP_URL", testsupport::unreachableBase().toUtf8());
    typeAddress();
    EXPECT_EQ(lookUp(QStringLiteral("01001000")), typed);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(ClienteRegister, NotesStopAtTheirColumnsSize) {
    frmcadcli form;
    {
        // A narrower column, cut by the server inside a character: its
        // refusal in the program's words, naming no database.
        cn.execute(QStringLiteral("alter table cliente modify obs tinytext not null default ''"));
        const auto restore = qScopeGuard([this] {
            cn.execute(QStringLiteral("alter table cliente modify obs text not null default ''"));
        });
        fillAll(form);
        form.txtmemo->setPlainText(QString(128, QChar(0xE9)));
        form.cmdsalva_Click();
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].text,
                  QStringLiteral("--- ERRO --- TEXTO MAIOR QUE O CAMPO PERMITE!"));
        EXPECT_EQ(count(QStringLiteral("cliente")), 0);
    }
    // Pasted beyond TEXT's 65,535 bytes: the "é" that would not fit whole is
    // not taken.
    dialogs.clear();
    form.txtmemo->clear();
    form.txtmemo->insertPlainText(QString(40000, QChar(0xE9)));
    EXPECT_EQ(form.txtmemo->toPlainText(), QString(32767, QChar(0xE9)));
    form.cmdsalva_Click();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(column(QStringLiteral("length(obs)")), QStringLiteral("65534"));
}

TEST_F(ClienteRegister, FailedSaveKeepsBoxesAndFrame) {
    frmcadcli form;
    fillAll(form);
    shared::gConexao = testsupport::connectionString(QStringLiteral("banco_que_nao_existe"));
    form.cmdsalva_Click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].text.startsWith(QStringLiteral("--- ERRO --- ")));
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(form.txtnome->text(), QStringLiteral("ANA D'ÁVILA"));
    EXPECT_TRUE(form.Frame1->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(count(QStringLiteral("cliente")), 0);
}
