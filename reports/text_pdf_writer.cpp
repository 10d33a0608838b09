#include "reports/text_pdf_writer.h"

#include "pdf/creation_clock.h"
#include "pdf/pdf_format.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "reports/file_messages.h"
#include "reports/text_lines.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr qsizetype kFlushSize = 32000;
constexpr int kPageNumberY = 25;
const QByteArray kProducer = "Zizo-ZUR v1.0";
// A long line is cut after the last of these in its second half.
const QByteArray kBreakChars = "*&^%$#,. ;<=>[])}!\"";

QByteArray number(qint64 n) {
    return QByteArray::number(n);
}

// Plain decimal notation with a point, no trailing zeros ("12", "9.6"). Font
// sizes are whole and leadings have one decimal, within what FormatShort keeps.
QByteArray plain(Decimal value) {
    return pdfformat::FormatShort(static_cast<double>(value.raw()) / Decimal::kScale);
}

// A literal string body: backslashes and parentheses escaped.
QByteArray literal(const QByteArray& text) {
    QByteArray out = TextPdfWriter::ReplaceText(text, "\\", "\\\\");
    out = TextPdfWriter::ReplaceText(out, "(", "\\(");
    return TextPdfWriter::ReplaceText(out, ")", "\\)");
}

// A PDF name's body: a blank, a delimiter, "#" and any byte outside the
// printable ASCII range written as "#" and two hexadecimal digits
// ("Courier New" is Courier#20New).
QByteArray pdfName(const QByteArray& name) {
    static const QByteArray kDelimiters = "()<>[]{}/%#";
    QByteArray out;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x21 || byte > 0x7E || kDelimiters.contains(c))
            out += '#' + QByteArray::number(byte, 16).toUpper().rightJustified(2, '0');
        else
            out += c;
    }
    return out;
}

QString writeFailure(const QString& path, const QString& reason) {
    return filemessages::naoGravado(path) + QLatin1Char('\n') + reason;
}

// How many characters of the text's width a line may hold per point size.
double widthFactor(const QString& fontName) {
    const QString name = fontName.toLower();
    if (name == QLatin1String("courier"))
        return 1.5;
    if (name == QLatin1String("arial"))
        return 2;
    return 2.2;
}

} // namespace

bool TextPdfWriter::FileExists(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

QByteArray TextPdfWriter::ReplaceText(const QByteArray& text, const QByteArray& toReplace,
                                      const QByteArray& newText) {
    if (toReplace.isEmpty())
        return text;
    QByteArray out;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(toReplace); at >= 0; at = text.indexOf(toReplace, from)) {
        out += text.mid(from, at - from);
        out += newText;
        from = at + toReplace.size();
    }
    out += text.mid(from);
    return out;
}

bool TextPdfWriter::ConvertToPDF(const QString& filename, const QString& outputfile,
                                 const PdfInfo& info, const QString& fontName, int fontSize,
                                 int rotation, float pwidth, float pheight) {
    if (!FileExists(filename)) {
        dlg::inform(filemessages::inexistente(filename));
        return false;
    }
    // The output is emptied before the input is read.
    const QString canonical = QFileInfo(outputfile).canonicalFilePath();
    if (!canonical.isEmpty() && canonical == QFileInfo(filename).canonicalFilePath()) {
        dlg::inform(QStringLiteral("--- ERRO --- O ARQUIVO DE SAÍDA NÃO PODE SER O DE ENTRADA!"));
        return false;
    }
    if (fontSize <= 0 || pwidth <= 0 || pheight <= 0) {
        dlg::inform(QStringLiteral("--- ERRO --- TAMANHO DE PÁGINA OU DE FONTE INVÁLIDO!"));
        return false;
    }
    QFile old(outputfile);
    if (FileExists(outputfile) && !old.remove()) {
        dlg::inform(writeFailure(outputfile, old.errorString()));
        return false;
    }
    setuppage(fontName, fontSize, rotation, pwidth, pheight);
    info_ = info;
    input_ = filename;
    output_ = outputfile;
    // The writer only appends: the file starts empty.
    writeError_ = files::write(output_, QIODevice::WriteOnly | QIODevice::Truncate, {});

    writeheader();
    writeobjects();
    writebody();
    endpdf();
    if (writeError_.isEmpty() && readError_.isEmpty())
        return true;
    // Half a PDF is never left behind as if it were the report.
    QFile::remove(output_);
    dlg::inform(readError_.isEmpty()
                    ? writeFailure(output_, writeError_)
                    : filemessages::naoLido(input_) + QLatin1Char('\n') + readError_);
    return false;
}

