// The main window: company columns, appearance, ribbon and cash-state line.

#include "access/Sessao.h"
#include "data/TLogon.h"
#include "support/TestSite.h"
#include "ui/common/Appearance.h"
#include "ui/main/RoomBoard.h"
#include "ui/main/TFormPrincipal.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

using platform::Ribbon;
using ui::TFormPrincipal;

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { logon.DataModuleCreate(); }
    void exec(const QString &sql) { logon.Logon.execute(sql); }
    int format()
    {
        return logon.Logon.execute(QStringLiteral("select rdb$format from rdb$relations where rdb$relation_name = 'EMPRESA'"))
            .rows[0][0]
            .toInt();
    }
    QStringList companyColumns()
    {
        QStringList out;
        for (const auto &row : logon.Logon
                                   .execute(QStringLiteral("select trim(rdb$field_name) from rdb$relation_fields "
                                                           "where rdb$relation_name = 'EMPRESA' and rdb$field_name starting with 'COR'"))
                                   .rows)
            out << row[0].toString();
        out.sort();
        return out;
    }

    test::TestSite site;
    data::TLogon logon{site.home() + QStringLiteral("/site")};
};

TEST_F(MainWindowTest, MissingColourColumnsAreAddedAndAnUpToDateDatabaseIsLeftAlone)
{
    const QStringList all{"CORBORDA", "CORFUNDO", "CORMENU", "CORTITULO"};
    TFormPrincipal window;
    const int before = format();
    window.EnsureCompanyColumns();
    EXPECT_EQ(format(), before) << "no ALTER on an up-to-date database";

    exec(QStringLiteral("ALTER TABLE EMPRESA DROP CORFUNDO"));
    exec(QStringLiteral("ALTER TABLE EMPRESA DROP CORMENU"));
    ASSERT_EQ(companyColumns().size(), 2);
    window.EnsureCompanyColumns();
    EXPECT_EQ(companyColumns(), all);
}

TEST_F(MainWindowTest, AppearanceIsLoadedOrFallsBackToTheDefaults)
{
    const ui::Appearance defaults = ui::Appearance::defaults();
    EXPECT_EQ(defaults.CorBorda, 9726208);
    EXPECT_EQ(defaults.CorTitulo, 9726208);
    EXPECT_EQ(defaults.CorMenu, QStringLiteral("rcsaBlue"));
    struct Case
    {
        const char *what;
        const char *update;
        int borda, fundo, titulo;
        const char *menu;
    } cases[] = {
        {"nothing stored", "update EMPRESA set CORBORDA = null", defaults.CorBorda, defaults.CorFundo, defaults.CorTitulo,
         "rcsaBlue"},
        {"blank border", "update EMPRESA set CORBORDA = '  ', CORFUNDO = '1', CORTITULO = '2', CORMENU = '3'",
         defaults.CorBorda, defaults.CorFundo, defaults.CorTitulo, "rcsaBlue"},
        {"stored values", "update EMPRESA set CORBORDA = '255', CORFUNDO = '65280', CORTITULO = '16711680', CORMENU = '2'",
         255, 65280, 16711680, "2"},
        {"not a whole number", "update EMPRESA set CORBORDA = 'azul', CORFUNDO = '1', CORTITULO = '2', CORMENU = '3'",
         defaults.CorBorda, defaults.CorFundo, defaults.CorTitulo, "rcsaBlue"},
        {"no company row", "delete from EMPRESA", defaults.CorBorda, defaults.CorFundo, defaults.CorTitulo, "rcsaBlue"},
    };
    TFormPrincipal window;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        exec(QString::fromLatin1(c.update));
        window.LoadAppearance();
        const ui::Appearance &a = ui::appearance();
        EXPECT_EQ(a.CorBorda, c.borda);
        EXPECT_EQ(a.CorFundo, c.fundo);
        EXPECT_EQ(a.CorTitulo, c.titulo);
        EXPECT_EQ(a.CorMenu, QString::fromLatin1(c.menu));
    }
    // No company row: the cash line reads closed and nothing breaks.
    window.ShowCashState();
    EXPECT_TRUE(window.cashClosed());
}

TEST(RibbonAccent, StartupTakesExactTextAndTheAppearanceScreenANumber)
{
    const std::tuple<const char *, Ribbon::Accent, Ribbon::Accent> cases[] = {
        {"rcsaBlue", Ribbon::Accent::Blue, Ribbon::Accent::Blue}, {"", Ribbon::Accent::Blue, Ribbon::Accent::Blue},
        {"9", Ribbon::Accent::Blue, Ribbon::Accent::Blue},        {"0", Ribbon::Accent::Blue, Ribbon::Accent::Blue},
        {"1", Ribbon::Accent::Green, Ribbon::Accent::Green},      {"2", Ribbon::Accent::Orange, Ribbon::Accent::Orange},
        {"3", Ribbon::Accent::Purple, Ribbon::Accent::Purple},    {"4", Ribbon::Accent::Yellow, Ribbon::Accent::Yellow},
        {" 4 ", Ribbon::Accent::Blue, Ribbon::Accent::Yellow},    {"x", Ribbon::Accent::Blue, Ribbon::Accent::Blue},
    };
    for (const auto &[menu, atStart, afterScreen] : cases) {
        EXPECT_EQ(TFormPrincipal::accentForStartup(QString::fromLatin1(menu)), atStart) << menu;
        EXPECT_EQ(TFormPrincipal::accentForNumber(QString::fromLatin1(menu)), afterScreen) << menu;
    }
}

