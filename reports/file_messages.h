#pragma once

#include <QString>

// What the converter and the export say of the files they read and write.
namespace filemessages {

inline QString inexistente(const QString& path) {
    return QStringLiteral("--- ERRO --- ARQUIVO '") + path + QStringLiteral("' NÃO EXISTE!");
}

inline QString naoLido(const QString& path) {
    return QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL LER O ARQUIVO '") + path +
           QStringLiteral("'!");
}

inline QString naoGravado(const QString& path) {
    return QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL GRAVAR O ARQUIVO '") + path +
           QStringLiteral("'!");
}

} // namespace filemessages
