#pragma once

#include <QString>

// The values of the running program's operator session, one per program.
namespace acesso {

// "S" once a login succeeded, else "N".
QString loggedIn();
// NOME of the user row that logged in, as stored; empty until a login succeeds.
QString loginUserName();
// SISTEMA of that row: 0 full access (also when empty), 1 cash functions only.
int accessType();

inline constexpr int kFullAccess = 0;
inline constexpr int kCashOnly = 1;

// Written by the login screen only.
void setLoggedIn(const QString &sOrN);
void setLoginUserName(const QString &name);
void setAccessType(int type);

// The working operator written into records and shown on screen; the main window
// sets it once from loginUserName().
void SetOperatorName(const QString &name);
QString GetOperatorName();
bool HasOperator();

// "S" when the last supervisor authorisation was given, otherwise "N".
QString authorisationResult();
void setAuthorisationResult(const QString &sOrN);

} // namespace acesso
