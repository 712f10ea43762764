// Reservation and room-state records against a real database.

#include "data/TLogon.h"
#include "platform/dataset/Query.h"
#include "stays/ReservaHotel.h"
#include "support/TestSite.h"

#include <gtest/gtest.h>

using namespace stays;

class ReservaHotelTest : public ::testing::Test
{
protected:
    test::TestSite site{true};
    std::unique_ptr<db::Connection> conn = site.connect();
    ds::Query q{*conn};

    QList<QVariant> row(const QString &sql)
    {
        const auto rs = conn->execute(sql);
        return rs.rows.value(0);
    }

    static TReservaHotelDados reservation(const QString &room)
    {
        TReservaHotelDados r;
        r.Quarto = room;
        r.Cliente = 1;
        r.Entrada = QDateTime(QDate(2026, 12, 10), QTime(22, 15));
        r.Saida = QDateTime(QDate(2026, 12, 12), QTime(9, 0));
        r.Diaria = 180.5;
        r.Obs = QStringLiteral("Chegada tardia, café às 7h");
        r.Adultos = 2;
        r.Placa = QStringLiteral("ABC1D23");
        return r;
    }
};

TEST_F(ReservaHotelTest, WalkInCheckInCreatesTheStayAndOccupiesTheRoom)
{
    const int before = NewReservationId(q);
    const int id = CheckInReservation(q, reservation(QStringLiteral("0101")), QStringLiteral("MARIA"));
    EXPECT_GT(id, before);

    const auto r = row(QStringLiteral("select CHECKIN, ENTRADA, SAIDA, DIARIA, OBS, QUARTO from RESERVA where ID = %1").arg(id));
    ASSERT_FALSE(r.isEmpty());
    EXPECT_EQ(r[0].toInt(), CheckedIn);
    EXPECT_EQ(r[1].toDate(), QDate(2026, 12, 10)); // the time of day is dropped
    EXPECT_EQ(r[2].toDate(), QDate(2026, 12, 12));
    EXPECT_FLOAT_EQ(r[3].toFloat(), 180.5f);
    EXPECT_EQ(r[4].toString(), QStringLiteral("Chegada tardia, café às 7h"));

    const auto room = row(QStringLiteral("select BLOQUEADO, NOTA, INICIADATA, INICIAHORA from QUARTOS where CODIGO = '0101'"));
    EXPECT_EQ(room[0].toInt(), Ocupado);
    EXPECT_EQ(room[1].toInt(), id);
    EXPECT_EQ(room[2].toDate(), QDate(2026, 12, 10));
    EXPECT_TRUE(room[3].toTime().isValid());

    const auto history = row(QStringLiteral("select OPERADOR, ACAO from HISTORICO"));
    EXPECT_EQ(history[0].toString(), QStringLiteral("MARIA"));
    EXPECT_EQ(history[1].toString(), QStringLiteral("Fez Check-In Reserve N.%1").arg(id));
}

TEST_F(ReservaHotelTest, CheckInOfABookedReservationKeepsItsNumber)
{
    TReservaHotelDados r = reservation(QStringLiteral("0202"));
    r.ID = NewReservationId(q);
    InsertReservation(q, r);
    EXPECT_EQ(ReadReservationStatus(q, r.ID), Reservado);
    EXPECT_TRUE(IsReservationWithoutCheckIn(ReadReservationStatus(q, r.ID)));

    const TReservaHotelDados copy = r;
    EXPECT_EQ(CheckInReservation(q, r, QStringLiteral("JOAO")), r.ID);
    EXPECT_EQ(r.CheckIn, copy.CheckIn); // the caller's record is not changed
    EXPECT_EQ(ReadReservationStatus(q, r.ID), CheckedIn);
    EXPECT_EQ(row(QStringLiteral("select count(*) from RESERVA")).value(0).toInt(), 1);

    // An edit without the status line leaves the stay checked in.
    r.Diaria = 200;
    UpdateReservation(q, r, false);
    EXPECT_EQ(ReadReservationStatus(q, r.ID), CheckedIn);
    EXPECT_FLOAT_EQ(row(QStringLiteral("select DIARIA from RESERVA")).value(0).toFloat(), 200.0f);
}

TEST_F(ReservaHotelTest, RoomGoesThroughItsStatesAndTheStayIsFinished)
{
    const int id = CheckInReservation(q, reservation(QStringLiteral("0103")), QStringLiteral("ANA"));
    const int bill = NewReservationId(q);
    EXPECT_GT(bill, id); // one increasing series for bills and reservations
    SetRoomBill(q, QStringLiteral("0103"), bill);
    EXPECT_EQ(row(QStringLiteral("select NOTA from QUARTOS where CODIGO = '0103'")).value(0).toInt(), bill);

    FinishReservation(q, id, QDate(2026, 12, 11));
    const auto r = row(QStringLiteral("select CHECKIN, SAIDA from RESERVA where ID = %1").arg(id));
    EXPECT_EQ(r[0].toInt(), Finalizada);
    EXPECT_EQ(r[1].toDate(), QDate(2026, 12, 11));

    SetRoomToCleaning(q, QStringLiteral("0103"));
    auto room = row(QStringLiteral("select BLOQUEADO, NOTA, INICIADATA from QUARTOS where CODIGO = '0103'"));
    EXPECT_EQ(room[0].toInt(), Limpeza);
    EXPECT_EQ(room[1].toInt(), 0);
    EXPECT_EQ(room[2].toDate(), QDate(2026, 12, 10)); // the last stay's start stays

    FreeRoom(q, QStringLiteral("0103"));
    EXPECT_EQ(row(QStringLiteral("select BLOQUEADO from QUARTOS where CODIGO = '0103'")).value(0).toInt(), Livre);
}

TEST_F(ReservaHotelTest, MissingReservationReadsMinusOneAndDeleteRemovesOnlyItsRow)
{
    EXPECT_EQ(ReadReservationStatus(q, 999), -1);
    EXPECT_FALSE(IsReservationWithoutCheckIn(-1));
    TReservaHotelDados a = reservation(QStringLiteral("0101")), b = reservation(QStringLiteral("0102"));
    a.ID = NewReservationId(q);
    b.ID = NewReservationId(q);
    InsertReservation(q, a);
    InsertReservation(q, b);
    DeleteReservation(q, a.ID);
    EXPECT_EQ(ReadReservationStatus(q, a.ID), -1);
    EXPECT_EQ(ReadReservationStatus(q, b.ID), Reservado);
}

TEST(RoomStatePicture, FreeForEveryUnknownState)
{
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 0}, {-1, 0}, {7, 0}};
    for (const auto &[state, picture] : cases)
        EXPECT_EQ(RoomStatePicture(state), picture) << state;
}

TEST_F(ReservaHotelTest, TextLongerThanItsColumnIsAnErrorAndNothingIsStored)
{
    TReservaHotelDados r = reservation(QStringLiteral("0101"));
    r.Placa = QStringLiteral("ABCDEFGHIJKLM"); // 13 characters for 12
    r.ID = NewReservationId(q);
    EXPECT_THROW(InsertReservation(q, r), db::DbError);
    EXPECT_EQ(ReadReservationStatus(q, r.ID), -1);
}
