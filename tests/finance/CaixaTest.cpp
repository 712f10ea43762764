// Cash sessions: opening and closing through the screen, the state kept in EMPRESA,
// the session rows, and what a terminal sees when another one got there first.

#include "FinanceFixture.h"
#include "finance/Caixa.h"
#include "finance/TFormCaixa.h"
#include "ui/common/MessageBoxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using finance::TFormCaixa;

namespace {

struct CashScreen
{
    CashScreen()
    {
        form.show();
        state = form.findChild<QLabel *>(QStringLiteral("Label6"));
        number = form.findChild<QLabel *>(QStringLiteral("Label7"));
        date = form.findChild<QLabel *>(QStringLiteral("Label8"));
        amount = form.findChild<QLabel *>(QStringLiteral("Label9"));
        box = form.findChild<QLineEdit *>(QStringLiteral("Edit1"));
        confirm = form.findChild<QPushButton *>(QStringLiteral("BitBtn3"));
    }
    void type(const QString &keys)
    {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, keys);
    }
    TFormCaixa form;
    QLabel *state, *number, *date, *amount;
    QLineEdit *box;
    QPushButton *confirm;
};

class CashTest : public test::FinanceTest
{
protected:
    struct CompanyState
    {
        QVariant caixa, data, hora, valor;
    };
    CompanyState company()
    {
        const auto rs = sql(QStringLiteral("select CAIXA, DATA, HORA, VALOR from EMPRESA"));
        const auto &r = rs.rows.first();
        return {r[0], r[1], r[2], r[3]};
    }
    QList<QVariant> sessionRow(int id)
    {
        const auto rs = sql(QStringLiteral("select ID, DATA, ATEND, VALOR from CAIXA where ID = :ID"),
                            {{QStringLiteral("ID"), db::BoundValue::integer(id)}});
        return rs.rows.value(0);
    }
};

} // namespace

TEST_F(CashTest, OpeningAndClosingThroughTheScreenKeepTheCompanyRowAndTheSessionRows)
{
    acesso::SetOperatorName(QStringLiteral("MARIA APARECIDA DOS SANTOS"));
    int first = 0;
    {
        CashScreen screen;
        EXPECT_EQ(screen.state->text(), QStringLiteral("CAIXA FECHADO"));
        EXPECT_EQ(screen.number->text(), QStringLiteral("0"));
        EXPECT_TRUE(screen.box->isVisible());
        EXPECT_FALSE(screen.amount->isVisible());
        EXPECT_EQ(screen.box->text(), QStringLiteral("0"));
        EXPECT_EQ(screen.confirm->text(), QStringLiteral("Abrir um Caixa ?"));
        // Letters, a point and a second comma are dropped as they are typed.
        screen.type(QStringLiteral("1a2,,5."));
        EXPECT_EQ(screen.box->text(), QStringLiteral("12,5"));
        // Enter in the box opens nothing by itself: only the button does.
        QTest::keyClick(screen.box, Qt::Key_Return);
        EXPECT_TRUE(screen.form.isVisible());
        EXPECT_EQ(count(QStringLiteral("CAIXA")), 0);
        QTest::mouseClick(screen.confirm, Qt::LeftButton);
        EXPECT_EQ(screen.form.result(), QDialog::Accepted);
        EXPECT_FALSE(screen.form.isVisible());
    }
    const CompanyState opened = company();
    first = opened.caixa.toInt();
    EXPECT_GT(first, 0);
    EXPECT_EQ(opened.data.toDate(), QDate::currentDate());
    EXPECT_TRUE(opened.hora.toTime().isValid());
    EXPECT_FLOAT_EQ(opened.valor.toFloat(), 12.5f);
    const QList<QVariant> row = sessionRow(first);
    ASSERT_EQ(row.size(), 4);
    EXPECT_EQ(row[1].toDate(), QDate::currentDate());
    EXPECT_EQ(row[2].toString(), QStringLiteral("MARIA APARECIDA"));
    EXPECT_EQ(row[3].value<db::Decimal>().toString(), QStringLiteral("12.5000"));

    {
        CashScreen screen;
        EXPECT_EQ(screen.state->text(), QStringLiteral("CAIXA ABERTO"));
        EXPECT_EQ(screen.number->text(), QString::number(first));
        EXPECT_EQ(screen.date->text(), QDate::currentDate().toString(QStringLiteral("dd/MM/yy")));
        EXPECT_EQ(screen.amount->text(), QStringLiteral("12,50"));
        EXPECT_FALSE(screen.box->isVisible());
        EXPECT_EQ(screen.confirm->text(), QStringLiteral("Fechar o Caixa ?"));
        QTest::mouseClick(screen.confirm, Qt::LeftButton);
    }
    const CompanyState closed = company();
    EXPECT_EQ(closed.caixa.toInt(), 0);
    EXPECT_TRUE(closed.data.isNull());
    EXPECT_TRUE(closed.hora.isNull());
    EXPECT_FLOAT_EQ(closed.valor.toFloat(), 0.0f);
    EXPECT_EQ(sessionRow(first), row);

    // The next session takes the generator's next number; the old row stays as it was.
    {
        CashScreen screen;
        screen.type(QStringLiteral(","));
        QTest::mouseClick(screen.confirm, Qt::LeftButton);
    }
    EXPECT_EQ(company().caixa.toInt(), first + 1);
    EXPECT_EQ(sessionRow(first + 1).value(3).value<db::Decimal>().toString(), QStringLiteral("0.0000"));
    EXPECT_EQ(sessionRow(first), row);
    EXPECT_EQ(count(QStringLiteral("CAIXA")), 2);
}

