#include "pdf/os_documents.h"
#include "platform/db/connection.h"
#include "shell/shared_state.h"
#include "tests/pdf/pdf_test_support.h"
#include "tests/support/order_amount_cases.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/test_database.h"

#include <QImage>
#include <QRegularExpression>

using namespace pdftest;

namespace {

// The page's y measured from the top, as the content stream writes it on
// the writer's whole-point A4 height.
QByteArray y(double top) {
    return QByteArray::number(842 - top, 'f', 2);
}

QByteArray line(double x1, double y1, double x2, double y2) {
    return QByteArray::number(x1, 'f', 2) + " " + y(y1) + " m\r\n" +
           QByteArray::number(x2, 'f', 2) + " " + y(y2) + " l";
}

QByteArray textAt(double x, double top, const QByteArray& text) {
    return QByteArray::number(x + 1, 'f', 2) + " " + y(top) + " Td\r\n" + text;
}

// A word as pdftotext places it: page from 1, box in points from the top.
struct Word {
    int page = 0;
    QString text;
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

QList<Word> words(const QString& file) {
    const ProcessResult r =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-enc"),
                                          QStringLiteral("UTF-8"), file, QStringLiteral("-")});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
    static const QRegularExpression tag(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Word> found;
    int page = 0;
    auto it = tag.globalMatch(QString::fromUtf8(r.out));
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        found.append({page, m.captured(5), m.captured(1).toDouble(), m.captured(3).toDouble(),
                      m.captured(2).toDouble(), m.captured(4).toDouble()});
    }
    return found;
}

