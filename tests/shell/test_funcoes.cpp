#include "platform/db/connection.h"
#include "shell/date_mask.h"
#include "shell/funcoes.h"
#include "shell/shared_state.h"
#include "tests/support/http_server.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/test_database.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

QString typeIntoDateBox(QLineEdit& box, const QString& keys) {
    for (QChar c : keys) {
        if (c == QLatin1Char('<'))
            QTest::keyClick(&box, Qt::Key_Backspace);
        else
            QTest::keyClicks(&box, QString(c));
    }
    return box.text();
}

} // namespace

TEST(MascaraData, TypingSequences) {
    QLineEdit box;
    installDateMask(&box);
    EXPECT_EQ(typeIntoDateBox(box, QStringLiteral("25122026")), QStringLiteral("25/12/2026"));
    EXPECT_EQ(typeIntoDateBox(box, QStringLiteral("9")), QStringLiteral("25/12/2026"));
    box.clear();
    EXPECT_EQ(typeIntoDateBox(box, QStringLiteral("2a5-1/2 ")), QStringLiteral("25/12"));
    EXPECT_EQ(typeIntoDateBox(box, QStringLiteral("<<<")), QStringLiteral("25"));
    // The caret at position 2 inside a text also gets a "/".
    box.setText(QStringLiteral("1234"));
    box.setCursorPosition(2);
    EXPECT_EQ(typeIntoDateBox(box, QStringLiteral("9")), QStringLiteral("12/934"));
    // A selection from position 2 is replaced by the "/".
    box.setText(QStringLiteral("12XY"));
    box.setSelection(2, 2);
    int key = '7';
    MascaraData(key, &box);
    EXPECT_EQ(key, '7');
    EXPECT_EQ(box.text(), QStringLiteral("12/"));
    key = 'a';
    MascaraData(key, &box);
    EXPECT_EQ(key, 0);
    key = 8;
    MascaraData(key, &box);
    EXPECT_EQ(key, 8);
    // Tab and Shift+Tab are no characters of a date: they move on.
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* date = new QLineEdit;
    auto* next = new QLineEdit;
    layout->addWidget(date);
    layout->addWidget(next);
    installDateMask(date);
    window.show();
    QApplication::setActiveWindow(&window);
    date->setFocus();
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
    QTest::keyClick(next, Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(date, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(next->hasFocus());
}

TEST(EnviaTeclas, TabMovesFocusWithoutTypingIntoMultiLineBoxes) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit;
    auto* notes = new QPlainTextEdit;
    auto* last = new QLineEdit;
    layout->addWidget(first);
    layout->addWidget(notes);
    layout->addWidget(last);
    window.show();
    window.activateWindow();
    first->setFocus();
    QApplication::processEvents();
    EnviaTeclas(QStringLiteral("{TAB}"));
    EXPECT_TRUE(notes->hasFocus());
    EnviaTeclas(QStringLiteral("{TAB}"));
    EXPECT_TRUE(last->hasFocus());
    EXPECT_TRUE(notes->toPlainText().isEmpty());
}

class BuscaCepTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("QUENDARO_CEP_URL", server.base().toUtf8()); }
    void TearDown() override { qunsetenv("QUENDARO_CEP_URL"); }
    void answer(const QByteArray& cep, const QByteArray& xml) {
        server.set("/ws/" + cep + "/xml/", {200, xml, "application/xml"});
    }
    testsupport::HttpServer server;
};

TEST_F(BuscaCepTest, FillsTheFivePartsInCapitals) {
    answer("01001000", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xmlcep>\n"
                       "<cep>01001-000</cep><tipo_logradouro>Praça</tipo_logradouro>"
                       "<logradouro>da Sé</logradouro><complemento/><bairro>Sé</bairro>"
                       "<localidade>São Paulo</localidade><uf>SP</uf><ibge>3550308</ibge>"
                       "<cidade>Sampa</cidade><resultado_txt>ok</resultado_txt></xmlcep>");
    // The later of "localidade" and "cidade" wins.
    EXPECT_EQ(BuscaCep(QStringLiteral("01001000")),
              QStringLiteral("PRAÇA DA SÉ|SÉ|SAMPA|SP|3550308"));
    EXPECT_EQ(server.requests().at(0).path, QByteArray("/ws/01001000/xml/"));
}

