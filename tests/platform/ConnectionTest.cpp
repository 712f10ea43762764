// The access layer on the embedded engine.

#include "RoundTrip.h"
#include "platform/dataset/Query.h"
#include "platform/db/Credentials.h"
#include "support/TestSite.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace db;

class ConnectionTest : public ::testing::Test
{
protected:
    test::TestSite site;
    std::unique_ptr<Connection> conn = site.connect();

    int count(const QString &sql) { return conn->execute(sql).rows.at(0).at(0).toInt(); }
};

TEST_F(ConnectionTest, EveryKindRoundTripsExactly)
{
    test::createKindsTable(*conn);
    test::expectEveryKindRoundTrips(*conn);
}

TEST_F(ConnectionTest, ValuesThatDoNotFitAreErrorsAndStoreNothing)
{
    test::createKindsTable(*conn);
    struct Case
    {
        const char *column;
        BoundValue value;
    } cases[] = {
        {"V", BoundValue::string(QStringLiteral("12345678901"))},
        {"V", BoundValue::string(QString::fromUtf8("ação ação ã"))},
        {"I", BoundValue::bigInt(2147483648LL)},
        {"SI", BoundValue::integer(40000)},
        {"N2", BoundValue::decimal(Decimal(9223372036854775807LL, 0))},
        {"DT", BoundValue::string(QStringLiteral("31/02/2026"))},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.column);
        try {
            conn->execute(QStringLiteral("insert into KINDS (K, %1) values (1, :V)").arg(QLatin1String(c.column)),
                          {{QStringLiteral("V"), c.value}});
            ADD_FAILURE() << "no error";
        } catch (const DbError &e) {
            EXPECT_FALSE(e.message().isEmpty());
            EXPECT_NE(e.gdsCode(), 0);
            EXPECT_FALSE(e.connectionLost());
        }
    }
    EXPECT_EQ(count(QStringLiteral("select count(*) from KINDS")), 0);
}

TEST_F(ConnectionTest, ErrorsCarryFirebirdsMessageAndCodes)
{
    try {
        conn->execute(QStringLiteral("select * from NO_SUCH_TABLE"));
        FAIL();
    } catch (const DbError &e) {
        EXPECT_TRUE(e.message().contains(QLatin1String("Table unknown"))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QLatin1String("NO_SUCH_TABLE")));
        EXPECT_EQ(e.sqlCode(), -204);
        EXPECT_EQ(e.sqlState(), QStringLiteral("42S02"));
    }
    // The connection is still good afterwards.
    EXPECT_EQ(count(QStringLiteral("select count(*) from GeraID")), 1);
}

