#include "pdf/os_document_note.h"

#include "pdf/os_document_fields.h"

#include <QRegularExpression>
#include <algorithm>

namespace osdoc {

namespace {

QString semBrancosNoInicio(const QString& texto) {
    qsizetype inicio = 0;
    while (inicio < texto.size() && texto.at(inicio).isSpace())
        ++inicio;
    return texto.mid(inicio);
}

void quebra(const QString& paragrafo, double largura,
            const std::function<double(const QString&)>& mede, QStringList& linhas) {
    QString resto = semBrancosNoFim(paragrafo);
    if (resto.isEmpty()) {
        linhas << QString();
        return;
    }
    while (!resto.isEmpty()) {
        if (mede(resto) <= largura) {
            linhas << resto;
            return;
        }
        // The longest start that fits, then its last blank: a blank right
        // after that start breaks there too. Blanks that indent the part do
        // not count.
        qsizetype cabem = 0;
        double soma = 0;
        while (cabem < resto.size()) {
            const double w = mede(resto.mid(cabem, 1));
            if (soma + w > largura)
                break;
            soma += w;
            ++cabem;
        }
        const qsizetype branco = resto.lastIndexOf(QLatin1Char(' '), cabem);
        if (branco > 0 && !semBrancosNoFim(resto.left(branco)).isEmpty()) {
            linhas << semBrancosNoFim(resto.left(branco));
            resto = semBrancosNoInicio(resto.mid(branco + 1));
        } else {
            cabem = std::max<qsizetype>(cabem, 1);
            linhas << resto.left(cabem);
            resto = semBrancosNoInicio(resto.mid(cabem));
        }
    }
}

} // namespace

QStringList linhasDaNota(const QString& nota, double largura,
                         const std::function<double(const QString&)>& mede) {
    static const QRegularExpression quebraDeLinha(QStringLiteral("\r\n|\r|\n"));
    const bool umaLinha = !nota.contains(QLatin1Char('\r')) && !nota.contains(QLatin1Char('\n'));
    if (umaLinha && mede(semBrancosNoFim(nota)) <= largura)
        return {nota};
    QStringList linhas;
    for (const QString& paragrafo : nota.split(quebraDeLinha))
        quebra(paragrafo, largura, mede, linhas);
    while (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast();
    return linhas;
}

} // namespace osdoc
