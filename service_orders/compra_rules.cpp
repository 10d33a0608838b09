#include "service_orders/compra_rules.h"

#include "platform/dates.h"
#include "platform/db/connection.h"
#include "platform/db/loaded_row.h"
#include "platform/db/moment_key.h"
#include "platform/db/unit_of_work.h"
#include "platform/dialogs.h"
#include "platform/digits.h"
#include "platform/moeda.h"
#include "platform/order_totals.h"
#include "registers/audit_stamp.h"
#include "registers/insumo_rules.h"
#include "registers/register_codes.h"

namespace {

const QString kDaCompra = QStringLiteral("cdfor = ? and serie = ? and nfiscal = ? and modelo = ?");

db::Params daCompra(const ChaveCompra& k) {
    return {k.cdfor, db::text(k.serie), db::text(k.nfiscal), db::text(k.modelo)};
}

Statement statusDaCompra(const ChaveCompra& chave) {
    return {QStringLiteral("select max(status) as status from insumos_cmp where ") + kDaCompra,
            daCompra(chave)};
}

SituacaoCompra situacao(const db::Recordset& row) {
    if (row.isNull(QStringLiteral("status")))
        return SituacaoCompra::SemItens;
    return row.text(QStringLiteral("status")) == QLatin1String("S") ? SituacaoCompra::Encerrada
                                                                    : SituacaoCompra::Aberta;
}

// acc + value into acc; false when there is no value or the sum leaves the
// range.
bool acumula(Decimal& acc, std::optional<Decimal> value, Decimal::Range range) {
    const auto sum = value ? acc.plus(*value, range) : std::nullopt;
    if (sum)
        acc = *sum;
    return sum.has_value();
}

} // namespace

std::optional<ChaveCompra> chaveCompra(const QString& cdfor, const QString& serie,
                                       const QString& nfiscal, const QString& modelo) {
    const auto fornecedor = wholeCode(cdfor);
    ChaveCompra k{fornecedor.value_or(0), serie.trimmed(), nfiscal.trimmed(), modelo.trimmed()};
    if (!fornecedor || !isDigits(k.serie) || !isDigits(k.nfiscal) || !isDigits(k.modelo))
        return std::nullopt;
    return k;
}

Statement itensCompra(const ChaveCompra& chave) {
    return {QStringLiteral("select i.qtdest,i.status,i.dte,i.dtc,i.idlan,i.cdpro,p.dspro,p.un,"
                           "i.qtde,i.vfinal,i.vfrete,i.evcad from insumos_cmp i left join "
                           "produtos p on i.cdpro = p.cdpro where i.cdfor = ? and i.serie = ? "
                           "and i.nfiscal = ? and i.modelo = ?"),
            daCompra(chave)};
}

SituacaoCompra situacaoCompra(db::Connection& cn, const ChaveCompra& chave) {
    return situacao(cn.query(statusDaCompra(chave)));
}

QStringList chavesDosItens(db::Recordset rows) {
    QStringList out;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext())
        out << rows.text(QStringLiteral("idlan"));
    return out;
}

Encerramento encerraCompra(db::Connection& cn, const ChaveCompra& chave, QStringList itens) {
    itens.sort();
    return db::unitOfWork(cn, [&](db::Transaction& t) {
        db::Recordset atuais =
            cn.query(QStringLiteral("select idlan, status from insumos_cmp where ") + kDaCompra +
                         QStringLiteral(" for update"),
                     daCompra(chave));
        for (atuais.moveFirst(); !atuais.eof(); atuais.moveNext())
            if (atuais.text(QStringLiteral("status")) == QLatin1String("S"))
                return Encerramento::JaEncerrada;
        QStringList lidas = chavesDosItens(atuais);
        lidas.sort();
        if (itens.isEmpty() || lidas != itens)
            return Encerramento::Alterada;
        Statement fecha{QStringLiteral("update insumos_cmp set status = 'S' where ") + kDaCompra +
                            QStringLiteral(" and idlan in (?") +
                            QStringLiteral(",?").repeated(itens.size() - 1) + QStringLiteral(")"),
                        daCompra(chave)};
        for (const QString& idlan : itens)
            fecha.params.push_back(idlan);
        cn.execute(fecha);
        t.commit();
        return Encerramento::Encerrada;
    });
}

QString chaveItem(const QDateTime& moment, const ChaveCompra& k) {
    return dates::keyStamp(moment) + k.serie + k.nfiscal + QString::number(k.cdfor) + k.modelo;
}