void TextPdfWriter::setuppage(const QString& fontName, int fontSize, int rotation, float pwidth,
                              float pheight) {
    pageHeight_ = pdfformat::CInt(static_cast<double>(pheight) * 72);
    pageWidth_ = pdfformat::CInt(static_cast<double>(pwidth) * 72);
    fontSize_ = Decimal::fromInt(fontSize);
    leading_ = fontSize_ * *Decimal::fromSql(QStringLiteral("1.2"));
    rotation_ = rotation;
    fontName_ = pdfName(cp1252::encode(fontName));
    linesPerPage_ =
        pdfformat::CInt(static_cast<double>(pageHeight_ - 72) * Decimal::kScale / leading_.raw());
    charsPerLine_ = pdfformat::CInt(pageWidth_ * widthFactor(fontName) / fontSize);
    pageNumberX_ = pageWidth_ / 2.0;
    objectCounter_ = 0;
    position_ = 0;
    offsets_.assign(1, 0);
    pageObjects_.clear();
    lineCounter_ = 0;
    buffer_.clear();
    writeError_.clear();
    readError_.clear();
}

void TextPdfWriter::writebuffer(const QByteArray& text, bool flush) {
    append(text + '\r', flush);
}

void TextPdfWriter::append(const QByteArray& bytes, bool flush) {
    position_ += bytes.size();
    buffer_ += bytes;
    if (buffer_.size() <= kFlushSize && !flush)
        return;
    const QString error = files::write(output_, QIODevice::Append, buffer_);
    if (writeError_.isEmpty())
        writeError_ = error;
    buffer_.clear();
}

int TextPdfWriter::newObject() {
    ++objectCounter_;
    offsets_.resize(objectCounter_ + 1, 0);
    offsets_[objectCounter_] = position_;
    return objectCounter_;
}

void TextPdfWriter::writeheader() {
    writebuffer("%PDF-1.2");
    writebuffer("%\xE2\xE3\xCF\xD3");
}

void TextPdfWriter::writeobjects() {
    const int infoObject = newObject();
    writebuffer(number(infoObject) + " 0 obj");
    writebuffer("<<");
    writebuffer("/Author " + pdfformat::TextString(info_.author));
    writebuffer("/CreationDate (" + pdfclock::date() + ")");
    writebuffer("/Creator " + pdfformat::TextString(info_.creator));
    writebuffer("/Producer (" + kProducer + ")");
    writebuffer("/Title " + pdfformat::TextString(info_.title));
    writebuffer("/Subject " + pdfformat::TextString(info_.subject));
    writebuffer("/Keywords " + pdfformat::TextString(info_.keywords));
    writebuffer(">>");
    writebuffer("endobj");
    // The catalog and the pages tree are written at the end.
    objectCounter_ += 2;
    offsets_.resize(objectCounter_ + 1, 0);

    const int font = newObject();
    writebuffer(number(font) + " 0 obj");
    writebuffer("<<");
    writebuffer("/Type /Font");
    writebuffer("/Subtype /Type1");
    writebuffer("/Name /F1");
    writebuffer("/Encoding 5 0 R");
    writebuffer("/BaseFont /" + fontName_);
    writebuffer(">>");
    writebuffer("endobj");

    const int encoding = newObject();
    writebuffer(number(encoding) + " 0 obj");
    writebuffer("<<");
    writebuffer("/Type /Encoding");
    writebuffer("/BaseEncoding /WinAnsiEncoding");
    writebuffer(">>");
    writebuffer("endobj");

    const int resources = newObject();
    writebuffer(number(resources) + " 0 obj");
    writebuffer("<<");
    writebuffer("  /Font << /F1 4 0 R >>");
    writebuffer("  /ProcSet [ /PDF /Text ]");
    writebuffer(">>");
    writebuffer("endobj");
}

qint64 TextPdfWriter::startpage() {
    const int page = newObject();
    pageObjects_.push_back(page);
    writebuffer(number(page) + " 0 obj");
    writebuffer("<<");
    writebuffer("/Type /Page");
    writebuffer("/Parent 3 0 R");
    writebuffer("/Resources 6 0 R");
    writebuffer("/Contents " + number(page + 1) + " 0 R");
    writebuffer("/Rotate " + number(rotation_));
    writebuffer(">>");
    writebuffer("endobj");

    const int contents = newObject();
    writebuffer(number(contents) + " 0 obj");
    writebuffer("<<");
    writebuffer("/Length " + number(contents + 1) + " 0 R");
    writebuffer(">>");
    // The format wants CR LF, not a CR alone, between "stream" and the data.
    append("stream\r\n");
    const qint64 streamstart = position_;
    writebuffer("BT");
    writebuffer("/F1 " + plain(fontSize_) + " Tf");
    writebuffer("1 0 0 1 50 " + number(pageHeight_ - 40) + " Tm");
    writebuffer(plain(leading_) + " TL");
    return streamstart;
}

