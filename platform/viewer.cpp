#include "platform/viewer.h"

#include "platform/busy_guard.h"
#include "platform/dialogs.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <optional>

namespace viewer {

namespace {

QString where(const QString& target) {
    return target.contains(QLatin1String("://")) ? target : QFileInfo(target).absoluteFilePath();
}

// A desktop command may take seconds to find a program or to give up; the
// hourglass shows that long, never longer than this.
constexpr int kBusyAtMostMs = 10000;

// Runs the command without waiting for it and watches how it ends: when it
// cannot start or exits with a failure, `failure` is shown. The hourglass
// shows until it has handed the file on or failed.
void handOff(const QString& command, const QStringList& arguments, const QString& failure) {
    // Not owned by any window: a viewer still open when the program ends
    // keeps running.
    auto* process = new QProcess;
    process->setProgram(command);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    // Ended by whichever comes first: the command's end or the time limit.
    auto busy = std::make_shared<std::optional<BusyGuard>>(std::in_place);
    const auto done = [busy] { busy->reset(); };
    QTimer::singleShot(kBusyAtMostMs, process, done);
    const auto failed = [process, failure, done] {
        done();
        process->deleteLater();
        dlg::show(dlg::alerta(failure));
    };
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [failed](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             failed();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed, done](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0) {
                             failed();
                         } else {
                             done();
                             process->deleteLater();
                         }
                     });
    process->start();
}

} // namespace

void open(const QString& target, const QString& command) {
    handOff(command, {target},
            QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL ABRIR O DOCUMENTO NO VISUALIZADOR.\n") +
                where(target));
}

void mail(const QString& attachment, const QString& command) {
    QString failure = QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL ABRIR O PROGRAMA DE E-MAIL.");
    QStringList arguments;
    if (!attachment.isEmpty()) {
        arguments << QStringLiteral("--attach") << attachment;
        failure += QLatin1Char('\n') + where(attachment);
    }
    handOff(command, arguments, failure);
}

} // namespace viewer