ChecagemItem checaItem(const ItemDigitado& d) {
    ChecagemItem c;
    const auto chave = chaveCompra(d.cdfor, d.serie, d.nfiscal, d.modelo);
    const auto dte = dates::parseBr(d.dte);
    const auto dtc = dates::parseBr(d.dtc);
    const auto vfinal = leCusto(d.vfinal);
    const auto qtde = Decimal::parse(d.qtde, false);
    if (d.nmfor.trimmed().isEmpty() || !chave || !dte || !dtc || d.dspro.trimmed().isEmpty() ||
        d.un.trimmed().isEmpty() || !vfinal || !qtde) {
        c.erro = dlg::atencao(QStringLiteral("--- ERRO --- DADOS INCOMPLEMTOS!"),
                              dlg::Icon::Exclamation);
        return c;
    }
    if (vfinal->isNegative()) {
        c.erro = dlg::atencao(
            QStringLiteral("--- ERRO --- VALOR UNITÁRIO FINAL NÃO PODE SER MENOR QUE ZERO!"),
            dlg::Icon::Critical);
        c.caixa = ChecagemItem::Caixa::Valor;
        return c;
    }
    if (*qtde <= Decimal()) {
        c.erro = dlg::atencao(
            QStringLiteral("--- ERRO --- QUANTIDADE NÃO PODE SER MENOR E/OU IGUAL A ZERO!"),
            dlg::Icon::Critical);
        c.caixa = ChecagemItem::Caixa::Quantidade;
        return c;
    }
    if (*dtc < *dte) {
        c.erro =
            dlg::atencao(QStringLiteral("--- ERRO --- DATA DE EMISSÃO SUPERIOR A DATA DE CHEGADA!"),
                         dlg::Icon::Information);
        c.caixa = ChecagemItem::Caixa::Chegada;
        return c;
    }
    if (!vfinal->times(*qtde, Decimal::kAmount)) {
        c.erro = dlg::foraDoLimite();
        return c;
    }
    c.item = {*chave, *dte, *dtc, d.cdpro.trimmed(), *vfinal, *qtde};
    return c;
}

Insercao insereItem(db::Connection& cn, const ItemCompra& item, const QString& usuario) {
    return db::unitOfWork(cn, [&](db::Transaction& t) {
        // The purchase's items held, so two windows cannot each add what
        // together leaves the range, nor one add to what another closes.
        const db::Recordset somas = cn.query(db::forUpdate(
            {QStringLiteral("select coalesce(sum(vfinal*qtde), 0) + coalesce(sum(vfrete*qtde), 0) "
                            "as total, max(status) as status from insumos_cmp where ") +
                 kDaCompra,
             daCompra(item.chave)}));
        if (situacao(somas) == SituacaoCompra::Encerrada)
            return Insercao::Encerrada;
        if (!somas.decimal(QStringLiteral("total")).plus(item.vfinal * item.qtde, Decimal::kAmount))
            return Insercao::ForaDoLimite;
        db::insereComChaveDoMomento(cn, [&](const QDateTime& moment) {
            const ChaveCompra& k = item.chave;
            return Statement{
                QStringLiteral("insert into insumos_cmp (idlan,cdfor,serie,nfiscal,modelo,dte,dtc,"
                               "cdpro,vfinal,vfrete,qtde,status,evcad) "
                               "values (?,?,?,?,?,?,?,?,?,0,?,'N',?)"),
                {chaveItem(moment, k), k.cdfor, k.serie, k.nfiscal, k.modelo, item.dte, item.dtc,
                 item.cdpro, item.vfinal, item.qtde, auditStamp(usuario, moment)}};
        });
        t.commit();
        return Insercao::Inserido;
    });
}

ExclusaoItem excluiItem(db::Connection& cn, const QString& idlan) {
    if (cn.execute(QStringLiteral("delete from insumos_cmp where idlan = ? and qtdest = 0 and "
                                  "status = 'N'"),
                   {idlan}) > 0)
        return ExclusaoItem::Excluido;
    const db::Recordset row =
        cn.query(QStringLiteral("select status from insumos_cmp where idlan = ?"), {idlan});
    if (row.isEmpty())
        return ExclusaoItem::Excluido;
    return row.text(QStringLiteral("status")) == QLatin1String("S") ? ExclusaoItem::Encerrada
                                                                    : ExclusaoItem::Destinado;
}

TotaisCompra totaisCompra(db::Recordset rows) {
    TotaisCompra t;
    rows.moveFirst();
    if (!rows.eof()) {
        t.dte = rows.date(QStringLiteral("dte"));
        t.dtc = rows.date(QStringLiteral("dtc"));
        t.status = rows.text(QStringLiteral("status"));
    }
    ordertotals::SomaExata insumos, frete;
    for (; !rows.eof(); rows.moveNext()) {
        const Decimal qtde = rows.decimal(QStringLiteral("qtde"));
        if (!acumula(t.quantidade, qtde, Decimal::kQuantity)) {
            t.foraDoLimite = true;
            return t;
        }
        insumos.adiciona(rows.decimal(QStringLiteral("vfinal")), qtde);
        frete.adiciona(rows.decimal(QStringLiteral("vfrete")), qtde);
    }
    ordertotals::SomaExata total = insumos;
    total += frete;
    t.foraDoLimite = !insumos.cabe(Decimal::kAmount) || !frete.cabe(Decimal::kAmount) ||
                     !total.cabe(Decimal::kAmount);
    if (!t.foraDoLimite) {
        t.insumos = *insumos.centavos();
        t.frete = *frete.centavos();
        t.total = *total.centavos();
    }
    return t;
}

