#include "reports/report_file.h"

#include "platform/cp1252.h"
#include "platform/dates.h"
#include "platform/files.h"
#include "platform/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace reportfile {

namespace {

constexpr int kFirstLine = 10; // the header fills lines 1 to 9
constexpr int kPageEnd = 54;   // a report line from here on opens a new page

void add(QByteArray& out, const QString& line) {
    out += cp1252::encode(line);
    out += "\r\n";
}

void footer(QByteArray& out) {
    add(out, QString(kRuleWidth, QLatin1Char('_')));
    add(out, kMakerAddress);
}

} // namespace

Paths paths(const QString& prefix, const QDateTime& moment) {
    const QString base = programfolder::file(QStringLiteral("temp")) + QLatin1Char('/') + prefix +
                         dates::keyStamp(moment);
    return {base + QStringLiteral(".txt"), base + QStringLiteral(".pdf")};
}

Paths freePaths(const QString& prefix) {
    for (;;) {
        const QDateTime now = QDateTime::currentDateTime();
        const Paths free = paths(prefix, now);
        if (!QFileInfo::exists(free.text) && !QFileInfo::exists(free.pdf))
            return free;
        dates::waitForNextSecond(now);
    }
}

QStringList pageHeader(const HeaderSource& s, const QDateTime& moment) {
    const QString stamp = dates::stampBr(moment);
    return {QString(kRuleWidth, QLatin1Char('_')),
            s.companyCpf + QLatin1Char(' ') + s.companyCaption,
            s.user + QLatin1Char(' ') + stamp,
            s.title,
            s.filter,
            s.party,
            QString(kRuleWidth, QLatin1Char('=')),
            s.columnTitles,
            QString(kRuleWidth, QLatin1Char('='))};
}

QByteArray render(const QStringList& items, const std::function<QStringList()>& header) {
    QByteArray out;
    auto writeHeader = [&] {
        for (const QString& line : header())
            add(out, line);
    };
    writeHeader();
    int counter = kFirstLine;
    for (const QString& item : items) {
        if (counter >= kPageEnd) {
            footer(out);
            add(out, QString(QChar(12)));
            writeHeader();
            counter = kFirstLine;
        }
        add(out, item);
        ++counter;
    }
    for (; counter <= kPageEnd; ++counter)
        add(out, QString());
    footer(out);
    return out;
}

QString write(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return QStringLiteral("Não foi possível criar a pasta %1.").arg(info.absolutePath());
    const QString error = files::write(path, QIODevice::WriteOnly | QIODevice::Truncate, bytes);
    if (error.isEmpty())
        return QString();
    QFile::remove(path);
    return QStringLiteral("Não foi possível gravar %1: %2").arg(path, error);
}

} // namespace reportfile
