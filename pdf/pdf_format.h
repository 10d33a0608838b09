#pragma once

#include <QByteArray>
#include <QString>

// Text pieces of the PDF file. Everything here is independent of the process
// locale: the program runs under pt_BR, whose decimal separator is a comma.
namespace pdfformat {

// The value with exactly `decimals` decimals and a point, rounded half away
// from zero on its shortest decimal form; with 0 decimals the text ends with
// the point. A value that rounds to zero carries no minus sign.
QByteArray FormatDecimal(double value, int decimals);
// out += FormatDecimal(value, decimals), without the temporary.
void AppendDecimal(QByteArray& out, double value, int decimals);
// The value with at most two decimals and no trailing zeros ("842", "595.28").
QByteArray FormatShort(double value);
// "0" characters in front until the text is 10 characters long.
QByteArray ZeroPad10(const QByteArray& text);
// Nearest whole number, halves to the even neighbour.
int CInt(double value);
// buffer := buffer & line & CR LF.
void AppendLine(QByteArray& buffer, const QByteArray& line);
// A PDF literal string body: "\" doubled, "(" and ")" escaped.
QByteArray EscapeLiteral(const QByteArray& text);
// out += EscapeLiteral(text), without the temporary.
void AppendEscaped(QByteArray& out, const QByteArray& text);
// A text string as every reader shows it, delimiters included: a literal of
// its bytes where PDFDocEncoding reads each one as typed (printable ASCII
// and Latin-1 from 0xA1, the soft hyphen aside), else UTF-16BE with its
// byte-order mark, in hexadecimal; so also a text whose first bytes would
// read as a byte-order mark.
QByteArray TextString(const QString& text);
// Windows-1252 bytes of a text.
QByteArray Bytes(const QString& text);
// The text as a page draws it, one character a byte: a character the code
// page lacks, an emoji too, is one '?'.
QString AsDrawn(const QString& text);

} // namespace pdfformat
