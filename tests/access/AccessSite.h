#pragma once

// A fresh site with its data module started, and users added as a test needs them.

#include "data/TLogon.h"
#include "support/TestSite.h"

#include <QVariant>
#include <gtest/gtest.h>
#include <optional>

namespace test {

class AccessSite : public ::testing::Test
{
protected:
    void SetUp() override { logon.DataModuleCreate(); }

    // Stored exactly as given; no access type leaves SISTEMA empty.
    int addUser(const QString &name, const QString &password, std::optional<int> accessType)
    {
        const auto rs = logon.Logon.execute(
            QStringLiteral("insert into SORQUIL (ID, NOME, SENHA, MASTER, SISTEMA) "
                           "values (GEN_ID(SENHA,1), :NOME, :SENHA, 'N', :SISTEMA) returning ID"),
            {{QStringLiteral("NOME"), db::BoundValue::string(name)},
             {QStringLiteral("SENHA"), db::BoundValue::string(password)},
             {QStringLiteral("SISTEMA"), accessType ? db::BoundValue::integer(*accessType) : db::BoundValue::null()}});
        return rs.rows.value(0).value(0).toInt();
    }

    // One user's row as "NOME|SENHA|MASTER|SISTEMA" (empty fields for nulls), or "none".
    QString userRow(int id)
    {
        const auto rs = logon.Logon.execute(
            QStringLiteral("select NOME, SENHA, MASTER, SISTEMA from SORQUIL where ID = :ID"),
            {{QStringLiteral("ID"), db::BoundValue::integer(id)}});
        if (rs.rows.isEmpty())
            return QStringLiteral("none");
        QStringList parts;
        for (const QVariant &v : rs.rows[0])
            parts << (v.isNull() ? QString() : v.toString());
        return parts.join(u'|');
    }

    int userCount()
    {
        return logon.Logon.execute(QStringLiteral("select count(*) from SORQUIL")).rows[0][0].toInt();
    }

    TestSite site;
    data::TLogon logon{site.home() + QStringLiteral("/site")};
};

} // namespace test
