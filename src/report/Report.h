#pragma once

#include "DataSource.h"
#include "Document.h"
#include "Template.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

class QWidget;

namespace ds {
class Dataset;
}

namespace report {

// Where the company settings send a report: a printer setting of "Nao Imprimir" prints
// nothing, "Visualizar" (or nothing at all) previews; any other text is a printer's
// name, used when the option is 1, else the report is previewed.
struct Destination
{
    enum class Kind { None, Preview, Printer };
    Kind kind = Kind::Preview;
    QString printerName;

    static Destination fromSettings(const QString &printerSetting, int option);
    friend bool operator==(const Destination &, const Destination &) = default;
};

// A template filled with named data sources and variables, and sent somewhere.
//   Report r;
//   r.load("Caixa_bobina80.json");
//   r.setData("Caixa", table);
//   r.setData("Empresa", companyDataset);
//   r.output(Destination::fromSettings(printer, option), this);
class Report
{
public:
    // Reads the template found by locateTemplate(). A missing file leaves the report
    // empty (no pages) and returns false, with nothing to say; a file that cannot be
    // read or parsed does the same and leaves the reason, naming the file and its
    // folder, in loadError() for the screen to show.
    bool load(const QString &name);
    QString loadError() const { return m_loadError; }
    bool isEmpty() const { return !m_template.has_value(); }
    QString templateName() const { return m_name; }

    void setData(const QString &name, const ds::Dataset &dataset);
    void setData(const QString &name, MemoryTable table);
    void setVariable(const QString &name, const QVariant &value);
    // The moment [DATE] and [TIME] show; now unless set.
    void setPrintTime(const QDateTime &when) { m_printTime = when; }

    Document prepare() const;

    // Modal preview.
    void preview(QWidget *parent = nullptr) const;
    // Straight to the named printer, no dialog; false when the printer cannot take it.
    bool print(const QString &printerName) const;
    bool exportPdf(const QString &filePath) const;
    // A printer that cannot take the report falls back to the preview, so the paper
    // is never silently lost.
    void output(const Destination &destination, QWidget *parent = nullptr) const;

private:
    QString m_name;
    QString m_loadError;
    std::optional<Template> m_template;
    Sources m_sources;
    Variables m_variables;
    QDateTime m_printTime;
};

// What a report sent to the preview or a printer would have shown.
struct CapturedReport
{
    Destination destination;
    QString templateName;
    Document document;

    QList<QStringList> text() const { return document.text(); }
    QByteArray pdf() const;
};

// While one exists, reports sent to the preview or a printer are kept here instead
// of being shown or printed. For tests; the program never creates one.
class ReportCapture
{
public:
    ReportCapture();
    ~ReportCapture();
    ReportCapture(const ReportCapture &) = delete;
    ReportCapture &operator=(const ReportCapture &) = delete;

    const QList<CapturedReport> &reports() const { return m_reports; }

private:
    friend class Report;
    static ReportCapture *s_active;
    ReportCapture *m_previous;
    QList<CapturedReport> m_reports;
};

} // namespace report
