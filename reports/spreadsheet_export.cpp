#include "reports/spreadsheet_export.h"

#include "platform/cp1252.h"
#include "platform/files.h"
#include "reports/file_messages.h"
#include "reports/text_lines.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <array>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <locale.h>
#include <xlsxwriter.h>

namespace spreadsheet {

namespace {

constexpr int kSizedColumns = 26; // A to Z
// The built-in number format "@".
constexpr uint8_t kTextFormat = 49;
// The widest column a sheet takes is 255 characters once the library adds
// the cell padding (5 pixels of a 7-pixel digit).
constexpr double kMaxWidth = (255.0 * 7 - 5) / 7;

const QString kTooBig = QStringLiteral("--- ERRO --- O RELATÓRIO NÃO CABE EM UMA PLANILHA!");

// The library writes its numbers (column widths, margins) through the C
// library, which follows the locale: under pt_BR a width would read
// "20,71" and the sheet would not open. Numbers keep a point while it works.
class PointNumbers {
public:
    PointNumbers()
        : point_(newlocale(LC_NUMERIC_MASK, "C", duplocale(uselocale(nullptr)))),
          previous_(point_ != nullptr ? uselocale(point_) : nullptr) {}
    ~PointNumbers() {
        if (point_ == nullptr)
            return;
        uselocale(previous_);
        freelocale(point_);
    }
    PointNumbers(const PointNumbers&) = delete;
    PointNumbers& operator=(const PointNumbers&) = delete;

private:
    locale_t point_;
    locale_t previous_;
};

bool isHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// "_xHHHH_" at the start of `text`: how the format writes a character XML
// cannot hold.
bool startsLikeEscape(QByteArrayView text) {
    return text.size() >= 7 && text[0] == '_' && text[1] == 'x' && isHex(text[2]) &&
           isHex(text[3]) && isHex(text[4]) && isHex(text[5]) && text[6] == '_';
}

// Calls `cell(column, text)` for each part of the line between "|" that is
// not a rule ("==="), with the text without its outer blanks; the number of
// parts.
template <typename Cell> qsizetype forEachCell(QByteArrayView line, Cell&& cell) {
    qsizetype column = 0;
    for (qsizetype start = 0;; ++column) {
        const void* bar = std::memchr(line.data() + start, '|', line.size() - start);
        const qsizetype end =
            bar != nullptr ? static_cast<const char*>(bar) - line.data() : line.size();
        const QByteArrayView part = line.sliced(start, end - start);
        if (!part.startsWith("==="))
            cell(column, trimBlanks(part));
        if (bar == nullptr)
            return column + 1;
        start = end + 1;
    }
}

// The cell's text as the library takes it: UTF-8 ended by a NUL. The
// library writes what XML cannot hold as _xHHHH_ itself; an underscore that
// would read as such an escape is escaped here, and so is a NUL, which
// would end the text.
void cellText(QByteArrayView part, QByteArray& out) {
    out.resize(0);
    for (qsizetype i = 0; i < part.size(); ++i) {
        const auto byte = static_cast<unsigned char>(part[i]);
        if (byte == 0) {
            out += "_x0000_";
        } else if (byte == '_' && startsLikeEscape(part.sliced(i))) {
            out += "_x005F_";
        } else if (byte < 0x80) {
            out += static_cast<char>(byte);
        } else {
            const char16_t c = cp1252::charOf(byte).unicode();
            if (c < 0x800) {
                out += static_cast<char>(0xC0 | (c >> 6));
            } else {
                out += static_cast<char>(0xE0 | (c >> 12));
                out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            }
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
}

// First pass: the longest text of each column A to Z, or the error.
QString measure(LineReader& lines, std::array<qsizetype, kSizedColumns>& longest) {
    longest.fill(0);
    qint64 rows = 0;
    for (QByteArray line; lines.next(line);) {
        if (++rows > LXW_ROW_MAX)
            return kTooBig;
        if (line.isEmpty())
            continue;
        const qsizetype parts = forEachCell(line, [&](qsizetype column, QByteArrayView text) {
            if (column < kSizedColumns)
                longest[column] = std::max(longest[column], text.size());
        });
        if (parts > LXW_COL_MAX)
            return kTooBig;
    }
    return QString();
}

// Second pass: the rows, in order, as constant-memory mode needs them.
bool writeRows(LineReader& lines, lxw_worksheet* sheet, lxw_format* format) {
    lxw_row_t row = 0;
    QByteArray text;
    bool written = true;
    for (QByteArray line; written && lines.next(line); ++row) {
        if (line.isEmpty())
            continue;
        forEachCell(line, [&](qsizetype column, QByteArrayView part) {
            cellText(part, text);
            written = written && worksheet_write_string(sheet, row, static_cast<lxw_col_t>(column),
                                                        text.constData(), format) == LXW_NO_ERROR;
        });
    }
    return written;
}

} // namespace

QString workbookPath(const QString& chosen) {
    return QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".xlsx") : chosen;
}

QString exportReport(const QString& reportPath, const QString& workbookPath) {
    const QString readError = filemessages::naoLido(reportPath);
    const QString writeError = filemessages::naoGravado(workbookPath);
    QFile report(reportPath);
    if (!report.exists())
        return filemessages::inexistente(reportPath);
    if (!report.open(QIODevice::ReadOnly))
        return readError;
    std::array<qsizetype, kSizedColumns> longest{};
    {
        LineReader lines(report);
        const QString error = measure(lines, longest);
        if (!error.isEmpty())
            return error;
        if (lines.failed() || !report.seek(0))
            return readError;
    }

    // Written beside the workbook's name and put in its place once whole.
    QTemporaryFile part(QFileInfo(workbookPath).absolutePath() +
                        QStringLiteral("/.planilha-XXXXXX.xlsx"));
    if (!part.open())
        return writeError;
    part.close();
    const QByteArray partName = QFile::encodeName(part.fileName());
    const PointNumbers point;
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(partName.constData(), &options);
    if (book == nullptr)
        return writeError;
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Plan1");
    lxw_format* text = workbook_add_format(book);
    format_set_num_format_index(text, kTextFormat);
    for (int column = 0; column < kSizedColumns; ++column)
        if (longest[column] > 0)
            worksheet_set_column(sheet, column, column,
                                 std::min(static_cast<double>(longest[column]), kMaxWidth),
                                 nullptr);
    LineReader lines(report);
    const bool rows = writeRows(lines, sheet, text);
    const bool closed = workbook_close(book) == LXW_NO_ERROR;
    if (lines.failed())
        return readError;
    if (!rows)
        return kTooBig;
    if (!closed)
        return writeError;
    // The temporary file is the owner's alone; the workbook is as any file
    // the user saves.
    part.setPermissions(files::newFilePermissions());
    if (std::rename(partName.constData(), QFile::encodeName(workbookPath).constData()) != 0)
        return writeError;
    part.setAutoRemove(false);
    return QString();
}

} // namespace spreadsheet
