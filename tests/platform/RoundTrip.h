#pragma once

// Checks shared by the embedded and the server tests: every kind goes in and
// comes back exactly.

#include "platform/db/Connection.h"

#include <gtest/gtest.h>

namespace test {

inline void createKindsTable(db::Connection &c)
{
    c.execute(QStringLiteral("create table KINDS (K integer not null primary key, I integer, BI bigint, SI smallint, "
                             "F float, D double precision, N3 numeric(18,3), N2 numeric(18,2), N4 numeric(18,4), "
                             "DT date, TM time, TS timestamp, V varchar(10), C char(4), B boolean)"));
}

inline void expectEveryKindRoundTrips(db::Connection &c)
{
    using db::BoundValue;
    using db::Decimal;
    struct Case
    {
        const char *column;
        BoundValue in;
        QVariant out;
    };
    const QDateTime ts(QDate(2026, 12, 31), QTime(23, 59, 58, 999));
    const Case cases[] = {
        {"I", BoundValue::integer(2147483647), QVariant(2147483647)},
        {"I", BoundValue::integer(-2147483647 - 1), QVariant(-2147483647 - 1)},
        {"BI", BoundValue::bigInt(9223372036854775807LL), QVariant(qlonglong(9223372036854775807LL))},
        {"SI", BoundValue::integer(-32768), QVariant(-32768)},
        {"F", BoundValue::floating(0.1f), QVariant(0.1f)},
        {"F", BoundValue::floating(-3.4e38f), QVariant(-3.4e38f)},
        {"D", BoundValue::dbl(0.1 + 0.2), QVariant(0.1 + 0.2)},
        {"N3", BoundValue::decimal(Decimal(285, 3)), QVariant::fromValue(Decimal(285, 3))},
        {"N3", BoundValue::decimal(Decimal(-999999999999999999LL, 3)),
         QVariant::fromValue(Decimal(-999999999999999999LL, 3))},
        // A scale of 3 into a scale of 2 rounds as Firebird does, half away from zero.
        {"N2", BoundValue::decimal(Decimal(285, 3)), QVariant::fromValue(Decimal(29, 2))},
        {"N4", BoundValue::decimal(Decimal(285, 3)), QVariant::fromValue(Decimal(2850, 4))},
        {"N2", BoundValue::integer(7), QVariant::fromValue(Decimal(700, 2))},
        {"DT", BoundValue::date(QDate(2026, 2, 28)), QVariant(QDate(2026, 2, 28))},
        {"DT", BoundValue::date(QDate(1800, 1, 1)), QVariant(QDate(1800, 1, 1))},
        {"DT", BoundValue::date(QDate(9999, 12, 31)), QVariant(QDate(9999, 12, 31))},
        {"TM", BoundValue::time(QTime(23, 59, 59, 999)), QVariant(QTime(23, 59, 59, 999))},
        {"TM", BoundValue::time(QTime(0, 0)), QVariant(QTime(0, 0))},
        {"TS", BoundValue::timestamp(ts), QVariant(ts)},
        {"V", BoundValue::string(QStringLiteral("Ação çÉ")), QVariant(QStringLiteral("Ação çÉ"))},
        // Ten characters of four bytes each still fit a text of ten.
        {"V", BoundValue::string(QString::fromUtf8("😀😀😀😀😀😀😀😀😀😀")),
         QVariant(QString::fromUtf8("😀😀😀😀😀😀😀😀😀😀"))},
        {"V", BoundValue::string(QString()), QVariant(QString())},
        {"C", BoundValue::string(QStringLiteral("ñ")), QVariant(QStringLiteral("ñ   "))},
        {"B", BoundValue::boolean(true), QVariant(true)},
        {"I", BoundValue::null(), QVariant()},
        {"V", BoundValue::null(), QVariant()},
    };
    int key = 0;
    for (const Case &k : cases) {
        SCOPED_TRACE(std::string(k.column) + " #" + std::to_string(key));
        const QString col = QString::fromLatin1(k.column);
        c.execute(QStringLiteral("insert into KINDS (K, %1) values (:K, :V)").arg(col),
                  {{QStringLiteral("K"), BoundValue::integer(++key)}, {QStringLiteral("V"), k.in}});
        const auto rs = c.execute(QStringLiteral("select %1 from KINDS where K = :K").arg(col),
                                  {{QStringLiteral("K"), BoundValue::integer(key)}});
        ASSERT_EQ(rs.rows.size(), 1);
        const QVariant got = rs.rows[0][0];
        EXPECT_EQ(got.isNull(), k.out.isNull());
        if (k.out.userType() == qMetaTypeId<Decimal>()) {
            ASSERT_EQ(got.userType(), qMetaTypeId<Decimal>());
            EXPECT_EQ(got.value<Decimal>().toString(), k.out.value<Decimal>().toString());
        } else if (!k.out.isNull()) {
            EXPECT_EQ(got, k.out) << got.toString().toStdString();
        }
    }
}

} // namespace test