QString pageText(const QString& file, int page) {
    const QString n = QString::number(page);
    return QString::fromUtf8(
               run(QStringLiteral("pdftotext"),
                   {QStringLiteral("-f"), n, QStringLiteral("-l"), n, QStringLiteral("-raw"),
                    QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")})
                   .out)
        .simplified();
}

// Every word lies on the paper, and above the footer rule at 800 unless it
// is the footer's own.
void expectInsideThePages(const QList<Word>& all) {
    for (const Word& w : all) {
        EXPECT_LE(w.xMax, 595) << w.text.toStdString();
        EXPECT_LE(w.yMax, 842) << w.text.toStdString();
        EXPECT_TRUE(w.yMax < 800 || w.yMin > 800)
            << w.text.toStdString() << " on page " << w.page << " at " << w.yMin;
    }
}

// The pages on which a word stands, in order.
QList<int> pagesOf(const QList<Word>& all, const QString& text) {
    QList<int> pages;
    for (const Word& w : all) {
        if (w.text == text)
            pages << w.page;
    }
    return pages;
}

// No two words of a page overlap.
void expectApart(const QList<Word>& all) {
    for (qsizetype i = 0; i < all.size(); ++i) {
        for (qsizetype j = i + 1; j < all.size(); ++j) {
            const Word& a = all.at(i);
            const Word& b = all.at(j);
            const bool over = a.page == b.page && a.xMin < b.xMax && b.xMin < a.xMax &&
                              a.yMin < b.yMax && b.yMin < a.yMax;
            EXPECT_FALSE(over) << a.text.toStdString() << " over " << b.text.toStdString();
        }
    }
}

// The words of page 1 on the line whose baseline is `y`, from x `de` to
// `ate`, joined by one blank.
QString lineAt(const QList<Word>& all, double y, double de, double ate) {
    QStringList found;
    for (const Word& w : all) {
        if (w.page == 1 && w.yMin <= y && y <= w.yMax && w.xMin >= de && w.xMax <= ate)
            found << w.text;
    }
    return found.join(QLatin1Char(' '));
}

const Word* wordOf(const QList<Word>& all, const QString& text) {
    const auto at =
        std::find_if(all.begin(), all.end(), [&](const Word& w) { return w.text == text; });
    return at == all.end() ? nullptr : &*at;
}

} // namespace

class OSDocuments : public PdfTest {
protected:
    static void SetUpTestSuite() { connection() = testsupport::freshDatabase(); }

    void SetUp() override {
        PdfTest::SetUp();
        shared::gConexao = connection();
        shared::fechaConexao();
        shared::gArquivoPDF.clear();
        cn.setConnectionString(connection());
        cn.open();
        for (const char* table :
             {"empresa", "cliente", "os_cab", "os_srv", "os_custos", "categorias"})
            cn.execute(QStringLiteral("TRUNCATE TABLE %1").arg(QLatin1String(table)));
    }
    void TearDown() override {
        shared::fechaConexao();
        PdfTest::TearDown();
    }

    static QString& connection() {
        static QString s;
        return s;
    }

    void empresa() {
        cn.execute(QStringLiteral(
            "insert into empresa (cpf, rg, nmemp, nmfant, rua, bairro, cep, cidade, uf, fone, "
            "email) "
            "values ('12345678000195', '110042490114', 'OFICINA SÃO JORGE LTDA', 'SÃO JORGE', "
            "'RUA DAS FLORES, 10', 'CENTRO', '01001000', 'SÃO PAULO', 'SP', '(11) 5555-1234', "
            "'Contato@SaoJorge.com.br')"));
    }

    qint64 ordem(qint64 cdcli = 1, const QString& info = QStringLiteral("GARANTIA DE 90 DIAS")) {
        cn.execute(QStringLiteral("insert into os_cab (dtos, cdcli, ossit, nmsol, fone, cdven, "
                                  "evcad, uev, infadicional) values ('2024-03-05', ?, '0', "
                                  "'JOÃO', '', 0, '', '', ?)"),
                   {db::integer(cdcli), db::text(info)});
        return cn.lastInsertId();
    }

    void cliente() {
        cn.execute(QStringLiteral(
            "insert into cliente (cdcli, nmcli, rua, nrcasa, bairro, cidade, uf, cpf) values "
            "(1, 'MARIA APARECIDA', 'AV. BRASIL', '200', 'JARDIM', 'CAMPINAS', 'SP', "
            "'52998224725')"));
    }

    void servico(qint64 osnr, const QString& id, const QString& ds, const QString& qt,
                 const QString& vu, const QString& pd) {
        cn.execute(QStringLiteral("insert into os_srv (osnr, idsrv, dssrv, un, qt, vu, pd) values "
                                  "(?, ?, ?, 'UN', ?, ?, ?)"),
                   {db::integer(osnr), db::text(id), db::text(ds), *Decimal::fromSql(qt),
                    *Decimal::fromSql(vu), *Decimal::fromSql(pd)});
    }

    void custo(qint64 osnr, const QString& tipo, qint64 cdcat, const QString& qtde,
               const QString& valor) {
        static int n = 0;
        cn.execute(QStringLiteral("insert into os_custos (idlan, osnr, tipo, qtde, valor, cdcat) "
                                  "values (?, ?, ?, ?, ?, ?)"),
                   {db::text(QStringLiteral("C%1").arg(++n)), db::integer(osnr), db::text(tipo),
                    *Decimal::fromSql(qtde), *Decimal::fromSql(valor), db::integer(cdcat)});
    }

    // A company, a client and an order with two lines.
    qint64 ordemCompleta() {
        empresa();
        cliente();
        const qint64 osnr = ordem();
        servico(osnr, QStringLiteral("20240305100000"), QStringLiteral("TROCA DE ÓLEO"),
                QStringLiteral("2"), QStringLiteral("10.125"), QStringLiteral("0"));
        servico(osnr, QStringLiteral("20240305100001"), QStringLiteral("ALINHAMENTO"),
                QStringLiteral("3"), QStringLiteral("100"), QStringLiteral("10"));
        return osnr;
    }

    QByteArray content() { return streamOf(readFile(shared::gArquivoPDF), 2); }

    db::Connection cn;
    testsupport::ScriptedDialogs dialogs;
};

TEST_F(OSDocuments, SimplifiedDocumentShowsTheStoredOrder) {
    const qint64 osnr = ordemCompleta();

    ASSERT_TRUE(ImprimeOSSimplificada(QString::number(osnr)));
    EXPECT_EQ(shared::gArquivoPDF, path(QStringLiteral("temp/OS_%1.pdf").arg(osnr)));
    // The writer keeps the portrait A4 in whole points.
    expectValid(shared::gArquivoPDF, {QStringLiteral("595 x 842")});
    const QString text = pdfText(shared::gArquivoPDF);
    for (const char* expected : {"SÃO JORGE",
                                 "RUA DAS FLORES, 10 - CENTRO",
                                 "(11) 5555-1234",
                                 "contato@saojorge.com.br",
                                 "SÃO PAULO/SP - CEP: 01001000",
                                 "OFICINA SÃO JORGE LTDA",
                                 "Cnpj: 12345678000195 IE: 110042490114",
                                 "MARIA APARECIDA",
                                 "AV. BRASIL, 200 - JARDIM",
                                 "CAMPINAS/SP",
                                 "Cnpj: 52998224725",
                                 "Orçamento: 00001",
                                 "Emissão: 05/03/2024",
                                 "Solicitante: JOÃO",
                                 "DESCRIÇÃO DOS SERVIÇOS",
                                 "UNID",
                                 "QTDE",
                                 "PREÇO",
                                 "TOTAL",
                                 "TROCA DE ÓLEO",
                                 "10,125",
                                 "20,25",
                                 "ALINHAMENTO",
                                 "100,00",
                                 "300,00",
                                 "SubTotal: 320,25",
                                 "Descontos: 30,00",
                                 "Total Líquido: 290,25",
                                 "GARANTIA DE 90 DIAS",
                                 "www.quendaro.com.br - 05/03/2024 14:07:09"})
        EXPECT_TRUE(text.simplified().contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                             << text.toStdString();
    EXPECT_LT(text.indexOf(QStringLiteral("TROCA")), text.indexOf(QStringLiteral("ALINHAMENTO")));
}

// The file matches the one checked by eye, with the clock fixed.
TEST_F(OSDocuments, SameBytesAsTheCheckedDocuments) {
    const qint64 osnr = ordemCompleta();
    cn.execute(QStringLiteral("insert into categorias (cdgrupo, dsgrupo) values (1, 'PEÇAS'), "
                              "(2, 'SERVIÇOS')"));
    custo(osnr, QStringLiteral("P"), 1, QStringLiteral("2"), QStringLiteral("15.50"));
    custo(osnr, QStringLiteral("S"), 2, QStringLiteral("1"), QStringLiteral("80"));
    QFile::copy(dataPath(QStringLiteral("fixtures/logo.jpg")), path(QStringLiteral("logo.jpg")));

    ASSERT_TRUE(ImprimeOSSimplificada(QString::number(osnr)));
    expectSameBytes(readFile(shared::gArquivoPDF),
                    dataPath(QStringLiteral("expected/os_simplificada.pdf")));
    ASSERT_TRUE(ImprimeOSDetalhada(QString::number(osnr)));
    expectSameBytes(readFile(shared::gArquivoPDF),
                    dataPath(QStringLiteral("expected/os_detalhada.pdf")));
}

// The digits as written name the file; the blanks around them do not.
TEST_F(OSDocuments, NumberAsWrittenNamesTheFile) {
    for (int i = 0; i < 7; ++i)
        ordem();
    ASSERT_TRUE(ImprimeOSSimplificada(QStringLiteral("001")));
    EXPECT_EQ(shared::gArquivoPDF, path(QStringLiteral("temp/OS_001.pdf")));
    EXPECT_TRUE(pdfText(shared::gArquivoPDF).contains(QStringLiteral("Orçamento: 00001")));
    ASSERT_TRUE(ImprimeOSDetalhada(QStringLiteral(" 7")));
    EXPECT_EQ(shared::gArquivoPDF, path(QStringLiteral("temp/OS_7.pdf")));
    EXPECT_TRUE(pdfText(shared::gArquivoPDF).contains(QStringLiteral("Orçamento: 00007")));
}

// Only digits make an order number: anything else writes nothing and leaves
// no earlier path for the print command to open.
TEST_F(OSDocuments, TextThatIsNoNumberWritesNothing) {
    ordem();
    for (const char* osnr :
         {"", " ", "abc", "7a", "7.5", "+7", "-7", "1 1", "1e1", "99999999999999999999"}) {
        for (auto imprime : {ImprimeOSSimplificada, ImprimeOSDetalhada}) {
            shared::gArquivoPDF = QStringLiteral("anterior.pdf");
            EXPECT_FALSE(imprime(QString::fromLatin1(osnr))) << osnr;
            EXPECT_TRUE(shared::gArquivoPDF.isEmpty()) << osnr;
        }
    }
    EXPECT_FALSE(QDir(path(QStringLiteral("temp"))).exists());
}

// Without lines the totals block sits right under the heading band.
TEST_F(OSDocuments, OrderWithoutLinesPlacesTheTotalsUnderTheBand) {
    ordem();
    ASSERT_TRUE(ImprimeOSSimplificada(QStringLiteral("1")));
    const QByteArray page = content();
    EXPECT_TRUE(page.contains(line(15, 152, 575, 152))) << page.toStdString();
    for (double top : {170.0, 182.0, 194.0})
        EXPECT_TRUE(page.contains(textAt(20, top, "/F"))) << top;
    EXPECT_TRUE(page.contains(line(365, 153, 365, 197)));
    EXPECT_TRUE(page.contains(line(15, 197, 575, 197)));
    EXPECT_TRUE(page.contains(textAt(20, 205, "/F")));
    const QString text = pdfText(shared::gArquivoPDF).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("SubTotal: 0,00 Descontos: 0,00 Total Líquido: 0,00")))
        << text.toStdString();
}

