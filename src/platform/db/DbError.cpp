#include "DbError.h"

namespace db {

DbError::DbError(const QString &message, long gdsCode, int sqlCode, const QString &sqlState,
                 bool connectionLost)
    : std::runtime_error(message.toStdString())
    , m_message(message)
    , m_gdsCode(gdsCode)
    , m_sqlCode(sqlCode)
    , m_sqlState(sqlState)
    , m_connectionLost(connectionLost)
{
}

} // namespace db
