#pragma once

// A demo site with the data module open on it, an operator logged in and the
// Brazilian number format, as the screens of cash and finance run.

#include "access/Sessao.h"
#include "data/TLogon.h"
#include "report/ReportPreview.h"
#include "support/TestSite.h"
#include "ui/common/MessageBoxes.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace test {

class FinanceTest : public ::testing::Test
{
protected:
    FinanceTest() : site(true), dm(site.home() + QStringLiteral("/site"))
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        dm.DataModuleCreate();
        acesso::SetOperatorName(QStringLiteral("ADMIN"));
    }
    ~FinanceTest() override
    {
        QLocale::setDefault(m_savedLocale);
        for (const ui::ShownDialog &d : m_unexpected.shown())
            ADD_FAILURE() << "unexpected message: " << d.text.toStdString();
    }

    db::ResultSet sql(const QString &statement, const db::Params &params = {})
    {
        return dm.Logon.execute(statement, params);
    }
    // The first column of the first row.
    QVariant scalar(const QString &statement, const db::Params &params = {})
    {
        const db::ResultSet rs = sql(statement, params);
        return rs.rows.isEmpty() ? QVariant() : rs.rows.first().value(0);
    }
    int count(const QString &table) { return scalar(QStringLiteral("select count(*) from ") + table).toInt(); }

    void setPrinting(const QString &impressora, int opcao, int tipo)
    {
        sql(QStringLiteral("update EMPRESA set IMPRESSORA = :I, OPCAO = :O, TIPO = :T"),
            {{QStringLiteral("I"), db::BoundValue::string(impressora)},
             {QStringLiteral("O"), db::BoundValue::integer(opcao)},
             {QStringLiteral("T"), db::BoundValue::integer(tipo)}});
    }

    // A sale line of the stock ledger: what closing a bill takes out of stock.
    void addSaleLine(int productCode, int nota, int caixa, double saida)
    {
        sql(QStringLiteral("insert into ESTFIC (ID, CODIGO, VALOR, DATA, HISTORICO, NFISCAL, CAIXA, SAIDA) values "
                           "(GEN_ID(ESTFIC, 1), :CODIGO, 0, CURRENT_DATE, 'Venda', :NFISCAL, :CAIXA, :SAIDA)"),
            {{QStringLiteral("CODIGO"), db::BoundValue::string(QString::number(productCode))},
             {QStringLiteral("NFISCAL"), db::BoundValue::integer(nota)},
             {QStringLiteral("CAIXA"), db::BoundValue::integer(caixa)},
             {QStringLiteral("SAIDA"), db::BoundValue::dbl(saida)}});
    }

    // A ledger entry of a given day and session, as a check-out writes it.
    void addEntry(const QDate &data, const QString &historico, double valor, int nota, int caixa,
                  const QString &permanencia = QStringLiteral("Hospedagem : 14:00 a 12:00"))
    {
        sql(QStringLiteral("insert into FINANCEIRO (ID, DATA, HORA, HISTORICO, ATENDENTE, VALOR, NOTA, PERMANENCIA, "
                           "CAIXA) values (GEN_ID(FINANCEIRO, 1), :DATA, CURRENT_TIME, :HISTORICO, 'ADMIN', :VALOR, "
                           ":NOTA, :PERMANENCIA, :CAIXA)"),
            {{QStringLiteral("DATA"), db::BoundValue::date(data)},
             {QStringLiteral("HISTORICO"), db::BoundValue::string(historico)},
             {QStringLiteral("VALOR"), db::BoundValue::dbl(valor)},
             {QStringLiteral("NOTA"), db::BoundValue::integer(nota)},
             {QStringLiteral("PERMANENCIA"), db::BoundValue::string(permanencia)},
             {QStringLiteral("CAIXA"), db::BoundValue::integer(caixa)}});
    }

    TestSite site;
    data::TLogon dm;

private:
    QLocale m_savedLocale;
    // A message no test asked for is answered "N" and reported, instead of waiting forever.
    ui::ScriptedDialogs m_unexpected;
};

// Closes every report preview that opens while it lives, counting them.
class PreviewCloser
{
public:
    PreviewCloser()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *preview = qobject_cast<report::ReportPreview *>(w); preview && preview->isVisible()) {
                    ++m_count;
                    preview->reject();
                }
        });
        m_timer.start(20);
    }
    int count() const { return m_count; }

private:
    QTimer m_timer;
    int m_count = 0;
};

// The report's laid-out lines without the print date, which changes with the clock.
inline QStringList linesOf(const QList<QStringList> &pages)
{
    QStringList lines;
    for (const QStringList &page : pages)
        for (const QString &line : page)
            if (!line.startsWith(QLatin1String("Impresso em")))
                lines << line;
    return lines;
}

} // namespace test
