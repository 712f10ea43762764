#pragma once

#include "platform/db/Connection.h"

#include <QTemporaryDir>
#include <memory>

namespace test {

// A fresh site in a temporary folder, created from the schema as the site tool does.
class TestSite
{
public:
    explicit TestSite(bool demo = false);
    QString home() const { return m_dir.path(); }
    QString databasePath() const;
    // An embedded connection to the site's database, opened.
    std::unique_ptr<db::Connection> connect() const;

private:
    QTemporaryDir m_dir;
};

// The Firebird server the test command starts on 127.0.0.1:3050. Tests that need it
// skip with a message when TREV_TEST_SERVER is not set to its address.
QString serverAddress();
// "127.0.0.1:/path" for a database file the server may open.
QString serverDatabaseString(const QString &path);
// Makes a test folder reachable by the server's own user.
void shareWithServer(const QString &folder);

} // namespace test
