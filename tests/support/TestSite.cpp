#include "TestSite.h"

#include "platform/db/Credentials.h"
#include "site/Home.h"
#include "site/SiteCreator.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <stdexcept>

namespace test {

TestSite::TestSite(bool demo)
{
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder");
    site::SiteOptions o;
    o.home = m_dir.path() + QStringLiteral("/site");
    o.company = QStringLiteral("POUSADA TESTE");
    o.state = QStringLiteral("RJ");
    o.demo = demo;
    site::createSite(o);
}

QString TestSite::databasePath() const { return site::databasePath(m_dir.path() + QStringLiteral("/site")); }

std::unique_ptr<db::Connection> TestSite::connect() const
{
    auto c = std::make_unique<db::Connection>();
    c->setDatabase(databasePath());
    c->setCredentials(db::kUser, db::kPassword);
    c->open();
    return c;
}

QString serverAddress() { return qEnvironmentVariable("TREV_TEST_SERVER"); }

QString serverDatabaseString(const QString &path) { return serverAddress() + u':' + path; }

void shareWithServer(const QString &folder)
{
    // The server runs as the firebird user: it must enter the folder and own the file.
    QDir dir(folder);
    while (!dir.isRoot()) {
        QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther | QFile::ReadOther);
        if (!dir.cdUp())
            break;
    }
    // As root the files become the server's; otherwise they are opened to every user.
    if (QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("firebird:firebird"), folder}) != 0) {
        QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const auto extra = it.fileInfo().isDir() ? (QFile::ReadOther | QFile::ExeOther | QFile::WriteOther)
                                                     : (QFile::ReadOther | QFile::WriteOther);
            QFile::setPermissions(path, QFile::permissions(path) | extra);
        }
    }
}

} // namespace test
