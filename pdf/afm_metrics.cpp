#include "pdf/afm_metrics.h"

#include "pdf/pdf_error.h"

#include <QFile>
#include <QFileInfo>

namespace afm {

namespace {

PDFError missing(const QString& text) {
    return PDFError(PDFError::Kind::MissingMetrics, text);
}

// The second blank-separated piece of a trimmed field ("C 32" gives "32").
QByteArray secondPiece(const QByteArray& field, const QString& path) {
    const QList<QByteArray> pieces = field.trimmed().split(' ');
    if (pieces.size() < 2)
        throw missing(QStringLiteral("Arquivo de métricas de fonte inválido: %1.").arg(path));
    return pieces.at(1);
}

} // namespace

Widths readWidths(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw missing(QStringLiteral("Arquivo de métricas de fonte não encontrado: %1.").arg(path));
    Widths widths{};
    int firstCode = 0;
    int lastCode = 0;
    int previousCode = 0;
    bool started = false;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.contains("StartCharMetrics")) {
            started = true;
            if (file.atEnd())
                break;
            line = file.readLine();
        }
        if (line.contains("-1 ;") || line.contains("EndCharMetrics")) {
            lastCode = previousCode;
            break;
        }
        if (!started)
            continue;
        const QList<QByteArray> fields = line.split(';');
        if (fields.size() < 2)
            throw missing(QStringLiteral("Arquivo de métricas de fonte inválido: %1.").arg(path));
        bool codeOk = false;
        bool widthOk = false;
        const int code = secondPiece(fields.at(0), path).toInt(&codeOk);
        const double width = secondPiece(fields.at(1), path).toDouble(&widthOk);
        if (!codeOk || !widthOk || code < 1 || code > 255)
            throw missing(QStringLiteral("Arquivo de métricas de fonte inválido: %1.").arg(path));
        if (firstCode == 0)
            firstCode = code;
        widths[static_cast<std::size_t>(code)] = static_cast<int>(width);
        previousCode = code;
    }
    for (int code = 0; code < 256; ++code) {
        if (code < firstCode || code > lastCode)
            widths[static_cast<std::size_t>(code)] = 0;
    }
    return widths;
}

const Widths& WidthCache::widths(const QString& path) {
    const QFileInfo info(path);
    Entry& entry = entries_[path];
    if (!info.exists() || entry.size != info.size() || entry.modified != info.lastModified()) {
        entry.widths = readWidths(path);
        entry.size = info.size();
        entry.modified = info.lastModified();
    }
    return entry.widths;
}

} // namespace afm
