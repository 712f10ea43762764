#include "TLogon.h"

#include "NetworkSettings.h"
#include "TFormErro.h"
#include "platform/db/Credentials.h"
#include "site/Home.h"
#include "ui/common/MessageBoxes.h"

namespace data {

namespace {
QString g_serverIp;
TLogon *g_instance = nullptr;
} // namespace

void SetServerIP(const QString &address) { g_serverIp = address; }
QString GetServerIP() { return g_serverIp; }

TLogon::TLogon(const QString &home, QObject *parent) : QObject(parent), m_home(home)
{
    Logon.setCredentials(db::kUser, db::kPassword);
    setDesignTimeStatements();
    g_instance = this;
}

TLogon::~TLogon()
{
    if (g_instance == this)
        g_instance = nullptr;
}

TLogon *TLogon::instance() { return g_instance; }

void TLogon::setDesignTimeStatements()
{
    QGeraId.addSql(QStringLiteral("select"));
    QGeraId.addSql(QStringLiteral("  *"));
    QGeraId.addSql(QStringLiteral("from"));
    QGeraId.addSql(QStringLiteral(" GeraId"));
    const std::pair<ds::Query *, const char *> statements[] = {
        {&Clientes, "Select * from Clientes"},
        {&Sorquil, "select * from Sorquil"},
        {&Empresa, "Select * from empresa"},
        {&Reserva, "select * from RESERVA"},
        {&Categoria, "select * from Categoria"},
        {&Quartos, "select * from Quartos"},
        {&TipoReserva, "select * from TipoReserva"},
        {&Produtos, "select * from Produtos"},
        {&Tipos, "select * from Tipos"},
        {&Fornecedor, "select * from Fornecedor"},
        {&Navegar, "select Codigo,Nome  from produtos order by nome"},
        {&ESTFIC, "select estfic.*,produtos.nome from ESTFIC left join produtos on estfic.codigo = produtos.codigo"},
        {&Servicos, "select * from Servicos"},
        {&Consumo, "select * from consumo"},
        {&Caixa, "select * from Caixa"},
        {&FINANCEIRO, "select * from FINANCEIRO"},
    };
    for (const auto &[query, sql] : statements)
        query->addSql(QString::fromUtf8(sql));
}

QString TLogon::localDatabaseString() const { return site::databasePath(m_home); }

QString TLogon::serverDatabaseString(const QString &address) const
{
    return address + u':' + site::databasePath(m_home);
}

void TLogon::DataModuleCreate()
{
    // A SetupRede.ini in the home marks a network installation; without it the
    // database is opened on this computer by the embedded engine.
    QString address;
    if (!findNetworkSettingsFile(m_home).isEmpty())
        address = readNetworkSettings(m_home).serverAddress;
    SetServerIP(checkedServerAddress(address));
    address = GetServerIP();

    Logon.setDatabase(address.isEmpty() ? localDatabaseString() : serverDatabaseString(address));
    try {
        Logon.open();
        return;
    } catch (const db::DbError &) {
        // Without a server the failure shows at the first statement, which connects again.
        if (address.isEmpty())
            return;
    }

    const ProblemChoice choice = m_problemScreen ? m_problemScreen(nullptr) : TFormErro::ask(nullptr);
    if (choice == ProblemChoice::Abort) {
        m_endRequested = true;
        return;
    }
    Logon.setDatabase(localDatabaseString());
    try {
        Logon.open();
    } catch (const db::DbError &e) {
        ui::critical(nullptr, QStringLiteral("Não foi possível abrir o banco de dados deste computador:\n%1\n\n%2")
                                  .arg(localDatabaseString(), e.message()));
        m_endRequested = true;
        m_exitCode = 1;
    }
}

void TLogon::VerEmpresa()
{
    Empresa.clearSql();
    Empresa.addSql(QStringLiteral("select * from Empresa"));
    Empresa.open();
}

QString TLogon::VerPeriodo()
{
    VerEmpresa();
    return QStringLiteral("24");
}

void TLogon::FecharConsultas()
{
    for (ds::Query *q : {&Pesquisa, &Atualiza, &Atualiza3, &Atualiza2, &Clientes, &Sorquil}) {
        try {
            q->close();
        } catch (...) {
            // One that fails to close must not keep the others open.
        }
    }
}

} // namespace data
