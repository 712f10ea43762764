// Speed of the access layer: a site created with the demo pousada, an auto-committed
// insert and a select by key, embedded and (with TREV_TEST_SERVER set) through the server.

#include "platform/db/Connection.h"
#include "platform/db/Credentials.h"
#include "platform/db/FirebirdEnvironment.h"
#include "site/Home.h"
#include "site/SiteCreator.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir *workDir()
{
    static QTemporaryDir dir;
    return &dir;
}

QString sharedSite()
{
    static QString home;
    if (home.isEmpty()) {
        home = workDir()->path() + QStringLiteral("/site");
        site::SiteOptions o;
        o.home = home;
        o.demo = true;
        site::createSite(o);
        // The server runs as the firebird user.
        QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("o+x"), workDir()->path()});
        QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("firebird:firebird"), home});
    }
    return home;
}

std::unique_ptr<db::Connection> connect(bool server)
{
    auto c = std::make_unique<db::Connection>();
    const QString path = site::databasePath(sharedSite());
    c->setDatabase(server ? qEnvironmentVariable("TREV_TEST_SERVER") + u':' + path : path);
    c->setCredentials(db::kUser, db::kPassword);
    c->open();
    return c;
}

void CreateDemoSite(benchmark::State &state)
{
    static int n = 0;
    for (auto _ : state) {
        site::SiteOptions o;
        o.home = workDir()->path() + QStringLiteral("/create-%1").arg(n++);
        o.demo = true;
        site::createSite(o);
    }
}

void InsertAutoCommit(benchmark::State &state, bool server)
{
    auto c = connect(server);
    for (auto _ : state) {
        c->execute(QStringLiteral("insert into HISTORICO (ID, HORA, OPERADOR, ACAO) "
                                  "values (GEN_ID(HISTORICO,1), :HORA, :OPERADOR, :ACAO)"),
                   {{QStringLiteral("HORA"), db::BoundValue::string(QStringLiteral("11/12/2026 10:00:00"))},
                    {QStringLiteral("OPERADOR"), db::BoundValue::string(QStringLiteral("ADMIN"))},
                    {QStringLiteral("ACAO"), db::BoundValue::string(QStringLiteral("Benchmark"))}});
    }
}

void SelectByKey(benchmark::State &state, bool server)
{
    auto c = connect(server);
    for (auto _ : state) {
        const auto rs = c->execute(QStringLiteral("select * from QUARTOS where CODIGO = :CODIGO"),
                                   {{QStringLiteral("CODIGO"), db::BoundValue::string(QStringLiteral("0202"))}});
        benchmark::DoNotOptimize(rs.rows.size());
    }
}

} // namespace

BENCHMARK(CreateDemoSite)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK_CAPTURE(InsertAutoCommit, embedded, false)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK_CAPTURE(SelectByKey, embedded, false)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    db::prepareFirebirdEnvironment(QCoreApplication::applicationDirPath());
    if (!qEnvironmentVariableIsEmpty("TREV_TEST_SERVER")) {
        benchmark::RegisterBenchmark("InsertAutoCommit/server", [](benchmark::State &s) { InsertAutoCommit(s, true); })
            ->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
        benchmark::RegisterBenchmark("SelectByKey/server", [](benchmark::State &s) { SelectByKey(s, true); })
            ->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
