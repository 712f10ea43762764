// Time to lay out a 5,000-line cash report on the 80 mm roll and write it as PDF.
//   QT_QPA_PLATFORM=offscreen build/bench/finance_bench --benchmark_repetitions=5

#include "finance/Caixa.h"
#include "platform/db/Decimal.h"
#include "report/Report.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// 1,000 bills of five product lines each, as the cash screen builds them.
report::MemoryTable cashLines()
{
    report::MemoryTable table({"Nota", "Historico", "Total", "Quant", "Produto", "geral", "Permanencia"});
    const db::Decimal geral(1000 * 35050, 2);
    for (int bill = 1; bill <= 1000; ++bill)
        for (int line = 0; line < 5; ++line)
            table.append({bill, QStringLiteral("N:%1 APTO:0101 01 DINHEIRO").arg(bill, 4, 10, QLatin1Char('0')),
                          QVariant::fromValue(line == 0 ? db::Decimal(35050, 2) : db::Decimal()),
                          QVariant::fromValue(db::Decimal(line + 1, 0)), QStringLiteral("PRODUTO %1").arg(line),
                          QVariant::fromValue(geral), QStringLiteral("Hospedagem : 14:00 a 12:00")});
    return table;
}

void BM_CashReport5000LinesToPdf(benchmark::State &state)
{
    report::MemoryTable company({"EMPRESA", "ENDERECO", "CIDADE", "ESTADO"});
    company.append({"POUSADA TESTE", "RUA DA PRAIA, 120", "PARATY", "RJ"});
    report::Report r;
    r.setData(QStringLiteral("frxDBCaixa"), cashLines());
    r.setData(QStringLiteral("frxDBEmpresa"), company);
    if (!r.load(QString::fromLatin1(finance::kCaixaTemplate80))) {
        state.SkipWithError("template not found");
        return;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("caixa.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(r.exportPdf(path));
}
BENCHMARK(BM_CashReport5000LinesToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
