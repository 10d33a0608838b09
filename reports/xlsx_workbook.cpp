#include "reports/xlsx_workbook.h"

#include "reports/zip_writer.h"

#include <QRegularExpression>
#include <cmath>

namespace {

const QByteArray kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
const QByteArray kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const QByteArray kRelationships =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const QByteArray kPackageRelationships =
    "http://schemas.openxmlformats.org/package/2006/relationships";
// The standard font's widest digit, in pixels, and the cell padding.
constexpr double kDigitWidth = 7;
constexpr double kPadding = 5;
constexpr double kMaxWidth = 255;

bool xmlAllowed(char16_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD);
}

// Cell text as the format stores it: markup escaped, characters XML cannot
// hold written _xHHHH_, and an underscore that would read as such an
// escape escaped itself.
QByteArray cellText(const QString& value) {
    static const QRegularExpression escapeLike(QStringLiteral("^_x[0-9A-Fa-f]{4}_"));
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('_') && escapeLike.match(value.mid(i, 7)).hasMatch()) {
            out += QStringLiteral("_x005F_");
        } else if (c.isHighSurrogate() && i + 1 < value.size() &&
                   value.at(i + 1).isLowSurrogate()) {
            out += c;
            out += value.at(++i);
        } else if (!xmlAllowed(c.unicode()) || c.isSurrogate()) {
            out += QStringLiteral("_x%1_").arg(
                QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper());
        } else if (c == QLatin1Char('&')) {
            out += QStringLiteral("&amp;");
        } else if (c == QLatin1Char('<')) {
            out += QStringLiteral("&lt;");
        } else if (c == QLatin1Char('>')) {
            out += QStringLiteral("&gt;");
        } else {
            out += c;
        }
    }
    return out.toUtf8();
}

QByteArray contentTypes() {
    return kDeclaration +
           "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" "
           "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
           "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
           "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
           "<Override PartName=\"/xl/styles.xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
           "</Types>";
}

QByteArray relationship(const char* id, const char* type, const char* target) {
    return QByteArray("<Relationship Id=\"") + id + "\" Type=\"" + kRelationships + "/" + type +
           "\" Target=\"" + target + "\"/>";
}

QByteArray packageRels() {
    return kDeclaration + "<Relationships xmlns=\"" + kPackageRelationships + "\">" +
           relationship("rId1", "officeDocument", "xl/workbook.xml") + "</Relationships>";
}

QByteArray workbookRels() {
    return kDeclaration + "<Relationships xmlns=\"" + kPackageRelationships + "\">" +
           relationship("rId1", "worksheet", "worksheets/sheet1.xml") +
           relationship("rId2", "styles", "styles.xml") + "</Relationships>";
}

QByteArray workbook() {
    return kDeclaration + "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRelationships +
           "\"><sheets><sheet name=\"Plan1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
}

// Style 1 is the text format "@" (built-in number format 49).
QByteArray styles() {
    return kDeclaration + "<styleSheet xmlns=\"" + kMain +
           "\"><fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
           "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
           "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
           "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border>"
           "</borders><cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" "
           "borderId=\"0\"/></cellStyleXfs><cellXfs count=\"2\">"
           "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
           "<xf numFmtId=\"49\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
           "applyNumberFormat=\"1\"/></cellXfs><cellStyles count=\"1\">"
           "<cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles></styleSheet>";
}

} // namespace

QString XlsxWorkbook::columnName(int column) {
    QString name;
    for (int n = column; n > 0; n = (n - 1) / 26)
        name.prepend(QChar('A' + (n - 1) % 26));
    return name;
}

void XlsxWorkbook::setText(int row, int column, const QString& value) {
    rows_[row][column] = value;
}

void XlsxWorkbook::autoFit(int first, int last) {
    for (int column = first; column <= last; ++column) {
        qsizetype longest = 0;
        for (const auto& [row, cells] : rows_) {
            const auto cell = cells.find(column);
            if (cell != cells.end())
                longest = std::max(longest, cell->second.size());
        }
        if (longest == 0)
            continue;
        const double width =
            std::floor((longest * kDigitWidth + kPadding) / kDigitWidth * 256) / 256;
        widths_[column] = std::min(width, kMaxWidth);
    }
}

QByteArray XlsxWorkbook::sheetXml() const {
    QByteArray xml = kDeclaration + "<worksheet xmlns=\"" + kMain + "\">";
    if (!widths_.empty()) {
        xml += "<cols>";
        for (const auto& [column, width] : widths_)
            xml += "<col min=\"" + QByteArray::number(column) + "\" max=\"" +
                   QByteArray::number(column) + "\" width=\"" + QByteArray::number(width, 'f', 8) +
                   "\" bestFit=\"1\" customWidth=\"1\"/>";
        xml += "</cols>";
    }
    xml += "<sheetData>";
    for (const auto& [row, cells] : rows_) {
        const QByteArray r = QByteArray::number(row);
        xml += "<row r=\"" + r + "\">";
        for (const auto& [column, value] : cells) {
            const QByteArray ref = columnName(column).toLatin1() + r;
            if (value.isEmpty()) {
                xml += "<c r=\"" + ref + "\" s=\"1\"/>";
                continue;
            }
            const bool keepBlanks = value.front().isSpace() || value.back().isSpace();
            xml += "<c r=\"" + ref + "\" s=\"1\" t=\"inlineStr\"><is><t" +
                   (keepBlanks ? QByteArray(" xml:space=\"preserve\"") : QByteArray()) + ">" +
                   cellText(value) + "</t></is></c>";
        }
        xml += "</row>";
    }
    xml += "</sheetData></worksheet>";
    return xml;
}

QByteArray XlsxWorkbook::bytes(const QDateTime& moment) const {
    return zip::archive({{QStringLiteral("[Content_Types].xml"), contentTypes()},
                         {QStringLiteral("_rels/.rels"), packageRels()},
                         {QStringLiteral("xl/workbook.xml"), workbook()},
                         {QStringLiteral("xl/_rels/workbook.xml.rels"), workbookRels()},
                         {QStringLiteral("xl/styles.xml"), styles()},
                         {QStringLiteral("xl/worksheets/sheet1.xml"), sheetXml()}},
                        moment);
}
