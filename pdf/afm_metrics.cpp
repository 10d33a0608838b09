#include "pdf/afm_metrics.h"

#include "pdf/pdf_error.h"

#include <QFile>
#include <cmath>

namespace afm {

namespace {

// No glyph of a real font is a hundred times as wide as the font is high;
// a larger width is a damaged file, and would overflow the sums.
constexpr double kMaxWidth = 100000;

PDFError invalid(const QString& path) {
    return PDFError(PDFError::Kind::MissingMetrics,
                    QStringLiteral("Arquivo de métricas de fonte inválido: %1.").arg(path));
}

// The second blank-separated piece of a trimmed field ("C 32" gives "32").
QByteArray secondPiece(const QByteArray& field, const QString& path) {
    const QList<QByteArray> pieces = field.trimmed().split(' ');
    if (pieces.size() < 2)
        throw invalid(path);
    return pieces.at(1);
}

} // namespace

Widths readWidths(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PDFError(
            PDFError::Kind::MissingMetrics,
            QStringLiteral("Arquivo de métricas de fonte não encontrado: %1.").arg(path));
    Widths widths{};
    int firstCode = 0;
    int lastCode = 0;
    int previousCode = 0;
    bool started = false;
    bool ended = false;
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
            ended = true;
            break;
        }
        if (!started)
            continue;
        const QList<QByteArray> fields = line.split(';');
        if (fields.size() < 2)
            throw invalid(path);
        bool codeOk = false;
        bool widthOk = false;
        const int code = secondPiece(fields.at(0), path).toInt(&codeOk);
        const double width = secondPiece(fields.at(1), path).toDouble(&widthOk);
        if (!codeOk || !widthOk || code < 1 || code > 255 || !std::isfinite(width) || width < 0 ||
            width > kMaxWidth)
            throw invalid(path);
        if (firstCode == 0)
            firstCode = code;
        widths[static_cast<std::size_t>(code)] = static_cast<int>(width);
        previousCode = code;
    }
    if (!ended || file.error() != QFileDevice::NoError)
        throw invalid(path);
    for (int code = 0; code < 256; ++code) {
        if (code < firstCode || code > lastCode)
            widths[static_cast<std::size_t>(code)] = 0;
    }
    return widths;
}

} // namespace afm