QString textoTotaisCompra(const TotaisCompra& t) {
    return QStringLiteral("Qtde TL: ") + formataQuantidade(t.quantidade) +
           QStringLiteral(" Tl Frete: ") + moeda(t.frete) + QStringLiteral(" Tl Insumos: ") +
           moeda(t.insumos) + QStringLiteral(" Tl Final: ") + moeda(t.total);
}

std::optional<std::vector<FreteItem>> rateiaFrete(db::Recordset rows, Decimal valor) {
    ordertotals::SomaExata insumos;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext())
        insumos.adiciona(rows.decimal(QStringLiteral("vfinal")),
                         rows.decimal(QStringLiteral("qtde")));
    std::vector<FreteItem> fretes;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        const Decimal vfinal = rows.decimal(QStringLiteral("vfinal"));
        const auto vfrete = insumos.parte(vfinal, valor);
        // The allocated cost lines take the unit value with its freight.
        if (!vfrete || !vfrete->fits(Decimal::kQuantity) ||
            !vfinal.plus(*vfrete, Decimal::kQuantity))
            return std::nullopt;
        fretes.push_back({rows.text(QStringLiteral("idlan")), *vfrete});
    }
    return fretes;
}

namespace {

// The cost lines allocated from the purchase's items, with their orders.
const QString kAlocadas = QStringLiteral(
    "os_custos c join insumos_cmp i on c.idest = i.idlan join os_cab o on o.osnr = c.osnr ");
const QString kDaCompraI =
    QStringLiteral(" where i.cdfor = ? and i.serie = ? and i.nfiscal = ? and i.modelo = ?");

// The completed orders among them; with `trava`, every order of those lines
// is held, so none is completed before its lines carry the freight.
Statement ordensAlocadas(const ChaveCompra& chave) {
    return {QStringLiteral("select distinct o.osnr, o.ossit from ") + kAlocadas + kDaCompraI +
                QStringLiteral(" order by o.osnr"),
            daCompra(chave)};
}

QList<qint64> concluidas(db::Recordset ordens) {
    QList<qint64> out;
    for (ordens.moveFirst(); !ordens.eof(); ordens.moveNext())
        if (ordens.text(QStringLiteral("ossit")) == QLatin1String("4"))
            out.append(ordens.integer(QStringLiteral("osnr")));
    return out;
}

} // namespace

QList<qint64> ordensConcluidas(db::Connection& cn, const ChaveCompra& chave) {
    return concluidas(cn.query(ordensAlocadas(chave)));
}

QString perguntaFrete(Decimal valor, const QList<qint64>& concluidas) {
    QString pergunta = QStringLiteral("Confirma o rateio de frete no valor de: ") +
                       formataCusto(valor) + QStringLiteral(" ?");
    if (concluidas.isEmpty())
        return pergunta;
    QStringList numeros;
    for (qint64 osnr : concluidas)
        numeros << QString::number(osnr);
    return pergunta +
           (concluidas.size() == 1
                ? QStringLiteral("\nA ordem concluída %1 mantém o valor de seus custos.")
                : QStringLiteral("\nAs ordens concluídas %1 mantêm o valor de seus custos."))
               .arg(numeros.join(QStringLiteral(", ")));
}

Frete gravaFrete(db::Connection& cn, const ChaveCompra& chave, const std::vector<FreteItem>& fretes,
                 QList<qint64>& ordensMantidas) {
    return db::unitOfWork(cn, [&](db::Transaction& transaction) {
        // Held until the end, so the purchase cannot be closed halfway.
        if (situacao(cn.query(db::forUpdate(statusDaCompra(chave)))) == SituacaoCompra::Encerrada)
            return Frete::Encerrada;
        const QList<qint64> agora = concluidas(cn.query(db::forUpdate(ordensAlocadas(chave))));
        if (agora != ordensMantidas) {
            ordensMantidas = agora;
            return Frete::ConcluidasMudaram;
        }
        for (const FreteItem& f : fretes)
            cn.execute(QStringLiteral("update insumos_cmp set vfrete = ? where idlan = ? and "
                                      "status = 'N'"),
                       {f.vfrete, f.idlan});
        // A completed order keeps the cost it was completed with.
        cn.execute(QStringLiteral("update ") + kAlocadas +
                       QStringLiteral("set c.valor = i.vfinal + i.vfrete") + kDaCompraI +
                       QStringLiteral(" and o.ossit <> '4'"),
                   daCompra(chave));
        transaction.commit();
        return Frete::Gravado;
    });
}
