#pragma once

#include "platform/dataset/Query.h"
#include "platform/db/Connection.h"

#include <QObject>
#include <functional>

class QWidget;

namespace data {

// The program-wide server address of this run (empty: the local database string).
void SetServerIP(const QString &address);
QString GetServerIP();

// The data module: the one connection of the program and the query objects that
// every screen shares. Created first, before the main window; lives until the end.
class TLogon : public QObject
{
    Q_OBJECT
public:
    // How the connection problem screen ended.
    enum class ProblemChoice { Connect, Abort };
    using ProblemScreen = std::function<ProblemChoice(QWidget *parent)>;

    explicit TLogon(const QString &home, QObject *parent = nullptr);
    ~TLogon() override;

    // The instance the program created; screens reach the shared objects through it.
    static TLogon *instance();

    // Decides where the database is and opens the connection (see NetworkSettings).
    void DataModuleCreate();
    // True when the operator chose "Abortar" or the local fallback could not be opened:
    // the program ends without showing its window.
    bool endRequested() const { return m_endRequested; }
    // The program's exit status when it ends early: 0 after "Abortar", 1 when no database opened.
    int exitCode() const { return m_exitCode; }

    void VerEmpresa();
    QString VerPeriodo();
    void FecharConsultas();

    QString home() const { return m_home; }
    QString localDatabaseString() const;
    QString serverDatabaseString(const QString &address) const;
    // Replaces the connection problem screen (tests script it); the default shows TFormErro.
    void setProblemScreen(ProblemScreen screen) { m_problemScreen = std::move(screen); }

    db::Connection Logon;

    ds::Query Atualiza{Logon}, Atualiza2{Logon}, Atualiza3{Logon};
    ds::Query Pesquisa{Logon}, Pesquisa2{Logon}, PesqBusca{Logon};
    ds::Query QGeraId{Logon};
    ds::Query Clientes{Logon}, Sorquil{Logon}, Empresa{Logon}, Reserva{Logon};
    ds::Query Categoria{Logon}, Quartos{Logon}, TipoReserva{Logon};
    ds::Query Produtos{Logon}, Tipos{Logon}, Fornecedor{Logon}, Navegar{Logon};
    ds::Query ESTFIC{Logon}, Servicos{Logon}, Consumo{Logon};
    ds::Query Caixa{Logon}, FINANCEIRO{Logon};

private:
    void setDesignTimeStatements();

    QString m_home;
    bool m_endRequested = false;
    int m_exitCode = 0;
    ProblemScreen m_problemScreen;
};

} // namespace data
