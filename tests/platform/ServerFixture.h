#pragma once

// A site whose database the Firebird server on 127.0.0.1 opens.

#include "platform/db/Connection.h"
#include "platform/db/Credentials.h"
#include "support/TestSite.h"

#include <gtest/gtest.h>

class ServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (test::serverAddress().isEmpty())
            GTEST_SKIP() << "TREV_TEST_SERVER is not set: no Firebird server to test against";
        site = std::make_unique<test::TestSite>();
        test::shareWithServer(site->home());
        conn = connect();
    }

    std::unique_ptr<db::Connection> connect()
    {
        auto c = std::make_unique<db::Connection>();
        c->setDatabase(test::serverDatabaseString(site->databasePath()));
        c->setCredentials(db::kUser, db::kPassword);
        c->open();
        return c;
    }

    std::unique_ptr<test::TestSite> site;
    std::unique_ptr<db::Connection> conn;
};
