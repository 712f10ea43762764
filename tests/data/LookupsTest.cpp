// The shared lookup statements against small fixtures where their rules can fail.

#include "data/Lookups.h"
#include "data/TLogon.h"
#include "support/TestSite.h"

#include <functional>
#include <gtest/gtest.h>

using db::BoundValue;

namespace {

class LookupsTest : public ::testing::Test
{
protected:
    void SetUp() override { logon.DataModuleCreate(); }

    void exec(const char *sql, const db::Params &params = {})
    {
        logon.Logon.execute(QString::fromUtf8(sql), params);
    }
    void guest(int id, const QString &name, const QString &taxNumber = {})
    {
        exec("insert into CLIENTES (ID, NOME, CNPJ) values (:ID, :NOME, :CNPJ)",
             {{"ID", BoundValue::integer(id)},
              {"NOME", BoundValue::string(name)},
              {"CNPJ", taxNumber.isEmpty() ? BoundValue::null() : BoundValue::string(taxNumber)}});
    }
    void product(int code, const QString &name, const QString &barcode = {})
    {
        exec("insert into PRODUTOS (ID, CODIGO, NOME, CODBARRA) values (GEN_ID(PRODUTOS,1), :C, :N, :B)",
             {{"C", BoundValue::integer(code)}, {"N", BoundValue::string(name)},
              {"B", barcode.isEmpty() ? BoundValue::null() : BoundValue::string(barcode)}});
    }
    void reservation(int id, const QString &room, const QDate &arrival, int status, int agreement = 0, int guestId = 0)
    {
        exec("insert into RESERVA (ID, QUARTO, ENTRADA, CHECKIN, CONVENIO, CLIENTE) values (:ID, :Q, :E, :S, :C, :G)",
             {{"ID", BoundValue::integer(id)}, {"Q", BoundValue::string(room)}, {"E", BoundValue::date(arrival)},
              {"S", BoundValue::integer(status)}, {"C", BoundValue::integer(agreement)},
              {"G", BoundValue::integer(guestId)}});
    }

    static QStringList column(ds::Query &q, const char *name)
    {
        QStringList out;
        for (q.first(); !q.eof(); q.next())
            out << q.field(QString::fromLatin1(name)).asString();
        return out;
    }

    test::TestSite site;
    data::TLogon logon{site.home() + QStringLiteral("/site")};
    ds::Query &q = logon.Pesquisa;
};

} // namespace