// No company row and a client that does not exist: the blocks keep their
// labels with empty values, and no logo is drawn.
TEST_F(OSDocuments, MissingRowsLeaveTheirBlocksEmpty) {
    ordem(99);
    ASSERT_TRUE(ImprimeOSSimplificada(QStringLiteral("1")));
    const QString text = pdfText(shared::gArquivoPDF);
    EXPECT_TRUE(text.simplified().contains(QStringLiteral("Cnpj: IE:")));
    EXPECT_TRUE(text.contains(QStringLiteral("Orçamento: 00001")));
    EXPECT_FALSE(content().contains("/ImgJPEG1 Do"));
    EXPECT_FALSE(content().contains("21.00 817.00 54.00 -54.00 re"));
}

TEST_F(OSDocuments, OrderThatDoesNotExistLeavesNoFile) {
    shared::gArquivoPDF = QStringLiteral("anterior.pdf");
    EXPECT_THROW(ImprimeOSSimplificada(QStringLiteral("42")), PDFError);
    EXPECT_TRUE(shared::gArquivoPDF.isEmpty());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("temp/OS_42.pdf"))));
}

TEST_F(OSDocuments, DetailedDocumentSumsCostsByTypeAndCategory) {
    const qint64 osnr = ordem();
    for (int i = 0; i < 3; ++i)
        servico(osnr, QStringLiteral("2024030510000%1").arg(i), QStringLiteral("S%1").arg(i),
                QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("0"));
    cn.execute(QStringLiteral("insert into categorias (cdgrupo, dsgrupo) values (1, 'TINTAS'), "
                              "(2, 'PINTOR')"));
    custo(osnr, QStringLiteral("S"), 2, QStringLiteral("2"), QStringLiteral("50"));
    custo(osnr, QStringLiteral("P"), 1, QStringLiteral("2"), QStringLiteral("12.5"));
    custo(osnr, QStringLiteral("P"), 1, QStringLiteral("1"), QStringLiteral("5"));

    ASSERT_TRUE(ImprimeOSDetalhada(QString::number(osnr)));
    expectQpdfClean(shared::gArquivoPDF);
    const QByteArray page = content();
    EXPECT_TRUE(page.contains(line(15, 206, 575, 206)));
    for (double top : {210.0, 220.0, 230.0})
        EXPECT_TRUE(page.contains(textAt(20, top, "/F"))) << top;
    EXPECT_TRUE(page.contains(line(15, 232, 575, 232)));
    const QString text = pdfText(shared::gArquivoPDF).simplified();
    for (const char* expected :
         {"CUSTOS POR CATEGORIA TIPO TOTAL", "TINTAS INSU R$ 30,00", "PINTOR M.OB R$ 100,00",
          "Insumos....: 30,00", "Mão de Obra: 100,00", "Custo Total: 130,00",
          "Total Líquido: 30,00"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << text.toStdString();
    EXPECT_LT(text.indexOf(QStringLiteral("TINTAS")), text.indexOf(QStringLiteral("PINTOR")));
}

// Only an exact "P" is a supply, and a category that does not exist prints
// an empty description.
TEST_F(OSDocuments, DetailedDocumentCountsOtherTypesAsLabour) {
    const qint64 osnr = ordem();
    custo(osnr, QStringLiteral("p"), 7, QStringLiteral("1"), QStringLiteral("40"));
    custo(osnr, QStringLiteral("P"), 7, QStringLiteral("1"), QStringLiteral("2"));
    ASSERT_TRUE(ImprimeOSDetalhada(QString::number(osnr)));
    const QString text = pdfText(shared::gArquivoPDF).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("Insumos....: 2,00"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Mão de Obra: 40,00")));
    EXPECT_TRUE(text.contains(QStringLiteral("INSU R$ 2,00")));
    EXPECT_TRUE(text.contains(QStringLiteral("M.OB R$ 40,00")));
}

// Without cost lines the section keeps its band and heading, and the totals
// come 30 points below the last service line.
TEST_F(OSDocuments, DetailedDocumentWithoutCosts) {
    const qint64 osnr = ordem();
    servico(osnr, QStringLiteral("20240305100000"), QStringLiteral("S"), QStringLiteral("1"),
            QStringLiteral("1"), QStringLiteral("0"));
    ASSERT_TRUE(ImprimeOSDetalhada(QString::number(osnr)));
    const QByteArray page = content();
    EXPECT_TRUE(page.contains(line(15, 186, 575, 186)));
    EXPECT_TRUE(page.contains(line(15, 192, 575, 192)));
    const QString text = pdfText(shared::gArquivoPDF).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("CUSTOS POR CATEGORIA")));
    EXPECT_TRUE(text.contains(QStringLiteral("Custo Total: 0,00")));
}

// An order of 70 lines continues on a second page that repeats the company,
// the order number and the services headings, not the client; the totals
// follow the last line, and each page is numbered.
TEST_F(OSDocuments, LongOrderContinuesOnASecondPage) {
    empresa();
    cliente();
    const qint64 osnr = ordem();
    for (int i = 1; i <= 70; ++i)
        servico(osnr, QStringLiteral("202403051%1").arg(i, 5, 10, QLatin1Char('0')),
                QStringLiteral("LINHA%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("1"),
                QStringLiteral("10"), QStringLiteral("0"));

    ASSERT_TRUE(ImprimeOSSimplificada(QString::number(osnr)));
    expectValid(shared::gArquivoPDF, QStringList(2, QStringLiteral("595 x 842")));
    const QList<Word> all = words(shared::gArquivoPDF);
    expectInsideThePages(all);
    for (int i = 1; i <= 70; ++i)
        EXPECT_EQ(pagesOf(all, QStringLiteral("LINHA%1").arg(i, 2, 10, QLatin1Char('0'))),
                  QList<int>{i <= 64 ? 1 : 2})
            << i;
    EXPECT_EQ(pagesOf(all, QStringLiteral("SubTotal:")), QList<int>{2});
    EXPECT_EQ(pagesOf(all, QStringLiteral("GARANTIA")), QList<int>{2});
    EXPECT_EQ(pagesOf(all, QStringLiteral("MARIA")), QList<int>{1});
    EXPECT_EQ(pagesOf(all, QStringLiteral("Orçamento:")), QList<int>({1, 2}));
    EXPECT_EQ(pagesOf(all, QStringLiteral("OFICINA")), QList<int>({1, 2}));
    EXPECT_EQ(pagesOf(all, QStringLiteral("DESCRIÇÃO")), QList<int>({1, 2}));
    const QString second = pageText(shared::gArquivoPDF, 2);
    EXPECT_TRUE(second.contains(QStringLiteral("SubTotal: 700,00 Descontos: 0,00 Total Líquido: "
                                               "700,00")))
        << second.toStdString();
    EXPECT_TRUE(pageText(shared::gArquivoPDF, 1).contains(QStringLiteral("Página 1 de 2")));
    EXPECT_TRUE(second.contains(QStringLiteral("Página 2 de 2")));
}

// The logo stands once in the file and is drawn from every page, inside its
// frame with its proportions kept: a wide or tall one centred in the 50 x 50
// box, a square one filling it.
TEST_F(OSDocuments, LogoIsOneImageDrawnInsideItsBox) {
    empresa();
    cliente();
    const qint64 osnr = ordem();
    for (int i = 1; i <= 140; ++i)
        servico(osnr, QStringLiteral("202403051%1").arg(i, 5, 10, QLatin1Char('0')),
                QStringLiteral("LINHA%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("1"),
                QStringLiteral("10"), QStringLiteral("0"));
    const QString arquivoDoLogo = path(QStringLiteral("logo.jpg"));
    auto logo = [&](int largura, int altura) {
        QImage imagem(largura, altura, QImage::Format_RGB32);
        imagem.fill(QColor(0, 100, 0));
        ASSERT_TRUE(imagem.save(arquivoDoLogo, "JPG"));
    };
    const QByteArray moldura = "21.00 817.00 54.00 -54.00 re";

    logo(300, 100);
    ASSERT_TRUE(ImprimeOSSimplificada(QString::number(osnr)));
    expectValid(shared::gArquivoPDF, QStringList(3, QStringLiteral("595 x 842")));
    const QByteArray file = readFile(shared::gArquivoPDF);
    EXPECT_EQ(file.count("/Subtype /Image"), 1);
    EXPECT_EQ(file.count(readFile(arquivoDoLogo)), 1);
    // 50 x 16.67, from y 27 + 16.67 to 27 + 33.33.
    EXPECT_EQ(file.count("q\r\n50.00 0 0 16.67 23.00 781.67 cm /ImgJPEG1 Do Q"), 3);
    EXPECT_EQ(file.count(moldura), 3);
    EXPECT_EQ(pagesOf(words(shared::gArquivoPDF), QStringLiteral("LINHA140")), QList<int>{3});
    const ProcessResult list =
        run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), shared::gArquivoPDF});
    EXPECT_EQ(list.out.count(" image     300   100  rgb     3   8  jpeg"), 3)
        << list.out.toStdString();
    // As a viewer shows the first page: white above and below the picture
    // inside the frame, the picture across the box's middle.
    const QImage pagina = firstPage(shared::gArquivoPDF);
    ASSERT_FALSE(pagina.isNull());
    for (const QPoint& branco : {QPoint(48, 35), QPoint(48, 68)})
        EXPECT_EQ(pagina.pixelColor(branco), QColor(Qt::white)) << branco.y();
    for (const QPoint& verde : {QPoint(25, 52), QPoint(48, 52), QPoint(71, 52)}) {
        EXPECT_LT(pagina.pixelColor(verde).red(), 60) << verde.x();
        EXPECT_GT(pagina.pixelColor(verde).green(), 70) << verde.x();
    }

    logo(100, 300);
    ASSERT_TRUE(ImprimeOSSimplificada(QString::number(osnr)));
    EXPECT_EQ(readFile(shared::gArquivoPDF).count("16.67 0 0 50.00 39.67 765.00 cm /ImgJPEG1 Do Q"),
              3);
    logo(120, 120);
    ASSERT_TRUE(ImprimeOSSimplificada(QString::number(osnr)));
    EXPECT_EQ(readFile(shared::gArquivoPDF).count("50.00 0 0 50.00 23.00 765.00 cm /ImgJPEG1 Do Q"),
              3);

    // A file that is no picture is reported once, and every frame stays empty.
    ASSERT_TRUE(dialogs.messages().empty());
    writeFile(arquivoDoLogo, QByteArray(100, 'x'));
    ASSERT_TRUE(ImprimeOSSimplificada(QString::number(osnr)));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].text.startsWith(QStringLiteral("Fichier image non JPEG.")));
    const QByteArray semLogo = readFile(shared::gArquivoPDF);
    EXPECT_EQ(semLogo.count(moldura), 3);
    EXPECT_EQ(semLogo.count("/ImgJPEG"), 0);
}

