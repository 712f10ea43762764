// The site tool as an administrator runs it, and the program started on its site.

#include "platform/db/Connection.h"
#include "platform/db/Credentials.h"
#include "site/Home.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun
{
    int status;
    QString out;
    QString err;
};

ToolRun runProgram(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

ToolRun runSite(const QStringList &args) { return runProgram(QStringLiteral(SITE_TOOL), args); }

int count(db::Connection &c, const char *table)
{
    return c.execute(QStringLiteral("select count(*) from %1").arg(QLatin1String(table))).rows[0][0].toInt();
}

} // namespace

TEST(SiteTool, DemoSiteHoldsABelievablePousadaAndTheProgramStartsOnIt)
{
    QTemporaryDir tmp;
    const QString home = tmp.path() + QStringLiteral("/pousada");
    const ToolRun r = runSite({QStringLiteral("create"), QStringLiteral("--home"), home, QStringLiteral("--demo"),
                        QStringLiteral("--company"), QStringLiteral("Pousada Mar Azul"), QStringLiteral("--state"),
                        QStringLiteral("rj"), QStringLiteral("--user"), QStringLiteral("maria"),
                        QStringLiteral("--password"), QStringLiteral("segredo")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();

    {
        db::Connection c;
        c.setDatabase(site::databasePath(home));
        c.setCredentials(db::kUser, db::kPassword);
        EXPECT_EQ(count(c, "CATEGORIA"), 3);
        EXPECT_GE(count(c, "QUARTOS"), 10);
        EXPECT_EQ(count(c, "FORMAPAGA"), 3);
        EXPECT_GE(count(c, "PRODUTOS"), 8);
        EXPECT_EQ(count(c, "CLIENTES"), 5);
        EXPECT_EQ(count(c, "TIPORESERVA"), 1);
        const auto codes = c.execute(QStringLiteral("select CODIGO from QUARTOS"));
        for (const auto &row : codes.rows)
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}$")).match(row[0].toString()).hasMatch());
        const auto rates = c.execute(QStringLiteral("select count(*) from CATEGORIA where VALOR > 0 and ADCIONAL > 0"));
        EXPECT_EQ(rates.rows[0][0].toInt(), 3);
        const auto stock = c.execute(QStringLiteral("select count(*) from PRODUTOS where ESTGERAL > 0"));
        EXPECT_EQ(stock.rows[0][0].toInt(), count(c, "PRODUTOS"));
        const auto user = c.execute(QStringLiteral("select NOME, SENHA, SISTEMA from SORQUIL"));
        ASSERT_EQ(user.rows.size(), 1);
        EXPECT_EQ(user.rows[0][0].toString(), QStringLiteral("MARIA"));
        EXPECT_EQ(user.rows[0][1].toString(), QStringLiteral("SEGREDO"));
        const auto company = c.execute(QStringLiteral("select EMPRESA, ESTADO, CAIXA from EMPRESA"));
        EXPECT_EQ(company.rows[0][0].toString(), QStringLiteral("POUSADA MAR AZUL"));
        EXPECT_EQ(company.rows[0][1].toString(), QStringLiteral("RJ"));
        EXPECT_EQ(company.rows[0][2].toInt(), 0);
        // While this process holds the database open, another process backs it up
        // and the site tool still refuses to touch it.
        const ToolRun backup = runProgram(QStringLiteral("gbak"), {QStringLiteral("-b"), QStringLiteral("-user"),
                                                                  db::kUser, site::databasePath(home),
                                                                  tmp.path() + QStringLiteral("/copia.fbk")});
        EXPECT_EQ(backup.status, 0) << backup.err.toStdString() << backup.out.toStdString();
        const ToolRun again = runSite({QStringLiteral("create"), QStringLiteral("--home"), home});
        EXPECT_NE(again.status, 0);
        EXPECT_TRUE(again.err.contains(QStringLiteral("Já existe"))) << again.err.toStdString();
        EXPECT_EQ(count(c, "QUARTOS"), 12);
    }

    const ToolRun program = runProgram(QStringLiteral(PROGRAM), {QStringLiteral("--home"), home, QStringLiteral("--quit-when-shown")});
    EXPECT_EQ(program.status, 0) << program.err.toStdString();
}

TEST(SiteTool, RefusesBadInputWithAMessageAndChangesNothing)
{
    QTemporaryDir tmp;
    QFile file(tmp.path() + QStringLiteral("/a-file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    struct Case
    {
        const char *what;
        QStringList args;
        const char *message;
    } cases[] = {
        {"state of three letters", {"--home", tmp.path() + "/s1", "--state", "RJX"}, "Estado"},
        {"state with a digit", {"--home", tmp.path() + "/s2", "--state", "R1"}, "Estado"},
        {"user name too long", {"--home", tmp.path() + "/s3", "--user", "ABCDEFGHIJKLMNOP"}, "usuário"},
        {"password too long", {"--home", tmp.path() + "/s4", "--password", "12345678901"}, "senha"},
        {"home under a file", {"--home", file.fileName() + "/site"}, "a-file"},
        {"home where nobody writes", {"--home", "/proc/trevandoria-site"}, "/proc"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const ToolRun r = runSite(QStringList{QStringLiteral("create")} << c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message), Qt::CaseInsensitive)) << r.err.toStdString();
    }
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"a-file"});
    EXPECT_NE(runSite({}).status, 0);
}

TEST(SiteTool, HelpDocumentsEveryOption)
{
    const ToolRun r = runSite({QStringLiteral("--help")});
    EXPECT_EQ(r.status, 0);
    for (const char *option : {"--home", "--company", "--address", "--city", "--state", "--user", "--password", "--demo"})
        EXPECT_TRUE(r.out.contains(QLatin1String(option))) << option;
}
