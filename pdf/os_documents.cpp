#include "pdf/os_documents.h"

#include "pdf/creation_clock.h"
#include "pdf/font_folder.h"
#include "pdf/os_document_page.h"
#include "pdf/pdf_printer.h"
#include "platform/digits.h"
#include "platform/program_folder.h"
#include "shell/shared_state.h"

#include <QDir>
#include <QFile>
#include <optional>

namespace {

// The order number as typed, blanks around it aside: digits only, and few
// enough to be a number.
std::optional<qint64> numeroDaOrdem(const QString& digitos) {
    if (!isDigits(digitos))
        return std::nullopt;
    bool ok = false;
    const qint64 n = digitos.toLongLong(&ok);
    return ok ? std::optional(n) : std::nullopt;
}

void escreve(const QString& arquivo, qint64 n, bool detalhada) {
    PDFPrinter pdf;
    pdf.PDFFileName(arquivo);
    pdf.PDFLoadAfm(fontfolder::ensureFontFolder());
    pdf.PDFConfirm(false);
    // The print commands open the finished file themselves.
    pdf.PDFView(false);
    pdf.PDFSetViewerPreferences(6);
    pdf.PDFFormatPage(QVariant(0));
    pdf.PDFOrientation(1);
    pdf.PDFSetUnit(0);
    pdf.PDFSetZoomMode(1);
    pdf.PDFSetLayoutMode(3);
    pdf.PDFUseOutlines(true);
    pdf.PDFUseThumbs(true);
    pdf.PDFBeginDoc();
    pdf.PDFSetLineStyle(0);
    pdf.PDFSetLineWidth(0.5);
    pdf.PDFSetBookmark(QStringLiteral("Ordem de serviço"), 0, 40);
    pdf.PDFSetBookmark(QStringLiteral("Ordem de serviço"), 1, 60);
    pdf.PDFSetFont(0, 11, 0);

    shared::abreConexao();
    db::Connection& cn = shared::gCn();
    osdoc::Conteudo conteudo;
    conteudo.numero = n;
    const QString logo = programfolder::file(QStringLiteral("logo.jpg"));
    if (QFile::exists(logo))
        conteudo.logo = logo;
    conteudo.empresa = osdoc::leEmpresa(cn);
    const auto ordem = osdoc::leOrdem(cn, n);
    if (!ordem)
        throw PDFError(PDFError::Kind::BadArgument,
                       QStringLiteral("A ordem de serviço %1 não existe.").arg(n));
    conteudo.ordem = *ordem;
    conteudo.cliente = osdoc::leCliente(cn, ordem->cdcli);
    conteudo.servicos = osdoc::leServicos(cn, n);
    if (detalhada)
        conteudo.custos = osdoc::leCustos(cn, n);
    conteudo.agora = pdfclock::now();

    osdoc::desenha(pdf, conteudo);
    pdf.PDFEndPage();
    pdf.PDFEndDoc();
}

// gArquivoPDF names the document only once it is written, so that no caller
// opens an earlier file after a refused or failed build.
bool imprime(const QString& osnr, bool detalhada) {
    shared::gArquivoPDF.clear();
    const QString digitos = osnr.trimmed();
    const auto n = numeroDaOrdem(digitos);
    if (!n)
        return false;
    QDir().mkpath(programfolder::file(QStringLiteral("temp")));
    const QString arquivo =
        programfolder::file(QStringLiteral("temp/OS_") + digitos + QStringLiteral(".pdf"));
    escreve(arquivo, *n, detalhada);
    shared::gArquivoPDF = arquivo;
    return true;
}

} // namespace

bool ImprimeOSSimplificada(const QString& osnr) {
    return imprime(osnr, false);
}

bool ImprimeOSDetalhada(const QString& osnr) {
    return imprime(osnr, true);
}