// Every header value at its column's size and amounts past their fields:
// a text is cut at a whole character inside its room, the phone and the
// e-mail are whole, every amount is whole and right-aligned on its field's
// edge, and no word lies over another or off the page.
TEST_F(OSDocuments, ValuesAtTheirColumnsSizeStayInTheirRoom) {
    auto cheio = [](const char* inicio, int tamanho) {
        const QString s = QString::fromUtf8(inicio);
        return s + QString(tamanho - s.size(), QLatin1Char('W'));
    };
    const QString fone = QStringLiteral("(11) 5555-1234 / (11) 99999-8888 / (11) 3333-");
    const QString email = QStringLiteral("atendimento.") + QString(176, QLatin1Char('m')) +
                          QStringLiteral("@oficina.com");
    ASSERT_EQ(fone.size(), 45);
    ASSERT_EQ(email.size(), 200);
    const QString fantasia = cheio("FANTASIA", 45), nome = cheio("NOME", 45),
                  rua = cheio("RUA", 45), cidade = cheio("CIDADE", 45),
                  cliente = cheio("CLIENTE", 45), endereco = cheio("AVENIDA", 45),
                  cidadeDoCliente = cheio("CAMPINAS", 30), solicitante = cheio("JOSE", 30);
    cn.execute(QStringLiteral("insert into empresa (cpf, rg, nmemp, nmfant, rua, bairro, cep, "
                              "cidade, uf, fone, email) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               {db::text(QStringLiteral("12345678000195")),
                db::text(QStringLiteral("11004249011499")), db::text(nome), db::text(fantasia),
                db::text(rua), db::text(cheio("BAIRRO", 30)), db::text(QStringLiteral("01001000")),
                db::text(cidade), db::text(QStringLiteral("SP")), db::text(fone), db::text(email)});
    cn.execute(QStringLiteral("insert into cliente (cdcli, nmcli, rua, nrcasa, bairro, cidade, uf, "
                              "cpf) values (1, ?, ?, ?, ?, ?, 'SP', ?)"),
               {db::text(cliente), db::text(endereco), db::text(QStringLiteral("1234567890")),
                db::text(cheio("JARDIM", 30)), db::text(cidadeDoCliente),
                db::text(QStringLiteral("12.345.678/0001-95 PR"))});
    const qint64 osnr = ordem();
    cn.execute(QStringLiteral("update os_cab set nmsol = ? where osnr = ?"),
               {db::text(solicitante), db::integer(osnr)});
    servico(osnr, QStringLiteral("20240305100000"), cheio("A", 65),
            QStringLiteral("12345678901.25"), QStringLiteral("0.0001"), QStringLiteral("0"));
    servico(osnr, QStringLiteral("20240305100001"), QStringLiteral("B"), QStringLiteral("0.1"),
            QStringLiteral("12345678901.2345"), QStringLiteral("10"));
    servico(osnr, QStringLiteral("20240305100002"), QStringLiteral("C"), QStringLiteral("1000"),
            QStringLiteral("1234567890.1234"), QStringLiteral("0"));
    servico(osnr, QStringLiteral("20240305100003"), QStringLiteral("REVISÃO 🚗"),
            QStringLiteral("0"), QStringLiteral("7"), QStringLiteral("0"));
    cn.execute(QStringLiteral("insert into categorias (cdgrupo, dsgrupo) values (1, ?), (2, ?)"),
               {db::text(cheio("PECAS", 20)), db::text(cheio("MAO DE OBRA", 20))});
    custo(osnr, QStringLiteral("P"), 1, QStringLiteral("1"), QStringLiteral("12345678.9"));
    custo(osnr, QStringLiteral("S"), 2, QStringLiteral("1000"), QStringLiteral("1234567.8912"));

    for (auto imprime : {ImprimeOSSimplificada, ImprimeOSDetalhada}) {
        ASSERT_TRUE(imprime(QString::number(osnr)));
        expectValid(shared::gArquivoPDF, {QStringLiteral("595 x 842")});
        const QList<Word> all = words(shared::gArquivoPDF);
        expectInsideThePages(all);
        expectApart(all);
        // Cut texts: a start of the value, whole words but the last.
        const struct {
            QString valor;
            double y, de, ate;
        } cortados[] = {
            {fantasia, 35, 0, 595},
            {rua + QStringLiteral(" - "), 45, 0, 341},
            {cidade + QStringLiteral("/SP - CEP: 01001000"), 55, 0, 341},
            {nome, 70, 0, 575},
            {cliente, 100, 15, 400},
            {endereco + QStringLiteral(", 1234567890 - "), 110, 15, 400},
            {cidadeDoCliente + QStringLiteral("/SP"), 120, 15, 400},
            {QStringLiteral("Solicitante: ") + solicitante, 120, 410, 570},
        };
        for (const auto& c : cortados) {
            const QString visto = lineAt(all, c.y, c.de, c.ate);
            EXPECT_GE(visto.size(), 8) << c.valor.toStdString();
            EXPECT_TRUE(c.valor.startsWith(visto)) << visto.toStdString();
        }
        EXPECT_EQ(lineAt(all, 80, 0, 575),
                  QStringLiteral("Cnpj: 12345678000195 IE: 11004249011499"));
        EXPECT_EQ(lineAt(all, 130, 15, 400), QStringLiteral("Cnpj: 12.345.678/0001-95 PR"));
        EXPECT_EQ(lineAt(all, 45, 345, 575), fone);
        EXPECT_EQ(lineAt(all, 55, 345, 575), email);

        // The amounts whole; those of the totals on the same right edge.
        const Word* subtotal = wordOf(all, QStringLiteral("1.235.803.692.581,41"));
        const Word* descontos = wordOf(all, QStringLiteral("123.456.789,01"));
        ASSERT_TRUE(subtotal && descontos);
        EXPECT_NEAR(subtotal->xMax, descontos->xMax, 0.5);
        EXPECT_GT(subtotal->xMin, wordOf(all, QStringLiteral("SubTotal:"))->xMax);
        EXPECT_TRUE(wordOf(all, QStringLiteral("1.235.680.235.792,40")));
        // Each service column's amounts, one past its field, on one edge.
        const std::pair<const char*, const char*> colunas[] = {
            {"12345678901,25", "0,1"},
            {"12345678901,2345", "0,0001"},
            {"1234567890123,40", "1234567890,12"},
            {"1234567890,12", "0,00"}}; // after an emoji, drawn as one "?"
        for (const auto& [longo, curto] : colunas) {
            const Word* a = wordOf(all, QLatin1String(longo));
            const Word* b = wordOf(all, QLatin1String(curto));
            ASSERT_TRUE(a && b) << longo;
            EXPECT_NEAR(a->xMax, b->xMax, 0.5) << longo;
        }
        const double totalDaLinha = wordOf(all, QStringLiteral("1234567890,12"))->xMax;
        if (imprime == ImprimeOSDetalhada) {
            // In the costs rows on the line totals' edge; in the costs summary
            // within its 27 characters, left of the box line.
            for (const char* valor : {"12.345.678,90", "1.234.567.891,20", "1.246.913.570,10"}) {
                QList<double> edges;
                for (const Word& w : all) {
                    if (w.text == QLatin1String(valor))
                        edges << w.xMax;
                }
                std::sort(edges.begin(), edges.end());
                ASSERT_EQ(edges.size(),
                          QLatin1String(valor) == QLatin1String("1.246.913.570,10") ? 1 : 2)
                    << valor;
                EXPECT_LT(edges.first(), 216) << valor;
                if (edges.size() == 2) {
                    EXPECT_NEAR(edges.last(), totalDaLinha, 0.5) << valor;
                }
            }
        }
    }
}

