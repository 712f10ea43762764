// The cash report: one line per product a bill took out of stock, or one "Sem Consumo"
// line, grouped by bill, chosen from the list of sessions and sent out by the settings.

#include "FinanceFixture.h"
#include "finance/Caixa.h"
#include "finance/Financeiro.h"
#include "finance/TFormImpCaixa.h"
#include "report/Report.h"
#include "ui/common/MessageBoxes.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>

using finance::TFormImpCaixa;

namespace {

class CashReportTest : public test::FinanceTest
{
protected:
    int openCash()
    {
        EXPECT_EQ(finance::AbrirCaixa(dm, 100), QStringLiteral("OK"));
        return finance::CurrentCashNumber(dm.Pesquisa);
    }
    // Sends the chosen session's report out through the screen.
    void print(TFormImpCaixa &form, int session)
    {
        auto *list = form.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        const int index = list->findData(session);
        ASSERT_GE(index, 0) << session;
        list->setCurrentIndex(index);
        QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("BitBtn3")), Qt::LeftButton);
    }
};

const QString kStay = QStringLiteral("Hospedagem : 14:00 a 12:00");

} // namespace

TEST_F(CashReportTest, PrintsEachBillWithItsProductsOrSemConsumoAndTheSessionTotal)
{
    setPrinting(QStringLiteral("Visualizar"), 0, 1);
    const int session = openCash();
    // Bill 101 was paid in part at check-in and the rest at check-out, in this session.
    finance::GravarPagamentoReserva(dm.Atualiza, QStringLiteral("Pagamento Check-In"), 101, 50, 1, 1,
                                    QStringLiteral("ADMIN"), session);
    finance::GravarFinanceiro(dm, QStringLiteral("N:0101 APTO:0101 01 DINHEIRO"), QStringLiteral("101"),
                              QStringLiteral("ADMIN"), kStay, 350);
    addSaleLine(1, 101, session, 2);
    addSaleLine(2, 101, session, 1);
    addSaleLine(3, 101, session, 0.5);
    finance::GravarFinanceiro(dm, QStringLiteral("N:0102 APTO:0102 03 PIX"), QStringLiteral("102"),
                              QStringLiteral("ADMIN"), kStay, 180.5);
    // A bill number that is not a number is booked as 0; the demo's stock entries have no bill.
    finance::GravarFinanceiro(dm, QStringLiteral("TAXA AVULSA"), QStringLiteral("A12"), QStringLiteral("ADMIN"),
                              kStay, 20);
    finance::FecharCaixa(dm);
    const int later = openCash();
    finance::GravarFinanceiro(dm, QStringLiteral("OUTRO CAIXA"), QStringLiteral("103"), QStringLiteral("ADMIN"), kStay, 999);

    report::ReportCapture capture;
    TFormImpCaixa form;
    form.show();
    print(form, session);
    print(form, later);

    ASSERT_EQ(capture.reports().size(), 2);
    EXPECT_EQ(capture.reports()[0].templateName, QStringLiteral("Caixa_bobina80.fr3"));
    EXPECT_EQ(capture.reports()[0].destination.kind, report::Destination::Kind::Preview);
    EXPECT_EQ(test::linesOf(capture.reports()[0].text()),
              QStringList({
                  "POUSADA TESTE", "- RJ", "RELATÓRIO FINANCEIRA",
                  // One group for the bill's two entries; its products are listed once.
                  "Pagamento Check-In", "CONSUMO",
                  "2 | ÁGUA MINERAL 500ML", "Reserva 101",
                  "1 | REFRIGERANTE LATA", "Reserva 101",
                  "0,5 | CERVEJA LONG NECK", "Reserva 101",
                  "0 | Sem Consumo", kStay,
                  "TOTAL DA NOTA | 400,00",
                  "N:0102 APTO:0102 03 PIX", "CONSUMO",
                  "0 | Sem Consumo", kStay,
                  "TOTAL DA NOTA | 180,50",
                  "TAXA AVULSA", "CONSUMO",
                  "0 | Sem Consumo", kStay,
                  "TOTAL DA NOTA | 20,00",
                  "TOTAL DO CAIXA | 600,50",
              }));
    EXPECT_TRUE(test::linesOf(capture.reports()[1].text()).contains(QStringLiteral("TOTAL DO CAIXA | 999,00")));
    EXPECT_TRUE(form.isVisible());

    // An entry's amount sits on its first line only; the session total on every line.
    const report::MemoryTable rows = finance::MontarCDSCaixa(dm, session);
    ASSERT_EQ(rows.rowCount(), 6);
    const int nota = rows.fieldIndex("Nota"), total = rows.fieldIndex("Total"), geral = rows.fieldIndex("geral");
    const QList<QVariantList> expected = {{101, 50}, {101, 0}, {101, 0}, {101, 350}, {102, 180.5}, {0, 20}};
    for (int r = 0; r < rows.rowCount(); ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(rows.value(r, nota).toInt(), expected[r][0].toInt());
        EXPECT_EQ(rows.value(r, total).value<db::Decimal>(), db::Decimal::fromDouble(expected[r][1].toDouble(), 2));
        EXPECT_EQ(rows.value(r, geral).value<db::Decimal>(), db::Decimal::fromDouble(600.5, 2));
    }
}

