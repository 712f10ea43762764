// The financial ledger: the two kinds of entry and their codes, the credits of a
// reservation, the period listing and its report by day.

#include "FinanceFixture.h"
#include "finance/Caixa.h"
#include "finance/Financeiro.h"
#include "finance/TFormMovFinanceiro.h"
#include "report/Report.h"

#include <QDateEdit>
#include <QPushButton>
#include <QTest>

namespace {

class LedgerTest : public test::FinanceTest
{
protected:
    // The columns of one entry by name.
    QVariantMap entry(int id)
    {
        const db::ResultSet rs = sql(QStringLiteral("select * from FINANCEIRO where ID = :ID"),
                                     {{QStringLiteral("ID"), db::BoundValue::integer(id)}});
        QVariantMap values;
        for (int c = 0; c < rs.columns.size(); ++c)
            values.insert(rs.columns[c].name, rs.rows.value(0).value(c));
        return values;
    }
    int lastEntry() { return scalar(QStringLiteral("select max(ID) from FINANCEIRO")).toInt(); }
};

} // namespace

TEST_F(LedgerTest, AReservationPaymentCarriesItsCodesAndTheCashNumberOfTheMoment)
{
    for (const bool cashOpen : {true, false}) {
        SCOPED_TRACE(cashOpen);
        if (cashOpen)
            ASSERT_EQ(finance::AbrirCaixa(dm, 0), QStringLiteral("OK"));
        else
            finance::FecharCaixa(dm);
        const int caixa = finance::CurrentCashNumber(dm.Pesquisa);
        EXPECT_EQ(caixa != 0, cashOpen);
        finance::GravarPagamentoReserva(dm.Atualiza, QStringLiteral("Pagamento Check-In"), 37, 150, 12, 2,
                                        QStringLiteral("ADMIN"), caixa);
        const QVariantMap e = entry(lastEntry());
        EXPECT_EQ(e["DATA"].toDate(), QDate::currentDate());
        EXPECT_TRUE(e["HORA"].toTime().isValid());
        EXPECT_FLOAT_EQ(e["CREDITO"].toFloat(), 150);
        EXPECT_FLOAT_EQ(e["VALOR"].toFloat(), 150);
        EXPECT_TRUE(e["DEBITO"].isNull());
        EXPECT_EQ(e["HISTORICO"].toString(), QStringLiteral("Pagamento Check-In"));
        EXPECT_EQ(e["RESERVA"].toInt(), 37);
        EXPECT_EQ(e["NOTA"].toInt(), 37);
        EXPECT_EQ(e["CLIENTE"].toInt(), 12);
        EXPECT_EQ(e["TIPO"].toInt(), 2);
        EXPECT_EQ(e["PERMANENCIA"].toString(), QStringLiteral("Reserva 37"));
        EXPECT_EQ(e["ATENDENTE"].toString(), QStringLiteral("ADMIN"));
        EXPECT_EQ(e["CAIXA"].toInt(), caixa);
    }
}

TEST_F(LedgerTest, ACheckOutEntryIsStampedWithTheOpenCashAndAddsNoCredit)
{
    ASSERT_EQ(finance::AbrirCaixa(dm, 0), QStringLiteral("OK"));
    const int caixa = finance::CurrentCashNumber(dm.Pesquisa);
    const std::pair<const char *, int> bills[] = {{"37", 37}, {"A12", 0}, {"", 0}, {"12.5", 0}};
    for (const auto &[bill, nota] : bills) {
        SCOPED_TRACE(bill);
        finance::GravarFinanceiro(dm, QStringLiteral("N:0037 APTO:0101 01 DINHEIRO"), QString::fromLatin1(bill),
                                  QStringLiteral("ADMIN"), QStringLiteral("Hospedagem : 14:00 a 12:00"), 480.9);
        const QVariantMap e = entry(lastEntry());
        EXPECT_EQ(e["NOTA"].toInt(), nota);
        EXPECT_FALSE(e["NOTA"].isNull());
        EXPECT_EQ(e["CAIXA"].toInt(), caixa);
        EXPECT_FLOAT_EQ(e["VALOR"].toFloat(), 480.9f);
        EXPECT_EQ(e["PERMANENCIA"].toString(), QStringLiteral("Hospedagem : 14:00 a 12:00"));
        for (const char *column : {"CREDITO", "DEBITO", "RESERVA", "CLIENTE", "TIPO"})
            EXPECT_TRUE(e[QString::fromLatin1(column)].isNull()) << column;
    }
    finance::ListarFinanceiroReserva(dm.Pesquisa, 37);
    EXPECT_EQ(finance::SomarCreditos(dm.Pesquisa), 0.0);
}

TEST_F(LedgerTest, AFailedCheckOutEntryReachesTheCaller)
{
    // A description wider than its column cannot be stored: the check-out must hear of it.
    EXPECT_THROW(finance::GravarFinanceiro(dm, QString(41, u'X'), QStringLiteral("37"), QStringLiteral("ADMIN"),
                                           QStringLiteral("Hospedagem"), 100),
                 db::DbError);
    EXPECT_EQ(count(QStringLiteral("FINANCEIRO")), 0);
}

