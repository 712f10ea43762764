#include "NetworkSettings.h"

#include "site/Home.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace data {

QString findNetworkSettingsFile(const QString &home)
{
    const QDir dir(home);
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString &name : entries)
        if (name.compare(QLatin1String(site::kNetworkSettingsFileName), Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    return {};
}

NetworkSettings readNetworkSettings(const QString &home, QString *error)
{
    NetworkSettings s;
    const QString path = findNetworkSettingsFile(home);
    if (path.isEmpty())
        return s;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = f.errorString();
        return s;
    }
    QTextStream in(&f);
    s.serverAddress = in.readLine().trimmed();
    s.role = in.readLine().trimmed();
    return s;
}

QString writeNetworkSettings(const QString &home, const NetworkSettings &settings)
{
    if (!QDir().mkpath(home))
        return QStringLiteral("Não foi possível criar a pasta de configuração %1.").arg(home);
    const QString existing = findNetworkSettingsFile(home);
    const QString path = existing.isEmpty() ? QDir(home).filePath(QLatin1String(site::kNetworkSettingsFileName)) : existing;
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text))
        return f.errorString();
    QTextStream out(&f);
    out << settings.serverAddress << '\n' << settings.role << '\n';
    out.flush();
    if (!f.commit())
        return f.errorString();
    return {};
}

QString checkedServerAddress(const QString &address)
{
    const QString a = address.trimmed();
    if (a.size() < 8 || !(a[0] >= u'0' && a[0] <= u'9'))
        return {};
    return a;
}

} // namespace data
