// The access layer through the Firebird server on 127.0.0.1.

#include "RoundTrip.h"
#include "platform/dataset/Query.h"

#include <gtest/gtest.h>

using namespace db;

#include "ServerFixture.h"

TEST_F(ServerTest, EveryKindRoundTripsExactly)
{
    test::createKindsTable(*conn);
    test::expectEveryKindRoundTrips(*conn);
}

TEST_F(ServerTest, CommittedRowIsSeenByAnotherTerminalsReexecutedQuery)
{
    auto terminal = connect();
    ds::Query q(*terminal);
    q.setSql(QStringLiteral("select count(*) as N from CONSUMO where QUARTO = :QUARTO"));
    q.param(QStringLiteral("QUARTO")).setString(QStringLiteral("0101"));
    q.open();
    EXPECT_EQ(q.field(QStringLiteral("N")).asInteger(), 0);
    conn->execute(QStringLiteral("insert into CONSUMO (ID, CODIGO, QUARTO, QUANT, VALOR, NOME) "
                                 "values (GEN_ID(CONSUMO,1), '1', '0101', 1, 5, 'AGUA')"));
    q.open();
    EXPECT_EQ(q.field(QStringLiteral("N")).asInteger(), 1);
}

TEST_F(ServerTest, LockHeldByAnotherTerminalEndsInAnErrorAfterTheTimeout)
{
    auto terminal = connect();
    terminal->setLockTimeout(1);
    conn->beginTransaction();
    conn->execute(QStringLiteral("update EMPRESA set CAIXA = 1"));
    EXPECT_THROW(terminal->execute(QStringLiteral("update EMPRESA set CAIXA = 2")), DbError);
    conn->rollback();
}

TEST(ServerUnreachable, ComputerWhereNoServerAnswersIsAnError)
{
    Connection c;
    c.setDatabase(QStringLiteral("127.0.0.2:/tmp/DBTrevandoria.FDB"));
    c.setCredentials(kUser, kPassword);
    try {
        c.open();
        FAIL();
    } catch (const DbError &e) {
        EXPECT_FALSE(e.message().isEmpty());
    }
    EXPECT_FALSE(c.isOpen());
}