TEST_F(LedgerTest, CreditsOfAReservationAddUpExactlyAndDeletingOneTakesItOff)
{
    EXPECT_EQ(finance::SomarCreditos(dm.Pesquisa), 0.0) << "a query that is not open";
    finance::ListarFinanceiroReserva(dm.Pesquisa, 37);
    EXPECT_EQ(finance::SomarCreditos(dm.Pesquisa), 0.0) << "no rows";

    for (int i = 0; i < 10; ++i)
        finance::GravarPagamentoReserva(dm.Atualiza, QStringLiteral("Sinal"), 37, 0.1, 12, 1, QStringLiteral("ADMIN"), 0);
    finance::GravarPagamentoReserva(dm.Atualiza, QStringLiteral("Outra"), 38, 500, 13, 1, QStringLiteral("ADMIN"), 0);
    finance::GravarFinanceiro(dm, QStringLiteral("Check-out"), QStringLiteral("37"), QStringLiteral("ADMIN"),
                              QStringLiteral("Hospedagem"), 900);

    finance::ListarFinanceiroReserva(dm.Pesquisa, 37);
    EXPECT_EQ(dm.Pesquisa.recordCount(), 10);
    EXPECT_DOUBLE_EQ(finance::SomarCreditos(dm.Pesquisa), 1.0);
    EXPECT_TRUE(dm.Pesquisa.eof());

    const int first = dm.Pesquisa.value(0, dm.Pesquisa.fieldIndex(QStringLiteral("ID"))).toInt();
    finance::ExcluirFinanceiro(dm.Atualiza, first);
    finance::ListarFinanceiroReserva(dm.Pesquisa, 37);
    EXPECT_DOUBLE_EQ(finance::SomarCreditos(dm.Pesquisa), 0.9);
    EXPECT_EQ(count(QStringLiteral("FINANCEIRO")), 11);
}

TEST_F(LedgerTest, ThePeriodReportGroupsTheDaysWithTheirTotalsAndBothEndsIncluded)
{
    setPrinting(QStringLiteral("Visualizar"), 0, 1);
    const QDate d1(2025, 3, 1), d2(2025, 3, 15), d3(2025, 3, 31);
    addEntry(d1.addDays(-1), QStringLiteral("FORA ANTES"), 1000, 1, 0);
    addEntry(d2, QStringLiteral("N:0002 PIX"), 200, 2, 0, QStringLiteral("Reserva 2"));
    addEntry(d1, QStringLiteral("N:0001 DINHEIRO"), 150.1, 1, 0);
    addEntry(d2, QStringLiteral("N:0003 CARTAO"), 99.9, 3, 0);
    addEntry(d3, QStringLiteral("N:0004 DINHEIRO"), 50, 4, 0);
    addEntry(d3.addDays(1), QStringLiteral("FORA DEPOIS"), 1000, 5, 0);

    report::ReportCapture capture;
    finance::TFormMovFinanceiro form;
    form.show();
    auto *start = form.findChild<QDateEdit *>(QStringLiteral("DateTimePicker1"));
    auto *end = form.findChild<QDateEdit *>(QStringLiteral("DateTimePicker2"));
    const QDate today = QDate::currentDate();
    EXPECT_EQ(start->date(), QDate(today.year(), today.month(), 1));
    EXPECT_EQ(end->date(), QDate(today.year(), today.month(), today.daysInMonth()));
    start->setDate(d1);
    end->setDate(d3);
    auto *print = form.findChild<QPushButton *>(QStringLiteral("BitBtn1"));
    QTest::mouseClick(print, Qt::LeftButton);
    // A start after the end selects nothing.
    start->setDate(d3.addDays(1));
    QTest::mouseClick(print, Qt::LeftButton);

    ASSERT_EQ(capture.reports().size(), 2);
    EXPECT_EQ(capture.reports()[0].templateName, QStringLiteral("Financeiro_bobina80.fr3"));
    const QString stay = QStringLiteral("Hospedagem : 14:00 a 12:00");
    EXPECT_EQ(test::linesOf(capture.reports()[0].text()),
              QStringList({
                  "POUSADA TESTE", "- RJ", "RELATÓRIO FINANCEIRA", "HISTORICO | VALOR",
                  "DATA 01/03/2025", "N:0001 DINHEIRO | 150,10", stay, "TOTAL DO DIA | 150,10",
                  "DATA 15/03/2025", "N:0002 PIX | 200,00", "Reserva 2", "N:0003 CARTAO | 99,90", stay,
                  "TOTAL DO DIA | 299,90",
                  "DATA 31/03/2025", "N:0004 DINHEIRO | 50,00", stay, "TOTAL DO DIA | 50,00",
                  "TOTAL PERIODO | 500,00",
              }));
    EXPECT_EQ(test::linesOf(capture.reports()[1].text()),
              QStringList({"POUSADA TESTE", "- RJ", "RELATÓRIO FINANCEIRA", "HISTORICO | VALOR", "TOTAL PERIODO | 0,00"}));
    EXPECT_TRUE(form.isVisible());
}