TEST_F(BuscaCepTest, MissingStreetTypeAndEmptyElements) {
    answer("20000000", "<xmlcep><logradouro>Rua Um</logradouro><bairro></bairro>"
                       "<cidade>Rio</cidade><uf/></xmlcep>");
    EXPECT_EQ(BuscaCep(QStringLiteral("20000000")), QStringLiteral(" RUA UM||RIO||"));
}

TEST_F(BuscaCepTest, NoWellFormedAnswerGivesEmptyText) {
    testsupport::ScriptedDialogs dialogs;
    answer("01001000", "<xmlcep><logradouro>Rua Um</logradouro><bairro>Cen");
    answer("01002000", "<xmlcep><logradouro>Rua Um</bairro><uf>SP</uf></xmlcep>");
    answer("01003000", "");
    for (const char* cep : {"01001000", "01002000", "01003000", "99999999"}) // the last: 404
        EXPECT_EQ(BuscaCep(QString::fromLatin1(cep)), QString()) << cep;
    qputenv("QUENDARO_CEP_URL", testsupport::unreachableBase().toUtf8());
    EXPECT_EQ(BuscaCep(QStringLiteral("01001000")), QString());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(BuscaCepTest, PostalCodeIsOnePathSegmentAndDtdIsIgnored) {
    answer("30000000", "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY e SYSTEM "
                       "\"file:///etc/passwd\"><!ENTITY a \"aaaaaaaaaa\">]>"
                       "<xmlcep><logradouro>&e;</logradouro><bairro>Centro</bairro></xmlcep>");
    const QString result = BuscaCep(QStringLiteral("30000000"));
    EXPECT_FALSE(result.contains(QStringLiteral("ROOT")));
    EXPECT_TRUE(result.startsWith(QStringLiteral(" |")));
    BuscaCep(QStringLiteral("1/../x?y"));
    EXPECT_EQ(server.requests().last().path, QByteArray("/ws/1%2F..%2Fx%3Fy/xml/"));
}

TEST(PermissaoUsuario, LastRowWinsAndNoRowBlocks) {
    shared::gConexao = testsupport::freshDatabase();
    shared::fechaConexao();
    shared::abreConexao();
    db::Connection& cn = shared::gCn();
    const QString insert = QStringLiteral(
        "INSERT INTO perfilusuario (nmusuario, ususenha, campo, valor) VALUES (?, '', ?, ?)");
    cn.execute(insert, {QStringLiteral("ANA"), QStringLiteral("mnu_cadcli          "),
                        QStringLiteral("0")});
    cn.execute(insert, {QStringLiteral("ANA"), QStringLiteral("mnu_cadfor"), QStringLiteral("0")});
    cn.execute(insert, {QStringLiteral("ANA"), QStringLiteral("mnu_cadfor"), QStringLiteral("1")});
    EXPECT_EQ(PermissaoUsuario(QStringLiteral("ANA"), QStringLiteral("mnu_cadcli")),
              QStringLiteral("0"));
    EXPECT_EQ(PermissaoUsuario(QStringLiteral("ANA"), QStringLiteral("mnu_cadfor")),
              QStringLiteral("1"));
    EXPECT_EQ(PermissaoUsuario(QStringLiteral("ANA"), QStringLiteral("mun_cadven")),
              QStringLiteral("1"));
    EXPECT_EQ(PermissaoUsuario(QStringLiteral("BIA"), QStringLiteral("mnu_cadcli")),
              QStringLiteral("1"));
    EXPECT_EQ(PermissaoUsuario(QStringLiteral("' OR ''='"), QStringLiteral("mnu_cadcli")),
              QStringLiteral("1"));
    // Left open for the next caller.
    EXPECT_TRUE(cn.isOpen());
    shared::fechaConexao();
}

TEST(EnviaTeclas, EditableComboBoxIsOneStop) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* combo = new QComboBox;
    combo->setEditable(true);
    auto* next = new QLineEdit;
    layout->addWidget(combo);
    layout->addWidget(next);
    window.show();
    window.activateWindow();
    combo->setFocus();
    QApplication::processEvents();
    EnviaTeclas(QStringLiteral("{TAB}"));
    EXPECT_TRUE(next->hasFocus());
}
