// Times the lists and reports of a busy shop through the real windows,
// offscreen, each run followed by the plain mariadb client fetching the
// same statements, and the everyday single-record actions. Prints medians;
// checks nothing.
#include "bench/scale/server_watch.h"
#include "bench/support/bench_database.h"
#include "bench/support/plain_client.h"
#include "bench/support/sampling.h"
#include "finance/frmCReceber_Baixa.h"
#include "platform/data_grid.h"
#include "platform/dates.h"
#include "registers/frmBuscaCliente.h"
#include "registers/frmcadcli.h"
#include "reports/accounts_report.h"
#include "reports/frmOS_Relatorios.h"
#include "reports/frmRel_Contas.h"
#include "reports/os_report.h"
#include "reports/report_lines_view.h"
#include "service_orders/frmOS_ListaOrc.h"
#include "service_orders/frmOS_Orc.h"
#include "service_orders/service_lines_frame.h"
#include "shell/shared_state.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/test_database.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr int kRuns = 9;
const QDate kFirst(2021, 1, 1);
const QDate kLast(2025, 12, 31);
constexpr qint64 kQuote = 5; // an order in status 0, with three lines
constexpr qint64 kPayer = 1; // a client with open instalments

// One run of an action: `timed` is measured; `rows` tells what it showed;
// `keep` holds the windows, freed after the run.
struct Trial {
    std::function<void()> timed;
    std::function<qsizetype()> rows;
    std::shared_ptr<void> keep;
};

struct Action {
    QString name;
    std::function<Trial()> setup;
    // Lists and reports: compared with the plain client fetching what they ran.
    bool withClient = true;
    // Reports: the same report built without a window.
    std::function<void()> build;
};

struct Figures {
    qsizetype rows = 0;
    std::vector<double> ms, opened, clientMs, buildMs;
    double peak = 0, buildPeak = 0;
    QStringList statements;
};

qsizetype rowsOf(const QAbstractItemView* view) {
    return view->model()->rowCount();
}

// A window constructed, shown and settled inside the timing.
template <typename Form>
Trial opening(std::function<void(Form&)> load, std::function<qsizetype(Form&)> rows) {
    auto form = std::make_shared<std::unique_ptr<Form>>();
    return {[form, load] {
                *form = std::make_unique<Form>();
                load(**form);
                (*form)->show();
                sampling::settle();
            },
            [form, rows] { return rows(**form); }, form};
}

// A window shown beforehand; `act` inside the timing.
template <typename Form>
Trial acting(std::shared_ptr<Form> form, std::function<void(Form&)> act,
             std::function<qsizetype(Form&)> rows) {
    form->show();
    sampling::settle();
    return {[form, act] {
                act(*form);
                sampling::settle();
            },
            [form, rows] { return rows(*form); }, form};
}

template <typename Form> Trial report(std::function<void(Form&)> criteria) {
    auto form = std::make_shared<Form>();
    criteria(*form);
    form->txtDTi->setText(dates::toBr(kFirst));
    form->txtDTf->setText(dates::toBr(kLast));
    return acting<Form>(
        form, [](Form& f) { f.Command1->click(); }, [](Form& f) { return rowsOf(f.List1); });
}

// The list takes its mode when it is made.
Trial orderList(const QString& mode) {
    shared::gModoOS = mode;
    return opening<frmOS_ListaOrc>([](frmOS_ListaOrc&) {},
                                   [](frmOS_ListaOrc& f) { return rowsOf(f.DataGrid1); });
}

void openQuote(frmOS_Orc& form) {
    form.txtOsNo->setText(QString::number(kQuote));
    form.txtOsNo_LostFocus();
}

