#include "registers/consulta_cnpj.h"
#include "registers/endereco_cep.h"
#include "registers/register_codes.h"
#include "tests/support/http_server.h"

#include <gtest/gtest.h>

TEST(ValorCampoJson, PlainTextExtraction) {
    struct Case {
        const char* json;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {R"({"nome": "ACME LTDA", "uf": "SP"})", "nome", "ACME LTDA"},
        {R"({"nome": "ACME LTDA", "uf": "SP"})", "uf", "SP"},
        // Without the blank after the colon the first character is lost.
        {R"({"nome":"ACME"})", "nome", "CME"},
        // The first occurrence wins, even inside another name.
        {R"({"sobrenome": "SILVA", "nome": "ANA"})", "nome", "SILVA"},
        // An escaped quote cuts the value and keeps the backslash.
        {R"({"nome": "BAR \"DO ZE\" LTDA"})", "nome", "BAR \\"},
        // A value that is no string gives what follows up to the next quote.
        {R"({"numero": 123, "bairro": "CENTRO"})", "numero", "23, "},
        {R"({"numero": null})", "numero", ""},
        // Absent key, or nothing to close the value: empty, never a fragment.
        {R"({"nome": "ACME"})", "fantasia", ""},
        {"404 Error", "nome", ""},
        {R"({"nome": "SEM FIM)", "nome", ""},
        {R"({"nome)", "nome", ""},
        {"", "nome", ""},
        {R"({"nome": "X"})", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ValorCampoJson(QString::fromUtf8(c.json), QString::fromUtf8(c.key)),
                  QString::fromUtf8(c.expected))
            << c.json << " / " << c.key;
    }
}

TEST(RegisterCodes, NumbersWholeNumbersAndWhatSaveDoes) {
    struct Case {
        const char* typed;
        bool numeric;
        std::optional<qint64> code;
        SaveKey::Kind save;
    };
    const Case cases[] = {
        {"12", true, 12, SaveKey::Update},
        {" 7 ", true, 7, SaveKey::Update},
        {"2.5", true, std::nullopt, SaveKey::NoSuchCode},
        {"2,5", true, std::nullopt, SaveKey::NoSuchCode},
        {"3,0", true, 3, SaveKey::Update},
        {"-4", true, -4, SaveKey::Update},
        {"", false, std::nullopt, SaveKey::Insert},
        {"   ", false, std::nullopt, SaveKey::Insert},
        {"12A", false, std::nullopt, SaveKey::Insert},
        {"1 OR 1=1", false, std::nullopt, SaveKey::Insert},
        {"R$ 5", false, std::nullopt, SaveKey::Insert},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const QString typed = QString::fromUtf8(c.typed);
        EXPECT_EQ(isNumeric(typed), c.numeric);
        EXPECT_EQ(wholeCode(typed), c.code);
        const SaveKey key = saveKey(typed);
        EXPECT_EQ(key.kind, c.save);
        if (c.save == SaveKey::Update) {
            EXPECT_EQ(key.code, *c.code);
        }
    }
}

TEST(PartesEndereco, BlankAnswersChangeNothing) {
    EXPECT_FALSE(partesEndereco(QStringLiteral("||||")).has_value());
    EXPECT_FALSE(partesEndereco(QStringLiteral(" ||||")).has_value());
    EXPECT_FALSE(partesEndereco(QString()).has_value());
    EXPECT_EQ(partesEndereco(QStringLiteral(" RUA UM||RIO||")),
              (QStringList{QStringLiteral(" RUA UM"), QString(), QStringLiteral("RIO"), QString(),
                           QString()}));
    EXPECT_EQ(partesEndereco(QStringLiteral("A|B")).value().size(), 5);
}

TEST(DadosEmpresa, OnlyASuccessfulAnswerWithANameFills) {
    const QString body =
        QStringLiteral(R"({"nome": "ACME", "cep": "01.001-000", "uf": "SP", "email": ""})");
    const auto dados = dadosEmpresa({200, body});
    ASSERT_TRUE(dados.has_value());
    EXPECT_EQ(dados->nome, QStringLiteral("ACME"));
    EXPECT_EQ(dados->cep, QStringLiteral("01001000"));
    EXPECT_EQ(dados->uf, QStringLiteral("SP"));
    EXPECT_TRUE(dados->email.isEmpty());
    EXPECT_FALSE(dadosEmpresa({404, QStringLiteral("404 Error")}));
    EXPECT_FALSE(dadosEmpresa({429, body}));
    EXPECT_FALSE(dadosEmpresa({0, QStringLiteral("Connection refused")}));
    EXPECT_FALSE(dadosEmpresa({200, QStringLiteral(R"({"status": "ERROR", "nome": ""})")}));
    EXPECT_FALSE(dadosEmpresa({200, QStringLiteral(R"({"nome": "   "})")}));
    // Only a JSON object, blanks before it allowed.
    EXPECT_FALSE(dadosEmpresa({200, QStringLiteral(R"(<p>"nome": "ACME"</p>)")}));
    EXPECT_FALSE(dadosEmpresa({200, QStringLiteral(R"(["nome": "ACME"])")}));
    EXPECT_TRUE(dadosEmpresa({200, QStringLiteral(" \r\n\t") + body}));
}

TEST(ConsultarCNPJ, RequestAndAnswers) {
    testsupport::HttpServer server;
    qputenv("QUENDARO_CNPJ_URL", (server.base() + QStringLiteral("/")).toUtf8());
    server.set("/v1/cnpj/11444777000161", {200, R"({"nome": "ACME"})", "application/json"});
    RespostaCnpj r = ConsultarCNPJ(QStringLiteral(" 11444777000161 "));
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.texto, QStringLiteral(R"({"nome": "ACME"})"));
    r = ConsultarCNPJ(QStringLiteral("11.444.777/0001-61"));
    EXPECT_EQ(r.status, 404);
    EXPECT_EQ(r.texto, QStringLiteral("404 Error"));
    ConsultarCNPJ(QStringLiteral("1?a=b#c d"));
    ASSERT_EQ(server.requests().size(), 3);
    EXPECT_EQ(server.requests()[1].path, QByteArray("/v1/cnpj/11.444.777%2F0001-61"));
    EXPECT_EQ(server.requests()[2].path, QByteArray("/v1/cnpj/1%3Fa%3Db%23c%20d"));
    EXPECT_EQ(server.requests()[0].method, QByteArray("GET"));
    qputenv("QUENDARO_CNPJ_URL", testsupport::unreachableBase().toUtf8());
    EXPECT_EQ(ConsultarCNPJ(QStringLiteral("11444777000161")).status, 0);
    qunsetenv("QUENDARO_CNPJ_URL");
}

TEST(IbgeDoCep, OnlyForEightDigits) {
    testsupport::HttpServer server;
    qputenv("QUENDARO_CEP_URL", server.base().toUtf8());
    server.set("/ws/01001000/json/", {200, R"({"cep": "01001-000", "ibge": "3550308"})"});
    EXPECT_EQ(ibgeDoCep(QStringLiteral("01001000")), QStringLiteral("3550308"));
    EXPECT_TRUE(ibgeDoCep(QStringLiteral("02002000")).isEmpty()); // 404
    for (const char* cep : {"0100100", "01001-000", "0100100A", ""})
        EXPECT_TRUE(ibgeDoCep(QString::fromLatin1(cep)).isEmpty()) << cep;
    EXPECT_EQ(server.requests().size(), 2);
    qunsetenv("QUENDARO_CEP_URL");
}