TEST(SearchFilter, TrimsUpperCasesAndSurroundsWithPercent)
{
    const std::pair<const char *, const char *> cases[] = {
        {"ana", "%ANA%"}, {"  ana paula ", "%ANA PAULA%"}, {"", ""}, {"   ", ""},
        {"joão", "%JOÃO%"}, {"o'brien", "%O'BRIEN%"}, {"12", "%12%"},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(data::SearchFilter(QString::fromUtf8(in)), QString::fromUtf8(out)) << in;
}

TEST_F(LookupsTest, GuestSearchFindsTheTextAnywhereInUpperCaseAndKeepsTheRowLimit)
{
    guest(1, QStringLiteral("MARIANA"));
    guest(2, QStringLiteral("Ana Paula"));
    guest(3, QStringLiteral("João O'Brien"));
    guest(4, QStringLiteral("Pedro"));
    for (int i = 0; i < 80; ++i)
        guest(100 + i, QStringLiteral("Z HOSPEDE %1").arg(i, 3, 10, QLatin1Char('0')));

    struct Case
    {
        const char *text;
        QStringList names; // expected, in order; empty with `count` for the limit cases
        int count;
    } cases[] = {
        {"ana", {QStringLiteral("Ana Paula"), QStringLiteral("MARIANA")}, 2},
        {"  ANA  ", {QStringLiteral("Ana Paula"), QStringLiteral("MARIANA")}, 2},
        {"joão", {QStringLiteral("João O'Brien")}, 1},
        {"o'b", {QStringLiteral("João O'Brien")}, 1},
        {"nobody", {}, 0},
        {"   ", {}, 78},
        {"hospede", {}, 78},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        data::SearchGuests(q, QString::fromUtf8(c.text));
        EXPECT_EQ(q.recordCount(), c.count);
        if (!c.names.isEmpty()) {
            EXPECT_EQ(column(q, "NOME"), c.names);
        }
    }
    // Blank: no condition line, and the first 78 in name order.
    data::SearchGuests(q, QStringLiteral("  "));
    EXPECT_FALSE(q.sql().contains(QLatin1String("where")));
    EXPECT_FALSE(q.params().contains(QStringLiteral("FILTRO")));
    EXPECT_EQ(column(q, "NOME").first(), QStringLiteral("Ana Paula"));
    EXPECT_EQ(column(q, "NOME").last(), QStringLiteral("Z HOSPEDE 073"));

    // The longest text a search box may take still finds a name of the column's width.
    const QString widest = QStringLiteral("X").repeated(40);
    guest(5, widest);
    data::SearchGuests(q, widest.left(data::kMaxNameSearchText));
    EXPECT_EQ(column(q, "NOME"), QStringList{widest});
    EXPECT_THROW(data::SearchGuests(q, widest.left(data::kMaxNameSearchText + 1)), db::DbError);
}

TEST_F(LookupsTest, ProductSearchesByModeWithTheirOrderAndLimits)
{
    product(312, QStringLiteral("AGUA"), QStringLiteral("789abc"));
    product(120, QStringLiteral("CERVEJA"), QStringLiteral("789ABD"));
    product(12, QStringLiteral("BISCOITO"), QStringLiteral("100"));
    product(5, QStringLiteral("REFRIGERANTE 12"));
    for (int i = 0; i < 30; ++i) // codes and names without "12"
        product(4000 + 100 * i, QStringLiteral("ZZ ITEM ") + QChar(u'A' + i % 26) + QChar(u'A' + i / 26));

    using M = data::ProductSearchMode;
    struct Case
    {
        M mode;
        const char *text;
        QStringList codes;
    } cases[] = {
        {M::Code, "12", {QStringLiteral("12"), QStringLiteral("120"), QStringLiteral("312")}},
        {M::Name, "12", {QStringLiteral("5")}},
        {M::Name, "ce", {QStringLiteral("120")}},
        {M::Barcode, "789ab", {QStringLiteral("120"), QStringLiteral("312")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        data::SearchProducts(q, QString::fromUtf8(c.text), c.mode);
        EXPECT_EQ(column(q, "CODIGO"), c.codes);
    }
    data::SearchProducts(q, {}, M::Name);
    EXPECT_EQ(q.recordCount(), 34);
    EXPECT_EQ(column(q, "NOME").first(), QStringLiteral("AGUA"));
    data::SearchProducts(q, {}, M::Code);
    EXPECT_EQ(column(q, "CODIGO").first(), QStringLiteral("5"));

    data::SearchProductsFull(q, QStringLiteral(" "));
    EXPECT_EQ(q.recordCount(), 25);
    EXPECT_EQ(q.field(QStringLiteral("NOME")).asString(), QStringLiteral("AGUA"));
    EXPECT_GE(q.fieldCount(), 15); // every column
}

TEST_F(LookupsTest, CurrentStayOfARoomIsTheCheckedInOneWithTheLatestArrival)
{
    guest(7, QStringLiteral("CARLA"));
    exec("insert into QUARTOS (CODIGO, NOME) values ('0001', 'SUITE 1')");
    reservation(10, QStringLiteral("0001"), QDate(2024, 3, 1), 1, 0, 7);
    reservation(11, QStringLiteral("0001"), QDate(2024, 3, 5), 1, 0, 7);
    reservation(9, QStringLiteral("0001"), QDate(2024, 3, 5), 1, 0, 7);
    reservation(12, QStringLiteral("0001"), QDate(2024, 3, 9), 2, 0, 7); // finished
    reservation(13, QStringLiteral("0001"), QDate(2024, 3, 9), 0, 0, 7); // only reserved
    reservation(14, QStringLiteral("0002"), QDate(2024, 3, 20), 1, 0, 7);

    data::FindCurrentStayOfRoom(q, QStringLiteral("0001"));
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.field(QStringLiteral("RESERVA")).asInteger(), 11);
    EXPECT_EQ(q.field(QStringLiteral("CLIENTE_NOME")).asString(), QStringLiteral("CARLA"));
    EXPECT_EQ(q.field(QStringLiteral("QUARTO_NOME")).asString(), QStringLiteral("SUITE 1"));

    data::FindCurrentStayOfRoom(q, QStringLiteral("0003"));
    EXPECT_TRUE(q.isEmpty());
}

TEST_F(LookupsTest, ReservationListsOfAnAgreementAndOfARoom)
{
    guest(7, QStringLiteral("CARLA"));
    reservation(1, QStringLiteral("0001"), QDate(2024, 3, 1), 1, 4, 7);
    reservation(2, QStringLiteral("0001"), QDate(2024, 3, 2), 2, 4, 7);
    reservation(3, QStringLiteral("0002"), QDate(2024, 3, 3), 0, 4, 7);
    reservation(4, QStringLiteral("0002"), QDate(2024, 4, 1), 1, 4, 7); // outside the period
    reservation(5, QStringLiteral("0002"), QDate(2024, 3, 3), 1, 5, 7); // another agreement

    const QDate from(2024, 3, 1), to(2024, 3, 31);
    data::ListAgreementReservations(q, 4, data::kAnyReservationStatus, from, to);
    EXPECT_EQ(column(q, "RESERVA"), (QStringList{"3", "1", "2"})); // by status, then number
    EXPECT_FALSE(q.params().contains(QStringLiteral("STATUS")));
    EXPECT_FALSE(q.sql().contains(QLatin1String(":STATUS")));
    EXPECT_EQ(q.field(QStringLiteral("NOME")).asString(), QStringLiteral("CARLA"));

    data::ListAgreementReservations(q, 4, 1, from, to);
    EXPECT_EQ(column(q, "RESERVA"), QStringList{"1"});

    // A room's unfinished reservations arriving in the period.
    data::ListRoomReservationsInPeriod(q, QStringLiteral("0001"), from, to);
    EXPECT_EQ(column(q, "ID"), QStringList{"1"});
    data::ListRoomReservationsInPeriod(q, QStringLiteral("0002"), from, to);
    EXPECT_EQ(column(q, "ID"), (QStringList{"3", "5"}));
}

TEST_F(LookupsTest, GeneratorAndCountsAndTheProductMaintenanceStatements)
{
    const qint64 first = data::NextGeneratorValue(q, QStringLiteral("CLIENTES"));
    EXPECT_EQ(data::NextGeneratorValue(q, QStringLiteral("CLIENTES")), first + 1);
    EXPECT_EQ(data::CountRows(q, QStringLiteral("SORQUIL")), 1);
    // Names go into the statement's text: anything but a plain name is refused.
    for (const char *bad : {"CLIENTES; delete from SORQUIL", "", "X'", "SORQUIL --"}) {
        EXPECT_THROW(data::CountRows(q, QString::fromLatin1(bad)), db::DbError) << bad;
        EXPECT_THROW(data::NextGeneratorValue(q, QString::fromLatin1(bad)), db::DbError) << bad;
    }

    product(1, QStringLiteral("A"));
    product(2, {});
    product(3, QStringLiteral(""));
    exec("insert into ESTFIC (ID, CODIGO) values (1, '1')");
    exec("insert into ESTFIC (ID, CODIGO) values (2, '1')");
    exec("insert into ESTFIC (ID, CODIGO) values (3, '01')");
    EXPECT_EQ(data::CountStockMovements(q, QStringLiteral("1")), 2);
    data::DeleteStockMovements(q, QStringLiteral("1"));
    EXPECT_EQ(data::CountStockMovements(q, QStringLiteral("1")), 0);
    EXPECT_EQ(data::CountStockMovements(q, QStringLiteral("01")), 1);
    data::DeleteUnnamedProducts(q);
    data::ListProductCodes(q);
    EXPECT_EQ(column(q, "CODIGO"), QStringList{"1"});
}

TEST_F(LookupsTest, EveryFinderAndListRunsOnTheSchemaAndFindsItsRow)
{
    guest(7, QStringLiteral("CARLA"), QStringLiteral("123.456.789-00"));
    product(42, QStringLiteral("AGUA"));
    reservation(3, QStringLiteral("0001"), QDate(2024, 3, 3), 0, 5, 7);
    exec("insert into TIPORESERVA (ID, NOME) values (5, 'EMPRESA X')");
    exec("insert into CATEGORIA (ID, NOME) values (2, 'LUXO')");
    exec("insert into QUARTOS (ID, CODIGO, NOME, CATEGORIA, BLOQUEADO, DIARIA) values (8, '0001', 'SUITE', 2, 1, 90)");
    exec("insert into TIPOS (ID, CODIGO, NOME) values (1, 3, 'BEBIDAS')");
    exec("insert into FORMAPAGA (ID, NOME) values (2, 'PIX')");
    exec("insert into FORMAPAGA (ID, NOME) values (1, 'DINHEIRO')");

    struct Case
    {
        const char *what;
        std::function<void()> run;
        const char *column;
        const char *value;
    } cases[] = {
        {"company", [&] { data::OpenCompanySettings(q); }, "EMPRESA", "POUSADA TESTE"},
        {"reservation", [&] { data::FindReservationById(q, 3); }, "QUARTO", "0001"},
        {"guest", [&] { data::FindGuestById(q, 7); }, "NOME", "CARLA"},
        {"tax number", [&] { data::FindGuestByTaxNumber(q, QStringLiteral("123.456.789-00")); }, "ID", "7"},
        {"product", [&] { data::FindProductByCode(q, QStringLiteral("42")); }, "NOME", "AGUA"},
        {"agreement", [&] { data::FindAgreementById(q, 5); }, "NOME", "EMPRESA X"},
        {"room by code", [&] { data::FindRoomByCode(q, QStringLiteral("0001")); }, "ID", "8"},
        {"room by id", [&] { data::FindRoomById(q, 8); }, "CODIGO", "0001"},
        {"rooms with rate", [&] { data::SearchRoomsWithRate(q, QStringLiteral("sui")); }, "ID", "0001"},
        {"rooms", [&] { data::SearchRooms(q, QStringLiteral("sui")); }, "CODIGO", "0001"},
        {"board", [&] { data::ListRoomsForBoard(q); }, "NOME", "LUXO"},
        {"room states", [&] { data::ListRoomStates(q); }, "BLOQUEADO", "1"},
        {"agreements", [&] { data::SearchAgreements(q, QStringLiteral("x")); }, "ID", "5"},
        {"groups", [&] { data::ListProductGroups(q); }, "NOME", "BEBIDAS"},
        {"payment methods by number", [&] { data::ListPaymentMethods(q); }, "NOME", "DINHEIRO"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        c.run();
        ASSERT_FALSE(q.isEmpty());
        EXPECT_EQ(q.currentRow(), 0);
        EXPECT_EQ(q.field(QString::fromLatin1(c.column)).asString(), QString::fromUtf8(c.value));
    }
    data::FindGuestByTaxNumber(q, QStringLiteral("123.456.789"));
    EXPECT_TRUE(q.isEmpty()); // exactly that tax number
}
