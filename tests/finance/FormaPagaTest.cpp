// The payment methods register: new rows take the generator's number, names are kept
// in upper case, deleting asks first, and a save that fails says so.

#include "FinanceFixture.h"
#include "finance/TFormFormaPaga.h"
#include "ui/common/MessageBoxes.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using finance::TFormFormaPaga;

namespace {

class PaymentMethodsTest : public test::FinanceTest
{
protected:
    PaymentMethodsTest()
    {
        form.show();
        code = form.findChild<QLineEdit *>(QStringLiteral("DBEdit1"));
        name = form.findChild<QLineEdit *>(QStringLiteral("DBEdit2"));
        grid = form.findChild<QTableView *>(QStringLiteral("DBGrid1"));
    }
    void click(const char *button)
    {
        QAbstractButton *b = form.findChild<QAbstractButton *>(QString::fromLatin1(button));
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void typeName(const QString &text)
    {
        name->selectAll();
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClicks(name, text);
    }
    // The stored methods as "ID NOME", by ID.
    QStringList stored()
    {
        QStringList rows;
        for (const auto &r : sql(QStringLiteral("select ID, NOME from FORMAPAGA order by ID")).rows)
            rows << r[0].toString() + u' ' + r[1].toString();
        return rows;
    }
    int nextGenerator() { return scalar(QStringLiteral("select gen_id(FORMAPAGA, 0) from RDB$DATABASE")).toInt() + 1; }

    TFormFormaPaga form;
    QLineEdit *code, *name;
    QTableView *grid;
};

} // namespace

TEST_F(PaymentMethodsTest, NovoTakesAGeneratorNumberAndSalvarStoresTheNameInUpperCase)
{
    const QStringList demo = stored();
    ASSERT_EQ(demo.size(), 3);
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Codigo"));
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("DESCRIÇÂO"));

    // Two "Novo" in a row: the first number is spent, only the saved row exists.
    const int first = nextGenerator();
    click("BitBtn1");
    EXPECT_EQ(code->text(), QString::number(first));
    click("BitBtn1");
    EXPECT_EQ(code->text(), QString::number(first + 1));
    typeName(QStringLiteral("boleto bancario"));
    EXPECT_EQ(name->text(), QStringLiteral("BOLETO BANCARIO"));
    click("BitBtn2");

    EXPECT_EQ(stored(), demo + QStringList{QStringLiteral("%1 BOLETO BANCARIO").arg(first + 1)});
    EXPECT_EQ(grid->model()->rowCount(), 4);
    EXPECT_EQ(form.table().state(), ds::Table::State::Browse);

    // Changing a name and moving on keeps the change, as a data grid does.
    click("nbFirst");
    EXPECT_EQ(code->text(), demo[0].section(u' ', 0, 0));
    typeName(QStringLiteral("especie"));
    click("nbNext");
    EXPECT_EQ(code->text(), demo[1].section(u' ', 0, 0));
    EXPECT_EQ(stored().first(), demo[0].section(u' ', 0, 0) + QStringLiteral(" ESPECIE"));
    click("nbLast");
    EXPECT_EQ(name->text(), QStringLiteral("BOLETO BANCARIO"));
}

TEST_F(PaymentMethodsTest, ExcluirAsksFirstAndLeavesTheLedgerAlone)
{
    const QStringList demo = stored();
    const int id = demo[1].section(u' ', 0, 0).toInt();
    sql(QStringLiteral("insert into FINANCEIRO (ID, VALOR, TIPO, RESERVA, CREDITO) values (1, 10, :TIPO, 5, 10)"),
        {{QStringLiteral("TIPO"), db::BoundValue::integer(id)}});
    ui::ScriptedDialogs dialogs;
    grid->selectRow(1);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(1, 1)).center());
    ASSERT_EQ(code->text(), QString::number(id));

    dialogs.answer(QStringLiteral("N"));
    click("BitBtn3");
    EXPECT_EQ(stored(), demo);
    dialogs.answer(QStringLiteral("S"));
    click("BitBtn3");
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[1].kind, ui::DialogKind::MessageYesNo);
    EXPECT_EQ(dialogs.shown()[1].title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(dialogs.shown()[1].text, QStringLiteral("Deseja Excluir Esse Registro  ?"));
    EXPECT_EQ(stored(), QStringList({demo[0], demo[2]}));
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(scalar(QStringLiteral("select TIPO from FINANCEIRO where ID = 1")).toInt(), id);

    // A new row that was never saved is only discarded: the row the cursor falls back on
    // was not chosen, so nothing is asked and nothing deleted.
    dialogs.answer(QStringLiteral("S"));
    click("BitBtn1");
    click("BitBtn3");
    EXPECT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(stored(), QStringList({demo[0], demo[2]}));
    EXPECT_EQ(grid->model()->rowCount(), 2);
}

TEST_F(PaymentMethodsTest, ASaveThatFailsSaysSoAndKeepsWhatIsStored)
{
    const QStringList demo = stored();
    click("BitBtn1");
    const int taken = code->text().toInt();
    typeName(QStringLiteral("cheque"));
    // Another terminal stored a row under the same number meanwhile.
    sql(QStringLiteral("insert into FORMAPAGA (ID, NOME) values (:ID, 'TRANSFERENCIA')"),
        {{QStringLiteral("ID"), db::BoundValue::integer(taken)}});

    ui::ScriptedDialogs dialogs;
    click("BitBtn2");
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].kind, ui::DialogKind::Critical);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith(QStringLiteral("Não foi possível salvar a forma de pagamento.")));
    EXPECT_EQ(form.table().state(), ds::Table::State::Browse);
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(stored(), demo + QStringList{QStringLiteral("%1 TRANSFERENCIA").arg(taken)});
}
