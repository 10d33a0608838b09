#include "shell/update_download.h"

#include "platform/busy_guard.h"
#include "platform/dialogs.h"
#include "platform/http_client.h"
#include "platform/program_folder.h"
#include "shell/frmProgresso.h"
#include "shell/program_end.h"

#include <QApplication>
#include <QFile>
#include <QProgressBar>
#include <QSaveFile>
#include <memory>

namespace {

// A transfer that stalls this long without a byte is given up.
constexpr int kStallTimeoutMs = 60000;

// Replaces the file whole: a longer old file keeps no tail, and a failed
// write leaves the old one as it was.
QString writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return QString();
}

// The saved bytes as a program: executable by whoever may read it. The
// error text, empty on success.
QString makeExecutable(const QString& path) {
    QFile file(path);
    QFileDevice::Permissions permissions = file.permissions() | QFileDevice::ExeOwner;
    if (permissions & QFileDevice::ReadGroup)
        permissions |= QFileDevice::ExeGroup;
    if (permissions & QFileDevice::ReadOther)
        permissions |= QFileDevice::ExeOther;
    return file.setPermissions(permissions) ? QString() : file.errorString();
}

} // namespace

QString updateAddress() {
    return http::baseAddress(
        "QUENDARO_UPDATE_URL",
        QStringLiteral("https://www.quendaro.com.br/atualizacao/upbrivon.exe"));
}

QString updateProgramFile() {
    return programfolder::file(QStringLiteral("upbrivon.exe"));
}

void mnu_update_Click(QWidget* mainWindow) {
    if (dlg::ask(QStringLiteral("Confirma a atualização do sistema?"), QStringLiteral("Atenção"),
                 dlg::Answer::No))
        BaixaAtualizacao(mainWindow);
}

void BaixaAtualizacao(QWidget* mainWindow) {
    dlg::Message failure{dlg::kProgramTitle, QString()};
    {
        BusyGuard hourglass;
        QApplication::processEvents();
        auto progress = std::make_unique<frmProgresso>(mainWindow);
        progress->ProgressBar1->setMaximum(3);
        progress->ProgressBar1->setValue(0);
        progress->show();
        QApplication::processEvents();

        const QString target = updateProgramFile();
        progress->ProgressBar1->setValue(1);
        QApplication::processEvents();
        const http::Reply answer =
            http::download(QUrl(updateAddress()), {{"User-Agent", "Mozilla/5.0"}}, kStallTimeoutMs);
        QApplication::processEvents();

        if (answer.status == 200) {
            progress->ProgressBar1->setValue(2);
            QApplication::processEvents();
            const QString error = writeWhole(target, answer.body);
            if (error.isEmpty()) {
                progress->ProgressBar1->setValue(3);
                QApplication::processEvents();
                // Without its start the program would end with nothing to
                // replace it: it stays open and says why.
                QString reason = makeExecutable(target);
                if (reason.isEmpty() && dlg::dialogs().startProgram(target, {}, &reason)) {
                    program::End();
                    return;
                }
                failure = dlg::alerta(
                    QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL INICIAR A ATUALIZAÇÃO!\n") +
                    reason);
            } else {
                failure.text = QStringLiteral("Erro ao baixar atualização. Código: 0\n") + error;
            }
        } else if (answer.status == 0) {
            failure.text = QStringLiteral("Erro ao baixar atualização. Código: 0\n") + answer.error;
        } else {
            failure.text = QStringLiteral("Erro ao baixar atualização. Código: ") +
                           QString::number(answer.status);
        }
    }
    dlg::show(failure);
}
