#include "Home.h"

#include <QDir>
#include <QFileInfo>

namespace site {

QString defaultHome()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/trevandoria");
}

QString resolveHome(const QString &option)
{
    QString home = option;
    if (home.isEmpty())
        home = qEnvironmentVariable("TREVANDORIA_HOME");
    if (home.isEmpty())
        home = defaultHome();
    return QFileInfo(home).absoluteFilePath();
}

QString databasePath(const QString &home)
{
    return QDir(home).absoluteFilePath(QLatin1String(kDatabaseFileName));
}

} // namespace site
