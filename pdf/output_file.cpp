// The output file, the confirmation and the viewer.
#include "pdf/pdf_printer.h"

#include "platform/dialogs.h"
#include "platform/files.h"

void PDFPrinter::PDFFileName(const QString& str_FileName) {
    if (stage_ != Stage::SetUp)
        throw PDFError(PDFError::Kind::OutOfOrder,
                       QStringLiteral("O arquivo PDF só pode ser indicado antes de PDFBeginDoc."));
    fileName_ = str_FileName;
    if (str_FileName.isEmpty())
        return;
    // A file opened by an earlier name was never written: it goes.
    CloseOutput(false);
    QString path = str_FileName;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    resolvedPath_ = path;
    auto file = std::make_unique<QFile>(resolvedPath_);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        outputFailure_ = file->errorString();
        return;
    }
    outputFailure_.clear();
    output_ = std::move(file);
}

QString PDFPrinter::PDFGetFileName() const {
    return fileName_;
}

void PDFPrinter::PDFConfirm(bool boConfirm) {
    confirm_ = boConfirm;
}

void PDFPrinter::PDFView(bool boView) {
    view_ = boView;
}

void PDFPrinter::CloseOutput(bool keep) {
    if (!output_)
        return;
    const QString failure = files::close(*output_);
    if (!keep || !failure.isEmpty())
        output_->remove();
    output_.reset();
    if (keep && !failure.isEmpty())
        throw PDFError(PDFError::Kind::Output,
                       QStringLiteral("Não foi possível gravar o arquivo PDF %1: %2.")
                           .arg(resolvedPath_, failure));
}

void PDFPrinter::AfterEndDoc() {
    if (confirm_)
        dlg::inform(QStringLiteral("Fichier PDF généré."),
                    QStringLiteral("Génération du Fichier PDF - Quillane 4.0"), dlg::Icon::None);
    if (view_)
        dlg::dialogs().openDocument(resolvedPath_);
}
