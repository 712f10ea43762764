#pragma once

#include <QString>

namespace site {

inline constexpr const char *kDatabaseFileName = "DBTrevandoria.FDB";
inline constexpr const char *kNetworkSettingsFileName = "SetupRede.ini";
inline constexpr const char *kLogoFileName = "templogo.ini";

// The site's home folder: the --home option when given, else TREVANDORIA_HOME,
// else ~/.local/share/trevandoria (XDG_DATA_HOME when set).
QString resolveHome(const QString &option = {});
QString defaultHome();
// Full path of the database file in a home; the same path names it on a server.
QString databasePath(const QString &home);

} // namespace site
