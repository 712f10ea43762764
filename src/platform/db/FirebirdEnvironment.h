#pragma once

#include <QString>

namespace db {

// Points the Firebird client at the program's own engine settings (embedded engine
// in SuperClassic mode, so the program and the site tool can share a database file)
// and at a lock folder this user can write. Must run before the first database call;
// settings already in the environment are kept.
void prepareFirebirdEnvironment(const QString &programDir);

} // namespace db
