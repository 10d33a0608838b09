#include "reports/spreadsheet_export.h"
#include "tests/reports/report_test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <sys/stat.h>

using namespace reporttest;

namespace {

// One entry of the workbook, read back with the system's unzip.
QByteArray entry(const QString& workbook, const QString& name) {
    return pdftest::run(QStringLiteral("unzip"), {QStringLiteral("-p"), workbook, name}).out;
}

class Workbook : public FileTest {
protected:
    // Exports the lines; the sheet's XML.
    QByteArray exportLines(const QByteArray& report) {
        writeFile(text, report);
        EXPECT_EQ(spreadsheet::exportReport(text, book), QString());
        const pdftest::ProcessResult test =
            pdftest::run(QStringLiteral("unzip"), {QStringLiteral("-t"), book});
        EXPECT_EQ(test.exitCode, 0) << test.out.toStdString();
        return entry(book, QStringLiteral("xl/worksheets/sheet1.xml"));
    }
    // The cells of the sheet, "A1=text" in order; "A1" alone for an empty text cell.
    QStringList cells(const QByteArray& sheet) {
        static const QRegularExpression cell(
            QStringLiteral("<c r=\"([A-Z]+\\d+)\" s=\"1\"(?:/>| t=\"inlineStr\"><is><t[^>]*>(.*?)"
                           "</t></is></c>)"));
        QStringList out;
        for (auto it = cell.globalMatch(QString::fromUtf8(sheet)); it.hasNext();) {
            const auto m = it.next();
            out << (m.captured(2).isNull() ? m.captured(1) : m.captured(1) + "=" + m.captured(2));
        }
        return out;
    }

    QString text = path(QStringLiteral("relos_250307140509.txt"));
    QString book = path(QStringLiteral("planilha.xlsx"));
};

} // namespace

TEST_F(Workbook, ReportPartsBecomeTextCells) {
    const QByteArray sheet = exportLines(
        crlfLines({QStringLiteral(" 12 | 05/03/2024 |   1.234,50  "),
                   QString(151, QLatin1Char('=')), QString(), QStringLiteral("Total: R$ 10,00"),
                   QStringLiteral("a||b|=== x|"), QStringLiteral("Ação € & <cia> _x0041_")}));
    EXPECT_EQ(cells(sheet),
              (QStringList{QStringLiteral("A1=12"), QStringLiteral("B1=05/03/2024"),
                           QStringLiteral("C1=1.234,50"), QStringLiteral("A4=Total: R$ 10,00"),
                           QStringLiteral("A5=a"), QStringLiteral("B5"), QStringLiteral("C5=b"),
                           QStringLiteral("E5"),
                           QStringLiteral("A6=Ação € &amp; &lt;cia&gt; _x005F_x0041_")}));
    // Rule lines give one empty cell; the empty line leaves its row empty.
    EXPECT_FALSE(sheet.contains("<row r=\"2\""));
    EXPECT_FALSE(sheet.contains("<row r=\"3\""));
    // Every cell holds text (number format "@": built-in format 49).
    EXPECT_TRUE(entry(book, QStringLiteral("xl/styles.xml"))
                    .contains("<xf numFmtId=\"49\" fontId=\"0\" fillId=\"0\" borderId=\"0\" "
                              "xfId=\"0\" applyNumberFormat=\"1\"/>"));
    // Columns sized to their longest text: the last line in A, "05/03/2024" in B.
    EXPECT_TRUE(sheet.contains("<col min=\"1\" max=\"1\" width=\"22.7109375\""))
        << sheet.toStdString();
    EXPECT_TRUE(sheet.contains("<col min=\"2\" max=\"2\" width=\"10.7109375\""));
    EXPECT_FALSE(sheet.contains("<col min=\"4\""));
    // The entries are compressed.
    const QString listing =
        QString::fromUtf8(pdftest::run(QStringLiteral("unzip"), {QStringLiteral("-v"), book}).out);
    EXPECT_GE(listing.count(QStringLiteral(" Defl:")), 6) << listing.toStdString();
    EXPECT_FALSE(listing.contains(QStringLiteral(" Stored ")));
}

TEST_F(Workbook, FormFeedLongLinesAndColumnsBeyondZ) {
    QStringList wide;
    for (int i = 1; i <= 30; ++i)
        wide << QString::number(i);
    const QByteArray sheet = exportLines(crlfLines(
        {QString(QChar(12)), wide.join(QLatin1Char('|')), QString(300, QLatin1Char('x'))}));
    EXPECT_TRUE(cells(sheet).startsWith(QStringLiteral("A1=_x000C_"))) << sheet.toStdString();
    EXPECT_TRUE(sheet.contains("<c r=\"AD2\" s=\"1\" t=\"inlineStr\"><is><t>30</t>"));
    EXPECT_TRUE(sheet.contains(QByteArray("<c r=\"A3\" s=\"1\" t=\"inlineStr\"><is><t>") +
                               QByteArray(300, 'x') + "</t>"));
    // Only A to Z are sized, none wider than a sheet allows.
    EXPECT_TRUE(sheet.contains("<col min=\"1\" max=\"1\" width=\"255\""));
    EXPECT_TRUE(sheet.contains("<col min=\"26\""));
    EXPECT_FALSE(sheet.contains("<col min=\"27\""));
}

TEST_F(Workbook, NamesAndFailures) {
    EXPECT_EQ(spreadsheet::workbookPath(QStringLiteral("/tmp/rel")),
              QStringLiteral("/tmp/rel.xlsx"));
    EXPECT_EQ(spreadsheet::workbookPath(QStringLiteral("/tmp/rel.xlsx")),
              QStringLiteral("/tmp/rel.xlsx"));
    EXPECT_EQ(spreadsheet::exportReport(path(QStringLiteral("nada.txt")), book),
              QStringLiteral("--- ERRO --- ARQUIVO '") + path(QStringLiteral("nada.txt")) +
                  QStringLiteral("' NÃO EXISTE!"));
    writeFile(text, "a|b\r\n");
    const QString missingFolder = path(QStringLiteral("falta/x.xlsx"));
    EXPECT_EQ(spreadsheet::exportReport(text, missingFolder),
              QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL GRAVAR O ARQUIVO '") + missingFolder +
                  QStringLiteral("'!"));
    // A failed export leaves no half-written workbook behind.
    writeFile(book, "velho");
    writeFile(text, QByteArray(40000, 'x') + "\r\n");
    EXPECT_EQ(spreadsheet::exportReport(text, book),
              QStringLiteral("--- ERRO --- O RELATÓRIO NÃO CABE EM UMA PLANILHA!"));
    EXPECT_EQ(readFile(book), QByteArray("velho"));
    EXPECT_EQ(
        QDir(path(QStringLiteral("."))).entryList(QDir::Hidden | QDir::Files).filter("planilha"),
        QStringList{QStringLiteral("planilha.xlsx")});
}

TEST_F(Workbook, CreatedWithThePermissionsTheUmaskGives) {
    struct Case {
        mode_t umask;
        QFileDevice::Permissions expected;
    };
    const QFileDevice::Permissions owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadUser | QFileDevice::WriteUser;
    const mode_t previous = ::umask(0);
    for (const Case& c :
         {Case{077, owner}, Case{022, owner | QFileDevice::ReadGroup | QFileDevice::ReadOther},
          Case{002, owner | QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                        QFileDevice::ReadOther}}) {
        SCOPED_TRACE(c.umask);
        ::umask(c.umask);
        QFile::remove(book);
        exportLines("a|b\r\n");
        EXPECT_EQ(QFileInfo(book).permissions(), c.expected);
    }
    ::umask(previous);
}
