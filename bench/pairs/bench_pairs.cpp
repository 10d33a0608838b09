// The payables save of a bill of 24 instalments and the order report over
// 5,069 orders (status 2, half a year of bench_scale's shop), through their
// windows, offscreen. Alone it runs once and
// prints its medians. Given another build of itself (QUENDARO_BENCH_AGAINST,
// an earlier commit's), it runs that build and this one in alternated
// pairs, each run a process of its own over a fresh database, and prints
// the medians of both and their ratios. Checks nothing.
#include "bench/support/bench_database.h"
#include "bench/support/sampling.h"
#include "finance/frmlancontas.h"
#include "platform/dates.h"
#include "platform/db/connection.h"
#include "reports/frmOS_Relatorios.h"
#include "reports/os_report.h"
#include "reports/report_lines_view.h"
#include "shell/shared_state.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/test_database.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <cstdio>
#include <optional>

namespace {

constexpr int kSaves = 18;  // timed in a run, after two untimed
constexpr int kReports = 9; // timed in a run, after one untimed
constexpr int kPairs = 13;  // unless QUENDARO_BENCH_PAIRS says otherwise
// Half a year of bench_scale's shop: 5,069 orders of status 2.
const QDate kFirst(2022, 1, 1);
const QDate kLast(2022, 7, 4);

struct Figures {
    double save = 0;   // "Salvar Dados", confirmed, until the window settles
    double report = 0; // "Gerar" of the order report, status 2
    double build = 0;  // the same report built without a window
    qint64 rows = 0;   // what the run stored and listed, to tell the runs alike
};

// The median of `timed` trials run after `untimed` ones; a trial returns
// the milliseconds of what it times.
double medianOf(int untimed, int timed, const std::function<double()>& trial) {
    std::vector<double> ms;
    for (int i = 0; i < untimed + timed; ++i) {
        const double one = trial();
        if (i >= untimed)
            ms.push_back(one);
    }
    return sampling::median(ms);
}

// A new bill of 24 instalments planned on the shown window.
void plan(frmlancontas& form, testsupport::ScriptedDialogs& dialogs, int number) {
    form.txtnrdoc->setText(QStringLiteral("NF%1").arg(number));
    form.txtref->setText(QStringLiteral("BENCH"));
    form.txtcdfor->setText(QStringLiteral("1"));
    form.txtcdfor_LostFocus();
    form.txtCdCentro->setText(QStringLiteral("1"));
    form.txtCdTPd->setText(QStringLiteral("1"));
    form.txtQtParc->setText(QStringLiteral("24"));
    dialogs.answerInput(QStringLiteral("150,00"));
    dialogs.answerInput(dates::toBr(QDate::currentDate().addDays(10)));
    form.txtQtParc_LostFocus();
    sampling::settle();
}

Figures runOnce() {
    testsupport::ScriptedDialogs dialogs;
    benchsupport::freshDatabase();
    {
        db::Connection cn(shared::gConexao);
        cn.open();
        testsupport::loadSqlFile(cn, QStringLiteral(QUENDARO_BENCH_FILL));
        testsupport::loadSqlFile(cn, QStringLiteral(QUENDARO_BENCH_PAYABLES));
    }
    shared::abreConexao();
    Figures f;
    {
        frmlancontas form;
        form.show();
        sampling::settle();
        int number = 0;
        f.save = medianOf(2, kSaves, [&] {
            plan(form, dialogs, ++number);
            dialogs.answer(dlg::Answer::Yes);
            return sampling::elapsedMs([&] {
                form.cmdsalva_Click();
                sampling::settle();
            });
        });
        f.rows = shared::gCn()
                     .query(QStringLiteral("select count(*) from cpagar"))
                     .textAt(0, 0)
                     .toLongLong();
    }
    frmOS_Relatorios report;
    report.cboSit->setCurrentIndex(2);
    report.txtDTi->setText(dates::toBr(kFirst));
    report.txtDTf->setText(dates::toBr(kLast));
    report.show();
    sampling::settle();
    f.report = medianOf(1, kReports, [&] {
        return sampling::elapsedMs([&] {
            report.Command1->click();
            sampling::settle();
        });
    });
    f.rows += report.List1->model()->rowCount();
    f.build = medianOf(1, kReports, [] {
        return sampling::elapsedMs([] {
            osreport::build(shared::gCn(), QLatin1Char('2'), kFirst, kLast, std::nullopt,
                            QDate::currentDate());
        });
    });
    return f;
}

void print(const char* label, const Figures& f) {
    std::printf("%-10s save %8.2f ms  report %8.2f ms  build %8.2f ms  rows %lld\n", label, f.save,
                f.report, f.build, static_cast<long long>(f.rows));
    std::fflush(stdout);
}

// One run of `program` in a process of its own; none when it fails.
std::optional<Figures> runOf(const QString& program) {
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QUENDARO_BENCH_AGAINST"));
    run.setProcessEnvironment(environment);
    run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    run.start(program, {});
    if (!run.waitForFinished(-1) || run.exitCode() != 0)
        return std::nullopt;
    const QStringList words = QString::fromLatin1(run.readAllStandardOutput())
                                  .trimmed()
                                  .split(QLatin1Char('\n'))
                                  .constLast()
                                  .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 12)
        return std::nullopt;
    return Figures{words[2].toDouble(), words[5].toDouble(), words[8].toDouble(),
                   words[11].toLongLong()};
}

