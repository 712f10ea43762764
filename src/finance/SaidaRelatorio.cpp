#include "SaidaRelatorio.h"

#include "data/Lookups.h"
#include "platform/dataset/Query.h"
#include "ui/common/MessageBoxes.h"

namespace finance {

ReportSettings ReportSettings::fromCompany(const ds::Dataset &empresa)
{
    ReportSettings s;
    if (empresa.isEmpty())
        return s;
    s.impressora = empresa.field(QStringLiteral("IMPRESSORA")).asString();
    s.opcao = empresa.field(QStringLiteral("OPCAO")).asInteger();
    s.tipo = empresa.field(QStringLiteral("TIPO")).asInteger();
    return s;
}

QString ReportSettings::templateFor(const QString &template58, const QString &template80) const
{
    return tipo == 1 ? template80 : template58;
}

report::Destination ReportSettings::destination() const
{
    return report::Destination::fromSettings(impressora, opcao);
}

ReportSettings ReadReportSettings(ds::Query &q)
{
    data::OpenCompanySettings(q);
    return ReportSettings::fromCompany(q);
}

void OutputReport(report::Report &report, const ReportSettings &settings, const QString &template58,
                  const QString &template80, QWidget *parent)
{
    const report::Destination destination = settings.destination();
    if (destination.kind == report::Destination::Kind::None)
        return;
    report.load(settings.templateFor(template58, template80));
    if (!report.loadError().isEmpty()) {
        ui::critical(parent, report.loadError());
        return;
    }
    if (destination.kind == report::Destination::Kind::Printer) {
        if (report.print(destination.printerName))
            return;
        ui::critical(parent, QStringLiteral("Não foi possível imprimir na impressora \"%1\".\n"
                                            "Verifique se ela está instalada e ligada. O relatório será mostrado na tela.")
                                 .arg(destination.printerName));
    }
    report.preview(parent);
}

} // namespace finance