TEST_F(MainWindowTest, CashLineSaysOpenWithNumberAndOperatorOrClosedInRed)
{
    acesso::SetOperatorName(QStringLiteral("MARIA"));
    TFormPrincipal window;
    struct Case
    {
        int caixa;
        const char *text;
        bool closed;
    } cases[] = {
        {0, " CAIXA FECHADO         NUMERO: 0000     OPERADOR: ", true},
        {7, " CAIXA ABERTO         NUMERO: 0007     OPERADOR: MARIA", false},
        {12345, " CAIXA ABERTO         NUMERO: 12345     OPERADOR: MARIA", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.caixa);
        exec(QStringLiteral("update EMPRESA set CAIXA = %1").arg(c.caixa));
        window.ShowCashState();
        EXPECT_EQ(window.status()->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(window.cashClosed(), c.closed);
        EXPECT_EQ(window.status()->styleSheet().contains(QLatin1String("#ff0000")), c.closed);
    }
    acesso::SetOperatorName(QString());
}

TEST_F(MainWindowTest, RibbonHoldsTabsGroupsAndCommandsInOrder)
{
    TFormPrincipal window;
    Ribbon *r = window.ribbon();
    QStringList layout;
    for (int t = 0; t < r->tabCount(); ++t)
        for (Ribbon::Group *g : r->tab(t)->groups())
            for (QAction *a : g->commands())
                layout << r->tabCaption(t) + u'/' + g->caption() + u'/' + a->objectName() + u'=' + a->text();
    const QStringList expected = {
        "Principal/Relatórios/dxBarLargeButton4=Imprimir Caixa",
        "Principal/Relatórios/dxBarLargeButton1=Abrir Fechar Caixa",
        "Principal/Relatórios/dxBarLargeButton30=Movimento Financeiro",
        "Principal/Relatórios/dxBarLargeButton36=Mapa de Reserva",
        "Principal/Relatórios/dxBarLargeButton29=Mapa de Ocupação",
        "Principal/Relatórios/dxBarLargeButton31=Reserva por convênio",
        "Principal/Saida/dxBarLargeButton2=Sair do Sistema",
        "Cadastro/Dependências/dxBarLargeButton6=Cadastro Quarto",
        "Cadastro/Dependências/dxBarLargeButton7=Tipos de Quartos",
        "Cadastro/Cadastros/dxBarLargeButton16=Cadastro Clientes",
        "Cadastro/Cadastros/dxBarLargeButton10=Cadastro Fornecedor",
        "Cadastro/Cadastros/dxBarLargeButton20=Cadastro Usúario",
        "Cadastro/Cadastros/dxBarLargeButton9=Cadastro Empresa",
        "Cadastro/Cadastros/dxBarLargeButton14=Tipos de Pagamentos",
        "Cadastro/Cadastros/dxBarLargeButton8=Tipo Convenios ",
        "Cadastro/Cadastros/dxBarLargeButton13=Sair do Sistema",
        "Estoque/Controle do Estoque/dxBarLargeButton11=Cadastro Produto",
        "Estoque/Controle do Estoque/dxBarLargeButton15=Movimenta Estoque",
        "Estoque/Controle do Estoque/dxBarLargeButton12=Grupo Produtos",
        "Estoque/Relatórios do Estoque/dxBarLargeButton23=Relatório Estoque Atual",
        "Estoque/Relatórios do Estoque/dxBarLargeButton24=Ficha do Produto",
        "Estoque/Relatórios do Estoque/dxBarLargeButton25=Sair do Sistema",
        "Configuração/Configuração/dxBarLargeButton28=Configuração de Tempo e Cobrança",
        "Configuração/Configuração/dxBarLargeButton37=Aparencia do sistema",
        "Configuração/Configuração/dxBarLargeButton26=Configura Rede (IP Servidor)",
        "Configuração/Configuração/dxBarLargeButton33=Logs do Sistema",
        "Configuração/Configuração/dxBarLargeButton17=Sair do Sistema",
    };
    EXPECT_EQ(layout, expected);
    // Every command is reachable by its name, whatever the case.
    EXPECT_EQ(r->command(QStringLiteral("DXBARLARGEBUTTON26")), r->command(QStringLiteral("dxBarLargeButton26")));
}

TEST_F(MainWindowTest, CashOnlyOperatorKeepsOnlyTheCashAndTheMainExitCommands)
{
    acesso::setAccessType(1);
    TFormPrincipal window;
    window.FormShow();
    QStringList enabled;
    for (QAction *a : window.ribbon()->commands())
        if (a->isEnabled())
            enabled << a->objectName();
    acesso::setAccessType(0);
    EXPECT_EQ(enabled, (QStringList{"dxBarLargeButton1", "dxBarLargeButton2"}));
}

TEST(NetworkSite, MainWindowWorksThroughTheServerAsOnOneComputer)
{
    if (test::serverAddress().isEmpty())
        GTEST_SKIP() << "TREV_TEST_SERVER is not set";
    test::TestSite site(true);
    test::shareWithServer(site.home());
    const QString home = site.home() + QStringLiteral("/site");
    QFile settings(home + QStringLiteral("/SetupRede.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("127.0.0.1\n1\n");
    settings.close();

    data::TLogon logon(home);
    logon.DataModuleCreate();
    ASSERT_TRUE(logon.Logon.database().startsWith(QLatin1String("127.0.0.1:")));
    logon.Logon.execute(QStringLiteral("update EMPRESA set CAIXA = 3"));
    TFormPrincipal window;
    window.EnsureCompanyColumns();
    window.LoadAppearance();
    window.ShowCashState();
    EXPECT_FALSE(window.cashClosed());
    window.resize(1200, 800);
    window.BuildRoomBoard();
    EXPECT_EQ(window.roomBoard()->tileCount(), 12);
}
