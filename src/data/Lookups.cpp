#include "Lookups.h"

#include <QRegularExpression>
#include <initializer_list>

namespace data {

namespace {

constexpr int kCheckedIn = 1;
constexpr int kFinished = 2;

const QString kFiltro = QStringLiteral("FILTRO");

void setStatement(ds::Query &q, std::initializer_list<const char *> lines)
{
    q.clearSql();
    for (const char *line : lines)
        q.addSql(QString::fromUtf8(line));
}

void openOnFirst(ds::Query &q)
{
    q.open();
    q.first();
}

// Adds the condition line and binds FILTRO only when there is something to look for.
void addFilter(ds::Query &q, const QString &searchText, const char *conditionLine)
{
    const QString filter = SearchFilter(searchText);
    if (filter.isEmpty())
        return;
    q.addSql(QString::fromUtf8(conditionLine));
    q.param(kFiltro).setString(filter);
}

// A search of the form: select line, [condition], order line.
void search(ds::Query &q, const QString &searchText, const char *selectLine, const char *orderLine)
{
    setStatement(q, {selectLine});
    addFilter(q, searchText, "where upper(nome) like :FILTRO");
    q.addSql(QString::fromUtf8(orderLine));
    openOnFirst(q);
}

// Names that are built into a statement's text rather than bound.
QString checkedIdentifier(const QString &name)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z][A-Za-z0-9_$]{0,62}$"));
    if (!identifier.match(name).hasMatch())
        throw db::DbError(QStringLiteral("Nome inválido para o banco de dados: \"%1\"").arg(name));
    return name;
}

qint64 firstRowNumber(ds::Query &q, const QString &column)
{
    openOnFirst(q);
    return q.field(column).asLargeInt();
}

} // namespace

QString SearchFilter(const QString &searchText)
{
    const QString text = searchText.trimmed();
    if (text.isEmpty())
        return {};
    // Upper case of the whole alphabet, accents included, since the database's upper()
    // on the column side does the same for UTF8 text.
    return u'%' + text.toUpper() + u'%';
}

void OpenCompanySettings(ds::Query &q)
{
    setStatement(q, {"select * from EMPRESA"});
    openOnFirst(q);
}

qint64 CountRows(ds::Query &q, const QString &tableName)
{
    const QString table = checkedIdentifier(tableName);
    q.clearSql();
    q.addSql(QStringLiteral("select count(*) as treg from ") + table);
    return firstRowNumber(q, QStringLiteral("treg"));
}

qint64 NextGeneratorValue(ds::Query &q, const QString &generatorName)
{
    const QString generator = checkedIdentifier(generatorName);
    q.clearSql();
    q.addSql(QStringLiteral("select gen_id(") + generator + QStringLiteral(", 1) as teste from GeraID"));
    return firstRowNumber(q, QStringLiteral("teste"));
}

void FindReservationById(ds::Query &q, int id)
{
    setStatement(q, {"select * from RESERVA where ID = :ID"});
    q.param(QStringLiteral("ID")).setInteger(id);
    openOnFirst(q);
}

void FindCurrentStayOfRoom(ds::Query &q, const QString &roomCode)
{
    setStatement(q, {"select first 1 r.ID as RESERVA, r.*, c.NOME as CLIENTE_NOME, q.NOME as QUARTO_NOME",
                     "from RESERVA r",
                     "left join CLIENTES c on r.CLIENTE = c.ID",
                     "left join QUARTOS q on r.QUARTO = q.CODIGO",
                     "where r.CHECKIN = :CHECKIN",
                     "and r.QUARTO = :QUARTO",
                     "order by r.ENTRADA desc, r.ID desc"});
    q.param(QStringLiteral("CHECKIN")).setInteger(kCheckedIn);
    q.param(QStringLiteral("QUARTO")).setString(roomCode);
    openOnFirst(q);
}

void FindGuestById(ds::Query &q, int id)
{
    setStatement(q, {"select * from CLIENTES where ID = :ID"});
    q.param(QStringLiteral("ID")).setInteger(id);
    openOnFirst(q);
}

void FindGuestByTaxNumber(ds::Query &q, const QString &taxNumber)
{
    setStatement(q, {"select id, cnpj from CLIENTES where CNPJ = :CNPJ"});
    q.param(QStringLiteral("CNPJ")).setString(taxNumber);
    openOnFirst(q);
}

void FindProductByCode(ds::Query &q, const QString &code)
{
    setStatement(q, {"select * from PRODUTOS where CODIGO = :CODIGO"});
    q.param(QStringLiteral("CODIGO")).setString(code);
    openOnFirst(q);
}

void FindAgreementById(ds::Query &q, int id)
{
    setStatement(q, {"select * from TIPORESERVA where ID = :ID"});
    q.param(QStringLiteral("ID")).setInteger(id);
    openOnFirst(q);
}

void FindRoomByCode(ds::Query &q, const QString &code)
{
    setStatement(q, {"select * from QUARTOS where CODIGO = :CODIGO"});
    q.param(QStringLiteral("CODIGO")).setString(code);
    openOnFirst(q);
}

void FindRoomById(ds::Query &q, int id)
{
    setStatement(q, {"select * from QUARTOS where ID = :ID"});
    q.param(QStringLiteral("ID")).setInteger(id);
    openOnFirst(q);
}

