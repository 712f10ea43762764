#pragma once

#include "report/DataSource.h"

#include <QString>

namespace data {
class TLogon;
}

namespace ds {
class Query;
}

// Cash sessions: at most one open for the whole site, its number in the EMPRESA row's
// CAIXA (0 while closed) and one CAIXA row per session ever opened. These work on the
// data module's shared queries; errors raise DbError unless said otherwise.
namespace finance {

// The cash number to stamp on a row written now: EMPRESA.CAIXA read on `q`, 0 when closed.
int CurrentCashNumber(ds::Query &q);

// Opens a session with the opening amount: a new number from the generator, its CAIXA
// row (operator cut to 15 characters) and the EMPRESA state. "OK", or "ERRO: " and the
// message; steps done before an error stay done.
QString AbrirCaixa(data::TLogon &dm, double valor);
// Closes the open session (EMPRESA back to 0, no date, no time, 0); "OK".
QString FecharCaixa(data::TLogon &dm);

// The Caixa dataset on the 60 newest sessions, newest first; "OK".
QString ListarCaixa(data::TLogon &dm);
// The Caixa dataset on one session, or on all when `busca` is empty; "OK".
QString VerCaixa(data::TLogon &dm, const QString &busca);
// The FINANCEIRO dataset on one session's ledger entries (all entries when `busca` is
// empty), in the order the database returns them.
void ListarfINANCEIRO(data::TLogon &dm, const QString &busca);
// The Pesquisa dataset on the stock lines of a bill (saida, nome); every line when 0.
void VerFichaNota(data::TLogon &dm, int nota);

// The cash report's rows for a session, one per printed line: fields Nota, Historico,
// Total, Quant, Produto, geral, Permanencia. Leaves Caixa and FINANCEIRO on the session.
report::MemoryTable MontarCDSCaixa(data::TLogon &dm, int caixa);

inline constexpr const char *kCaixaTemplate58 = "Caixa_bobina58.fr3";
inline constexpr const char *kCaixaTemplate80 = "Caixa_bobina80.fr3";

} // namespace finance
