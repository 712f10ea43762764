#include "Report.h"

#include "Render.h"
#include "ReportPreview.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace report {

Destination Destination::fromSettings(const QString &printerSetting, int option)
{
    const QString setting = printerSetting.trimmed();
    if (setting == QLatin1String("Nao Imprimir"))
        return {Kind::None, {}};
    // An empty setting is what the settings screen shows as "Visualizar".
    if (setting.isEmpty() || setting == QLatin1String("Visualizar") || option != 1)
        return {Kind::Preview, {}};
    return {Kind::Printer, setting};
}

bool Report::load(const QString &name)
{
    m_name = name;
    m_template.reset();
    m_loadError.clear();
    QFile file(locateTemplate(name));
    if (file.fileName().isEmpty())
        return false; // no such template: an empty report, and nothing to say
    if (!file.open(QIODevice::ReadOnly)) {
        m_loadError = QStringLiteral("Não foi possível ler o modelo de relatório %1 em %2: %3")
                          .arg(name, QFileInfo(file.fileName()).absolutePath(), file.errorString());
        return false;
    }
    QString error;
    m_template = Template::parse(file.readAll(), &error);
    if (!m_template)
        m_loadError = QStringLiteral("O modelo de relatório %1 em %2 está com defeito: %3")
                          .arg(name, QFileInfo(file.fileName()).absolutePath(), error);
    return m_template.has_value();
}

void Report::setData(const QString &name, const ds::Dataset &dataset)
{
    m_sources.insert(name.toLower(), std::make_shared<DatasetSource>(dataset));
}

void Report::setData(const QString &name, MemoryTable table)
{
    m_sources.insert(name.toLower(), std::make_shared<MemoryTable>(std::move(table)));
}

void Report::setVariable(const QString &name, const QVariant &value)
{
    m_variables.insert(name.toLower(), value);
}

Document Report::prepare() const
{
    if (!m_template)
        return {};
    return layOut(*m_template, m_sources, m_variables,
                  m_printTime.isValid() ? m_printTime : QDateTime::currentDateTime());
}

void Report::preview(QWidget *parent) const
{
    if (ReportCapture::s_active) {
        ReportCapture::s_active->m_reports << CapturedReport{{Destination::Kind::Preview, {}}, m_name, prepare()};
        return;
    }
    ReportPreview preview(prepare(), m_name, parent);
    preview.exec();
}

bool Report::print(const QString &printerName) const
{
    if (ReportCapture::s_active) {
        ReportCapture::s_active->m_reports
            << CapturedReport{{Destination::Kind::Printer, printerName}, m_name, prepare()};
        return true;
    }
    const Document document = prepare();
    // An empty report would only waste a sheet.
    if (document.pages.isEmpty())
        return true;
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(QFileInfo(m_name).completeBaseName());
    return paintDocument(printer, document);
}

bool Report::exportPdf(const QString &filePath) const
{
    QSaveFile file(filePath);
    return file.open(QIODevice::WriteOnly) && writePdf(prepare(), &file, QFileInfo(m_name).completeBaseName())
           && file.commit();
}

void Report::output(const Destination &destination, QWidget *parent) const
{
    switch (destination.kind) {
    case Destination::Kind::None:
        return;
    case Destination::Kind::Printer:
        if (print(destination.printerName))
            return;
        qWarning("printer \"%s\" cannot print; showing the preview", qPrintable(destination.printerName));
        [[fallthrough]];
    case Destination::Kind::Preview:
        preview(parent);
        return;
    }
}

QByteArray CapturedReport::pdf() const
{
    return pdfBytes(document, QFileInfo(templateName).completeBaseName());
}

ReportCapture *ReportCapture::s_active = nullptr;

ReportCapture::ReportCapture() : m_previous(s_active)
{
    s_active = this;
}

ReportCapture::~ReportCapture()
{
    s_active = m_previous;
}

} // namespace report
