#include "shell/funcoes.h"

#include "platform/db/connection.h"
#include "platform/dialogs.h"
#include "platform/http_client.h"
#include "shell/shared_state.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QUrl>
#include <QXmlStreamReader>

bool focusNeighbour(bool next) {
    QWidget* current = QApplication::focusWidget();
    if (current == nullptr)
        return false;
    QWidget* window = current->window();
    for (QWidget* w = next ? current->nextInFocusChain() : current->previousInFocusChain();
         w != nullptr && w != current;
         w = next ? w->nextInFocusChain() : w->previousInFocusChain()) {
        // A widget that hands its focus to another (a combo box's editor) is
        // not a stop of its own.
        if (w->window() == window && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() &&
            w->isEnabled() && w->focusProxy() == nullptr &&
            // A box the user only reads (line, text or spin box) is passed by.
            !w->property("readOnly").toBool()) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void EnviaTeclas(const QString& teclas, bool espera) {
    if (teclas.compare(QLatin1String("{TAB}"), Qt::CaseInsensitive) == 0) {
        focusNeighbour(true);
    } else if (QWidget* target = QApplication::focusWidget()) {
        for (QChar c : teclas) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    }
    if (espera)
        QApplication::processEvents();
}

void MascaraData(int& keyAscii, QLineEdit* caixa) {
    if (keyAscii == 8)
        return;
    if (keyAscii >= '0' && keyAscii <= '9') {
        // The caret is where a selection starts; inserting replaces it.
        auto caret = [caixa] {
            return caixa->hasSelectedText() ? caixa->selectionStart() : caixa->cursorPosition();
        };
        if (caret() == 2)
            caixa->insert(QStringLiteral("/"));
        if (caret() == 5)
            caixa->insert(QStringLiteral("/"));
        return;
    }
    keyAscii = 0;
}

QString cepServiceBase() {
    return http::baseAddress("QUENDARO_CEP_URL", QStringLiteral("https://viacep.com.br"));
}

QString BuscaCep(const QString& cep) {
    const QString segment = QString::fromLatin1(QUrl::toPercentEncoding(cep));
    const http::Reply reply = http::get(
        QUrl(cepServiceBase() + QStringLiteral("/ws/") + segment + QStringLiteral("/xml/")));
    if (reply.status != 200)
        return QString();
    QString tipo, logradouro, endereco, bairro, cidade, uf, ibge;
    // No DTD is processed and no external entity is ever fetched.
    QXmlStreamReader xml(reply.body);
    int depth = 0;
    while (!xml.atEnd() && !xml.hasError()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            if (depth != 2)
                continue;
            const QString name = xml.name().toString();
            // The element's first child: its text, when it has any. A "|"
            // would split the answer in the wrong place.
            QString text;
            bool hasText = false;
            const QXmlStreamReader::TokenType first = xml.readNext();
            if (first == QXmlStreamReader::Characters) {
                text = xml.text().toString().toUpper().replace(QLatin1Char('|'), QLatin1Char(' '));
                hasText = true;
            } else if (first == QXmlStreamReader::StartElement) {
                ++depth;
            } else if (first == QXmlStreamReader::EndElement) {
                --depth;
            }
            if (hasText) {
                if (name == QLatin1String("tipo_logradouro"))
                    tipo = text;
                else if (name == QLatin1String("logradouro"))
                    logradouro = text;
                else if (name == QLatin1String("bairro"))
                    bairro = text;
                else if (name == QLatin1String("localidade") || name == QLatin1String("cidade"))
                    cidade = text;
                else if (name == QLatin1String("uf"))
                    uf = text;
                else if (name == QLatin1String("ibge"))
                    ibge = text;
            }
            endereco = tipo + QLatin1Char(' ') + logradouro;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    // A cut-off or malformed answer is no answer: its fragments must not
    // replace what the user typed.
    if (xml.hasError())
        return QString();
    return endereco + QLatin1Char('|') + bairro + QLatin1Char('|') + cidade + QLatin1Char('|') +
           uf + QLatin1Char('|') + ibge;
}

QString PermissaoUsuario(const QString& usuario, const QString& item) {
    shared::abreConexao();
    const db::Recordset r = shared::gCn().query(
        QStringLiteral("select valor from perfilusuario where nmusuario = ? and campo = ?"),
        {usuario, item});
    QString result = QStringLiteral("1");
    for (qsizetype row = 0; row < r.rowCount(); ++row)
        result = r.textAt(row, 0);
    return result;
}

QString ProcuraPasta() {
    return dlg::dialogs().folder(QStringLiteral("Procura destino..."));
}
