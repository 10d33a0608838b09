#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

// The paged text report: a 9-line header on every page, at most 44 report
// lines, a 2-line footer, pages separated by a line holding a form feed.
// Windows-1252 bytes, lines ended by CR LF.
namespace reportfile {

inline constexpr int kRuleWidth = 151;
inline const QString kMakerAddress = QStringLiteral("www.quendaro.com.br");

// What a report form puts in the header, read afresh for every page.
struct HeaderSource {
    QString companyCpf;
    QString companyCaption;
    QString user;
    QString title;
    QString filter;
    QString party;
    QString columnTitles;
};

struct Paths {
    QString text;
    QString pdf;
};

// The text and PDF paths in the program's temp folder for a report whose
// file names start with `prefix` ("relcontas_", "relos_"), stamped yymmddhhmmss.
Paths paths(const QString& prefix, const QDateTime& moment);
// The paths of this second, or of the next second whose names no file has,
// so a report never replaces another printed in the same second.
Paths freePaths(const QString& prefix);

// The nine header lines of one page, stamped with `moment`.
QStringList pageHeader(const HeaderSource& source, const QDateTime& moment);

// The whole file: `header` is asked for each page's header lines.
QByteArray render(const QStringList& items, const std::function<QStringList()>& header);

// Writes `bytes` to `path`, creating its folder; the error text on failure.
QString write(const QString& path, const QByteArray& bytes);

} // namespace reportfile
