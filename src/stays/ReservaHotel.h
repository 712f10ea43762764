#pragma once

#include <QDateTime>
#include <QString>

namespace ds {
class Query;
}

namespace stays {

// Reservation status (RESERVA.CHECKIN).
enum ReservationStatus : int {
    Reservado = 0, // reserved; the guest has not checked in
    CheckedIn = 1, // the guest is in the room
    Finalizada = 2, // closed at check-out
    // Lookups take 3 to mean "any status"; it is never stored.
    AnyStatus = 3,
};

// Room state (QUARTOS.BLOQUEADO); any other stored value counts as free.
enum RoomState : int { Livre = 0, Ocupado = 1, Limpeza = 2, Manutencao = 3 };

// One reservation as the reservation form fills it. A value: operations take a copy.
struct TReservaHotelDados
{
    int ID = 0;
    QString Quarto;
    int Cliente = 0;
    QDateTime Entrada;
    QDateTime Saida;
    double Diaria = 0;
    QString Obs;
    int Convenio = 0;
    int TipoTaxa = 0;
    int PorDiaria = 0;
    int CheckIn = Reservado;
    QString UltProcedencia;
    QString ProxDestino;
    QString Motivo;
    QString Transporte;
    QString Placa;
    QString Grupo;
    int Adultos = 0;
    int Criancas = 0;
    QString Modelo;
    double Taxas = 0;
};

// The record operations of reservations and room states. Each runs on the query
// object it is given and commits on its own; errors reach the caller.
int NewReservationId(ds::Query &query);
int ReadReservationStatus(ds::Query &query, int reservationId); // -1 when none
bool IsReservationWithoutCheckIn(int status);
void InsertReservation(ds::Query &query, TReservaHotelDados record);
void UpdateReservation(ds::Query &query, TReservaHotelDados record, bool withStatus);
void DeleteReservation(ds::Query &query, int reservationId);
void FinishReservation(ds::Query &query, int reservationId, const QDate &departure);
void OccupyRoom(ds::Query &query, const QString &roomCode, int billNumber, const QTime &startTime,
                const QDate &startDate);
void SetRoomBill(ds::Query &query, const QString &roomCode, int billNumber);
void SetRoomToCleaning(ds::Query &query, const QString &roomCode);
void FreeRoom(ds::Query &query, const QString &roomCode);
int RoomStatePicture(int roomState);
void BindReservationParams(ds::Query &query, const TReservaHotelDados &record);
int CheckInReservation(ds::Query &query, TReservaHotelDados record, const QString &operatorName);

} // namespace stays
