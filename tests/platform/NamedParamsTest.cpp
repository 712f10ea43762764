#include "platform/db/Decimal.h"
#include "platform/db/NamedParams.h"

#include <gtest/gtest.h>

using namespace db;

TEST(NamedParams, TurnsNamesIntoPositionsOutsideLiteralsAndComments)
{
    struct Case
    {
        const char *sql;
        const char *expected;
        QStringList positions;
    } cases[] = {
        {"select * from T where A = :A and B = :b", "select * from T where A = ? and B = ?", {"A", "B"}},
        {"update T set X = :V where Y = :V", "update T set X = ? where Y = ?", {"V", "V"}},
        {"select ':NOT' from T where A=:A", "select ':NOT' from T where A=?", {"A"}},
        {"select 'it''s :X' from T where A=:A", "select 'it''s :X' from T where A=?", {"A"}},
        {"select \"A:B\" from T -- :C\nwhere D = :D", "select \"A:B\" from T -- :C\nwhere D = ?", {"D"}},
        {"select /* :C */ 1 from T where D = :D_1", "select /* :C */ 1 from T where D = ?", {"D_1"}},
        {"select cast(x as time) from T where a = :A::", "select cast(x as time) from T where a = ?::", {"A"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.sql);
        const ParsedStatement p = parseNamedParams(QString::fromUtf8(c.sql));
        EXPECT_EQ(p.sql, QString::fromUtf8(c.expected));
        EXPECT_EQ(p.positions, c.positions);
    }
}

TEST(Decimal, ParsesRoundsAndPrintsExactly)
{
    struct Case
    {
        const char *text;
        int scale;
        const char *rescaled;
    } cases[] = {
        {"0.285", 3, "0.285"}, {"0,285", 2, "0.29"}, {"-0.285", 2, "-0.29"}, {"12", 2, "12.00"},
        {"1.005", 2, "1.01"},  {"-1.004", 2, "-1.00"}, {"0.5", 0, "1"},     {"123456789012.3456", 4, "123456789012.3456"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const auto d = Decimal::parse(QString::fromUtf8(c.text));
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(d->rescaled(c.scale).toString(), QString::fromUtf8(c.rescaled));
    }
    for (const char *bad : {"", "abc", "1.2.3", "1e5", "--1", "99999999999999999999"})
        EXPECT_FALSE(Decimal::parse(QString::fromUtf8(bad)).has_value()) << bad;
    EXPECT_EQ(Decimal(1, 1) + Decimal(25, 2), Decimal(35, 2));
}

TEST(Decimal, FloatingValuesMeanWhatTheirDigitsSay)
{
    struct Case
    {
        double value;
        int digits;
        const char *text;
    } cases[] = {
        {150.1f, 7, "150.1"}, {0.1f, 7, "0.1"}, {-2.5f, 7, "-2.5"}, {1234567.0f, 7, "1234567"},
        {0.285, 15, "0.285"}, {0.1 + 0.2, 15, "0.3"}, {0.0, 7, "0"}, {1e-9, 7, "0.000000001"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Decimal::fromSignificant(c.value, c.digits).toString(), QString::fromLatin1(c.text)) << c.text;
    // Five thousand amounts of 150,10 stored as FLOAT add up to the cent.
    Decimal sum;
    for (int i = 0; i < 5000; ++i)
        sum = sum + Decimal::fromSignificant(150.1f, 7);
    EXPECT_EQ(sum.toString(), QStringLiteral("750500.0"));
}
