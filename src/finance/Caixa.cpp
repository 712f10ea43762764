#include "Caixa.h"

#include "access/Sessao.h"
#include "data/Lookups.h"
#include "data/TLogon.h"
#include "platform/db/DbError.h"

#include <QDateTime>
#include <QSet>

namespace finance {

namespace {

constexpr int kAtendWidth = 15;
constexpr int kHistoricoWidth = 40;
constexpr int kProdutoWidth = 30;
constexpr int kPermanenciaWidth = 30;

void bindSessionNumber(ds::Query &q, const QString &busca)
{
    bool ok = false;
    const int n = busca.trimmed().toInt(&ok);
    if (!ok)
        throw db::DbError(QStringLiteral("Número de caixa inválido: %1").arg(busca));
    q.param(QStringLiteral("CAIXA")).setInteger(n);
}

void setCompanyCashState(ds::Query &q, int caixa, const QDateTime &when, double valor)
{
    q.clearSql();
    q.addSql(QStringLiteral("update EMPRESA set CAIXA = :CAIXA, DATA = :DATA, HORA = :HORA, VALOR = :VALOR"));
    q.param(QStringLiteral("CAIXA")).setInteger(caixa);
    if (when.isValid()) {
        q.param(QStringLiteral("DATA")).setDate(when.date());
        q.param(QStringLiteral("HORA")).setTime(QTime(when.time().hour(), when.time().minute(), when.time().second()));
    } else {
        q.param(QStringLiteral("DATA")).clear();
        q.param(QStringLiteral("HORA")).clear();
    }
    q.param(QStringLiteral("VALOR")).setDouble(valor);
    q.execSql();
}

} // namespace

int CurrentCashNumber(ds::Query &q)
{
    data::OpenCompanySettings(q);
    return q.isEmpty() ? 0 : q.field(QStringLiteral("CAIXA")).asInteger();
}

QString AbrirCaixa(data::TLogon &dm, double valor)
{
    try {
        dm.Atualiza.clearSql();
        dm.Atualiza.addSql(QStringLiteral("select GEN_ID(CAIXA, 1) as ID from RDB$DATABASE"));
        dm.Atualiza.open();
        const int n = dm.Atualiza.field(QStringLiteral("ID")).asInteger();

        const QDateTime now = QDateTime::currentDateTime();
        dm.Caixa.clearSql();
        dm.Caixa.addSql(QStringLiteral("insert into CAIXA (ID, DATA, ATEND, VALOR) values (:ID, :DATA, :ATEND, :VALOR)"));
        dm.Caixa.param(QStringLiteral("ID")).setInteger(n);
        dm.Caixa.param(QStringLiteral("DATA")).setDateTime(now);
        dm.Caixa.param(QStringLiteral("ATEND")).setString(acesso::GetOperatorName().left(kAtendWidth));
        dm.Caixa.param(QStringLiteral("VALOR")).setDouble(valor);
        dm.Caixa.execSql();

        setCompanyCashState(dm.Atualiza, n, now, valor);
        return QStringLiteral("OK");
    } catch (const db::DbError &e) {
        return QStringLiteral("ERRO: ") + e.message();
    }
}

QString FecharCaixa(data::TLogon &dm)
{
    setCompanyCashState(dm.Atualiza, 0, {}, 0);
    return QStringLiteral("OK");
}

QString ListarCaixa(data::TLogon &dm)
{
    dm.Caixa.clearSql();
    dm.Caixa.addSql(QStringLiteral("select first 60 * from CAIXA"));
    dm.Caixa.addSql(QStringLiteral("order by ID desc"));
    dm.Caixa.open();
    dm.Caixa.first();
    return QStringLiteral("OK");
}

QString VerCaixa(data::TLogon &dm, const QString &busca)
{
    dm.Caixa.clearSql();
    dm.Caixa.addSql(QStringLiteral("select * from CAIXA"));
    if (!busca.isEmpty()) {
        dm.Caixa.addSql(QStringLiteral("where ID = :CAIXA"));
        bindSessionNumber(dm.Caixa, busca);
    }
    dm.Caixa.open();
    dm.Caixa.first();
    return QStringLiteral("OK");
}

void ListarfINANCEIRO(data::TLogon &dm, const QString &busca)
{
    dm.FINANCEIRO.clearSql();
    dm.FINANCEIRO.addSql(QStringLiteral("select * from FINANCEIRO"));
    if (!busca.isEmpty()) {
        dm.FINANCEIRO.addSql(QStringLiteral("where CAIXA = :CAIXA"));
        bindSessionNumber(dm.FINANCEIRO, busca);
    }
    dm.FINANCEIRO.open();
    dm.FINANCEIRO.first();
}

void VerFichaNota(data::TLogon &dm, int nota)
{
    dm.Pesquisa.clearSql();
    dm.Pesquisa.addSql(QStringLiteral(
        "select estfic.saida,produtos.nome from EStFic left join produtos  on estfic.codigo = produtos.codigo "));
    if (nota != 0) {
        dm.Pesquisa.addSql(QStringLiteral(" where estfic.NFiscal = :Nota"));
        dm.Pesquisa.param(QStringLiteral("Nota")).setInteger(nota);
    }
    dm.Pesquisa.open();
    dm.Pesquisa.first();
}

report::MemoryTable MontarCDSCaixa(data::TLogon &dm, int caixa)
{
    const QString n = QString::number(caixa);
    VerCaixa(dm, n);
    ListarfINANCEIRO(dm, n);

    // Amounts travel as exact decimals so the session total adds up to the cent.
    QList<QVariantList> rows;
    db::Decimal grand;
    QSet<int> listedBills;
    ds::Query &entries = dm.FINANCEIRO;
    for (entries.first(); !entries.eof(); entries.next()) {
        const int nota = entries.field(QStringLiteral("NOTA")).asInteger();
        const QString historico = entries.field(QStringLiteral("HISTORICO")).asString().left(kHistoricoWidth);
        const QString permanencia = entries.field(QStringLiteral("PERMANENCIA")).asString().left(kPermanenciaWidth);
        const db::Decimal valor = entries.field(QStringLiteral("VALOR")).asDecimal();
        grand = grand + valor;

        // NOTA 0 is an entry without a bill: the stock lines that carry no bill are
        // not its consumption, so it prints as "Sem Consumo". A bill paid in several
        // entries (payment at check-in, then check-out) lists its products once.
        bool hasLines = false;
        if (nota != 0 && !listedBills.contains(nota)) {
            listedBills.insert(nota);
            VerFichaNota(dm, nota);
            ds::Query &lines = dm.Pesquisa;
            for (lines.first(); !lines.eof(); lines.next()) {
                rows << QVariantList{nota,
                                     historico,
                                     QVariant::fromValue(hasLines ? db::Decimal() : valor),
                                     QVariant::fromValue(lines.field(QStringLiteral("SAIDA")).asDecimal()),
                                     lines.field(QStringLiteral("NOME")).asString().left(kProdutoWidth),
                                     QVariant(),
                                     permanencia};
                hasLines = true;
            }
        }
        if (!hasLines)
            rows << QVariantList{nota,
                                 historico,
                                 QVariant::fromValue(valor),
                                 QVariant::fromValue(db::Decimal()),
                                 QStringLiteral("Sem Consumo"),
                                 QVariant(),
                                 permanencia};
    }

    report::MemoryTable table({QStringLiteral("Nota"), QStringLiteral("Historico"), QStringLiteral("Total"),
                               QStringLiteral("Quant"), QStringLiteral("Produto"), QStringLiteral("geral"),
                               QStringLiteral("Permanencia")});
    constexpr int kGeral = 5;
    for (QVariantList &row : rows) {
        row[kGeral] = QVariant::fromValue(grand);
        table.append(row);
    }
    return table;
}

} // namespace finance