void TextPdfWriter::pagefoot() {
    writebuffer("1 0 0 1 " + pdfformat::FormatShort(pageNumberX_) + " " + number(kPageNumberY) +
                " Tm");
    writebuffer("(" + number(static_cast<qint64>(pageObjects_.size())) + ") Tj");
    writebuffer("/F1 " + plain(fontSize_) + " Tf");
}

void TextPdfWriter::endpage(qint64 streamstart) {
    writebuffer("ET");
    const qint64 streamend = position_;
    writebuffer("endstream");
    writebuffer("endobj");
    const int length = newObject();
    writebuffer(number(length) + " 0 obj");
    writebuffer(number(streamend - streamstart));
    writebuffer("endobj");
    lineCounter_ = 0;
}

void TextPdfWriter::textline(const QByteArray& piece) {
    writebuffer("T* (" + literal(piece) + "\r\n) Tj");
}

void TextPdfWriter::newPageIfFull(bool formFeed) {
    if (lineCounter_ < linesPerPage_ && !formFeed)
        return;
    pagefoot();
    endpage(streamStart_);
    streamStart_ = startpage();
}

void TextPdfWriter::writebody() {
    QFile file(input_);
    if (!file.open(QIODevice::ReadOnly)) {
        readError_ = file.errorString();
        return;
    }
    streamStart_ = startpage();
    lineCounter_ = -1;
    LineReader lines(file);
    for (QByteArray line; lines.next(line);) {
        ++lineCounter_;
        newPageIfFull(line.contains('\f'));
        // Cut before escaping, so an escape neither widens a line nor splits.
        QByteArray rest = trimBlanks(line).toByteArray();
        if (rest.size() <= charsPerLine_) {
            textline(rest);
            continue;
        }
        while (rest.size() > charsPerLine_) {
            QByteArray piece = rest.left(charsPerLine_);
            for (qsizetype i = piece.size() - 1; i >= piece.size() / 2 - 1 && i >= 0; --i) {
                if (kBreakChars.contains(piece.at(i))) {
                    piece.truncate(i + 1);
                    break;
                }
            }
            rest.remove(0, piece.size());
            textline(piece);
            ++lineCounter_;
            newPageIfFull(rest.contains('\f'));
        }
        ++lineCounter_;
        textline(rest);
    }
    if (lines.failed())
        readError_ = file.errorString();
    pagefoot();
    endpage(streamStart_);
}

void TextPdfWriter::endpdf() {
    offsets_[2] = position_;
    writebuffer("2 0 obj");
    writebuffer("<<");
    writebuffer("/Type /Catalog");
    writebuffer("/Pages 3 0 R");
    writebuffer(">>");
    writebuffer("endobj");

    offsets_[3] = position_;
    writebuffer("3 0 obj");
    writebuffer("<<");
    writebuffer("/Type /Pages");
    writebuffer("/Count " + number(static_cast<qint64>(pageObjects_.size())));
    writebuffer("/MediaBox [ 0 0 " + number(pageWidth_) + " " + number(pageHeight_) + " ]");
    QByteArray kids = "/Kids [ ";
    for (int page : pageObjects_)
        kids += number(page) + " 0 R ";
    writebuffer(kids + "]");
    writebuffer(">>");
    writebuffer("endobj");

    const qint64 xref = position_;
    writebuffer("xref");
    writebuffer("0 " + number(objectCounter_ + 1));
    writebuffer("0000000000 65535 f ");
    for (int object = 1; object <= objectCounter_; ++object)
        writebuffer(pdfformat::ZeroPad10(number(offsets_[object])) + " 00000 n ");
    writebuffer("trailer");
    writebuffer("<<");
    writebuffer("/Size " + number(objectCounter_ + 1));
    writebuffer("/Root 2 0 R");
    writebuffer("/Info 1 0 R");
    writebuffer(">>");
    writebuffer("startxref");
    writebuffer(number(xref));
    writebuffer("%%EOF", true);
}
