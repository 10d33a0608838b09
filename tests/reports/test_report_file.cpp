#include "reports/report_file.h"
#include "tests/reports/report_test_support.h"
#include "tests/support/file_size_limit.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>

using namespace reporttest;

namespace {

const QString kRule = QString(151, QLatin1Char('_'));

QStringList items(int count) {
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << QStringLiteral("linha %1").arg(i);
    return out;
}

// The file's lines, in Windows-1252 and CR LF as written.
QStringList fileLines(const QByteArray& bytes) {
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QStringList lines = cp1252::decode(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

QStringList header(int page) {
    QStringList h;
    for (int i = 1; i <= 9; ++i)
        h << QStringLiteral("h%1 p%2").arg(i).arg(page);
    return h;
}

} // namespace

TEST(ReportFile, PagesOf44LinesWithHeaderAndFooter) {
    struct Case {
        int items;
        int pages;
    };
    for (const Case c :
         {Case{0, 1}, Case{1, 1}, Case{44, 1}, Case{45, 2}, Case{88, 2}, Case{89, 3}}) {
        SCOPED_TRACE(c.items);
        int page = 0;
        const QStringList lines =
            fileLines(reportfile::render(items(c.items), [&page] { return header(++page); }));
        EXPECT_EQ(page, c.pages);
        // Full pages: 9 + 44 + 2 lines and the form feed; the last one: 56 lines.
        EXPECT_EQ(lines.size(), (c.pages - 1) * 56 + 56);
        for (int p = 0; p < c.pages; ++p) {
            const QStringList pageLines = lines.mid(p * 56, p + 1 < c.pages ? 55 : 56);
            EXPECT_EQ(pageLines.mid(0, 9), header(p + 1));
            const int onPage = std::min(44, c.items - p * 44);
            EXPECT_EQ(pageLines.mid(9, onPage), items(c.items).mid(p * 44, onPage));
            EXPECT_EQ(pageLines.at(pageLines.size() - 2), kRule);
            EXPECT_EQ(pageLines.last(), QStringLiteral("www.quendaro.com.br"));
            if (p + 1 < c.pages) {
                EXPECT_EQ(lines.at(p * 56 + 55), QString(QChar(12)));
            } else {
                // The last page fills up with 45 - n empty lines.
                EXPECT_EQ(pageLines.mid(9 + onPage, 45 - onPage),
                          QStringList(45 - onPage, QString()));
            }
        }
    }
}

TEST(ReportFile, HeaderLinesAndBytes) {
    reportfile::HeaderSource s;
    s.companyCpf = QStringLiteral("12.345.678/0001-95");
    s.companyCaption = QStringLiteral("OFICINA AÇO - (11) 5555-0000");
    s.user = QStringLiteral("CAIXA");
    s.title = QStringLiteral("Relatório de Contas");
    s.filter = QStringLiteral("Tipo: 0 - C.Receber Situação: 0 - Em AbertoPeríodo: 01/03/2025 "
                              "31/03/2025");
    s.party = QStringLiteral("Cliente: 17 JOSÉ");
    s.columnTitles = QStringLiteral("Dt.Vecto  |Vr Aberto");
    const QStringList h = reportfile::pageHeader(s, QDateTime(QDate(2025, 3, 7), QTime(4, 5, 9)));
    EXPECT_EQ(h,
              (QStringList{kRule, QStringLiteral("12.345.678/0001-95 OFICINA AÇO - (11) 5555-0000"),
                           QStringLiteral("CAIXA 07/03/2025 04:05:09"), s.title, s.filter, s.party,
                           QString(151, QLatin1Char('=')), s.columnTitles,
                           QString(151, QLatin1Char('='))}));
    const QByteArray bytes = reportfile::render({QStringLiteral("ó")}, [&h] { return h; });
    EXPECT_TRUE(bytes.contains("\r\n\xF3\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nRelat\xF3rio de Contas\r\n"));
}

TEST_F(FileTest, PathsInTheTempFolderAndWriting) {
    const reportfile::Paths p = reportfile::paths(QStringLiteral("relcontas_"),
                                                  QDateTime(QDate(2025, 3, 7), QTime(14, 5, 9)));
    EXPECT_EQ(p.text, path(QStringLiteral("temp/relcontas_250307140509.txt")));
    EXPECT_EQ(p.pdf, path(QStringLiteral("temp/relcontas_250307140509.pdf")));
    // The folder is created; a file of the same name is replaced.
    writeFile(path(QStringLiteral("x")), "x");
    EXPECT_EQ(reportfile::write(p.text, QByteArray(500, 'a')), QString());
    EXPECT_EQ(reportfile::write(p.text, "b\r\n"), QString());
    EXPECT_EQ(readFile(p.text), "b\r\n");
    // A folder that cannot be made is reported.
    EXPECT_FALSE(reportfile::write(path(QStringLiteral("x/rel.txt")), "b").isEmpty());
    // A disk that fills up: the system's reason, and no file.
    {
        const testsupport::FileSizeLimit full(100);
        EXPECT_EQ(reportfile::write(p.text, QByteArray(500, 'a')),
                  QStringLiteral("Não foi possível gravar %1: %2")
                      .arg(p.text, QString::fromLocal8Bit(std::strerror(EFBIG))));
    }
    EXPECT_FALSE(QFileInfo::exists(p.text));
}