void SearchGuests(ds::Query &q, const QString &searchText)
{
    search(q, searchText, "select first 78 ID, nome from CLIENTES", "order by nome");
}

void SearchRoomsWithRate(ds::Query &q, const QString &searchText)
{
    search(q, searchText, "select first 78 CODIGO as ID, nome, diaria from QUARTOS", "order by nome");
}

void SearchRooms(ds::Query &q, const QString &searchText)
{
    search(q, searchText, "select first 78 CODIGO, nome from QUARTOS", "order by nome");
}

void ListRoomsForBoard(ds::Query &q)
{
    setStatement(q, {"select qt.CODIGO, qt.BLOQUEADO, cat.NOME",
                     "from QUARTOS qt",
                     "left join CATEGORIA cat on qt.CATEGORIA = cat.ID",
                     "order by qt.CATEGORIA, qt.CODIGO"});
    openOnFirst(q);
}

void ListRoomStates(ds::Query &q)
{
    setStatement(q, {"select qt.CODIGO, qt.BLOQUEADO", "from QUARTOS qt", "order by qt.CODIGO"});
    openOnFirst(q);
}

void SearchAgreements(ds::Query &q, const QString &searchText)
{
    search(q, searchText, "select first 78 ID, nome from TIPORESERVA", "order by nome");
}

void SearchProductsFull(ds::Query &q, const QString &searchText)
{
    search(q, searchText, "select first 25 * from PRODUTOS", "order by nome");
}

void ListProductCodes(ds::Query &q)
{
    setStatement(q, {"select codigo, nome from PRODUTOS order by codigo"});
    openOnFirst(q);
}

void SearchProducts(ds::Query &q, const QString &searchText, ProductSearchMode mode)
{
    setStatement(q, {"select first 78 codigo, nome from PRODUTOS"});
    switch (mode) {
    case ProductSearchMode::Name:
        addFilter(q, searchText, "where upper(nome) like :FILTRO");
        q.addSql(QStringLiteral("order by nome"));
        break;
    case ProductSearchMode::Code:
        addFilter(q, searchText, "where cast(codigo as varchar(20)) like :FILTRO");
        q.addSql(QStringLiteral("order by codigo"));
        break;
    case ProductSearchMode::Barcode:
        addFilter(q, searchText, "where upper(codbarra) like :FILTRO");
        q.addSql(QStringLiteral("order by codigo"));
        break;
    }
    openOnFirst(q);
}

void ListProductGroups(ds::Query &q)
{
    setStatement(q, {"select * from TIPOS order by codigo"});
    openOnFirst(q);
}

qint64 CountStockMovements(ds::Query &q, const QString &productCode)
{
    setStatement(q, {"select count(*) as linha from ESTFIC where codigo = :CODIGO"});
    q.param(QStringLiteral("CODIGO")).setString(productCode);
    return firstRowNumber(q, QStringLiteral("linha"));
}

void DeleteStockMovements(ds::Query &q, const QString &productCode)
{
    setStatement(q, {"delete from ESTFIC where codigo = :CODIGO"});
    q.param(QStringLiteral("CODIGO")).setString(productCode);
    q.execSql();
}

void DeleteUnnamedProducts(ds::Query &q)
{
    setStatement(q, {"delete from PRODUTOS where nome = '' or nome is null"});
    q.execSql();
}

void ListAgreementReservations(ds::Query &q, int agreement, int status, const QDate &start, const QDate &end)
{
    setStatement(q, {"select first 78 r.ID as Reserva, r.*, c.nome",
                     "from RESERVA r",
                     "left join CLIENTES c on r.cliente = c.id",
                     "where r.convenio = :CONVENIO"});
    if (status != kAnyReservationStatus)
        q.addSql(QStringLiteral("and r.CheckIn = :STATUS"));
    q.addSql(QStringLiteral("and r.entrada between :DATAINI and :DATAFIM"));
    q.addSql(QStringLiteral("order by r.checkin, r.ID"));
    q.param(QStringLiteral("CONVENIO")).setInteger(agreement);
    if (status != kAnyReservationStatus)
        q.param(QStringLiteral("STATUS")).setInteger(status);
    q.param(QStringLiteral("DATAINI")).setDate(start);
    q.param(QStringLiteral("DATAFIM")).setDate(end);
    openOnFirst(q);
}

void ListRoomReservationsInPeriod(ds::Query &q, const QString &roomCode, const QDate &start, const QDate &end)
{
    setStatement(q, {"select * from RESERVA",
                     "where CHECKIN <> :FINALIZADA",
                     "and QUARTO = :QUARTO",
                     "and ENTRADA between :DATAINI and :DATAFIM"});
    q.param(QStringLiteral("FINALIZADA")).setInteger(kFinished);
    q.param(QStringLiteral("QUARTO")).setString(roomCode);
    q.param(QStringLiteral("DATAINI")).setDate(start);
    q.param(QStringLiteral("DATAFIM")).setDate(end);
    openOnFirst(q);
}

void ListPaymentMethods(ds::Query &q)
{
    setStatement(q, {"select * from FORMAPAGA", "order by ID"});
    openOnFirst(q);
}

} // namespace data