TEST_F(ConnectionTest, FailedCommitIsAnErrorAndTheRowIsNotKept)
{
    conn->execute(QStringLiteral("create exception NO_COMMIT 'commit refused'"));
    conn->execute(QStringLiteral("create trigger REFUSE_COMMIT on transaction commit as begin "
                                 "if (exists(select 1 from FORMAPAGA where NOME = 'RECUSAR')) then exception NO_COMMIT; end"));
    EXPECT_THROW(conn->execute(QStringLiteral("insert into FORMAPAGA (ID, NOME) values (99, 'RECUSAR')")), DbError);
    conn->execute(QStringLiteral("drop trigger REFUSE_COMMIT"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from FORMAPAGA where ID = 99")), 0);
}

TEST_F(ConnectionTest, CommittedRowIsSeenByAnotherConnectionsReexecutedQuery)
{
    auto other = site.connect();
    ds::Query q(*other);
    q.setSql(QStringLiteral("select NOME from FORMAPAGA where ID = :ID"));
    q.param(QStringLiteral("ID")).setInteger(7);
    q.open();
    EXPECT_TRUE(q.isEmpty());

    conn->execute(QStringLiteral("insert into FORMAPAGA (ID, NOME) values (7, 'PIX')"));
    q.open();
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.field(QStringLiteral("NOME")).asString(), QStringLiteral("PIX"));
}

TEST_F(ConnectionTest, ExplicitTransactionCommitsOrRollsBackAsOne)
{
    conn->beginTransaction();
    conn->execute(QStringLiteral("update EMPRESA set CORMENU = '2'"));
    conn->execute(QStringLiteral("update EMPRESA set CORBORDA = '255'"));
    conn->rollback();
    EXPECT_TRUE(conn->execute(QStringLiteral("select CORMENU from EMPRESA")).rows[0][0].isNull());

    conn->beginTransaction();
    EXPECT_THROW(conn->beginTransaction(), DbError);
    conn->execute(QStringLiteral("update EMPRESA set CORMENU = '3'"));
    conn->commit();
    EXPECT_FALSE(conn->inTransaction());
    EXPECT_EQ(conn->execute(QStringLiteral("select CORMENU from EMPRESA")).rows[0][0].toString(), QStringLiteral("3"));
}

TEST_F(ConnectionTest, LockHeldByAnotherTerminalEndsInAnErrorAfterTheTimeout)
{
    auto other = site.connect();
    other->setLockTimeout(1);
    conn->beginTransaction();
    conn->execute(QStringLiteral("update EMPRESA set CAIXA = 5"));
    try {
        other->execute(QStringLiteral("update EMPRESA set CAIXA = 6"));
        ADD_FAILURE() << "no error";
    } catch (const DbError &e) {
        EXPECT_TRUE(e.message().contains(QLatin1String("lock"), Qt::CaseInsensitive)) << e.message().toStdString();
    }
    conn->commit();
    EXPECT_EQ(other->execute(QStringLiteral("select CAIXA from EMPRESA")).rows[0][0].toInt(), 5);
    other->execute(QStringLiteral("update EMPRESA set CAIXA = 6"));
}

TEST_F(ConnectionTest, SelectStarSeesAColumnAddedAfterItRan)
{
    const auto before = conn->execute(QStringLiteral("select * from EMPRESA"));
    conn->execute(QStringLiteral("ALTER TABLE EMPRESA ADD EXTRA VARCHAR(12)"));
    const auto after = conn->execute(QStringLiteral("select * from EMPRESA"));
    EXPECT_EQ(after.columns.size(), before.columns.size() + 1);
    EXPECT_GE(after.columnIndex(QStringLiteral("extra")), 0);
}

TEST_F(ConnectionTest, AttachmentKilledByAnotherIsReportedThenReconnected)
{
    auto admin = site.connect();
    conn->execute(QStringLiteral("select 1 from rdb$database"));
    admin->execute(QStringLiteral("delete from mon$attachments where mon$attachment_id <> current_connection"));
    try {
        conn->execute(QStringLiteral("select count(*) from QUARTOS"));
        ADD_FAILURE() << "no error";
    } catch (const DbError &e) {
        EXPECT_TRUE(e.connectionLost()) << e.message().toStdString();
    }
    EXPECT_FALSE(conn->isOpen());
    EXPECT_EQ(count(QStringLiteral("select count(*) from GeraID")), 1);
}

TEST(ConnectionOpen, MissingDatabaseIsAnErrorInWordsAndConnectsOnDemandLater)
{
    QTemporaryDir dir;
    Connection c;
    c.setDatabase(dir.path() + QStringLiteral("/DBTrevandoria.FDB"));
    c.setCredentials(kUser, kPassword);
    try {
        c.execute(QStringLiteral("select 1 from rdb$database"));
        FAIL();
    } catch (const DbError &e) {
        EXPECT_TRUE(e.message().contains(QLatin1String("DBTrevandoria.FDB"))) << e.message().toStdString();
    }
    EXPECT_FALSE(c.isOpen());
    Connection::createDatabase(c.database(), kUser, kPassword);
    EXPECT_EQ(c.execute(QStringLiteral("select 1 from rdb$database")).rows.size(), 1);
    EXPECT_TRUE(c.isOpen());
}
