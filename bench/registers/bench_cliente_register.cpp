// Opens the client register over 100,000 clients until its list shows rows,
// runs a name search, and fetches the same SELECTs with the plain mariadb
// client. Reports; checks nothing.
#include "bench/support/bench_database.h"
#include "bench/support/plain_client.h"
#include "platform/data_grid.h"
#include "platform/db/connection.h"
#include "platform/db/data_control.h"
#include "registers/frmcadcli.h"
#include "shell/shared_state.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int kClients = 100000;
constexpr int kRuns = 5;

const QString kOpenSql = QStringLiteral("select * from cliente order by nmcli");
const QString kSearchText = QStringLiteral("SILVA");

double medianMs(const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void fill(db::Connection& cn) {
    cn.execute(
        QStringLiteral(
            "insert into cliente (nmcli, nmfant, dtcadastro, dtnascimento, cpf, rg, fonefixo, "
            "fonecel, email, rua, nrcasa, bairro, cidade, uf, obs, cep, evcad, ultev) "
            "select concat(elt(1 + seq % 12, 'ANA', 'BRUNO', 'CARLA', 'DIEGO', 'EDUARDA', 'FABIO', "
            "'GABRIELA', 'HUGO', 'IARA', 'JOAO', 'KARINA', 'LUIS'), ' ', elt(1 + (seq div 12) % "
            "10, "
            "'SILVA', 'SOUZA', 'OLIVEIRA', 'PEREIRA', 'LIMA', 'COSTA', 'RIBEIRO', 'ALVES', "
            "'GOMES', "
            "'MARTINS'), ' ', seq), concat('APELIDO ', seq), '2024-01-05', '1990-12-25', "
            "lpad(seq, 11, '0'), concat('RG', seq), '1133334444', '11999998888', "
            "concat('cliente', seq, '@exemplo.com.br'), 'RUA DAS FLORES', seq % 1000, 'CENTRO', "
            "'SAO PAULO', 'SP', 'CLIENTE DESDE 2024', '01001000', 'CARGA 05/01/2024 10:00:00', "
            "'CARGA 05/01/2024 10:00:00' from seq_1_to_%1")
            .arg(kClients));
}

// The plain client fetching a statement; its own start-up is measured apart.
double clientMs(const PlainClient& client, const QString& sql) {
    return medianMs([&] { client.fetchMs({sql}); });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!benchsupport::asked("bench_registers", "set QUENDARO_RUN_BENCH=1 to run it"))
        return 77;
    const PlainClient client(benchsupport::freshDatabase());
    db::Connection cn(shared::gConexao);
    cn.open();
    QElapsedTimer loading;
    loading.start();
    fill(cn);
    std::printf("filled cliente with %d rows in %.0f ms\n", kClients,
                static_cast<double>(loading.elapsed()));

    testsupport::ScriptedDialogs dialogs;
    qsizetype rows = 0;
    const double openMs = medianMs([&] {
        frmcadcli form;
        form.show();
        QApplication::processEvents();
        rows = form.DataGrid1->model()->rowCount();
    });
    qsizetype found = 0;
    frmcadcli form;
    const double searchMs = medianMs([&] {
        dialogs.answerInput(kSearchText);
        form.Command3_Click();
        found = form.DataGrid1->model()->rowCount();
    });
    const double dataBytes = [&] {
        const db::Recordset& r = form.Adodc1->recordset();
        double bytes = 0;
        for (int c = 0; c < r.columnCount(); ++c)
            bytes += static_cast<double>(r.bytesAt(0, c).size());
        return bytes * static_cast<double>(r.rowCount());
    }();

    const double startMs = clientMs(client, QStringLiteral("select 1"));
    const double clientOpenMs = clientMs(client, kOpenSql);
    const double clientSearchMs = clientMs(
        client, QStringLiteral("select * from cliente where nmcli like '%%1%' order by nmcli")
                    .arg(kSearchText));

    std::printf("\n%-36s %10s %14s %8s\n", "median of 5 runs (ms)", "register", "mariadb -e",
                "ratio");
    std::printf("%-36s %10.1f %14.1f %8.2f\n", "open the client register (rows shown)", openMs,
                clientOpenMs - startMs, openMs / (clientOpenMs - startMs));
    std::printf("%-36s %10.1f %14.1f %8.2f\n", "name search", searchMs, clientSearchMs - startMs,
                searchMs / (clientSearchMs - startMs));
    std::printf("\nrows listed %lld, found by the search %lld; the client's start-up (%.1f ms) "
                "is taken off its times\n",
                static_cast<long long>(rows), static_cast<long long>(found), startMs);
    std::printf("the list keeps one copy of the result set: about %.1f MB for the search\n",
                dataBytes / 1e6);
    std::printf("aim: the register within twice the plain client's time\n");
    return 0;
}
