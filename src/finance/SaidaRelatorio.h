#pragma once

#include "report/Report.h"

#include <QString>

class QWidget;

namespace ds {
class Dataset;
class Query;
}

namespace finance {

// The company's report settings: IMPRESSORA (a printer's name, "Nao Imprimir" or
// "Visualizar"), OPCAO (1 prints straight to that printer) and TIPO (1 the 80 mm roll).
struct ReportSettings
{
    QString impressora;
    int opcao = 0;
    int tipo = 0;

    // From the current row of a dataset opened on the EMPRESA row.
    static ReportSettings fromCompany(const ds::Dataset &empresa);
    QString templateFor(const QString &template58, const QString &template80) const;
    report::Destination destination() const;
};

// Opens the EMPRESA row on `q` and reads its report settings; throws DbError.
ReportSettings ReadReportSettings(ds::Query &q);

// The one way every printing screen sends out a report: loads the roll's template
// (a missing one gives an empty report, silently) and prints it nowhere, previews it,
// or prints it to the named printer without a dialog. A printer that cannot take it
// is named to the operator, then the preview opens so the report is not lost; nothing
// is sent to a printer twice.
void OutputReport(report::Report &report, const ReportSettings &settings, const QString &template58,
                  const QString &template80, QWidget *parent);

} // namespace finance
