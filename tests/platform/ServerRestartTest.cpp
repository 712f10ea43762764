// The access layer when the server goes away and comes back.

#include "ServerFixture.h"

#include <QProcess>

using namespace db;

// Stops and starts the real server, so it runs alone (see CMakeLists.txt).
TEST_F(ServerTest, StatementAfterServerRestartSucceedsAfterOneReportedError)
{
    const QStringList ours{QStringLiteral("-f"),
                           QStringLiteral("fbguard .*-pidfile /run/firebird3.0/trevandoria-test-fbguard.pid")};
    if (QProcess::execute(QStringLiteral("pgrep"), ours) != 0)
        GTEST_SKIP() << "the server was not started by the test script, so it is not restarted here";
    EXPECT_EQ(conn->execute(QStringLiteral("select count(*) from GeraID")).rows[0][0].toInt(), 1);
    ASSERT_EQ(QProcess::execute(QStringLiteral(FIREBIRD_SERVER_SCRIPT), {QStringLiteral("restart")}), 0);
    try {
        conn->execute(QStringLiteral("select count(*) from GeraID"));
        ADD_FAILURE() << "no error after the restart";
    } catch (const DbError &e) {
        EXPECT_TRUE(e.connectionLost()) << e.message().toStdString();
    }
    EXPECT_EQ(conn->execute(QStringLiteral("select count(*) from GeraID")).rows[0][0].toInt(), 1);
}
