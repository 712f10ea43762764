#pragma once

#include "platform/db/Connection.h"

namespace data {

class TLogon;

// The data module, for screens that use its shared query objects or keep their own
// on its connection. Both throw DbError "Módulo de conexão não foi inicializado."
// when the program created no data module.
TLogon &dataModule();
db::Connection &moduleConnection();

} // namespace data
