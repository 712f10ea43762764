// Where the database is, the connection problem screen and the shared queries.

#include "data/NetworkSettings.h"
#include "data/TFormErro.h"
#include "data/TLogon.h"
#include "support/TestSite.h"
#include "ui/common/MessageBoxes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using data::TLogon;

namespace {

void writeSettings(const QString &home, const QString &name, const QByteArray &content)
{
    QFile f(home + u'/' + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

// Clicks a button of the connection problem screen once it is shown.
void clickOnProblemScreen(const char *button, QString *addressLine = nullptr)
{
    QTimer::singleShot(0, [=] {
        auto *form = qobject_cast<data::TFormErro *>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        if (addressLine)
            *addressLine = form->findChild<QLabel *>(QStringLiteral("lblIP"))->text();
        QTest::mouseClick(form->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
    });
}

} // namespace

TEST(ServerAddressCheck, KeepsOnlyAddressesOfEightCharactersStartingWithADigit)
{
    const std::pair<const char *, const char *> cases[] = {
        {"1.2.3.4", ""},         {"10.0.0.1", "10.0.0.1"}, {"  127.0.0.1  ", "127.0.0.1"},
        {"servidor1", ""},       {"", ""},                 {"   ", ""},
        {"a192.168.0.1", ""},    {"192.168.1.10", "192.168.1.10"},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(data::checkedServerAddress(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
}

class StartupTest : public ::testing::Test
{
protected:
    test::TestSite site;
    QString home = site.home() + QStringLiteral("/site");
};

TEST_F(StartupTest, SettingsFileDecidesTheDatabaseString)
{
    struct Case
    {
        const char *what;
        const char *fileName; // nullptr: no file
        QByteArray content;
        const char *address;  // the address kept, empty for the local database
    } cases[] = {
        {"no file", nullptr, "", ""},
        {"empty file", "SetupRede.ini", "", ""},
        {"seven characters", "SetupRede.ini", "1.2.3.4\n0\n", ""},
        {"letter first", "SetupRede.ini", "localhost\n0\n", ""},
        {"blanks around, name in other case", "SETUPREDE.INI", "  127.0.0.2  \r\n0\r\n", "127.0.0.2"},
        {"no line break", "setuprede.ini", "127.0.0.2", "127.0.0.2"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString &old : QDir(home).entryList({QStringLiteral("setuprede*")}, QDir::Files))
            QFile::remove(home + u'/' + old);
        if (c.fileName)
            writeSettings(home, QString::fromLatin1(c.fileName), c.content);
        TLogon logon(home);
        bool asked = false;
        logon.setProblemScreen([&](QWidget *) {
            asked = true;
            return TLogon::ProblemChoice::Connect;
        });
        logon.DataModuleCreate();
        EXPECT_EQ(data::GetServerIP(), QString::fromLatin1(c.address));
        // 127.0.0.2 never answers: the problem screen comes, and the local database opens.
        EXPECT_EQ(asked, !QString::fromLatin1(c.address).isEmpty());
        EXPECT_EQ(logon.Logon.database(), logon.localDatabaseString());
        EXPECT_TRUE(logon.Logon.isOpen());
        EXPECT_FALSE(logon.endRequested());
    }
}

TEST_F(StartupTest, ProblemScreenShowsTheAddressAndConectarFallsBackToThisComputer)
{
    writeSettings(home, QStringLiteral("SetupRede.ini"), "127.0.0.2\n0\n");
    TLogon logon(home);
    QString addressLine;
    clickOnProblemScreen("Button2", &addressLine);
    logon.DataModuleCreate();
    EXPECT_EQ(addressLine, QStringLiteral("IP do servidor : 127.0.0.2"));
    EXPECT_FALSE(logon.endRequested());
    logon.VerEmpresa();
    EXPECT_EQ(logon.Empresa.field(QStringLiteral("EMPRESA")).asString(), QStringLiteral("POUSADA TESTE"));
}

TEST_F(StartupTest, AbortarEndsTheProgramCleanly)
{
    writeSettings(home, QStringLiteral("SetupRede.ini"), "127.0.0.2\n0\n");
    TLogon logon(home);
    clickOnProblemScreen("Button1");
    logon.DataModuleCreate();
    EXPECT_TRUE(logon.endRequested());
    EXPECT_EQ(logon.exitCode(), 0);
}

TEST(StartupWithoutDatabase, TerminalWhoseFallbackFailsGetsAClearErrorAndEnds)
{
    QTemporaryDir home;
    writeSettings(home.path(), QStringLiteral("SetupRede.ini"), "127.0.0.2\n0\n");
    ui::ScriptedDialogs dialogs;
    TLogon logon(home.path());
    clickOnProblemScreen("Button2");
    logon.DataModuleCreate();
    EXPECT_TRUE(logon.endRequested());
    EXPECT_EQ(logon.exitCode(), 1);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QLatin1String("DBTrevandoria.FDB")));
}

TEST(StartupWithoutDatabase, SingleComputerStartsAndTheFirstStatementReportsTheProblem)
{
    QTemporaryDir home;
    TLogon logon(home.path());
    logon.DataModuleCreate();
    EXPECT_FALSE(logon.endRequested());
    EXPECT_FALSE(logon.Logon.isOpen());
    logon.Atualiza.setSql(QStringLiteral("select * from SORQUIL"));
    try {
        logon.Atualiza.open();
        FAIL();
    } catch (const db::DbError &e) {
        EXPECT_TRUE(e.message().contains(QLatin1String("DBTrevandoria.FDB"))) << e.message().toStdString();
    }
}

TEST_F(StartupTest, NetworkSiteReachesTheDatabaseThroughTheServer)
{
    if (test::serverAddress().isEmpty())
        GTEST_SKIP() << "TREV_TEST_SERVER is not set";
    test::shareWithServer(site.home());
    writeSettings(home, QStringLiteral("SetupRede.ini"), "127.0.0.1\n1\n");
    TLogon logon(home);
    logon.setProblemScreen([](QWidget *) -> TLogon::ProblemChoice {
        ADD_FAILURE() << "the server answers: no problem screen";
        return TLogon::ProblemChoice::Abort;
    });
    logon.DataModuleCreate();
    EXPECT_EQ(logon.Logon.database(), logon.serverDatabaseString(QStringLiteral("127.0.0.1")));
    EXPECT_EQ(logon.VerPeriodo(), QStringLiteral("24"));
    EXPECT_EQ(logon.Empresa.field(QStringLiteral("CAIXA")).asInteger(), 0);
}

TEST_F(StartupTest, VerEmpresaReadsTheRowAfreshAndFecharConsultasClosesTheShared)
{
    TLogon logon(home);
    logon.DataModuleCreate();
    logon.VerEmpresa();
    logon.Logon.execute(QStringLiteral("update EMPRESA set CAIXA = 7"));
    EXPECT_EQ(logon.Empresa.field(QStringLiteral("CAIXA")).asInteger(), 0);
    logon.VerEmpresa();
    EXPECT_EQ(logon.Empresa.field(QStringLiteral("CAIXA")).asInteger(), 7);

    // Some open, some closed, one whose last statement failed.
    logon.Pesquisa.setSql(QStringLiteral("select * from QUARTOS"));
    logon.Pesquisa.open();
    logon.Atualiza3.setSql(QStringLiteral("select * from NO_TABLE"));
    EXPECT_THROW(logon.Atualiza3.open(), db::DbError);
    logon.Clientes.open();
    logon.Sorquil.open();
    logon.FecharConsultas();
    for (ds::Query *q : {&logon.Pesquisa, &logon.Atualiza, &logon.Atualiza3, &logon.Atualiza2, &logon.Clientes,
                         &logon.Sorquil})
        EXPECT_FALSE(q->isOpen());
    EXPECT_TRUE(logon.Empresa.isOpen());
}