std::vector<Action> actions() {
    return {
        {QStringLiteral("accounts report, receivables open, \"Gerar\""),
         [] { return report<frmRel_Contas>([](frmRel_Contas&) {}); }, true,
         [] {
             accountsreport::build(shared::gCn(), accountsreport::Kind::ReceberAberto, kFirst,
                                   kLast, std::nullopt);
         }},
        {QStringLiteral("order report, status 2, \"Gerar\""),
         [] {
             return report<frmOS_Relatorios>(
                 [](frmOS_Relatorios& f) { f.cboSit->setCurrentIndex(2); });
         },
         true,
         [] {
             osreport::build(shared::gCn(), QLatin1Char('2'), kFirst, kLast, std::nullopt,
                             QDate::currentDate());
         }},
        {QStringLiteral("client register opened (list shown)"),
         [] {
             return opening<frmcadcli>([](frmcadcli&) {},
                                       [](frmcadcli& f) { return rowsOf(f.DataGrid1); });
         },
         true,
         {}},
        {QStringLiteral("client picker (F2 of a client box)"),
         [] {
             return opening<frmBuscaCliente>(
                 [](frmBuscaCliente&) {}, [](frmBuscaCliente& f) { return rowsOf(f.DataGrid1); });
         },
         true,
         {}},
        {QStringLiteral("order list, mode \"O\""),
         [] { return orderList(QStringLiteral("O")); },
         true,
         {}},
        {QStringLiteral("order list, mode \"A\""),
         [] { return orderList(QStringLiteral("A")); },
         true,
         {}},
        {QStringLiteral("opening a quote"),
         [] {
             return opening<frmOS_Orc>(openQuote,
                                       [](frmOS_Orc& f) { return rowsOf(f.Frame1->DataGrid1); });
         },
         false,
         {}},
        {QStringLiteral("adding a line"),
         [] {
             auto form = std::make_shared<frmOS_Orc>();
             openQuote(*form);
             ServiceLinesFrame* lines = form->Frame1;
             lines->txtDsSRV->setText(QStringLiteral("LAVAGEM"));
             lines->txtUn->setText(QStringLiteral("UN"));
             lines->txtQt->setText(QStringLiteral("1"));
             lines->txtVU->setText(QStringLiteral("80,00"));
             lines->txtPD->setText(QStringLiteral("0"));
             return acting<frmOS_Orc>(
                 form, [](frmOS_Orc& f) { f.Frame1->Command2_Click(); },
                 [](frmOS_Orc& f) { return rowsOf(f.Frame1->DataGrid1); });
         },
         false,
         {}},
        {QStringLiteral("starting a receipt"),
         [] {
             auto form = std::make_shared<frmCReceber_Baixa>();
             form->txtDtBX->setText(dates::toBr(QDate::currentDate()));
             form->txtCdFor->setText(QString::number(kPayer));
             form->txtCdFor_LostFocus();
             return acting<frmCReceber_Baixa>(
                 form, [](frmCReceber_Baixa& f) { f.Command2_Click(); },
                 [](frmCReceber_Baixa& f) { return rowsOf(f.DataGrid1); });
         },
         false,
         {}},
    };
}

double ratio(double a, double b) {
    return b > 0 ? a / b : 0;
}

QString shortened(const QString& sql) {
    QString one = sql.simplified();
    return one.size() > 150 ? one.left(147) + QStringLiteral("...") : one;
}

// The server's plan of a report's statement, a line for each table: how it
// is read, by which key, and whether the server sorts ("Using filesort") or
// groups in a temporary table.
void printPlan(const QString& sql) {
    const db::Recordset plan = shared::gCn().query(QStringLiteral("EXPLAIN ") + sql);
    for (qsizetype r = 0; r < plan.rowCount(); ++r) {
        QStringList cells;
        for (const char* column : {"table", "type", "key", "rows", "Extra"})
            cells << plan.textAt(r, plan.columnIndex(QString::fromLatin1(column)));
        std::printf("      plan: %s\n", qPrintable(cells.join(QStringLiteral(" | "))));
    }
}

