#include "pdf/font_folder.h"

#include "pdf/pdf_error.h"
#include "platform/program_folder.h"

#include <QDir>
#include <QFile>
#include <array>
#include <utility>

namespace fontfolder {

namespace {

// Standard name, file of the system's fonts package.
constexpr std::array<std::pair<const char*, const char*>, 13> kFonts = {{
    {"Courier", "NimbusMonoPS-Regular"},
    {"Courier-Bold", "NimbusMonoPS-Bold"},
    {"Courier-Oblique", "NimbusMonoPS-Italic"},
    {"Courier-BoldOblique", "NimbusMonoPS-BoldItalic"},
    {"Helvetica", "NimbusSans-Regular"},
    {"Helvetica-Bold", "NimbusSans-Bold"},
    {"Helvetica-Oblique", "NimbusSans-Italic"},
    {"Helvetica-BoldOblique", "NimbusSans-BoldItalic"},
    {"Times-Roman", "NimbusRoman-Regular"},
    {"Times-Bold", "NimbusRoman-Bold"},
    {"Times-BoldItalic", "NimbusRoman-BoldItalic"},
    {"Symbol", "StandardSymbolsPS"},
    {"ZapfDingbats", "D050000L"},
}};

bool holdsMetrics(const QDir& folder) {
    const QStringList files = folder.entryList(QDir::Files);
    for (const QString& name : files) {
        if (name.endsWith(QLatin1String(".afm"), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

QString systemMetricsFolder() {
    return QStringLiteral("/usr/share/fonts/type1/urw-base35");
}

QString ensureFontFolder() {
    const QString folder = programfolder::file(QStringLiteral("fonts"));
    if (!QDir().mkpath(folder))
        throw PDFError(PDFError::Kind::MissingMetrics,
                       QStringLiteral("Não foi possível criar a pasta de fontes %1.").arg(folder));
    const QDir dir(folder);
    if (holdsMetrics(dir))
        return folder;
    const QDir source(systemMetricsFolder());
    QStringList copied;
    for (const auto& [standard, installed] : kFonts) {
        const QString from = source.filePath(QLatin1String(installed) + QLatin1String(".afm"));
        const QString to = dir.filePath(QLatin1String(standard) + QLatin1String(".afm"));
        if (QFile::copy(from, to)) {
            copied << to;
            continue;
        }
        // A half-filled folder would pass for a complete one next time.
        for (const QString& file : copied)
            QFile::remove(file);
        throw PDFError(PDFError::Kind::MissingMetrics,
                       QStringLiteral("Arquivo de métricas de fonte %1 não encontrado; instale "
                                      "o pacote fonts-urw-base35.")
                           .arg(from));
    }
    return folder;
}

} // namespace fontfolder