// A logo is checked once, before the page is drawn: a picture PDF readers
// draw whole is printed, any other (each kind is a row of the writer's own
// test) is reported once and leaves its frame empty. None stops the document.
TEST_F(OSDocuments, EveryLogoIsPrintedOrReportedOnce) {
    const qint64 osnr = ordemCompleta();
    const struct {
        const char* name;
        QByteArray bytes;
        const char* colours;
        QString message;
    } cases[] = {
        {"progressive", readFile(dataPath(QStringLiteral("fixtures/progressive.jpg"))), "rgb", {}},
        {"20000 x 20000", oversizedProgressive(), nullptr,
         QStringLiteral("Image JPEG non supportée : image trop grande.")},
    };
    const QString arquivoDoLogo = path(QStringLiteral("logo.jpg"));
    const QByteArray moldura = "21.00 817.00 54.00 -54.00 re";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(arquivoDoLogo, c.bytes);
        const std::size_t before = dialogs.messages().size();
        ASSERT_NO_THROW(ASSERT_TRUE(ImprimeOSSimplificada(QString::number(osnr))));
        expectValid(shared::gArquivoPDF, {QStringLiteral("595 x 842")});
        const QString text = pdfText(shared::gArquivoPDF).simplified();
        for (const char* expected : {"SÃO JORGE", "MARIA APARECIDA", "Total Líquido: 290,25"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
        const QByteArray file = readFile(shared::gArquivoPDF);
        EXPECT_EQ(file.count(moldura), 1);
        EXPECT_EQ(file.count("/Subtype /Image"), c.colours ? 1 : 0);
        const ProcessResult list =
            run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), shared::gArquivoPDF});
        EXPECT_EQ(list.out.count(" image "), c.colours ? 1 : 0) << list.out.toStdString();
        if (c.colours) {
            EXPECT_TRUE(list.out.contains(QByteArray(" ") + c.colours + " "));
        }
        // A viewer draws the page without a word about the picture.
        const ProcessResult drawn =
            run(QStringLiteral("pdftoppm"),
                {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"),
                 shared::gArquivoPDF, path(QStringLiteral("pagina"))});
        EXPECT_EQ(drawn.exitCode, 0);
        EXPECT_EQ(drawn.out, "");
        ASSERT_EQ(dialogs.messages().size(), before + (c.message.isEmpty() ? 0 : 1));
        if (!c.message.isEmpty()) {
            EXPECT_EQ(dialogs.messages().back().title,
                      QStringLiteral("Fichier Image - Quillane 4.0"));
            EXPECT_TRUE(dialogs.messages().back().text.startsWith(c.message))
                << dialogs.messages().back().text.toStdString();
            EXPECT_TRUE(dialogs.messages().back().text.endsWith(
                QStringLiteral("Impossible d'inclure l'image dans le fichier PDF.")));
        }
    }
}

