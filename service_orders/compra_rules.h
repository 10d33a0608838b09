#pragma once

#include "platform/db/statement.h"
#include "platform/decimal.h"
#include "platform/dialogs.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

namespace db {
class Connection;
class Recordset;
} // namespace db

// A purchase is every item of one supplier's invoice: series, number and
// model, kept as typed (digits only).
struct ChaveCompra {
    qint64 cdfor = 0;
    QString serie;
    QString nfiscal;
    QString modelo;
    bool operator==(const ChaveCompra&) const = default;
};
// The purchase the boxes name; none when the supplier code is no whole number
// or an invoice part is empty or holds anything but digits.
std::optional<ChaveCompra> chaveCompra(const QString& cdfor, const QString& serie,
                                       const QString& nfiscal, const QString& modelo);

// The items of a purchase with their supply's description and unit. Every
// invoice part compares as the text stored, so "123" and "000123" are two
// invoices.
Statement itensCompra(const ChaveCompra& chave);
enum class SituacaoCompra { SemItens, Aberta, Encerrada };
// Any closed item closes the purchase.
SituacaoCompra situacaoCompra(db::Connection& cn, const ChaveCompra& chave);
// The item keys (`idlan`) of a listing of items.
QStringList chavesDosItens(db::Recordset rows);
enum class Encerramento {
    Encerrada,
    Alterada,   // its items are no longer those listed
    JaEncerrada // closed meanwhile by another window
};
// Closes the purchase in one unit of work, only while its items, read again
// and locked, are exactly `itens` (the keys listed when the closing was
// asked); the statement names those items and no other.
Encerramento encerraCompra(db::Connection& cn, const ChaveCompra& chave, QStringList itens);

// The row key of an item: yymmddhhmmss, series, number, supplier, model.
QString chaveItem(const QDateTime& moment, const ChaveCompra& chave);

// The purchase window's boxes as typed.
struct ItemDigitado {
    QString nmfor;
    QString cdfor;
    QString serie;
    QString nfiscal;
    QString modelo;
    QString dte;
    QString dtc;
    QString cdpro;
    QString dspro;
    QString un;
    QString vfinal;
    QString qtde;
};
struct ItemCompra {
    ChaveCompra chave;
    QDate dte;
    QDate dtc;
    QString cdpro;
    Decimal vfinal;
    Decimal qtde;
};
// The checks of an item before it is added, in their order.
struct ChecagemItem {
    // The box a refusal is about, when it names one.
    enum class Caixa { Nenhuma, Valor, Quantidade, Chegada };
    std::optional<dlg::Message> erro;
    ItemCompra item;
    Caixa caixa = Caixa::Nenhuma;
};
ChecagemItem checaItem(const ItemDigitado& digitado);
enum class Insercao {
    Inserido,
    ForaDoLimite, // the purchase's total with it would leave the amounts' range
    Encerrada     // the purchase is closed, maybe by another station meanwhile
};
// Adds an open item with no freight, stamped "user date time", while the
// purchase, read under lock, is open and its total stays an amount; nothing
// is written otherwise.
Insercao insereItem(db::Connection& cn, const ItemCompra& item, const QString& usuario);
enum class ExclusaoItem {
    Excluido, // also when another window deleted it first
    Destinado,
    Encerrada
};
// Deletes an item only while nothing of it is allocated and its purchase is
// open.
ExclusaoItem excluiItem(db::Connection& cn, const QString& idlan);

// What the item list adds up to; the first item gives the dates and status.
// Each amount is its exact sum rounded once to cents, the total too, even
// where the two beside it add up to a cent more or less.
struct TotaisCompra {
    Decimal quantidade;
    Decimal insumos; // vfinal x qtde
    Decimal frete;   // vfrete x qtde
    Decimal total;   // insumos + frete
    QString status = QStringLiteral("N");
    std::optional<QDate> dte;
    std::optional<QDate> dtc;
    // A sum beyond what an amount holds: the sums are not to be shown.
    bool foraDoLimite = false;
};
TotaisCompra totaisCompra(db::Recordset rows);
QString textoTotaisCompra(const TotaisCompra& totais);

// Freight over the items in proportion to their unit values: each unit
// freight is vfinal x amount / goods, the goods' exact sum, rounded to four
// places. None when a unit freight, or a unit value with it, would leave the
// column's range, or when the goods are worth nothing.
struct FreteItem {
    QString idlan;
    Decimal vfrete;
};
std::optional<std::vector<FreteItem>> rateiaFrete(db::Recordset rows, Decimal valor);
// The completed orders holding lines allocated from the purchase's items,
// whose lines keep the value they were completed with; the question that
// confirms a freight names them.
QList<qint64> ordensConcluidas(db::Connection& cn, const ChaveCompra& chave);
QString perguntaFrete(Decimal valor, const QList<qint64>& concluidas);
enum class Frete {
    Gravado,
    Encerrada,        // the purchase was closed meanwhile
    ConcluidasMudaram // other orders than those named were completed meanwhile
};
// Writes every unit freight, and the value of every cost line allocated from
// the items on orders not completed (purchase value plus the new unit
// freight), or nothing at all: nothing either when the completed orders are
// no longer `ordensMantidas`, which then holds those completed now.
Frete gravaFrete(db::Connection& cn, const ChaveCompra& chave, const std::vector<FreteItem>& fretes,
                 QList<qint64>& ordensMantidas);
