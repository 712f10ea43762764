#pragma once

#include "platform/dataset/Query.h"

#include <QDate>
#include <QString>

// The ready-made statements the screens share. Each closes the query it is given,
// replaces its statement, binds the parameters by name and opens it on its first row
// (or executes it); the caller reads the columns from the query. Errors raise DbError.
namespace data {

// The FILTRO value for a typed search text: "%TEXT%", or empty when the text is blank.
QString SearchFilter(const QString &searchText);

// The longest search text a search accepts: FILTRO may be no wider than the column it
// is compared with, and the two % take two places. A longer text raises DbError, so
// search boxes take at most this many characters.
inline constexpr int kMaxNameSearchText = 38;    // NOME, 40 characters
inline constexpr int kMaxCodeSearchText = 18;    // product code as varchar(20)
inline constexpr int kMaxBarcodeSearchText = 14; // CODBARRA, 16 characters

void OpenCompanySettings(ds::Query &q);
// The table and generator names are identifiers of the schema; anything else is refused
// with a DbError before a statement is built from it.
qint64 CountRows(ds::Query &q, const QString &tableName);
qint64 NextGeneratorValue(ds::Query &q, const QString &generatorName);

void FindReservationById(ds::Query &q, int id);
// The checked-in reservation of the room with the latest arrival (highest number among
// equal arrivals), with the columns RESERVA, CLIENTE_NOME and QUARTO_NOME besides its own.
void FindCurrentStayOfRoom(ds::Query &q, const QString &roomCode);
void FindGuestById(ds::Query &q, int id);
void FindGuestByTaxNumber(ds::Query &q, const QString &taxNumber);
void FindProductByCode(ds::Query &q, const QString &code);
void FindAgreementById(ds::Query &q, int id);
void FindRoomByCode(ds::Query &q, const QString &code);
void FindRoomById(ds::Query &q, int id);

void SearchGuests(ds::Query &q, const QString &searchText);
void SearchRoomsWithRate(ds::Query &q, const QString &searchText);
void SearchRooms(ds::Query &q, const QString &searchText);
void ListRoomsForBoard(ds::Query &q);
void ListRoomStates(ds::Query &q);
void SearchAgreements(ds::Query &q, const QString &searchText);
void SearchProductsFull(ds::Query &q, const QString &searchText);
void ListProductCodes(ds::Query &q);

enum class ProductSearchMode { Name = 0, Code = 1, Barcode = 2 };
void SearchProducts(ds::Query &q, const QString &searchText, ProductSearchMode mode);

void ListProductGroups(ds::Query &q);
qint64 CountStockMovements(ds::Query &q, const QString &productCode);
void DeleteStockMovements(ds::Query &q, const QString &productCode);
void DeleteUnnamedProducts(ds::Query &q);

// Status 0, 1 or 2 selects that reservation status; 3 selects every status.
inline constexpr int kAnyReservationStatus = 3;
void ListAgreementReservations(ds::Query &q, int agreement, int status, const QDate &start, const QDate &end);
void ListRoomReservationsInPeriod(ds::Query &q, const QString &roomCode, const QDate &start, const QDate &end);
void ListPaymentMethods(ds::Query &q);

} // namespace data
