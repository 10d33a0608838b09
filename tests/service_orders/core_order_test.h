#pragma once

#include "platform/dates.h"
#include "platform/db/connection.h"
#include "service_orders/frmOS_GerFinan.h"
#include "shell/shared_state.h"
#include "tests/registers/register_test_support.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QWidget>

namespace ordertest {

// The register fixture with empty order tables too, and a program folder of
// its own.
class OrderTest : public regtest::RegisterTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        qputenv("QUENDARO_DIR", folder.path().toLocal8Bit());
        RegisterTest::SetUp();
        shared::gRetorno.clear();
        shared::gArquivoPDF.clear();
        for (const char* table : {"os_cab", "os_srv", "os_custos", "creceber", "empresa"})
            cn.execute(QStringLiteral("TRUNCATE TABLE %1").arg(QLatin1String(table)));
    }

    void TearDown() override {
        RegisterTest::TearDown();
        qunsetenv("QUENDARO_DIR");
    }

    qint64 cliente(const QString& nome, const QString& cidade = QStringLiteral("CAMPINAS")) {
        cn.execute(QStringLiteral("insert into cliente (nmcli, cpf, rg, rua, nrcasa, cep, bairro, "
                                  "cidade, uf) values (?, '11.444.777/0001-61', '110.042.490.114', "
                                  "'AV. BRASIL', "
                                  "'200', '13000000', 'JARDIM', ?, 'SP')"),
                   {db::text(nome), db::text(cidade)});
        return cn.lastInsertId();
    }
    qint64 colaborador(const QString& nome) {
        cn.execute(QStringLiteral("insert into vendedores (nmven) values (?)"), {db::text(nome)});
        return cn.lastInsertId();
    }
    qint64 ordem(const QString& situacao, qint64 cdcli = 0, const QString& data = "2024-03-05",
                 const QString& solicitante = QStringLiteral("JOÃO"), qint64 cdven = 0) {
        cn.execute(QStringLiteral("insert into os_cab (dtos, cdcli, ossit, nmsol, fone, cdven, "
                                  "evcad, uev, infadicional) values (?, ?, ?, ?, '1234', ?, '', "
                                  "'', 'INFO')"),
                   {db::text(data), db::integer(cdcli), db::text(situacao), db::text(solicitante),
                    db::integer(cdven)});
        return cn.lastInsertId();
    }
    void servico(qint64 osnr, const QString& qt, const QString& vu, const QString& pd) {
        cn.execute(QStringLiteral("insert into os_srv (osnr, idsrv, dssrv, un, qt, vu, pd) values "
                                  "(?, '20240305100000', 'SERVIÇO', 'UN', ?, ?, ?)"),
                   {db::integer(osnr), *Decimal::fromSql(qt), *Decimal::fromSql(vu),
                    *Decimal::fromSql(pd)});
    }
    // In the plan window: `count` instalments from today, confirmed and saved.
    void planoSalvo(frmOS_GerFinan* plan, const QString& count = QStringLiteral("1")) {
        plan->txtQtParc->setText(count);
        dialogs.answerInput(dates::toBr(QDate::currentDate()));
        plan->txtQtParc_LostFocus();
        dialogs.answer(dlg::Answer::Yes);
        plan->cmdsalva_Click();
    }

    QTemporaryDir folder;
};

// What another station does to an order open here, and what the user is
// then told when something is to be written under it.
struct OrdemAlterada {
    const char* what;
    const char* change; // run on the other station's connection
    QString message;
    bool gone; // the window then shows the order no more
};
inline const OrdemAlterada kConcluidaOuExcluida[] = {
    {"completed meanwhile", "update os_cab set ossit = '4'",
     QStringLiteral("--- ERRO --- ORDEM CONCLUÍDA NÃO PODE SER ALTERADA!"), false},
    {"deleted meanwhile", "delete from os_cab",
     QStringLiteral("--- ERRO --- ORDEM NÃO ENCONTRADA! CONSULTE NOVAMENTE."), true},
};

inline void press(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

// The focus leaves `box` for `next` as a user's Tab would.
inline void leave(QWidget* box, QWidget* next) {
    box->window()->show();
    box->window()->activateWindow();
    QApplication::processEvents();
    box->setFocus();
    next->setFocus();
    QApplication::processEvents();
}

} // namespace ordertest
