#include "platform/viewer.h"

#include "platform/dialogs.h"

#include <QFileInfo>
#include <QProcess>

namespace viewer {

namespace {

QString failureText(const QString& target) {
    const QString where =
        target.contains(QLatin1String("://")) ? target : QFileInfo(target).absoluteFilePath();
    return QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL ABRIR O DOCUMENTO NO VISUALIZADOR.\n") +
           where;
}

} // namespace

void open(const QString& target, const QString& command) {
    // Not owned by any window: a viewer still open when the program ends
    // keeps running.
    auto* process = new QProcess;
    process->setProgram(command);
    process->setArguments({target});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const auto failed = [process, target] {
        process->deleteLater();
        dlg::show(dlg::alerta(failureText(target)));
    };
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             failed();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0)
                             failed();
                         else
                             process->deleteLater();
                     });
    process->start();
}

} // namespace viewer
