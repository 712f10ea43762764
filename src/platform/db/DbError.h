#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// A failing statement, connection or transaction. Carries Firebird's own words
// and codes so the operator and the log of a support call see the real cause.
class DbError : public std::runtime_error
{
public:
    DbError(const QString &message, long gdsCode = 0, int sqlCode = 0,
            const QString &sqlState = {}, bool connectionLost = false);

    QString message() const { return m_message; }
    long gdsCode() const { return m_gdsCode; }
    int sqlCode() const { return m_sqlCode; }
    QString sqlState() const { return m_sqlState; }
    bool connectionLost() const { return m_connectionLost; }

private:
    QString m_message;
    long m_gdsCode;
    int m_sqlCode;
    QString m_sqlState;
    bool m_connectionLost;
};

} // namespace db
