// Writes the PDF examples of the cash and period report templates, filled from a demo
// site as the screens fill them:  finance_report_examples <folder>

#include "access/Sessao.h"
#include "data/TLogon.h"
#include "finance/Caixa.h"
#include "finance/Financeiro.h"
#include "platform/db/FirebirdEnvironment.h"
#include "report/Report.h"
#include "support/TestSite.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {

void addSale(data::TLogon &dm, int product, int nota, int caixa, double saida)
{
    dm.Logon.execute(QStringLiteral("insert into ESTFIC (ID, CODIGO, VALOR, DATA, HISTORICO, NFISCAL, CAIXA, SAIDA) "
                                    "values (GEN_ID(ESTFIC, 1), :CODIGO, 0, CURRENT_DATE, 'Venda', :NFISCAL, :CAIXA, :SAIDA)"),
                     {{QStringLiteral("CODIGO"), db::BoundValue::string(QString::number(product))},
                      {QStringLiteral("NFISCAL"), db::BoundValue::integer(nota)},
                      {QStringLiteral("CAIXA"), db::BoundValue::integer(caixa)},
                      {QStringLiteral("SAIDA"), db::BoundValue::dbl(saida)}});
}

void moveEntryTo(data::TLogon &dm, const QDate &day)
{
    dm.Logon.execute(QStringLiteral("update FINANCEIRO set DATA = :DATA where ID = (select max(ID) from FINANCEIRO)"),
                     {{QStringLiteral("DATA"), db::BoundValue::date(day)}});
}

bool write(report::Report &report, const QString &folder, const QString &templateName)
{
    report.load(templateName);
    const QString path = QDir(folder).filePath(QFileInfo(templateName).completeBaseName() + QStringLiteral(".pdf"));
    const bool ok = !report.isEmpty() && report.exportPdf(path);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "escrito" : "FALHOU", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s <pasta>\n", argv[0]);
        return 2;
    }
    db::prepareFirebirdEnvironment(QCoreApplication::applicationDirPath());
    test::TestSite site(true);
    data::TLogon dm(site.home() + QStringLiteral("/site"));
    dm.DataModuleCreate();
    acesso::SetOperatorName(QStringLiteral("ADMIN"));
    dm.Logon.execute(QStringLiteral("update EMPRESA set ENDERECO = 'RUA DA PRAIA, 120', CIDADE = 'PARATY'"));
    const QDateTime printed(QDate(2025, 3, 10), QTime(22, 15));

    finance::AbrirCaixa(dm, 200);
    const int caixa = finance::CurrentCashNumber(dm.Pesquisa);
    const QString stay = QStringLiteral("Hospedagem : 14:00 a 12:00");
    finance::GravarPagamentoReserva(dm.Atualiza, QStringLiteral("Pagamento Check-In"), 12, 150, 1, 1,
                                    QStringLiteral("ADMIN"), caixa);
    moveEntryTo(dm, QDate(2025, 3, 8));
    finance::GravarFinanceiro(dm, QStringLiteral("N:0012 APTO:0101 01 DINHEIRO"), QStringLiteral("12"),
                              QStringLiteral("ADMIN"), stay, 485.5);
    moveEntryTo(dm, QDate(2025, 3, 9));
    addSale(dm, 1, 12, caixa, 2);
    addSale(dm, 3, 12, caixa, 4);
    addSale(dm, 6, 12, caixa, 1);
    finance::GravarFinanceiro(dm, QStringLiteral("N:0014 APTO:0203 03 PIX"), QStringLiteral("14"),
                              QStringLiteral("ADMIN"), QStringLiteral("Hospedagem : 11:30 a 10:45"), 320);
    moveEntryTo(dm, QDate(2025, 3, 9));
    finance::GravarFinanceiro(dm, QStringLiteral("N:0015 APTO:0301 02 CARTÃO DE CRÉDITO"), QStringLiteral("15"),
                              QStringLiteral("ADMIN"), QStringLiteral("Hospedagem : 15:10 a 11:55"), 910.75);
    moveEntryTo(dm, QDate(2025, 3, 10));
    addSale(dm, 2, 15, caixa, 3);

    bool ok = true;
    {
        report::Report cash;
        cash.setPrintTime(printed);
        cash.setData(QStringLiteral("frxDBCaixa"), finance::MontarCDSCaixa(dm, caixa));
        dm.VerEmpresa();
        cash.setData(QStringLiteral("frxDBEmpresa"), dm.Empresa);
        cash.setData(QStringLiteral("frxDBReceber"), dm.FINANCEIRO);
        cash.setData(QStringLiteral("frxDBFicha"), dm.ESTFIC);
        for (const char *name : {finance::kCaixaTemplate58, finance::kCaixaTemplate80})
            ok = write(cash, QString::fromLocal8Bit(argv[1]), QString::fromLatin1(name)) && ok;
    }
    {
        ds::Query entries(dm.Logon), company(dm.Logon);
        finance::ListarFinanceiroPeriodo(entries, QDate(2025, 3, 1), QDate(2025, 3, 31));
        dm.VerEmpresa();
        report::Report period;
        period.setPrintTime(printed);
        period.setData(QStringLiteral("frxDBFinanceiro"), entries);
        period.setData(QStringLiteral("frxDBEmpresa"), dm.Empresa);
        for (const char *name : {finance::kFinanceiroTemplate58, finance::kFinanceiroTemplate80})
            ok = write(period, QString::fromLocal8Bit(argv[1]), QString::fromLatin1(name)) && ok;
    }
    return ok ? 0 : 1;
}
