#pragma once

#include <QString>

namespace db {

// The account every connection of the program uses, embedded or on a server.
inline const QString kUser = QStringLiteral("SYSDBA");
inline const QString kPassword = QStringLiteral("plumfrost");

} // namespace db
