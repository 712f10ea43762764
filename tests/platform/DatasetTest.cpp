// Query objects, table datasets and the grid model on a real site.

#include "platform/dataset/DatasetModel.h"
#include "platform/dataset/Table.h"
#include "support/TestSite.h"

#include <gtest/gtest.h>

using namespace ds;

class DatasetTest : public ::testing::Test
{
protected:
    test::TestSite site{true};
    std::unique_ptr<db::Connection> conn = site.connect();
};

TEST_F(DatasetTest, QueryBindsByNameAndNavigates)
{
    Query q(*conn);
    q.addSql(QStringLiteral("select CODIGO, NOME, DIARIA, INICIADATA"));
    q.addSql(QStringLiteral("from QUARTOS where CODIGO >= :DE and CODIGO <= :ATE"));
    q.addSql(QStringLiteral("order by CODIGO"));
    q.param(QStringLiteral("de")).setString(QStringLiteral("0201"));
    q.param(QStringLiteral("ATE")).setString(QStringLiteral("0204"));
    q.open();
    ASSERT_EQ(q.recordCount(), 4);
    QStringList codes;
    for (q.first(); !q.eof(); q.next())
        codes << q.field(QStringLiteral("codigo")).asString();
    EXPECT_EQ(codes, (QStringList{"0201", "0202", "0203", "0204"}));
    q.last();
    EXPECT_EQ(q.field(QStringLiteral("CODIGO")).asString(), QStringLiteral("0204"));
    q.prior();
    EXPECT_EQ(q.field(QStringLiteral("CODIGO")).asString(), QStringLiteral("0203"));
    // Null reads as the empty value of the kind asked for.
    EXPECT_TRUE(q.field(QStringLiteral("INICIADATA")).isNull());
    EXPECT_FALSE(q.field(QStringLiteral("INICIADATA")).asDate().isValid());
    EXPECT_EQ(q.field(QStringLiteral("DIARIA")).asFloat(), 0.0);
    EXPECT_THROW(q.field(QStringLiteral("NO_SUCH")), db::DbError);
    EXPECT_TRUE(q.locate(QStringLiteral("NOME"), QStringLiteral("quarto 202")));
    EXPECT_EQ(q.field(QStringLiteral("CODIGO")).asString(), QStringLiteral("0202"));

    q.clearSql();
    EXPECT_FALSE(q.isOpen());
    q.addSql(QStringLiteral("update QUARTOS set BLOQUEADO = :B where CODIGO like '02%'"));
    q.param(QStringLiteral("B")).setInteger(2);
    q.execSql();
    EXPECT_EQ(q.rowsAffected(), 4);
}

TEST_F(DatasetTest, TableInsertsEditsCancelsAndDeletes)
{
    Table t(*conn, QStringLiteral("FORMAPAGA"));
    t.open();
    const int before = t.recordCount();

    t.insert();
    EXPECT_EQ(t.state(), Table::State::Insert);
    t.setValue(QStringLiteral("ID"), 50);
    t.setValue(QStringLiteral("NOME"), QStringLiteral("BOLETO"));
    t.post();
    EXPECT_EQ(t.state(), Table::State::Browse);

    t.setValue(QStringLiteral("NOME"), QStringLiteral("BOLETO BANCÁRIO"));
    EXPECT_EQ(t.state(), Table::State::Edit);
    t.post();

    t.setValue(QStringLiteral("NOME"), QStringLiteral("DESCARTADO"));
    t.cancel();
    EXPECT_EQ(t.field(QStringLiteral("NOME")).asString(), QStringLiteral("BOLETO BANCÁRIO"));

    // An insert given up leaves nothing behind.
    t.insert();
    t.setValue(QStringLiteral("ID"), 51);
    t.cancel();
    EXPECT_EQ(t.recordCount(), before + 1);

    Table fresh(*conn, QStringLiteral("FORMAPAGA"));
    fresh.open();
    ASSERT_TRUE(fresh.locate(QStringLiteral("ID"), 50));
    EXPECT_EQ(fresh.field(QStringLiteral("NOME")).asString(), QStringLiteral("BOLETO BANCÁRIO"));
    fresh.remove();
    EXPECT_EQ(fresh.recordCount(), before);
    EXPECT_EQ(conn->execute(QStringLiteral("select count(*) from FORMAPAGA where ID = 50")).rows[0][0].toInt(), 0);
}

