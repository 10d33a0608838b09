#include "shell/scramble.h"

#include "platform/cp1252.h"

namespace scramble {

namespace {

const QByteArray kKey = QByteArrayLiteral("7302958146630285917");

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

} // namespace

QByteArray combineWithKey(const QByteArray& bytes) {
    QByteArray out(bytes.size(), '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = static_cast<char>(bytes.at(i) ^ kKey.at(i % kKey.size()));
    return out;
}

QString TextoParaHex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QByteArray HexParaTexto(const QString& hex) {
    QByteArray out;
    for (qsizetype i = 0; i < hex.size(); i += 2) {
        const QString pair = hex.mid(i, 2);
        int value = 0;
        for (QChar c : pair) {
            const int digit = hexValue(c);
            if (digit < 0)
                break;
            value = value * 16 + digit;
        }
        out.append(static_cast<char>(value));
    }
    return out;
}

QString CriptografaTexto(const QString& text) {
    return TextoParaHex(combineWithKey(cp1252::encode(text)));
}

QString DescriptografaTexto(const QString& scrambled) {
    return cp1252::decode(combineWithKey(HexParaTexto(scrambled)));
}

} // namespace scramble