TEST(CashAmount, ReadsTheDecimalCommaAndFallsBackToZero)
{
    const std::pair<const char *, double> cases[] = {
        {"0", 0}, {"12,5", 12.5}, {"1500", 1500}, {"0,05", 0.05}, {"", 0}, {",", 0}, {"12,", 12},
    };
    for (const auto &[text, value] : cases)
        EXPECT_DOUBLE_EQ(TFormCaixa::amountOf(QString::fromLatin1(text)), value) << text;
}

TEST_F(CashTest, VoltarAndTheCloseButtonChangeNothing)
{
    for (const char *button : {"BitBtn2", "SpeedButton3"}) {
        CashScreen screen;
        screen.type(QStringLiteral("100"));
        QTest::mouseClick(screen.form.findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
        EXPECT_FALSE(screen.form.isVisible()) << button;
        EXPECT_EQ(screen.form.result(), QDialog::Rejected) << button;
    }
    EXPECT_EQ(count(QStringLiteral("CAIXA")), 0);
    EXPECT_EQ(company().caixa.toInt(), 0);
}

TEST_F(CashTest, ASessionOpenedMeanwhileByAnotherTerminalIsShownNotReplaced)
{
    ui::ScriptedDialogs dialogs;
    CashScreen screen;
    ASSERT_EQ(screen.confirm->text(), QStringLiteral("Abrir um Caixa ?"));
    // Another terminal opens the cash while this window still shows it closed.
    ASSERT_EQ(finance::AbrirCaixa(dm, 80), QStringLiteral("OK"));
    const int other = company().caixa.toInt();

    screen.type(QStringLiteral("50"));
    QTest::mouseClick(screen.confirm, Qt::LeftButton);

    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].kind, ui::DialogKind::MessageOk);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("O caixa %1 acabou de ser aberto em outro terminal.").arg(other));
    EXPECT_TRUE(screen.form.isVisible());
    EXPECT_EQ(screen.state->text(), QStringLiteral("CAIXA ABERTO"));
    EXPECT_EQ(screen.number->text(), QString::number(other));
    EXPECT_EQ(count(QStringLiteral("CAIXA")), 1);
    EXPECT_EQ(company().caixa.toInt(), other);

    // Closed and reopened elsewhere: this window does not close the session it never saw.
    finance::FecharCaixa(dm);
    ASSERT_EQ(finance::AbrirCaixa(dm, 0), QStringLiteral("OK"));
    const int newer = company().caixa.toInt();
    QTest::mouseClick(screen.confirm, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[1].text,
              QStringLiteral("O caixa %1 já foi fechado em outro terminal e o caixa %2 foi aberto.").arg(other).arg(newer));
    EXPECT_EQ(company().caixa.toInt(), newer);
    EXPECT_EQ(screen.number->text(), QString::number(newer));
}

TEST_F(CashTest, AFailedOpeningIsReportedAndLeavesTheCashClosed)
{
    // The session table is gone: the insert fails after the number was drawn.
    sql(QStringLiteral("drop table CAIXA"));
    EXPECT_TRUE(finance::AbrirCaixa(dm, 10).startsWith(QLatin1String("ERRO: ")));

    ui::ScriptedDialogs dialogs;
    CashScreen screen;
    QTest::mouseClick(screen.confirm, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].kind, ui::DialogKind::Critical);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith(QStringLiteral("Não foi possível abrir o caixa.\n\nDynamic SQL Error")))
        << dialogs.shown()[0].text.toStdString();
    EXPECT_EQ(company().caixa.toInt(), 0);
}

TEST_F(CashTest, TheAmountBoxFiltersTypedCharactersOnlyAndTabLeavesIt)
{
    CashScreen s;
    s.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s.form));
    s.type(QStringLiteral("12a,5,0x"));
    EXPECT_EQ(s.box->text(), QStringLiteral("12,50"));
    s.box->setFocus();
    s.box->setCursorPosition(0);
    QTest::keyClick(s.box, Qt::Key_Delete);
    EXPECT_EQ(s.box->text(), QStringLiteral("2,50"));
    QTest::keyClick(s.box, Qt::Key_Tab);
    EXPECT_FALSE(s.box->hasFocus());
}