TEST_F(CashReportTest, ASessionWithoutEntriesPrintsNoLinesAndTheRollFollowsTIPO)
{
    const int session = openCash();
    report::ReportCapture capture;
    TFormImpCaixa form;
    form.show();
    for (int tipo : {0, 1, 2}) {
        setPrinting(QStringLiteral("Visualizar"), 0, tipo);
        print(form, session);
    }
    ASSERT_EQ(capture.reports().size(), 3);
    const char *templates[] = {"Caixa_bobina58.fr3", "Caixa_bobina80.fr3", "Caixa_bobina58.fr3"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(capture.reports()[i].templateName, QString::fromLatin1(templates[i]));
        EXPECT_EQ(test::linesOf(capture.reports()[i].text()),
                  QStringList({"POUSADA TESTE", "- RJ", "RELATÓRIO FINANCEIRA", "TOTAL DO CAIXA | 0,00"}));
        // A roll is one page as long as its content.
        ASSERT_EQ(capture.reports()[i].document.pages.size(), 1);
        EXPECT_EQ(capture.reports()[i].document.pages[0].size.width(), i == 1 ? 80 : 58);
    }
}

TEST_F(CashReportTest, TheListShowsTheSixtyNewestSessionsAndPrintsTheChosenOne)
{
    for (int i = 0; i < 61; ++i) {
        openCash();
        finance::FecharCaixa(dm);
    }
    const int newest = scalar(QStringLiteral("select max(ID) from CAIXA")).toInt();
    TFormImpCaixa form;
    form.show();
    auto *list = form.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    ASSERT_EQ(list->count(), 60);
    EXPECT_EQ(list->currentIndex(), 0);
    const QString today = QDate::currentDate().toString(QStringLiteral("dd/MM/yy"));
    EXPECT_EQ(list->itemText(0), QStringLiteral("%1 %2 ADMIN").arg(newest, 5, 10, QLatin1Char('0')).arg(today));
    EXPECT_EQ(list->itemText(59), QStringLiteral("%1 %2 ADMIN").arg(newest - 59, 5, 10, QLatin1Char('0')).arg(today));
    EXPECT_EQ(form.chosenSession(), newest);
}

TEST_F(CashReportTest, WithNoSessionsTheReportCoversTheEntriesWrittenWhileClosed)
{
    finance::GravarFinanceiro(dm, QStringLiteral("SEM CAIXA"), QStringLiteral("7"), QStringLiteral("ADMIN"), kStay, 42);
    report::ReportCapture capture;
    TFormImpCaixa form;
    form.show();
    EXPECT_EQ(form.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->count(), 0);
    EXPECT_EQ(form.chosenSession(), 0);
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("BitBtn3")), Qt::LeftButton);
    ASSERT_EQ(capture.reports().size(), 1);
    const QStringList lines = test::linesOf(capture.reports()[0].text());
    EXPECT_TRUE(lines.contains(QStringLiteral("SEM CAIXA")));
    EXPECT_EQ(lines.last(), QStringLiteral("TOTAL DO CAIXA | 42,00"));
}

TEST_F(CashReportTest, NaoImprimirSendsNothing)
{
    setPrinting(QStringLiteral("Nao Imprimir"), 1, 1);
    const int session = openCash();
    ui::ScriptedDialogs dialogs;
    report::ReportCapture capture;
    TFormImpCaixa form;
    form.show();
    print(form, session);
    EXPECT_TRUE(capture.reports().isEmpty());
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(CashReportTest, APrinterThatCannotPrintIsNamedAndThePreviewOpensOnce)
{
    setPrinting(QStringLiteral("IMPRESSORA INEXISTENTE"), 1, 0);
    const int session = openCash();
    ui::ScriptedDialogs dialogs;
    TFormImpCaixa form;
    form.show();

    test::PreviewCloser previews;
    print(form, session);

    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].kind, ui::DialogKind::Critical);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QStringLiteral("\"IMPRESSORA INEXISTENTE\"")));
    EXPECT_EQ(previews.count(), 1);
}

// Needs a real print queue: scripts/cups-printer.sh starts CUPS with a PDF printer and
// names it in TREV_TEST_PRINTER, with the folder its files land in, TREV_TEST_PRINTER_OUT.
TEST_F(CashReportTest, PrintsToANamedCupsQueueWithoutADialog)
{
    const QString printer = qEnvironmentVariable("TREV_TEST_PRINTER");
    const QString out = qEnvironmentVariable("TREV_TEST_PRINTER_OUT");
    if (printer.isEmpty() || out.isEmpty())
        GTEST_SKIP() << "TREV_TEST_PRINTER and TREV_TEST_PRINTER_OUT not set: no print queue (scripts/cups-printer.sh)";

    setPrinting(printer, 1, 0);
    const int session = openCash();
    finance::GravarFinanceiro(dm, QStringLiteral("N:0101 APTO:0101 01 DINHEIRO"), QStringLiteral("101"),
                              QStringLiteral("ADMIN"), kStay, 350);
    const QDir folder(out);
    const QStringList before = folder.entryList({QStringLiteral("*.pdf")}, QDir::Files);

    ui::ScriptedDialogs dialogs;
    test::PreviewCloser previews;
    TFormImpCaixa form;
    form.show();
    print(form, session);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(previews.count(), 0);

    QStringList added;
    for (int waited = 0; waited < 60000 && added.isEmpty(); waited += 200) {
        QTest::qWait(200);
        added = folder.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        for (const QString &old : before)
            added.removeAll(old);
    }
    ASSERT_EQ(added.size(), 1) << "nothing arrived in " << out.toStdString();
    // The queue may still be writing it.
    QFile file(folder.filePath(added.first()));
    for (qint64 size = -1; size != file.size() || size == 0;) {
        size = file.size();
        QTest::qWait(300);
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
}
