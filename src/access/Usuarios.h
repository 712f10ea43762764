#pragma once

#include "platform/dataset/Query.h"

// The statements on the user table SORQUIL.
namespace acesso {

// Gives the login query its statement, once.
void SetLoginStatement(ds::Query &q);
// Runs the login statement with the name and password trimmed and in upper case.
// True when a user matched: the query stays open on that row. False: the query is closed.
bool OpenLoginUser(ds::Query &q, const QString &name, const QString &password);

// Every user in name order (the authorisation walks them in that order).
void OpenUsersByName(ds::Query &sorquil);
// Every user, in the database's order (the user list).
void OpenUserList(ds::Query &sorquil);

// Inserts a user row holding only its number and reads the number back. The read-back
// takes the generator's last value, which another computer adding a user at the same
// moment may have moved.
int InsertBlankUser(ds::Query &atualiza);
// Saves name, password and access type of user `id`; MASTER becomes "N".
void SaveUser(ds::Query &atualiza, int id, const QString &name, const QString &password, int accessType);
// Saves what was typed into the name and password boxes of a row left without "Confirmar".
void SaveNameAndPassword(ds::Query &atualiza, int id, const QString &name, const QString &password);
void DeleteUser(ds::Query &atualiza, int id);

} // namespace acesso
