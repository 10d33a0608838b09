#include "platform/db/db_error.h"

#include "platform/dialogs.h"

namespace db {

bool DbError::isConnectionLoss() const {
    // 1927: the session was killed at the server. 5013 and 5014: the client
    // library's own read and write errors (HY000), which a socket the server
    // has closed gives as readily as 2006 or 2013 ("Write error: Broken pipe").
    return sqlState_ == QLatin1String("08S01") || sqlState_ == QLatin1String("08003") ||
           number_ == 2006 || number_ == 2013 || number_ == 1927 || number_ == 5013 ||
           number_ == 5014;
}

bool DbError::isTextTooLong() const {
    return number_ == 1406 ||
           (number_ == 1366 && text_.startsWith(QLatin1String("Incorrect string value")));
}

DbError DbError::withoutDatabase(const QString& database) const {
    if (database.isEmpty())
        return *this;
    QString text = text_;
    text.replace(QLatin1Char('`') + database + QLatin1String("`."), QString());
    text.replace(QLatin1Char('\'') + database + QLatin1Char('.'), QStringLiteral("'"));
    return DbError(number_, sqlState_, text, loss_);
}

QString DbError::message() const {
    switch (loss_) {
    case Loss::ServerDown:
        return QStringLiteral(
            "--- ERRO --- SERVIDOR DE BANCO DE DADOS INDISPONÍVEL! TENTE NOVAMENTE.");
    case Loss::Write:
        return QStringLiteral(
            "--- ERRO --- CONEXÃO COM O SERVIDOR PERDIDA! CONSULTE OS DADOS ANTES DE REPETIR.");
    case Loss::Transaction:
        return QStringLiteral(
            "--- ERRO --- CONEXÃO COM O SERVIDOR PERDIDA! NADA FOI GRAVADO. TENTE NOVAMENTE.");
    case Loss::Commit:
        return QStringLiteral("--- ERRO --- CONEXÃO PERDIDA AO CONFIRMAR A GRAVAÇÃO! CONSULTE OS "
                              "DADOS ANTES DE REPETIR.");
    case Loss::None:
        break;
    }
    if (isLockConflict())
        return QStringLiteral("--- ERRO --- REGISTRO EM USO POR OUTRO USUÁRIO! TENTE NOVAMENTE.");
    if (isDuplicateKey())
        return QStringLiteral("--- ERRO --- REGISTRO JÁ CADASTRADO!");
    if (isTextTooLong())
        return QStringLiteral("--- ERRO --- TEXTO MAIOR QUE O CAMPO PERMITE!");
    if (number_ == kOutOfRange)
        return dlg::foraDoLimite().text;
    return QStringLiteral("--- ERRO --- %1 - %2").arg(number_).arg(text_);
}

} // namespace db
