#include "pdf/afm_metrics.h"

#include "pdf/pdf_error.h"
#include "pdf/win_ansi_glyphs.h"

#include <QFile>
#include <QHash>
#include <algorithm>
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
QByteArrayView secondPiece(QByteArrayView field, const QString& path) {
    field = field.trimmed();
    const qsizetype blank = field.indexOf(' ');
    if (blank < 0)
        throw invalid(path);
    const QByteArrayView rest = field.sliced(blank + 1);
    const qsizetype end = rest.indexOf(' ');
    return end < 0 ? rest : rest.first(end);
}

struct Metrics {
    QHash<QByteArray, int> byName;
    std::array<QByteArray, 256> nameOfCode; // the glyphs the font encodes itself
    bool fontSpecific = false;
    int widest = 0;
};

// One metric line: "C code ; WX width ; N name ; ...".
void addMetric(QByteArrayView line, Metrics& metrics, const QString& path) {
    const qsizetype first = line.indexOf(';');
    if (first < 0)
        throw invalid(path);
    const qsizetype second = line.indexOf(';', first + 1);
    const QByteArrayView widthField =
        line.sliced(first + 1, (second < 0 ? line.size() : second) - first - 1);
    bool codeOk = false;
    bool widthOk = false;
    const int code = secondPiece(line.first(first), path).toInt(&codeOk);
    const double width = secondPiece(widthField, path).toDouble(&widthOk);
    QByteArrayView name;
    for (qsizetype at = second; at >= 0 && name.isEmpty();) {
        const qsizetype next = line.indexOf(';', at + 1);
        const QByteArrayView field =
            line.sliced(at + 1, (next < 0 ? line.size() : next) - at - 1).trimmed();
        if (field.startsWith("N "))
            name = field.sliced(2).trimmed();
        at = next;
    }
    if (!codeOk || !widthOk || (code != -1 && (code < 1 || code > 255)) || !std::isfinite(width) ||
        width < 0 || width > kMaxWidth || name.isEmpty())
        throw invalid(path);
    const int whole = static_cast<int>(width);
    const QByteArray glyph = name.toByteArray();
    if (!metrics.byName.contains(glyph))
        metrics.byName.insert(glyph, whole);
    if (code > 0 && metrics.nameOfCode[static_cast<std::size_t>(code)].isEmpty())
        metrics.nameOfCode[static_cast<std::size_t>(code)] = glyph;
    metrics.widest = std::max(metrics.widest, whole);
}

Metrics readMetrics(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PDFError(
            PDFError::Kind::MissingMetrics,
            QStringLiteral("Arquivo de métricas de fonte não encontrado: %1.").arg(path));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw invalid(path);
    const QByteArrayView all(bytes);
    Metrics metrics;
    bool started = false;
    qsizetype at = 0;
    while (at < all.size()) {
        const qsizetype end = all.indexOf('\n', at);
        const qsizetype next = end < 0 ? all.size() : end + 1;
        const QByteArrayView line = all.sliced(at, next - at);
        at = next;
        if (line.contains("StartCharMetrics")) {
            started = true;
            continue;
        }
        if (line.contains("EndCharMetrics"))
            return metrics;
        if (!started) {
            if (line.trimmed() == "EncodingScheme FontSpecific")
                metrics.fontSpecific = true;
            continue;
        }
        addMetric(line, metrics, path);
    }
    // The file ends inside the metric section, or has none.
    throw invalid(path);
}

} // namespace

Widths readWidths(const QString& path) {
    const Metrics metrics = readMetrics(path);
    const int missing =
        metrics.byName.value(".notdef", metrics.byName.value("space", metrics.widest));
    Widths widths{};
    for (int code = 0; code < 256; ++code) {
        const auto at = static_cast<std::size_t>(code);
        const QByteArray glyph = metrics.fontSpecific
                                     ? metrics.nameOfCode[at]
                                     : winansi::glyphName(static_cast<unsigned char>(code));
        widths[at] = glyph.isEmpty() ? missing : metrics.byName.value(glyph, missing);
    }
    return widths;
}

} // namespace afm
