#include "shell/update_download.h"

#include "platform/busy_guard.h"
#include "platform/dialogs.h"
#include "platform/program_folder.h"
#include "shell/frmProgresso.h"
#include "shell/program_end.h"

#include <QApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProgressBar>
#include <QSaveFile>
#include <memory>

namespace {

// A transfer that stalls this long without a byte is given up.
constexpr int kStallTimeoutMs = 60000;

struct Answer {
    int status = 0; // 0: no complete HTTP answer
    QByteArray body;
    QString error;
};

Answer fetch(const QUrl& url) {
    static QNetworkAccessManager* manager = new QNetworkAccessManager();
    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", "Mozilla/5.0");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kStallTimeoutMs);
    QNetworkReply* reply = manager->get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    Answer out;
    out.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    out.body = reply->readAll();
    // A 200 whose body broke off is no answer: its bytes are not the program.
    if (out.status == 0 || (out.status == 200 && reply->error() != QNetworkReply::NoError)) {
        out.status = 0;
        out.error = reply->errorString();
    }
    reply->deleteLater();
    return out;
}

// Replaces the file whole: a longer old file keeps no tail, and a failed
// write leaves the old one as it was.
QString writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return QString();
}

} // namespace

QString updateAddress() {
    const QString fromEnv = qEnvironmentVariable("QUENDARO_UPDATE_URL");
    return fromEnv.isEmpty()
               ? QStringLiteral("https://www.quendaro.com.br/atualizacao/upbrivon.exe")
               : fromEnv;
}

void mnu_update_Click(QWidget* mainWindow) {
    if (dlg::ask(QStringLiteral("Confirma a atualização do sistema?"), QStringLiteral("Atenção"),
                 dlg::Answer::No))
        BaixaAtualizacao(mainWindow);
}

void BaixaAtualizacao(QWidget* mainWindow) {
    QString failure;
    {
        BusyGuard hourglass;
        QApplication::processEvents();
        auto progress = std::make_unique<frmProgresso>(mainWindow);
        progress->ProgressBar1->setMaximum(3);
        progress->ProgressBar1->setValue(0);
        progress->show();
        QApplication::processEvents();

        const QString target = programfolder::file(QStringLiteral("upbrivon.exe"));
        progress->ProgressBar1->setValue(1);
        QApplication::processEvents();
        const Answer answer = fetch(QUrl(updateAddress()));
        QApplication::processEvents();

        if (answer.status == 200) {
            progress->ProgressBar1->setValue(2);
            QApplication::processEvents();
            const QString error = writeWhole(target, answer.body);
            if (error.isEmpty()) {
                progress->ProgressBar1->setValue(3);
                QApplication::processEvents();
                // The program ends even when the update program fails to start.
                dlg::dialogs().startProgram(target, {});
                program::End();
                return;
            }
            failure = QStringLiteral("Erro ao baixar atualização. Código: 0\n") + error;
        } else if (answer.status == 0) {
            failure = QStringLiteral("Erro ao baixar atualização. Código: 0\n") + answer.error;
        } else {
            failure = QStringLiteral("Erro ao baixar atualização. Código: ") +
                      QString::number(answer.status);
        }
    }
    dlg::inform(failure);
}
