#include "finance/cpagar_lancamento.h"

#include "finance/parcelas.h"
#include "platform/dates.h"
#include "platform/db/unit_of_work.h"
#include "registers/register_codes.h"

namespace lancamento {

namespace {

qint64 codigo(const QString& texto) {
    return wholeCode(texto).value_or(0);
}

// Another document under this number and supplier, locked against a second
// one coming in meanwhile.
bool outroDocumento(db::Connection& cn, const QString& nrdoc, qint64 cdfor, const Chave& lido) {
    return !cn.query(QStringLiteral("select 1 from cpagar where nrdoc = ? and cdfor = ? and not "
                                    "(nrdoc = ? and cdfor = ?) limit 1 for update"),
                     {nrdoc, cdfor, lido.nrdoc, lido.cdfor})
                .isEmpty();
}

// The document's rows read again and locked until the transaction ends, so
// no settlement or save slips in between; whether they are still as loaded,
// and `seTravada` when one of them is paid or inside a receipt.
Resultado comoLidas(db::Connection& cn, const Chave& lido, const db::LoadedRows& linhas,
                    Resultado seTravada) {
    db::SaveOver lidas =
        db::checkLoaded(cn, db::forUpdate(leitura(lido.nrdoc, lido.cdfor)), linhas);
    switch (lidas.outcome) {
    case db::Overwrite::Saved:
        break;
    case db::Overwrite::Changed:
        return Resultado::Alterado;
    case db::Overwrite::Gone:
        return Resultado::NaoEncontrado;
    }
    db::Recordset& r = lidas.stored;
    for (r.moveFirst(); !r.eof(); r.moveNext())
        if (travada(r.text(QStringLiteral("pago")), r.decimal(QStringLiteral("vrpg"))))
            return seTravada;
    return Resultado::Gravado;
}

} // namespace

QString chave(const QString& nrdoc, const QString& rotulo, const QString& cdfor) {
    return (nrdoc + QLatin1Char('/') + rotulo).trimmed() + QLatin1Char('/') + cdfor;
}

std::optional<Decimal> primeiroValor(const QString& texto) {
    const auto v = Decimal::parse(texto, false, Decimal::kAmount);
    if (!v || v->rounded(2) <= Decimal())
        return std::nullopt;
    return v->rounded(2);
}

PrimeiroVencimento primeiroVencimento(const QString& texto, const QDate& hoje) {
    const auto d = dates::parseTyped(texto);
    if (!d)
        return PrimeiroVencimento::NaoEData;
    if (*d < hoje.addDays(-10))
        return PrimeiroVencimento::Retroativo;
    return PrimeiroVencimento::Aceito;
}

dlg::Message vencimentoRetroativo() {
    return dlg::alerta(
        QStringLiteral("--- ERRO --- VENCIMENTO MUITO RETROATIVO ACIMA DE 10 (DEZ) DIAS!"));
}

QString valorTexto(const Decimal& valor) {
    return valor.toBr(2, false);
}

std::optional<parcelas::Recusa> confere(const Documento& doc, std::vector<Parcela>& linhas,
                                        const QDate& hoje, Decimal& total) {
    using Campo = parcelas::Recusa::Campo;
    const auto emissao = dates::parseBr(doc.dte);
    // The first box left wrong, in the order the user fills them.
    const std::pair<bool, Campo> cabecalho[] = {
        {doc.nrdoc.trimmed().isEmpty(), Campo::Documento},
        {doc.refdoc.trimmed().isEmpty(), Campo::Referente},
        {doc.nmfor.trimmed().isEmpty() || !wholeCode(doc.cdfor), Campo::Fornecedor},
        {!emissao, Campo::Emissao},
        {doc.nmcen.trimmed().isEmpty() || !wholeCode(doc.cdcen), Campo::Centro},
        {doc.nmscen.trimmed().isEmpty() || !wholeCode(doc.cdscen), Campo::SubCentro},
    };
    for (const auto& [falta, campo] : cabecalho) {
        if (falta)
            return parcelas::Recusa{dlg::alerta(QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!")),
                                    campo};
    }
    if (*emissao > hoje)
        return parcelas::Recusa{
            dlg::alerta(QStringLiteral("--- ERRO --- DATA DE EMISSÃO SUPERIOR A DATA ATUAL!")),
            Campo::Emissao};
    total = Decimal();
    std::optional<QDate> anterior;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        Parcela& p = linhas[i];
        const int linha = static_cast<int>(i);
        const auto vence = dates::parseBr(p.vencimento);
        if (auto recusa = parcelas::confereVencimento(p.rotulo, vence, anterior, *emissao, linha))
            return recusa;
        anterior = vence;
        const auto valor = Decimal::parse(p.valor, false, Decimal::kAmount);
        if (auto recusa = parcelas::confereValor(
                p.rotulo, valor ? std::optional(valor->rounded(2)) : std::nullopt, linha))
            return recusa;
        p.valor = valorTexto(*valor);
        const auto soma = total.plus(valor->rounded(2), Decimal::kAmount);
        if (!soma)
            return parcelas::Recusa{dlg::foraDoLimite()};
        total = *soma;
    }
    return std::nullopt;
}

bool mudou(const Chave& lido, const QString& nrdoc, const QString& cdfor) {
    return nrdoc != lido.nrdoc || wholeCode(cdfor) != lido.cdfor;
}

std::optional<dlg::Message> confereTroca(Gravacao modo, const Chave& lido, const Documento& doc) {
    if (modo == Gravacao::Altera && mudou(lido, doc.nrdoc, doc.cdfor))
        return trocaComParcelaPaga();
    return std::nullopt;
}

Resultado grava(db::Connection& cn, const Documento& doc, const std::vector<Parcela>& parcelas,
                Gravacao modo, const Chave& lido, const db::LoadedRows& linhas,
                const QString& carimbo) {
    const qint64 cdfor = codigo(doc.cdfor);
    const QDate dte = *dates::parseBr(doc.dte);
    return db::unitOfWork(cn, [&](db::Transaction& t) {
        if (modo == Gravacao::Nova) {
            if (!cn.query(db::forUpdate(leitura(doc.nrdoc, cdfor))).isEmpty())
                return Resultado::JaExiste;
        } else {
            // Only the open rows of a partly paid document are written, each
            // while it stays open; a paid one is never written over.
            const Resultado seTravada =
                modo == Gravacao::Altera ? Resultado::Gravado : Resultado::Alterado;
            if (const Resultado r = comoLidas(cn, lido, linhas, seTravada); r != Resultado::Gravado)
                return r;
            if (modo == Gravacao::Regrava) {
                if (outroDocumento(cn, doc.nrdoc, cdfor, lido))
                    return Resultado::JaExiste;
                // The rows just read, and only those: the document moves to
                // the number and supplier typed.
                cn.execute(QStringLiteral("delete from cpagar where nrdoc = ? and cdfor = ?"),
                           {lido.nrdoc, lido.cdfor});
            }
        }
        for (const Parcela& p : parcelas) {
            const Decimal valor = Decimal::parse(p.valor, false)->rounded(2);
            const QDate dtv = *dates::parseBr(p.vencimento);
            if (modo != Gravacao::Altera) {
                cn.execute(
                    QStringLiteral("insert into cpagar (idlan,nrdoc,refdoc,cdfor,dte,obs,cdcen,"
                                   "cdscen,dtv,vrorig,vrpg,vrab,parcela,evcad,ultev) values "
                                   "(?,?,?,?,?,?,?,?,?,?,0,?,?,?,?)"),
                    {chave(doc.nrdoc, p.rotulo, QString::number(cdfor)), doc.nrdoc,
                     doc.refdoc.trimmed(), cdfor, dte, doc.obs, codigo(doc.cdcen),
                     codigo(doc.cdscen), dtv, valor, valor, p.rotulo, carimbo, carimbo});
            } else if (!p.travada &&
                       cn.execute(
                           QStringLiteral("update cpagar set refdoc = ?, dte = ?, obs = ?, "
                                          "cdcen = ?, cdscen = ?, dtv = ?, vrorig = ?, vrab = ?, "
                                          "ultev = ? where idlan = ? and nrdoc = ? and cdfor = ? "
                                          "and vrpg = 0 and pago = 'N'"),
                           {doc.refdoc, dte, doc.obs, codigo(doc.cdcen), codigo(doc.cdscen), dtv,
                            valor, valor, carimbo, p.idlan, lido.nrdoc, lido.cdfor}) == 0) {
                return Resultado::Alterado;
            }
        }
        t.commit();
        return Resultado::Gravado;
    });
}

Resultado exclui(db::Connection& cn, const Chave& documento, const db::LoadedRows& linhas) {
    return db::unitOfWork(cn, [&](db::Transaction& t) {
        if (const Resultado r = comoLidas(cn, documento, linhas, Resultado::ComParcelaPaga);
            r != Resultado::Gravado)
            return r;
        cn.execute(QStringLiteral("delete from cpagar where nrdoc = ? and cdfor = ?"),
                   {documento.nrdoc, documento.cdfor});
        t.commit();
        return Resultado::Gravado;
    });
}

dlg::Message documentoJaExiste() {
    return dlg::alerta(
        QStringLiteral("--- ERRO --- DOCUMENTO JÁ CADASTRADO PARA ESTE FORNECEDOR!"));
}

dlg::Message documentoAlterado() {
    return dlg::alerta(
        QStringLiteral("--- ERRO --- DESPESA ALTERADA EM OUTRA ESTAÇÃO! DADOS RECARREGADOS."));
}

dlg::Message documentoNaoEncontrado() {
    return dlg::alerta(QStringLiteral("--- ERRO --- DESPESA NÃO ENCONTRADA! CONSULTE NOVAMENTE."));
}

dlg::Message trocaComParcelaPaga() {
    return dlg::alerta(QStringLiteral(
        "--- ERRO --- DESPESA COM PARCELA PAGA NÃO PODE TER NÚMERO OU FORNECEDOR ALTERADO!"));
}

dlg::Message naoPodeExcluir() {
    return {QStringLiteral("Atenção"), QStringLiteral("Despesa não pode ser excluída!"),
            dlg::Icon::Information};
}

Statement lista() {
    return {QStringLiteral("select cpagar.*, fornecedores.nmfor from cpagar left join "
                           "fornecedores on cpagar.cdfor = fornecedores.cdfor order by "
                           "fornecedores.nmfor, cpagar.dte"),
            {}};
}

Statement leitura(const QString& nrdoc, qint64 cdfor) {
    return {QStringLiteral("select * from cpagar where nrdoc = ? and cdfor = ? order by parcela"),
            {nrdoc, cdfor}};
}

bool travada(const QString& pago, const Decimal& vrpg) {
    return vrpg > Decimal() || pago.trimmed().toUpper() != QLatin1String("N");
}

} // namespace lancamento