TEST_F(DatasetTest, FailedPostKeepsTheEditAndStoresNothing)
{
    Table t(*conn, QStringLiteral("FORMAPAGA"));
    t.open();
    t.insert();
    t.setValue(QStringLiteral("ID"), 60);
    t.setValue(QStringLiteral("NOME"), QString(41, u'X'));
    EXPECT_THROW(t.post(), db::DbError);
    EXPECT_EQ(t.state(), Table::State::Insert);
    t.cancel();
    EXPECT_EQ(conn->execute(QStringLiteral("select count(*) from FORMAPAGA where ID = 60")).rows[0][0].toInt(), 0);
}

TEST_F(DatasetTest, ExactNumbersKeepTheirValueThroughATable)
{
    Table t(*conn, QStringLiteral("PRODUTOS"));
    t.open();
    ASSERT_FALSE(t.isEmpty());
    t.setValue(QStringLiteral("VALOR"), QStringLiteral("0,285"));
    t.post();
    const auto rs = conn->execute(QStringLiteral("select VALOR from PRODUTOS where ID = :ID"),
                                  {{QStringLiteral("ID"), db::BoundValue::integer(t.field(QStringLiteral("ID")).asInteger())}});
    EXPECT_EQ(rs.rows[0][0].value<db::Decimal>().toString(), QStringLiteral("0.2850"));
}

TEST_F(DatasetTest, ModelFollowsTheDataset)
{
    Table t(*conn, QStringLiteral("CATEGORIA"));
    DatasetModel model(&t);
    model.setColumns({{QStringLiteral("ID"), QStringLiteral("Codigo"), {}},
                      {QStringLiteral("NOME"), QStringLiteral("Descrição"), {}},
                      {QStringLiteral("VALOR"), QStringLiteral("Valor"),
                       [](const QVariant &v) { return QString::number(v.toDouble(), 'f', 2); }}});
    t.open();
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Descrição"));
    EXPECT_EQ(model.index(0, 1).data().toString(), QStringLiteral("STANDARD"));
    EXPECT_EQ(model.index(0, 2).data().toString(), QStringLiteral("180.00"));
    t.insert();
    EXPECT_EQ(model.rowCount(), 4);
    t.cancel();
    EXPECT_EQ(model.rowCount(), 3);
    t.first();
    t.setValue(QStringLiteral("NOME"), QStringLiteral("ECONÔMICO"));
    EXPECT_EQ(model.index(0, 1).data().toString(), QStringLiteral("ECONÔMICO"));
}

TEST_F(DatasetTest, CalculatedFieldIsComputedFromItsRow)
{
    conn->execute(QStringLiteral("insert into CONSUMO (ID, CODIGO, QUARTO, QUANT, VALOR, NOME) "
                                 "values (GEN_ID(CONSUMO,1), '1', '0101', 3, 2.5, 'AGUA')"));
    Query q(*conn);
    q.addCalculatedField(QStringLiteral("TOTAL"), [](const Dataset &d, int row) {
        const auto quant = d.value(row, d.fieldIndex(QStringLiteral("QUANT"))).value<db::Decimal>();
        const auto valor = d.value(row, d.fieldIndex(QStringLiteral("VALOR"))).value<db::Decimal>();
        return QVariant(quant.toDouble() * valor.toDouble());
    });
    q.setSql(QStringLiteral("select * from consumo"));
    q.open();
    EXPECT_DOUBLE_EQ(q.field(QStringLiteral("TOTAL")).asFloat(), 7.5);
}
