#include "Sessao.h"

namespace acesso {

namespace {
struct Session
{
    QString loggedIn = QStringLiteral("N");
    QString loginUserName;
    int accessType = kFullAccess;
    QString operatorName;
    QString authorisationResult = QStringLiteral("N");
};

Session &session()
{
    static Session s;
    return s;
}
} // namespace

QString loggedIn() { return session().loggedIn; }
QString loginUserName() { return session().loginUserName; }
int accessType() { return session().accessType; }

void setLoggedIn(const QString &sOrN) { session().loggedIn = sOrN; }
void setLoginUserName(const QString &name) { session().loginUserName = name; }
void setAccessType(int type) { session().accessType = type; }

void SetOperatorName(const QString &name) { session().operatorName = name; }
QString GetOperatorName() { return session().operatorName; }
bool HasOperator() { return !session().operatorName.trimmed().isEmpty(); }

QString authorisationResult() { return session().authorisationResult; }
void setAuthorisationResult(const QString &sOrN) { session().authorisationResult = sOrN; }

} // namespace acesso
