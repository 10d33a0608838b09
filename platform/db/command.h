#pragma once

#include "platform/db/connection.h"

namespace db {

// A text command: its connection and text are set before each use.
class Command {
public:
    void setActiveConnection(Connection* connection) { connection_ = connection; }
    Connection* activeConnection() const { return connection_; }
    void setCommandText(const QString& text, Params params = {}) {
        text_ = text;
        params_ = std::move(params);
    }
    const QString& commandText() const { return text_; }

    qint64 execute() { return require().execute(text_, params_); }
    Recordset open() { return require().query(text_, params_); }

private:
    Connection& require() const {
        if (connection_ == nullptr)
            throw DbError(3709, QStringLiteral("08003"),
                          QStringLiteral("O comando não tem conexão ativa."));
        return *connection_;
    }
    Connection* connection_ = nullptr;
    QString text_;
    Params params_;
};

} // namespace db