// Many cost rows continue under the repeated costs headings; the totals and
// the costs summary come after the last row.
TEST_F(OSDocuments, DetailedDocumentWithManyCostsContinues) {
    const qint64 osnr = ordem();
    for (int i = 1; i <= 3; ++i)
        servico(osnr, QStringLiteral("2024030510000%1").arg(i), QStringLiteral("S%1").arg(i),
                QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("0"));
    for (int i = 1; i <= 80; ++i) {
        cn.execute(
            QStringLiteral("insert into categorias (cdgrupo, dsgrupo) values (?, ?)"),
            {db::integer(i), db::text(QStringLiteral("CAT%1").arg(i, 2, 10, QLatin1Char('0')))});
        custo(osnr, QStringLiteral("P"), i, QStringLiteral("1"), QStringLiteral("2"));
    }

    ASSERT_TRUE(ImprimeOSDetalhada(QString::number(osnr)));
    expectValid(shared::gArquivoPDF, QStringList(2, QStringLiteral("595 x 842")));
    const QList<Word> all = words(shared::gArquivoPDF);
    expectInsideThePages(all);
    // Three service rows from 160, the costs heading at 210, rows from 220
    // to 790 on the first page.
    for (int i = 1; i <= 80; ++i)
        EXPECT_EQ(pagesOf(all, QStringLiteral("CAT%1").arg(i, 2, 10, QLatin1Char('0'))),
                  QList<int>{i <= 58 ? 1 : 2})
            << i;
    EXPECT_EQ(pagesOf(all, QStringLiteral("CUSTOS")), QList<int>({1, 2}));
    const QString second = pageText(shared::gArquivoPDF, 2);
    for (const char* expected :
         {"Insumos....: 160,00", "Custo Total: 160,00", "Total Líquido: 30,00", "Página 2 de 2"})
        EXPECT_TRUE(second.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                  << second.toStdString();
}

// A note longer than the box is wrapped inside it, whole; a note typed on
// several lines keeps them, whichever line break the box stored, and goes on
// on the next page when the first one is full. No text run holds a line break.
TEST_F(OSDocuments, AdditionalInformationIsWrappedAndKeepsItsLines) {
    QStringList palavras;
    for (int i = 1; i <= 30; ++i)
        palavras << QStringLiteral("PALAVRA%1").arg(i, 2, 10, QLatin1Char('0'));
    const QString longa = palavras.join(QLatin1Char(' ')) + QStringLiteral("X");
    ASSERT_EQ(longa.size(), 300);
    ordem(1, longa);
    ASSERT_TRUE(ImprimeOSSimplificada(QStringLiteral("1")));
    expectValid(shared::gArquivoPDF, {QStringLiteral("595 x 842")});
    const QList<Word> all = words(shared::gArquivoPDF);
    expectInsideThePages(all);
    QList<double> lines;
    for (const QString& palavra : longa.split(QLatin1Char(' '))) {
        const Word* at = wordOf(all, palavra);
        ASSERT_TRUE(at) << palavra.toStdString();
        EXPECT_LE(at->xMax, 575);
        if (!lines.contains(at->yMin))
            lines << at->yMin;
    }
    EXPECT_EQ(lines.size(), 3);
    EXPECT_FALSE(pdfText(shared::gArquivoPDF).contains(QStringLiteral("Página")));

    // Portuguese capitals, and the same note in lower case, measured as they
    // are drawn: every word on the paper, in its order, inside the box rule.
    const QString portugues = QStringLiteral(
        "SUBSTITUIÇÃO DA VEDAÇÃO E INSPEÇÃO DA INSTALAÇÃO ELÉTRICA; VERIFICAÇÃO DA PRESSÃO, "
        "LUBRIFICAÇÃO DAS CONEXÕES E REGULAGEM DA VÁLVULA DE SEGURANÇA; LIMPEZA DO "
        "RESERVATÓRIO, TROCA DO CONDUTOR DE ALIMENTAÇÃO E MEDIÇÃO DA ISOLAÇÃO; GARANTIA DE "
        "NOVENTA DIAS EM PEÇAS E SERVIÇOS, SEGUNDO A LEGISLAÇÃO; ORIENTAÇÃO AO CLIENTE");
    ASSERT_EQ(portugues.size(), 316);
    for (const QString& nota : {portugues, portugues.toLower()}) {
        SCOPED_TRACE(nota.left(12).toStdString());
        cn.execute(QStringLiteral("update os_cab set infadicional = ? where osnr = 1"),
                   {db::text(nota)});
        ASSERT_TRUE(ImprimeOSSimplificada(QStringLiteral("1")));
        expectValid(shared::gArquivoPDF, {QStringLiteral("595 x 842")});
        const QList<Word> todas = words(shared::gArquivoPDF);
        expectInsideThePages(todas);
        // The note's words, from its first one on.
        const QStringList palavrasDaNota = nota.split(QLatin1Char(' '));
        const auto inicio = std::find_if(todas.begin(), todas.end(), [&](const Word& w) {
            return w.text == palavrasDaNota.first();
        });
        QStringList achadas;
        QList<double> linhas;
        for (auto w = inicio; w != todas.end() && w->yMax < 800; ++w) {
            achadas << w->text;
            EXPECT_GE(w->xMin, 15) << w->text.toStdString();
            EXPECT_LE(w->xMax, 575) << w->text.toStdString();
            if (!linhas.contains(w->yMin))
                linhas << w->yMin;
        }
        EXPECT_EQ(achadas, palavrasDaNota);
        EXPECT_GE(linhas.size(), 3);
    }

    for (const char* quebra : {"\r\n", "\r", "\n"}) {
        cn.execute(QStringLiteral("update os_cab set infadicional = ? where osnr = 1"),
                   {db::text(QStringLiteral("GARANTIA DE 90 DIAS") + QLatin1String(quebra) +
                             QStringLiteral("PECAS TROCADAS DEVOLVIDAS"))});
        ASSERT_TRUE(ImprimeOSSimplificada(QStringLiteral("1")));
        EXPECT_TRUE(pdfText(shared::gArquivoPDF)
                        .contains(QStringLiteral("GARANTIA DE 90 DIAS\nPECAS TROCADAS DEVOLVIDAS")))
            << pdfText(shared::gArquivoPDF).toStdString();
        EXPECT_TRUE(content().contains("(GARANTIA DE 90 DIAS) Tj"));
    }

    for (int i = 1; i <= 57; ++i)
        servico(1, QStringLiteral("202403051%1").arg(i, 5, 10, QLatin1Char('0')),
                QStringLiteral("S"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"));
    cn.execute(QStringLiteral("update os_cab set infadicional = ? where osnr = 1"),
               {db::text(QStringLiteral("NOTA1\r\nNOTA2\rNOTA3\nNOTA4\r\n\r\nNOTA6\r\n"))});
    ASSERT_TRUE(ImprimeOSSimplificada(QStringLiteral("1")));
    expectValid(shared::gArquivoPDF, QStringList(2, QStringLiteral("595 x 842")));
    const QList<Word> continued = words(shared::gArquivoPDF);
    expectInsideThePages(continued);
    for (const auto& [palavra, page] :
         {std::pair{"NOTA1", 1}, {"NOTA3", 1}, {"NOTA4", 2}, {"NOTA6", 2}})
        EXPECT_EQ(pagesOf(continued, QLatin1String(palavra)), QList<int>{page}) << palavra;
    const QByteArray file = readFile(shared::gArquivoPDF);
    static const QRegularExpression runWithBreak(
        QStringLiteral("\\([^)\\r\\n]*[\\r\\n][^)]*\\) Tj"));
    EXPECT_FALSE(runWithBreak.match(QString::fromLatin1(file)).hasMatch());
}

// Both documents print the order's figures as its windows and the report
// read them: exact sums rounded once, the costs summed whole.
TEST_F(OSDocuments, FiguresReadAsEverywhereElse) {
    empresa();
    cliente();
    for (const amountcases::Caso& c : amountcases::casos()) {
        SCOPED_TRACE(c.nome);
        const qint64 osnr = ordem();
        amountcases::grava(cn, osnr, c);
        QStringList totais = {QStringLiteral("SubTotal: ") + QString::fromUtf8(c.subtotal),
                              QStringLiteral("Descontos: ") + QString::fromUtf8(c.descontos),
                              QStringLiteral("Total Líquido: ") + QString::fromUtf8(c.total)};
        for (const char* linha : c.linhas)
            totais << QString::fromUtf8(linha);
        QStringList custos = {QStringLiteral("Insumos....: ") + QString::fromUtf8(c.insumos),
                              QStringLiteral("Mão de Obra: ") + QString::fromUtf8(c.maoDeObra),
                              QStringLiteral("Custo Total: ") + QString::fromUtf8(c.custoTotal)};
        for (const char* categoria : c.categorias)
            custos << QString::fromUtf8(categoria);
        for (const bool detalhado : {false, true}) {
            ASSERT_TRUE(
                (detalhado ? ImprimeOSDetalhada : ImprimeOSSimplificada)(QString::number(osnr)));
            const QStringList esperados = detalhado ? totais + custos : totais;
            const QString text = pdfText(shared::gArquivoPDF).simplified();
            for (const QString& esperado : esperados)
                EXPECT_TRUE(text.contains(esperado)) << esperado.toStdString() << "\n"
                                                     << text.toStdString();
        }
    }
}