double ratio(double a, double b) {
    return b > 0 ? a / b : 0;
}

// This build against `earlier`, in `pairs` pairs. The server's caches favour
// whichever runs second, so the two take turns at going first.
int alternate(const QString& earlier, int pairs) {
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> save[2], report[2], build[2], saveRatio, reportRatio, buildRatio;
    std::printf("load average at the start: %s\n", qPrintable(sampling::loadAverage()));
    for (int pair = 0; pair < pairs; ++pair) {
        std::optional<Figures> f[2]; // 0 earlier, 1 this build
        for (int turn = 0; turn < 2; ++turn) {
            const int which = (turn + pair) % 2;
            f[which] = runOf(which == 0 ? earlier : self);
            if (!f[which]) {
                std::fprintf(stderr, "a run of %s failed\n", qPrintable(which ? self : earlier));
                return 1;
            }
        }
        std::printf("pair %d (%s first)\n", pair + 1, pair % 2 ? "this build" : "earlier");
        print("  earlier", *f[0]);
        print("  this", *f[1]);
        for (int which = 0; which < 2; ++which) {
            save[which].push_back(f[which]->save);
            report[which].push_back(f[which]->report);
            build[which].push_back(f[which]->build);
        }
        saveRatio.push_back(ratio(f[1]->save, f[0]->save));
        reportRatio.push_back(ratio(f[1]->report, f[0]->report));
        buildRatio.push_back(ratio(f[1]->build, f[0]->build));
    }
    std::printf("\nmedians of %d alternated pairs (ms): earlier, this build, ratio of the "
                "medians, median of the pairs' ratios\n",
                pairs);
    const auto row = [](const char* name, const std::vector<double>* ms,
                        const std::vector<double>& ratios) {
        const double a = sampling::median(ms[0]);
        const double b = sampling::median(ms[1]);
        std::printf("%-34s %9.2f %9.2f %6.3f %6.3f\n", name, a, b, ratio(b, a),
                    sampling::median(ratios));
    };
    row("payables save, 24 instalments", save, saveRatio);
    row("order report, 5,069 orders, Gerar", report, reportRatio);
    row("  its build without a window", build, buildRatio);
    std::printf("load average at the end: %s\n", qPrintable(sampling::loadAverage()));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!benchsupport::asked("bench_pairs", "run it through bench/pairs/run.sh"))
        return 77;
    const QString earlier = qEnvironmentVariable("QUENDARO_BENCH_AGAINST");
    if (!earlier.isEmpty()) {
        bool given = false;
        const int pairs = qEnvironmentVariableIntValue("QUENDARO_BENCH_PAIRS", &given);
        return alternate(earlier, given && pairs > 0 ? pairs : kPairs);
    }
    print("figures", runOnce());
    return 0;
}
