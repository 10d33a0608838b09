#pragma once

// Orders whose lines each place used to read differently, rounding products,
// quotients or sums on the way: every window, plan, document and report
// shows these figures to the cent.

#include "platform/db/connection.h"

#include <vector>

namespace amountcases {

struct Servico {
    const char *qt, *vu, *pd;
};
// Categories: 1 PEÇAS, 2 TINTAS, 3 PINTOR.
struct Custo {
    const char* tipo;
    int categoria;
    const char *qtde, *valor;
};

struct Caso {
    const char* nome;
    std::vector<Servico> servicos;
    std::vector<Custo> custos;
    // In the Brazilian form, without the currency.
    const char *subtotal, *descontos, *total;
    const char *insumos, *maoDeObra, *custoTotal;
    // The detailed document's cost rows.
    std::vector<const char*> categorias;
    // The documents' service rows: quantity, price and TOTAL as printed.
    std::vector<const char*> linhas = {};
};

inline const std::vector<Caso>& casos() {
    static const std::vector<Caso> todos = {
        // 34,2525 of discount; each line's 0,0343 a unit used to make 34,30.
        {"a discount of a fraction of a cent",
         {{"1000", "0.4567", "7.5"}},
         {},
         "456,70",
         "34,25",
         "422,45",
         "0,00",
         "0,00",
         "0,00",
         {}},
        // 25,414962, which four places made 25,4150 and the line's TOTAL
        // 25,42 over a subtotal of 25,41.
        {"a line total just below half a cent",
         {{"0.02", "1270.7481", "0"}},
         {},
         "25,41",
         "0,00",
         "25,41",
         "0,00",
         "0,00",
         "0,00",
         {},
         {"0,02 1270,7481 25,41"}},
        // 200,134971…, which four places made 200,1350; the printed
        // subtraction gives a cent more than the total.
        {"many units",
         {{"12345.3318", "0.0174", "6.8311"}},
         {},
         "214,81",
         "14,67",
         "200,13",
         "0,00",
         "0,00",
         "0,00",
         {}},
        // Each category 5,002475 and the supplies 10,00495, which four places
        // made 10,01; with the labour's 10,0005 the costs, 20,00545, make
        // 20,01 over parts that read 10,00 each.
        {"a freight-loaded unit cost in two categories",
         {{"3", "3.3335", "0"}},
         {{"P", 1, "0.25", "20.0099"}, {"P", 2, "0.25", "20.0099"}, {"S", 3, "3", "3.3335"}},
         "10,00",
         "0,00",
         "10,00",
         "10,00",
         "10,00",
         "20,01",
         {"PEÇAS INSU R$ 5,00", "TINTAS INSU R$ 5,00", "PINTOR M.OB R$ 10,00"}},
        {"millions",
         {{"1234.4911", "4567.4070", "12.2945"}, {"2", "0.0025", "0"}},
         {{"P", 1, "1500.5", "1234.9452"},
          {"P", 2, "2500.25", "999.8895"},
          {"S", 3, "1000.5", "1234.5679"}},
         "5.638.423,30",
         "693.215,95",
         "4.945.207,34",
         "4.353.008,99",
         "1.235.185,18",
         "5.588.194,18",
         {"PEÇAS INSU R$ 1.853.035,27", "TINTAS INSU R$ 2.499.973,72",
          "PINTOR M.OB R$ 1.235.185,18"}},
        {"billions",
         {{"2000000.5", "1234.2658", "3.4025"}},
         {{"P", 1, "1000000.25", "1500.7798"}, {"S", 3, "3", "0.0015"}},
         "2.468.532.217,13",
         "83.991.808,69",
         "2.384.540.408,44",
         "1.500.780.175,19",
         "0,00",
         "1.500.780.175,20",
         {}},
    };
    return todos;
}

// Stores the case's lines under the order in place of those it had, and the
// categories they name.
inline void grava(db::Connection& cn, qint64 osnr, const Caso& caso) {
    for (const char* table : {"os_srv", "os_custos"})
        cn.execute(QStringLiteral("delete from %1 where osnr = ?").arg(QLatin1String(table)),
                   {db::integer(osnr)});
    cn.execute(QStringLiteral("insert ignore into categorias (cdgrupo, dsgrupo) values "
                              "(1, 'PEÇAS'), (2, 'TINTAS'), (3, 'PINTOR')"));
    int n = 0;
    for (const Servico& s : caso.servicos)
        cn.execute(QStringLiteral("insert into os_srv (osnr, idsrv, dssrv, un, qt, vu, pd) values "
                                  "(?, ?, 'SERVIÇO', 'UN', ?, ?, ?)"),
                   {db::integer(osnr), QStringLiteral("202403051000%1").arg(++n, 2, 10, QChar('0')),
                    *Decimal::fromSql(QLatin1String(s.qt)), *Decimal::fromSql(QLatin1String(s.vu)),
                    *Decimal::fromSql(QLatin1String(s.pd))});
    for (const Custo& c : caso.custos)
        cn.execute(QStringLiteral("insert into os_custos (idlan, osnr, tipo, cdpro, dspro, un, "
                                  "qtde, valor, cdcat) values (uuid(), ?, ?, '1', 'ITEM', 'UN', "
                                  "?, ?, ?)"),
                   {db::integer(osnr), QString::fromLatin1(c.tipo),
                    *Decimal::fromSql(QLatin1String(c.qtde)),
                    *Decimal::fromSql(QLatin1String(c.valor)), db::integer(c.categoria)});
}

// "R$ " and the figure.
inline QString reais(const char* figura) {
    return QStringLiteral("R$ ") + QString::fromUtf8(figura);
}

} // namespace amountcases
