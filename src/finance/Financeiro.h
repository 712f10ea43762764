#pragma once

#include <QDate>
#include <QString>

namespace data {
class TLogon;
}

namespace ds {
class Query;
}

// The financial ledger FINANCEIRO: one entry per amount received, stamped with the
// cash number. VALOR is what the reports add up; CREDITO, set on reservation payments
// only, is what a reservation has already paid. Each procedure works on the query it
// is given and lets database errors reach the caller.
namespace finance {

// A reservation's entries, by date.
void ListarFinanceiroReserva(ds::Query &q, int reserva);
// The entries dated from `inicio` to `fim`, both included, by date and description.
void ListarFinanceiroPeriodo(ds::Query &q, const QDate &inicio, const QDate &fim);
// The sum of CREDITO over the rows of an open query (null counts 0), leaving it after
// its last row; 0 when the query is not open.
double SomarCreditos(ds::Query &q);
// A payment taken on a reservation. `caixa` is the cash number read just before.
void GravarPagamentoReserva(ds::Query &q, const QString &historico, int reserva, double valor, int cliente, int tipo,
                            const QString &atendente, int caixa);
void ExcluirFinanceiro(ds::Query &q, int id);

// The check-out payment of a stay, stamped with the cash number of this moment. A bill
// number that is not an integer is written as 0. A failed insert raises DbError, so
// the check-out knows the payment is not in the ledger.
void GravarFinanceiro(data::TLogon &dm, const QString &historico, const QString &nota, const QString &atendente,
                      const QString &permanencia, double valor);

inline constexpr const char *kFinanceiroTemplate58 = "Financeiro_bobina58.fr3";
inline constexpr const char *kFinanceiroTemplate80 = "Financeiro_bobina80.fr3";

} // namespace finance
