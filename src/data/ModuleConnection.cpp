#include "ModuleConnection.h"

#include "TLogon.h"

namespace data {

TLogon &dataModule()
{
    TLogon *logon = TLogon::instance();
    if (!logon)
        throw db::DbError(QStringLiteral("Módulo de conexão não foi inicializado."));
    return *logon;
}

db::Connection &moduleConnection() { return dataModule().Logon; }

} // namespace data