void printRow(const QString& name, qsizetype rows, double ms, double clientMs, double peak,
              double opened) {
    const QByteArray label = name.toUtf8();
    std::printf("%-44s %8lld %9.1f", label.constData(), static_cast<long long>(rows), ms);
    if (clientMs > 0)
        std::printf(" %9.1f %6.2f", clientMs, ratio(ms, clientMs));
    else
        std::printf(" %9s %6s", "-", "-");
    std::printf(" %8.1f", peak);
    if (opened >= 0)
        std::printf(" %5.0f", opened);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!benchsupport::asked("bench_scale", "run it through bench/scale/run.sh"))
        return 77;
    const QString database = benchsupport::freshDatabase();
    {
        db::Connection cn(shared::gConexao);
        cn.open();
        const double fillMs = sampling::elapsedMs(
            [&] { testsupport::loadSqlFile(cn, QStringLiteral(QUENDARO_BENCH_FILL)); });
        std::printf("filled the tables in %.1f s\n", fillMs / 1000);
    }
    ServerWatch watch(shared::gConexao);
    PlainClient client(database);
    testsupport::ScriptedDialogs dialogs;
    shared::abreConexao();
    std::printf("load average at the start: %s\n", qPrintable(sampling::loadAverage()));

    const std::vector<Action> all = actions();
    std::vector<Figures> figures(all.size());
    std::vector<double> starts;
    auto runOnce = [&](const Action& action, Figures& f) {
        Trial trial = action.setup();
        const qint64 before = watch.connections();
        f.ms.push_back(sampling::elapsedMs(trial.timed));
        f.opened.push_back(static_cast<double>(watch.connections() - before));
        f.rows = trial.rows();
        trial = {};
        sampling::settle();
    };
    // A first run, untimed, tells the statements each action runs and its
    // peak memory.
    for (std::size_t i = 0; i < all.size(); ++i) {
        Figures& f = figures[i];
        Trial trial = all[i].setup();
        sampling::resetPeak();
        f.statements = watch.selectsDuring(trial.timed);
        f.peak = sampling::peakMiB();
        trial = {};
        sampling::settle();
        if (all[i].build) {
            sampling::resetPeak();
            all[i].build();
            f.buildPeak = sampling::peakMiB();
        }
    }
    // The server's caches favour whatever runs second: the window, its build
    // and the plain client take turns at going first.
    for (int run = 0; run < kRuns; ++run) {
        for (std::size_t i = 0; i < all.size(); ++i) {
            const Action& action = all[i];
            Figures& f = figures[i];
            std::vector<std::function<void()>> turns{[&] { runOnce(action, f); }};
            if (action.build) {
                turns.push_back([&] { f.buildMs.push_back(sampling::elapsedMs(action.build)); });
            }
            if (action.withClient)
                turns.push_back([&] { f.clientMs.push_back(client.fetchMs(f.statements)); });
            std::rotate(turns.begin(), turns.begin() + run % turns.size(), turns.end());
            for (const auto& turn : turns)
                turn();
            starts.push_back(client.startMs());
        }
    }
    const double start = sampling::median(starts);

    std::printf("\nmedians of %d runs; the plain client's start-up (%.1f ms) is taken off its "
                "times; peak = the process's resident peak during the action, on a first "
                "run from a trimmed heap; conn = connections opened\n\n",
                kRuns, start);
    std::printf("%-44s %8s %9s %9s %6s %8s %5s\n", "action", "rows", "ms", "client", "ratio",
                "peak MiB", "conn");
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Figures& f = figures[i];
        const double clientMs = all[i].withClient ? sampling::median(f.clientMs) - start : 0;
        printRow(all[i].name, f.rows, sampling::median(f.ms), clientMs, f.peak,
                 sampling::median(f.opened));
        if (all[i].build) {
            const double buildMs = sampling::median(f.buildMs);
            printRow(QStringLiteral("  its build without a window"), f.rows, buildMs, clientMs,
                     f.buildPeak, -1);
            std::printf("  \"Gerar\" / build without a window: %.2f\n",
                        ratio(sampling::median(f.ms), buildMs));
        }
    }
    std::printf("\nstatements fetched by the plain client:\n");
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!all[i].withClient)
            continue;
        std::printf("%s\n", qPrintable(all[i].name));
        for (const QString& sql : figures[i].statements) {
            std::printf("    %s\n", qPrintable(shortened(sql)));
            if (all[i].build)
                printPlan(sql);
        }
    }
    std::printf("\nload average at the end: %s\n", qPrintable(sampling::loadAverage()));
    std::printf("aims: lists within 1.5 times the plain client; each \"Gerar\" within 1.2 times "
                "its build without a window, and that build within 2 times the plain client; "
                "single-record actions under 20 ms\n");
    if (!dialogs.shown().empty())
        std::printf("note: the windows showed %zu dialog(s), first: %s\n", dialogs.shown().size(),
                    qPrintable(dialogs.shown().front().message.text));
    return 0;
}
