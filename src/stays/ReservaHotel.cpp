#include "ReservaHotel.h"

#include "data/Historico.h"
#include "platform/dataset/Query.h"

namespace stays {

namespace {
void setLines(ds::Query &q, std::initializer_list<const char *> lines)
{
    q.clearSql();
    for (const char *line : lines)
        q.addSql(QString::fromLatin1(line));
}
} // namespace

int NewReservationId(ds::Query &query)
{
    setLines(query, {"select GEN_ID(RESERVA,1) as ID from GeraID"});
    query.open();
    return query.field(QStringLiteral("ID")).asInteger();
}

int ReadReservationStatus(ds::Query &query, int reservationId)
{
    setLines(query, {"select CHECKIN from RESERVA where ID = :ID"});
    query.param(QStringLiteral("ID")).setInteger(reservationId);
    query.open();
    return query.isEmpty() ? -1 : query.field(QStringLiteral("CHECKIN")).asInteger();
}

bool IsReservationWithoutCheckIn(int status) { return status == Reservado; }

void BindReservationParams(ds::Query &query, const TReservaHotelDados &r)
{
    query.param(QStringLiteral("ID")).setInteger(r.ID);
    query.param(QStringLiteral("QUARTO")).setString(r.Quarto);
    query.param(QStringLiteral("CLIENTE")).setInteger(r.Cliente);
    query.param(QStringLiteral("ENTRADA")).setDate(r.Entrada.date());
    query.param(QStringLiteral("SAIDA")).setDate(r.Saida.date());
    query.param(QStringLiteral("DIARIA")).setFloat(static_cast<float>(r.Diaria));
    query.param(QStringLiteral("OBS")).setString(r.Obs);
    query.param(QStringLiteral("CONVENIO")).setInteger(r.Convenio);
    query.param(QStringLiteral("TIPOTAXA")).setInteger(r.TipoTaxa);
    query.param(QStringLiteral("PORDIARIA")).setInteger(r.PorDiaria);
    // The update without the status line has no such parameter: the status stays.
    if (query.sql().contains(QLatin1String(":CHECKIN")))
        query.param(QStringLiteral("CHECKIN")).setInteger(r.CheckIn);
    query.param(QStringLiteral("ULTPROCEDENCIA")).setString(r.UltProcedencia);
    query.param(QStringLiteral("PROXDESTINO")).setString(r.ProxDestino);
    query.param(QStringLiteral("MOTIVO")).setString(r.Motivo);
    query.param(QStringLiteral("TRANSPORTE")).setString(r.Transporte);
    query.param(QStringLiteral("PLACA")).setString(r.Placa);
    query.param(QStringLiteral("GRUPO")).setString(r.Grupo);
    query.param(QStringLiteral("ADULTOS")).setInteger(r.Adultos);
    query.param(QStringLiteral("CRIANCAS")).setInteger(r.Criancas);
    query.param(QStringLiteral("MODELO")).setString(r.Modelo);
    query.param(QStringLiteral("TAXAS")).setFloat(static_cast<float>(r.Taxas));
}

void InsertReservation(ds::Query &query, TReservaHotelDados record)
{
    setLines(query, {"insert into RESERVA",
                     "(ID, QUARTO, CLIENTE, ENTRADA, SAIDA, DIARIA, OBS, CONVENIO, TIPOTAXA, PORDIARIA, CHECKIN,",
                     "ULTPROCEDENCIA, PROXDESTINO, MOTIVO, TRANSPORTE, PLACA, GRUPO, ADULTOS, CRIANCAS, MODELO, TAXAS)",
                     "values",
                     "(:ID, :QUARTO, :CLIENTE, :ENTRADA, :SAIDA, :DIARIA, :OBS, :CONVENIO, :TIPOTAXA, :PORDIARIA, :CHECKIN,",
                     ":ULTPROCEDENCIA, :PROXDESTINO, :MOTIVO, :TRANSPORTE, :PLACA, :GRUPO, :ADULTOS, :CRIANCAS, :MODELO, :TAXAS)"});
    BindReservationParams(query, record);
    query.execSql();
}

void UpdateReservation(ds::Query &query, TReservaHotelDados record, bool withStatus)
{
    query.clearSql();
    for (const char *line : {"update RESERVA set", "QUARTO = :QUARTO,", "ENTRADA = :ENTRADA,", "SAIDA = :SAIDA,",
                             "DIARIA = :DIARIA,", "OBS = :OBS,", "CLIENTE = :CLIENTE,", "CONVENIO = :CONVENIO,",
                             "TIPOTAXA = :TIPOTAXA,", "PORDIARIA = :PORDIARIA,"})
        query.addSql(QString::fromLatin1(line));
    if (withStatus)
        query.addSql(QStringLiteral("CHECKIN = :CHECKIN,"));
    for (const char *line : {"ULTPROCEDENCIA = :ULTPROCEDENCIA,", "PROXDESTINO = :PROXDESTINO,", "MOTIVO = :MOTIVO,",
                             "TRANSPORTE = :TRANSPORTE,", "PLACA = :PLACA,", "GRUPO = :GRUPO,", "MODELO = :MODELO,",
                             "ADULTOS = :ADULTOS,", "CRIANCAS = :CRIANCAS,", "TAXAS = :TAXAS", "where ID = :ID"})
        query.addSql(QString::fromLatin1(line));
    BindReservationParams(query, record);
    query.execSql();
}

void DeleteReservation(ds::Query &query, int reservationId)
{
    setLines(query, {"delete from RESERVA where ID = :ID"});
    query.param(QStringLiteral("ID")).setInteger(reservationId);
    query.execSql();
}

void FinishReservation(ds::Query &query, int reservationId, const QDate &departure)
{
    setLines(query, {"update RESERVA set SAIDA = :SAIDA, CHECKIN = :CHECKIN where ID = :ID"});
    query.param(QStringLiteral("SAIDA")).setDate(departure);
    query.param(QStringLiteral("CHECKIN")).setInteger(Finalizada);
    query.param(QStringLiteral("ID")).setInteger(reservationId);
    query.execSql();
}

void OccupyRoom(ds::Query &query, const QString &roomCode, int billNumber, const QTime &startTime,
                const QDate &startDate)
{
    setLines(query, {"update QUARTOS set", "INICIADATA = :INICIADATA,", "INICIAHORA = :INICIAHORA,", "NOTA = :NOTA,",
                     "BLOQUEADO = :BLOQUEADO", "where CODIGO = :CODIGO"});
    query.param(QStringLiteral("INICIADATA")).setDate(startDate);
    query.param(QStringLiteral("INICIAHORA")).setTime(startTime);
    query.param(QStringLiteral("NOTA")).setInteger(billNumber);
    query.param(QStringLiteral("BLOQUEADO")).setInteger(Ocupado);
    query.param(QStringLiteral("CODIGO")).setString(roomCode);
    query.execSql();
}

void SetRoomBill(ds::Query &query, const QString &roomCode, int billNumber)
{
    setLines(query, {"update QUARTOS set", "NOTA = :NOTA", "where CODIGO = :CODIGO"});
    query.param(QStringLiteral("NOTA")).setInteger(billNumber);
    query.param(QStringLiteral("CODIGO")).setString(roomCode);
    query.execSql();
}

void SetRoomToCleaning(ds::Query &query, const QString &roomCode)
{
    setLines(query, {"update QUARTOS set", "BLOQUEADO = :BLOQUEADO,", "NOTA = :NOTA", "where CODIGO = :CODIGO"});
    query.param(QStringLiteral("BLOQUEADO")).setInteger(Limpeza);
    query.param(QStringLiteral("NOTA")).setInteger(0);
    query.param(QStringLiteral("CODIGO")).setString(roomCode);
    query.execSql();
}

void FreeRoom(ds::Query &query, const QString &roomCode)
{
    setLines(query, {"update QUARTOS set", "BLOQUEADO = :BLOQUEADO", "where CODIGO = :CODIGO"});
    query.param(QStringLiteral("BLOQUEADO")).setInteger(Livre);
    query.param(QStringLiteral("CODIGO")).setString(roomCode);
    query.execSql();
}

int RoomStatePicture(int roomState)
{
    return (roomState == Ocupado || roomState == Limpeza || roomState == Manutencao) ? roomState : 0;
}

int CheckInReservation(ds::Query &query, TReservaHotelDados record, const QString &operatorName)
{
    record.CheckIn = CheckedIn;
    int id = record.ID;
    if (id <= 0) {
        id = NewReservationId(query);
        record.ID = id;
        InsertReservation(query, record);
    } else {
        UpdateReservation(query, record, true);
    }
    OccupyRoom(query, record.Quarto, id, QTime::currentTime(), record.Entrada.date());
    data::GravarHistorico(query, operatorName, QStringLiteral("Fez Check-In Reserve N.") + QString::number(id));
    return id;
}

} // namespace stays
