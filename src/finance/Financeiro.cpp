#include "Financeiro.h"

#include "data/TLogon.h"
#include "platform/dataset/Query.h"

#include <QDateTime>

namespace finance {

void ListarFinanceiroReserva(ds::Query &q, int reserva)
{
    q.clearSql();
    q.addSql(QStringLiteral("select * from financeiro where reserva = :reserva order by data"));
    q.param(QStringLiteral("reserva")).setInteger(reserva);
    q.open();
}

void ListarFinanceiroPeriodo(ds::Query &q, const QDate &inicio, const QDate &fim)
{
    q.clearSql();
    q.addSql(QStringLiteral("select * from financeiro"));
    q.addSql(QStringLiteral("where data between :DATAINI and :DATAFIM"));
    q.addSql(QStringLiteral("order by data, historico"));
    q.param(QStringLiteral("DATAINI")).setDate(inicio);
    q.param(QStringLiteral("DATAFIM")).setDate(fim);
    q.open();
}

double SomarCreditos(ds::Query &q)
{
    if (!q.isOpen())
        return 0;
    // Added as exact decimals: single-precision amounts would drift over many rows.
    db::Decimal total;
    for (q.first(); !q.eof(); q.next())
        total = total + q.field(QStringLiteral("CREDITO")).asDecimal();
    return total.toDouble();
}

void GravarPagamentoReserva(ds::Query &q, const QString &historico, int reserva, double valor, int cliente, int tipo,
                            const QString &atendente, int caixa)
{
    const QDateTime now = QDateTime::currentDateTime();
    q.clearSql();
    q.addSql(QStringLiteral("insert into financeiro"));
    q.addSql(QStringLiteral(
        "(ID, DATA, HORA, CREDITO, VALOR, HISTORICO, RESERVA, CLIENTE, PERMANENCIA, TIPO, ATENDENTE, CAIXA, NOTA)"));
    q.addSql(QStringLiteral("values"));
    q.addSql(QStringLiteral("(GEN_ID(FINANCEIRO,1), :DATA, :HORA, :CREDITO, :VALOR, :HISTORICO, :RESERVA, :CLIENTE, "
                            ":PERMANENCIA, :TIPO, :ATENDENTE, :CAIXA, :NOTA)"));
    q.param(QStringLiteral("DATA")).setDate(now.date());
    q.param(QStringLiteral("HORA")).setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    q.param(QStringLiteral("CREDITO")).setDouble(valor);
    q.param(QStringLiteral("VALOR")).setDouble(valor);
    q.param(QStringLiteral("HISTORICO")).setString(historico);
    q.param(QStringLiteral("RESERVA")).setInteger(reserva);
    q.param(QStringLiteral("CLIENTE")).setInteger(cliente);
    q.param(QStringLiteral("PERMANENCIA")).setString(QStringLiteral("Reserva ") + QString::number(reserva));
    q.param(QStringLiteral("TIPO")).setInteger(tipo);
    q.param(QStringLiteral("ATENDENTE")).setString(atendente);
    q.param(QStringLiteral("CAIXA")).setInteger(caixa);
    q.param(QStringLiteral("NOTA")).setInteger(reserva);
    q.execSql();
}

void ExcluirFinanceiro(ds::Query &q, int id)
{
    q.clearSql();
    q.addSql(QStringLiteral("delete from financeiro where id = :id"));
    q.param(QStringLiteral("id")).setInteger(id);
    q.execSql();
}

void GravarFinanceiro(data::TLogon &dm, const QString &historico, const QString &nota, const QString &atendente,
                      const QString &permanencia, double valor)
{
    dm.VerEmpresa();
    const int caixa = dm.Empresa.isEmpty() ? 0 : dm.Empresa.field(QStringLiteral("CAIXA")).asInteger();
    bool ok = false;
    int numero = nota.trimmed().toInt(&ok);
    if (!ok)
        numero = 0;

    const QDateTime now = QDateTime::currentDateTime();
    ds::Query &q = dm.FINANCEIRO;
    q.clearSql();
    q.addSql(QStringLiteral("INSERT INTO FINANCEIRO (ID, DATA, HORA, HISTORICO, ATENDENTE, VALOR, NOTA, PERMANENCIA, "
                            "CAIXA) VALUES (GEN_ID(FINANCEIRO, 1), :DATA, :HORA, :HISTORICO, :ATENDENTE, :VALOR, :NOTA, "
                            ":PERMANENCIA,  :CAIXA)"));
    q.param(QStringLiteral("DATA")).setDate(now.date());
    q.param(QStringLiteral("HORA")).setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    q.param(QStringLiteral("HISTORICO")).setString(historico);
    q.param(QStringLiteral("ATENDENTE")).setString(atendente);
    q.param(QStringLiteral("VALOR")).setDouble(valor);
    q.param(QStringLiteral("NOTA")).setInteger(numero);
    q.param(QStringLiteral("PERMANENCIA")).setString(permanencia);
    q.param(QStringLiteral("CAIXA")).setInteger(caixa);
    q.execSql();
}

} // namespace finance
